// Editing the grid by hand: blackening, clearing, typing, the cursor keys,
// the right click, the pointer frame and drags.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Modifica : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    ASSERT_TRUE(nuovo(QStringLiteral("5"), QStringLiteral("5")));
  }
  void tasto(int k, int shift = 0) { f->Peri_KeyDown(k, shift); }
  char cella(int r, int c) const { return f->schema.cella(r, c); }
};

TEST_F(Modifica, AnnerisciSbiancaEPulisci) {
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  clic(2, 3);
  EXPECT_EQ(cella(2, 3), CellaNera);
  EXPECT_EQ(pannelli(4), (Testi{" annerita ", " ", " R3 C4  "}));
  EXPECT_EQ(f->Modificato, 1);
  clic(2, 3);
  EXPECT_EQ(cella(2, 3), CellaVuota);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" sbiancata "));
  EXPECT_EQ(f->storia.NumStoria, 6);  // one group of three slots per click

  // A letter blackened, and the undo gives it back; the redo blackens again.
  // Regression: after a save, an undo or a redo left the Schema "unchanged",
  // and "Esci" quit without asking although the grid differed from the file.
  f->schema.scrivi(1, 1, 'Q');
  clic(1, 1);
  EXPECT_EQ(cella(1, 1), CellaNera);
  f->Modificato = 0;  // as after "Salva"
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(cella(1, 1) + f->Stb1->text(2).toStdString() + char('0' + f->Modificato), "Q Annullo n. 3 1");
  f->Modificato = 0;
  f->Tlb1_ButtonClick(QStringLiteral("a8"));
  EXPECT_EQ(cella(1, 1) + f->Stb1->text(2).toStdString() + char('0' + f->Modificato), "\x10 Ripristino n. 3 1");
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a8")));
  f->Modificato = 0;
  f->Tlb1_ButtonClick(QStringLiteral("a8"));  // nothing left to redo: nothing changes
  EXPECT_EQ(f->Modificato, 0);

  // Tool 5 on a black cell empties it; on an empty one it refuses.
  f->Tlb1_ButtonClick(QStringLiteral("a5"));
  env->beeps = 0;
  clic(1, 1);
  EXPECT_EQ(cella(1, 1), CellaVuota);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" ripulita "));
  EXPECT_EQ(env->beeps, 0);
  const int prima = f->storia.NumStoria;
  clic(1, 1);
  EXPECT_EQ(pannelli(), (Testi{" ", " è già vuota! "}));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->storia.NumStoria, prima);
}

TEST_F(Modifica, ScrivereCaneEAnnullareLettera) {
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  clic(0, 0);
  for (int k : {'C', 'A', 'N', 'E'}) tasto(k);
  EXPECT_EQ(f->schema.Griglia[0], "CANE?");
  EXPECT_EQ((QStringList{f->Stb1->text(2), f->Stb1->text(4)}), (QStringList{QStringLiteral(" E "), QStringLiteral(" R0 C3 ")}));
  const char* attesi[] = {"CAN??", "CA???", "C????", "?????"};
  for (int i = 0; i < 4; ++i) {
    f->Tlb1_ButtonClick(QStringLiteral("a7"));
    EXPECT_EQ(f->schema.Griglia[0], attesi[i]);
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" Annullo n. %1 ").arg(4 - i));
  }
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a7")));
  // The current cell follows the undo.
  EXPECT_EQ(f->RigaCorr + f->ColCorr, 0);
}

TEST_F(Modifica, MovimentiDelCursore) {
  // Each step: the tool pressed (if any), the cell clicked (if any), the key
  // with its shift state, then the cursor, the beeps (-1: not counted) and
  // what the clicked cell holds.
  f->schema.scrivi(1, 1, 'X');
  const struct {
    const char* nome;
    const char* tasto;
    int r, c;
    int k, shift;
    int riga, col, beeps;
    char cella;
  } passi[] = {
      {"lettera nell'ultima colonna: a capo", "a3", 0, 4, 'A', 0, 1, 0, 1, 'A'},
      {"in verticale dall'ultima casella alla prima", "a4", 4, 4, 'B', 0, 0, 0, -1, 'B'},
      {"sinistra dal bordo: riga sopra", "a3", 2, 0, 37, 0, 1, 4, 1, CellaVuota},
      {"sinistra dalla prima casella: l'ultima", "", 0, 0, 37, 0, 4, 4, -1, CellaVuota},
      {"spazio su una lettera: svuota e avanza", "", 1, 1, ' ', 0, 1, 2, -1, CellaVuota},
      {"Shift+Tab come Backspace: solo indietro", "", -1, -1, 9, 1, 1, 1, -1, 0},
      {"Backspace", "", -1, -1, 8, 0, 1, 0, -1, 0},
      {"Tab", "", -1, -1, 9, 0, 1, 1, -1, 0},
      {"giù", "", -1, -1, 40, 0, 2, 1, -1, 0},
      {"su", "", -1, -1, 38, 0, 1, 1, -1, 0},
  };
  for (const auto& p : passi) {
    SCOPED_TRACE(p.nome);
    if (*p.tasto) f->Tlb1_ButtonClick(QString::fromLatin1(p.tasto));
    if (p.r >= 0) clic(p.r, p.c);
    env->beeps = 0;
    tasto(p.k, p.shift);
    EXPECT_EQ((std::vector<int>{f->RigaCorr, f->ColCorr}), (std::vector<int>{p.riga, p.col}));
    if (p.beeps >= 0) { EXPECT_EQ(env->beeps, p.beeps); }
    if (p.r >= 0) { EXPECT_EQ(cella(p.r, p.c), p.cella); }
  }
  int k = 9;
  f->Peri_KeyDown(k, 1);
  EXPECT_EQ(k, 8);  // Shift+Tab is turned into Backspace for the caller too
  // The keypad's codes type nothing.
  const auto prima = f->schema.Griglia;
  tasto(97);
  tasto(107);
  EXPECT_EQ(f->schema.Griglia, prima);
}

