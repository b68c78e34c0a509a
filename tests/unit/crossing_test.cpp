// The crossing test on small dictionaries, through the index and by walking
// (the two must agree). The window tests cover the notes of shorter words,
// the vowels-only test, the refused cells and the interrupt.
#include "search/Incrocio.h"

#include "schema/Schema.h"
#include "DizionarioProva.h"
#include "search/Richiesta.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

TEST(CrossingModelli, RigaEColonnaFinoAlleNere) {
  // Row 1: black, C, A, (cell), ?, black. Column 3: ?, (cell), E.
  const Righe g = {"????\x10?", "\x10" "CA??\x10", "???E??"};
  const auto m = costruisciModelli(g, 3, 6, 1, 3);
  EXPECT_EQ(m.esito, EsitoModelli::Ok);
  EXPECT_EQ((std::tuple{m.ModelloRiga, m.ModelloColonna, m.PrimaCol, m.UltimaCol, m.PrimaRiga, m.UltimaRiga}),
            (std::tuple{std::string("CA#?"), std::string("?#E"), 1, 4, 0, 2}));
  // A blank counts as an empty cell, "@" as a black one.
  const Righe g2 = {"A @", "?? ", "B??"};
  const auto b = costruisciModelli(g2, 3, 3, 1, 1);
  EXPECT_EQ((std::tuple{b.ModelloRiga, b.ModelloColonna, b.esito}),
            (std::tuple{std::string("?#?"), std::string("?#?"), EsitoModelli::ErroreCasella}));
  const auto n = costruisciModelli(g2, 3, 3, 1, 2);
  EXPECT_EQ((std::tuple{n.ModelloColonna, n.PrimaRiga}), (std::tuple{std::string("#?"), 1}));
}

class Incrocio : public ::testing::Test {
 protected:
  void aggiungi(int slot, const Righe& righe, bool crlfFinale = true) {
    diz_.push_back(std::make_unique<Dizionario>(dizionarioDaRighe(righe, crlfFinale)));
    ix_.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*diz_.back())));
    attivi_.push_back({slot, diz_.back().get(), ix_.back().get()});
  }
  // The length found by the pattern test (0: none), through both paths.
  int prova(std::string_view P, bool Accorcia = false) {
    Cedi c1, c2;
    const auto a = sugginc(P, Accorcia, attivi_, c1);
    const auto b = suggincPercorrendo(P, Accorcia, attivi_, c2);
    const int la = a.Trovato ? a.LungTrovata : 0, lb = b.Trovato ? b.LungTrovata : 0;
    EXPECT_EQ(la, lb) << P;
    return lb;
  }
  Righe lettere(std::string riga, std::string colonna, bool Accorcia) {
    ModelliIncrocio m;
    m.ModelloRiga = std::move(riga);
    m.ModelloColonna = std::move(colonna);
    Cedi c1, c2;
    const auto a = incrocio(m, false, Accorcia, attivi_, c1);
    const auto b = incrocioPercorrendo(m, false, Accorcia, attivi_, c2);
    EXPECT_EQ(a.voci, b.voci);
    return b.voci;
  }

  std::vector<std::unique_ptr<Dizionario>> diz_;
  std::vector<std::unique_ptr<IndiceRicerca>> ix_;
  std::vector<DizAttivo> attivi_;
};

// The length each pattern finds (0: none): the base's vowel group stands
// for its vowels ("*" as "?"), other dictionaries are literal, comments never
// match, a short last entry is examined.
TEST_F(Incrocio, GruppiLetteraliCommentiEUltimaVoce) {
  const struct {
    std::vector<std::pair<int, Righe>> diz;
    std::vector<std::pair<const char*, int>> prove;
  } casi[] = {
      {{{1, {"BELL%"}}}, {{"BELL?", 5}, {"BELLA", 5}, {"BELLE", 5}, {"BELLI", 5}, {"B?LL*", 5}, {"BELLO", 0}}},
      {{{1, {"#ANE", "'ANE", "ALBA"}}, {2, {"BELL%", "C#NE"}}},
       {{"BELLA", 0}, {"CANE", 0}, {"?ANE", 0}, {"'ANE", 0}, {"BELL?", 5}}},
      {{{1, {"CANE", "RE"}}, {2, {"ALBA", "OH"}}}, {{"R?", 2}, {"O?", 2}}},
  };
  for (const auto& k : casi) {
    attivi_.clear();
    for (const auto& [slot, voci] : k.diz) aggiungi(slot, voci, slot == 1);  // slot 2 without its final CR LF
    for (const auto& [p, lung] : k.prove) EXPECT_EQ(prova(p), lung) << p;
  }
}

TEST_F(Incrocio, InizialeSenzaSerieEFermataAlfabetica) {
  // CB?? stops the walk at CBXX: the later CANE (out of order) is not seen;
  // with no run for R the walk does not enter for R?.
  aggiungi(2, {"ALBA", "CBXX", "CANE", "RE"});
  diz_.back()->indice['R' - '@'] = 0;
  *ix_.back() = costruisciIndiceRicerca(*diz_.back());
  EXPECT_EQ(prova("CA?E"), 0);
  EXPECT_EQ(prova("R?"), 0);
  EXPECT_EQ(prova("?E"), 2);
}

TEST_F(Incrocio, CaSulBordoELunghezzaLibera) {
  aggiungi(1, {"AS", "CA!", "ES", "OS"});
  EXPECT_EQ(lettere("CA#", "#S", false), (Righe{"A", "E"}));
  aggiungi(2, {"CAN", "CANE", "CAO", "CARTA"});
  EXPECT_EQ(lettere("CA#", "#S", false), (Righe{"A", "E", "O"}));
  // Shortening never drops a placed letter.
  EXPECT_EQ(prova("C?R?A", true), 5);
  EXPECT_EQ(prova("C?N?A", true), 0);
  EXPECT_EQ(prova("CAN??", true), 4);
}

// A dictionary switched on or off at the yield before a letter counts from
// that letter on, through the index and by walking.
TEST_F(Incrocio, DizionarioCambiatoDuranteIlTest) {
  aggiungi(1, {"CAN", "CEN", "ZZZZ"});
  aggiungi(2, {"DAN", "DEN", "YAN", "YEN", "ZZZZ"});
  ModelliIncrocio m;
  m.ModelloRiga = "#AN";
  m.ModelloColonna = "#EN";
  for (const bool primaAcceso : {true, false}) {
    bool acceso = primaAcceso;
    attivi_[1].attivo = [&] { return acceso; };
    const auto cambiaAllaM = [&](char x) {
      if (x == 'M') acceso = !primaAcceso;
    };
    const Righe attese = primaAcceso ? Righe{"C", "D"} : Righe{"C", "Y"};
    Cedi c1, c2;
    EXPECT_EQ(incrocio(m, false, false, attivi_, c1, cambiaAllaM).voci, attese);
    acceso = primaAcceso;
    EXPECT_EQ(incrocioPercorrendo(m, false, false, attivi_, c2, cambiaAllaM).voci, attese);
  }
}

TEST_F(Incrocio, ModelliRifiutatiNonDannoLettere) {
  aggiungi(1, {"AS"});
  ModelliIncrocio m;
  m.esito = EsitoModelli::ErroreCasella;
  m.ModelloRiga = m.ModelloColonna = "#S";
  Cedi c;
  EXPECT_TRUE(incrocio(m, false, true, attivi_, c).voci.empty());
}

}  // namespace
}  // namespace tessaro
