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
#include "Campioni.h"
#include "search/Incrocio.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using namespace banco;

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
  riporta(state, statistiche(us));
  state.counters["letters_per_cell"] = static_cast<double>(lettere) / static_cast<double>(us.size());
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
