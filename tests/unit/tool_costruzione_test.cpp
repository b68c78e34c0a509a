// The word-list rules of the dictionary tool; the tool itself is run as a
// program in tool_comandi_test.
#include "dict/CostruzioneDizionario.h"

#include <gtest/gtest.h>


#include "dict/GruppiVocalici.h"
#include "dict/VerificaDizionario.h"

namespace tessaro {
namespace {

TEST(VoceDaParola, MaiuscoleEAccentiPiegati) {
  const std::pair<const char*, const char*> utf8[] = {
      {"casa", "CASA"}, {"perch\xC3\xA9", "PERCHE"}, {"citt\xC3\xA0", "CITTA"}, {"\xC3\x88RA", "ERA"},
      {"per\xC3\xB2", "PERO"}, {"virt\xC3\xB9", "VIRTU"}, {"cos\xC3\xAC", "COSI"}};
  for (const auto& [parola, voce] : utf8) EXPECT_EQ(voceDaParola(parola, true), voce) << parola;
  EXPECT_EQ(voceDaParola("citt\xE0", false), "CITTA");  // Latin-1
  EXPECT_EQ(voceDaParola("\xD2\xD3\xF2\xF3", false), "OOOO");
  // Refused: apostrophe, other accents, one letter (also after folding),
  // digits, blanks, broken UTF-8.
  for (const char* parola : {"l'acqua", "Ch\xC3\xA2tillon", "a", "\xC3\xA0", "ab1", "due parole", "\xC3"})
    EXPECT_FALSE(voceDaParola(parola, true)) << parola;
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

}  // namespace
}  // namespace tessaro
