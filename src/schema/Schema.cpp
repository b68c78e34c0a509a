#include "schema/Schema.h"

#include <algorithm>

namespace tessaro {

void Schema::crea(std::int16_t righe, std::int16_t colonne) {
  Righe = righe;
  Colonne = colonne;
  MaxLato = std::max(righe, colonne);
  Griglia.assign(static_cast<std::size_t>(righe), std::string(static_cast<std::size_t>(colonne), CellaVuota));
}

void Schema::carica(std::int16_t righe, std::int16_t colonne, std::vector<std::string> righeTesto) {
  Righe = righe;
  Colonne = colonne;
  MaxLato = std::max(righe, colonne);
  Griglia = std::move(righeTesto);
}

bool Schema::iniziaParola(int r, int c) const {
  if (eNera(cella(r, c))) return false;
  const bool orizzontale =
      (c == 0 || eNera(cella(r, c - 1))) && c != Colonne - 1 && !eNera(cella(r, c + 1));
  const bool verticale =
      (r == 0 || eNera(cella(r - 1, c))) && r != Righe - 1 && !eNera(cella(r + 1, c));
  return orizzontale || verticale;
}

std::vector<int> Schema::numeri() const {
  std::vector<int> n(static_cast<std::size_t>(Righe) * static_cast<std::size_t>(Colonne), 0);
  int contatore = 0;
  for (int r = 0; r < Righe; ++r)
    for (int c = 0; c < Colonne; ++c)
      if (iniziaParola(r, c)) n[static_cast<std::size_t>(r * Colonne + c)] = ++contatore;
  return n;
}

void Schema::normalizzaNere() {
  for (auto& riga : Griglia) std::replace(riga.begin(), riga.end(), CellaNeraAlt, CellaNera);
}

}  // namespace tessaro
