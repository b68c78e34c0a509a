#include "search/Trasferimento.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The word taken from a list line, per list kind; nullopt for the lines that
// are no word (headings and "nothing found" notes).
TEST(SearchTrasferimento, RiduciScelta) {
  const struct {
    int modo;
    std::string_view riga;
    std::optional<std::string> attesa;
  } casi[] = {
      {ListaColonna, "CANE -12", "CANE"},
      {ListaRiga, "  CANE -1", "  CANE"},
      {ListaRiga, "CAS(EIO) -1", "CAS(EIO)"},
      // A plain dictionary's entry may end with "-": only the tag goes.
      {ListaRiga, "CAS- -3", "CAS-"},
      {ListaAnagrammi, "ANTI-AGE", "ANTI-AGE"},
      {ListaAnagrammi, TestoNessunAnagramma, std::nullopt},
      {ListaSinonimi, TestoNessunSinonimo, std::nullopt},
      {ListaSinonimi, "=         sinonimi         =", std::nullopt},
      {ListaSinonimi, ">         contrari          <", std::nullopt},
      {ListaSinonimi, "=BELLO", "BELLO"},
      {ListaSinonimi, ">BRUTTO", "BRUTTO"},
      {ListaOrtografia, TestoOkOrtografia, std::nullopt},
      {ListaOrtografia, "CASA", "CASA"},
      {ListaIncrocio, "E (Oriz.-2 / Vert.-1)", "E"},
      {ListaIncrocio, "", ""},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.riga);
    EXPECT_EQ(riduciScelta(k.modo, k.riga), k.attesa);
  }
}

TEST(SearchTrasferimento, RuotaVocali) {
  // A line without a group restarts the cycle; free-head blanks stay in
  // front of the stem; stray brackets are no group.
  Ruota r;
  EXPECT_EQ(ruotaVocali("CAS(AE)", r), "CASA");
  EXPECT_EQ(ruotaVocali("CANE", r), "CANE");
  EXPECT_EQ(r.IndiceRuota, 0);
  EXPECT_EQ(ruotaVocali("CAS(AE)", r), "CASA");
  EXPECT_EQ(ruotaVocali(" BELL(AEI)", r), " BELLA");
  EXPECT_EQ(ruotaVocali("BELL()", r), "BELL");
  EXPECT_EQ(ruotaVocali("BELL)A(", r), "BELL)A(");
}

TEST(SearchTrasferimento, BlankInternoNonScriveNeSpostaLaCornice) {
  // The frame covers the whole word from its first letter.
  const auto d = pianoTrasferimento(ListaRiga, "A POSTO", 0, 0, 2, 0);
  EXPECT_EQ(d.scritture.size(), 6u);
  EXPECT_EQ(d.scritture[1], (ScritturaCella{2, 2, 'P'}));
  EXPECT_EQ(d.evid, (RiquadroCelle{0, 2, 7, 1}));
}

}  // namespace
}  // namespace tessaro
