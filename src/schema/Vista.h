// The grid's view: where the grid box sits, how big a cell is and the fonts,
// all from fractions of the screen size in twips, with the zoom steps. Whole
// numbers are 16-bit as the program has always had them: a step that would
// not fit fails, and the caller stops there.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

namespace tessaro {

// Real to integer: to the nearest, halves to the even one (2.5 gives 2).
inline long arrotonda(double x) { return std::lrint(x); }

// A real stored into a 16-bit integer; empty on overflow.
inline std::optional<std::int16_t> cint16(double x) {
  const long v = arrotonda(x);
  if (v < -32768 || v > 32767) return std::nullopt;
  return static_cast<std::int16_t>(v);
}

struct Vista {
  std::int16_t PeriLeft = 0;
  std::int16_t PeriTop = 0;
  std::int16_t LatoX = 0;
  std::int16_t LatoY = 0;
  double OffX = 0.25, OffY = 0.25;
  double NumOffX = 0.05, NumOffY = 0.02;
  double FontLettere = 15;
  double FontNumeri = 7;
};

inline constexpr double FontLettereIniziale = 15;
inline constexpr double FontNumeriIniziale = 7;
// "Riduci" stops here: smaller cells would make a 25 x 35 grid unreadable, and
// the font-fitting loop would have nowhere to end.
inline constexpr int LatoMinimo = 180;  // twips: 12 pixels at 96 DPI
inline constexpr double FontMinimo = 4;  // points

// The start values of the view for a screen of W x H twips.
Vista vistaIniziale(int W, int H);

// The room the grid box may take, in twips, from its top-left corner to the
// right edge of the window and to the status bar; 0 when not known.
struct Spazio {
  int larghezza = 0;
  int altezza = 0;
};

// The start cell side for a grid of `righe` x `colonne`: `lato` (W x 0.03)
// when the box fits, else the largest side with which the box stays within
// 16 bits and, when the room is known, within it (never below LatoMinimo for
// the room alone). Cells stay square.
std::int16_t latoIniziale(std::int16_t lato, int righe, int colonne, Spazio spazio);

// Width or height of the grid box for `celle` cells of `lato` twips: a 16-bit
// quantity, empty when it would not fit.
std::optional<std::int16_t> latoBox(std::int16_t lato, int celle);

enum class EsitoZoom { Fatto, Fermo };

// One "Ingrandisci" (factor 1.1) or "Riduci" (0.9) step on the cell size and
// fonts of a grid of `righe` x `colonne`. Returns Fermo, with the view
// untouched, when the step cannot be taken whole: a cell side or the grid box
// would pass 16 bits, or the smallest cell is reached.
EsitoZoom zoomCelle(Vista& v, double fattore, int righe, int colonne);

// Shrinks FontLettere by 1% while the letter "A" is taller than one cell,
// never below FontMinimo. `altezzaA(font)` measures the height in cells.
void adattaFont(Vista& v, const std::function<double(double)>& altezzaA);

}  // namespace tessaro
