// A click on a result line: the word goes into the TEST field and into the
// row run, the column run or the crossing cell; the next click on the same
// list takes the previous word back first; vowel groups cycle; the lists of
// the TEST tools never touch the grid.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Trasferimento : public Finestra {
 protected:
  void clic(int r, int c) {
    f->Peri_MouseDown(1, 0, c + 0.5, r + 0.5);
    f->Peri_MouseUp(1, 0, c + 0.5, r + 0.5);
    f->Peri_Click();
  }
  void scegli(int i) {
    f->Lists->setListIndex(i);
    f->Lists_Click();
  }
  // Loads the dictionary and the grid and searches with the tool from (r, c).
  void cerca(const std::vector<std::string>& voci, std::vector<std::string> griglia, int r = 0, int c = 0,
             const char* tasto = "a1") {
    caricaBase(voci);
    schemaDa(std::move(griglia));
    f->Tlb1_ButtonClick(QString::fromLatin1(tasto));
    clic(r, c);
  }
  // The user's own edit before the search: an X typed into cell (1, 0).
  void scriviX() {
    f->Tlb1_ButtonClick(QStringLiteral("a3"));
    clic(1, 0);
    int k = 'X';
    f->Peri_KeyDown(k, 0);
    f->Tlb1_ButtonClick(QStringLiteral("a1"));
  }
  const std::string& riga(int r) const { return f->schema.Griglia[static_cast<std::size_t>(r)]; }
};

TEST_F(Trasferimento, CasaPoiCaroEUnAnnullamento) {
  cerca({"CARO", "CASA"}, {"CA??\x10", "?????"});
  ASSERT_EQ(f->Lists->righe(), (QStringList{QStringLiteral("CARO -1"), QStringLiteral("CASA -1")}));
  // No line selected: nothing happens.
  f->Lists->setListIndex(-1);
  f->Lists_Click();
  EXPECT_EQ(riga(0), "CA??\x10");
  EXPECT_FALSE(f->Trasferito);
  ASSERT_TRUE(f->Command1->isEnabled());

  scegli(1);
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(f->textb->text(), QStringLiteral("CASA"));
  EXPECT_EQ((std::vector<int>{f->EvidCol, f->EvidRiga, f->EvidLarg, f->EvidAlt}), (std::vector<int>{0, 0, 4, 1}));
  EXPECT_EQ(pixel(3.5, 0.05), QColor(Qt::red));
  EXPECT_TRUE(f->Trasferito);
  EXPECT_EQ(f->Modificato, 1);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a7")));
  EXPECT_FALSE(f->Command1->isEnabled() || f->Command2->isEnabled() || f->Command3->isEnabled() ||
               f->Command4->isEnabled());
  // The list stays for the next choice.
  EXPECT_EQ(f->Lists->ListCount(), 2);

  scegli(0);
  EXPECT_EQ(riga(0), "CARO\x10");
  EXPECT_EQ(f->textb->text(), QStringLiteral("CARO"));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));

  // One undo returns the run to its state before any transfer.
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(0), "CA??\x10");
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a7")));
  f->eseguiStrumento(QStringLiteral("a8"));
  EXPECT_EQ(riga(0), "CARO\x10");
}

TEST_F(Trasferimento, RitiraSoloLaParolaPrecedente) {
  caricaBase({"CARO", "CASA"});
  schemaDa({"CA??\x10", "?????"});
  scriviX();
  ASSERT_EQ(riga(1), "X????");
  clic(0, 0);
  scegli(0);
  scegli(1);
  scegli(0);
  EXPECT_EQ(riga(0), "CARO\x10");
  EXPECT_EQ(riga(1), "X????");
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(0), "CA??\x10");
  EXPECT_EQ(riga(1), "X????");
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(1), "?????");

  // After an undo the next choice does not take anything back.
  f->eseguiStrumento(QStringLiteral("a8"));
  clic(0, 0);  // CA?? again, since the undo left the run empty
  ASSERT_EQ(f->Lists->ListCount(), 2);
  scegli(1);
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(0), "CA??\x10");
  EXPECT_EQ(riga(1), "X????");
}

TEST_F(Trasferimento, UnNuovoClicSullaGrigliaRicomincia) {
  cerca({"CARO", "CASA"}, {"CA??\x10", "CA??\x10"});
  scegli(1);
  ASSERT_EQ(riga(0), "CASA\x10");
  clic(1, 1);
  ASSERT_EQ(f->Lists->ListCount(), 2);
  EXPECT_FALSE(f->Trasferito);
  scegli(0);
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(riga(1), std::string("CARO\x10"));
}

TEST_F(Trasferimento, UnaParolaGiaPresenteNonFaRitirareAltro) {
  // A plain dictionary may hold words of two parts: the blank matches the
  // empty cell and is not written, so choosing A POSTO changes no cell.
  // Choosing another line then must not take back the user's earlier edit.
  carica({{"base.diz", {"ZETA"}}, {"extra.dic", {"A POSTO", "APPOSTO"}}});
  schemaDa({"A?POSTO", "???????"});
  scriviX();
  ASSERT_EQ(riga(1), "X??????");
  clic(0, 0);
  ASSERT_EQ(f->Lists->righe(), (QStringList{QStringLiteral("A POSTO -2"), QStringLiteral("APPOSTO -2")}));
  scegli(0);
  EXPECT_EQ(f->textb->text(), QStringLiteral("A POSTO"));
  EXPECT_EQ(riga(0), "A?POSTO");
  scegli(1);
  EXPECT_EQ(riga(0), "APPOSTO");
  EXPECT_EQ(riga(1), "X??????");
  scegli(0);
  EXPECT_EQ(riga(0), "A?POSTO");
  EXPECT_EQ(riga(1), "X??????");
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(1), "???????");
}

