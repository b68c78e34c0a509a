// The dictionary store and the one entry walker every dictionary walk uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <string_view>

namespace tessaro {

// Entries are separated by CR LF.
inline constexpr std::string_view CR_LF = "\r\n";

// One entry of a dictionary text: [inizio, fine) in the text, fine being the
// offset of the CR LF that ends it (or the text's size for a last entry
// without one).
struct Voce {
  std::string_view testo;
  std::size_t inizio = 0;
  std::size_t fine = 0;
};

// Walks the entries of `testo` from byte offset `da` (which must be the start
// of an entry) to the end. `f(const Voce&)` returns true to go on, false to
// stop. Every entry is visited, also a last entry of one or two letters and a
// last entry without its final CR LF; an empty text has no entries, and a
// final CR LF does not open an empty entry after it. Empty lines in the middle
// are visited as empty entries (callers skip them).
// Returns the offset where the walk stopped (the start of the entry for which
// f returned false), or testo.size() when it ran to the end.
template <class F>
std::size_t perOgniVoce(std::string_view testo, std::size_t da, F&& f) {
  std::size_t pos = da;
  while (pos < testo.size()) {
    std::size_t fine = testo.find(CR_LF, pos);
    if (fine == std::string_view::npos) fine = testo.size();
    if (!f(Voce{testo.substr(pos, fine - pos), pos, fine})) return pos;
    pos = fine + CR_LF.size();
  }
  return testo.size();
}

// A comment line starts with an apostrophe or "#"; it is never indexed,
// searched, listed or checked for order.
inline bool eCommento(std::string_view voce) {
  return !voce.empty() && (voce.front() == '\'' || voce.front() == '#');
}

// The yield point of the long walks (loading, search, crossing test, anagrams,
// viewer). Walks call it once per entry; it is cheap: it forwards to the window
// layer only every 256 calls, and the window layer pumps events only when
// about 15 ms of work have passed. It returns true when the walk must stop
// (the user clicked the interrupt panel).
class Cedi {
 public:
  Cedi() = default;
  explicit Cedi(std::function<bool()> f) : f_(std::move(f)) {}
  bool operator()() {
    if (!f_ || (++n_ & 255u) != 0) return fermo_;
    fermo_ = f_();
    return fermo_;
  }
  // Forwards at once (used between letters and lengths, not per entry).
  bool ora() {
    if (f_) fermo_ = f_();
    return fermo_;
  }
  bool fermo() const { return fermo_; }

 private:
  std::function<bool()> f_;
  unsigned n_ = 0;
  bool fermo_ = false;
};

inline constexpr int NumSlot = 8;          // slots 0..7; slot 0 is never used
inline constexpr int NumSlotVisibili = 6;  // slots 1..6 have a menu item and a panel

// One loaded dictionary: its file name, its whole plain text (CR LF
// separated) and the start of each initial's run.
struct Dizionario {
  std::string nome;   // DizNomi: the name as the folder scan returned it
  std::string testo;  // DizTesti: the plain text; its size is DizLung
  // DizIndice: byte offset + 1 of the start of the run of each initial
  // (index = character code - 64, "A" = 1 ... "Z" = 26; 0 = no run).
  std::array<std::int32_t, 27> indice{};
  bool inOrdine = true;  // false when the loader found an entry out of order

  bool vuoto() const { return nome.empty(); }
};

}  // namespace tessaro
