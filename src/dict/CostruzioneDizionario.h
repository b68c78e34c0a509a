// Turning word lists into dictionary entries: the rules the dictionary tool
// applies when it builds a dictionary.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// True when the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool eUtf8Valido(std::string_view testo);

// The lines of a word list: CR LF, LF or CR separated; a UTF-8 byte order
// mark is dropped. Lines starting with "#" are comments and are skipped, as
// are empty lines; blanks around a word are trimmed.
std::vector<std::string_view> righeListaParole(std::string_view testo);

// The letter "A".."Z" a character of either case becomes in an entry, with
// À→A, È É→E, Ì→I, Ò Ó→O, Ù→U folded; '\0' for any other character.
char letteraVoce(char32_t c);

// The accented vowels the dictionaries fold, each to its plain vowel in the
// same case (È→E, ò→o); '\0' for any other character.
char vocaleSenzaAccento(char32_t c);

// One word as an entry: upper case "A".."Z", with À→A, È É→E, Ì→I, Ò Ó→O,
// Ù→U (and their lower-case forms) folded. `utf8` says how the word's bytes
// are encoded (else Latin-1). Nothing when the word has any other character
// or fewer than two letters.
std::optional<std::string> voceDaParola(std::string_view parola, bool utf8);

// The vowel-group code for a set of final vowels (at least two of A, E, I,
// O), or '\0' for a set that has no code (a single vowel, or none).
char codiceGruppo(bool a, bool e, bool i, bool o);

// Sorts by byte value and drops duplicates.
void ordinaUnici(std::vector<std::string>& voci);

// Folds words that differ only in a final A, E, I or O into one entry ending
// in the code of the vowels present (CASA + CASE → CAS!); a word alone in its
// group stays as it is. Takes and gives a sorted list without duplicates.
std::vector<std::string> piegaGruppiVocalici(const std::vector<std::string>& voci);

// The plain dictionary text: every entry followed by CR LF.
std::string testoDizionario(const std::vector<std::string>& voci);

}  // namespace tessaro
