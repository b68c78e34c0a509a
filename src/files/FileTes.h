// The Schema file (.tes): a text file whose first line holds Righe and
// Colonne ("15,21") and whose next Righe lines hold the rows in double
// quotes, every line ended by CR LF. Black cells are the byte 0x10.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schema/Schema.h"

namespace tessaro {

// The one message the window shows for any failure to open or save.
inline constexpr std::string_view MsgErroreFile = "Errori in Open/Save File. Chiudere e riprovare.";
inline constexpr std::string_view EstensioneTes = ".tes";

// A valid file is about 1 KB; the window reads at most this many bytes and
// the reader refuses anything longer, so no file can make it read without end.
inline constexpr std::size_t MaxByteTes = 1 << 20;

enum class ErroreTes : std::uint8_t {
  Nessuno,
  TroppoGrande,          // more than MaxByteTes bytes
  DimensioniNonNumeri,   // first two fields missing or not 16-bit integers
  DimensioniFuoriLimiti, // outside 2..25 rows or 2..35 columns
  RigheMancanti,         // fewer rows than announced
  RigaMalformata,        // unclosed quote, or text after the closing quote
  LunghezzaRiga,         // a row not exactly Colonne characters long
  CarattereNonValido,    // a cell other than a letter, "?", " ", "@", byte 0x10
};

struct LetturaTes {
  std::optional<Schema> schema;  // set when the file was read whole
  ErroreTes errore = ErroreTes::Nessuno;
  explicit operator bool() const { return schema.has_value(); }
};

// The file's bytes for a Schema. Rows are written as they are (the window's
// redraw has already turned "@" into the black byte).
std::string scriviTes(const Schema& s);

// Reads a Schema from a file's bytes with the comma/quote field reader:
// fields end at a comma or a line end (CR LF, LF or CR), leading blanks are
// skipped, a quoted field runs to the next quote. The first two fields are
// Righe and Colonne, then Righe quoted or unquoted row fields; what follows
// the last row is ignored. A lower-case letter is read as its capital and a
// blank as an empty cell. Never touches anything but its result.
LetturaTes leggiTes(std::string_view byte);

// The name for save as: ".tes" is appended unless the name already ends in
// it, in any case ("schema" gives "schema.tes", "SCHEMA.TES" stays).
std::string conEstensioneTes(std::string_view nome);

}  // namespace tessaro
