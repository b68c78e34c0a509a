// The dictionary tool: the word-list rules it applies, and the tool itself
// run as a program.
#include "dict/CostruzioneDizionario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/GruppiVocalici.h"
#include "dict/VerificaDizionario.h"

namespace tessaro {
namespace {

TEST(VoceDaParola, MaiuscoleEAccentiPiegati) {
  struct Caso {
    const char* parola;
    bool utf8;
    const char* attesa;  // nullptr: refused
  };
  const Caso casi[] = {
      {"casa", true, "CASA"},
      {"perch\xC3\xA9", true, "PERCHE"},
      {"citt\xC3\xA0", true, "CITTA"},
      {"\xC3\x88RA", true, "ERA"},
      {"per\xC3\xB2", true, "PERO"},
      {"virt\xC3\xB9", true, "VIRTU"},
      {"cos\xC3\xAC", true, "COSI"},
      {"citt\xE0", false, "CITTA"},      // Latin-1
      {"\xD2\xD3\xF2\xF3", false, "OOOO"},
      {"l'acqua", true, nullptr},
      {"Ch\xC3\xA2tillon", true, nullptr},
      {"a", true, nullptr},
      {"\xC3\xA0", true, nullptr},        // one letter after folding
      {"ab1", true, nullptr},
      {"due parole", true, nullptr},
      {"\xC3", true, nullptr},            // broken UTF-8
  };
  for (const Caso& k : casi) {
    auto v = voceDaParola(k.parola, k.utf8);
    if (k.attesa == nullptr) {
      EXPECT_FALSE(v.has_value()) << k.parola;
    } else {
      ASSERT_TRUE(v.has_value()) << k.parola;
      EXPECT_EQ(*v, k.attesa);
    }
  }
}

TEST(ListaParole, RigheCommentiEBom) {
  auto r = righeListaParole("\xEF\xBB\xBF" "casa\r\n# nota\n\n  cane \rgatto");
  EXPECT_EQ(r, (std::vector<std::string_view>{"casa", "cane", "gatto"}));
  EXPECT_TRUE(eUtf8Valido("perch\xC3\xA9"));
  EXPECT_FALSE(eUtf8Valido("perch\xE9"));
  EXPECT_FALSE(eUtf8Valido("\xC0\xAF"));  // overlong
  EXPECT_FALSE(eUtf8Valido("\xED\xA0\x80"));  // surrogate
}

TEST(GruppiVocalici, CodicePerOgniInsieme) {
  // The reverse of every code of the table gives the code back.
  for (char c : std::string_view("!#$%&()=+-@")) {
    std::string_view v = vocaliGruppo(c);
    auto ha = [&](char x) { return v.find(x) != std::string_view::npos; };
    EXPECT_EQ(codiceGruppo(ha('A'), ha('E'), ha('I'), ha('O')), c) << c;
  }
  EXPECT_EQ(codiceGruppo(true, false, false, false), '\0');
  EXPECT_EQ(codiceGruppo(false, false, false, false), '\0');
}

TEST(GruppiVocalici, PiegaturaEOrdine) {
  std::vector<std::string> voci = {"BELLA", "BELLE", "BELLI", "CASA", "CASALE", "CASE", "CASO",
                                   "CANE", "DA", "DI", "MARE", "RE"};
  ordinaUnici(voci);
  std::vector<std::string> p = piegaGruppiVocalici(voci);
  EXPECT_EQ(p, (std::vector<std::string>{"BELL%", "CANE", "CAS)", "CASALE", "D#", "MARE", "RE"}));
  std::vector<std::string> due = {"CASA", "CASE", "CASALE"};
  ordinaUnici(due);
  EXPECT_EQ(piegaGruppiVocalici(due), (std::vector<std::string>{"CAS!", "CASALE"}));
  EXPECT_EQ(testoDizionario({"CAS!", "CASALE"}), "CAS!\r\nCASALE\r\n");
}

TEST(Verifica, ProblemiSegnalati) {
  struct Caso {
    const char* nome;
    const char* testo;
    std::size_t problemi;
    std::size_t voci;
  };
  const Caso casi[] = {
      {"buono", "' x\r\nABACO\r\nCAS!\r\nCASA\r\n", 0, 3},
      {"fuori sequenza", "ALBA\r\nALA\r\n", 1, 2},
      {"corta fuori sequenza", "ALBA\r\nAB\r\n", 1, 2},
      {"minuscole", "casa\r\n", 1, 1},
      {"riga vuota", "ALA\r\n\r\nBUE\r\n", 1, 2},
      {"codice non in fondo", "CA!SA\r\n", 1, 1},
      {"codice in testa", "!CASA\r\n", 1, 1},
      {"senza CR LF finale", "ALA\r\nBUE", 1, 2},
      {"spazi", " ALA\r\n", 1, 1},
  };
  for (const Caso& k : casi) {
    EsitoVerifica e = verificaDizionario(k.testo);
    EXPECT_EQ(e.problemi.size(), k.problemi) << k.nome;
    EXPECT_EQ(e.voci, k.voci) << k.nome;
  }
  EsitoVerifica e = verificaDizionario("ALBA\r\nALA\r\n");
  ASSERT_EQ(e.problemi.size(), 1u);
  EXPECT_EQ(e.problemi[0].riga, 2u);
  EXPECT_EQ(e.problemi[0].testo, "la voce \"ALA\" \xC3\xA8 fuori sequenza");
}

// The tool as a program: exit status and output files.
class ProgrammaDiz : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-tool-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(dir_ / nome, std::ios::binary) << dati;
  }
  int esegui(const std::string& argomenti) {
    std::string cmd = std::string(TESSARO_BIN_DIR "/tessaro-diz ") + argomenti + " > " +
                      (dir_ / "out.txt").string() + " 2> " + (dir_ / "err.txt").string();
    int r = std::system(cmd.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  }
  std::string file(const std::string& nome) {
    std::string t;
    leggiFileIntero(dir_ / nome, t);
    return t;
  }
  std::string p(const std::string& nome) { return (dir_ / nome).string(); }
  std::filesystem::path dir_;
};

TEST_F(ProgrammaDiz, BuildConGruppiDaUtf8ELatin1) {
  crea("a.txt", "# parole\ncasa\ncase\nperch\xC3\xA9\nl'acqua\n");
  crea("b.txt", "citt\xE0\nCASO\nbella\nbelle\nbelli\nx\n");
  ASSERT_EQ(esegui("build --vowel-groups -o " + p("base.dic") + " " + p("a.txt") + " " + p("b.txt")), 0)
      << file("err.txt");
  EXPECT_EQ(file("base.dic"), "BELL%\r\nCAS)\r\nCITTA\r\nPERCHE\r\n");
  ASSERT_EQ(esegui("build -o " + p("piano.diz") + " " + p("a.txt")), 0);
  std::string testo;
  ASSERT_EQ(decodificaDiz(file("piano.diz"), testo), EsitoDiz::ok);
  EXPECT_EQ(testo, "CASA\r\nCASE\r\nPERCHE\r\n");
  ASSERT_EQ(esegui("unpack " + p("piano.diz") + " " + p("uscita.txt")), 0);
  EXPECT_EQ(file("uscita.txt"), testo);
  EXPECT_EQ(esegui("check " + p("piano.diz")), 0);
  EXPECT_EQ(file("out.txt"), "entries: 3\n");
  // No temporary file is left beside the outputs.
  int n = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir_)) n += e.path().filename().string()[0] == '.';
  EXPECT_EQ(n, 0);
}

