// Text helpers of the linguistic engine: UTF-8 and single-byte (Windows-1252)
// conversions, case folding and the letter test, limited to the Latin
// letters Italian uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::lingua {

// The encodings a dictionary or thesaurus file may declare. ISO 8859-1,
// ISO 8859-15 and Windows-1252 agree on every Italian letter, so they share
// one single-byte conversion.
enum class Codifica { Utf8, SingoloByte };

// Maps the name written in an .aff "SET" line or in the first line of a
// thesaurus ("UTF-8", "ISO8859-1", ...) to a Codifica; nullopt when the
// engine cannot convert to it.
std::optional<Codifica> codificaDaNome(std::string_view nome);

bool utf8Valido(std::string_view testo);

// Windows-1252 bytes to UTF-8 (the five bytes that code page leaves
// undefined become the C1 controls of the same number, as in Latin-1).
std::string daSingoloByte(std::string_view testo);

// UTF-8 to Windows-1252; nullopt when a character has no single-byte code
// (or the text is not valid UTF-8).
std::optional<std::string> inSingoloByte(std::string_view utf8);

// The text the program hands over: UTF-8 when it is valid UTF-8, otherwise
// taken as Windows-1252 bytes and converted. Plain ASCII is both.
std::string daTestoProgramma(std::string_view testo);

// Between the engine's UTF-8 and a file's own encoding.
std::optional<std::string> versoCodifica(std::string_view utf8, Codifica c);
std::string daCodifica(std::string_view testo, Codifica c);

// Case folding for ASCII and the Latin-1 letters (valid UTF-8 expected;
// other characters are left as they are).
std::string minuscolo(std::string_view utf8);
std::string maiuscolo(std::string_view utf8);
// First letter upper case, the rest lower case ("Belzebù").
std::string capitalizzato(std::string_view utf8);

// True when every character is a letter (ASCII or Latin-1 letter) and there
// is at least one. Blanks, hyphens, apostrophes, dots and digits are not.
bool soloLettere(std::string_view utf8);

// True when the text has at least one lower-case letter.
bool haMinuscole(std::string_view utf8);

// Blanks and tabs (and a stray CR or LF) removed from both ends.
std::string_view senzaSpaziEsterni(std::string_view testo);

// A word typed without its final accent, as crossword words always are:
// the same word with an accented final vowel, in the order à è é ì ò ù
// (both accents for "e", since "caffè" and "perché" both occur). Empty when
// the last character is not a plain vowel. Case is kept (CITTA gives CITTÀ).
std::vector<std::string> conAccentoFinale(std::string_view utf8);

// Guesses at the base forms of an inflected noun or adjective, for the
// dictionary to confirm (lower case expected). singolari: the singular of
// the same gender (case: casa; libri: libro; grandi: grande; bianche:
// bianca); maschili: the masculine singular of a feminine form (alta, alte:
// alto; bianche: bianco). Empty when the ending does not fit.
std::vector<std::string> singolari(std::string_view parola);
std::vector<std::string> maschili(std::string_view parola);

// Carries an inflection from one word to its antonym: when `forma` differs
// from its base form `lemma` only in the last letter (bella, bello) and
// `contrario` ends with the lemma's last letter (brutto), returns the
// antonym with the form's last letter (brutta); nullopt otherwise.
std::optional<std::string> stessaDesinenza(std::string_view forma, std::string_view lemma,
                                           std::string_view contrario);

}  // namespace tessaro::lingua
