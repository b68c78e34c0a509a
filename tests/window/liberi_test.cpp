// The four free-length buttons under the request: freeing the empty head or
// tail of the run, shortening it at either end, their refusals and the green
// mark of the freed cells.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

const QColor Verde(0, 255, 0);

class Liberi : public Finestra {
 protected:
  void clic(int r, int c) {
    f->Peri_MouseDown(1, 0, c + 0.5, r + 0.5);
    f->Peri_MouseUp(1, 0, c + 0.5, r + 0.5);
    f->Peri_Click();
  }
  QStringList righe() const { return f->Lists->righe(); }
  QString p2() const { return f->Stb1->text(2); }
  QString p3() const { return f->Stb1->text(3); }
};

TEST_F(Liberi, LiberaInizioSegnaInVerdeERifiutaIlSecondo) {
  caricaBase({"ARCANE", "ICANE"});
  schemaDa({"??CANE", "??????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(righe(), QStringList{QStringLiteral("ARCANE -1")});
  f->textb->setText(QStringLiteral("prima"));
  env->beeps = 0;
  f->Command1_Click();
  EXPECT_EQ(f->TestaLibera, "??");
  EXPECT_EQ(f->Richiesta, "*CANE");
  EXPECT_EQ(f->RichiestaMax, "??CANE");
  EXPECT_EQ(f->texta->text(), QStringLiteral("*CANE"));
  EXPECT_TRUE(f->textb->text().isEmpty());
  // A shorter word is shifted by blanks so that it ends at the end of the slot.
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("ARCANE -1"), QStringLiteral(" ICANE -1")}));
  EXPECT_EQ(p2(), QStringLiteral(" =2 "));
  EXPECT_EQ(env->beeps, 0);
  // The red frame moved onto the fixed cells, the freed ones are green.
  EXPECT_EQ(f->EvidCol, 2);
  EXPECT_EQ(f->EvidLarg, 4);
  EXPECT_EQ(pixel(0.5, 0.05), Verde);
  EXPECT_EQ(pixel(1.5, 0.05), Verde);
  EXPECT_EQ(pixel(2.5, 0.05), QColor(Qt::red));
  EXPECT_NE(pixel(0.5, 1.05), Verde);

  f->Command1_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Lunghezza Libera in Testa "));
  EXPECT_EQ(p3(), QStringLiteral(" Già attivata! "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Richiesta, "*CANE");
  EXPECT_EQ(f->Lists->ListCount(), 2);

  // With a free head the tail buttons answer " non possibile ".
  f->Command4_Click();
  EXPECT_EQ(p3(), QStringLiteral(" non possibile "));
  f->Command3_Click();
  EXPECT_EQ(p3(), QStringLiteral(" non possibile "));
  EXPECT_EQ(env->beeps, 3);
  EXPECT_EQ(f->Richiesta, "*CANE");
  EXPECT_EQ(f->Lists->ListCount(), 2);
}

