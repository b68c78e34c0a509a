#include "search/LunghezzaLibera.h"

#include "search/Richiesta.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// A row request read from cells PrimaCol..UltimaCol of row 4.
StatoRichiesta riga(std::string R, int primaCol) {
  StatoRichiesta s;
  s.Richiesta = s.RichiestaMax = s.RichiestaIntera = R;
  s.PrimaCol = primaCol;
  s.UltimaCol = primaCol + static_cast<int>(R.size()) - 1;
  s.Evid = {primaCol, 4, static_cast<int>(R.size()), 1};
  return s;
}

StatoRichiesta colonna(std::string R, int primaRiga) {
  StatoRichiesta s;
  s.Richiesta = s.RichiestaMax = s.RichiestaIntera = R;
  s.colonna = true;
  s.PrimaRiga = primaRiga;
  s.UltimaRiga = primaRiga + static_cast<int>(R.size()) - 1;
  s.Evid = {7, primaRiga, 1, static_cast<int>(R.size())};
  return s;
}

TEST(LiberiInizio, DueVuotiDavanti) {
  const auto e = liberaInizio(riga("??CANE", 2));
  ASSERT_TRUE(e.nuovo);
  EXPECT_EQ(e.pannello2, TestoLiberaTesta);
  EXPECT_EQ(e.nuovo->Richiesta, "*CANE");
  EXPECT_EQ(e.nuovo->TestaLibera, "??");
  EXPECT_EQ(e.nuovo->RichiestaMax, "??CANE");  // the limit stays
  EXPECT_EQ(e.nuovo->Evid, (RiquadroCelle{4, 4, 4, 1}));
  EXPECT_EQ(e.verde, (RiquadroCelle{2, 4, 2, 1}));
  // A second press.
  const auto e2 = liberaInizio(*e.nuovo);
  EXPECT_FALSE(e2.nuovo);
  EXPECT_EQ(e2.rifiuto, TestoGiaAttivata);
  EXPECT_EQ(e2.pannello2, TestoLiberaTesta);
}

TEST(LiberiInizio, Rifiuti) {
  EXPECT_EQ(liberaInizio(riga("?CANE", 0)).rifiuto, TestoRichiestaErrata);  // one empty cell is not enough
  EXPECT_EQ(liberaInizio(riga("C??", 0)).rifiuto, TestoRichiestaErrata);
  EXPECT_EQ(liberaInizio(riga("??", 0)).rifiuto, TestoRichiestaErrata);
  auto s = riga("??A??", 0);
  s.CodaLibera = "?";
  const auto e = liberaInizio(s);
  EXPECT_EQ(e.rifiuto, TestoRichiestaErrata);
  EXPECT_EQ(e.pannello2, "");  // refused before naming the command
}

TEST(LiberiInizio, TuttaVuotaInColonna) {
  const auto e = liberaInizio(colonna("????", 1));
  ASSERT_TRUE(e.nuovo);
  EXPECT_EQ(e.nuovo->Richiesta, "*");
  EXPECT_EQ(e.nuovo->TestaLibera, "????");
  EXPECT_EQ(e.nuovo->Evid, (RiquadroCelle{7, 5, 1, 0}));
  EXPECT_EQ(e.verde, (RiquadroCelle{7, 1, 1, 4}));
}

TEST(LiberiCoda, CodaVuotaEPoiAccorcia) {
  const auto e = liberaCoda(riga("CA??", 3));
  ASSERT_TRUE(e.nuovo);
  EXPECT_EQ(e.pannello2, TestoLiberaCoda);
  EXPECT_EQ(e.nuovo->Richiesta, "CA*");
  EXPECT_EQ(e.nuovo->CodaLibera, "??");
  EXPECT_EQ(e.nuovo->Evid, (RiquadroCelle{3, 4, 2, 1}));
  EXPECT_EQ(e.verde, (RiquadroCelle{5, 4, 2, 1}));
  EXPECT_EQ(liberaCoda(*e.nuovo).rifiuto, TestoGiaAttivata);

  const auto a = accorciaCoda(*e.nuovo);
  ASSERT_TRUE(a.nuovo);
  EXPECT_EQ(a.pannello2, TestoAccorciaFine);
  EXPECT_EQ(a.nuovo->Richiesta, "CA");
  EXPECT_EQ(a.nuovo->CodaLibera, "");
  EXPECT_EQ(a.nuovo->RichiestaMax, "CA");
  EXPECT_EQ(a.nuovo->RichiestaIntera, "CA");
  EXPECT_EQ(a.nuovo->UltimaCol, 4);
  EXPECT_EQ(a.nuovo->Evid, (RiquadroCelle{3, 4, 2, 1}));
}

