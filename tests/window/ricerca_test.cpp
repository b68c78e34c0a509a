// The word search from the grid: the row and column run read into the
// request, the result lines with their status texts, the cap of a normal
// search, the dictionaries switched on and off, the interrupt from status
// panel 2 and the automatic free-tail retry.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Ricerca : public Finestra {
 protected:
  // A plain click on cell (r, c): button down, release, click.
  void clic(int r, int c) {
    f->Peri_MouseDown(1, 0, c + 0.5, r + 0.5);
    f->Peri_MouseUp(1, 0, c + 0.5, r + 0.5);
    f->Peri_Click();
  }
  // Button down, move and release along the grid, then the click.
  void trascina(double x1, double y1, double x2, double y2) {
    f->Peri_MouseDown(1, 0, x1, y1);
    f->Peri_MouseMove(1, 0, x2, y2);
    f->Peri_MouseUp(1, 0, x2, y2);
    f->Peri_Click();
  }
  QStringList righe() const { return f->Lists->righe(); }
  bool comandiAbilitati() const {
    return f->Command1->isEnabled() && f->Command2->isEnabled() && f->Command3->isEnabled() &&
           f->Command4->isEnabled();
  }
  bool comandiDisabilitati() const {
    return !f->Command1->isEnabled() && !f->Command2->isEnabled() && !f->Command3->isEnabled() &&
           !f->Command4->isEnabled();
  }
  // The entries "C" followed by four letters, in text order, up to n of them.
  static std::vector<std::string> moltissime(int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) {
      std::string s = "C";
      for (int p = 26 * 26 * 26, x = i; p > 0; p /= 26) s += static_cast<char>('A' + (x / p) % 26);
      v.push_back(s);
    }
    return v;
  }
};

// Row 0 holds C, A, empty, E, black, empty, C; row 1 CAS and an empty cell;
// column 6 reads C, O, empty, E; row 2 has two black cells side by side.
const std::vector<std::string> Griglia = {"CA?E\x10?C", "CAS?\x10?O", "???\x10\x10??", "E?????E"};
const std::vector<std::string> Base = {"AL", "CAS!", "CAVE", "COS!"};

TEST_F(Ricerca, RigaDalClicSullaSecondaCasella) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  clic(0, 1);
  EXPECT_EQ(f->Richiesta, "CA?E");
  EXPECT_EQ(f->RichiestaMax, "CA?E");
  EXPECT_EQ(f->RichiestaIntera, "CA?E");
  EXPECT_EQ(f->PrimaCol, 0);
  EXPECT_EQ(f->UltimaCol, 3);
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA?E"));
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CASE -1"), QStringLiteral("CAVE -1")}));
  EXPECT_EQ(f->NumRisultati, 2);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =2 "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(f->Stb1->text(4), QStringLiteral(" "));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a RIGA"));
  EXPECT_TRUE(comandiAbilitati());
  EXPECT_EQ(env->beeps, 0);
  EXPECT_EQ(f->Occupato, 0);
  EXPECT_EQ(f->Interrompi, 0);
  // The four cells of the run are framed in red, the black cell after it not.
  EXPECT_EQ(f->EvidCol, 0);
  EXPECT_EQ(f->EvidLarg, 4);
  EXPECT_EQ(f->EvidAlt, 1);
  EXPECT_EQ(pixel(3.5, 0.05), QColor(Qt::red));
  EXPECT_NE(pixel(5.5, 0.05), QColor(Qt::red));
  // The tool cursor is back after the hourglass.
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Personalizzato);
  EXPECT_EQ(f->Lists->mousePointer(), 0);

  // A request ending in an empty cell shows the whole vowel group.
  clic(1, 3);
  EXPECT_EQ(f->Richiesta, "CAS?");
  EXPECT_EQ(righe(), QStringList{QStringLiteral("CAS(AE) -1")});
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =1 "));
}

