// The clue file (.def) beside a Schema file: UTF-8 text, one clue a line,
//   O 12 3 5 Capitale d'Italia
// direction (O across, V down), the word number when saved, the row and the
// column (from 1, as the status bar shows them) of the run's first cell, one
// blank each, then the clue to
// the end of the line. The cell places the clue; the number is for the
// reader of the file. Lines starting with "#" and empty lines are skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clues/Definizioni.h"
#include "schema/Schema.h"

namespace tessaro {

inline constexpr std::string_view EstensioneDef = ".def";
// A full 25 x 35 Schema's clues take a few tens of KB.
inline constexpr std::size_t MaxByteDef = 1 << 20;

enum class ErroreDef : std::uint8_t {
  Nessuno,
  TroppoGrande,       // more than MaxByteDef bytes
  NonUtf8,            // a line that is not valid UTF-8
  RigaMalformata,     // not "O|V number row column text"
  CasellaFuoriLimiti, // a row or column 0 or beyond the largest Schema
  Ripetuta,           // two clues for the same cell and direction
};

struct LetturaDef {
  std::optional<Definizioni> definizioni;  // set when the file was read whole
  ErroreDef errore = ErroreDef::Nessuno;
  int riga = 0;  // the line (from 1) at fault
  explicit operator bool() const { return definizioni.has_value(); }
};

// The file's bytes: a comment line, then across clues by number, then down;
// clues without their run keep the number they last had.
std::string scriviDef(const Definizioni& d, const Schema& s);

// Reads the whole file or nothing. A clue whose cell does not start a run of
// the Schema it is read for is kept as a clue without its run.
LetturaDef leggiDef(std::string_view byte);

// What went wrong, in Italian, for the window's message and the tools:
// "riga 3: ...".
std::string descrizioneErroreDef(const LetturaDef& l);

// The companion's name: the Schema file's name with its extension replaced
// by ".def" ("cruci.tes", "cruci.TES" and "cruci" all give "cruci.def").
std::string nomeDef(std::string_view nomeTes);

}  // namespace tessaro
