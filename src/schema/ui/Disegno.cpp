// Drawing the Schema into the grid box: the full redraw, the word numbers and
// the red highlight frame. The box keeps what was drawn until the next full
// redraw clears it.
#include <QAction>

#include "app/Form0g.h"
#include "platform/PictureBox.h"

namespace tessaro {

namespace {
const QColor Nero(0, 0, 0);
const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);
}  // namespace

void Form0g::rinfresca() {
  if (!schema.esiste()) return;
  const int R = schema.Righe;
  const int C = schema.Colonne;
  Peri->cls();
  for (int i = 0; i <= R; ++i) Peri->line(0, i, C, i, Nero);
  for (int j = 0; j <= C; ++j) Peri->line(j, 0, j, R, Nero);
  Peri->setFontSize(vista.FontLettere);
  Peri->setForeColor(Nero);
  Peri->setFontBold(true);
  for (int i = 0; i < R; ++i) {
    for (int j = 0; j < C; ++j) {
      char ch = schema.cella(i, j);
      if (ch == CellaVuota) ch = ' ';
      if (ch == CellaNeraAlt) {
        ch = CellaNera;
        schema.scrivi(i, j, CellaNera);
      }
      if (ch != CellaNera) {
        Peri->print(j + vista.OffX, i + vista.OffY, QString(QLatin1Char(ch)));
      } else {
        Peri->box(j, i, j + 1, i + 1, Nero, true);
        Peri->box(j + 0.05, i + 0.05, j + 0.95, i + 0.95, Bianco, false);
      }
    }
  }
  numera();
  grigliaDisegnata();
  disegnaRiempimento();
}

void Form0g::numera() {
  if (!schema.esiste()) return;
  Peri->setFontSize(vista.FontNumeri);
  Peri->setForeColor(Rosso);
  int n = 0;
  for (int i = 0; i < schema.Righe; ++i) {
    for (int j = 0; j < schema.Colonne; ++j) {
      QString etichetta;
      if (schema.iniziaParola(i, j)) etichetta = QString::number(++n);
      if (!Numerare->isChecked()) Peri->setForeColor(Bianco);
      Peri->print(j + vista.NumOffX, i + vista.NumOffY, etichetta);
    }
  }
  Peri->setFontSize(vista.FontLettere);
  Peri->setForeColor(Nero);
  disegnaRiempibilita();
}

void Form0g::evidenzia() {
  Peri->box(EvidCol + 0.05, EvidRiga + 0.05, EvidCol + EvidLarg - 0.05, EvidRiga + EvidAlt - 0.05, Rosso,
            false);
  Peri->repaint();
  UltEvid = {EvidCol, EvidRiga, EvidLarg, EvidAlt};
}

}  // namespace tessaro