TEST_F(Ricerca, TrascinamentoAccorciaLaRichiesta) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  trascina(1.5, 0.5, 2.5, 0.5);
  EXPECT_EQ(f->Richiesta, "A?");
  EXPECT_EQ(f->RichiestaIntera, "A?E");
  EXPECT_EQ(f->RichiestaMax, "A?");
  EXPECT_EQ(f->PrimaCol, 1);
  EXPECT_EQ(f->UltimaCol, 2);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("AL -1")});
  EXPECT_EQ(f->EvidCol, 1);
  EXPECT_EQ(f->EvidLarg, 2);
  // The click consumed the drag: the selection is the whole grid again, and
  // the next plain click reads the whole run.
  EXPECT_EQ(f->SelCol1, 0);
  EXPECT_EQ(f->SelCol2, 6);
  clic(0, 2);
  EXPECT_EQ(f->Richiesta, "CA?E");
  EXPECT_EQ(f->PrimaCol, 0);
}

TEST_F(Ricerca, TrascinamentoAllIndietroEOltreLaNera) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  // From column 2 back to column 1: the same cells as forwards.
  trascina(2.5, 0.5, 1.5, 0.5);
  EXPECT_EQ(f->Richiesta, "A?");
  EXPECT_EQ(f->PrimaCol, 1);
  EXPECT_EQ(f->UltimaCol, 2);
  // Dragged over the black cell: the run ends before it, and so does the
  // highlight.
  trascina(2.5, 0.5, 6.5, 0.5);
  EXPECT_EQ(f->Richiesta, "?E");
  EXPECT_EQ(f->RichiestaIntera, "?E");
  EXPECT_EQ(f->PrimaCol, 2);
  EXPECT_EQ(f->UltimaCol, 3);
  EXPECT_EQ(f->EvidLarg, 2);
  EXPECT_NE(pixel(4.5, 0.05), QColor(Qt::red));
  // The same in a column: from row 0 down over the black cell of row 2
  // in column 3.
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  trascina(3.5, 0.5, 3.5, 3.5);
  EXPECT_EQ(f->Richiesta, "E?");
  EXPECT_EQ(f->PrimaRiga, 0);
  EXPECT_EQ(f->UltimaRiga, 1);
  EXPECT_EQ(f->EvidAlt, 2);
}

TEST_F(Ricerca, TrascinamentoSenzaRisultatiNonRitentaSuTuttaLaCorsa) {
  // The dragged part A? finds nothing; the whole run A?E ends in a letter,
  // so there is no free tail to try: one " nessuno " and one beep, and the
  // request stays the one shown.
  caricaBase({"CAS!", "CAVE"});
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  trascina(1.5, 0.5, 2.5, 0.5);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Richiesta, "A?");
  EXPECT_EQ(f->texta->text(), QStringLiteral("A?"));
  EXPECT_EQ(f->RichiestaMax, "A?");
  EXPECT_EQ(f->Ritento, 0);
}

TEST_F(Ricerca, ColonnaENeraNellaColonna) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  clic(1, 6);
  EXPECT_EQ(f->Richiesta, "CO?E");
  EXPECT_EQ(f->PrimaRiga, 0);
  EXPECT_EQ(f->UltimaRiga, 3);
  EXPECT_EQ(righe(), QStringList{QStringLiteral("COSE -1")});
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a COLONNA"));
  EXPECT_EQ(f->EvidCol, 6);
  EXPECT_EQ(f->EvidRiga, 0);
  EXPECT_EQ(f->EvidLarg, 1);
  EXPECT_EQ(f->EvidAlt, 4);

  // A black cell in tool 2: only the common part.
  env->beeps = 0;
  f->texta->setText(QStringLiteral("x"));
  clic(0, 4);
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(f->Stb1->text(4), QStringLiteral(" R1 C5  "));
  EXPECT_EQ(f->Richiesta, "CO?E");
  EXPECT_EQ(f->texta->text(), QStringLiteral("x"));
  EXPECT_EQ(env->beeps, 0);
}

