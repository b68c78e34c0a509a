// Speed of the live fillability check on the shipped base.diz + nomi.diz:
//
//   - Griglia/<file>: the analysis of each grid of bench/griglie/ (empty
//     patterns as the fill benchmark uses them; TESSARO_GRIGLIE names another
//     folder);
//   - Modifiche/15x15, Modifiche/21x25: 500 random single-cell edits, each
//     followed by the whole analysis the window runs after a keystroke.
//     Counters: median_us, p99_us, max_us per edit on the wall clock, the
//     same on the thread's processor clock (cpu_*), and the share of edits
//     after which the grid was fillable.
//   - Lessico: building the vocabulary (what a dictionary switch costs).
//
//   cmake --preset release && cmake --build build/release -j2 --target bench_riempibilita dizionari
//   build/release/bin/bench_riempibilita
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Campioni.h"
#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/IndiceDizionario.h"
#include "files/FileTes.h"
#include "fill/Riempibilita.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using namespace banco;

const fs::path Share = fs::path(TESSARO_BIN_DIR) / ".." / "share";

struct Dizionari {
  std::vector<std::unique_ptr<Dizionario>> diz;
  std::vector<std::unique_ptr<IndiceRicerca>> indici;
  std::vector<FonteLessico> fonti;
  ListePunteggi liste;
  Lessico lessico;
  double msLessico = 0;
};

const Dizionari& dizionari() {
  static const Dizionari d = [] {
    Dizionari x;
    for (const char* nome : {"base.diz", "nomi.diz"}) {
      std::string dati;
      auto diz = std::make_unique<Dizionario>();
      diz->nome = nome;
      if (!leggiFileIntero(Share / nome, dati) || decodificaDiz(dati, diz->testo) != EsitoDiz::ok) continue;
      Cedi cedi;
      indicizza(*diz, cedi);
      x.indici.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*diz)));
      const int slot = static_cast<int>(x.fonti.size()) + 1;
      x.fonti.push_back({diz.get(), x.indici.back().get(), tipoDizionario(slot, nome), slot == 1});
      x.diz.push_back(std::move(diz));
    }
    x.liste = leggiListePunteggi(Share.string());
    x.liste.escluse.clear();  // the check counts every word of the dictionaries
    const auto t0 = Orologio::now();
    x.lessico = costruisciLessico(x.fonti, x.liste);
    x.msLessico = std::chrono::duration<double, std::milli>(Orologio::now() - t0).count();
    return x;
  }();
  return d;
}

double microsecondi(Orologio::time_point t0) {
  return std::chrono::duration<double, std::micro>(Orologio::now() - t0).count();
}

// The processor time of this thread, in microseconds: on a shared machine
// the wall clock also counts the time other programs took.
double cpuMicrosecondi() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// One analysis, timed on both clocks.
Riempibilita analizzaMisurando(const Lessico& l, const Schema& s, std::vector<double>& us, std::vector<double>& cpu) {
  const auto t0 = Orologio::now();
  const double c0 = cpuMicrosecondi();
  Riempibilita a = analizzaRiempibilita(l, s);
  cpu.push_back(cpuMicrosecondi() - c0);
  us.push_back(microsecondi(t0));
  return a;
}

void riportaCpu(benchmark::State& state, const std::vector<double>& cpu) {
  const Tempi t = statistiche(cpu);
  state.counters["cpu_median_us"] = t.mediana;
  state.counters["cpu_p99_us"] = t.p99;
  state.counters["cpu_max_us"] = t.massimo;
}

void Lessico_(benchmark::State& state) {
  const Dizionari& d = dizionari();
  if (d.fonti.size() < 2) {
    state.SkipWithError("mancano base.diz e nomi.diz in build/release/share");
    return;
  }
  for (auto _ : state) {
    Lessico l = costruisciLessico(d.fonti, d.liste);
    benchmark::DoNotOptimize(l);
  }
  state.counters["parole"] = static_cast<double>(d.lessico.parole());
  state.counters["MB"] = static_cast<double>(d.lessico.memoria()) / 1e6;
}

void Griglia(benchmark::State& state, Schema s) {
  const Dizionari& d = dizionari();
  Riempibilita a;
  std::vector<double> us, cpu;
  for (auto _ : state) a = analizzaMisurando(d.lessico, s, us, cpu);
  riporta(state, statistiche(us));
  riportaCpu(state, cpu);
  state.counters["riempibile"] = a.riempibile ? 1 : 0;
  state.counters["percorsi"] = static_cast<double>(a.mappa.percorsi.size());
  state.counters["bloccanti"] = a.bloccanti;
}

// A pattern of `righe` x `colonne` with about one black cell in six, in
// rotational symmetry, drawn with a fixed seed.
Schema schemaCasuale(int righe, int colonne, unsigned seme) {
  std::mt19937 rng(seme);
  Schema s;
  s.crea(static_cast<std::int16_t>(righe), static_cast<std::int16_t>(colonne));
  for (int r = 0; r < righe; ++r)
    for (int c = 0; c < colonne; ++c)
      if (rng() % 6 == 0) {
        s.scrivi(r, c, CellaNera);
        s.scrivi(righe - 1 - r, colonne - 1 - c, CellaNera);
      }
  return s;
}

