// The linguistic engine on the Debian it_IT dictionary and thesaurus.
#include "platform/lingua/MotoreLinguistico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using Parole = std::vector<std::string>;

bool contiene(const Parole& p, const std::string& w) {
  return std::find(p.begin(), p.end(), w) != p.end();
}

Parole nomi(const SuggerimentiOrtografia& s) {
  Parole out;
  for (const auto& x : s) out.push_back(x.Name);
  return out;
}

CartelleLingua cartelleDiSistema() {
  CartelleLingua c;
  c.fileContrari = TESSARO_SOURCE_DIR "/data/contrari.txt";
  return c;
}

// One engine for the whole suite: starting it loads the whole dictionary.
class LinguaMotore : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    motore_ = new MotoreLinguistico(cartelleDiSistema());
    ASSERT_TRUE(motore_->avvia()) << motore_->motivo();
  }
  static void TearDownTestSuite() {
    delete motore_;
    motore_ = nullptr;
  }
  static InfoSinonimi sinonimi(std::string_view w) {
    auto i = motore_->SynonymInfo(w, LinguaItaliana);
    EXPECT_TRUE(i.has_value());
    return i.value_or(InfoSinonimi{});
  }
  static SuggerimentiOrtografia ortografia(std::string_view w, bool maiuscole = false) {
    auto r = motore_->GetSpellingSuggestions(w, maiuscole, LinguaItaliana);
    EXPECT_TRUE(r.has_value());
    return r.value_or(SuggerimentiOrtografia{});
  }
  static MotoreLinguistico* motore_;
};
MotoreLinguistico* LinguaMotore::motore_ = nullptr;

// The system data found; a word with synonyms and no antonyms; unknown
// words, meanings out of range and requests in another language.
TEST_F(LinguaMotore, DatiDiSistemaSinonimiERichiesteVuote) {
  EXPECT_EQ(motore_->dati().aff, "/usr/share/hunspell/it_IT.aff");
  EXPECT_EQ(motore_->dati().dat, "/usr/share/mythes/th_it_IT_v2.dat");
  EXPECT_FALSE(motore_->dati().contrari.empty());
  EXPECT_TRUE(motore_->righeContrariErrate().empty());
  const auto c = sinonimi("casa");
  ASSERT_GT(c.MeaningCount(), 0);
  EXPECT_TRUE(contiene(c.SynonymList(1), "abitazione"));
  EXPECT_FALSE(contiene(c.SynonymList(1), "casa"));
  EXPECT_TRUE(c.AntonymList().empty() && c.SynonymList(0).empty() && c.SynonymList(99).empty());
  const auto i = sinonimi("xqzwt");
  EXPECT_EQ(i.MeaningCount(), 0);
  EXPECT_TRUE(i.SynonymList(1).empty() && i.AntonymList().empty() && i.voce().empty());
  EXPECT_EQ(sinonimi("").MeaningCount() + sinonimi(std::string(5000, 'a')).MeaningCount(), 0);
  EXPECT_FALSE(motore_->GetSpellingSuggestions("", false, LinguaItaliana));
  EXPECT_FALSE(motore_->GetSpellingSuggestions("   ", false, LinguaItaliana));
  EXPECT_FALSE(motore_->GetSpellingSuggestions("casa", false, 1033));
  EXPECT_FALSE(motore_->SynonymInfo("casa", 1033));
}

TEST_F(LinguaMotore, SinonimiSoloParoleSingoleSenzaNote) {
  // contagioso: "trasmissibile (di malattia)"; abbacchiato: "in crisi".
  EXPECT_TRUE(contiene(sinonimi("contagioso").SynonymList(1), "trasmissibile"));
  const auto i = sinonimi("abbacchiato");
  ASSERT_GT(i.MeaningCount(), 0);
  for (int m = 1; m <= i.MeaningCount(); ++m) {
    const auto s = i.SynonymList(m);
    EXPECT_FALSE(s.empty()) << "significato " << m;
    for (const auto& w : s) EXPECT_EQ(w.find_first_of(" -'()"), std::string::npos) << w;
    EXPECT_EQ(std::set<std::string>(s.begin(), s.end()).size(), s.size());
  }
  EXPECT_FALSE(contiene(i.SynonymList(1), "in crisi"));
}

