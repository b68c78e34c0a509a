// Speed of the whole crossing test (every letter A..Z, row and column slot,
// "Lunghezza Libera" checked) through the length index and by walking the
// text, on a large stress dictionary and on a base-sized dictionary.
//
// Dictionaries as in bench_search: TESSARO_STRESS_DIC, else 3,000,000
// synthetic Italian-like word forms; TESSARO_BASE_DIC, else 100,000
// synthetic entries with vowel-group codes.
//
// Cells: 2,000 random crossing cells. Each slot is a random entry of 3 to 15
// letters with about half of its letters removed, sometimes followed by empty
// cells up to 15, and the crossing cell at a random position. Counters:
// median_us, p99_us, max_us per cell.
#include "search/DizionarioProva.h"
#include "search/Incrocio.h"
#include "search/IndiceRicerca.h"

#include "dict/GruppiVocalici.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Orologio = std::chrono::steady_clock;

struct Carico {
  Dizionario d;
  IndiceRicerca ix;
};

Carico carica(const char* variabile, std::size_t voci, bool gruppi) {
  Carico c;
  const char* percorso = std::getenv(variabile);
  std::optional<Dizionario> letto;
  if (percorso != nullptr && *percorso != '\0') letto = leggiDizionarioTesto(percorso);
  c.d = letto ? std::move(*letto) : dizionarioSintetico(voci, gruppi);
  c.ix = costruisciIndiceRicerca(c.d);
  return c;
}

const Carico& stress() {
  static const Carico c = carica("TESSARO_STRESS_DIC", 3'000'000, false);
  return c;
}
const Carico& base() {
  static const Carico c = carica("TESSARO_BASE_DIC", 100'000, true);
  return c;
}

std::string voceCasuale(const Dizionario& d, std::mt19937& rng) {
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

std::string modello(const Dizionario& d, std::mt19937& rng) {
  for (;;) {
    std::string m = voceCasuale(d, rng);
    for (auto& x : m)
      if (rng() % 2) x = '?';
    if (rng() % 4 == 0) m.resize(std::min<std::size_t>(15, m.size() + 1 + rng() % 3), '?');
    m[rng() % m.size()] = CellaIncrocio;
    if (m.find_first_not_of("?#") != std::string::npos) return m;
  }
}

std::vector<ModelliIncrocio> celle(const Dizionario& d, std::size_t quante, unsigned seme) {
  std::mt19937 rng(seme);
  std::vector<ModelliIncrocio> v(quante);
  for (auto& m : v) {
    m.ModelloRiga = modello(d, rng);
    m.ModelloColonna = modello(d, rng);
  }
  return v;
}

void riporta(benchmark::State& state, std::vector<double> us, std::size_t lettere) {
  std::sort(us.begin(), us.end());
  double media = 0;
  for (double x : us) media += x;
  state.counters["median_us"] = us[us.size() / 2];
  state.counters["p99_us"] = us[std::min(us.size() - 1, us.size() * 99 / 100)];
  state.counters["max_us"] = us.back();
  state.counters["mean_us"] = media / static_cast<double>(us.size());
  state.counters["letters_per_cell"] = static_cast<double>(lettere) / static_cast<double>(us.size());
}

// Argument: 0 through the index, 1 by walking (first `quante` cells only).
void misura(benchmark::State& state, const Carico& c, std::size_t quante, unsigned seme) {
  const bool percorso = state.range(0) == 1;
  const DizAttivo attivi[] = {{1, &c.d, percorso ? nullptr : &c.ix}};
  const auto cs = celle(c.d, quante, seme);
  std::vector<double> us;
  std::size_t lettere = 0;
  for (auto _ : state) {
    us.clear();
    lettere = 0;
    for (const auto& m : cs) {
      Cedi cedi;
      const auto t0 = Orologio::now();
      const auto r = percorso ? incrocioPercorrendo(m, false, true, attivi, cedi) : incrocio(m, false, true, attivi, cedi);
      us.push_back(std::chrono::duration<double, std::micro>(Orologio::now() - t0).count());
      lettere += r.voci.size();
    }
  }
  state.SetLabel(percorso ? "percorso" : "indice");
  riporta(state, us, lettere);
}

void BM_IncrocioStress(benchmark::State& state) {
  misura(state, stress(), state.range(0) == 1 ? 20 : 2000, 11);
}
BENCHMARK(BM_IncrocioStress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_IncrocioBase(benchmark::State& state) {
  misura(state, base(), state.range(0) == 1 ? 200 : 2000, 12);
}
BENCHMARK(BM_IncrocioBase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tessaro
