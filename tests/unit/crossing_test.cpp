#include "search/Incrocio.h"

#include "schema/Schema.h"
#include "search/DizionarioProva.h"
#include "search/Richiesta.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

const std::string N(1, CellaNera);

TEST(CrossingModelli, RigaEColonnaFinoAlleNere) {
  // Row 1: black, C, A, (cell), ?, black. Column 3: ?, (cell), E.
  const Righe g = {"????\x10?", "\x10" "CA??\x10", "???E??"};
  const auto m = costruisciModelli(g, 3, 6, 1, 3);
  EXPECT_EQ(m.esito, EsitoModelli::Ok);
  EXPECT_EQ((std::tuple{m.ModelloRiga, m.ModelloColonna, m.PrimaCol, m.UltimaCol, m.PrimaRiga, m.UltimaRiga}),
            (std::tuple{std::string("CA#?"), std::string("?#E"), 1, 4, 0, 2}));
}

TEST(CrossingModelli, BlankVuotoENeraAlternativa) {
  const Righe g = {"A @", "?? ", "B??"};
  const auto m = costruisciModelli(g, 3, 3, 1, 1);
  EXPECT_EQ(m.ModelloRiga, "?#?");
  EXPECT_EQ(m.ModelloColonna, "?#?");  // the blank counts as empty
  EXPECT_EQ(m.esito, EsitoModelli::ErroreCasella);
  const auto m2 = costruisciModelli(g, 3, 3, 1, 2);
  EXPECT_EQ(m2.ModelloColonna, "#?");  // "@" is a black cell
  EXPECT_EQ(m2.PrimaRiga, 1);
}

TEST(CrossingModelli, Rifiuti) {
  const Righe g = {"CA?", "??" + N, "?E?"};
  EXPECT_EQ(costruisciModelli(g, 3, 3, 0, 0).esito, EsitoModelli::CasellaPiena);
  EXPECT_EQ(costruisciModelli(g, 3, 3, 1, 2).esito, EsitoModelli::CasellaPiena);  // black is not empty
  // Row slot "CA#" has letters but the column "#" + black is one cell long.
  const Righe g2 = {"CA?", "??" + N};
  EXPECT_EQ(costruisciModelli(g2, 2, 3, 0, 2).esito, EsitoModelli::ErroreCasella);
  // Column has a letter but the row slot has only empty cells.
  const Righe g3 = {"???", "?E?"};
  const auto m = costruisciModelli(g3, 2, 3, 0, 1);
  EXPECT_EQ(m.esito, EsitoModelli::ErroreCasella);
  EXPECT_EQ(m.ModelloColonna, "#E");
  EXPECT_EQ(costruisciModelli(g3, 2, 3, 0, 0).esito, EsitoModelli::ErroreCasella);
}

TEST(CrossingVoce, Note) {
  EXPECT_EQ(voceIncrocio('E', 5, 5, 3, 3), "E");
  EXPECT_EQ(voceIncrocio('N', 3, 5, 3, 3), "N (Oriz.-2)");
  EXPECT_EQ(voceIncrocio('N', 3, 5, 2, 3), "N (Oriz.-2 / Vert.-1)");
  EXPECT_EQ(voceIncrocio('A', 4, 4, 1, 3), "A (Vert.-2)");
}

class Incrocio : public ::testing::Test {
 protected:
  void aggiungi(int slot, const Righe& righe, bool crlfFinale = true) {
    diz_.push_back(std::make_unique<Dizionario>(dizionarioDaRighe(righe, crlfFinale)));
    ix_.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*diz_.back())));
    attivi_.push_back({slot, diz_.back().get(), ix_.back().get()});
  }
  // Runs the pattern test through the index and by walking; both must agree.
  RisultatoSugginc prova(std::string_view P, bool Accorcia) {
    Cedi c1, c2;
    const auto a = sugginc(P, Accorcia, attivi_, c1);
    const auto b = suggincPercorrendo(P, Accorcia, attivi_, c2);
    EXPECT_EQ(a.Trovato, b.Trovato) << P;
    if (a.Trovato && b.Trovato) {
      EXPECT_EQ(a.LungTrovata, b.LungTrovata) << P;
    }
    return b;
  }
  Righe lettere(std::string riga, std::string colonna, bool Accorcia, bool SoloVocali = false) {
    ModelliIncrocio m;
    m.ModelloRiga = std::move(riga);
    m.ModelloColonna = std::move(colonna);
    Cedi c1, c2;
    const auto a = incrocio(m, SoloVocali, Accorcia, attivi_, c1);
    const auto b = incrocioPercorrendo(m, SoloVocali, Accorcia, attivi_, c2);
    EXPECT_EQ(a.voci, b.voci);
    EXPECT_FALSE(a.interrotto || b.interrotto);
    return b.voci;
  }

  std::vector<std::unique_ptr<Dizionario>> diz_;
  std::vector<std::unique_ptr<IndiceRicerca>> ix_;
  std::vector<DizAttivo> attivi_;
};

