// The program's own pictures, drawn with QPainter: the toolbar images (at the
// wide and the narrow image-list size), the grid cursors of the tools, the
// small picture in the toolbar and the splash.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

namespace tessaro {

// Toolbar image n (1..13, in toolbar order: anagrams, thesaurus, spelling,
// not available, blacken, write row, write column, clear, suggest row,
// suggest column, crossing, undo, redo), `lato` pixels square.
QPixmap immagineStrumento(int n, int lato);
std::vector<QIcon> listaImmagini(int lato);

// The grid cursor of tool mode 0..6, and the default cursor picture.
QPixmap cursoreStrumento(int modo);
QPixmap cursorePredefinito();

QPixmap immagineTessera(int lato);
QPixmap immagineSplash(int larghezza, int altezza);

}  // namespace tessaro
