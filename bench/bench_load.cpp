// Loading the dictionaries: the loader's own work (decode through the decoder
// library, read, index, order check) on the shipped base.diz and on the
// stress dictionary of about three million entries, and the viewer's fill.
//
//   cmake --preset release && cmake --build build/release -j2 --target bench_load dizionari TESSDLL stress_dic
//   build/release/bin/bench_load
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>

#include "dict/CaricaDizionari.h"
#include "dict/CartellaScratch.h"
#include "search/IndiceRicerca.h"
#include "dict/IndiceDizionario.h"
#include "dict/Visore.h"

namespace {

namespace fs = std::filesystem;
using FunzioneMyfunc = std::int16_t (*)(std::int16_t);

const fs::path Bin = TESSARO_BIN_DIR;
const fs::path BaseDiz = Bin / ".." / "share" / "base.diz";
const fs::path StressDic = Bin / ".." / "stress" / "stress.dic";

// A program folder holding only a copy of base.diz, the current directory
// while it lives, and the scratch folder of this process.
class CartellaProva {
 public:
  CartellaProva() {
    std::string m = (fs::temp_directory_path() / "tessaro-bench-XXXXXX").string();
    if (::mkdtemp(m.data()) == nullptr) return;
    dir_ = m;
    std::error_code ec;
    fs::copy_file(BaseDiz, dir_ / "base.diz", ec);
    if (ec) return;
    vecchia_ = fs::current_path();
    fs::current_path(dir_);
    pronta_ = tessaro::creaCartellaScratch(scratch_).empty();
  }
  ~CartellaProva() {
    if (!vecchia_.empty()) fs::current_path(vecchia_);
    tessaro::rimuoviCartellaScratch(scratch_);
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
  }
  bool pronta() const { return pronta_; }
  const fs::path& dir() const { return dir_; }
  const fs::path& scratch() const { return scratch_; }

 private:
  fs::path dir_, vecchia_, scratch_;
  bool pronta_ = false;
};

// MYFUNC, with the scratch folder named to the library.
FunzioneMyfunc caricaDecoder(const fs::path& scratch) {
  void* lib = ::dlopen((Bin / "libTESSDLL.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  if (lib == nullptr) return nullptr;
  auto cartella = reinterpret_cast<std::int16_t (*)(const char*)>(::dlsym(lib, "TESSDLL_CARTELLA"));
  if (cartella == nullptr || cartella(scratch.c_str()) != 0) return nullptr;
  return reinterpret_cast<FunzioneMyfunc>(::dlsym(lib, "MYFUNC"));
}

void BM_CaricaBaseDiz(benchmark::State& state) {
  CartellaProva c;
  FunzioneMyfunc myfunc = c.pronta() ? caricaDecoder(c.scratch()) : nullptr;
  if (myfunc == nullptr) {
    state.SkipWithError("manca libTESSDLL.so o base.diz (target TESSDLL e dizionari)");
    return;
  }
  std::size_t voci = 0;
  for (auto _ : state) {
    tessaro::Cedi cedi;
    tessaro::EsitoCaricamento e = tessaro::caricaDizionari(c.dir(), myfunc, c.scratch(), cedi);
    if (!e.ok()) {
      state.SkipWithError(e.errore.c_str());
      return;
    }
    voci = static_cast<std::size_t>(std::count(e.archivio.slot[1].testo.begin(), e.archivio.slot[1].testo.end(), '\n'));
    benchmark::DoNotOptimize(e);
  }
  state.counters["voci"] = static_cast<double>(voci);
}
BENCHMARK(BM_CaricaBaseDiz)->Unit(benchmark::kMillisecond);

void BM_CaricaStressDic(benchmark::State& state) {
  if (!fs::exists(StressDic)) {
    state.SkipWithError("manca stress.dic (target stress_dic)");
    return;
  }
  std::size_t voci = 0;
  for (auto _ : state) {
    tessaro::Dizionario d;
    d.nome = "stress.dic";
    if (!tessaro::leggiFileIntero(StressDic, d.testo)) {
      state.SkipWithError("stress.dic illeggibile");
      return;
    }
    tessaro::normalizzaTestoPiano(d.testo);
    tessaro::Cedi cedi;
    auto avvisi = tessaro::indicizza(d, cedi);
    benchmark::DoNotOptimize(avvisi);
    voci = d.testo.size();
  }
  state.counters["byte"] = static_cast<double>(voci);
}
BENCHMARK(BM_CaricaStressDic)->Unit(benchmark::kMillisecond);

// The whole of what the program does at load time for the stress list: read,
// normalise, letter index and order check, then the search index the word
// search and the crossing test use.
void BM_CaricaStressDicConIndiceRicerca(benchmark::State& state) {
  if (!fs::exists(StressDic)) {
    state.SkipWithError("manca stress.dic (target stress_dic)");
    return;
  }
  std::size_t memoria = 0;
  for (auto _ : state) {
    tessaro::Dizionario d;
    d.nome = "stress.dic";
    if (!tessaro::leggiFileIntero(StressDic, d.testo)) {
      state.SkipWithError("stress.dic illeggibile");
      return;
    }
    tessaro::normalizzaTestoPiano(d.testo);
    tessaro::Cedi cedi;
    auto avvisi = tessaro::indicizza(d, cedi);
    tessaro::IndiceRicerca ix = tessaro::costruisciIndiceRicerca(d);
    memoria = ix.memoria();
    benchmark::DoNotOptimize(avvisi);
    benchmark::DoNotOptimize(ix);
  }
  state.counters["indice_MB"] = static_cast<double>(memoria) / 1e6;
}
BENCHMARK(BM_CaricaStressDicConIndiceRicerca)->Unit(benchmark::kMillisecond);

void BM_IndiceStressDic(benchmark::State& state) {
  tessaro::Dizionario d;
  if (!tessaro::leggiFileIntero(StressDic, d.testo)) {
    state.SkipWithError("manca stress.dic (target stress_dic)");
    return;
  }
  for (auto _ : state) {
    tessaro::Cedi cedi;
    auto avvisi = tessaro::indicizza(d, cedi);
    benchmark::DoNotOptimize(avvisi);
  }
}
BENCHMARK(BM_IndiceStressDic)->Unit(benchmark::kMillisecond);

void BM_RiempiVisoreBase(benchmark::State& state) {
  CartellaProva c;
  FunzioneMyfunc myfunc = c.pronta() ? caricaDecoder(c.scratch()) : nullptr;
  if (myfunc == nullptr) {
    state.SkipWithError("manca libTESSDLL.so o base.diz (target TESSDLL e dizionari)");
    return;
  }
  tessaro::Cedi cedi;
  tessaro::EsitoCaricamento e = tessaro::caricaDizionari(c.dir(), myfunc, c.scratch(), cedi);
  if (!e.ok()) {
    state.SkipWithError(e.errore.c_str());
    return;
  }
  std::int32_t n = 0;
  for (auto _ : state) {
    tessaro::ContenutoVisore v = tessaro::riempiVisore(e.archivio.slot[1], 1, cedi);
    n = v.conteggio;
    benchmark::DoNotOptimize(v);
  }
  state.counters["voci"] = n;
}
BENCHMARK(BM_RiempiVisoreBase)->Unit(benchmark::kMillisecond);

}  // namespace
