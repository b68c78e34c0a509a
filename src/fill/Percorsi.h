// The word runs of a Schema as the fill sees them: every maximal run of two
// or more non-black cells, across and down, with its word number, and for
// every cell the runs through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "schema/Schema.h"

namespace tessaro {

struct Percorso {
  int numero = 0;            // the word number of its first cell
  bool orizzontale = true;   // across, else down
  int riga = 0, col = 0;     // first cell
  int lunghezza = 0;
  // The cell of position p: (riga, col + p) across, (riga + p, col) down.
  int rigaDi(int p) const { return orizzontale ? riga : riga + p; }
  int colDi(int p) const { return orizzontale ? col + p : col; }
};

// "12 Orizzontale", "5 Verticale".
std::string nomePercorso(const Percorso& p);

struct MappaPercorsi {
  int righe = 0, colonne = 0;
  // In word-number order, across before down for the same number.
  std::vector<Percorso> percorsi;
  // Per cell (r * colonne + c): the across and the down run through it and
  // the cell's position in each, -1 when there is none (black cells, and
  // cells whose run in that direction is a single cell).
  std::vector<int> orizz, vert, posOrizz, posVert;

  int indice(int r, int c) const { return r * colonne + c; }
};

// The runs of `s`. "@" counts as black, as every redraw makes it.
MappaPercorsi mappaPercorsi(const Schema& s);

}  // namespace tessaro
