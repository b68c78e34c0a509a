// The four free-length buttons under the request: freeing the empty head or
// tail of the run, shortening it at either end, their refusals and the green
// mark of the freed cells.
#include <QLabel>
#include <array>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

const QColor Verde(0, 255, 0);

class Liberi : public Finestra {
 protected:
  // Loads the dictionary and the grid and searches the run of cell (r, c).
  void cerca(const Testi& voci, const Testi& griglia, int r = 0, int c = 0, const char* tasto = "a1") {
    prepara(voci, griglia, tasto);
    clic(r, c);
    env->beeps = 0;
  }
  // The request as shown, with its free head and free tail.
  Testi richiesta() const { return {f->texta->text().toStdString(), f->TestaLibera, f->CodaLibera}; }
  // Presses the button and expects a refusal: panels 2 and 3, one more beep,
  // the request and the list unchanged.
  void rifiuto(void (Form0g::*comando)(), const Testi& attesi) {
    const auto prima = richiesta();
    const int righePrima = f->Lists->ListCount(), beeps = env->beeps;
    (f.get()->*comando)();
    EXPECT_EQ(pannelli(), attesi);
    EXPECT_EQ(env->beeps, beeps + 1);
    EXPECT_EQ(richiesta(), prima);
    EXPECT_EQ(f->Lists->ListCount(), righePrima);
  }
};

TEST_F(Liberi, LiberaInizioSegnaInVerdeERifiutaIlSecondo) {
  cerca({"ARCANE", "ICANE"}, {"??CANE", "??????"});
  ASSERT_EQ(righe(), Testi{"ARCANE -1"});
  f->textb->setText(QStringLiteral("prima"));
  f->Command1_Click();
  EXPECT_EQ(richiesta(), (Testi{"*CANE", "??", ""}));
  EXPECT_EQ(f->RichiestaMax, "??CANE");
  EXPECT_TRUE(f->textb->text().isEmpty());
  // A shorter word is shifted by blanks so that it ends at the end of the slot.
  EXPECT_EQ(righe(), (Testi{"ARCANE -1", " ICANE -1"}));
  EXPECT_EQ(pannelli(), (Testi{" =2 ", " "}));
  EXPECT_EQ(env->beeps, 0);
  // The red frame moved onto the fixed cells, the freed ones are green.
  EXPECT_EQ(evid(), (Quattro{2, 0, 4, 1}));
  EXPECT_EQ((std::vector<QColor>{pixel(0.5, 0.05), pixel(1.5, 0.05), pixel(2.5, 0.05)}),
            (std::vector<QColor>{Verde, Verde, QColor(Qt::red)}));
  EXPECT_NE(pixel(0.5, 1.05), Verde);

  rifiuto(&Form0g::Command1_Click, {" Lunghezza Libera in Testa ", " Già attivata! "});
  // With a free head the tail buttons answer " non possibile ".
  rifiuto(&Form0g::Command4_Click, {" Lunghezza Libera in Testa ", " non possibile "});
  rifiuto(&Form0g::Command3_Click, {" Lunghezza Libera in Testa ", " non possibile "});

  // The transfer writes the shifted word into the whole slot.
  scegli(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral(" ICANE"));
  EXPECT_EQ(f->schema.Griglia[0], "?ICANE");
  EXPECT_EQ(evid(), (Quattro{1, 0, 5, 1}));
  scegli(0);
  EXPECT_EQ(f->schema.Griglia[0], "ARCANE");
}

TEST_F(Liberi, AccorciaInizioRinunciaAllaTestaLibera) {
  cerca({"CASE"}, {"??CA?E", "??????"});
  ASSERT_EQ(pannelli()[0], " nessuno ");
  f->Command1_Click();
  ASSERT_EQ(f->Richiesta, "*CA?E");
  f->Command2_Click();
  EXPECT_EQ(richiesta(), (Testi{"CA?E", "", ""}));
  EXPECT_EQ((Testi{f->RichiestaMax, f->RichiestaIntera}), (Testi{"CA?E", "CA?E"}));
  // The slot starts again on the first fixed cell, not one cell further.
  EXPECT_EQ(evid(), (Quattro{2, 0, 4, 1}));
  ASSERT_EQ(righe(), Testi{"CASE -1"});
  scegli(0);
  EXPECT_EQ(f->schema.Griglia[0], "??CASE");
}

