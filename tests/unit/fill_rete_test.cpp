// The fill's vocabulary and the candidate sets of a grid's runs with their
// arc consistency, on small hand-made dictionaries.
#include "fill/Rete.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fill/Lessico.h"
#include "fill_prova.h"

namespace tessaro {
namespace {

using Parole = std::vector<std::string>;

using prova::schema;
using Vocabolario = prova::Dizionari;

// The words of length L with their scores, in the vocabulary's order.
std::vector<std::string> classe(const Lessico& lex, std::size_t L) {
  std::vector<std::string> v;
  if (const ClasseParole* c = lex.classe(L))
    for (std::uint32_t i = 0; i < c->n; ++i) v.push_back(std::string(c->parola(i)) + ":" + std::to_string(c->punteggi[i]));
  return v;
}

std::string lettere(Lettere l) {
  std::string s;
  for (int x = 0; x < 26; ++x)
    if (l >> x & 1u) s += static_cast<char>('A' + x);
  return s;
}

TEST(FillLessico, GruppiDoppioniPunteggiEEscluse) {
  Vocabolario v;
  // Base: CAS! stands for CASA and CASE; "L'A" and "A#B" are no words; the
  // comment never is.
  v.aggiungi({"#commento", "ALA", "A#B", "CAS!", "L'AX", "RE", "ROSA"}, TipoDizionario::Base);
  // Names: ROSA again (the better score stays), PIA; a final code is a
  // character like any other here.
  v.aggiungi({"CAS!", "PIA", "ROSA"}, TipoDizionario::Nomi);
  const ListePunteggi liste{{"CASE", "ROSA"}, {"ALA"}, {"RE"}};
  const Lessico lex = v.lessico(liste);
  EXPECT_EQ(classe(lex, 2), (Parole{"RE:100"}));
  EXPECT_EQ(classe(lex, 3), (Parole{"PIA:30"}));
  EXPECT_EQ(classe(lex, 4), (Parole{"CASE:99", "ROSA:55", "CASA:50"}));
  EXPECT_EQ(lex.trova("CASA"), std::optional<std::uint32_t>(2));
  EXPECT_EQ(lex.trova("CASO"), std::nullopt);
  EXPECT_EQ(lex.classe(4)->sopra(51), 2u);
  EXPECT_EQ(lex.classe(4)->fineFascia(1), 2u);
}

TEST(FillLessico, PunteggiDiRangoETipo) {
  EXPECT_EQ(punteggioRango(1, 1000), 99);
  EXPECT_EQ(punteggioRango(1000, 1000), 55);
  EXPECT_EQ(punteggioRango(32, 1024), 77);
  EXPECT_EQ(tipoDizionario(1, "base.diz"), TipoDizionario::Base);
  EXPECT_EQ(tipoDizionario(2, "NOMI.DIZ"), TipoDizionario::Nomi);
  EXPECT_EQ(tipoDizionario(3, "extra.dic"), TipoDizionario::Altro);
  EXPECT_EQ(leggiListaParole("# prova\r\ncittà\n  Perché \nl'uomo\ncitta\n"), (Parole{"CITTA", "PERCHE"}));
}

// Propagation, conflicts, the trail and the all-different rule are proved
// through the analysis and the fill on whole grids; the area's choice of
// runs is proved here.
class Quadrato : public ::testing::Test {
 protected:
  void SetUp() override {
    v.aggiungi({"AIA", "ARE", "ORA", "ORE", "RAI", "RAM", "REI", "ZZZ"}, TipoDizionario::Base);
    lex = v.lessico();
  }
  Vocabolario v;
  Lessico lex;
};

TEST_F(Quadrato, AreaSoloIPercorsiConCelleVuoteDentro) {
  OpzioniRete o;
  o.area = Area{0, 0, 0, 2};
  Rete r(lex, schema({"???", "R?I", "???"}), o);
  // The top row and the three columns have an empty cell in the area.
  std::vector<bool> attivi;
  for (std::size_t i = 0; i < r.numeroPercorsi(); ++i) attivi.push_back(r.attivo(static_cast<int>(i)));
  EXPECT_EQ(attivi, (std::vector<bool>{true, true, true, true, false, false}));
  r.apri();
  ASSERT_TRUE(r.propaga());
  // ?R? and ?I? down leave AIA or ORA across; R?? down makes it ORA. The
  // empty cells outside the area take any letter their run allows.
  EXPECT_EQ(lettere(r.lettere(0, 0)) + lettere(r.lettere(0, 1)) + lettere(r.lettere(0, 2)), "ORA");
  EXPECT_EQ(lettere(r.lettere(2, 1)), "IM");
}

}  // namespace
}  // namespace tessaro
