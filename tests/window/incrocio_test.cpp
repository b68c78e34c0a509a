// The crossing tool on the grid: the letters that fit both runs through an
// empty cell, with the notes of shortened words, the vowels-only test, the
// refusals and the interrupt from status panel 2.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

const QString Completo = QStringLiteral(" SUGGERIMENTI INCROCIO (test completo, premere Ctrl per sole vocali) ");
const QString SoloVocaliTesto =
    QStringLiteral(" SUGGERIMENTI INCROCIO (solo le vocali, premere Alt per test completo) ");

// Cell (1, 0) crosses the row run ?RA and the column run R??.
const Testi Griglia = {"R\x10\x10", "?RA", "?\x10\x10"};
const Testi Base = {"ERA", "IRA", "ORA", "RE", "RIO", "RT", "TRA"};

class Incrocio : public Finestra {
 protected:
  QString p(int n) const { return f->Stb1->text(n); }
};

TEST_F(Incrocio, LettereCheStannoInEntrambeLeParole) {
  prepara(Base, Griglia, "a6");
  f->textb->setText(QStringLiteral("TEST"));
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, f->Peri->inPixel(0.5, 1.5));  // a real click
  EXPECT_EQ(p(1), Completo);
  EXPECT_EQ(p(4), QStringLiteral(" R2 C1  "));
  // E and T fit the column only as the two-letter words RE and RT.
  EXPECT_EQ(righe(), (Testi{"E (Vert.-1)", "I", "T (Vert.-1)"}));
  EXPECT_EQ(pannelli(), (Testi{" =3 ", " "}));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire all'INCROCIO"));
  EXPECT_EQ(env->beeps, 0);
  EXPECT_EQ(f->texta->text() + '|' + f->textb->text(), QStringLiteral("?|"));
  // The cell itself framed; the grid is not touched.
  EXPECT_EQ(pixel(0.5, 1.05), QColor(Qt::red));
  EXPECT_FALSE(f->Command1->isEnabled());
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Predefinito);
  EXPECT_EQ(f->schema.Griglia, Griglia);

  // Without "Lunghezza Libera" only full-length words count.
  f->Accorcia_Click();
  clic(1, 0);
  EXPECT_EQ(righe(), Testi{"I"});
  EXPECT_EQ(p(2), QStringLiteral(" =1 "));
  f->Accorcia_Click();

  // Ctrl+A: the vowels only; any other key: the full test again.
  int k = 'A';
  f->Peri_KeyDown(k, 2);
  clic(1, 0);
  EXPECT_EQ(p(1), SoloVocaliTesto);
  EXPECT_EQ(righe(), (Testi{"E (Vert.-1)", "I"}));
  EXPECT_EQ(p(2), QStringLiteral(" =2 "));
  k = 'B';
  f->Peri_KeyDown(k, 0);
  clic(1, 0);
  EXPECT_EQ(p(1), Completo);
  EXPECT_EQ(f->Lists->ListCount(), 3);
  EXPECT_EQ(f->schema.Griglia, Griglia);  // the keys typed nothing
}

TEST_F(Incrocio, CasellaPienaEErroreCasella) {
  prepara(Base, {"R??", "???", "?\x10?"}, "a6");
  const struct {
    const char* nome;
    int r, c;
    std::string p3;
  } casi[] = {
      {"casella piena", 0, 0, " Richiesta errata! "},
      {"una nera non è una casella vuota", 2, 1, " Richiesta errata! "},
      {"la colonna non ha lettere", 0, 1, " errore CASELLA "},
      // A black cell on its right: a row run of one cell, even with letters
      // in its column (written just before).
      {"riga di una sola casella", 2, 0, " errore CASELLA "},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    if (k.r == 2 && k.c == 0) f->schema.scrivi(1, 0, 'R');
    env->beeps = 0;
    clic(k.r, k.c);
    EXPECT_EQ(p(1), Completo);
    EXPECT_EQ(pannelli(), (Testi{" ", k.p3}));
    EXPECT_EQ(env->beeps, 1);
    EXPECT_EQ(righe(), Testi{});
    EXPECT_TRUE(f->Lists->toolTip().isEmpty());
    // An empty cell refused for its runs stays highlighted.
    if (k.p3 == " errore CASELLA ") {
      EXPECT_EQ(pixel(k.c + 0.5, k.r + 0.05), QColor(Qt::red));
    }
  }
}

