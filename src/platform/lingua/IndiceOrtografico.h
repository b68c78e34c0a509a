// The spelling dictionary's root words, kept compact for a quick search of
// the words one or two edits away from a misspelling. Hunspell finds such
// words only through its n-gram pass, which walks the whole dictionary with
// costly string work on every word (10-60 ms a misspelling); this index
// keeps the roots as lower-case letter codes grouped by length, with a
// letter signature that rules out most of them before any edit distance is
// computed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::lingua {

class IndiceOrtografico {
 public:
  // Reads the word column of a Hunspell .dic text already in UTF-8: the
  // first line (the count) and lines without a word are skipped, flags and
  // morphology after the word dropped, words with blanks, hyphens,
  // apostrophes, dots or digits left out.
  static IndiceOrtografico daDic(std::string_view testoUtf8);

  std::size_t size() const { return voci_.size(); }

  // Up to `massimo` corrections of `parola` (UTF-8), best first: roots
  // within two edits (one for words under five letters; adjacent swaps count
  // as one edit), and forms made by giving a root whose stem is that close
  // the word's own final vowel (raggazi: ragazzi), when `conosciuta` accepts
  // them. Ranked by edit distance, then by shared letter groups, as Hunspell
  // ranks its n-gram guesses. An all-capitals word gets all-capitals
  // answers, a capitalised one capitalised answers. Empty for words under
  // three or over MaxLettere letters.
  std::vector<std::string> vicine(std::string_view parola, std::size_t massimo,
                                  const std::function<bool(const std::string&)>& conosciuta) const;

  static constexpr std::size_t MaxLettere = 40;

 private:
  struct Voce {
    std::uint32_t lettere;  // start in lettere_
    std::uint32_t testo;    // start in testi_
    std::uint8_t lunghezza;     // letters
    std::uint8_t lunghezzaTesto;  // bytes
    std::uint64_t firma;       // letters present
    std::uint64_t firmaTema;   // letters present without a final vowel
  };
  std::vector<Voce> voci_;          // sorted by length
  std::vector<std::uint32_t> da_;   // da_[n]: first entry of length n
  std::u32string lettere_;          // lower-case letters of every root
  std::string testi_;               // every root as written, UTF-8
};

}  // namespace tessaro::lingua
