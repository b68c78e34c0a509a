// Anagrams of the TEST word from the base dictionary. An entry ending in a
// vowel-group code counts as one word per vowel of its group; a blank in the
// TEST word stands for any one letter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dict/Dizionario.h"

namespace tessaro {

inline constexpr std::string_view TestoAnagramma = " Anagramma ";    // after the count 1
inline constexpr std::string_view TestoAnagrammi = " Anagrammi ";    // after a larger count
inline constexpr std::string_view TestoNessunAnagramma = " nessun Anagramma ";
inline constexpr std::string_view RigaVuotaAnagrammi = " ";  // the list line before " nessun Anagramma "
inline constexpr std::string_view Pannello3Anagrammi = " ";  // panel 3 when the scan starts

struct RisultatoAnagrammi {
  // The lines of Lists: the anagrams in dictionary order (a word twice when
  // two entries give it), or RigaVuotaAnagrammi and TestoNessunAnagramma.
  std::vector<std::string> righe;
  int NumRisultati = 0;   // 0 when there is none (the two lines do not count)
  std::string pannello2;  // " 1 Anagramma ", " n Anagrammi " or " nessun Anagramma "
  bool beep = false;      // none found
  bool interrotto = false;  // the yield point asked to stop: righe holds what was found
};

// The TEST word W: the text of textb (Windows-1252 bytes) in upper case,
// without leading and trailing blanks, with its accents folded as the
// dictionaries fold them (À→A, È É→E, Ì→I, Ò Ó→O, Ù→U, either case).
std::string parolaTest(std::string_view textb);

// The plain scan: every entry of the base dictionary, in order. Comment
// lines ("'" or "#") are never listed. Calls cedi once per entry.
RisultatoAnagrammi anagrammi(const Dizionario& base, std::string_view textb, Cedi& cedi);

// An index of the base dictionary built once after loading; it gives the same
// lines as the plain scan without walking the whole text: a word without
// blanks is looked up by the letters of the entry without its last character,
// a word with blanks walks only the entries of its length.
class IndiceAnagrammi {
 public:
  // True when the index was built from this very text (same buffer and size).
  bool valePer(const Dizionario& base) const;
  std::size_t numeroVoci() const { return voci_.size(); }

 private:
  friend IndiceAnagrammi costruisciIndiceAnagrammi(const Dizionario& base, Cedi& cedi);
  friend RisultatoAnagrammi anagrammi(const IndiceAnagrammi& indice, const Dizionario& base,
                                      std::string_view textb, Cedi& cedi);

  struct VoceIndice {
    std::uint32_t inizio = 0;
    std::uint32_t lung = 0;
  };
  const char* dati_ = nullptr;
  std::size_t dimensione_ = 0;
  bool costruito_ = false;
  std::vector<VoceIndice> voci_;  // entries that are not comments nor empty, in order
  std::vector<std::pair<std::uint32_t, std::uint32_t>> perLunghezza_;  // (length, entry), sorted
  std::vector<std::pair<std::uint64_t, std::uint32_t>> perFirma_;      // (letters of the stem, entry), sorted
};

// Yields through `cedi` once per entry and during the sorts, so the window
// stays responsive while a large base dictionary is indexed; never stops early.
IndiceAnagrammi costruisciIndiceAnagrammi(const Dizionario& base, Cedi& cedi);
IndiceAnagrammi costruisciIndiceAnagrammi(const Dizionario& base);

// The fast form of anagrammi. Falls back to the plain scan when the index was
// not built from `base`'s present text.
RisultatoAnagrammi anagrammi(const IndiceAnagrammi& indice, const Dizionario& base,
                             std::string_view textb, Cedi& cedi);

}  // namespace tessaro