TEST(LiberiCoda, TuttaVuotaTieneLaPrimaCella) {
  const auto e = liberaCoda(colonna("????", 0));
  ASSERT_TRUE(e.nuovo);
  EXPECT_EQ(e.nuovo->Richiesta, "?*");
  EXPECT_EQ(e.nuovo->CodaLibera, "???");
  EXPECT_EQ(e.nuovo->Evid, (RiquadroCelle{7, 0, 1, 1}));
  EXPECT_EQ(e.verde, (RiquadroCelle{7, 1, 1, 3}));
}

TEST(LiberiCoda, Rifiuti) {
  EXPECT_EQ(liberaCoda(riga("CAN?", 0)).rifiuto, TestoRichiestaErrata);
  EXPECT_EQ(liberaCoda(riga("CA?E", 0)).rifiuto, TestoRichiestaErrata);
  auto s = riga("??CA??", 0);
  s = *liberaInizio(s).nuovo;
  const auto e = liberaCoda(s);
  EXPECT_EQ(e.rifiuto, TestoNonPossibile);
  EXPECT_EQ(e.pannello2, "");
  EXPECT_EQ(accorciaCoda(s).rifiuto, TestoNonPossibile);
  // After a free tail the start is locked the other way round.
  auto t = *liberaCoda(riga("??CA??", 0)).nuovo;
  EXPECT_EQ(liberaInizio(t).rifiuto, TestoRichiestaErrata);
  EXPECT_EQ(accorciaInizio(t).rifiuto, TestoRichiestaErrata);
}

TEST(LiberiAccorcia, DueLettereNonPossibile) {
  for (auto s : {riga("C?", 0), colonna("?A", 0)}) {
    const auto a = accorciaInizio(s);
    EXPECT_EQ(a.rifiuto, TestoNonPossibile);
    EXPECT_EQ(a.pannello2, TestoAccorciaInizio);
    EXPECT_EQ(accorciaCoda(s).rifiuto, TestoNonPossibile);
  }
}

TEST(LiberiAccorcia, InizioTogliePrimaCella) {
  const auto a = accorciaInizio(riga("?CA?E", 2));
  ASSERT_TRUE(a.nuovo);
  EXPECT_EQ(a.nuovo->Richiesta, "CA?E");
  EXPECT_EQ(a.nuovo->RichiestaIntera, "CA?E");
  EXPECT_EQ(a.nuovo->RichiestaMax, "CA?E");
  EXPECT_EQ(a.nuovo->PrimaCol, 3);
  EXPECT_EQ(a.nuovo->Evid, (RiquadroCelle{3, 4, 4, 1}));
  const auto c = accorciaInizio(colonna("?CA?E", 2));
  EXPECT_EQ(c.nuovo->PrimaRiga, 3);
  EXPECT_EQ(c.nuovo->Evid, (RiquadroCelle{7, 3, 1, 4}));
}

TEST(LiberiAccorcia, InizioSuTestaLiberaRipartDallaPrimaLettera) {
  const auto l = liberaInizio(riga("??CA?E", 0));
  const auto a = accorciaInizio(*l.nuovo);
  ASSERT_TRUE(a.nuovo);
  EXPECT_EQ(a.nuovo->Richiesta, "CA?E");
  EXPECT_EQ(a.nuovo->TestaLibera, "");
  // The request starts again on the C: the two freed cells are dropped.
  EXPECT_EQ(a.nuovo->PrimaCol, 2);
  EXPECT_EQ(a.nuovo->Evid, (RiquadroCelle{2, 4, 4, 1}));
  const auto cane = accorciaInizio(*liberaInizio(riga("??CANE", 0)).nuovo);
  EXPECT_EQ(cane.nuovo->Richiesta, "CANE");
  EXPECT_EQ(cane.nuovo->TestaLibera, "");
}

TEST(LiberiAccorcia, CodaSuVuotoFinale) {
  const auto a = accorciaCoda(riga("CA?E?", 1));
  ASSERT_TRUE(a.nuovo);
  EXPECT_EQ(a.nuovo->Richiesta, "CA?E");
  EXPECT_EQ(a.nuovo->UltimaCol, 4);
  const auto b = accorciaCoda(colonna("CA?E", 1));
  EXPECT_EQ(b.nuovo->Richiesta, "CA?");
  EXPECT_EQ(b.nuovo->UltimaRiga, 3);
  EXPECT_EQ(b.nuovo->Evid, (RiquadroCelle{7, 1, 1, 3}));
}

}  // namespace
}  // namespace tessaro
