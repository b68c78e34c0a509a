// The transfer of a clicked result line: which lines are refused, how a line
// is reduced to the word, how a word with a group of letters in parentheses
// cycles through them on repeated clicks, and which cells the word writes.
#pragma once

#include "testtools/Anagrammi.h"  // TestoNessunAnagramma

#include "search/LunghezzaLibera.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// List texts of the TEST tools that are never transferred.
inline constexpr std::string_view TestoNessunSinonimo = " nessun Sin./Cont.";
inline constexpr std::string_view TestoOkOrtografia = " OK Ortografia ";

// The tool modes (Modo) whose lists this file knows.
enum ModoLista : int {
  ListaRiga = 1,
  ListaColonna = 2,
  ListaIncrocio = 6,
  ListaAnagrammi = 9,
  ListaSinonimi = 10,
  ListaOrtografia = 11,
};

// The clicked line reduced to the word (Scelta), or nothing when the line is
// refused. Crossing: the letter. Synonyms: headings (ending "=" or "<") are
// refused, others lose their mark. Then the dictionary tag " -N" at the end
// of a search line is cut off ("CANE -1" gives "CANE", "   CANE -1" keeps
// the blanks that place it in a free-head slot).
std::optional<std::string> riduciScelta(int Modo, std::string_view voce);

// Cycling through the letters of a group: VoceRuota, RadiceRuota,
// LettereRuota, IndiceRuota.
struct Ruota {
  std::string VoceRuota, RadiceRuota, LettereRuota;
  int IndiceRuota = 0;
};

// "BELL(AEI)" gives BELLA, then BELLE, BELLI and BELLA again on the next
// clicks of the same line; another line, or one without parentheses,
// restarts the cycle. A line without a group is returned unchanged.
std::string ruotaVocali(std::string Scelta, Ruota& r);

// One cell write of a transfer.
struct ScritturaCella {
  int riga = 0, col = 0;
  char car = 0;
  bool operator==(const ScritturaCella&) const = default;
};

// The writes of a word W and the rectangle to highlight afterwards. Row mode
// writes from (riga, PrimaCol) rightwards, column mode from (PrimaRiga, col)
// downwards; a blank leaves its cell unchanged. Crossing mode writes the
// letter into (riga, col). Cells outside the grid are left to the writer
// (aggior ignores them).
struct PianoTrasferimento {
  std::vector<ScritturaCella> scritture;
  RiquadroCelle evid;
};
PianoTrasferimento pianoTrasferimento(int Modo, std::string_view W, int PrimaCol, int PrimaRiga, int riga, int col);

}  // namespace tessaro
