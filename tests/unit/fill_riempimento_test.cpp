// The fill engine on small hand-made dictionaries: known fills, refusals,
// vowel groups, exclusions, impossibility with its run, the stop and the
// messages.
#include "fill/Riempimento.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Parole = std::vector<std::string>;

struct Dizionari {
  std::vector<std::unique_ptr<Dizionario>> diz;
  std::vector<std::unique_ptr<IndiceRicerca>> ix;
  std::vector<FonteLessico> fonti;
  void aggiungi(const Parole& voci, TipoDizionario tipo) {
    auto d = std::make_unique<Dizionario>();
    for (const auto& v : voci) d->testo += v + "\r\n";
    ix.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*d)));
    fonti.push_back({d.get(), ix.back().get(), tipo, tipo == TipoDizionario::Base});
    diz.push_back(std::move(d));
  }
};

Lessico lessico(const Parole& base, const ListePunteggi& liste = {}, const Parole& altro = {}) {
  static std::vector<std::unique_ptr<Dizionari>> tenuti;  // the indexes outlive the call
  tenuti.push_back(std::make_unique<Dizionari>());
  tenuti.back()->aggiungi(base, TipoDizionario::Base);
  if (!altro.empty()) tenuti.back()->aggiungi(altro, TipoDizionario::Altro);
  return costruisciLessico(tenuti.back()->fonti, liste);
}

Schema schema(std::vector<std::string> righe) {
  for (auto& r : righe)
    for (char& c : r)
      if (c == '#') c = CellaNera;
  Schema s;
  s.carica(static_cast<std::int16_t>(righe.size()), static_cast<std::int16_t>(righe[0].size()), righe);
  return s;
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

}  // namespace
}  // namespace tessaro
