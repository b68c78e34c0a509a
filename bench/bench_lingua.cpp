// Speed of the linguistic engine on the Debian it_IT data: start-up, one
// synonym answer, one spelling answer.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/lingua/MotoreLinguistico.h"

namespace tessaro {
namespace {

// The antonym list beside the program, or the source copy when the build
// tree has none.
CartelleLingua cartelle() {
  namespace fs = std::filesystem;
  CartelleLingua c;
  c.fileContrari = TESSARO_BIN_DIR "/contrari.txt";
  if (!fs::exists(c.fileContrari))
    c.fileContrari = (fs::path(__FILE__).parent_path().parent_path() / "data" / "contrari.txt").string();
  return c;
}

MotoreLinguistico& motore() {
  static const auto m = [] {
    auto p = std::make_unique<MotoreLinguistico>(cartelle());
    if (!p->avvia()) p.reset();
    return p;
  }();
  return *m;
}

constexpr std::array<std::string_view, 6> PerSinonimi = {"casa", "CASA", "BELLA", "CITTA",
                                                          "alto", "XQZWT"};
constexpr std::array<std::string_view, 5> Corrette = {"casa", "CASA", "CITTA", "PERCHE",
                                                       "precipitevolissimevolmente"};
// Misspellings one or two edits away, lower and upper case.
constexpr std::array<std::string_view, 10> Errate = {
    "scrivanio", "machina",  "aereoplano", "ragazzzo", "finestraa",
    "MACHINA",   "SCUOLLA", "CAVALLLO",     "MANGARE",  "TAVOLLA"};
// Nothing one edit away: the quick pass finds nothing and the full pass
// (with n-grams) runs.
constexpr std::array<std::string_view, 4> Lontane = {"raggazo", "scsrivaniaa", "xqzwt",
                                                      "QWERTYUI"};

void BM_Avvia(benchmark::State& state) {
  for (auto _ : state) {
    MotoreLinguistico m(cartelle());
    benchmark::DoNotOptimize(m.avvia());
  }
  state.SetLabel("avvia + distruzione");
}
BENCHMARK(BM_Avvia)->Unit(benchmark::kMillisecond);

void BM_Sinonimi(benchmark::State& state) {
  const auto w = PerSinonimi[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    auto i = motore().SynonymInfo(w);
    benchmark::DoNotOptimize(i->SynonymList(1));
    benchmark::DoNotOptimize(i->AntonymList());
  }
  state.SetLabel(std::string(w));
}
BENCHMARK(BM_Sinonimi)->DenseRange(0, PerSinonimi.size() - 1)->Unit(benchmark::kMicrosecond);

void BM_OrtografiaCorretta(benchmark::State& state) {
  const auto w = Corrette[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(motore().GetSpellingSuggestions(w));
  state.SetLabel(std::string(w));
}
BENCHMARK(BM_OrtografiaCorretta)->DenseRange(0, Corrette.size() - 1)->Unit(benchmark::kMicrosecond);

void BM_OrtografiaErrata(benchmark::State& state) {
  const auto w = Errate[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(motore().GetSpellingSuggestions(w));
  state.SetLabel(std::string(w));
}
BENCHMARK(BM_OrtografiaErrata)->DenseRange(0, Errate.size() - 1)->Unit(benchmark::kMillisecond);

void BM_OrtografiaLontana(benchmark::State& state) {
  const auto w = Lontane[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(motore().GetSpellingSuggestions(w));
  state.SetLabel(std::string(w));
}
BENCHMARK(BM_OrtografiaLontana)->DenseRange(0, Lontane.size() - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
