#include "search/Ricerca.h"

#include "search/DizionarioProva.h"
#include "search/Richiesta.h"

#include <gtest/gtest.h>

#include <memory>

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

// Active dictionaries with their indexes; every search runs both through the
// index and by walking, and the two must agree.
class Ricerca : public ::testing::Test {
 protected:
  void aggiungi(int slot, const Righe& righe, bool crlfFinale = true) {
    diz_.push_back(std::make_unique<Dizionario>(dizionarioDaRighe(righe, crlfFinale)));
    ix_.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*diz_.back())));
    attivi_.push_back({slot, diz_.back().get(), ix_.back().get()});
  }

  RisultatoRicerca cerca(std::string_view R, std::string_view RMax = {}, std::size_t testa = 0,
                         std::size_t limite = LimiteRisultati) {
    RichiestaRicerca q{R, RMax.empty() ? R : RMax, testa, 0};
    Cedi c1, c2;
    auto veloce = cercaVoci(q, attivi_, limite, c1);
    auto lenta = cercaVociPercorrendo(q, attivi_, limite, c2);
    EXPECT_EQ(veloce.righe, lenta.righe) << R;
    EXPECT_EQ(veloce.errata, lenta.errata) << R;
    return lenta;
  }
  Righe righe(std::string_view R, std::string_view RMax = {}, std::size_t testa = 0,
              std::size_t limite = LimiteRisultati) {
    return cerca(R, RMax, testa, limite).righe;
  }

  std::vector<std::unique_ptr<Dizionario>> diz_;
  std::vector<std::unique_ptr<IndiceRicerca>> ix_;
  std::vector<DizAttivo> attivi_;
};

TEST_F(Ricerca, RichiestaErrataNonCerca) {
  aggiungi(1, {"CANE"});
  for (const char* r : {"", "CANE", "????", "?"}) {
    const auto x = cerca(r);
    EXPECT_TRUE(x.errata) << r;
    EXPECT_TRUE(x.righe.empty());
  }
}

TEST_F(Ricerca, TestaFissaConGruppiVocalici) {
  aggiungi(1, {"'intestazione", "ALBA", "CANE", "CAS!", "CASO", "DANE", "PANE", "RANE"});
  EXPECT_EQ(righe("?ANE"), (Righe{"CANE -1", "DANE -1", "PANE -1", "RANE -1"}));
  EXPECT_EQ(righe("?AS?"), (Righe{"CAS(AE) -1", "CASO -1"}));
  EXPECT_EQ(righe("?ASE"), (Righe{"CASE -1"}));
  EXPECT_EQ(righe("?ASO"), (Righe{"CASO -1"}));
  EXPECT_EQ(righe("CA?A"), (Righe{"CASA -1"}));
}

TEST_F(Ricerca, CodiceInMezzoValeQualsiasiLettera) {
  aggiungi(1, {"C#NE", "CANE"});
  EXPECT_EQ(righe("CAN?"), (Righe{"C#NE -1", "CANE -1"}));
}

TEST_F(Ricerca, CodaLiberaFinoARichiestaMax) {
  aggiungi(1, {"CA", "CAN", "CANE", "CANTO", "CAS!", "CASOLARE", "COTE"});
  // CA* on a four-cell slot: entries of 3 or 4 letters starting with CA.
  EXPECT_EQ(righe("CA*", "CA??"), (Righe{"CAN -1", "CANE -1", "CAS(AE) -1"}));
  EXPECT_EQ(righe("CA*", "CA???"), (Righe{"CAN -1", "CANE -1", "CANTO -1", "CAS(AE) -1"}));
}

TEST_F(Ricerca, TestaLiberaAllineataADestraConBlank) {
  aggiungi(1, {"ANE", "CANE", "PIANE", "SPIANE", "TANA"});
  aggiungi(2, {"CANE"});
  // ??ANE after "Libera INIZIO": TestaLibera "??", request *ANE.
  EXPECT_EQ(righe("*ANE", "??ANE", 2), (Righe{" CANE -1", "PIANE -1", " CANE -2"}));
}

TEST_F(Ricerca, TestaLiberaRestringeIlGruppo) {
  aggiungi(1, {"BELL%", "CAS!"});
  EXPECT_EQ(righe("*LLE", "???LLE", 3), (Righe{" BELLE -1"}));
  EXPECT_EQ(righe("*L?", "???L?", 3), (Righe{"BELL(AEI) -1"}));
  EXPECT_EQ(righe("*LLO", "???LLO", 3), Righe{});
}

TEST_F(Ricerca, PartenzaDallIndiceEFermataOrdinata) {
  // CAXX after CBXX is out of order: the walk has stopped at CBXX.
  aggiungi(2, {"ALBA", "CANE", "CARO", "CBXX", "CAXX", "DAXX"});
  EXPECT_EQ(righe("CA??"), (Righe{"CANE -2", "CARO -2"}));
  // No fixed head: no early stop.
  EXPECT_EQ(righe("?A??"), (Righe{"CANE -2", "CARO -2", "CAXX -2", "DAXX -2"}));
}

TEST_F(Ricerca, CommentoSpostaLInizioDellIniziale) {
  aggiungi(1, {"ALBA", "CANE", "'nota", "CASA", "COTE"});
  EXPECT_EQ(righe("CA??"), (Righe{"CASA -1"}));
  EXPECT_EQ(righe("?A??"), (Righe{"CANE -1", "CASA -1"}));
}

TEST_F(Ricerca, InizialeSenzaRunPartiDallaCima) {
  aggiungi(1, {"!ADO", "ALBA", "DADO"});
  EXPECT_EQ(righe("C?DO"), (Righe{"!ADO -1"}));
}