TEST_F(Liberi, AccorciaInizioRinunciaAllaTestaLibera) {
  caricaBase({"CASE"});
  schemaDa({"??CA?E", "??????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(p2(), QStringLiteral(" nessuno "));
  f->Command1_Click();
  ASSERT_EQ(f->Richiesta, "*CA?E");
  f->Command2_Click();
  EXPECT_EQ(f->Richiesta, "CA?E");
  EXPECT_TRUE(f->TestaLibera.empty());
  EXPECT_EQ(f->RichiestaMax, "CA?E");
  EXPECT_EQ(f->RichiestaIntera, "CA?E");
  // The slot starts again on the first fixed cell, not one cell further.
  EXPECT_EQ(f->PrimaCol, 2);
  EXPECT_EQ(f->EvidCol, 2);
  EXPECT_EQ(f->EvidLarg, 4);
  ASSERT_EQ(righe(), QStringList{QStringLiteral("CASE -1")});
  f->Lists->setListIndex(0);
  f->Lists_Click();
  EXPECT_EQ(f->schema.Griglia[0], "??CASE");
}

TEST_F(Liberi, LiberaInizioDopoLaTrasferta) {
  caricaBase({"ARCANE", "ICANE"});
  schemaDa({"??CANE", "??????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  f->Command1_Click();
  f->Lists->setListIndex(1);
  f->Lists_Click();
  EXPECT_EQ(f->textb->text(), QStringLiteral(" ICANE"));
  EXPECT_EQ(f->schema.Griglia[0], "?ICANE");
  EXPECT_EQ(f->EvidCol, 1);
  EXPECT_EQ(f->EvidLarg, 5);
  f->Lists->setListIndex(0);
  f->Lists_Click();
  EXPECT_EQ(f->schema.Griglia[0], "ARCANE");
}

TEST_F(Liberi, UnSoloVuotoInTestaNonSiLibera) {
  caricaBase({"ARCANE"});
  schemaDa({"\x10?CANE"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 3);
  ASSERT_EQ(f->Richiesta, "?CANE");
  env->beeps = 0;
  f->Command1_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Lunghezza Libera in Testa "));
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Richiesta, "?CANE");
  EXPECT_TRUE(f->TestaLibera.empty());
  // A letter at the end: the tail cannot be freed either.
  f->Command4_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Lunghezza Libera in Coda "));
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(env->beeps, 2);
}

TEST_F(Liberi, LiberaCodaPoiAccorciaInCoda) {
  caricaBase({"CAN", "CARO", "CASA"});
  schemaDa({"CA??\x10", "?????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(righe(), (QStringList{QStringLiteral("CARO -1"), QStringLiteral("CASA -1")}));
  env->beeps = 0;
  // A real press of the button.
  QTest::mouseClick(f->Command4, Qt::LeftButton);
  EXPECT_EQ(f->Richiesta, "CA*");
  EXPECT_EQ(f->CodaLibera, "??");
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA*"));
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CAN -1"), QStringLiteral("CARO -1"), QStringLiteral("CASA -1")}));
  EXPECT_EQ(f->EvidCol, 0);
  EXPECT_EQ(f->EvidLarg, 2);
  EXPECT_EQ(pixel(2.5, 0.05), Verde);
  EXPECT_EQ(pixel(3.5, 0.05), Verde);
  EXPECT_NE(pixel(4.5, 0.05), Verde);
  EXPECT_EQ(env->beeps, 0);

  f->Command4_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Lunghezza Libera in Coda "));
  EXPECT_EQ(p3(), QStringLiteral(" Già attivata! "));
  // With a free tail the head buttons answer " Richiesta errata! ".
  f->Command1_Click();
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  f->Command2_Click();
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(env->beeps, 3);
  EXPECT_EQ(f->Richiesta, "CA*");
  EXPECT_EQ(f->Lists->ListCount(), 3);

  // Giving the free tail up leaves the two letters, which are no request.
  f->Command3_Click();
  EXPECT_EQ(f->Richiesta, "CA");
  EXPECT_TRUE(f->CodaLibera.empty());
  EXPECT_EQ(f->RichiestaMax, "CA");
  EXPECT_EQ(f->UltimaCol, 1);
  EXPECT_EQ(f->EvidLarg, 2);
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA"));
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_EQ(env->beeps, 4);

  f->Command3_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Accorcia alla Fine "));
  EXPECT_EQ(p3(), QStringLiteral(" non possibile "));
  f->Command2_Click();
  EXPECT_EQ(p2(), QStringLiteral(" Accorcia all'Inizio "));
  EXPECT_EQ(p3(), QStringLiteral(" non possibile "));
  EXPECT_EQ(env->beeps, 6);
  EXPECT_EQ(f->Richiesta, "CA");
}

TEST_F(Liberi, AccorciaAiDueCapi) {
  caricaBase({"ALA", "CARO", "CASA"});
  schemaDa({"CA???\x10"});
  f->Accorcia_Click();  // no retry: the first search stays on CA???
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(p2(), QStringLiteral(" nessuno "));
  f->Command3_Click();
  EXPECT_EQ(f->Richiesta, "CA??");
  EXPECT_EQ(f->RichiestaIntera, "CA??");
  EXPECT_EQ(f->UltimaCol, 3);
  EXPECT_EQ(f->EvidLarg, 4);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CARO -1"), QStringLiteral("CASA -1")}));
  f->Command2_Click();
  EXPECT_EQ(f->Richiesta, "A??");
  EXPECT_EQ(f->PrimaCol, 1);
  EXPECT_EQ(f->EvidCol, 1);
  EXPECT_EQ(f->EvidLarg, 3);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("ALA -1")});
  // The shortened slot is where the transfer writes.
  f->Lists->setListIndex(0);
  f->Lists_Click();
  EXPECT_EQ(f->schema.Griglia[0], "CALA?\x10");
}

TEST_F(Liberi, TuttoVuoto) {
  caricaBase({"AL", "ALA"});
  schemaDa({"????\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(p3(), QStringLiteral(" Richiesta errata! "));
  f->Command1_Click();
  EXPECT_EQ(f->Richiesta, "*");
  EXPECT_EQ(f->TestaLibera, "????");
  EXPECT_EQ(pixel(3.5, 0.05), Verde);
  EXPECT_EQ(p3(), QStringLiteral(" Richiesta errata! "));  // a lone "*" is too short
  clic(0, 0);
  f->Command4_Click();
  EXPECT_EQ(f->Richiesta, "?*");
  EXPECT_EQ(f->CodaLibera, "???");
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("AL -1"), QStringLiteral("ALA -1")}));
}

TEST_F(Liberi, InColonna) {
  caricaBase({"CAN", "CARO"});
  schemaDa({"C?", "A?", "??", "??"});
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  clic(0, 0);
  ASSERT_EQ(righe(), QStringList{QStringLiteral("CARO -1")});
  f->Command4_Click();
  EXPECT_EQ(f->Richiesta, "CA*");
  EXPECT_EQ(f->EvidAlt, 2);
  EXPECT_EQ(f->EvidLarg, 1);
  EXPECT_EQ(pixel(0.5, 2.05), Verde);
  EXPECT_EQ(pixel(0.05, 3.5), Verde);
  EXPECT_NE(pixel(1.5, 2.05), Verde);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CAN -1"), QStringLiteral("CARO -1")}));
  f->Command3_Click();
  EXPECT_EQ(f->Richiesta, "CA");
  EXPECT_EQ(f->UltimaRiga, 1);
  EXPECT_EQ(f->EvidAlt, 2);
}

TEST_F(Liberi, PulsantiSpentiFinoAllaRicercaDiRigaOColonna) {
  caricaBase({"CARO"});
  schemaDa({"CA??", "????"});
  EXPECT_FALSE(f->Command1->isEnabled());
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  EXPECT_TRUE(f->Command4->isEnabled());
  // The crossing request turns them off again.
  f->Tlb1_ButtonClick(QStringLiteral("a6"));
  EXPECT_FALSE(f->Command4->isEnabled());
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  clic(0, 0);
  EXPECT_TRUE(f->Command1->isEnabled());
}

}  // namespace
}  // namespace tessaro::prova
