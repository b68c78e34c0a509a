#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

using NuovoSchemaTest = Finestra;
using Disegno = Finestra;
using Zoom = Finestra;

TEST_F(NuovoSchemaTest, MisureValideEFuoriLimite) {
  ASSERT_TRUE(nuovo(QStringLiteral("2"), QStringLiteral("2")));
  EXPECT_EQ(f->schema.Griglia, (Testi{"??", "??"}));
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   (nuovo file)"));
  EXPECT_TRUE(f->Salvacome->isEnabled() && !f->Salva->isEnabled());
  ASSERT_TRUE(nuovo(QStringLiteral("25"), QStringLiteral("35")));
  EXPECT_EQ(f->schema.Griglia, Testi(25, std::string(35, '?')));
  EXPECT_TRUE(env->box.empty());

  const std::pair<QString, QString> casi[] = {{"26", "10"}, {"10", "36"}, {"", ""}, {"1", "10"}, {"10", "0"}};
  for (const auto& [r, c] : casi) {
    SCOPED_TRACE((r + 'x' + c).toStdString());
    env->box.clear();
    env->beeps = 0;
    EXPECT_FALSE(nuovo(r, c));
    EXPECT_EQ(scatole(), Testi{"E R R O R E|48|al di fuori dei limiti\r\nRiprova ..."});
    EXPECT_EQ(env->beeps, 1);
    EXPECT_EQ(f->schema.Righe, 25);
  }
}

