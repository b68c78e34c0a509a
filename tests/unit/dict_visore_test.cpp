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

// The viewer's window tests cover the other slots, the 32000-entry button and
// the switch texts; these are the finer points of filling and positioning.
TEST(Visore, BaseDivisaAllaMEPosizionata) {
  Dizionario d = diz("' base di prova\r\nALA\r\nCARTA\r\nCAS!\r\nCASO\r\nLUNA\r\nMAR@\r\nMARE\r\n# nota\r\n\r\nNAVE\r\nZOO");
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 1, c);
  EXPECT_EQ(righe(v.List2), (std::vector<std::string>{"ALA", "CARTA", "CAS(AE)", "CASO", "LUNA",
                                                      "...per proseguire premere  M-Z=> "}));
  EXPECT_EQ(righe(v.List3), (std::vector<std::string>{"...per tornare all'inizio premere  A-L<= ",
                                                      "MAR(AEIO)", "MARE", "NAVE", "ZOO"}));
  EXPECT_EQ(v.conteggio, 9);  // comments and the empty line are not counted
  // A lone "#" is a comment, not a group code.
  Dizionario k = diz("#\r\nCASA\r\n");
  EXPECT_EQ(righe(riempiVisore(k, 1, c).List2), std::vector<std::string>{"CASA"});

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
      {"b", false, 1},       // first line at or above "B": CARTA
      {"LZ", false, 5},      // nothing above: the marker line, the last
      {"zz", true, 4},       // the last line of List3
  };
  for (const Caso& k2 : casi) {
    SCOPED_TRACE(k2.testo);
    PosizioneVisore p = posizionaVisore(v, 1, k2.testo);
    EXPECT_FALSE(p.nessunCambio);
    EXPECT_EQ(p.mostraList3, k2.list3);
    EXPECT_EQ(p.riga, k2.riga);
  }
  EXPECT_TRUE(posizionaVisore(v, 1, "  ").nessunCambio);
}

TEST(Visore, AltreSlotConTestoVuotoOListaVuota) {
  Dizionario d = diz("ALA\r\nMARE\r\nZOO\r\n");
  Cedi c;
  ContenutoVisore v = riempiVisore(d, 3, c);
  PosizioneVisore p = posizionaVisore(v, 3, "");
  EXPECT_FALSE(p.nessunCambio);  // only the base ignores an empty box
  EXPECT_FALSE(p.mostraList3);
  EXPECT_EQ(p.riga, 0);
  EXPECT_EQ(posizionaVisore(ContenutoVisore{}, 3, "A").riga, -1);
}

}  // namespace
}  // namespace tessaro