TEST_F(ProgrammaDiz, CheckEsito1ConProblemi) {
  crea("x.dic", "ALBA\nALA\n");
  EXPECT_EQ(esegui("check " + p("x.dic")), 1);
  EXPECT_EQ(file("out.txt"), "riga 2: la voce \"ALA\" \xC3\xA8 fuori sequenza\nentries: 2\n");
}

TEST_F(ProgrammaDiz, UsoErratoEFileIllegibili) {
  EXPECT_EQ(esegui(""), 2);
  EXPECT_EQ(esegui("boh"), 2);
  EXPECT_NE(file("err.txt").find("comando sconosciuto"), std::string::npos);
  EXPECT_EQ(esegui("build -o"), 2);
  EXPECT_EQ(esegui("build " + p("a.txt")), 2);
  EXPECT_EQ(esegui("build --boh -o " + p("x.dic") + " " + p("a.txt")), 2);
  EXPECT_EQ(esegui("build -o " + p("x.dic") + " " + p("manca.txt")), 2);
  EXPECT_NE(file("err.txt").find("impossibile leggere"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.dic"));
  EXPECT_EQ(esegui("unpack " + p("manca.diz")), 2);
  crea("rotto.diz", "TESSDIZ");
  EXPECT_EQ(esegui("unpack " + p("rotto.diz") + " " + p("o.txt")), 2);
  EXPECT_NE(file("err.txt").find("file troppo corto"), std::string::npos);
  EXPECT_EQ(esegui("check " + p("rotto.diz")), 2);
  EXPECT_EQ(esegui("check " + p("manca.dic")), 2);
  crea("a.txt", "casa\n");
  EXPECT_EQ(esegui("build -o " + p("nessuna/cartella/x.dic") + " " + p("a.txt")), 2);
}

}  // namespace
}  // namespace tessaro
