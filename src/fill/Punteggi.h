// Word scores for the fill, 1..100: a setter prefers CASA to CABLOGRAFEREBBE.
//
//   - a word of preferite.txt: 100;
//   - a word of the frequency list (frequenze.txt, most frequent first) at
//     rank r of N: 99 - round(44 * ln r / ln N), so 99 for the first and 55
//     for the last;
//   - any other word: 50 from the base dictionary, 30 from nomi.diz, 20 from
//     any other dictionary (the best of these when several dictionaries hold
//     it);
//   - a word of escluse.txt is no fill word at all.
// The three lists sit in the dictionary folder; each is optional.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

enum class TipoDizionario : std::uint8_t { Base, Nomi, Altro };

inline constexpr int PunteggioPreferita = 100;
inline constexpr int PunteggioRangoPrimo = 99;
inline constexpr int PunteggioRangoUltimo = 55;
inline constexpr int PunteggioBase = 50;
inline constexpr int PunteggioNomi = 30;
inline constexpr int PunteggioAltro = 20;

inline constexpr std::string_view FileFrequenze = "frequenze.txt";
inline constexpr std::string_view FileEscluse = "escluse.txt";
inline constexpr std::string_view FilePreferite = "preferite.txt";

// The word lists behind the scores, as entries ("A".."Z", accents folded).
struct ListePunteggi {
  std::vector<std::string> frequenze;  // rank order: rank = position + 1
  std::vector<std::string> escluse;
  std::vector<std::string> preferite;
  friend bool operator==(const ListePunteggi&, const ListePunteggi&) = default;
};

// The score of the word at rank `rango` (from 1) of a list of `totale`.
int punteggioRango(std::size_t rango, std::size_t totale);

// The score of an unranked word by the dictionary it comes from.
int punteggioTipo(TipoDizionario t);

// Slot 1 is the base dictionary; a dictionary named nomi.diz (any case)
// holds names; the others are "other".
TipoDizionario tipoDizionario(int slot, std::string_view nome);

// The words of a list file (UTF-8 or Windows-1252), one a line: blanks
// trimmed, "#" lines and empty lines skipped, upper-cased with accents
// folded as the dictionaries fold them; a line that is no word (digits,
// apostrophes, blanks inside) is skipped. A word listed twice keeps its
// first place.
std::vector<std::string> leggiListaParole(std::string_view testo);

// The three lists from the files of `cartella`; a missing or unreadable file
// gives an empty list.
ListePunteggi leggiListePunteggi(const std::string& cartella);

}  // namespace tessaro