// The first grid of that size in the benchmark set, else a random pattern.
Schema schemaDi(const std::vector<std::pair<std::string, Schema>>& griglie, int righe, int colonne) {
  for (const auto& [nome, s] : griglie)
    if (s.Righe == righe && s.Colonne == colonne) return s;
  return schemaCasuale(righe, colonne, 7);
}

// How often each letter occurs in Italian text, in tenths of a percent.
constexpr double Frequenza[26] = {117, 9, 45, 37, 118, 12, 16, 15, 113, 0.1, 0.1, 65, 25,
                                  69,  98, 31, 5, 64, 50, 56, 30, 21, 0.1, 0.1, 0.1, 5};

// 500 edits of one white cell each, as a setter at work makes them: 15 in
// 20 type a letter the cell may still take, drawn by its frequency (any
// letter when the cell may take none), 1 in 20 any letter, 4 in 20 empty the
// cell; and while the grid is not fillable, three edits in four take the
// last one back.
void Modifiche(benchmark::State& state, Schema iniziale) {
  const Dizionari& d = dizionari();
  std::vector<double> us, cpu;
  int riempibili = 0;
  for (auto _ : state) {
    us.clear();
    cpu.clear();
    riempibili = 0;
    Schema s = iniziale;
    std::mt19937 rng(15);
    std::vector<std::pair<int, int>> bianche;
    for (int r = 0; r < s.Righe; ++r)
      for (int c = 0; c < s.Colonne; ++c)
        if (!eNera(s.cella(r, c))) bianche.push_back({r, c});
    Riempibilita a = analizzaRiempibilita(d.lessico, s);
    std::vector<std::pair<std::pair<int, int>, char>> fatte;
    for (int e = 0; e < 500; ++e) {
      if (!a.riempibile && !fatte.empty() && rng() % 4 != 0) {
        const auto [rc, prima] = fatte.back();
        fatte.pop_back();
        s.scrivi(rc.first, rc.second, prima);
        a = analizzaMisurando(d.lessico, s, us, cpu);
        riempibili += a.riempibile ? 1 : 0;
        continue;
      }
      const auto [r, c] = bianche[rng() % bianche.size()];
      const unsigned tipo = rng() % 20;
      char ch = static_cast<char>('A' + rng() % 26);
      if (tipo >= 16) {
        ch = CellaVuota;
      } else if (tipo < 15) {
        const Lettere l = a.lettereDi(r, c);
        double peso[26], totale = 0;
        for (int x = 0; x < 26; ++x) totale += peso[x] = (l >> x & 1u) != 0 ? Frequenza[x] : 0;
        double t = std::uniform_real_distribution<double>(0, totale)(rng);
        for (int x = 0; x < 26 && totale > 0; ++x)
          if ((t -= peso[x]) < 0 && peso[x] > 0) {
            ch = static_cast<char>('A' + x);
            break;
          }
      }
      fatte.push_back({{r, c}, s.cella(r, c)});
      s.scrivi(r, c, ch);
      a = analizzaMisurando(d.lessico, s, us, cpu);
      riempibili += a.riempibile ? 1 : 0;
    }
  }
  riporta(state, statistiche(us));
  riportaCpu(state, cpu);
  state.counters["riempibili"] = riempibili / 500.0;
}

std::vector<std::pair<std::string, Schema>> griglie() {
  std::vector<std::pair<std::string, Schema>> v;
  const char* altra = std::getenv("TESSARO_GRIGLIE");
  const fs::path cartella = altra != nullptr && *altra != '\0' ? fs::path(altra) : fs::path(TESSARO_SOURCE_DIR) / "bench" / "griglie";
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(cartella, ec)) {
    if (e.path().extension() != ".tes") continue;
    std::string dati;
    if (!leggiFileIntero(e.path(), dati)) continue;
    LetturaTes l = leggiTes(dati);
    if (!l) continue;
    l.schema->normalizzaNere();
    v.emplace_back(e.path().filename().string(), std::move(*l.schema));
  }
  std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return v;
}

const bool registrati = [] {
  const auto g = griglie();
  benchmark::RegisterBenchmark("Lessico", Lessico_)->Unit(benchmark::kMillisecond)->Iterations(3);
  for (const auto& [nome, s] : g)
    benchmark::RegisterBenchmark(("Griglia/" + nome).c_str(), Griglia, s)->Unit(benchmark::kMicrosecond)->Iterations(20);
  // The largest grids the program makes, with random patterns.
  for (const unsigned seme : {1u, 2u, 3u})
    benchmark::RegisterBenchmark(("Griglia/casuale-25x35-" + std::to_string(seme)).c_str(), Griglia,
                                 schemaCasuale(25, 35, seme))
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(20);
  benchmark::RegisterBenchmark("Modifiche/15x15", Modifiche, schemaDi(g, 15, 15))->Unit(benchmark::kMillisecond)->Iterations(1);
  benchmark::RegisterBenchmark("Modifiche/21x25", Modifiche, schemaDi(g, 21, 25))->Unit(benchmark::kMillisecond)->Iterations(1);
  return true;
}();

}  // namespace
}  // namespace tessaro