TEST_F(Ricerca, CommentiNonCoincidonoMai) {
  aggiungi(1, {"#ANE", "'ANE", "CANE"});
  EXPECT_EQ(righe("?ANE"), (Righe{"CANE -1"}));
}

TEST_F(Ricerca, UltimeVociCorteOSenzaACapo) {
  aggiungi(1, {"CANE", "RE"});
  EXPECT_EQ(righe("R?"), (Righe{"RE -1"}));
  aggiungi(2, {"ALBA", "CASA"}, false);
  EXPECT_EQ(righe("CA?A"), (Righe{"CASA -2"}));
  aggiungi(3, {"ALBA", "O"}, false);
  EXPECT_EQ(righe("*", "?"), Righe{});  // too short a request: refused
}

TEST_F(Ricerca, CinquantaRigheInNormaleTutteInEstesa) {
  Righe voci;
  for (int i = 0; i < 60; ++i) voci.push_back(std::string("CA") + char('A' + i / 26) + char('A' + i % 26));
  aggiungi(1, voci);
  const auto normale = righe("CA??");
  ASSERT_EQ(normale.size(), 50u);
  EXPECT_EQ(normale.front(), "CAAA -1");
  EXPECT_EQ(normale.back(), "CABX -1");
  EXPECT_EQ(righe("CA??", {}, 0, SenzaLimite).size(), 60u);
}

TEST_F(Ricerca, IlLimiteValeSuTuttiIDizionari) {
  Righe voci;
  for (int i = 0; i < 30; ++i) voci.push_back(std::string("CA") + char('A' + i / 26) + char('A' + i % 26));
  aggiungi(1, voci);
  aggiungi(2, voci);
  aggiungi(3, voci);
  const auto r = righe("CA??");
  ASSERT_EQ(r.size(), 50u);
  EXPECT_EQ(r[29], "CABD -1");
  EXPECT_EQ(r[30], "CAAA -2");
  EXPECT_EQ(r[49], "CAAT -2");
  EXPECT_EQ(righe("CA??", {}, 0, SenzaLimite).size(), 90u);
}

TEST_F(Ricerca, OrdineDeiDizionariEDoppioni) {
  aggiungi(1, {"CANE", "RANE"});
  aggiungi(2, {"CANE", "TANE"});
  aggiungi(5, {"CANE"});
  EXPECT_EQ(righe("?ANE"), (Righe{"CANE -1", "RANE -1", "CANE -2", "TANE -2", "CANE -5"}));
}

TEST_F(Ricerca, DizionarioFuoriOrdineSiPercorre) {
  // CA sorts below CBXX; the loader does not check two-letter entries.
  aggiungi(1, {"ALBA", "CANE", "CBXX", "CA", "CAZE"});
  EXPECT_TRUE(diz_.back()->inOrdine);
  EXPECT_FALSE(ix_.back()->ordinato());
  EXPECT_EQ(righe("CA?E"), (Righe{"CANE -1"}));
}

TEST(RicercaInterruzione, TieneLeRigheTrovate) {
  Righe voci;
  for (int i = 0; i < 40000; ++i) {
    std::string v = "C";
    for (int k = 17576; k >= 1; k /= 26) v += char('A' + i / k % 26);
    voci.push_back(v);
  }
  const auto d = dizionarioDaRighe(voci);
  const auto ix = costruisciIndiceRicerca(d);
  const DizAttivo attivi[] = {{1, &d, &ix}};
  const RichiestaRicerca q{"C????", "C????", 0, 0};
  int chiamate = 0;
  // The window's check runs every 256 entries; the second one asks to stop.
  Cedi cedi([&] { return ++chiamate == 2; });
  const auto lenta = cercaVociPercorrendo(q, attivi, SenzaLimite, cedi);
  EXPECT_TRUE(lenta.interrotta);
  EXPECT_EQ(lenta.righe.size(), 511u);
  EXPECT_EQ(lenta.righe.front(), "CAAAA -1");

  chiamate = 0;
  Cedi cedi2([&] { return ++chiamate == 2; });
  const auto veloce = cercaVoci(q, attivi, SenzaLimite, cedi2);
  EXPECT_TRUE(veloce.interrotta);
  // The index path asks once per block of 64 entries: it stops later, but
  // before the end, with the lines found so far.
  EXPECT_LT(veloce.righe.size(), 40000u);
  EXPECT_GT(veloce.righe.size(), 511u);
  EXPECT_EQ(veloce.righe.front(), "CAAAA -1");
}

TEST(RicercaIndice, IndiceNonValidoSiIgnora) {
  auto d = dizionarioDaRighe({"ALBA", "CANE", "COTE"});
  d.indice[3] = 3;  // not the start of an entry
  const auto ix = costruisciIndiceRicerca(d);
  const DizAttivo attivi[] = {{2, &d, &ix}};
  Cedi c1, c2;
  const RichiestaRicerca q{"CA?E", "CA?E", 0, 0};
  EXPECT_EQ(cercaVoci(q, attivi, LimiteRisultati, c1).righe, (Righe{"CANE -2"}));
  EXPECT_EQ(cercaVociPercorrendo(q, attivi, LimiteRisultati, c2).righe, (Righe{"CANE -2"}));
  // An index built for another text is not used.
  Dizionario altro = d;
  altro.testo += "CUBE\r\n";
  const DizAttivo attivi2[] = {{2, &altro, &ix}};
  EXPECT_FALSE(ix.utilizzabile(altro));
  EXPECT_EQ(cercaVoci({"CU?E", "CU?E", 0, 0}, attivi2, LimiteRisultati, c1).righe, (Righe{"CUBE -2"}));
}

}  // namespace
}  // namespace tessaro
