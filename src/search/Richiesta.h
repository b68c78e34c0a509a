// The request language of the word search: which requests are valid, how one
// request character accepts one entry character, and how a matching entry is
// written as a result line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Status texts of the search, exact with their blanks.
inline constexpr std::string_view TestoRichiestaErrata = " Richiesta errata! ";
inline constexpr std::string_view TestoNessuno = " nessuno ";
inline constexpr std::string_view TestoRicercaInCorso = " ricerca in corso ... ";
inline constexpr std::string_view TestoAttendere = " ... attendere ";
inline constexpr std::string_view TestoInterruzione = " Interruzione! ";

// A request character: "?" any one character, "*" a free run at either end
// (like "?" elsewhere), a letter that must be there.
inline constexpr char Jolly = '?';
inline constexpr char Libero = '*';

// True when the search must refuse the request: it holds neither "?" nor
// "*", it holds only "?", or it is shorter than two characters (so also the
// empty request a click on a black cell may produce).
bool richiestaErrata(std::string_view Richiesta);

// Any entry character at or below "@" (every vowel-group code among them)
// stands for any letter in the search.
constexpr bool eCarattereBasso(char e) { return static_cast<unsigned char>(e) <= '@'; }

// Whether request character p accepts entry character e.
constexpr bool accetta(char p, char e) {
  return p == Libero || p == Jolly || eCarattereBasso(e) || p == e;
}

// PrimoJolly: the 1-based position of the first "?", else of the first "*",
// else 0.
int primoJolly(std::string_view Richiesta);

// The result line of a matching entry, or nothing when the base dictionary's
// final vowel group does not hold the request's final letter.
//   DizCorrente  the dictionary slot (1 = base dictionary)
//   Voce         the entry, with the leading blanks of a free-head request
//   CarRichiesta the request character compared with the entry's last one
// Slot 2 and up: the entry as stored. Slot 1: a final group code is shown as
// its vowels ("CAS!" gives "CAS(AE)"), or narrowed to the request's final
// letter ("CASE" for ?ASE). The line ends with " -" and the slot number.
std::optional<std::string> mostraVoce(int DizCorrente, std::string_view Voce, char CarRichiesta);

// Whether mostraVoce gives a line for these values (without building it).
bool mostraVoceElenca(int DizCorrente, std::string_view Voce, char CarRichiesta);

// Whether a search that found nothing is retried once with a free tail:
// "Lunghezza Libera" checked, not interrupted, no result, and the request
// ends with an empty cell.
bool serveRitento(bool Accorcia, bool interrotta, int NumRisultati, std::string_view Richiesta);

}  // namespace tessaro
