// The Schema: the crossword grid as data. One string per row, one character
// per cell: "?" empty, the byte 16 black, "@" black in its alternative code
// (normalised by every full redraw), "A".."Z" letters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

inline constexpr char CellaVuota = '?';
inline constexpr char CellaNera = '\x10';
inline constexpr char CellaNeraAlt = '@';

inline constexpr int MinRighe = 2, MaxRighe = 25;
inline constexpr int MinColonne = 2, MaxColonne = 35;
inline constexpr int MaxCaselle = 875;

inline bool eNera(char c) { return c == CellaNera; }

class Schema {
 public:
  std::int16_t Righe = 0;
  std::int16_t Colonne = 0;
  std::int16_t MaxLato = 0;
  std::vector<std::string> Griglia;

  bool esiste() const { return Righe > 0 && Colonne > 0; }

  // A new Schema of empty cells.
  void crea(std::int16_t righe, std::int16_t colonne);
  // A Schema from its row strings (as read from a file).
  void carica(std::int16_t righe, std::int16_t colonne, std::vector<std::string> righeTesto);

  char cella(int r, int c) const { return Griglia[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
  void scrivi(int r, int c, char ch) { Griglia[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = ch; }
  bool dentro(int r, int c) const { return r >= 0 && c >= 0 && r < Righe && c < Colonne; }

  // True when cell (r, c) starts a horizontal or a vertical word and so
  // carries a word number.
  bool iniziaParola(int r, int c) const;
  // The word number of every cell in reading order, 0 for none.
  std::vector<int> numeri() const;
  // Replaces every "@" by the black cell code.
  void normalizzaNere();
};

}  // namespace tessaro
