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
const std::vector<std::string> Griglia = {"R\x10\x10", "?RA", "?\x10\x10"};
const std::vector<std::string> Base = {"ERA", "IRA", "ORA", "RE", "RIO", "RT", "TRA"};

class Incrocio : public Finestra {
 protected:
  void clic(int r, int c) {
    f->Peri_MouseDown(1, 0, c + 0.5, r + 0.5);
    f->Peri_MouseUp(1, 0, c + 0.5, r + 0.5);
    f->Peri_Click();
  }
  // Loads the dictionary and the grid and picks the crossing tool.
  void prepara(const std::vector<std::string>& voci, const std::vector<std::string>& griglia) {
    caricaBase(voci);
    schemaDa(griglia);
    f->Tlb1_ButtonClick(QStringLiteral("a6"));
    env->beeps = 0;
  }
  QStringList righe() const { return f->Lists->righe(); }
  QString p(int n) const { return f->Stb1->text(n); }
  std::vector<int> evid() const { return {f->EvidCol, f->EvidRiga, f->EvidLarg, f->EvidAlt}; }
};

TEST_F(Incrocio, LettereCheStannoInEntrambeLeParole) {
  prepara(Base, Griglia);
  f->textb->setText(QStringLiteral("TEST"));
  clic(1, 0);
  EXPECT_EQ(p(1), Completo);
  // E and T fit the column only as the two-letter words RE and RT.
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("E (Vert.-1)"), QStringLiteral("I"), QStringLiteral("T (Vert.-1)")}));
  EXPECT_EQ(p(2), QStringLiteral(" =3 "));
  EXPECT_EQ(p(3), QStringLiteral(" "));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire all'INCROCIO"));
  EXPECT_EQ(env->beeps, 0);
  EXPECT_EQ(f->Richiesta, "?");
  EXPECT_EQ(f->texta->text(), QStringLiteral("?"));
  EXPECT_TRUE(f->textb->text().isEmpty());
  // Both runs through the cell, and the cell itself framed.
  EXPECT_EQ((std::vector<int>{f->PrimaCol, f->UltimaCol, f->PrimaRiga, f->UltimaRiga}), (std::vector<int>{0, 2, 0, 2}));
  EXPECT_EQ(evid(), (std::vector<int>{0, 1, 1, 1}));
  EXPECT_EQ(pixel(0.5, 1.05), QColor(Qt::red));
  EXPECT_FALSE(f->Command1->isEnabled());
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Predefinito);
  // The grid is not touched.
  EXPECT_EQ(f->schema.Griglia, Griglia);

  // Without "Lunghezza Libera" only full-length words count.
  f->Accorcia_Click();
  clic(1, 0);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("I")});
  EXPECT_EQ(p(2), QStringLiteral(" =1 "));
}

TEST_F(Incrocio, CtrlProvaSoloLeVocali) {
  prepara(Base, Griglia);
  int k = 'A';
  f->Peri_KeyDown(k, 2);
  ASSERT_EQ(f->SoloVocali, 1);
  clic(1, 0);
  EXPECT_EQ(p(1), SoloVocaliTesto);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("E (Vert.-1)"), QStringLiteral("I")}));
  EXPECT_EQ(p(2), QStringLiteral(" =2 "));
  k = 'B';
  f->Peri_KeyDown(k, 0);
  clic(1, 0);
  EXPECT_EQ(p(1), Completo);
  EXPECT_EQ(f->Lists->ListCount(), 3);
  EXPECT_EQ(f->schema.Griglia, Griglia);  // the keys typed nothing
}

