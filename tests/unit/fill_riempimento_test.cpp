// The fill engine on small hand-made dictionaries: known fills, refusals,
// vowel groups, exclusions, impossibility with its run, the stop and the
// messages, and learning checked against brute force.
#include "fill/Riempimento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fill_prova.h"

namespace tessaro {
namespace {

using Parole = std::vector<std::string>;

using prova::schema;

Lessico lessico(const Parole& base, const ListePunteggi& liste = {}, const Parole& altro = {}) {
  static std::vector<std::unique_ptr<prova::Dizionari>> tenuti;  // the indexes outlive the call
  tenuti.push_back(std::make_unique<prova::Dizionari>());
  tenuti.back()->aggiungi(base, TipoDizionario::Base);
  if (!altro.empty()) tenuti.back()->aggiungi(altro, TipoDizionario::Altro);
  return tenuti.back()->lessico(liste);
}

// The grid with the proposal written in, black cells as "#".
Parole scritta(Schema s, const RisultatoRiempimento& r) {
  for (const Scrittura& w : r.proposta) s.scrivi(w.riga, w.col, w.car);
  Parole v;
  for (std::string x : s.Griglia) {
    for (char& c : x)
      if (c == CellaNera) c = '#';
    v.push_back(x);
  }
  return v;
}

// CAT / ORE / WED across, COW / ARE / TED down, with decoys.
const Parole Quadrato = {"ARE", "CAR", "CAT", "COT", "COW", "ODE", "ORE", "TAR", "TED", "WED"};

TEST(FillRiempi, QuadratoUnicoELettereTenute) {
  const Lessico lex = lessico(Quadrato);
  const Schema s = schema({"CA?", "???", "???"});
  OpzioniRiempimento o;
  for (std::uint64_t seme : {1, 2, 3}) {
    o.seme = seme;
    const RisultatoRiempimento r = riempi(lex, s, o);
    ASSERT_EQ(r.esito, EsitoRiempimento::Riempito);
    EXPECT_EQ(scritta(s, r), (Parole{"CAT", "ORE", "WED"}));
    EXPECT_EQ(r.proposta.size(), 7u);  // the two letters given stay as they are
    EXPECT_EQ((std::pair{r.riempiti, r.totale}), (std::pair{6, 6}));
    EXPECT_EQ(messaggioRiempimento(r, o), "");
  }
}

TEST(FillRiempi, RifiutiEImpossibilita) {
  struct Caso {
    const char* nome;
    Parole voci;
    Parole griglia;
    EsitoRiempimento esito;
    std::string messaggio;
  };
  const Caso casi[] = {
      // The only square repeats each word across and down.
      {"ripete", {"AIA", "ORA", "RAI"}, {"O??", "???", "???"}, EsitoRiempimento::Esaurito, ""},
      // A complete run that is no word blocks, and is not overwritten.
      {"completa", Quadrato, {"CAX", "???", "???"}, EsitoRiempimento::SenzaCandidati,
       "Nessun riempimento possibile: 1 Orizzontale non ha parole adatte."},
      {"lettere", Quadrato, {"???", "?Q?", "???"}, EsitoRiempimento::SenzaCandidati,
       "Nessun riempimento possibile: 2 Verticale non ha parole adatte."},
      // Every run has words of its own; the corner at the bottom right
      // cannot close (EHG across, CFZ down).
      {"angolo", {"ABC", "ADE", "CFZ", "EHG"}, {"?B?", "?#?", "???"}, EsitoRiempimento::Esaurito, ""},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    const RisultatoRiempimento r = riempi(lessico(k.voci), schema(k.griglia), {});
    EXPECT_EQ(r.esito, k.esito);
    EXPECT_TRUE(r.proposta.empty());
    ASSERT_TRUE(r.bloccante.has_value());
    if (!k.messaggio.empty()) EXPECT_EQ(messaggioRiempimento(r, {}), k.messaggio);
    else EXPECT_TRUE(messaggioRiempimento(r, {}).starts_with("Nessun riempimento possibile: per "));
  }
}

TEST(FillRiempi, GruppiVocaliciEscluseEMinimo) {
  const Schema s = schema({"CAS?", "####"});
  std::string finali;
  for (std::uint64_t seme = 1; seme <= 8; ++seme) {
    OpzioniRiempimento o;
    o.seme = seme;
    const RisultatoRiempimento r = riempi(lessico({"CAS!"}), s, o);
    ASSERT_EQ(r.esito, EsitoRiempimento::Riempito);
    finali += r.proposta.at(0).car;
  }
  EXPECT_EQ(finali.find_first_not_of("AE"), std::string::npos);
  EXPECT_NE(finali.find('A'), std::string::npos);
  EXPECT_NE(finali.find('E'), std::string::npos);
  // Excluded, and below the lowest score: never used.
  const RisultatoRiempimento e = riempi(lessico({"CAS!"}, {{}, {"CASA"}, {}}), s, {});
  EXPECT_EQ(scritta(s, e)[0], "CASE");
  OpzioniRiempimento alta;
  alta.minimo = 60;
  EXPECT_EQ(riempi(lessico({"CAS!"}, {{"CASE"}, {}, {}}), s, alta).proposta, (std::vector<Scrittura>{{0, 3, 'E'}}));
  // In any other dictionary a final code is no letter.
  EXPECT_EQ(riempi(lessico({"ALA"}, {}, {"CAS!"}), s, {}).esito, EsitoRiempimento::SenzaCandidati);
}

TEST(FillRiempi, StessoSemeStessoRiempimentoEStop) {
  Parole voci;
  for (char a : std::string("ABC"))
    for (char b : std::string("ABC"))
      for (char c : std::string("ABC")) voci.push_back(std::string{a, b, c});
  const Lessico lex = lessico(voci);
  const Schema s = schema({"???#???", "???#???", "???#???"});
  OpzioniRiempimento o;
  o.seme = 7;
  EXPECT_EQ(riempi(lex, s, o).proposta, riempi(lex, s, o).proposta);
  int chiamate = 0;
  const RisultatoRiempimento r = riempi(lex, s, o, [&](const Avanzamento& a) {
    EXPECT_EQ(a.totale, 12);
    return ++chiamate == 3;
  });
  EXPECT_EQ(r.esito, EsitoRiempimento::Interrotto);
  EXPECT_EQ(chiamate, 3);
  EXPECT_EQ(messaggioRiempimento(r, o), "Riempimento interrotto.");
  RisultatoRiempimento t;
  t.esito = EsitoRiempimento::Tempo;
  o.tempoMassimo = 2.5;
  EXPECT_EQ(messaggioRiempimento(t, o), "Nessun riempimento trovato in 2,5 secondi.");
  o.tempoMassimo = 30;
  EXPECT_EQ(messaggioRiempimento(t, o), "Nessun riempimento trovato in 30 secondi.");
}


// Whether an open n x n grid has a fill from `voci` (letters A-D, all 2n
// words different): rows in order, each kept only while every column reads
// as the start of some word (words and starts as base-4 numbers).
bool esisteRiempimento(const Parole& voci, int n) {
  std::vector<std::vector<bool>> inizio(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) inizio[static_cast<std::size_t>(k)].assign(std::size_t{1} << (2 * k), false);
  for (const auto& v : voci) {
    std::size_t c = 0;
    for (int k = 1; k <= n; ++k) {
      c = c * 4 + static_cast<std::size_t>(v[static_cast<std::size_t>(k - 1)] - 'A');
      inizio[static_cast<std::size_t>(k)][c] = true;
    }
  }
  std::vector<std::string> righe;
  std::vector<std::vector<std::size_t>> colonne{std::vector<std::size_t>(static_cast<std::size_t>(n), 0)};
  const std::function<bool()> prova = [&]() {
    const std::size_t r = righe.size();
    if (r == static_cast<std::size_t>(n)) {
      std::set<std::string> tutte(righe.begin(), righe.end());
      for (int c = 0; c < n; ++c) {
        std::string s;
        for (const auto& x : righe) s += x[static_cast<std::size_t>(c)];
        tutte.insert(s);
      }
      return tutte.size() == 2 * righe.size();
    }
    for (const auto& v : voci) {
      std::vector<std::size_t> cc = colonne.back();
      bool va = true;
      for (std::size_t c = 0; c < cc.size() && va; ++c) {
        cc[c] = cc[c] * 4 + static_cast<std::size_t>(v[c] - 'A');
        va = inizio[r + 1][cc[c]];
      }
      if (!va) continue;
      righe.push_back(v);
      colonne.push_back(cc);
      if (prova()) return true;
      righe.pop_back();
      colonne.pop_back();
    }
    return false;
  };
  return prova();
}

// Learning at restarts and partial propagation must not cost soundness:
// restarting after every few failures, on random word lists (half of them with a planted fill) the
// engine fills exactly the grids that have a fill (by brute force), with
// words of the list, and proves the others impossible.
TEST(FillRiempi, RipartenzeEImparatoRestanoCorretti) {
  int riempite = 0, esaurite = 0;
  std::uint64_t ripartenze = 0;
  for (int caso = 0; caso < 12; ++caso) {
    std::mt19937 rng(static_cast<unsigned>(caso));
    const int n = 5;
    std::set<std::string> scelte;
    if (caso % 2 == 1) {
      // A planted fill (its ten words all different) among decoys.
      std::vector<std::string> g;
      do {
        g.assign(static_cast<std::size_t>(n), std::string(static_cast<std::size_t>(n), 'A'));
        for (auto& riga : g)
          for (char& c : riga) c = static_cast<char>('A' + rng() % 4);
        scelte = std::set<std::string>(g.begin(), g.end());
        for (int c = 0; c < n; ++c) {
          std::string col;
          for (const auto& riga : g) col += riga[static_cast<std::size_t>(c)];
          scelte.insert(col);
        }
      } while (scelte.size() < 2 * static_cast<std::size_t>(n));
    }
    while (scelte.size() < 42) {
      std::string w;
      for (int k = 0; k < n; ++k) w += static_cast<char>('A' + rng() % 4);
      scelte.insert(w);
    }
    const Parole voci(scelte.begin(), scelte.end());
    const Schema s = schema(Parole(static_cast<std::size_t>(n), std::string(static_cast<std::size_t>(n), '?')));
    OpzioniRiempimento o;
    o.seme = static_cast<std::uint64_t>(caso) + 1;
    o.tempoMassimo = 0;
    o.primaRipartenza = 4;
    o.sogliaSostegni = caso % 3 == 0 ? 0 : 6;  // full arc consistency, or only on small sets
    const RisultatoRiempimento r = riempi(lessico(voci), s, o);
    ripartenze += r.ripartenze;
    const bool esiste = esisteRiempimento(voci, n);
    SCOPED_TRACE(caso);
    ASSERT_EQ(r.esito, esiste ? EsitoRiempimento::Riempito : EsitoRiempimento::Esaurito);
    (esiste ? riempite : esaurite) += 1;
    if (!esiste) continue;
    // The fill itself: every row and column a word of the list, none twice.
    Parole parole = scritta(s, r);
    for (int c = 0; c < n; ++c) {
      std::string col;
      for (int k = 0; k < n; ++k) col += parole[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)];
      parole.push_back(col);
    }
    for (const auto& w : parole) EXPECT_TRUE(scelte.count(w) == 1) << w;
    EXPECT_EQ(std::set<std::string>(parole.begin(), parole.end()).size(), parole.size());
  }
  EXPECT_GT(riempite, 0);
  EXPECT_GT(esaurite, 0);
  EXPECT_GT(ripartenze, 0u);  // the learning was at work
}

}  // namespace
}  // namespace tessaro
