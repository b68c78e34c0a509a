// The fill benchmark: every grid of bench/griglie/ with several seeds, per
// class success rate within the time limit, median and 90th percentile time
// and mean word score, beside a plain chronological backtracking fill (no
// arc consistency, words in the vocabulary's order) on the same grids.
//
// Dictionaries: TESSARO_BASE_DIZ and TESSARO_NOMI_DIZ (default: the build's
// share/base.diz and share/nomi.diz). TESSARO_RIEMPI_SEMI seeds per grid
// (default 5), TESSARO_RIEMPI_TEMPO the limit in seconds (default 10; the
// 15 x 21 and 21 x 25 grids get three times as much), TESSARO_BASE_TEMPO the
// baseline's limit (default the same). The grid-by-grid table goes to stderr.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "files/FileTes.h"
#include "fill/Lessico.h"
#include "fill/Percorsi.h"
#include "fill/Riempimento.h"

namespace tessaro {
namespace {

using Orologio = std::chrono::steady_clock;

double numeroDa(const char* variabile, double predefinito) {
  const char* v = std::getenv(variabile);
  return v != nullptr && *v != '\0' ? std::atof(v) : predefinito;
}

std::string percorsoDa(const char* variabile, const std::string& predefinito) {
  const char* v = std::getenv(variabile);
  return v != nullptr && *v != '\0' ? std::string(v) : predefinito;
}

struct Dizionari {
  Dizionario base, nomi;
  IndiceRicerca ixBase, ixNomi;
  Lessico lessico;
  bool ok = false;
};

bool leggiDiz(const std::string& p, Dizionario& d) {
  std::string dati;
  if (!leggiFileIntero(p, dati)) return false;
  d.nome = std::filesystem::path(p).filename().string();
  return decodificaDiz(dati, d.testo) == EsitoDiz::ok;
}

const Dizionari& dizionari() {
  static Dizionari d = [] {
    Dizionari x;
    const std::string share = std::string(TESSARO_BIN_DIR) + "/../share/";
    const std::string base = percorsoDa("TESSARO_BASE_DIZ", share + "base.diz");
    const std::string nomi = percorsoDa("TESSARO_NOMI_DIZ", share + "nomi.diz");
    if (!leggiDiz(base, x.base) || !leggiDiz(nomi, x.nomi)) return x;
    x.ixBase = costruisciIndiceRicerca(x.base);
    x.ixNomi = costruisciIndiceRicerca(x.nomi);
    const FonteLessico fonti[] = {{&x.base, &x.ixBase, TipoDizionario::Base, true},
                                  {&x.nomi, &x.ixNomi, TipoDizionario::Nomi, false}};
    x.lessico = costruisciLessico(fonti, leggiListePunteggi(std::filesystem::path(base).parent_path().string()));
    x.ok = true;
    return x;
  }();
  return d;
}

struct Griglia {
  std::string nome;
  char classe = 'a';
  Schema schema;
};

std::vector<Griglia> griglie() {
  std::vector<Griglia> v;
  const std::filesystem::path cartella = std::filesystem::path(TESSARO_SOURCE_DIR) / "bench" / "griglie";
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(cartella, ec)) {
    if (e.path().extension() != ".tes") continue;
    std::string byte;
    if (!leggiFileIntero(e.path(), byte)) continue;
    LetturaTes l = leggiTes(byte);
    if (!l) continue;
    v.push_back({e.path().filename().string(), e.path().filename().string()[0], std::move(*l.schema)});
  }
  std::sort(v.begin(), v.end(), [](const Griglia& a, const Griglia& b) { return a.nome < b.nome; });
  return v;
}

// The baseline: runs in word-number order, each given the first word of the
// vocabulary that agrees with the letters now in its cells and is not used
// yet; on a dead end, back to the previous run's next word. A timeout proves
// nothing, so it is told apart from a search that ran out of words.
enum class Semplice { Riempita, Impossibile, Tempo };

Semplice riempiSemplice(const Lessico& lex, Schema s, double limite, std::uint64_t& nodi) {
  const MappaPercorsi m = mappaPercorsi(s);
  std::vector<int> var;
  for (std::size_t i = 0; i < m.percorsi.size(); ++i) {
    const Percorso& p = m.percorsi[i];
    bool vuota = false;
    for (int k = 0; k < p.lunghezza; ++k) vuota = vuota || s.cella(p.rigaDi(k), p.colDi(k)) == CellaVuota;
    if (vuota) var.push_back(static_cast<int>(i));
  }
  const auto t0 = Orologio::now();
  std::vector<std::uint32_t> prossima(var.size(), 0);
  std::vector<std::string> prima(var.size());
  std::map<std::pair<int, std::uint32_t>, int> usate;
  std::size_t d = 0;
  while (d < var.size()) {
    if (std::chrono::duration<double>(Orologio::now() - t0).count() > limite) return Semplice::Tempo;
    const Percorso& p = m.percorsi[static_cast<std::size_t>(var[d])];
    const ClasseParole* cl = lex.classe(static_cast<std::size_t>(p.lunghezza));
    if (prima[d].empty()) {
      for (int k = 0; k < p.lunghezza; ++k) prima[d] += s.cella(p.rigaDi(k), p.colDi(k));
    }
    bool trovata = false;
    for (std::uint32_t w = prossima[d]; cl != nullptr && w < cl->n; ++w) {
      const std::string_view x = cl->parola(w);
      bool va = true;
      for (int k = 0; k < p.lunghezza && va; ++k) va = prima[d][static_cast<std::size_t>(k)] == CellaVuota || prima[d][static_cast<std::size_t>(k)] == x[static_cast<std::size_t>(k)];
      if (!va || usate.count({p.lunghezza, w}) != 0) continue;
      ++nodi;
      for (int k = 0; k < p.lunghezza; ++k) s.scrivi(p.rigaDi(k), p.colDi(k), x[static_cast<std::size_t>(k)]);
      usate[{p.lunghezza, w}] = 1;
      prossima[d] = w + 1;
      trovata = true;
      break;
    }
    if (trovata) {
      ++d;
      continue;
    }
    // Dead end: this run starts over, the previous one moves on.
    prossima[d] = 0;
    prima[d].clear();
    if (d == 0) return Semplice::Impossibile;
    --d;
    const Percorso& q = m.percorsi[static_cast<std::size_t>(var[d])];
    for (int k = 0; k < q.lunghezza; ++k) s.scrivi(q.rigaDi(k), q.colDi(k), prima[d][static_cast<std::size_t>(k)]);
    usate.erase({q.lunghezza, prossima[d] - 1});
  }
  return Semplice::Riempita;
}

struct Misure {
  std::vector<double> ms;  // successes only
  int prove = 0, riuscite = 0;
  double punteggi = 0;
  std::vector<double> msBase;
  int proveBase = 0, riusciteBase = 0;
};

double percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

void BM_Riempimento(benchmark::State& state) {
  const char classe = static_cast<char>(state.range(0));
  const Dizionari& d = dizionari();
  if (!d.ok) {
    state.SkipWithError("dizionari non trovati (TESSARO_BASE_DIZ, TESSARO_NOMI_DIZ)");
    return;
  }
  const int semi = static_cast<int>(numeroDa("TESSARO_RIEMPI_SEMI", 5));
  const double tempo = numeroDa("TESSARO_RIEMPI_TEMPO", 10);
  const double tempoBase = numeroDa("TESSARO_BASE_TEMPO", tempo);
  Misure m;
  for (auto _ : state) {
    for (const Griglia& g : griglie()) {
      if (g.classe != classe) continue;
      const double limite = (g.schema.Righe >= 15 && g.schema.Colonne >= 21) ? 3 * tempo : tempo;
      for (int seme = 1; seme <= semi; ++seme) {
        OpzioniRiempimento o;
        o.seme = static_cast<std::uint64_t>(seme);
        o.tempoMassimo = limite;
        const RisultatoRiempimento r = riempi(d.lessico, g.schema, o);
        ++m.prove;
        const bool ok = r.esito == EsitoRiempimento::Riempito;
        std::fprintf(stderr, "%-18s seme %d  %-14s %9.1f ms  nodi %8llu  ritorni %8llu  punteggio %.1f\n", g.nome.c_str(),
                     seme, ok ? "riempita" : messaggioRiempimento(r, o).substr(0, 14).c_str(), r.secondi * 1000,
                     static_cast<unsigned long long>(r.nodi), static_cast<unsigned long long>(r.fallimenti),
                     r.punteggioMedio);
        // Class e: a proof of impossibility counts as the success.
        const bool riuscita = classe == 'e' ? (r.esito == EsitoRiempimento::SenzaCandidati || r.esito == EsitoRiempimento::Esaurito) : ok;
        if (riuscita) {
          ++m.riuscite;
          m.ms.push_back(r.secondi * 1000);
          m.punteggi += r.punteggioMedio;
        }
      }
      std::uint64_t nodi = 0;
      const auto t0 = Orologio::now();
      const Semplice esito = riempiSemplice(d.lessico, g.schema, tempoBase, nodi);
      const double ms = std::chrono::duration<double, std::milli>(Orologio::now() - t0).count();
      std::fprintf(stderr, "%-18s base    %-14s %9.1f ms  nodi %8llu\n", g.nome.c_str(),
                   esito == Semplice::Riempita ? "riempita" : esito == Semplice::Impossibile ? "impossibile" : "tempo", ms,
                   static_cast<unsigned long long>(nodi));
      ++m.proveBase;
      if (esito == (classe == 'e' ? Semplice::Impossibile : Semplice::Riempita)) {
        ++m.riusciteBase;
        m.msBase.push_back(ms);
      }
    }
  }
  state.counters["prove"] = m.prove;
  state.counters["riuscite_pct"] = m.prove > 0 ? 100.0 * m.riuscite / m.prove : 0;
  state.counters["mediana_ms"] = percentile(m.ms, 0.5);
  state.counters["p90_ms"] = percentile(m.ms, 0.9);
  state.counters["punteggio"] = m.riuscite > 0 ? m.punteggi / m.riuscite : 0;
  state.counters["base_riuscite_pct"] = m.proveBase > 0 ? 100.0 * m.riusciteBase / m.proveBase : 0;
  state.counters["base_mediana_ms"] = percentile(m.msBase, 0.5);
}
BENCHMARK(BM_Riempimento)->Arg('a')->Arg('b')->Arg('c')->Arg('d')->Arg('e')->Arg('s')->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Lessico(benchmark::State& state) {
  const Dizionari& d = dizionari();
  if (!d.ok) {
    state.SkipWithError("dizionari non trovati");
    return;
  }
  const FonteLessico fonti[] = {{&d.base, &d.ixBase, TipoDizionario::Base, true},
                                {&d.nomi, &d.ixNomi, TipoDizionario::Nomi, false}};
  for (auto _ : state) benchmark::DoNotOptimize(costruisciLessico(fonti, {}));
  state.counters["parole"] = static_cast<double>(d.lessico.parole());
  state.counters["memoria_MB"] = static_cast<double>(d.lessico.memoria()) / 1e6;
}
BENCHMARK(BM_Lessico)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
