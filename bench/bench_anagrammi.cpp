// Anagrams of a 7-letter and a 12-letter word on a base dictionary: the plain
// scan, the index, and the index with a blank (wildcard) in the word.
// TESSARO_BASE_DIC names a plain-text dictionary (CR LF separated) to use;
// without it a synthetic Italian-like dictionary of 100,000 entries, a
// quarter of them ending in a vowel-group code, is generated.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "dict/GruppiVocalici.h"
#include "testtools/Anagrammi.h"

namespace {

using namespace tessaro;

std::string sinteticoItaliano(std::size_t voci) {
  std::mt19937 rng(1234);
  const std::string consonanti = "BCDFGLMNPRSTVZ";
  const std::string vocali = "AEIOU";
  const std::string codici = "!#$%&()=+-@";
  // Lengths 2..15, most of them around 7 to 10 as in an Italian word list.
  std::discrete_distribution<int> lunghezza({0, 0, 1, 3, 5, 8, 10, 12, 12, 11, 9, 7, 5, 3, 2, 1});
  std::set<std::string> parole;
  while (parole.size() < voci) {
    const int n = lunghezza(rng);
    std::string p;
    while (static_cast<int>(p.size()) < n) {
      if (rng() % 4 != 0) p += consonanti[rng() % consonanti.size()];
      if (rng() % 7 == 0) p += consonanti[rng() % consonanti.size()];
      p += vocali[rng() % vocali.size()];
    }
    p.resize(static_cast<std::size_t>(n));
    if (rng() % 4 == 0) p.back() = codici[rng() % codici.size()];
    parole.insert(p);
  }
  std::string testo = "' dizionario di prova\r\n";
  for (const auto& p : parole) testo += p + "\r\n";
  return testo;
}

const Dizionario& base() {
  static const Dizionario d = [] {
    Dizionario r;
    r.nome = "base.diz";
    if (const char* percorso = std::getenv("TESSARO_BASE_DIC")) {
      std::ifstream f(percorso, std::ios::binary);
      r.testo.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    if (r.testo.empty()) r.testo = sinteticoItaliano(100000);
    return r;
  }();
  return d;
}

const IndiceAnagrammi& indice() {
  static const IndiceAnagrammi ix = costruisciIndiceAnagrammi(base());
  return ix;
}

// A word of n letters made from an entry of the dictionary, letters reversed,
// so that it has at least one anagram.
std::string parolaDi(std::size_t n) {
  std::string scelta;
  std::size_t viste = 0;
  perOgniVoce(base().testo, 0, [&](const Voce& v) {
    if (v.testo.size() != n || eCommento(v.testo) || v.testo.find(' ') != std::string_view::npos) return true;
    if (++viste % 97 == 0 || scelta.empty()) scelta = v.testo;
    return viste < 5000;
  });
  if (!scelta.empty() && eCodiceGruppo(scelta.back())) scelta.back() = vocaliGruppo(scelta.back()).front();
  std::reverse(scelta.begin(), scelta.end());
  return scelta;
}

void riporta(benchmark::State& state, const std::string& w, const RisultatoAnagrammi& r) {
  state.SetLabel(w);
  state.counters["anagrammi"] = r.NumRisultati;
  state.counters["voci"] = static_cast<double>(indice().numeroVoci());
}

void BM_IndiceAnagrammi_Costruzione(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(costruisciIndiceAnagrammi(base()));
  state.counters["byte"] = static_cast<double>(base().testo.size());
}
BENCHMARK(BM_IndiceAnagrammi_Costruzione)->Unit(benchmark::kMillisecond);

void BM_Anagrammi_Scansione(benchmark::State& state) {
  const std::string w = parolaDi(static_cast<std::size_t>(state.range(0)));
  RisultatoAnagrammi r;
  for (auto _ : state) {
    Cedi cedi;
    r = anagrammi(base(), w, cedi);
    benchmark::DoNotOptimize(r);
  }
  riporta(state, w, r);
}
BENCHMARK(BM_Anagrammi_Scansione)->Arg(7)->Arg(12)->Unit(benchmark::kMicrosecond);

void BM_Anagrammi_Indice(benchmark::State& state) {
  const std::string w = parolaDi(static_cast<std::size_t>(state.range(0)));
  RisultatoAnagrammi r;
  for (auto _ : state) {
    Cedi cedi;
    r = anagrammi(indice(), base(), w, cedi);
    benchmark::DoNotOptimize(r);
  }
  riporta(state, w, r);
}
BENCHMARK(BM_Anagrammi_Indice)->Arg(7)->Arg(12)->Unit(benchmark::kMicrosecond);

void BM_Anagrammi_IndiceConJolly(benchmark::State& state) {
  std::string w = parolaDi(static_cast<std::size_t>(state.range(0)));
  if (w.size() > 2) w[w.size() / 2] = ' ';
  RisultatoAnagrammi r;
  for (auto _ : state) {
    Cedi cedi;
    r = anagrammi(indice(), base(), w, cedi);
    benchmark::DoNotOptimize(r);
  }
  riporta(state, w, r);
}
BENCHMARK(BM_Anagrammi_IndiceConJolly)->Arg(7)->Arg(12)->Unit(benchmark::kMicrosecond);

}  // namespace
