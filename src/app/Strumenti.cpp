// The toolbar: every press goes through eseguiStrumento, which resets the
// result area and the status bar, performs the button's action and shows
// which grid tool is active.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Testi.h"

namespace tessaro {

namespace {

struct Strumento {
  const char* testo;
  const char* suggerimento;
};

// Panel 1 text and hint of the grid tools "a0".."a6".
const Strumento StrumentiGriglia[] = {
    {" ANNERIRE/SBIANCARE una Casella ", "Click in quella Casella"},
    {" SUGGERIMENTI RIGA ", "Click su Riga o click+trascina Caselle volute"},
    {" SUGGERIMENTI COLONNA ", "Click su Colonna o click+trascina Caselle volute"},
    {" SCRIVERE ORIZZONTALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
    {" SCRIVERE VERTICALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
    {" RIPULIRE CASELLA ", "Click in quella Casella"},
    {" SUGGERIMENTI INCROCIO (premere Ctrl per provare solo le vocali)", "Click in quella Casella"},
};

// Panel 1 text of the TEST tools "a9".."a11".
const char* const StrumentiTest[] = {" ANAGRAMMI di TEST ", " SINONIMI/CONTRARI di TEST ",
                                      " VERIFICA ORTOGRAFICA di TEST "};

}  // namespace

void Form0g::Tlb1_ButtonClick(const QString& key) {
  if (Occupato > 0) return;
  eseguiStrumento(key);
}

void Form0g::avvisaStoriaAzzerata() {
  env_.msgBox(this, daUtf8(MsgStoriaAzzerata),
              msg::OK, daUtf8(TitoloStoriaAzzerata));
}

void Form0g::eseguiStrumento(const QString& key) {
  // 1. The common reset.
  scartaProposta();
  for (int n : {2, 3, 4}) Stb1->setText(n, QStringLiteral(" "));
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setEnabled(false);
  Lists->Clear();
  Lists->setToolTip(QString());
  Stb1->setToolTip(2, QString());
  if (storia.svuotaSeAlLimite()) avvisaStoriaAzzerata();

  // 2. The button's own action.
  bool aggiornaPulsanti = true;
  const QString k = key;
  if (k.size() == 2 && k[0] == QLatin1Char('a') && k[1] >= QLatin1Char('0') && k[1] <= QLatin1Char('6')) {
    TastoAttivo = k;
    Modo = static_cast<std::int16_t>(k[1].unicode() - '0');
    ImageA = Image1[static_cast<std::size_t>(Modo)];
    Peri->setMouseIcon(ImageA);
    texta->setText(QString());
    const Strumento& s = StrumentiGriglia[Modo];
    Stb1->setText(1, QString::fromUtf8(s.testo));
    Stb1->setToolTip(1, QString::fromUtf8(s.suggerimento));
  } else if (k == QLatin1String("a7")) {
    aggiornaPulsanti = annulla();
  } else if (k == QLatin1String("a8")) {
    ripristina();
  } else if (k == QLatin1String("a9") || k == QLatin1String("a10") || k == QLatin1String("a11")) {
    TastoAttivo = k;
    Modo = static_cast<std::int16_t>(k.mid(1).toInt());
    repaint();
    Stb1->setText(1, QString::fromUtf8(StrumentiTest[Modo - 9]));
    eseguiTest(Modo);
    ImageA = ImageV;
    Peri->setMouseIcon(ImageA);
  }

  // 3. Exactly the active grid tool is shown pressed.
  if (!aggiornaPulsanti) return;
  for (int i = 0; i <= 6; ++i) {
    const QString tasto = QStringLiteral("a%1").arg(i);
    Tlb1->setValue(tasto, tasto == TastoAttivo ? 1 : 0);
  }
}

}  // namespace tessaro
