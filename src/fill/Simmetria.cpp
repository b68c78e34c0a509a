#include "fill/Simmetria.h"

namespace tessaro {

std::optional<CellaSimmetrica> cellaSimmetrica(Simmetria s, int righe, int colonne, int r, int c) {
  CellaSimmetrica m{r, c};
  switch (s) {
    case Simmetria::Nessuna: return std::nullopt;
    case Simmetria::Rotazione180: m = {righe - 1 - r, colonne - 1 - c}; break;
    case Simmetria::SpecularOrizzontale: m = {r, colonne - 1 - c}; break;
    case Simmetria::SpecularVerticale: m = {righe - 1 - r, c}; break;
  }
  if (m == CellaSimmetrica{r, c}) return std::nullopt;
  return m;
}

}  // namespace tessaro