TEST_F(Incrocio, GruppoVocalicoDelBase) {
  aggiungi(1, {"BELL%"});
  for (const char* p : {"BELL?", "BELLA", "BELLE", "BELLI"}) EXPECT_TRUE(prova(p, false).Trovato) << p;
  EXPECT_FALSE(prova("BELLO", false).Trovato);
  EXPECT_TRUE(prova("B?LL*", false).Trovato);  // "*" is taken like "?"
}

TEST_F(Incrocio, AltriDizionariLetteraliECommentiMai) {
  aggiungi(1, {"#ANE", "'ANE", "ALBA"});
  aggiungi(2, {"BELL%", "C#NE"});
  for (const char* p : {"BELLA", "CANE", "?ANE", "'ANE"}) EXPECT_FALSE(prova(p, false).Trovato) << p;
  EXPECT_TRUE(prova("BELL?", false).Trovato);
}

TEST_F(Incrocio, UltimaVoceCortaEsaminata) {
  aggiungi(1, {"CANE", "RE"});
  EXPECT_TRUE(prova("R?", false).Trovato);
  aggiungi(2, {"ALBA", "OH"}, false);
  EXPECT_TRUE(prova("O?", false).Trovato);
}

TEST_F(Incrocio, InizialeSenzaRunNonEntra) {
  aggiungi(2, {"ALBA", "RE"});
  diz_.back()->indice['R' - '@'] = 0;
  *ix_.back() = costruisciIndiceRicerca(*diz_.back());
  EXPECT_FALSE(prova("R?", false).Trovato);
  EXPECT_TRUE(prova("?E", false).Trovato);
}

TEST_F(Incrocio, FermataAlfabeticaColPrefisso) {
  // CB?? stops the walk at CBXX: the later CANE (out of order) is not seen.
  aggiungi(2, {"ALBA", "CBXX", "CANE"});
  EXPECT_FALSE(prova("CA?E", false).Trovato);
}

TEST_F(Incrocio, CaSulBordoSenzaLunghezzaLibera) {
  aggiungi(1, {"AS", "CA!", "ES", "OS"});
  EXPECT_EQ(lettere("CA#", "#S", false), (Righe{"A", "E"}));
  aggiungi(2, {"CAO"});
  EXPECT_EQ(lettere("CA#", "#S", false), (Righe{"A", "E", "O"}));
  EXPECT_EQ(lettere("CA#", "#S", false, true), (Righe{"A", "E", "O"}));
}

TEST_F(Incrocio, LunghezzaLiberaConNote) {
  aggiungi(2, {"CAN", "NO", "NOI"});
  EXPECT_EQ(lettere("CA#??", "#O?", true), (Righe{"N (Oriz.-2)"}));
  EXPECT_EQ(lettere("CA#??", "#O?", false), Righe{});
  diz_.clear();
  ix_.clear();
  attivi_.clear();
  aggiungi(2, {"CAN", "NO"});
  EXPECT_EQ(lettere("CA#??", "#O?", true), (Righe{"N (Oriz.-2 / Vert.-1)"}));
}

TEST_F(Incrocio, LunghezzaLiberaNonTogliePosizioniFisse) {
  aggiungi(2, {"CAN", "CANE", "CARTA"});
  EXPECT_EQ(prova("C?R?A", true).LungTrovata, 5);
  EXPECT_FALSE(prova("C?N?A", true).Trovato);  // CAN or CANE would drop the final A
  EXPECT_EQ(prova("CAN??", true).LungTrovata, 4);
}

TEST_F(Incrocio, SoloVocali) {
  Righe voci;
  for (char x = 'A'; x <= 'Z'; ++x) voci.push_back(std::string(1, x) + "A");
  aggiungi(2, voci);
  EXPECT_EQ(lettere("#A", "#A", false).size(), 26u);
  EXPECT_EQ(lettere("#A", "#A", false, true), (Righe{"A", "E", "I", "O", "U"}));
}

TEST_F(Incrocio, InterruzioneTieneLeLettere) {
  aggiungi(2, {"AS", "ES", "IS", "OS", "US", "XS"});
  ModelliIncrocio m;
  m.ModelloRiga = "#S";
  m.ModelloColonna = "#S";
  for (bool veloce : {true, false}) {
    char ultima = 0;
    Cedi cedi([&] { return ultima == 'F'; });
    auto avviso = [&](char x) { ultima = x; };
    const auto r = veloce ? incrocio(m, false, true, attivi_, cedi, avviso)
                          : incrocioPercorrendo(m, false, true, attivi_, cedi, avviso);
    EXPECT_TRUE(r.interrotto);
    EXPECT_EQ(r.voci, (Righe{"A", "E"}));
    EXPECT_EQ(ultima, 'F');
  }
}

TEST_F(Incrocio, ModelliRifiutatiNonDannoLettere) {
  aggiungi(1, {"AS"});
  ModelliIncrocio m;
  m.esito = EsitoModelli::ErroreCasella;
  m.ModelloRiga = "#S";
  m.ModelloColonna = "#S";
  Cedi c;
  EXPECT_TRUE(incrocio(m, false, true, attivi_, c).voci.empty());
}

}  // namespace
}  // namespace tessaro