TEST_F(Trasferimento, InColonna) {
  cerca({"CARO"}, {"C?", "A?", "??", "??"}, 1, 0, "a2");
  ASSERT_EQ(f->Lists->ListCount(), 1);
  scegli(0);
  EXPECT_EQ(f->schema.Griglia, (std::vector<std::string>{"C?", "A?", "R?", "O?"}));
  EXPECT_EQ((std::vector<int>{f->EvidCol, f->EvidRiga, f->EvidLarg, f->EvidAlt}), (std::vector<int>{0, 0, 1, 4}));
}

TEST_F(Trasferimento, LetteraNellIncrocio) {
  cerca({"ERA", "IRA", "ORA", "RE", "RIO", "RT", "TRA"}, {"R\x10\x10", "?RA", "?\x10\x10"}, 1, 0, "a6");
  ASSERT_EQ(f->Lists->List(0), QStringLiteral("E (Vert.-1)"));
  scegli(0);
  EXPECT_EQ(riga(1), "ERA");
  EXPECT_EQ(f->textb->text(), QStringLiteral("E"));
  EXPECT_EQ((std::vector<int>{f->EvidCol, f->EvidRiga, f->EvidLarg, f->EvidAlt}), (std::vector<int>{0, 1, 1, 1}));
  EXPECT_EQ(pixel(0.5, 1.05), QColor(Qt::red));
  scegli(1);
  EXPECT_EQ(riga(1), "IRA");
  f->eseguiStrumento(QStringLiteral("a7"));
  // Only the crossing cell was ever written.
  EXPECT_EQ(f->schema.Griglia, (std::vector<std::string>{"R\x10\x10", "?RA", "?\x10\x10"}));
}

TEST_F(Trasferimento, GruppoDiVocaliARotazione) {
  cerca({"BELL%", "BELT!"}, {"BEL??", "?????"});
  ASSERT_EQ(f->Lists->righe(), (QStringList{QStringLiteral("BELL(AEI) -1"), QStringLiteral("BELT(AE) -1")}));
  const char* attese[] = {"BELLA", "BELLE", "BELLI", "BELLA"};
  for (const char* a : attese) {
    scegli(0);
    EXPECT_EQ(riga(0), a);
    EXPECT_EQ(f->textb->text(), QString::fromLatin1(a));
  }
  // Another line restarts the cycle, and so does coming back.
  scegli(1);
  EXPECT_EQ(riga(0), "BELTA");
  scegli(0);
  EXPECT_EQ(riga(0), "BELLA");
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_EQ(riga(0), "BEL??");
}

TEST_F(Trasferimento, ListeDiTestNonToccanoLaGriglia) {
  cerca({"CARO", "CASA", "MORA", "RAMO", "ROMA"}, {"CA??\x10", "?????"});
  scegli(1);
  ASSERT_EQ(riga(0), "CASA\x10");
  const int storia = f->storia.NumStoria;

  f->textb->setText(QStringLiteral("amor"));
  f->Tlb1_ButtonClick(QStringLiteral("a9"));
  ASSERT_EQ(f->Modo, 9);
  ASSERT_EQ(f->Lists->righe(), (QStringList{QStringLiteral("MORA"), QStringLiteral("RAMO"), QStringLiteral("ROMA")}));
  scegli(2);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ROMA"));
  scegli(0);
  EXPECT_EQ(f->textb->text(), QStringLiteral("MORA"));
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(riga(1), "?????");
  EXPECT_EQ(f->storia.NumStoria, storia);

  // " nessun Anagramma " is no word.
  f->textb->setText(QStringLiteral("ZQ"));
  f->Tlb1_ButtonClick(QStringLiteral("a9"));
  ASSERT_EQ(f->Lists->List(f->Lists->ListCount() - 1), QStringLiteral(" nessun Anagramma "));
  scegli(f->Lists->ListCount() - 1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ZQ"));
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(f->storia.NumStoria, storia);
}

TEST_F(Trasferimento, ClicVeroSullaLista) {
  cerca({"CARO", "CASA"}, {"CA??\x10", "?????"});
  ASSERT_EQ(f->Lists->ListCount(), 2);
  ASSERT_TRUE(f->Lists->isVisible());
  const QRect r = f->Lists->visualRect(f->Lists->model()->index(1, 0));
  ASSERT_TRUE(r.isValid());
  QTest::mouseClick(f->Lists->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  EXPECT_EQ(f->Lists->ListIndex(), 1);
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(f->textb->text(), QStringLiteral("CASA"));
  QTest::mouseClick(f->Lists->viewport(), Qt::LeftButton, Qt::NoModifier,
                    f->Lists->visualRect(f->Lists->model()->index(0, 0)).center());
  EXPECT_EQ(riga(0), "CARO\x10");
}

}  // namespace
}  // namespace tessaro::prova
