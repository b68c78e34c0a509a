// Speed of the word search on a large stress dictionary and on a base-sized
// dictionary, through the length index and by walking the text, and against
// grep on the same words.
//
// Dictionaries: the plain text named by TESSARO_STRESS_DIC (CR LF or LF
// lines), else a synthetic sorted list of 3,000,000 Italian-like word forms
// (stems of Italian syllables with noun, adjective and verb endings; see
// dizionarioSintetico). The base dictionary: TESSARO_BASE_DIC, else 100,000
// synthetic entries with their final vowels folded into vowel-group codes.
//
// The latency figures are counters: median_us, p99_us, max_us over the
// request set (2,000 random requests of 3 to 15 cells: a random entry with
// about half of its cells emptied; 15% free tail, 15% free head).
#include "Campioni.h"
#include "search/LunghezzaLibera.h"
#include "search/Ricerca.h"


#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace tessaro {
namespace {

using namespace banco;

struct Richiesta {
  std::string R, RMax;
  std::size_t testa = 0;
  RichiestaRicerca q() const { return {R, RMax, testa, 0}; }
};

std::vector<Richiesta> richieste(const Dizionario& d, std::size_t quante, unsigned seme) {
  std::mt19937 rng(seme);
  std::vector<Richiesta> v;
  while (v.size() < quante) {
    const std::string w = voceCasuale(d, rng);
    StatoRichiesta s;
    std::string slot = w;
    for (auto& x : slot)
      if (rng() % 2) x = '?';
    const unsigned modo = rng() % 100;
    if (modo >= 70 && modo < 85) {
      // A slot longer than the word, its tail empty: free tail.
      const std::size_t fissi = 1 + rng() % (w.size() - 1);
      slot = w.substr(0, fissi) + std::string(std::min<std::size_t>(15, w.size() + rng() % 4) - fissi, '?');
    } else if (modo >= 85) {
      const std::size_t vuoti = 2 + rng() % (w.size() - 1);
      slot = std::string(vuoti, '?') + w.substr(std::min(vuoti, w.size() - 1));
    }
    if (slot.find('?') == std::string::npos) slot[rng() % slot.size()] = '?';
    if (slot.find_first_not_of('?') == std::string::npos) slot[rng() % slot.size()] = w[0];
    s.Richiesta = s.RichiestaMax = slot;
    if (modo >= 70 && modo < 85) {
      if (auto e = liberaCoda(s); e.nuovo) s = *e.nuovo;
    } else if (modo >= 85) {
      if (auto e = liberaInizio(s); e.nuovo) s = *e.nuovo;
    }
    v.push_back({s.Richiesta, s.RichiestaMax, s.TestaLibera.size()});
  }
  return v;
}

template <class F>
std::vector<double> misura(const std::vector<Richiesta>& rs, F&& cerca) {
  std::vector<double> us;
  us.reserve(rs.size());
  for (const auto& r : rs) {
    const auto t0 = Orologio::now();
    const auto x = cerca(r);
    us.push_back(std::chrono::duration<double, std::micro>(Orologio::now() - t0).count());
    benchmark::DoNotOptimize(x.righe.data());
  }
  return us;
}

long rssKb() {
  std::ifstream f("/proc/self/status");
  std::string riga;
  while (std::getline(f, riga))
    if (riga.rfind("VmRSS:", 0) == 0) return std::atol(riga.c_str() + 6);
  return 0;
}

void BM_IndiceStress(benchmark::State& state) {
  const auto& c = stress();
  for (auto _ : state) {
    auto ix = costruisciIndiceRicerca(c.d);
    benchmark::DoNotOptimize(ix);
  }
  std::size_t voci = 0;
  perOgniVoce(c.d.testo, 0, [&](const Voce&) { return ++voci, true; });
  state.counters["entries"] = static_cast<double>(voci);
  state.counters["text_MB"] = static_cast<double>(c.d.testo.size()) / 1e6;
  state.counters["index_MB"] = static_cast<double>(c.ix.memoria()) / 1e6;
  state.counters["rss_MB"] = static_cast<double>(rssKb()) / 1e3;
  state.counters["sorted"] = c.ix.ordinato() ? 1 : 0;
}
BENCHMARK(BM_IndiceStress)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RicercaStress(benchmark::State& state) {
  const auto& c = stress();
  const DizAttivo attivi[] = {{1, &c.d, &c.ix}};
  const auto rs = richieste(c.d, 2000, 42);
  Tempi t;
  for (auto _ : state) {
    t = statistiche(misura(rs, [&](const Richiesta& r) {
      Cedi cedi;
      return cercaVoci(r.q(), attivi, LimiteRisultati, cedi);
    }));
  }
  riporta(state, t);
}
BENCHMARK(BM_RicercaStress)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RicercaStressEstesa(benchmark::State& state) {
  const auto& c = stress();
  const DizAttivo attivi[] = {{1, &c.d, &c.ix}};
  const auto rs = richieste(c.d, 2000, 42);
  Tempi t;
  for (auto _ : state) {
    t = statistiche(misura(rs, [&](const Richiesta& r) {
      Cedi cedi;
      return cercaVoci(r.q(), attivi, SenzaLimite, cedi);
    }));
  }
  riporta(state, t);
}
BENCHMARK(BM_RicercaStressEstesa)->Unit(benchmark::kMillisecond)->Iterations(1);

// The walk on the first 300 requests of the same set.
void BM_PercorsoStress(benchmark::State& state) {
  const auto& c = stress();
  const DizAttivo attivi[] = {{1, &c.d, nullptr}};
  auto rs = richieste(c.d, 2000, 42);
  rs.resize(300);
  Tempi t;
  for (auto _ : state) {
    t = statistiche(misura(rs, [&](const Richiesta& r) {
      Cedi cedi;
      return cercaVociPercorrendo(r.q(), attivi, LimiteRisultati, cedi);
    }));
  }
  riporta(state, t);
}
BENCHMARK(BM_PercorsoStress)->Unit(benchmark::kMillisecond)->Iterations(1);

// The request as an extended regular expression for grep -x.
std::string espressione(const Richiesta& r, bool gruppi) {
  auto car = [&](char x) -> std::string {
    if (x == '?' || x == '*') return ".";
    return gruppi ? std::string("[") + x + "!-@]" : std::string(1, x);
  };
  const std::size_t extra = r.RMax.size() >= r.R.size() ? r.RMax.size() - r.R.size() + 1 : 1;
  const std::string libero = ".{1," + std::to_string(extra) + "}";
  std::string e;
  for (std::size_t i = 0; i < r.R.size(); ++i) {
    const bool estremo = r.R[i] == '*' && (i == 0 || i + 1 == r.R.size());
    e += estremo ? libero : car(r.R[i]);
  }
  return e;
}

// grep -x -m 50 on the same words (LF lines), one process per request, against
// the index on the same 40 requests.
void BM_GrepStress(benchmark::State& state) {
  const auto& c = stress();
  const DizAttivo attivi[] = {{1, &c.d, &c.ix}};
  auto rs = richieste(c.d, 2000, 42);
  rs.resize(40);
  char nome[] = "/tmp/tessaro-grep-XXXXXX";
  const int fd = mkstemp(nome);
  if (fd < 0) {
    state.SkipWithError("no temporary file");
    return;
  }
  close(fd);
  {
    std::ofstream f(nome, std::ios::binary);
    std::string lf;
    lf.reserve(c.d.testo.size());
    for (char x : c.d.testo)
      if (x != '\r') lf += x;
    f << lf;
  }
  Tempi tg, ti;
  for (auto _ : state) {
    std::vector<double> us;
    for (const auto& r : rs) {
      const std::string cmd = "LC_ALL=C grep -x -E -m 50 '" + espressione(r, false) + "' " + nome + " > /dev/null";
      const auto t0 = Orologio::now();
      const int esito = std::system(cmd.c_str());
      us.push_back(std::chrono::duration<double, std::micro>(Orologio::now() - t0).count());
      benchmark::DoNotOptimize(esito);
    }
    tg = statistiche(us);
    ti = statistiche(misura(rs, [&](const Richiesta& r) {
      Cedi cedi;
      return cercaVoci(r.q(), attivi, LimiteRisultati, cedi);
    }));
  }
  std::remove(nome);
  riporta(state, tg);
  state.counters["index_median_us"] = ti.mediana;
  state.counters["speedup_median"] = tg.mediana / std::max(ti.mediana, 1e-3);
  state.counters["speedup_mean"] = tg.media / std::max(ti.media, 1e-3);
}
BENCHMARK(BM_GrepStress)->Unit(benchmark::kMillisecond)->Iterations(1);

// The named requests on the base dictionary, 1,000 runs each. Arguments:
// request number, extended (1) or normal (0).
void BM_RicercaBase(benchmark::State& state) {
  const auto& c = base();
  const DizAttivo attivi[] = {{1, &c.d, &c.ix}};
  const Richiesta nominate[] = {
      {"CA??E", "CA??E", 0},
      {"??N?", "??N?", 0},
      {"?????????O", "?????????O", 0},
      {"CA*", "CA" + std::string(13, '?'), 0},
      {"*ANE", std::string(11, '?') + "ANE", 11},
  };
  const auto& r = nominate[state.range(0)];
  const std::size_t limite = state.range(1) ? SenzaLimite : LimiteRisultati;
  const std::vector<Richiesta> rs(1000, r);
  Tempi t;
  std::size_t righe = 0;
  for (auto _ : state) {
    t = statistiche(misura(rs, [&](const Richiesta& x) {
      Cedi cedi;
      auto y = cercaVoci(x.q(), attivi, limite, cedi);
      righe = y.righe.size();
      return y;
    }));
  }
  state.SetLabel(r.R + (state.range(1) ? " estesa" : " normale"));
  state.counters["lines"] = static_cast<double>(righe);
  riporta(state, t);
}
BENCHMARK(BM_RicercaBase)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RicercaBaseCasuali(benchmark::State& state) {
  const auto& c = base();
  const DizAttivo conIndice[] = {{1, &c.d, &c.ix}};
  const DizAttivo senza[] = {{1, &c.d, nullptr}};
  const auto rs = richieste(c.d, 2000, 7);
  Tempi t;
  for (auto _ : state) {
    t = statistiche(misura(rs, [&](const Richiesta& r) {
      Cedi cedi;
      return state.range(0) ? cercaVociPercorrendo(r.q(), senza, LimiteRisultati, cedi)
                            : cercaVoci(r.q(), conIndice, LimiteRisultati, cedi);
    }));
  }
  state.SetLabel(state.range(0) ? "percorso" : "indice");
  state.counters["index_ms"] = c.msIndice;
  riporta(state, t);
}
BENCHMARK(BM_RicercaBaseCasuali)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tessaro
