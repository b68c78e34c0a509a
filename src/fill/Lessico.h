// The fill's vocabulary: the distinct words of the active dictionaries, by
// length, with their scores and, per length, a bitset per position and letter
// over the words of that length. A run's candidate set is a bitset over the
// words of its length, so narrowing it by a letter is a word-wide AND.
//
// Built from the search indexes' length classes: an entry of the base
// dictionary ending in a vowel-group code stands for one word per vowel of
// its group (CAS! gives CASA and CASE), as the search expands it; an entry
// with any other character that is not a letter is no fill word; comments
// never are (the index leaves them out). Within a length, words are ordered
// by score, highest first, and alphabetically among equal scores: the
// first set bit of a candidate set is its best word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"
#include "fill/Punteggi.h"
#include "search/IndiceRicerca.h"

namespace tessaro {

// A set of letters: bit 0 = "A" ... bit 25 = "Z".
using Lettere = std::uint32_t;
inline constexpr Lettere TutteLettere = (Lettere{1} << 26) - 1;
inline constexpr Lettere bitLettera(char c) { return Lettere{1} << (c - 'A'); }

// The words of one length.
struct ClasseParole {
  std::uint32_t L = 0;   // word length
  std::uint32_t n = 0;   // words
  std::uint32_t nb = 0;  // 64-bit words of a bitset over them
  std::vector<char> lettere;             // word i at [i * L, i * L + L)
  std::vector<std::uint8_t> punteggi;    // per word, never increasing
  std::vector<std::uint64_t> bit;        // bitset (position p, letter l) at (p * 26 + l) * nb

  const std::uint64_t* bits(std::size_t p, std::size_t l) const { return bit.data() + (p * 26 + l) * nb; }
  std::string_view parola(std::uint32_t i) const { return {lettere.data() + std::size_t{i} * L, L}; }
  // The words scoring at least `minimo` are [0, sopra(minimo)).
  std::uint32_t sopra(int minimo) const;
  // The end of the run of words scoring as word i.
  std::uint32_t fineFascia(std::uint32_t i) const;
};

// One dictionary the vocabulary is made from.
struct FonteLessico {
  const Dizionario* diz = nullptr;
  const IndiceRicerca* indice = nullptr;  // built from diz
  TipoDizionario tipo = TipoDizionario::Altro;
  bool gruppi = false;  // final vowel-group codes stand for their vowels
};

class Lessico {
 public:
  // Runs are at most 35 cells long.
  static constexpr std::size_t LunghezzaMassima = 35;

  // The words of length L, or null when there are none.
  const ClasseParole* classe(std::size_t L) const {
    return L < classi_.size() && classi_[L].n > 0 ? &classi_[L] : nullptr;
  }
  // The position of a word in its class.
  std::optional<std::uint32_t> trova(std::string_view parola) const;
  std::size_t parole() const;
  std::size_t memoria() const;  // bytes held

 private:
  friend Lessico costruisciLessico(std::span<const FonteLessico> fonti, const ListePunteggi& liste);
  std::array<ClasseParole, LunghezzaMassima + 1> classi_{};
};

// The vocabulary of the given dictionaries, scored with the given lists.
Lessico costruisciLessico(std::span<const FonteLessico> fonti, const ListePunteggi& liste);

}  // namespace tessaro
