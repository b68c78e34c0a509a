#include "dict/Visore.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

Dizionario diz(std::string testo) {
  Dizionario d;
  d.nome = "base.diz";
  d.testo = std::move(testo);
  return d;
}

std::vector<std::string> righe(const RigheLista& l) {
  std::vector<std::string> r;
  for (std::size_t i = 0; i < l.size(); ++i) r.emplace_back(l[i]);
  return r;
}

const char* const Base =
    "' base di prova\r\nALA\r\nCARTA\r\nCAS!\r\nCASO\r\nLUNA\r\nMAR@\r\nMARE\r\n# nota\r\n\r\nNAVE\r\nZOO";

TEST(RiempiVisore, BaseDivisaAllaMConGruppiEspansi) {
  Dizionario d = diz(Base);
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 1, c);
  EXPECT_EQ(righe(v.List2), (std::vector<std::string>{"ALA", "CARTA", "CAS(AE)", "CASO", "LUNA",
                                                      "...per proseguire premere  M-Z=> "}));
  EXPECT_EQ(righe(v.List3), (std::vector<std::string>{"...per tornare all'inizio premere  A-L<= ",
                                                      "MAR(AEIO)", "MARE", "NAVE", "ZOO"}));
  EXPECT_EQ(v.conteggio, 9);  // comments and the empty line are not counted
  EXPECT_EQ(testoTotaleVoci(v.conteggio), "Totale Voci = 9");
  EXPECT_FALSE(v.mostraCommand2);
}

TEST(RiempiVisore, AltreSlotTuttoInList2ComeScritto) {
  Dizionario d = diz("' x\r\nCAS!\r\nMARE\r\n  ZOO  \r\n#\r\n");
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 2, c);
  EXPECT_EQ(righe(v.List2), (std::vector<std::string>{"CAS!", "MARE", "ZOO"}));
  EXPECT_TRUE(v.List3.empty());
  EXPECT_EQ(v.conteggio, 3);
}

TEST(RiempiVisore, CommentoCancellettoNonDiventaGruppo) {
  Dizionario d = diz("#\r\nCASA\r\n");
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 1, c);
  EXPECT_EQ(righe(v.List2), (std::vector<std::string>{"CASA"}));
  EXPECT_EQ(v.conteggio, 1);
}

TEST(RiempiVisore, Command2DaTrentaduemilaVoci) {
  std::string t;
  for (int i = 0; i < 32000; ++i) t += "AA\r\n";
  Dizionario d = diz(t);
  Cedi c;
  EXPECT_TRUE(riempiVisore(d, 2, c).mostraCommand2);
  d.testo.resize(d.testo.size() - 4);
  EXPECT_FALSE(riempiVisore(d, 2, c).mostraCommand2);
}

TEST(PosizionaVisore, SaltiNellaBase) {
  Dizionario d = diz(Base);
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 1, c);
  struct Caso {
    const char* testo;
    bool list3;
    int riga;
  };
  const Caso casi[] = {
      {"mare", true, 1},     // MAR(AEIO): a group shown in place of the final vowel
      {"marea", true, 3},    // the first line at or after MAREA: NAVE
      {"MAR", true, 1},      // MAR(AEIO): its first three characters equal MAR
      {" casa ", false, 2},  // CAS(AE): no CASA before it
      {"CASO", false, 2},    // the group rule takes CAS(AE) before CASO
      {"CAS", false, 2},
      {"b", false, 1},       // first line at or above "B": CARTA
      {"LZ", false, 5},      // nothing above: the marker line, the last
      {"zz", true, 4},       // the last line of List3
      {"m", true, 1},
  };
  for (const Caso& k : casi) {
    PosizioneVisore p = posizionaVisore(v, 1, k.testo);
    EXPECT_FALSE(p.nessunCambio) << k.testo;
    EXPECT_EQ(p.mostraList3, k.list3) << k.testo;
    EXPECT_EQ(p.riga, k.riga) << k.testo;
  }
  EXPECT_TRUE(posizionaVisore(v, 1, "  ").nessunCambio);
}

TEST(PosizionaVisore, AltreSlotETestoVuoto) {
  Dizionario d = diz("ALA\r\nMARE\r\nZOO\r\n");
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 3, c);
  PosizioneVisore p = posizionaVisore(v, 3, "");
  EXPECT_FALSE(p.nessunCambio);
  EXPECT_FALSE(p.mostraList3);
  EXPECT_EQ(p.riga, 0);
  EXPECT_EQ(posizionaVisore(v, 3, "mb").riga, 2);
  ContenutoVisore vuoto;
  EXPECT_EQ(posizionaVisore(vuoto, 3, "A").riga, -1);
}

TEST(Command2, TestoInText1) {
  EXPECT_EQ(testoCommand2(false), "m");
  EXPECT_EQ(testoCommand2(true), "a");
}

}  // namespace
}  // namespace tessaro