TEST_F(Ricerca, NeraConNeraASinistraDaRichiestaErrata) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  clic(2, 4);
  EXPECT_EQ(f->Richiesta, "");
  EXPECT_EQ(f->UltimaCol, 3);
  EXPECT_EQ(f->PrimaCol, 4);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_EQ(f->Occupato, 0);
  // A black cell on the left edge, and a run of one empty cell.
  env->beeps = 0;
  schemaDa({"\x10??", "?\x10?"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  EXPECT_EQ(f->Richiesta, "");
  EXPECT_EQ(f->UltimaCol, -1);
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" Richiesta errata! "));
  clic(1, 0);
  EXPECT_EQ(f->Richiesta, "?");
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" Richiesta errata! "));
  EXPECT_EQ(env->beeps, 2);
}

TEST_F(Ricerca, NessunoConBeep) {
  caricaBase(Base);
  schemaDa({"ZA?E\x10", "?????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  clic(0, 0);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(f->NumRisultati, 0);
  EXPECT_EQ(env->beeps, 1);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_EQ(f->Richiesta, "ZA?E");  // ends in a letter: no retry
}

TEST_F(Ricerca, CinquantaRigheORicercaEstesa) {
  std::vector<std::string> voci;
  for (char b : {'A', 'B', 'C'})
    for (char c = 'A'; c <= 'Z' && voci.size() < 60; ++c) voci.push_back(std::string("B") + b + c);
  caricaBase(voci);
  schemaDa({"B??\x10", "????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 1);
  ASSERT_EQ(f->Lists->ListCount(), 50);
  EXPECT_EQ(f->Lists->List(0), QStringLiteral("BAA -1"));
  EXPECT_EQ(f->Lists->List(49), QStringLiteral("BBX -1"));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =50 "));

  f->Estesa_Click();
  EXPECT_TRUE(f->Estesa->isChecked());
  EXPECT_FALSE(f->Stb1->isVisible(7));
  EXPECT_TRUE(f->Stb1->isVisible(8));
  clic(0, 1);
  ASSERT_EQ(f->Lists->ListCount(), 60);
  EXPECT_EQ(f->Lists->List(59), QStringLiteral("BCH -1"));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =60 "));

  // The panel does the same as the menu item.
  f->Stb1_PanelClick(8);
  EXPECT_FALSE(f->Estesa->isChecked());
  clic(0, 1);
  EXPECT_EQ(f->Lists->ListCount(), 50);
}

TEST_F(Ricerca, CapSuPiuDizionari) {
  // The cap counts the lines of all dictionaries together.
  std::vector<std::string> base, extra;
  for (char c = 'A'; c <= 'Z'; ++c) base.push_back(std::string("BA") + c);
  for (char c = 'A'; c <= 'Z'; ++c) extra.push_back(std::string("BE") + c);
  carica({{"base.diz", base}, {"extra.dic", extra}});
  schemaDa({"B??\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(f->Lists->ListCount(), 50);
  EXPECT_EQ(f->Lists->List(25), QStringLiteral("BAZ -1"));
  EXPECT_EQ(f->Lists->List(26), QStringLiteral("BEA -2"));
  EXPECT_EQ(f->Lists->List(49), QStringLiteral("BEX -2"));
}

TEST_F(Ricerca, OrdineDeiDizionariEDoppioniConDizionariSpenti) {
  carica({{"base.diz", {"CANE", "CASA"}}, {"nomi.diz", {"CAIO"}}, {"extra.dic", {"CANE", "CAPO"}}});
  schemaDa({"CA??\x10", "?????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CANE -1"), QStringLiteral("CASA -1"), QStringLiteral("CAIO -2"),
                                  QStringLiteral("CANE -3"), QStringLiteral("CAPO -3")}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =5 "));

  f->d2_Click();
  EXPECT_FALSE(f->Stb1->isEnabled(12));
  clic(0, 0);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CANE -1"), QStringLiteral("CASA -1"), QStringLiteral("CANE -3"),
                                  QStringLiteral("CAPO -3")}));
  f->Stb1_PanelClick(13);
  clic(0, 0);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CANE -1"), QStringLiteral("CASA -1")}));
  f->Stb1_PanelClick(12);
  EXPECT_TRUE(f->Stb1->isEnabled(12));
  clic(0, 0);
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CANE -1"), QStringLiteral("CASA -1"), QStringLiteral("CAIO -2")}));
  // The base dictionary cannot be switched off.
  env->box.clear();
  f->Stb1_PanelClick(11);
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ(env->box[0].testo, QStringLiteral("... il dizionario base.diz non è disattivabile!"));
  clic(0, 0);
  EXPECT_EQ(f->Lists->List(0), QStringLiteral("CANE -1"));
}

TEST_F(Ricerca, InterruzioneDalPannelloDueTieneLeRighe) {
  const int tante = 40000;
  carica({{"base.diz", {"ZETA"}}, {"extra.dic", moltissime(tante)}});
  schemaDa({"C????\x10", "??????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Estesa_Click();
  // While the search runs, every other handler does nothing.
  int durante = 0;
  env->aOgniCessione = [&] {
    if (f->Occupato == 0) return;
    ++durante;
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" ricerca in corso ... "));
    EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" ... attendere "));
    EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Clessidra);
    EXPECT_EQ(f->Lists->mousePointer(), 11);
    f->Tlb1_ButtonClick(QStringLiteral("a2"));
    f->Command1_Click();
    f->Command4_Click();
    f->Accorcia_Click();
    f->Estesa_Click();
    clic(1, 0);
    f->Stb1_PanelClick(2);
  };
  env->beeps = 0;
  clic(0, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(durante, 1);
  EXPECT_EQ(f->Modo, 1);
  EXPECT_TRUE(f->Accorcia->isChecked());
  EXPECT_TRUE(f->Estesa->isChecked());
  EXPECT_EQ(f->Richiesta, "C????");
  EXPECT_EQ(f->texta->text(), QStringLiteral("C????"));
  const int n = f->Lists->ListCount();
  EXPECT_GT(n, 0);
  EXPECT_LT(n, tante);
  EXPECT_EQ(f->Lists->List(0), QStringLiteral("CAAAA -2"));
  EXPECT_EQ(f->Lists->List(n - 1), QString::fromStdString(moltissime(n).back() + " -2"));
  EXPECT_EQ(f->NumRisultati, n);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =%1 ").arg(n));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" Interruzione! "));
  EXPECT_EQ(f->Stb1->text(4), QStringLiteral(" "));
  EXPECT_EQ(f->Occupato, 0);
  EXPECT_EQ(f->Interrompi, 0);
  EXPECT_EQ(env->beeps, 0);
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Personalizzato);

  // A click on panel 2 when nothing runs does not stop the next search.
  f->Stb1_PanelClick(2);
  EXPECT_EQ(f->Interrompi, 0);
  clic(0, 0);
  EXPECT_EQ(f->Lists->ListCount(), tante);
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
}

