#include "fill/Riempimento.h"

#include <array>
#include <chrono>
#include <cmath>
#include <random>

namespace tessaro {

namespace {

using Orologio = std::chrono::steady_clock;

double secondiDa(Orologio::time_point t0) {
  return std::chrono::duration<double>(Orologio::now() - t0).count();
}

std::string testoSecondi(double s) {
  const double r = std::round(s);
  if (std::abs(s - r) < 1e-9) return std::to_string(static_cast<long long>(r));
  std::string t = std::to_string(s);
  while (!t.empty() && t.back() == '0') t.pop_back();
  if (!t.empty() && t.back() == '.') t.pop_back();
  for (char& c : t)
    if (c == '.') c = ',';
  return t;
}

class Ricerca {
 public:
  Ricerca(const Lessico& lex, const Schema& s, const OpzioniRiempimento& o, const CediRiempimento& cedi)
      : s_(s), o_(o), cedi_(cedi), rete_(lex, s, OpzioniRete{o.minimo, true, o.area}), rng_(o.seme) {}

  RisultatoRiempimento esegui();

 private:
  struct Decisione {
    int percorso;
    std::uint32_t parola;
  };
  bool daRiempire(int i) const { return rete_.attivo(i) && !rete_.completo(i); }
  int riempitiOra() const;
  void ricordaMigliore(int riempiti);
  std::optional<int> scegliPercorso();
  std::uint32_t scegliParola(int i);
  bool fallisci() {
    ++r_.fallimenti;
    const int c = rete_.percorsoInConflitto();
    if (c >= 0) peso_[static_cast<std::size_t>(c)] += 1;
    // The choice that led here shares the blame.
    if (!pila_.empty()) peso_[static_cast<std::size_t>(pila_.back().percorso)] += 1;
    return false;
  }
  void chiudiProposta(bool completa);
  int piuConflittuale() const;

