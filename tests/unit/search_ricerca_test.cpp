// The word search on small dictionaries, through the index and by walking
// (the two must agree). The window tests cover the cap of a normal search,
// the order of several dictionaries and the refused requests.
#include "search/Ricerca.h"

#include "DizionarioProva.h"
#include "search/Richiesta.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

struct Diz {
  int slot;
  Righe voci;
  bool crlfFinale = true;
};

Righe cerca(const std::vector<Diz>& dizionari, std::string_view R, std::string_view RMax, std::size_t testa) {
  std::vector<Dizionario> d;
  std::vector<IndiceRicerca> ix;
  for (const Diz& x : dizionari) d.push_back(dizionarioDaRighe(x.voci, x.crlfFinale));
  for (const auto& x : d) ix.push_back(costruisciIndiceRicerca(x));
  std::vector<DizAttivo> attivi;
  for (std::size_t i = 0; i < d.size(); ++i) attivi.push_back({dizionari[i].slot, &d[i], &ix[i]});
  const RichiestaRicerca q{R, RMax.empty() ? R : RMax, testa, 0};
  Cedi c1, c2;
  const auto veloce = cercaVoci(q, attivi, LimiteRisultati, c1);
  const auto lenta = cercaVociPercorrendo(q, attivi, LimiteRisultati, c2);
  EXPECT_EQ(veloce.righe, lenta.righe);
  EXPECT_EQ(veloce.errata, lenta.errata);
  return lenta.righe;
}

TEST(Ricerca, RigheTrovate) {
  const Righe gruppi = {"'intestazione", "ALBA", "CANE", "CAS!", "CASO", "DANE", "PANE", "RANE"};
  const struct {
    const char* nome;
    std::vector<Diz> dizionari;
    const char *R, *RMax = "";
    std::size_t testa = 0;
    Righe attese;
  } casi[] = {
      {"commento in cima, ?ANE", {{1, gruppi}}, "?ANE", "", 0, {"CANE -1", "DANE -1", "PANE -1", "RANE -1"}},
      {"gruppo intero", {{1, gruppi}}, "?AS?", "", 0, {"CAS(AE) -1", "CASO -1"}},
      {"gruppo ristretto", {{1, gruppi}}, "CA?A", "", 0, {"CASA -1"}},
      {"codice in mezzo vale qualsiasi lettera", {{1, {"C#NE", "CANE"}}}, "CAN?", "", 0, {"C#NE -1", "CANE -1"}},
      // CA* on a four- or five-cell slot: entries of 3 up to the slot's letters.
      {"coda libera su quattro", {{1, {"CA", "CAN", "CANE", "CANTO", "CAS!", "CASOLARE", "COTE"}}}, "CA*", "CA??", 0,
       {"CAN -1", "CANE -1", "CAS(AE) -1"}},
      {"coda libera su cinque", {{1, {"CA", "CAN", "CANE", "CANTO", "CAS!", "CASOLARE", "COTE"}}}, "CA*", "CA???", 0,
       {"CAN -1", "CANE -1", "CANTO -1", "CAS(AE) -1"}},
      // ??ANE after "Libera INIZIO": blanks align each entry to the right.
      {"testa libera", {{1, {"ANE", "CANE", "PIANE", "SPIANE", "TANA"}}, {2, {"CANE"}}}, "*ANE", "??ANE", 2,
       {" CANE -1", "PIANE -1", " CANE -2"}},
      {"testa libera restringe il gruppo", {{1, {"BELL%", "CAS!"}}}, "*LLE", "???LLE", 3, {" BELLE -1"}},
      {"testa libera, gruppo intero", {{1, {"BELL%", "CAS!"}}}, "*L?", "???L?", 3, {"BELL(AEI) -1"}},
      {"testa libera, vocale fuori gruppo", {{1, {"BELL%", "CAS!"}}}, "*LLO", "???LLO", 3, {}},
      // CAXX after CBXX is out of order: the walk from the index has stopped.
      {"partenza dall'indice e fermata", {{2, {"ALBA", "CANE", "CARO", "CBXX", "CAXX", "DAXX"}}}, "CA??", "", 0,
       {"CANE -2", "CARO -2"}},
      {"senza testa fissa nessuna fermata", {{2, {"ALBA", "CANE", "CARO", "CBXX", "CAXX", "DAXX"}}}, "?A??", "", 0,
       {"CANE -2", "CARO -2", "CAXX -2", "DAXX -2"}},
      {"un commento sposta la serie di C", {{1, {"ALBA", "CANE", "'nota", "CASA", "COTE"}}}, "CA??", "", 0, {"CASA -1"}},
      {"commento e ricerca senza testa", {{1, {"ALBA", "CANE", "'nota", "CASA", "COTE"}}}, "?A??", "", 0,
       {"CANE -1", "CASA -1"}},
      {"iniziale senza serie: dalla cima", {{1, {"!ADO", "ALBA", "DADO"}}}, "C?DO", "", 0, {"!ADO -1"}},
      {"i commenti non coincidono mai", {{1, {"#ANE", "'ANE", "CANE"}}}, "?ANE", "", 0, {"CANE -1"}},
      {"ultima voce di due lettere", {{1, {"CANE", "RE"}}}, "R?", "", 0, {"RE -1"}},
      {"ultima voce senza CR LF", {{2, {"ALBA", "CASA"}, false}}, "CA?A", "", 0, {"CASA -2"}},
      {"richiesta troppo corta", {{3, {"ALBA", "O"}, false}}, "*", "?", 0, {}},
      // CA sorts below CBXX; the loader does not check two-letter entries.
      {"fuori ordine non controllato", {{1, {"ALBA", "CANE", "CBXX", "CA", "CAZE"}}}, "CA?E", "", 0, {"CANE -1"}},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    EXPECT_EQ(cerca(k.dizionari, k.R, k.RMax, k.testa), k.attese);
  }
  const auto d = dizionarioDaRighe({"ALBA", "CANE", "CBXX", "CA", "CAZE"});
  EXPECT_TRUE(d.inOrdine);
  EXPECT_FALSE(costruisciIndiceRicerca(d).ordinato());
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
  // The window's check runs every 256 entries; the second one asks to stop.
  // The index path asks once per block of 64 entries: it stops later, but
  // before the end, with the lines found so far.
  for (bool veloce : {false, true}) {
    int chiamate = 0;
    Cedi cedi([&] { return ++chiamate == 2; });
    const auto r = veloce ? cercaVoci(q, attivi, SenzaLimite, cedi) : cercaVociPercorrendo(q, attivi, SenzaLimite, cedi);
    EXPECT_TRUE(r.interrotta);
    EXPECT_EQ(r.righe.front(), "CAAAA -1");
    if (veloce) {
      EXPECT_LT(r.righe.size(), 40000u);
      EXPECT_GT(r.righe.size(), 511u);
    } else {
      EXPECT_EQ(r.righe.size(), 511u);
    }
  }
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