TEST_F(Incrocio, CasellaPienaEErroreCasella) {
  prepara(Base, {"R??", "???", "?\x10?"});
  const struct {
    const char* nome;
    int r, c;
    QString p3;
  } casi[] = {
      {"casella piena", 0, 0, QStringLiteral(" Richiesta errata! ")},
      {"una nera non è una casella vuota", 2, 1, QStringLiteral(" Richiesta errata! ")},
      {"la colonna non ha lettere", 0, 1, QStringLiteral(" errore CASELLA ")},
      // A black cell on its right: a row run of one cell, even with letters
      // in its column (written just before).
      {"riga di una sola casella", 2, 0, QStringLiteral(" errore CASELLA ")},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    if (k.r == 2 && k.c == 0) f->schema.scrivi(1, 0, 'R');
    env->beeps = 0;
    clic(k.r, k.c);
    EXPECT_EQ(p(1), Completo);
    EXPECT_EQ((QStringList{p(2), p(3)}), (QStringList{QStringLiteral(" "), k.p3}));
    EXPECT_EQ(env->beeps, 1);
    EXPECT_EQ(f->Lists->ListCount(), 0);
    EXPECT_TRUE(f->Lists->toolTip().isEmpty());
    // An empty cell refused for its runs stays highlighted.
    if (k.p3 != QStringLiteral(" errore CASELLA ")) continue;
    EXPECT_EQ(evid(), (std::vector<int>{k.c, k.r, 1, 1}));
    EXPECT_EQ(pixel(k.c + 0.5, k.r + 0.05), QColor(Qt::red));
    EXPECT_EQ(f->Occupato, 0);
  }
}

TEST_F(Incrocio, NoteDelleParolePiuCorte) {
  prepara({"CAN", "NE"}, {"CA???", "\x10\x10" "E\x10\x10"});
  clic(0, 2);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("N (Oriz.-2)")});
  EXPECT_EQ(p(2), QStringLiteral(" =1 "));

  schemaDa({"CA???", "\x10\x10" "E\x10\x10", "\x10\x10?\x10\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a6"));
  clic(0, 2);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("N (Oriz.-2 / Vert.-1)")});

  f->Accorcia_Click();
  env->beeps = 0;
  clic(0, 2);
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_EQ(p(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(p(3), QStringLiteral(" "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
}

TEST_F(Incrocio, DizionarioSpentoNonConta) {
  carica({{"base.diz", {"ERA", "IRA"}}, {"extra.dic", {"RIO"}}});
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a6"));
  f->Accorcia_Click();
  clic(1, 0);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("I")});
  f->d2_Click();
  env->beeps = 0;
  clic(1, 0);
  EXPECT_EQ(p(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(env->beeps, 1);
  f->Stb1_PanelClick(12);
  clic(1, 0);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("I")});
}

TEST_F(Incrocio, InterruzioneTieneLeLettereTrovate) {
  prepara(Base, Griglia);
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
    f->Lists->setListIndex(0);
    f->Lists_Click();
    f->Accorcia_Click();
    if (t == QStringLiteral(" incrocio J ")) f->Stb1_PanelClick(2);
  };
  env->beeps = 0;
  clic(1, 0);
  env->aOgniCessione = nullptr;
  ASSERT_FALSE(visti.isEmpty());
  EXPECT_EQ(visti.front(), QStringLiteral(" incrocio A "));
  EXPECT_EQ(visti.back(), QStringLiteral(" incrocio J "));
  EXPECT_EQ(visti.size(), 10);
  EXPECT_EQ(f->Modo, 6);
  EXPECT_TRUE(f->Accorcia->isChecked());
  EXPECT_EQ(f->schema.Griglia, Griglia);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("E (Vert.-1)"), QStringLiteral("I")}));
  EXPECT_EQ((QStringList{p(2), p(3)}), (QStringList{QStringLiteral(" =2 "), QStringLiteral(" interruzione  ")}));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire all'INCROCIO"));
  EXPECT_EQ(env->beeps + f->Occupato + f->Interrompi, 0);
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Predefinito);

  // Stopped at the first letter: nothing listed, the count is 0, no beep.
  env->aOgniCessione = [&] { f->Stb1_PanelClick(2); };
  clic(1, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_EQ((QStringList{p(2), p(3)}), (QStringList{QStringLiteral(" =0 "), QStringLiteral(" interruzione  ")}));
  EXPECT_EQ(env->beeps, 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());

  // The next test runs to the end.
  clic(1, 0);
  EXPECT_EQ(f->Lists->ListCount(), 3);
}

TEST_F(Incrocio, ClicVeroSullaGriglia) {
  prepara(Base, Griglia);
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, f->Peri->inPixel(0.5, 1.5));
  EXPECT_EQ(f->Lists->ListCount(), 3);
  EXPECT_EQ(f->Stb1->text(4), QStringLiteral(" R2 C1  "));
}

}  // namespace
}  // namespace tessaro::prova