// Upper case, missing accents, single-byte text and inflected forms all
// answer through the thesaurus entry; antonyms follow the form typed.
TEST_F(LinguaMotore, VociEContrariDelleForme) {
  EXPECT_EQ(sinonimi("CASA").SynonymList(1), sinonimi("casa").SynonymList(1));
  const std::pair<const char*, const char*> voci[] = {
      {" casa ", "casa"}, {"CITTA", "città"}, {"citt\xE0", "città"}, {"PERCHE", "perché"}, {"BELLA", "bello"},
      {"CASE", "casa"},       // not "caso"
      {"LIBRI", "libro"},     // not "librare"
      {"AMA", "amare"},       // not "amo"
      {"MANI", "mano"}, {"PARLO", "parlare"}, {"ALTE", "alto"},
      {"LUCIFERO", "Lucifero"},  // only capitalised in the thesaurus
  };
  for (const auto& [parola, voce] : voci) {
    const auto i = sinonimi(parola);
    EXPECT_EQ(i.voce(), voce) << parola;
    EXPECT_FALSE(i.SynonymList(1).empty()) << parola;
  }
  const std::pair<const char*, Parole> contrari[] = {
      {"alto", {"basso"}}, {"basso", {"alto"}}, {"BELLA", {"brutta"}}, {"belli", {"brutti"}},
      {"ALTE", {"basse"}}, {"APERTA", {"chiusa"}},
      {"GRANDI", {"piccolo"}},  // no safe ending
  };
  for (const auto& [parola, attesi] : contrari) EXPECT_EQ(sinonimi(parola).AntonymList(), attesi) << parola;
}

TEST_F(LinguaMotore, OrtografiaCorretta) {
  for (const char* w : {"casa", "CASA", "Casa", "città", "CITTA", "citta", "PERCHE", "roma",
                        "citt\xE0", " casa"}) {
    const auto r = ortografia(w);
    EXPECT_EQ(r.SpellingErrorType(), wdSpellingCorrect) << w;
    EXPECT_EQ(r.Count(), 0) << w;
  }
  // Words all in capitals are taken as correct only when asked to.
  EXPECT_EQ(ortografia("XQZWT", true).SpellingErrorType(), wdSpellingCorrect);
  EXPECT_EQ(ortografia("XQZWT", false).SpellingErrorType(), wdSpellingNotInDictionary);
  EXPECT_EQ(ortografia("xqzwt", true).SpellingErrorType(), wdSpellingNotInDictionary);
}

// Near misspellings, and far ones (two edits: only the full pass with
// n-grams finds them); suggestions are single words in the case typed.
// Nonsense gets few suggestions or none.
TEST_F(LinguaMotore, OrtografiaErrata) {
  const struct {
    std::string parola;
    const char* suggerimento;  // nullptr: any, up to `massimo`
    int massimo;
  } casi[] = {
      {"scrivanio", "scrivania", 99}, {"machina", "macchina", 99},  // "ma china" is not offered
      {"MACHINA", "MACCHINA", 99},    {"raggazo", "ragazzo", 99},
      {"scsrivaniaa", "scrivania", 99}, {"aereoplano", "aeroplano", 99},
      {"raggazzi", "ragazzi", 99},    {"SCSRIVANIAA", "SCRIVANIA", 99},
      {"xqzwt", nullptr, 2},          {"qwertyui", nullptr, 5},
      {"QWERTYUI", nullptr, 5},       {"zzzzzzzzzz", nullptr, 5},
      {"perchee", nullptr, 5},        {"aerreoplanno", nullptr, 5},
      {std::string(300, 'a'), nullptr, 99},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.parola.substr(0, 12));
    const auto r = ortografia(k.parola);
    EXPECT_EQ(r.SpellingErrorType(), wdSpellingNotInDictionary);
    const Parole n = nomi(r);
    EXPECT_EQ(r.Count(), static_cast<int>(n.size()));
    EXPECT_LE(r.Count(), k.massimo);
    if (k.suggerimento != nullptr) {
      EXPECT_TRUE(contiene(n, k.suggerimento));
    }
    for (const auto& x : n) EXPECT_EQ(x.find_first_of(" -'"), std::string::npos) << x;
  }
}

// Temporary program folder, removed afterwards.
class LinguaCartella : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessaro_lingua_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void scrivi(const std::string& nome, const std::string& testo) {
    std::ofstream(dir_ / nome, std::ios::binary) << testo;
  }
  CartelleLingua cartelle() {
    CartelleLingua c;
    c.cartellaProg = dir_.string();
    return c;
  }
  fs::path dir_;
};

TEST_F(LinguaCartella, DatiMancantiOGuastiAvvioFallito) {
  auto senzaOrtografia = cartelle(), senzaSinonimi = cartelle();
  senzaOrtografia.cartelleOrtografia = {(dir_ / "manca").string()};
  senzaSinonimi.cartelleSinonimi = {(dir_ / "manca").string()};
  for (const auto& [c, motivo] : {std::pair{senzaOrtografia, "it_IT"}, {senzaSinonimi, "th_it_IT"}}) {
    MotoreLinguistico m(c);
    EXPECT_FALSE(m.avvia());
    EXPECT_FALSE(m.attivo());
    EXPECT_NE(m.motivo().find(motivo), std::string::npos) << m.motivo();
    EXPECT_FALSE(m.SynonymInfo("casa"));
    EXPECT_FALSE(m.GetSpellingSuggestions("casa"));
  }
  scrivi("it_IT.aff", "SET UTF-8\n");
  scrivi("it_IT.dic", "non un numero\nparola\n");
  MotoreLinguistico m(cartelle());
  EXPECT_FALSE(m.avvia());
  EXPECT_NE(m.motivo().find("non valido"), std::string::npos);
}

