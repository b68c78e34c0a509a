// Symmetry of the black cells: with a symmetry chosen, blackening or
// whitening a cell does the same to its mirror cell.
#pragma once

#include <cstdint>
#include <optional>

namespace tessaro {

enum class Simmetria : std::uint8_t {
  Nessuna,
  Rotazione180,          // (r, c) and (R-1-r, C-1-c)
  SpecularOrizzontale,   // left and right: (r, c) and (r, C-1-c)
  SpecularVerticale,     // top and bottom: (r, c) and (R-1-r, c)
};

struct CellaSimmetrica {
  int riga = 0, col = 0;
  friend bool operator==(const CellaSimmetrica&, const CellaSimmetrica&) = default;
};

// The mirror of (r, c) in a grid of `righe` x `colonne`; nullopt without a
// symmetry or when the cell is its own mirror (the centre of an odd side).
std::optional<CellaSimmetrica> cellaSimmetrica(Simmetria s, int righe, int colonne, int r, int c);

}  // namespace tessaro