TEST_F(Modifica, NeraNonSiScriveEIlCursoreCiSiFerma) {
  f->schema.scrivi(0, 1, CellaNera);
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  clic(0, 0);
  env->beeps = 0;
  tasto('A');
  EXPECT_EQ((std::vector<int>{f->ColCorr, env->beeps}), (std::vector<int>{1, 1}));  // landing on a black cell
  const int storia = f->storia.NumStoria;
  tasto('B');
  EXPECT_EQ((std::vector<int>{f->ColCorr, env->beeps, cella(0, 1), f->storia.NumStoria}),
            (std::vector<int>{1, 2, CellaNera, storia}));
}

TEST_F(Modifica, ClicDestroScambiaRigaEColonna) {
  // The tool pressed first ("": none), then the right click and the tool it gives.
  const std::pair<const char*, int> passi[] = {{"a1", 2}, {"", 1}, {"a3", 4}, {"a0", 0}};
  for (const auto& [tasto, modo] : passi) {
    SCOPED_TRACE(tasto);
    if (*tasto) f->Tlb1_ButtonClick(QString::fromLatin1(tasto));
    f->Peri_MouseDown(2, 0, 1.5, 1.5);
    EXPECT_EQ(f->Modo, modo);
  }
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Peri_MouseDown(2, 0, 1.5, 1.5);
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" SUGGERIMENTI COLONNA "));
}

TEST_F(Modifica, CorniceRossaSegueIlPuntatoreNeiModiDiScrittura) {
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  f->Peri_MouseMove(0, 0, 3.5, 2.5);
  EXPECT_EQ((std::vector<int>{f->RigaCorr, f->ColCorr}), (std::vector<int>{2, 3}));
  EXPECT_EQ(pixel(3.5, 2.05), QColor(Qt::red));
  f->Peri_MouseMove(0, 0, 9.0, -1.0);  // clamped into the grid
  EXPECT_EQ((std::vector<int>{f->RigaCorr, f->ColCorr}), (std::vector<int>{0, 4}));
  EXPECT_NE(pixel(3.5, 2.05), QColor(Qt::red));
}

TEST_F(Modifica, TrascinamentoNellaRiga) {
  ASSERT_TRUE(nuovo(QStringLiteral("6"), QStringLiteral("8")));
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Peri_MouseDown(1, 0, 2.5, 3.5);
  f->Peri_MouseMove(1, 0, 4.5, 3.5);
  f->Peri_MouseMove(1, 0, 6.5, 3.5);
  EXPECT_EQ(pixel(6.5, 3.05), QColor(Qt::blue));
  EXPECT_EQ(pixel(2.5, 3.05), QColor(Qt::blue));
  f->Peri_MouseUp(1, 0, 6.5, 3.5);
  EXPECT_EQ((std::vector<int>{f->SelCol1, f->SelCol2, f->RigaCorr, f->ColCorr}), (std::vector<int>{2, 6, 3, 2}));

  // Backwards: the same cells, the current cell on the first.
  f->Peri_MouseDown(1, 0, 6.5, 3.5);
  f->Peri_MouseMove(1, 0, 2.5, 3.5);
  f->Peri_MouseUp(1, 0, 2.5, 3.5);
  EXPECT_EQ((std::vector<int>{f->SelCol1, f->SelCol2, f->ColCorr}), (std::vector<int>{2, 6, 2}));

  // Past the right edge the drag ends; the release clamps to the last column.
  f->Peri_MouseDown(1, 0, 5.5, 3.5);
  f->Peri_MouseMove(1, 0, 7.5, 3.5);
  f->Peri_MouseMove(1, 0, 9.5, 3.5);
  EXPECT_FALSE(f->Trascinando);
  EXPECT_NE(pixel(7.5, 3.05), QColor(Qt::blue));  // the redraw removed the frame
  f->Peri_MouseUp(1, 0, 9.5, 3.5);
  EXPECT_EQ(f->SelCol2, 7);
}

TEST_F(Modifica, ClicVeriConQTest) {
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  const QPoint centro = f->Peri->inPixel(2.5, 1.5);
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, centro);
  EXPECT_EQ(cella(1, 2), CellaNera);
  // A double click, delivered as the system delivers it, is one click.
  const int storia = f->storia.NumStoria;
  QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, {}, f->Peri->mapTo(f.get(), f->Peri->inPixel(2.5, 2.5)));
  EXPECT_EQ(cella(2, 2), CellaNera);
  EXPECT_EQ(f->storia.NumStoria, storia + 3);
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, f->Peri->inPixel(0.5, 3.5));
  QApplication::setActiveWindow(f.get());
  f->Peri->setFocus();
  QTest::keyClicks(f->Peri, QStringLiteral("re"));
  EXPECT_EQ(f->schema.Griglia[3], "RE???");
  QTest::keyClick(f->Peri, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(f->ColCorr, 1);
}

}  // namespace
}  // namespace tessaro::prova
