#include "dict/IndiceDizionario.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

Dizionario diz(std::string testo) {
  Dizionario d;
  d.nome = "prova.dic";
  d.testo = std::move(testo);
  return d;
}

int posizione(const Dizionario& d, char iniziale) { return d.indice[static_cast<std::size_t>(iniziale - '@')]; }

TEST(IndiceDizionario, InizioDiOgniIniziale) {
  Dizionario d = diz("ABACO\r\nALA\r\nBUE\r\nCANE\r\n");
  Cedi c;
  EXPECT_TRUE(indicizza(d, c).empty());
  EXPECT_EQ(posizione(d, 'A'), 1);
  EXPECT_EQ(posizione(d, 'B'), 13);  // 1-based position of "BUE"
  EXPECT_EQ(posizione(d, 'C'), 18);
  EXPECT_EQ(posizione(d, 'D'), 0);
  EXPECT_TRUE(d.inOrdine);
}

TEST(IndiceDizionario, SecondaSerieDellaStessaInizialeSovrascrive) {
  Dizionario d = diz("CANE\r\nDADO\r\nCASA\r\n");
  Cedi c;
  indicizza(d, c);
  EXPECT_EQ(posizione(d, 'C'), 13);
}

TEST(IndiceDizionario, CommentoRiavviaLaSerie) {
  Dizionario d = diz("' intestazione\r\nCANE\r\n# nota\r\nCASA\r\n");
  Cedi c;
  EXPECT_TRUE(indicizza(d, c).empty());
  EXPECT_EQ(posizione(d, 'C'), 31);  // CASA, after the comment
}

TEST(IndiceDizionario, CommentoInCimaNonCambiaNulla) {
  Dizionario d = diz("' intestazione\r\nCANE\r\nCASA\r\n");
  Cedi c;
  indicizza(d, c);
  EXPECT_EQ(posizione(d, 'C'), 17);
}

TEST(OrdineDizionario, PiuDiDueLettereFuoriSequenza) {
  struct Caso {
    const char* nome;
    const char* testo;
    std::vector<std::string> attesi;
  };
  const Caso casi[] = {
      {"ALBA poi ALA avvisa", "ALBA\r\nALA\r\n", {"ALA"}},
      {"ALBA poi AB non avvisa", "ALBA\r\nAB\r\n", {}},
      {"AB poi ALBA non avvisa", "ALBA\r\nAB\r\nAAA\r\n", {}},
      {"ultima voce senza CR LF", "CASA\r\nBASE", {"BASE"}},
      {"spazi rifilati", "  ZETA \r\n ALBA\r\n", {"ALBA"}},
      {"commento tra due voci", "CASA\r\n# x\r\nBASE\r\n", {}},
      {"uguali non avvisano", "CASA\r\nCASA\r\n", {}},
  };
  for (const Caso& k : casi) {
    Dizionario d = diz(k.testo);
    Cedi c;
    EXPECT_EQ(indicizza(d, c), k.attesi) << k.nome;
    EXPECT_EQ(d.inOrdine, k.attesi.empty()) << k.nome;
  }
}

TEST(IndiceDizionario, UltimaVoceCortaOSenzaCrLfVisitata) {
  // The last entries would be skipped by a walk that stops four characters
  // before the end; every entry counts here.
  Dizionario d = diz("CASA\r\nRE\r\n");
  Cedi c;
  indicizza(d, c);
  EXPECT_EQ(posizione(d, 'R'), 7);
  Dizionario e = diz("CASA\r\nZOO");
  indicizza(e, c);
  EXPECT_EQ(posizione(e, 'Z'), 7);
  Dizionario f = diz("Z");
  indicizza(f, c);
  EXPECT_EQ(posizione(f, 'Z'), 1);
}

TEST(IndiceDizionario, RigheVuoteEInizialiStraneSenzaDanni) {
  Dizionario d = diz("\r\n\r\n@ABC\r\nabc\r\n\xE0\x42\r\n[X\r\n   \r\nCASA");
  Cedi c;
  indicizza(d, c);
  EXPECT_EQ(posizione(d, '@'), 5);
  EXPECT_EQ(posizione(d, 'C'), 29);
  int contati = 0;
  for (int v : d.indice) contati += v != 0;
  EXPECT_EQ(contati, 2);
  Dizionario vuoto = diz("");
  indicizza(vuoto, c);
  for (int v : vuoto.indice) EXPECT_EQ(v, 0);
}

TEST(IndiceDizionario, CediChiamatoPerOgniVoce) {
  int chiamate = 0;
  Cedi c([&] {
    ++chiamate;
    return true;  // a stop request must not cut the index short
  });
  std::string testo;
  for (int i = 0; i < 1000; ++i) testo += "CASA\r\n";
  testo += "ZETA\r\n";
  Dizionario d = diz(testo);
  indicizza(d, c);
  EXPECT_EQ(chiamate, 1001 / 256);
  EXPECT_EQ(posizione(d, 'Z'), 6001);
}

TEST(OrdineDizionario, TestoDelMessaggio) {
  EXPECT_EQ(testoFuoriSequenza("ALA"),
            "Questa parola ALA \xC3\xA8 fuori sequenza\r\n"
            "pu\xC3\xB2 compromettere la ricerca nel suo dizionario.");
  // Entry bytes are Windows-1252: 0xC8 is "È".
  EXPECT_EQ(testoFuoriSequenza("\xC8RA").substr(14, 4), "\xC3\x88RA");
}

TEST(VoceRifilata, SoloSpazi) {
  EXPECT_EQ(voceRifilata("  CASA  "), "CASA");
  EXPECT_EQ(voceRifilata("\tCASA"), "\tCASA");
  EXPECT_EQ(voceRifilata("   "), "");
}

}  // namespace
}  // namespace tessaro