TEST_F(Incrocio, NoteDelleParolePiuCorte) {
  prepara({"CAN", "NE"}, {"CA???", "\x10\x10" "E\x10\x10"}, "a6");
  clic(0, 2);
  EXPECT_EQ(righe(), Testi{"N (Oriz.-2)"});
  EXPECT_EQ(p(2), QStringLiteral(" =1 "));

  schemaDa({"CA???", "\x10\x10" "E\x10\x10", "\x10\x10?\x10\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a6"));
  clic(0, 2);
  EXPECT_EQ(righe(), Testi{"N (Oriz.-2 / Vert.-1)"});

  f->Accorcia_Click();
  env->beeps = 0;
  clic(0, 2);
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(pannelli(), (Testi{" nessuno ", " "}));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
}

TEST_F(Incrocio, DizionarioSpentoNonConta) {
  carica({{"base.diz", {"ERA", "IRA"}}, {"extra.dic", {"RIO"}}});
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a6"));
  f->Accorcia_Click();
  clic(1, 0);
  EXPECT_EQ(righe(), Testi{"I"});
  // Switched off at the first letter: the letters still to try do without it.
  env->aOgniCessione = [&] {
    if (p(2) == QStringLiteral(" incrocio A ") && f->Stb1->isEnabled(12)) f->Stb1_PanelClick(12);
  };
  clic(1, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(p(2), QStringLiteral(" nessuno "));
}

TEST_F(Incrocio, InterruzioneTieneLeLettereTrovate) {
  prepara(Base, Griglia, "a6");
  QStringList visti;
  env->aOgniCessione = [&] {
    if (f->Occupato == 0) return;
    const QString t = p(2);
    if (visti.isEmpty() || visti.back() != t) visti.append(t);
    EXPECT_EQ(f->Stb1->toolTip(2), QStringLiteral("Interrompi"));
    EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Clessidra);
    EXPECT_EQ(p(3), QStringLiteral("... attendere "));
    // Nothing else reacts while the test runs.
    f->Tlb1_ButtonClick(QStringLiteral("a1"));
    scegli(0);
    f->Accorcia_Click();
    if (t == QStringLiteral(" incrocio J ")) f->Stb1_PanelClick(2);
  };
  clic(1, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(visti.size(), 10);
  EXPECT_EQ(visti.front() + visti.back(), QStringLiteral(" incrocio A  incrocio J "));
  EXPECT_EQ(f->Modo, 6);
  EXPECT_TRUE(f->Accorcia->isChecked());
  EXPECT_EQ(f->schema.Griglia, Griglia);
  EXPECT_EQ(righe(), (Testi{"E (Vert.-1)", "I"}));
  EXPECT_EQ(pannelli(), (Testi{" =2 ", " interruzione  "}));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire all'INCROCIO"));
  EXPECT_EQ(env->beeps + f->Occupato + f->Interrompi, 0);
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Predefinito);

  // Stopped at the first letter: nothing listed, the count is 0, no beep.
  env->aOgniCessione = [&] { f->Stb1_PanelClick(2); };
  clic(1, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(pannelli(), (Testi{" =0 ", " interruzione  "}));
  EXPECT_EQ(env->beeps, 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());

  // The next test runs to the end.
  clic(1, 0);
  EXPECT_EQ(f->Lists->ListCount(), 3);
}

}  // namespace
}  // namespace tessaro::prova
