// A stand-in for libFuzzer's main when the compiler has none: replays every
// file of the corpus folder, then a bounded number of random mutations of
// them (byte flips, cuts, insertions), so the test command exercises the
// target for a bounded time under the sanitizers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: %s CARTELLA_CORPUS [--runs=N]\n", argv[0]);
    return 2;
  }
  long runs = 10000;
  for (int i = 2; i < argc; ++i)
    if (std::strncmp(argv[i], "--runs=", 7) == 0) runs = std::strtol(argv[i] + 7, nullptr, 10);

  std::vector<std::string> corpus;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(argv[1], ec)) {
    std::ifstream in(e.path(), std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (corpus.empty()) corpus.emplace_back();
  for (const auto& c : corpus)
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(c.data()), c.size());

  std::mt19937 rng(12345);
  for (long r = 0; r < runs; ++r) {
    std::string s = corpus[rng() % corpus.size()];
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < edits; ++k) {
      switch (rng() % 4) {
        case 0:
          if (!s.empty()) s[rng() % s.size()] = static_cast<char>(rng());
          break;
        case 1:
          if (!s.empty()) s.resize(rng() % s.size());
          break;
        case 2:
          s.insert(s.begin() + static_cast<long>(s.empty() ? 0 : rng() % s.size()), static_cast<char>(rng()));
          break;
        default:
          if (!s.empty()) s.erase(rng() % s.size(), 1 + rng() % 8);
          break;
      }
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
  }
  std::printf("%ld runs over %zu corpus files: no fault\n", runs, corpus.size());
  return 0;
}
