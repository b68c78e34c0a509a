// The Hunspell expander run as a program on a few roots with the Italian
// affix file: the same forms as Hunspell's own unmunch, and each exclusion
// rule removing a form and keeping its neighbour.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "dict/CaricaDizionari.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
const fs::path Aff = "/usr/share/hunspell/it_IT.aff";

class Espandi : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(Aff)) GTEST_SKIP() << "manca hunspell-it";
    std::string m = (fs::temp_directory_path() / "tessaro-espandi-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
    // Nouns -e/-i, -a/-e, -a/-i, adjectives -ale/-ali, irregular verbs, a
    // gerund, numerals, Roman numerals.
    scrivi("r.dic", "18\ncane/S\nnave/S\nce/S\ncasa/Q\nproblema/R\nnazionale/SY\nvenire/ZI\nfare/PJdI\n"
                    "parlare/ALKhlI\nparlando/D\nnato/Ey\nvotare/ALKhlI\ngenerare/ALKhlI\naprirsi/MT\nx/£$\nm/£$\n"
                    "duemila/|!\nventi/|@&)=\n");
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }
  void scrivi(const std::string& nome, const std::string& testo) { std::ofstream(dir_ / nome) << testo; }
  std::set<std::string> righe(const std::string& nome) {
    std::string t;
    std::set<std::string> out;
    if (!leggiFileIntero(dir_ / nome, t)) return out;
    std::istringstream in(t);
    for (std::string r; std::getline(in, r);)
      if (!r.empty()) out.insert(r);
    return out;
  }
  int esegui(const std::string& cmd) { return std::system((cmd + " 2>" + (dir_ / "err").string()).c_str()); }
  std::string espandi() const {
    return std::string(TESSARO_BIN_DIR "/tessaro-espandi --aff ") + Aff.string() + " --dic " + (dir_ / "r.dic").string();
  }
  fs::path dir_;
};

TEST_F(Espandi, FormeComeUnmunch) {
  if (std::system("command -v unmunch >/dev/null") != 0) GTEST_SKIP() << "manca hunspell-tools";
  ASSERT_EQ(esegui("unmunch " + (dir_ / "r.dic").string() + " " + Aff.string() + " > " + (dir_ / "u").string()), 0);
  ASSERT_EQ(esegui(espandi() + " --tutte " + (dir_ / "t").string()), 0);
  // unmunch also writes the elisions (L'ACQUA), which the expander never makes.
  std::set<std::string> attese;
  for (const std::string& f : righe("u"))
    if (f.find('\'') == std::string::npos) attese.insert(f);
  const std::set<std::string> forme = righe("t");
  EXPECT_EQ(forme, attese);
  for (const char* f : {"cani", "navi", "ci", "case", "problemi", "nazionali", "venne", "facevi", "xiv"})
    EXPECT_EQ(forme.count(f), 1u) << f;
}

TEST_F(Espandi, OgniEsclusioneTogliEdTiene) {
  scrivi("lista", "po'\npoco\nkg\nchilo\nmi\ngenerale\nnatale\naprile\nvotarlo\n");
  scrivi("sigle", "kg\n");
  scrivi("proprie", "aprile\n");
  scrivi("verbi", "# verbi\nparlare\n");
  const fs::path d = dir_;
  ASSERT_EQ(esegui(espandi() + " --lista " + (d / "lista").string() + " --sigle " + (d / "sigle").string() +
                   " --non-enclitiche " + (d / "proprie").string() + " --verbi " + (d / "verbi").string() +
                   " --comuni " + (d / "c").string() + " --enclitici " + (d / "e").string() + " --motivi " +
                   (d / "m").string()),
            0);
  const std::set<std::string> comuni = righe("c"), enclitici = righe("e");
  std::map<std::string, std::string> motivi;
  for (const std::string& r : righe("m")) motivi[r.substr(0, r.find('\t'))] = r.substr(r.find('\t') + 1);
  struct Caso {
    const char* regola;
    const char* toglie;
    const char* tiene;
  };
  for (const Caso& k : {Caso{"elisione", "po'", "poco"}, Caso{"sigla", "kg", "chilo"},
                        Caso{"numero-romano", "xiv", "cani"}, Caso{"numero-romano", "xi", "mi"},
                        Caso{"numerale-composto", "duemilauno", "duemila"},
                        Caso{"numerale-composto", "duemilaventi", "ventuno"},
                        Caso{"si-composto", "parlandosi", "parlassi"},
                        Caso{"si-composto", "parlantesi", "parlante"},
                        Caso{"enclitica", "votarlo", "venne"}, Caso{"enclitica", "votami", "facevi"},
                        Caso{"enclitica", "parlarlo\tenclitici", "generale"},
                        Caso{"enclitica", "aprilo", "aprile"}, Caso{"enclitica", "generarlo", "natale"}}) {
    SCOPED_TRACE(k.toglie);
    const std::string tolta = std::string(k.toglie).substr(0, std::string(k.toglie).find('\t'));
    EXPECT_EQ(comuni.count(tolta), 0u);
    EXPECT_EQ(motivi[tolta], std::string(k.regola) + std::string(k.toglie).substr(tolta.size()));
    EXPECT_EQ(comuni.count(k.tiene), 1u) << k.tiene;
  }
  // enclitici.diz: the common pronoun forms of the listed verbs only.
  for (const char* f : {"parlarlo", "parlamelo", "parlandolo", "parlarsene", "parlatemi"})
    EXPECT_EQ(enclitici.count(f), 1u) << f;
  for (const char* f : {"votarlo", "parlarcisi", "parliamotelo", "parlandosi", "parlandoglici", "parlare"})
    EXPECT_EQ(enclitici.count(f), 0u) << f;
}

}  // namespace
}  // namespace tessaro
