#include "search/LunghezzaLibera.h"

#include "search/Richiesta.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// A request read from cells primo..primo+len-1 of row 4, or of column 7.
StatoRichiesta stato(std::string R, int primo, bool colonna = false) {
  StatoRichiesta s;
  s.Richiesta = s.RichiestaMax = s.RichiestaIntera = R;
  const int n = static_cast<int>(R.size());
  s.colonna = colonna;
  (colonna ? s.PrimaRiga : s.PrimaCol) = primo;
  (colonna ? s.UltimaRiga : s.UltimaCol) = primo + n - 1;
  s.Evid = colonna ? RiquadroCelle{7, primo, 1, n} : RiquadroCelle{primo, 4, n, 1};
  return s;
}

// The refusals the grid cannot easily reach: too few empty cells, a free
// tail locking the start (refused before the command is named), and the
// states of an all-empty column slot.
TEST(Liberi, RifiutiEColonne) {
  auto codaLibera = stato("??A??", 0);
  codaLibera.CodaLibera = "?";
  const struct {
    const char* nome;
    EsitoComando e;
    std::string_view rifiuto, pannello2;
  } rifiuti[] = {
      {"nessun vuoto in testa", liberaInizio(stato("C??", 0)), TestoRichiestaErrata, TestoLiberaTesta},
      {"un solo vuoto in testa", liberaInizio(stato("?CANE", 1)), TestoRichiestaErrata, TestoLiberaTesta},
      {"due sole caselle", liberaInizio(stato("??", 0)), TestoRichiestaErrata, TestoLiberaTesta},
      {"un solo vuoto in coda", liberaCoda(stato("CAN?", 0)), TestoRichiestaErrata, TestoLiberaCoda},
      {"lettera in coda", liberaCoda(stato("?CANE", 1)), TestoRichiestaErrata, TestoLiberaCoda},
      {"coda libera", liberaInizio(codaLibera), TestoRichiestaErrata, ""},
  };
  for (const auto& k : rifiuti) {
    SCOPED_TRACE(k.nome);
    EXPECT_FALSE(k.e.nuovo);
    EXPECT_EQ(k.e.rifiuto, k.rifiuto);
    EXPECT_EQ(k.e.pannello2, k.pannello2);
  }
  // An all-empty column: a free head leaves a frame of no cells below the
  // slot, a free tail keeps the first cell.
  const auto testa = liberaInizio(stato("????", 1, true));
  ASSERT_TRUE(testa.nuovo);
  EXPECT_EQ(testa.nuovo->Evid, (RiquadroCelle{7, 5, 1, 0}));
  EXPECT_EQ(testa.verde, (RiquadroCelle{7, 1, 1, 4}));
  const auto coda = liberaCoda(stato("????", 0, true));
  ASSERT_TRUE(coda.nuovo);
  EXPECT_EQ(coda.nuovo->Evid, (RiquadroCelle{7, 0, 1, 1}));
  EXPECT_EQ(coda.verde, (RiquadroCelle{7, 1, 1, 3}));
  // Shortening the start of a column moves its first row.
  const auto c = accorciaInizio(stato("?CA?E", 2, true));
  ASSERT_TRUE(c.nuovo);
  EXPECT_EQ(c.nuovo->PrimaRiga, 3);
  EXPECT_EQ(c.nuovo->Evid, (RiquadroCelle{7, 3, 1, 4}));
}

}  // namespace
}  // namespace tessaro