TEST_F(Liberi, LiberaCodaPoiAccorciaInCoda) {
  cerca({"CAN", "CARO", "CASA"}, {"CA??\x10", "?????"});
  ASSERT_EQ(righe(), (Testi{"CARO -1", "CASA -1"}));
  // A real press of the button.
  QTest::mouseClick(f->Command4, Qt::LeftButton);
  EXPECT_EQ(richiesta(), (Testi{"CA*", "", "??"}));
  EXPECT_EQ(righe(), (Testi{"CAN -1", "CARO -1", "CASA -1"}));
  EXPECT_EQ(evid(), (Quattro{0, 0, 2, 1}));
  EXPECT_EQ((std::vector<QColor>{pixel(2.5, 0.05), pixel(3.5, 0.05)}), (std::vector<QColor>{Verde, Verde}));
  EXPECT_NE(pixel(4.5, 0.05), Verde);
  EXPECT_EQ(env->beeps, 0);

  rifiuto(&Form0g::Command4_Click, {" Lunghezza Libera in Coda ", " Già attivata! "});
  // With a free tail the head buttons answer " Richiesta errata! ", before
  // naming themselves in panel 2.
  rifiuto(&Form0g::Command1_Click, {" Lunghezza Libera in Coda ", " Richiesta errata! "});
  rifiuto(&Form0g::Command2_Click, {" Lunghezza Libera in Coda ", " Richiesta errata! "});

  // Giving the free tail up leaves the two letters, which are no request.
  f->Command3_Click();
  EXPECT_EQ(richiesta(), (Testi{"CA", "", ""}));
  EXPECT_EQ(f->RichiestaMax, "CA");
  EXPECT_EQ(evid(), (Quattro{0, 0, 2, 1}));
  EXPECT_EQ(pannelli()[1], " Richiesta errata! ");
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(env->beeps, 4);

  // Two letters cannot be shortened at either end.
  rifiuto(&Form0g::Command3_Click, {" Accorcia alla Fine ", " non possibile "});
  rifiuto(&Form0g::Command2_Click, {" Accorcia all'Inizio ", " non possibile "});
}

TEST_F(Liberi, AccorciaAiDueCapi) {
  caricaBase({"ALA", "CARO", "CASA"});
  schemaDa({"CA???\x10"});
  f->Accorcia_Click();  // no retry: the first search stays on CA???
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(pannelli()[0], " nessuno ");
  f->Command3_Click();
  EXPECT_EQ((Testi{f->texta->text().toStdString(), f->RichiestaIntera}), (Testi{"CA??", "CA??"}));
  EXPECT_EQ(evid(), (Quattro{0, 0, 4, 1}));
  EXPECT_EQ(righe(), (Testi{"CARO -1", "CASA -1"}));
  f->Command2_Click();
  EXPECT_EQ(f->texta->text(), QStringLiteral("A??"));
  EXPECT_EQ(evid(), (Quattro{1, 0, 3, 1}));
  EXPECT_EQ(righe(), Testi{"ALA -1"});
  // The shortened slot is where the transfer writes.
  scegli(0);
  EXPECT_EQ(f->schema.Griglia[0], "CALA?\x10");
}

TEST_F(Liberi, TuttoVuoto) {
  cerca({"AL", "ALA"}, {"????\x10"});
  ASSERT_EQ(pannelli()[1], " Richiesta errata! ");
  f->Command1_Click();
  EXPECT_EQ(richiesta(), (Testi{"*", "????", ""}));
  EXPECT_EQ(pixel(3.5, 0.05), Verde);
  EXPECT_EQ(pannelli()[1], " Richiesta errata! ");  // a lone "*" is too short
  clic(0, 0);
  f->Command4_Click();
  EXPECT_EQ(richiesta(), (Testi{"?*", "", "???"}));
  EXPECT_EQ(righe(), (Testi{"AL -1", "ALA -1"}));
}

TEST_F(Liberi, InColonna) {
  cerca({"CAN", "CARO"}, {"C?", "A?", "??", "??"}, 0, 0, "a2");
  ASSERT_EQ(righe(), Testi{"CARO -1"});
  f->Command4_Click();
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA*"));
  EXPECT_EQ(evid(), (Quattro{0, 0, 1, 2}));
  EXPECT_EQ((std::vector<QColor>{pixel(0.5, 2.05), pixel(0.05, 3.5)}), (std::vector<QColor>{Verde, Verde}));
  EXPECT_NE(pixel(1.5, 2.05), Verde);
  EXPECT_EQ(righe(), (Testi{"CAN -1", "CARO -1"}));
  f->Command3_Click();
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA"));
  EXPECT_EQ(evid(), (Quattro{0, 0, 1, 2}));
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
