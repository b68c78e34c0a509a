// What the search and crossing benchmarks share: the dictionaries they run
// on (a plain text named by an environment variable, else a synthetic list),
// random entries to build requests from, and the latency counters.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "dict/GruppiVocalici.h"
#include "DizionarioProva.h"
#include "search/IndiceRicerca.h"

namespace tessaro::banco {

using Orologio = std::chrono::steady_clock;

struct Carico {
  Dizionario d;
  IndiceRicerca ix;
  double msIndice = 0;
};

inline Carico carica(const char* variabile, std::size_t voci, bool gruppi) {
  Carico c;
  const char* percorso = std::getenv(variabile);
  std::optional<Dizionario> letto;
  if (percorso != nullptr && *percorso != '\0') letto = leggiDizionarioTesto(percorso);
  c.d = letto ? std::move(*letto) : dizionarioSintetico(voci, gruppi);
  const auto t0 = Orologio::now();
  c.ix = costruisciIndiceRicerca(c.d);
  c.msIndice = std::chrono::duration<double, std::milli>(Orologio::now() - t0).count();
  return c;
}

// TESSARO_STRESS_DIC, else 3,000,000 synthetic word forms.
inline const Carico& stress() {
  static const Carico c = carica("TESSARO_STRESS_DIC", 3'000'000, false);
  return c;
}
// TESSARO_BASE_DIC, else 100,000 synthetic entries with vowel-group codes.
inline const Carico& base() {
  static const Carico c = carica("TESSARO_BASE_DIC", 100'000, true);
  return c;
}

// A random entry of 3 to 15 letters, with a final vowel code resolved.
inline std::string voceCasuale(const Dizionario& d, std::mt19937& rng) {
  std::uniform_int_distribution<std::size_t> dove(0, d.testo.size() - 1);
  for (;;) {
    std::size_t p = d.testo.find(CR_LF, dove(rng));
    if (p == std::string::npos) continue;
    p += 2;
    const std::size_t f = d.testo.find(CR_LF, p);
    if (f == std::string::npos) continue;
    std::string v = d.testo.substr(p, f - p);
    if (v.size() < 3 || v.size() > 15 || eCommento(v)) continue;
    if (eCodiceGruppo(v.back())) {
      const auto g = vocaliGruppo(v.back());
      v.back() = g[rng() % g.size()];
    }
    if (std::all_of(v.begin(), v.end(), [](char x) { return x >= 'A' && x <= 'Z'; })) return v;
  }
}

struct Tempi {
  double mediana = 0, p99 = 0, massimo = 0, media = 0;
};

inline Tempi statistiche(std::vector<double> us) {
  Tempi t;
  if (us.empty()) return t;
  std::sort(us.begin(), us.end());
  t.mediana = us[us.size() / 2];
  t.p99 = us[std::min(us.size() - 1, us.size() * 99 / 100)];
  t.massimo = us.back();
  for (double x : us) t.media += x;
  t.media /= static_cast<double>(us.size());
  return t;
}

inline void riporta(benchmark::State& state, const Tempi& t) {
  state.counters["median_us"] = t.mediana;
  state.counters["p99_us"] = t.p99;
  state.counters["max_us"] = t.massimo;
  state.counters["mean_us"] = t.media;
}

}  // namespace tessaro::banco
