// Crosswords in the ipuz format (JSON, kind "http://ipuz.org/crossword#1"),
// the open format other crossword programs read and write. Read: the
// dimensions, the "puzzle" grid (labels as numbers or strings, blocks, null
// for an omitted cell, which becomes black), the "solution" letters (accents
// folded, A-Z only) and the Across and Down clues. Written: an ipuz 2
// crossword with the title, the numbered grid, the solution and every run's
// clue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clues/Definizioni.h"
#include "schema/Schema.h"

namespace tessaro {

inline constexpr std::string_view EstensioneIpuz = ".ipuz";
// A 25 x 35 crossword with all its clues is well under 100 KB.
inline constexpr std::size_t MaxByteIpuz = 1 << 20;

enum class ErroreIpuz : std::uint8_t {
  Nessuno,
  Illeggibile,         // not a regular file, or it cannot be read (set by the callers)
  TroppoGrande,        // more than MaxByteIpuz bytes
  JsonMalformato,      // not JSON, or nested too deep
  NonCruciverba,       // no crossword kind
  Dimensioni,          // dimensions missing or not whole numbers
  DimensioniFuoriLimiti,
  GrigliaMalformata,   // "puzzle" or "solution" not height rows of width cells
  CasellaNonValida,    // a cell value that is neither block, label nor letter
  CasellaNonLettera,   // a solution that is not one letter A-Z
  NereDiverse,         // a block in one grid and a letter in the other
  DefinizioneMalformata,
  DefinizioneSenzaCasella,
};

struct Cruciverba {
  Schema schema;
  Definizioni definizioni;
  std::string titolo;
};

struct LetturaIpuz {
  std::optional<Cruciverba> cruciverba;
  ErroreIpuz errore = ErroreIpuz::Nessuno;
  std::string dettaglio;  // the Italian reason, for the message
  explicit operator bool() const { return cruciverba.has_value(); }
};

LetturaIpuz leggiIpuz(std::string_view byte);

// The ipuz text of a Schema and its clues (clues without their run are not
// part of a published crossword and are left out).
std::string scriviIpuz(const Schema& s, const Definizioni& d, std::string_view titolo);

// The one message for a file that cannot be imported, shown by the window
// and printed by the tools: "Impossibile importare il file NOME: MOTIVO."
std::string messaggioImportazione(std::string_view nome, const LetturaIpuz& l);

}  // namespace tessaro
