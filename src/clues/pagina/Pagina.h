// The published crossword: one drawing routine for the grid, used by every
// output (PDF, printer, SVG, PNG), and the page layout Italian puzzles use:
// the title, the empty grid with its word numbers, then "ORIZZONTALI" and
// "VERTICALI" side by side with "N. clue" lines, and, on request, the
// solution on a page of its own. Qt Gui and Qt SVG only (no widgets), so
// the command-line tool draws exactly what the window exports.
#pragma once

#include <QPageSize>
#include <QSize>
#include <QString>

#include "clues/Definizioni.h"
#include "schema/Schema.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace tessaro {

enum class Carta { A4, Letter };

struct Pubblicazione {
  const Schema& schema;
  const Definizioni& definizioni;
  QString titolo;
  // Pages: add the solution page. Grid images: the filled grid instead of
  // the empty one.
  bool soluzione = false;
  Carta carta = Carta::A4;
};

// Grid images (SVG, PNG): 40 pixels a cell and a 10-pixel white margin, so
// a 15 x 15 Schema gives 620 x 620.
inline constexpr int LatoCellaImmagine = 40;
inline constexpr int MargineImmagine = 10;
QSize misuraImmagine(const Schema& s);

QPageSize formatoPagina(Carta c);
// Page margins, in millimetres, on every side.
inline constexpr double MarginePaginaMm = 15;

namespace testi {
inline const QString Orizzontali = QStringLiteral("ORIZZONTALI");
inline const QString Verticali = QStringLiteral("VERTICALI");
inline const QString Soluzione = QStringLiteral("Soluzione");
}  // namespace testi

// The grid in `area` (device units; cells are square, so `area` should be
// Colonne x Righe cells): white cells with their word numbers, black cells,
// and the letters when `conLettere`.
void disegnaGriglia(QPainter& p, const QRectF& area, const Schema& s, bool conLettere);

// The puzzle pages on a paged device (PDF writer or printer) whose page
// size and margins are already set. False when the device cannot be
// painted on.
bool disegnaPagine(QPagedPaintDevice& dispositivo, const Pubblicazione& x);

// Whole files into `out` (a save file in the window, a file in the tool).
// False when drawing or writing failed.
bool scriviPdf(QIODevice& out, const Pubblicazione& x);
bool scriviSvg(QIODevice& out, const Pubblicazione& x);
bool scriviPng(QIODevice& out, const Pubblicazione& x);

}  // namespace tessaro
