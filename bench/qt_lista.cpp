// The window's side of a long result list, offscreen: an extended search of
// 100,000 result lines shown in the result list.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

#include "platform/ListBox.h"

namespace {

// Lines as cerca produces them, then the list filled with them.
void BM_ListaRisultati100k(benchmark::State& st) {
  std::vector<std::string> righe;
  righe.reserve(100000);
  for (int i = 0; i < 100000; ++i) righe.push_back("PAROLA" + std::to_string(i) + " -1");
  tessaro::ListBox lista;
  lista.resize(300, 600);
  lista.show();
  for (auto _ : st) {
    lista.Clear();
    QStringList q;
    q.reserve(static_cast<qsizetype>(righe.size()));
    for (const auto& s : righe) q.append(QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())));
    lista.addItems(q);
    QApplication::processEvents();
    benchmark::DoNotOptimize(lista.ListCount());
  }
}
BENCHMARK(BM_ListaRisultati100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
