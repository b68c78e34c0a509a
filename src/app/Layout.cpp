// The layout of the main window from fractions of the screen, and the zoom of
// the grid box.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"

namespace tessaro {

namespace {
constexpr int LarghLabel0 = 4200, LarghSecCar = 900, AltEtichetta = 300;
constexpr int LarghLabel1 = 2100, LarghLabel3 = 3200, AltPulsante = 375;
constexpr int LarghCommand1 = 1300, LarghCommand2 = 1700, LarghTexta = 2400;
constexpr int LarghCommand3 = 1600, LarghCommand4 = 1300;

QFont fontDi(const QString& nome, double punti = 0) {
  QFont f(nome);
  if (punti > 0) f.setPointSizeF(punti);
  return f;
}

// The result list aligns free-head lines with blanks: whatever "Courier"
// resolves to on this system, it must be a fixed-pitch font.
QFont fontFisso(const QString& nome, double punti = 0) {
  QFont f = fontDi(nome, punti);
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  return f;
}
}  // namespace

void Form0g::disponi() {
  const int w = W();
  const int h = H();
  // 1-2. Grid font and cell geometry back to their start values.
  vista = vistaIniziale(w, h);
  Peri->setFontName(QStringLiteral("Courier New"));
  Peri->setFontBold(true);
  applicaFontGriglia();

  // 3. Loading labels.
  posiziona(Label0, vista.PeriLeft, vista.PeriTop, LarghLabel0, AltEtichetta);
  posiziona(SecCar, vista.PeriLeft + LarghLabel0, vista.PeriTop, LarghSecCar, AltEtichetta);

  // 4. Result area.
  const int topLabel3 = static_cast<int>(arrotonda(h * 0.13));
  posiziona(Label3, static_cast<int>(arrotonda(w * 0.014)), topLabel3, LarghLabel3, AltEtichetta);
  // The list's design top is the grid's top; step 6 measures from it.
  const int topLists = Lists->y() > 0 ? altoTwips(Lists) : vista.PeriTop;
  const int larghLists = static_cast<int>(arrotonda(w * 0.25));

  // 5. The search row above the grid, left to right with 50-twip gaps.
  int x = vista.PeriLeft + 200;
  posiziona(Label1, x, topLabel3, LarghLabel1, AltEtichetta);
  x += LarghLabel1 + 50;
  posiziona(Command1, x, topLabel3, LarghCommand1, AltPulsante);
  x += LarghCommand1 + 50;
  posiziona(Command2, x, topLabel3, LarghCommand2, AltPulsante);
  x += LarghCommand2 + 50;
  posiziona(texta, x, topLabel3, LarghTexta, AltPulsante);
  x += LarghTexta + 50;
  posiziona(Command3, x, topLabel3, LarghCommand3, AltPulsante);
  x += LarghCommand3 + 50;
  posiziona(Command4, x, topLabel3, LarghCommand4, AltPulsante);

  // 6. The list reaches down to 600 twips above the status bar.
  const int topStb = altoTwips(Stb1);
  const int altLists = std::max(600, topStb - topLists - 600);
  posiziona(Lists, static_cast<int>(arrotonda(w * 0.014)), vista.PeriTop, larghLists, altLists);

  // 8. Fonts by screen.
  if (SchermoPiccolo) {
    Lists->setFont(fontFisso(QStringLiteral("Courier New"), 8));
    Label1->setFont(fontDi(QStringLiteral("MS Serif")));
    Label3->setFont(fontDi(QStringLiteral("MS Serif")));
  } else {
    Lists->setFont(fontFisso(QStringLiteral("Courier")));
    Label1->setFont(fontDi(QStringLiteral("MS Sans Serif")));
    Label3->setFont(fontDi(QStringLiteral("MS Sans Serif")));
  }
}

void Form0g::applicaFontGriglia() { Peri->setFontSize(vista.FontLettere); }

void Form0g::adattaFontGriglia() {
  adattaFont(vista, [this](double punti) {
    Peri->setFontSize(punti);
    return Peri->textHeight(QStringLiteral("A"));
  });
  applicaFontGriglia();
}

// The grid box for the current cell size; false (and the box unchanged) when
// a side would not fit in 16 bits.
bool Form0g::ridimensionaBoxConVista() {
  const auto larg = latoBox(vista.LatoX, schema.Colonne);
  const auto alt = latoBox(vista.LatoY, schema.Righe);
  if (!larg || !alt) return false;
  Peri->setGeometryTwips(vista.PeriLeft - 1, vista.PeriTop - 1, *larg, *alt);
  Peri->setScale(schema.Colonne, schema.Righe);
  return true;
}

void Form0g::ridimensionaBox() { ridimensionaBoxConVista(); }

void Form0g::Ingrandisci_Click() {
  if (!schema.esiste()) return;
  if (zoomCelle(vista, 1.1, schema.Righe, schema.Colonne) != EsitoZoom::Fatto) return;
  applicaFontGriglia();
  if (!ridimensionaBoxConVista()) return;
  adattaFontGriglia();
  rinfresca();
}

void Form0g::Riduci_Click() {
  if (!schema.esiste()) return;
  if (zoomCelle(vista, 0.9, schema.Righe, schema.Colonne) != EsitoZoom::Fatto) return;
  applicaFontGriglia();
  if (!ridimensionaBoxConVista()) return;
  adattaFontGriglia();
  rinfresca();
}

// The cell side a new Schema starts with: W x 0.03, or less when the whole
// grid would not fit in 16 bits or in the window beside the result list.
std::int16_t Form0g::latoDiPartenza() const {
  constexpr int Margine = 60;  // twips left free at the window's edge and above the status bar
  const Vista iniziale = vistaIniziale(W(), H());
  Spazio spazio;
  if (area_->width() > 0 && Stb1->y() > 0) {
    spazio.larghezza = larghezzaTwips(area_) - iniziale.PeriLeft - Margine;
    spazio.altezza = altoTwips(Stb1) - iniziale.PeriTop - Margine;
  }
  return latoIniziale(iniziale.LatoX, schema.Righe, schema.Colonne, spazio);
}

void Form0g::Originali_Click() {
  if (!schema.esiste()) return;
  vista.LatoX = latoDiPartenza();
  vista.LatoY = vista.LatoX;
  if (!ridimensionaBoxConVista()) return;
  vista.FontLettere = FontLettereIniziale;
  vista.FontNumeri = FontNumeriIniziale;
  applicaFontGriglia();
  adattaFontGriglia();
  rinfresca();
}

void Form0g::Numerare_Click() {
  if (Occupato > 0) return;
  Numerare->setChecked(!Numerare->isChecked());
  numera();
}

bool Form0g::Form_KeyDown(int keyCode, int shift) {
  if (shift == 0 && tastoRiempimento(keyCode)) return true;
  if (shift != shiftmask::Ctrl) return false;
  switch (keyCode) {
    case vk::Zero: Originali_Click(); return true;
    case vk::OemPlus: Ingrandisci_Click(); return true;
    case vk::OemMinus: Riduci_Click(); return true;
    default: return false;
  }
}

}  // namespace tessaro