  const Schema& s_;
  const OpzioniRiempimento& o_;
  const CediRiempimento& cedi_;
  Rete rete_;
  std::mt19937_64 rng_;
  std::vector<double> peso_;
  std::vector<Decisione> pila_;
  std::vector<char> migliore_;  // letters of the best partial fill, per cell
  // Word choice: the candidates weighed, and per position of the run the log
  // of the crossing run's support count of each letter.
  static constexpr std::size_t ProveParola = 64;
  static constexpr double PesoPunteggio = 0.05;
  std::array<std::uint32_t, ProveParola> prove_{};
  std::array<std::array<double, 26>, Lessico::LunghezzaMassima> logConteggi_{};
  std::array<bool, Lessico::LunghezzaMassima> incrocia_{};
  int migliori_ = -1;
  RisultatoRiempimento r_;
};

int Ricerca::riempitiOra() const {
  int n = 0;
  for (std::size_t i = 0; i < rete_.numeroPercorsi(); ++i)
    if (daRiempire(static_cast<int>(i)) && rete_.candidati(static_cast<int>(i)) == 1) ++n;
  return n;
}

// Keeps the letters of the runs down to one word when more of them are than
// ever before.
void Ricerca::ricordaMigliore(int riempiti) {
  if (riempiti <= migliori_) return;
  migliori_ = riempiti;
  std::fill(migliore_.begin(), migliore_.end(), CellaVuota);
  const MappaPercorsi& m = rete_.mappa();
  for (std::size_t i = 0; i < rete_.numeroPercorsi(); ++i) {
    const int run = static_cast<int>(i);
    if (!daRiempire(run) || rete_.candidati(run) != 1) continue;
    const Percorso& p = rete_.percorso(run);
    const std::string_view w = rete_.parola(run, *rete_.primo(run));
    for (int k = 0; k < p.lunghezza; ++k) migliore_[static_cast<std::size_t>(m.indice(p.rigaDi(k), p.colDi(k)))] = w[static_cast<std::size_t>(k)];
  }
}

// The run with the fewest candidates per conflict weight; a random one among
// equals. None when every run is down to one word.
std::optional<int> Ricerca::scegliPercorso() {
  std::optional<int> scelto;
  double meglio = 0;
  std::uint64_t pari = 0;
  for (std::size_t i = 0; i < rete_.numeroPercorsi(); ++i) {
    const int run = static_cast<int>(i);
    if (!rete_.attivo(run)) continue;
    const std::uint32_t n = rete_.candidati(run);
    if (n <= 1) continue;
    const double v = static_cast<double>(n) / peso_[i];
    if (!scelto || v < meglio) {
      scelto = run;
      meglio = v;
      pari = 1;
    } else if (v == meglio && rng_() % ++pari == 0) {
      scelto = run;
    }
  }
  return scelto;
}

// The word for run i: among the best-scoring candidates (from a random one
// of the top score on), the one that leaves the crossing runs the most
// candidates (the product of the support counts of its letters), with its
// score weighing in. A word that empties a crossing is never taken first.
std::uint32_t Ricerca::scegliParola(int i) {
  const Percorso& p = rete_.percorso(i);
  const MappaPercorsi& m = rete_.mappa();
  const std::uint32_t primo = *rete_.primo(i);
  const ClasseParole& cl = *rete_.lessico().classe(static_cast<std::size_t>(p.lunghezza));
  const std::uint32_t fineFascia = cl.fineFascia(primo);
  std::uint32_t da = primo;
  if (fineFascia - primo > 1) da = primo + static_cast<std::uint32_t>(rng_() % (fineFascia - primo));

  // The candidates to weigh: up to ProveParola from `da` on, then from the top.
  std::size_t quante = 0;
  for (std::optional<std::uint32_t> w = rete_.prossimo(i, da); w && quante < ProveParola; w = rete_.prossimo(i, *w + 1))
    prove_[quante++] = *w;
  for (std::optional<std::uint32_t> w = rete_.prossimo(i, primo); w && *w < da && quante < ProveParola;
       w = rete_.prossimo(i, *w + 1))
    prove_[quante++] = *w;
  if (quante == 1) return prove_[0];

  for (int k = 0; k < p.lunghezza; ++k) {
    const std::size_t c = static_cast<std::size_t>(m.indice(p.rigaDi(k), p.colDi(k)));
    const bool orizz = m.orizz[c] == i;
    const int t = orizz ? m.vert[c] : m.orizz[c];
    const int q = orizz ? m.posVert[c] : m.posOrizz[c];
    incrocia_[static_cast<std::size_t>(k)] = t >= 0 && rete_.attivo(t) && rete_.candidati(t) > 1;
    if (!incrocia_[static_cast<std::size_t>(k)]) continue;
    auto& riga = logConteggi_[static_cast<std::size_t>(k)];
    riga.fill(-1e30);
    for (Lettere y = rete_.lettere(p.rigaDi(k), p.colDi(k)); y != 0; y &= y - 1) {
      const int l = __builtin_ctz(y);
      const std::uint32_t n = rete_.conteggio(t, q, l);
      riga[static_cast<std::size_t>(l)] = n > 0 ? std::log(static_cast<double>(n)) : -1e30;
    }
  }
  std::uint32_t scelta = prove_[0];
  double meglio = -1e300;
  std::uniform_real_distribution<double> scarto(0, 1e-6);
  for (std::size_t j = 0; j < quante; ++j) {
    const std::string_view w = cl.parola(prove_[j]);
    double v = PesoPunteggio * cl.punteggi[prove_[j]] + scarto(rng_);
    for (int k = 0; k < p.lunghezza; ++k)
      if (incrocia_[static_cast<std::size_t>(k)])
        v += logConteggi_[static_cast<std::size_t>(k)][static_cast<std::size_t>(w[static_cast<std::size_t>(k)] - 'A')];
    if (v > meglio) {
      meglio = v;
      scelta = prove_[j];
    }
  }
  return scelta;
}

int Ricerca::piuConflittuale() const {
  int scelto = -1;
  for (std::size_t i = 0; i < rete_.numeroPercorsi(); ++i)
    if (daRiempire(static_cast<int>(i)) && (scelto < 0 || peso_[i] > peso_[static_cast<std::size_t>(scelto)]))
      scelto = static_cast<int>(i);
  return scelto;
}

// The proposal from the best point reached (the last one when filled), and
// the mean score of the words it completes.
void Ricerca::chiudiProposta(bool completa) {
  if (completa) {
    migliori_ = -1;
    ricordaMigliore(riempitiOra());
  }
  const MappaPercorsi& m = rete_.mappa();
  const auto lettera = [&](int rr, int c) { return migliore_[static_cast<std::size_t>(m.indice(rr, c))]; };
  for (int rr = 0; rr < m.righe; ++rr)
    for (int c = 0; c < m.colonne; ++c)
      if (s_.cella(rr, c) == CellaVuota && (!o_.area || o_.area->contiene(rr, c)) && lettera(rr, c) != CellaVuota)
        r_.proposta.push_back({rr, c, lettera(rr, c)});
  double somma = 0;
  int parole = 0;
  for (std::size_t i = 0; i < rete_.numeroPercorsi(); ++i) {
    if (!daRiempire(static_cast<int>(i))) continue;
    const Percorso& p = rete_.percorso(static_cast<int>(i));
    std::string w;
    for (int k = 0; k < p.lunghezza; ++k) {
      const char x = s_.cella(p.rigaDi(k), p.colDi(k));
      w += x == CellaVuota ? lettera(p.rigaDi(k), p.colDi(k)) : x;
    }
    if (const auto j = rete_.lessico().trova(w)) {
      somma += rete_.lessico().classe(w.size())->punteggi[*j];
      ++parole;
    }
  }
  r_.punteggioMedio = parole > 0 ? somma / parole : 0;
}

RisultatoRiempimento Ricerca::esegui() {
  const auto t0 = Orologio::now();
  const std::size_t R = rete_.numeroPercorsi();
  const MappaPercorsi& m = rete_.mappa();
  peso_.assign(R, 1.0);
  pila_.reserve(R);
  migliore_.assign(static_cast<std::size_t>(m.righe) * static_cast<std::size_t>(m.colonne), CellaVuota);
  for (std::size_t i = 0; i < R; ++i)
    if (daRiempire(static_cast<int>(i))) ++r_.totale;
  const auto fine = [&](EsitoRiempimento e) {
    r_.esito = e;
    r_.secondi = secondiDa(t0);
    return std::move(r_);
  };

  // A run without a word of its own: the first, in word-number order.
  for (std::size_t i = 0; i < R; ++i) {
    if (rete_.attivo(static_cast<int>(i)) && rete_.candidatiPropri(static_cast<int>(i)) == 0) {
      r_.bloccante = rete_.percorso(static_cast<int>(i));
      return fine(EsitoRiempimento::SenzaCandidati);
    }
  }
  // Outside an area, the complete words of the grid still count: no run of
  // the area may repeat them.
  if (o_.area) {
    for (std::size_t i = 0; i < R; ++i) {
      const Percorso& p = rete_.percorso(static_cast<int>(i));
      if (rete_.attivo(static_cast<int>(i))) continue;
      std::string w;
      for (int k = 0; k < p.lunghezza; ++k) w += s_.cella(p.rigaDi(k), p.colDi(k));
      const auto j = rete_.lessico().trova(w);
      if (!j) continue;
      for (std::size_t t = 0; t < R; ++t)
        if (daRiempire(static_cast<int>(t)) && rete_.percorso(static_cast<int>(t)).lunghezza == p.lunghezza)
          rete_.togli(static_cast<int>(t), *j);
    }
  }

  rete_.apri();
  if (!rete_.propaga()) {
    fallisci();
    r_.bloccante = rete_.percorso(rete_.percorsoInConflitto());
    return fine(EsitoRiempimento::Esaurito);
  }
  double limite = 64;
  std::uint64_t fallimentiRipartenza = 0;
  for (;;) {
    const int riempiti = riempitiOra();
    r_.riempiti = std::max(r_.riempiti, riempiti);
    ricordaMigliore(riempiti);
    const double secondi = secondiDa(t0);
    if (cedi_ && cedi_(Avanzamento{migliori_, r_.totale, secondi, r_.nodi})) {
      chiudiProposta(false);
      return fine(EsitoRiempimento::Interrotto);
    }
    if (o_.tempoMassimo > 0 && secondi >= o_.tempoMassimo) {
      chiudiProposta(false);
      return fine(EsitoRiempimento::Tempo);
    }
    const std::optional<int> x = scegliPercorso();
    if (!x) {
      chiudiProposta(true);
      r_.riempiti = r_.totale;
      return fine(EsitoRiempimento::Riempito);
    }
    const std::uint32_t w = scegliParola(*x);
    ++r_.nodi;
    pila_.push_back({*x, w});
    rete_.apri();
    rete_.fissa(*x, w);
    if (rete_.propaga()) continue;
    fallisci();
    ++fallimentiRipartenza;
    // Back to the last choice still open: the word that failed is refuted
    // where it was chosen, and the refutation propagated.
    for (;;) {
      if (pila_.empty()) {
        r_.bloccante = rete_.percorso(std::max(0, piuConflittuale()));
        return fine(EsitoRiempimento::Esaurito);
      }
      const Decisione d = pila_.back();
      pila_.pop_back();
      rete_.chiudi();
      rete_.togli(d.percorso, d.parola);
      if (rete_.propaga()) break;
      fallisci();
      ++fallimentiRipartenza;
    }
    if (static_cast<double>(fallimentiRipartenza) >= limite && !pila_.empty()) {
      // A fresh start keeps the conflict weights and what was refuted at
      // the top, where no choice stands behind it.
      while (!pila_.empty()) {
        pila_.pop_back();
        rete_.chiudi();
      }
      ++r_.ripartenze;
      fallimentiRipartenza = 0;
      limite *= 1.5;
    }
  }
}

}  // namespace

RisultatoRiempimento riempi(const Lessico& lessico, const Schema& s, const OpzioniRiempimento& o,
                            const CediRiempimento& cedi) {
  Ricerca r(lessico, s, o, cedi);
  return r.esegui();
}

std::string messaggioRiempimento(const RisultatoRiempimento& r, const OpzioniRiempimento& o) {
  const std::string nome = r.bloccante ? nomePercorso(*r.bloccante) : std::string("lo Schema");
  switch (r.esito) {
    case EsitoRiempimento::Riempito: return {};
    case EsitoRiempimento::SenzaCandidati: return "Nessun riempimento possibile: " + nome + " non ha parole adatte.";
    case EsitoRiempimento::Esaurito:
      return "Nessun riempimento possibile: per " + nome + " esaurite tutte le combinazioni.";
    case EsitoRiempimento::Tempo: return "Nessun riempimento trovato in " + testoSecondi(o.tempoMassimo) + " secondi.";
    case EsitoRiempimento::Interrotto: return "Riempimento interrotto.";
  }
  return {};
}

}  // namespace tessaro
