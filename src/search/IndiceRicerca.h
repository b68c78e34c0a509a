// The search index of one dictionary, built once after loading. It lets the
// search and the crossing test visit only the entries of the right length
// whose letters can fit, instead of walking the whole text, and gives the
// same lines in the same order as the walk.
//
// Entries are grouped by length; each group keeps its entries' text offsets
// in text order and a copy of their characters column by column (one column
// per position), so a block of 64 entries is tested against a letter with a
// few vector compares, and a bit per block, position and letter says which
// blocks need testing at all. Memory: about one byte per entry character
// plus four bytes per entry.
#pragma once

#include "dict/Dizionario.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>


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
  // Per position and letter (0: characters at or below "@"), a bit per block
  // of 64 entries holding it somewhere: blocks without a fixed letter are
  // skipped unread. Sorted entries keep their first letters in long runs, so
  // this skips most blocks for a letter near the start.
  std::uint32_t paroleBlocchi = 0;  // 64-bit words per (position, letter)
  std::vector<std::uint64_t> presenze;
  const std::uint64_t* presenza(std::size_t pos, std::size_t lettera) const {
    return presenze.data() + (pos * 27 + lettera) * paroleBlocchi;
  }
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
  friend IndiceRicerca costruisciIndiceRicerca(const Dizionario& d, Cedi& cedi);
  std::vector<ClasseLunghezza> classi_;
  std::size_t dimensioneTesto_ = 0;
  bool costruito_ = false;
  bool ordinato_ = false;
};

// Builds the index of `d`, yielding through `cedi` as it goes (once per
// entry and per block of 64 entries of each pass), so the window stays
// responsive while a large dictionary is indexed. The build is not
// interrupted: a half-built index would hide words.
IndiceRicerca costruisciIndiceRicerca(const Dizionario& d, Cedi& cedi);
IndiceRicerca costruisciIndiceRicerca(const Dizionario& d);

// Byte offset where the run of entries with initial `c` starts, as the letter
// index records it; nothing when no run is recorded (or the recorded value
// is not the start of an entry of the text).
std::optional<std::size_t> inizioRun(const Dizionario& d, char c);

// One column test: the entry character at `pos` equals `c` (or, when
// `lettere` is not 0, is one of its letters: bit 0 = "A"), or (when `basso`)
// is at or below "@".
struct Vincolo {
  std::uint16_t pos = 0;
  unsigned char c = 0;
  bool basso = false;
  std::uint32_t lettere = 0;
};

// Puts the most selective test first, and drops the low-character part of a
// test where no entry of the class has such a character. Letter-set tests
// come last.
void ordinaVincoli(const ClasseLunghezza& cl, std::span<Vincolo> v);

// First class position in [a, b) whose entry starts at or after `offset`.
std::uint32_t primaDa(const ClasseLunghezza& cl, std::uint32_t a, std::uint32_t b, std::size_t offset);

// First class position in [a, b) whose entry's first prefisso.size()
// characters sort at or above `prefisso` (or above it, when `oltre`). The
// entries must be at least that long and sorted.
std::uint32_t primoConPrefisso(const ClasseLunghezza& cl, std::string_view testo, std::uint32_t a,
                               std::uint32_t b, std::string_view prefisso, bool oltre);

enum class EsitoScorri { Finito, Fermato, Interrotto };

// Appends to `out` the class positions in [lo, hi) whose entries pass every
// test, in order; returns how many. `out` must have room for hi - lo. Only
// the blocks whose bit is set in `filtro` (bit b: block b of each word of
// 64 blocks) are looked at. Uses AVX2 where the processor has it.
std::uint32_t raccogli(const ClasseLunghezza& cl, std::uint32_t lo, std::uint32_t hi, std::span<const Vincolo> v,
                       std::uint32_t* out, std::uint64_t filtro = ~std::uint64_t{0});

// Calls f(i) for each class position i in [lo, hi) passing every test, in
// order, until f returns false (Fermato). `cedi` is called once per 64
// entries scanned; when it asks to stop, the scan ends (Interrotto).
template <class F>
EsitoScorri scorri(const ClasseLunghezza& cl, std::uint32_t lo, std::uint32_t hi, std::span<const Vincolo> v,
                   Cedi& cedi, F&& f) {
  constexpr std::uint32_t PezzoMassimo = 8192;
  std::array<std::uint32_t, PezzoMassimo> trovati;
  // Small pieces first: a capped search often needs only the first few.
  std::uint32_t pezzo = 256;
  for (std::uint32_t da = lo; da < hi; da += pezzo, pezzo = std::min(pezzo * 2, PezzoMassimo)) {
    const std::uint32_t a = hi - da < pezzo ? hi : da + pezzo;
    for (std::uint32_t k = da; k < a; k += 64)
      if (cedi()) return EsitoScorri::Interrotto;
    const std::uint32_t n = raccogli(cl, da, a, v, trovati.data());
    for (std::uint32_t i = 0; i < n; ++i)
      if (!f(trovati[i])) return EsitoScorri::Fermato;
  }
  return EsitoScorri::Finito;
}

}  // namespace tessaro
