// The pointer and the keyboard on the grid: the current cell, the drag
// selection of the row and column searches, the right button that swaps the
// row and column form of a tool, and typing in the two writing tools.
#include <QLabel>
#include <cmath>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"

namespace tessaro {

namespace {
const QColor Blu(0, 0, 255);
const QColor Bianco(255, 255, 255);

int cellaDi(double x) { return static_cast<int>(std::floor(x)); }
}  // namespace

void Form0g::Peri_MouseDown(int button, int, double x, double y) {
  if (Occupato > 0 || areaMouseDown(button, x, y)) return;
  if (button == 2) {
    const auto premuto = [this](const char* k) { return Tlb1->value(QString::fromLatin1(k)) == 1; };
    if (premuto("a3")) eseguiStrumento(QStringLiteral("a4"));
    else if (premuto("a4")) eseguiStrumento(QStringLiteral("a3"));
    else if (premuto("a1")) eseguiStrumento(QStringLiteral("a2"));
    else if (premuto("a2")) eseguiStrumento(QStringLiteral("a1"));
    return;
  }
  // The pointer's cell is the current cell even when no move came before the
  // press (a touch screen, a pen, a click right after the window appeared).
  ColCorr = static_cast<std::int16_t>(std::clamp(cellaDi(x), 0, std::max(0, schema.Colonne - 1)));
  RigaCorr = static_cast<std::int16_t>(std::clamp(cellaDi(y), 0, std::max(0, schema.Righe - 1)));
  if (Modo == 1 || Modo == 2) {
    AncoraCol = SelCol1 = SelCol2 = cellaDi(x);
    AncoraRiga = SelRiga1 = SelRiga2 = cellaDi(y);
    UltTrascina = {SelCol1, SelCol1, SelRiga1, SelRiga1};
    Trascinando = true;
  }
}

void Form0g::Peri_MouseMove(int, int, double x, double y) {
  if (Occupato > 0 || !schema.esiste() || areaMouseMove(x, y)) return;
  if (Trascinando) {
    if (Modo != 1 && Modo != 2) return;
    Peri->setMousePointer(PictureBox::Predefinito);
    // The selection runs from the cell where the button went down to the
    // pointer's cell, whichever way the pointer moved.
    const int puntoCol = Modo == 1 ? cellaDi(x) : AncoraCol;
    const int puntoRiga = Modo == 2 ? cellaDi(y) : AncoraRiga;
    SelCol1 = std::min(AncoraCol, puntoCol);
    SelCol2 = std::max(AncoraCol, puntoCol);
    SelRiga1 = std::min(AncoraRiga, puntoRiga);
    SelRiga2 = std::max(AncoraRiga, puntoRiga);
    // Leaving the grid ends the drag.
    bool fuori = false;
    if (SelCol1 < 0) SelCol1 = 0, fuori = true;
    if (SelCol2 > schema.Colonne - 1) SelCol2 = schema.Colonne - 1, fuori = true;
    if (SelRiga1 < 0) SelRiga1 = 0, fuori = true;
    if (SelRiga2 > schema.Righe - 1) SelRiga2 = schema.Righe - 1, fuori = true;
    if (fuori) {
      rinfresca();
      Trascinando = false;
      return;
    }
    Peri->box(UltTrascina.col1 + 0.05, UltTrascina.riga1 + 0.05, UltTrascina.col2 + 0.95, UltTrascina.riga2 + 0.95,
              Bianco, false);
    Peri->box(SelCol1 + 0.05, SelRiga1 + 0.05, SelCol2 + 0.95, SelRiga2 + 0.95, Blu, false);
    UltTrascina = {SelCol1, SelCol2, SelRiga1, SelRiga2};
    return;
  }
  ColCorr = static_cast<std::int16_t>(std::clamp(cellaDi(x), 0, schema.Colonne - 1));
  RigaCorr = static_cast<std::int16_t>(std::clamp(cellaDi(y), 0, schema.Righe - 1));
  if (Modo == 3 || Modo == 4) {
    rinfresca();
    evidenziaCasella();
  }
  if (Peri->mousePointer() != PictureBox::Clessidra) {
    Peri->setMouseIcon(ImageA);
    Peri->setMousePointer(PictureBox::Personalizzato);
    Lists->setMousePointer(0);
  }
}

void Form0g::Peri_MouseUp(int button, int, double x, double y) {
  if (button == 2 || areaMouseUp(button, x, y)) return;
  Trascinando = false;
  if ((Modo != 1 && Modo != 2) || !schema.esiste()) return;
  Peri->setMouseIcon(ImageA);
  Peri->setMousePointer(PictureBox::Personalizzato);
  const int puntoCol = std::clamp(Modo == 1 ? cellaDi(x) : AncoraCol, 0, schema.Colonne - 1);
  const int puntoRiga = std::clamp(Modo == 2 ? cellaDi(y) : AncoraRiga, 0, schema.Righe - 1);
  const int ancoraCol = std::clamp(AncoraCol, 0, schema.Colonne - 1);
  const int ancoraRiga = std::clamp(AncoraRiga, 0, schema.Righe - 1);
  SelCol1 = std::min(ancoraCol, puntoCol);
  SelCol2 = std::max(ancoraCol, puntoCol);
  SelRiga1 = std::min(ancoraRiga, puntoRiga);
  SelRiga2 = std::max(ancoraRiga, puntoRiga);
  // The click that follows reads the drag from here, on its first cell.
  RigaCorr = static_cast<std::int16_t>(SelRiga1);
  ColCorr = static_cast<std::int16_t>(SelCol1);
  if (SelCol1 != SelCol2 || SelRiga1 != SelRiga2) UltTrascina = {SelCol1, SelCol2, SelRiga1, SelRiga2};
}

void Form0g::Peri_KeyDown(int& keyCode, int shift) {
  if (Occupato > 0 || !schema.esiste()) return;
  SoloVocali = (shift == shiftmask::Ctrl && Modo == 6) ? 1 : 0;
  if (Modo != 3 && Modo != 4) return;
  if (keyCode == vk::Tab && shift == shiftmask::Shift) keyCode = vk::Back;
  storia.apriGruppo();
  // Only the codes up to "Z" stand for characters: the keypad's codes above
  // would otherwise fold into letters (keypad 1 would type an A).
  const int k = keyCode;
  switch (k) {
    case vk::Left:
    case vk::Back: PassoRiga = 0, PassoCol = -1; avanza(); return;
    case vk::Up: PassoRiga = -1, PassoCol = 0; avanza(); return;
    case vk::Right:
    case vk::Tab: PassoRiga = 0, PassoCol = 1; avanza(); return;
    case vk::Down: PassoRiga = 1, PassoCol = 0; avanza(); return;
    default: break;
  }
  if (k != vk::Space && (k < 63 || k > vk::Z)) return;
  NuovoCar = static_cast<char>(k);
  CarCella = schema.cella(RigaCorr, ColCorr);
  if (eNera(CarCella)) {
    env_.beep();
    return;
  }
  Lists->Clear();
  Lists->setToolTip(QString());
  Stb1->setText(2, QStringLiteral(" %1 ").arg(QLatin1Char(NuovoCar)));
  Stb1->setText(3, QStringLiteral(" "));
  Stb1->setText(4, QStringLiteral(" R%1 C%2 ").arg(RigaCorr).arg(ColCorr));
  Stb1->setToolTip(2, QString());
  if (NuovoCar == ' ') NuovoCar = CellaVuota;
  aggior();
  rinfresca();
  evidenziaCasella();
  PassoRiga = Modo == 4 ? 1 : 0;
  PassoCol = Modo == 3 ? 1 : 0;
  avanza();
}

void Form0g::avanza() {
  if (Modo != 3 && Modo != 4) return;
  const int R = schema.Righe, C = schema.Colonne;
  int dr = PassoRiga, dc = PassoCol;
  int r = RigaCorr + dr, c = ColCorr + dc;
  // An overflow of the first step moves on by one row or column, with a beep.
  if (dr > 0) {
    dr = 0;
    if (r == R) dc = 1, r = 0, env_.beep();
  } else if (dr < 0) {
    dr = 0;
    if (r < 0) dc = -1, r = R - 1, env_.beep();
  } else if (dc > 0) {
    dc = 0;
    if (c == C) dr = 1, c = 0, env_.beep();
  } else if (dc < 0) {
    dc = 0;
    if (c < 0) dr = -1, c = C - 1, env_.beep();
  }
  r += dr;
  c += dc;
  if (dr > 0 && r == R) r = 0;
  if (dr < 0 && r < 0) r = R - 1;
  if (dc > 0 && c == C) c = 0;
  if (dc < 0 && c < 0) c = C - 1;
  PassoRiga = PassoCol = 0;
  RigaCorr = static_cast<std::int16_t>(r);
  ColCorr = static_cast<std::int16_t>(c);
  if (eNera(schema.cella(r, c))) env_.beep();
  rinfresca();
  evidenziaCasella();
}

}  // namespace tessaro