TEST_F(NuovoSchemaTest, SoloCifreEInvioSpostaIlFuoco) {
  env->suModale = [&](QDialog& d) {
    auto& a = static_cast<Form0a&>(d);
    QApplication::setActiveWindow(&a);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    a.Text1->setFocus();
    QTest::keyClicks(a.Text1, QStringLiteral("1a5"));
    EXPECT_EQ(a.Text1->text(), QStringLiteral("15"));
    EXPECT_EQ(env->beeps, 1);
    // Ctrl+V and Esc type characters too: no paste, no closing.
    QApplication::clipboard()->setText(QStringLiteral("7"));
    QTest::sendKeyEvent(QTest::Click, a.Text1, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    QTest::keyClick(a.Text1, Qt::Key_Escape);
    EXPECT_EQ(a.Text1->text(), QStringLiteral("15"));
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(env->beeps, 3);
    QTest::keyClick(a.Text1, Qt::Key_Return);
    EXPECT_EQ(env->beeps, 4);  // Enter is no digit either
    EXPECT_EQ(a.Text1->text(), QStringLiteral("15"));
    EXPECT_TRUE(a.Text2->hasFocus());
    // Enter in an empty box leaves the focus there.
    QTest::keyClick(a.Text2, Qt::Key_Return);
    EXPECT_TRUE(a.Text2->hasFocus());
    QTest::keyClicks(a.Text2, QStringLiteral("15"));
    QTest::keyClick(a.Text2, Qt::Key_Backspace);
    EXPECT_EQ(a.Text2->text(), QStringLiteral("1"));
    QTest::keyClick(a.Text2, Qt::Key_5);
    QTest::keyClick(a.Text2, Qt::Key_Return);
    EXPECT_TRUE(a.Command1->hasFocus());
    a.Command2_Click();
  };
  f->menuNuovo_Click();
  EXPECT_EQ(env->modali, 1);
  EXPECT_EQ(f->schema.Righe, 0);  // "Annullo" changes nothing
}

TEST_F(NuovoSchemaTest, InizioAbilitaGliStrumentiDellaGriglia) {
  ASSERT_TRUE(nuovo(QStringLiteral("5"), QStringLiteral("5")));
  // Tools a0..a6 on; undo, redo and a9 (which the dictionaries enable) off.
  QString attivi;
  for (int i = 0; i <= 9; ++i) attivi += f->Tlb1->isEnabled(QStringLiteral("a%1").arg(i)) ? '1' : '0';
  EXPECT_EQ(attivi, QStringLiteral("1111111000"));
  EXPECT_EQ((QStringList{f->Stb1->text(1), f->Stb1->text(2), f->Stb1->text(3), f->Stb1->text(4)}),
            (QStringList{QStringLiteral(" Per lavorare nel Cruciverba usare i Bottoni in alto a destra "),
                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")}));
  EXPECT_EQ(f->Stb1->bevel(2), StatusBar::Rialzato);
  EXPECT_TRUE(f->Peri->isVisible());
  EXPECT_EQ(f->Peri->scaleWidth() * 100 + f->Peri->scaleHeight(), 505);
}

TEST_F(Zoom, MisureSuUnoSchermoDa15360Twips) {
  ASSERT_TRUE(nuovo(QStringLiteral("15"), QStringLiteral("15")));
  // Cell sides, letter and number fonts.
  auto misure = [&] {
    return std::vector<double>{double(f->vista.LatoX), double(f->vista.LatoY), f->vista.FontLettere, f->vista.FontNumeri};
  };
  EXPECT_EQ(misure(), (std::vector<double>{461, 461, 15, 7}));  // 15 fits a 461-twip cell
  const int larghezza = f->Peri->width();
  f->Ingrandisci_Click();
  EXPECT_EQ(f->vista.LatoX, 507);
  EXPECT_GT(f->Peri->width(), larghezza);
  f->Originali_Click();
  f->Riduci_Click();
  EXPECT_EQ(f->vista.LatoX, 415);
  f->Ingrandisci_Click();
  f->Ingrandisci_Click();
  f->Originali_Click();
  EXPECT_EQ(misure(), (std::vector<double>{461, 461, 15, 7}));
  EXPECT_EQ(f->Peri->width(), larghezza);
}

TEST_F(Zoom, RiduciNonSiBloccaEIngrandisciSiFermaA16Bit) {
  ASSERT_TRUE(nuovo(QStringLiteral("25"), QStringLiteral("35")));
  // The whole 35-column grid fits beside the list on a 1024-pixel screen.
  const QRect area(QPoint(0, 0), QPoint(f->centralWidget()->width() - 1, f->Stb1->y() - 1));
  EXPECT_TRUE(area.contains(f->Peri->geometry())) << f->Peri->geometry().right();
  const int lato = f->vista.LatoX;
  for (int i = 0; i < 60; ++i) f->Riduci_Click();
  EXPECT_GE(f->vista.LatoX, LatoMinimo);
  EXPECT_GE(f->vista.FontLettere, FontMinimo);
  EXPECT_LE(f->Peri->textHeight(QStringLiteral("A")), 1.0 + 1e-9);
  f->Originali_Click();
  EXPECT_EQ(f->vista.LatoX, lato);
  auto misure = [&] {
    return std::vector<double>{double(f->vista.LatoX), f->vista.FontLettere, f->vista.FontNumeri, double(f->Peri->width())};
  };
  std::vector<double> prima;
  for (int i = 0; i < 30; ++i) {
    prima = misure();
    f->Ingrandisci_Click();
  }
  // Enlarging stopped, cell and fonts included, once 35 cells would pass
  // 32767 twips.
  EXPECT_EQ(misure(), prima);
  EXPECT_GT(arrotonda(f->vista.LatoX * 1.1) * 35 + 2, 32767);
  EXPECT_LE((f->Peri->width() - 1) * 15, 32767);
}

TEST_F(Zoom, ScorciatoieDaTastieraSoloConCtrl) {
  ASSERT_TRUE(nuovo(QStringLiteral("5"), QStringLiteral("5")));
  const struct {
    Qt::Key tasto;
    Qt::KeyboardModifiers mod;
    const char* testo;
    int lato;
  } casi[] = {
      {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "+", 461},
      {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "+", 461},
      {Qt::Key_Plus, Qt::ControlModifier, "+", 507},
      {Qt::Key_Minus, Qt::ControlModifier, "-", 456},
      {Qt::Key_0, Qt::ControlModifier, "0", 461},
  };
  for (const auto& c : casi) {
    QKeyEvent e(QEvent::KeyPress, c.tasto, c.mod, QString::fromLatin1(c.testo));
    QApplication::sendEvent(f->Peri, &e);
    EXPECT_EQ(f->vista.LatoX, c.lato) << c.testo << ' ' << c.mod.toInt();
  }
}

TEST_F(Disegno, LineeCasellaNeraECorniceRossa) {
  // A 2 x 2 grid, "@" at (1, 1), and a red frame on cell (0, 0).
  schemaDa({"??", "?@"});
  EXPECT_EQ(f->schema.Griglia[1][1], CellaNera);  // "@" normalised by the redraw
  f->EvidCol = f->EvidRiga = 0;
  f->EvidLarg = f->EvidAlt = 1;
  f->evidenzia();
  const struct {
    const char* nome;
    double x, y;
    Qt::GlobalColor colore;
  } punti[] = {
      // Three horizontal and three vertical black lines, white in between.
      {"riga 0", 1.5, 0.0, Qt::black}, {"riga 1", 0.5, 1.0, Qt::black}, {"riga 2", 0.5, 2.0, Qt::black},
      {"colonna 0", 0.0, 1.5, Qt::black}, {"colonna 1", 1.0, 0.5, Qt::black}, {"colonna 2", 2.0, 0.5, Qt::black},
      {"vuota", 1.5, 0.5, Qt::white}, {"vuota in basso", 0.5, 1.9, Qt::white},
      // The black cell, with a white inner frame 0.05 from each edge.
      {"nera", 1.5, 1.5, Qt::black}, {"nera, bordo", 1.02, 1.5, Qt::black}, {"cornice bianca", 1.05, 1.5, Qt::white},
      {"cornice bianca a destra", 1.95, 1.5, Qt::white}, {"cornice bianca in alto", 1.5, 1.05, Qt::white},
      // The red frame from (0.05, 0.05) to (0.95, 0.95), nothing inside.
      {"rossa in alto", 0.5, 0.05, Qt::red}, {"rossa a sinistra", 0.05, 0.5, Qt::red},
      {"rossa a destra", 0.95, 0.5, Qt::red}, {"rossa in basso", 0.5, 0.95, Qt::red},
      {"dentro la cornice", 0.5, 0.5, Qt::white},
  };
  for (const auto& p : punti) EXPECT_EQ(pixel(p.x, p.y), QColor(p.colore)) << p.nome;
  f->rinfresca();
  EXPECT_NE(pixel(0.5, 0.05), QColor(Qt::red));  // a full redraw removes it
}

TEST_F(Disegno, NumeriRossiELettereNere) {
  schemaDa({"C??", "???"});
  const QImage& img = f->Peri->immagine();
  auto contaColore = [&](double x0, double y0, double x1, double y1, auto cond) {
    int n = 0;
    const QPoint a = f->Peri->inPixel(x0, y0), b = f->Peri->inPixel(x1, y1);
    for (int y = a.y(); y < b.y(); ++y)
      for (int x = a.x(); x < b.x(); ++x) n += cond(img.pixelColor(x, y)) ? 1 : 0;
    return n;
  };
  auto rosso = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
  auto scuro = [](QColor c) { return c.red() < 80 && c.green() < 80 && c.blue() < 80; };
  // Cell (0,1) carries number 2 in red at its top-left; (1,1) has no number.
  EXPECT_GT(contaColore(1.03, 0.02, 1.5, 0.3, rosso), 0);
  EXPECT_EQ(contaColore(1.03, 1.02, 1.97, 1.97, rosso), 0);
  // The letter C is drawn in black inside its cell.
  EXPECT_GT(contaColore(0.2, 0.2, 0.9, 0.95, scuro), 0);
  // Numbers off: painted white over white cells, without a full redraw.
  f->Numerare_Click();
  EXPECT_FALSE(f->Numerare->isChecked());
  EXPECT_EQ(contaColore(1.03, 0.02, 1.5, 0.3, rosso), 0);
  f->Numerare_Click();
  EXPECT_GT(contaColore(1.03, 0.02, 1.5, 0.3, rosso), 0);
}

}  // namespace
}  // namespace tessaro::prova
