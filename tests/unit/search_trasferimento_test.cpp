#include "search/Trasferimento.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

std::string trasferisci(int Modo, std::string_view riga, Ruota& r) {
  const auto s = riduciScelta(Modo, riga);
  return s ? ruotaVocali(*s, r) : "<rifiutata>";
}

TEST(SearchTrasferimento, RigheDiRicerca) {
  EXPECT_EQ(riduciScelta(ListaRiga, "CANE -1"), "CANE");
  EXPECT_EQ(riduciScelta(ListaColonna, "CANE -12"), "CANE");
  EXPECT_EQ(riduciScelta(ListaRiga, "  CANE -1"), "  CANE");
  EXPECT_EQ(riduciScelta(ListaRiga, "CAS(EIO) -1"), "CAS(EIO)");
  // A plain dictionary's entry may end with "-": only the tag goes.
  EXPECT_EQ(riduciScelta(ListaRiga, "CAS- -3"), "CAS-");
  EXPECT_EQ(riduciScelta(ListaAnagrammi, "ANTI-AGE"), "ANTI-AGE");
}

TEST(SearchTrasferimento, RifiutiPerModo) {
  EXPECT_EQ(riduciScelta(ListaAnagrammi, TestoNessunAnagramma), std::nullopt);
  EXPECT_EQ(riduciScelta(ListaSinonimi, TestoNessunSinonimo), std::nullopt);
  EXPECT_EQ(riduciScelta(ListaSinonimi, "=         sinonimi         ="), std::nullopt);
  EXPECT_EQ(riduciScelta(ListaSinonimi, ">         contrari          <"), std::nullopt);
  EXPECT_EQ(riduciScelta(ListaSinonimi, "=BELLO"), "BELLO");
  EXPECT_EQ(riduciScelta(ListaSinonimi, ">BRUTTO"), "BRUTTO");
  EXPECT_EQ(riduciScelta(ListaOrtografia, TestoOkOrtografia), std::nullopt);
  EXPECT_EQ(riduciScelta(ListaOrtografia, "CASA"), "CASA");
  EXPECT_EQ(riduciScelta(ListaIncrocio, "E (Oriz.-2 / Vert.-1)"), "E");
  EXPECT_EQ(riduciScelta(ListaIncrocio, "A"), "A");
  EXPECT_EQ(riduciScelta(ListaIncrocio, ""), "");
}

TEST(SearchTrasferimento, GruppoDallaRigaDiRicerca) {
  Ruota r;
  EXPECT_EQ(trasferisci(ListaRiga, "CAS(AE) -1", r), "CASA");
  EXPECT_EQ(trasferisci(ListaRiga, "CAS(AE) -1", r), "CASE");
  EXPECT_EQ(trasferisci(ListaRiga, "CAS(AE) -1", r), "CASA");
}

TEST(SearchTrasferimento, CicloEtRipartenza) {
  Ruota r;
  EXPECT_EQ(trasferisci(ListaRiga, "BELL(AEI) -1", r), "BELLA");
  EXPECT_EQ(trasferisci(ListaRiga, "BELL(AEI) -1", r), "BELLE");
  EXPECT_EQ(trasferisci(ListaRiga, "BELL(AEI) -1", r), "BELLI");
  EXPECT_EQ(trasferisci(ListaRiga, "BELL(AEI) -1", r), "BELLA");
  // Another line restarts; so does a line without a group.
  EXPECT_EQ(trasferisci(ListaRiga, "CAS(AE) -1", r), "CASA");
  EXPECT_EQ(trasferisci(ListaRiga, "CANE -1", r), "CANE");
  EXPECT_EQ(r.IndiceRuota, 0);
  EXPECT_EQ(trasferisci(ListaRiga, "CAS(AE) -1", r), "CASA");
  // Free-head blanks stay in front of the stem.
  EXPECT_EQ(trasferisci(ListaRiga, " BELL(AEI) -1", r), " BELLA");
}

TEST(SearchTrasferimento, ParentesiStrane) {
  Ruota r;
  EXPECT_EQ(ruotaVocali("BELL()", r), "BELL");
  EXPECT_EQ(ruotaVocali("BELL)A(", r), "BELL)A(");
}

TEST(SearchTrasferimento, PianoRigaConBlank) {
  const auto p = pianoTrasferimento(ListaRiga, "  CANE", 3, 0, 5, 9);
  EXPECT_EQ(p.scritture, (std::vector<ScritturaCella>{{5, 5, 'C'}, {5, 6, 'A'}, {5, 7, 'N'}, {5, 8, 'E'}}));
  EXPECT_EQ(p.evid, (RiquadroCelle{5, 5, 4, 1}));
  // A blank inside a two-part word leaves its cell alone and does not move
  // the frame: it covers the whole word from its first letter.
  const auto d = pianoTrasferimento(ListaRiga, "A POSTO", 0, 0, 2, 0);
  EXPECT_EQ(d.scritture.size(), 6u);
  EXPECT_EQ(d.scritture[1], (ScritturaCella{2, 2, 'P'}));
  EXPECT_EQ(d.evid, (RiquadroCelle{0, 2, 7, 1}));
}

TEST(SearchTrasferimento, PianoColonnaEIncrocio) {
  const auto p = pianoTrasferimento(ListaColonna, "RE", 0, 2, 7, 4);
  EXPECT_EQ(p.scritture, (std::vector<ScritturaCella>{{2, 4, 'R'}, {3, 4, 'E'}}));
  EXPECT_EQ(p.evid, (RiquadroCelle{4, 2, 1, 2}));
  const auto x = pianoTrasferimento(ListaIncrocio, "E", 0, 0, 3, 6);
  EXPECT_EQ(x.scritture, (std::vector<ScritturaCella>{{3, 6, 'E'}}));
  EXPECT_EQ(x.evid, (RiquadroCelle{6, 3, 1, 1}));
  EXPECT_TRUE(pianoTrasferimento(ListaAnagrammi, "CANE", 0, 0, 0, 0).scritture.empty());
}

}  // namespace
}  // namespace tessaro
