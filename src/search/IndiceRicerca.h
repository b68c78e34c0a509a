// The search index of one dictionary, built once after loading. It lets the
// search and the crossing test visit only the entries of the right length
// whose letters can fit, instead of walking the whole text, and gives the
// same lines in the same order as the walk.
//
// Entries are grouped by length; each group keeps its entries' text offsets
// in text order and a copy of their characters column by column (one column
// per position), so a block of 64 entries is tested against a letter with a
// few vector compares. Memory: one byte per entry character plus four bytes
// per entry.
#pragma once

#include "dict/Dizionario.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaro {

// The entries of one length, in text order.
struct ClasseLunghezza {
  std::uint32_t n = 0;      // number of entries
  std::uint32_t passo = 0;  // column stride: n rounded up to a multiple of 64
  std::vector<std::uint32_t> inizio;   // text offset of each entry
  std::vector<unsigned char> colonne;  // character p of entry i at p * passo + i
  // Entries holding a character at or below "@" before their last position:
  // such a character stands for any letter, so these entries can fit a
  // request whose fixed head sorts above theirs.
  std::vector<std::uint32_t> eccezioni;
  // Per position: [0] entries with a character at or below "@", [1..26] with
  // each letter; used to test the rarest letter first.
  std::vector<std::array<std::uint32_t, 27>> conteggi;
};

class IndiceRicerca {
 public:
  // Longest entry kept in the index; longer requests use the walk.
  static constexpr std::size_t LunghezzaMassima = 255;

  // True when the index can stand in for the walk over `d`: it was built from
  // this text and the entries (comments and empty lines aside) are sorted by
  // character code, which the walk's early stop takes for granted.
  bool utilizzabile(const Dizionario& d) const {
    return costruito_ && ordinato_ && dimensioneTesto_ == d.testo.size();
  }
  bool ordinato() const { return ordinato_; }

  // The entries of length L, or null when there are none.
  const ClasseLunghezza* classe(std::size_t L) const {
    return L < classi_.size() && classi_[L].n > 0 ? &classi_[L] : nullptr;
  }

  std::size_t memoria() const;  // bytes held

 private:
  friend IndiceRicerca costruisciIndiceRicerca(const Dizionario& d);
  std::vector<ClasseLunghezza> classi_;
  std::size_t dimensioneTesto_ = 0;
  bool costruito_ = false;
  bool ordinato_ = false;
};

IndiceRicerca costruisciIndiceRicerca(const Dizionario& d);

// Byte offset where the run of entries with initial `c` starts, as the letter
// index records it; nothing when no run is recorded (or the recorded value
// is not the start of an entry of the text).
std::optional<std::size_t> inizioRun(const Dizionario& d, char c);

// One column test: the entry character at `pos` equals `c`, or (when `basso`)
// is at or below "@".
struct Vincolo {
  std::uint16_t pos = 0;
  unsigned char c = 0;
  bool basso = false;
};

// Puts the most selective test first.
void ordinaVincoli(const ClasseLunghezza& cl, std::span<Vincolo> v);

// First class position in [a, b) whose entry starts at or after `offset`.
std::uint32_t primaDa(const ClasseLunghezza& cl, std::uint32_t a, std::uint32_t b, std::size_t offset);

// First class position in [a, b) whose entry's first prefisso.size()
// characters sort at or above `prefisso` (or above it, when `oltre`). The
// entries must be at least that long and sorted.
std::uint32_t primoConPrefisso(const ClasseLunghezza& cl, std::string_view testo, std::uint32_t a,
                               std::uint32_t b, std::string_view prefisso, bool oltre);

enum class EsitoScorri { Finito, Fermato, Interrotto };

// A bit per entry of block [base, base + 64): entries passing the test.
// Columns are padded to a multiple of 64, so the block is always readable.
inline std::uint64_t maschera64(const ClasseLunghezza& cl, const Vincolo& v, std::uint32_t base) {
  const unsigned char* p = cl.colonne.data() + std::size_t{v.pos} * cl.passo + base;
#if defined(__SSE2__)
  const __m128i lettera = _mm_set1_epi8(static_cast<char>(v.c));
  const __m128i chiocciola = _mm_set1_epi8('@');
  std::uint64_t m = 0;
  for (int k = 0; k < 4; ++k) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
    __m128i ok = _mm_cmpeq_epi8(x, lettera);
    if (v.basso) ok = _mm_or_si128(ok, _mm_cmpeq_epi8(_mm_min_epu8(x, chiocciola), x));
    m |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(ok))} << (16 * k);
  }
  return m;
#else
  std::uint64_t m = 0;
  for (unsigned k = 0; k < 64; ++k) {
    const unsigned char x = p[k];
    if (x == v.c || (v.basso && x <= '@')) m |= std::uint64_t{1} << k;
  }
  return m;
#endif
}

// Calls f(i) for each class position i in [lo, hi) passing every test, in
// order, until f returns false (Fermato). `cedi` is called once per block of
// 64 entries; when it asks to stop, the scan ends (Interrotto).
template <class F>
EsitoScorri scorri(const ClasseLunghezza& cl, std::uint32_t lo, std::uint32_t hi, std::span<const Vincolo> v,
                   Cedi& cedi, F&& f) {
  if (lo >= hi) return EsitoScorri::Finito;
  for (std::uint32_t base = lo & ~63u; base < hi; base += 64) {
    if (cedi()) return EsitoScorri::Interrotto;
    std::uint64_t m = ~std::uint64_t{0};
    if (base < lo) m &= ~std::uint64_t{0} << (lo - base);
    if (hi - base < 64) m &= (std::uint64_t{1} << (hi - base)) - 1;
    for (const Vincolo& x : v) {
      if (m == 0) break;
      m &= maschera64(cl, x, base);
    }
    while (m != 0) {
      const auto bit = static_cast<std::uint32_t>(__builtin_ctzll(m));
      m &= m - 1;
      if (!f(base + bit)) return EsitoScorri::Fermato;
    }
  }
  return EsitoScorri::Finito;
}

}  // namespace tessaro