TEST_F(Ricerca, InterruzioneSenzaRigheNonRitenta) {
  // Interrupted before anything matched: " nessuno " with its beep and the
  // interruption, but no free-tail retry.
  carica({{"base.diz", {"ZETA"}}, {"extra.dic", moltissime(40000)}});
  schemaDa({"?Z???\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Estesa_Click();
  // A real click on the panel.
  env->aOgniCessione = [&] { QTest::mouseClick(f->Stb1->panel(2), Qt::LeftButton); };
  env->beeps = 0;
  clic(0, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(f->Richiesta, "?Z???");
  EXPECT_TRUE(f->CodaLibera.empty());
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" Interruzione! "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Interrompi, 0);
}

TEST_F(Ricerca, RitentoAutomaticoConCodaLibera) {
  caricaBase({"CAN", "CASE", "MARE"});
  schemaDa({"CA???\x10", "MARE?X", "Z?????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  clic(0, 0);
  // CA??? finds nothing; CA* finds CAN and CASE, up to five letters long.
  EXPECT_EQ(f->Richiesta, "CA*");
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA*"));
  EXPECT_EQ(f->CodaLibera, "???");
  EXPECT_EQ(righe(), (QStringList{QStringLiteral("CAN -1"), QStringLiteral("CASE -1")}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =2 "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(f->RichiestaMax, "CA???");
  EXPECT_EQ(f->Ritento, 0);
  EXPECT_EQ(env->beeps, 1);  // the first search's " nessuno "
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a RIGA"));
  // The green mark on the three freed cells.
  EXPECT_EQ(pixel(2.5, 0.05), QColor(0, 255, 0));
  EXPECT_EQ(pixel(4.95, 0.5), QColor(0, 255, 0));

  // A retry that finds nothing either ends there, with a second beep, and
  // the limit request is the slot's again.
  env->beeps = 0;
  clic(2, 0);
  EXPECT_EQ(f->Richiesta, "Z*");
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(env->beeps, 2);
  EXPECT_EQ(f->RichiestaMax, "Z?????");
  EXPECT_EQ(f->Ritento, 0);

  // Ending in a letter: no retry.
  env->beeps = 0;
  clic(1, 0);
  EXPECT_EQ(f->Richiesta, "MARE?X");
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(env->beeps, 1);
}

TEST_F(Ricerca, SenzaLunghezzaLiberaNessunRitento) {
  caricaBase({"CAN", "CASE"});
  schemaDa({"CA???\x10"});
  f->Accorcia_Click();
  EXPECT_FALSE(f->Accorcia->isChecked());
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  env->beeps = 0;
  clic(0, 0);
  EXPECT_EQ(f->Richiesta, "CA???");
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA???"));
  EXPECT_TRUE(f->CodaLibera.empty());
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(env->beeps, 1);
}

TEST_F(Ricerca, RitentoDopoLiberaInizioNonMescolaLeRichieste) {
  // A free head excludes a free tail: a free-head search that finds nothing
  // is not retried, and the request stays the one shown.
  caricaBase({"ZETA"});
  schemaDa({"??CA??\x10"});
  f->Accorcia_Click();
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  ASSERT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  f->Accorcia_Click();
  env->beeps = 0;
  f->Command1_Click();
  EXPECT_EQ(f->Richiesta, "*CA??");
  EXPECT_EQ(f->texta->text(), QStringLiteral("*CA??"));
  EXPECT_EQ(f->TestaLibera, "??");
  EXPECT_TRUE(f->CodaLibera.empty());
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(env->beeps, 1);
  EXPECT_EQ(f->Ritento, 0);
}

TEST_F(Ricerca, StrumentoSvuotaLaListaDiUnaRicercaVera) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 1);
  ASSERT_EQ(f->Lists->ListCount(), 2);
  ASSERT_TRUE(comandiAbilitati());
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" "));
  EXPECT_TRUE(f->texta->text().isEmpty());
  EXPECT_TRUE(comandiDisabilitati());
  // Undo leaves the grid tool and clears the list as well.
  clic(1, 6);
  ASSERT_EQ(f->Lists->ListCount(), 1);
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_EQ(f->Modo, 2);
}

TEST_F(Ricerca, ClicVeroSullaGrigliaCercaLaRiga) {
  caricaBase(Base);
  schemaDa(Griglia);
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, f->Peri->inPixel(1.5, 0.5));
  EXPECT_EQ(f->Richiesta, "CA?E");
  EXPECT_EQ(f->Lists->ListCount(), 2);
  EXPECT_EQ(f->ColCorr, 1);
}

}  // namespace
}  // namespace tessaro::prova