TEST_F(LinguaCartella, CopiaNellaCartellaDelProgrammaPrevale) {
  scrivi("it_IT.aff", "SET UTF-8\nTRY aeiou\n");
  scrivi("it_IT.dic", "2\nzorbazza\nquaglione\n");
  const std::string dat = "UTF-8\nzorbazza|1\n(s.f. nota)|quaglione|gran capo|quaglione\n";
  scrivi("th_it_IT_v2.dat", dat);
  scrivi("th_it_IT_v2.idx", "UTF-8\n1\nzorbazza|6\n");
  scrivi("contrari.txt", "zorbazza: mollicone\n");
  MotoreLinguistico m(cartelle());
  ASSERT_TRUE(m.avvia()) << m.motivo();
  EXPECT_EQ(m.dati().aff, (dir_ / "it_IT.aff").string());
  EXPECT_EQ(m.dati().idx, (dir_ / "th_it_IT_v2.idx").string());
  EXPECT_EQ(m.dati().contrari, (dir_ / "contrari.txt").string());

  EXPECT_EQ(m.GetSpellingSuggestions("ZORBAZZA")->SpellingErrorType(), wdSpellingCorrect);
  const auto casa = m.GetSpellingSuggestions("casa");  // not in the tiny dictionary
  EXPECT_EQ(casa->SpellingErrorType(), wdSpellingNotInDictionary);
  EXPECT_EQ(nomi(*m.GetSpellingSuggestions("zorbaza")), (Parole{"zorbazza"}));

  const auto i = m.SynonymInfo("ZORBAZZA");
  ASSERT_EQ(i->MeaningCount(), 1);
  EXPECT_EQ(i->SynonymList(1), (Parole{"quaglione"}));
  EXPECT_EQ(i->AntonymList(), (Parole{"mollicone"}));
}

TEST_F(LinguaCartella, ParolaNotaSoloAiContrari) {
  auto c = cartelle();
  c.fileContrari = (dir_ / "altro.txt").string();
  scrivi("altro.txt", "# prova\nzorbazza: mollicone\n");
  MotoreLinguistico m(c);
  ASSERT_TRUE(m.avvia()) << m.motivo();  // system data, list from elsewhere
  const auto i = m.SynonymInfo("mollicone");
  ASSERT_EQ(i->MeaningCount(), 1);
  EXPECT_TRUE(i->SynonymList(1).empty());
  EXPECT_EQ(i->AntonymList(), (Parole{"zorbazza"}));
}


TEST_F(LinguaCartella, DizionarioSingoloByte) {
  scrivi("it_IT.aff", "SET ISO8859-1\nTRY aeiou\xE0\n");
  scrivi("it_IT.dic", "2\ncitt\xE0\nperch\xE9\n");
  MotoreLinguistico m(cartelle());
  ASSERT_TRUE(m.avvia()) << m.motivo();
  EXPECT_EQ(m.GetSpellingSuggestions("città")->SpellingErrorType(), wdSpellingCorrect);
  EXPECT_EQ(m.GetSpellingSuggestions("CITTA")->SpellingErrorType(), wdSpellingCorrect);
  EXPECT_EQ(m.GetSpellingSuggestions("PERCH\xC9")->SpellingErrorType(), wdSpellingCorrect);
  EXPECT_EQ(nomi(*m.GetSpellingSuggestions("cittàà")), (Parole{"città"}));
  EXPECT_EQ(m.GetSpellingSuggestions("Ωmega")->SpellingErrorType(), wdSpellingNotInDictionary);
}

// No contrari.txt in the folder: the engine starts all the same; start and
// close may repeat.
TEST_F(LinguaCartella, ContrariMancantiEAvviaEChiudiRipetuti) {
  MotoreLinguistico m(cartelle());
  m.chiudi();  // not started: harmless
  ASSERT_TRUE(m.avvia()) << m.motivo();
  EXPECT_TRUE(m.dati().contrari.empty());
  EXPECT_GT(m.SynonymInfo("alto")->MeaningCount(), 0);
  EXPECT_TRUE(m.SynonymInfo("alto")->AntonymList().empty());
  ASSERT_TRUE(m.avvia());  // starts again
  EXPECT_TRUE(m.attivo());
  m.chiudi();
  m.chiudi();
  EXPECT_FALSE(m.attivo());
  EXPECT_FALSE(m.GetSpellingSuggestions("casa"));
  EXPECT_FALSE(m.SynonymInfo("casa"));
}

}  // namespace
}  // namespace tessaro
