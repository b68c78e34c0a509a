// The word search from the grid: the row and column run read into the
// request, the result lines with their status texts, the cap of a normal
// search, the dictionaries switched on and off, the interrupt from status
// panel 2 and the automatic free-tail retry.
#include <QLabel>
#include <array>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Ricerca : public Finestra {
 protected:
  // Button down, move and release along the grid, then the click.
  void trascina(double x1, double y1, double x2, double y2) {
    f->Peri_MouseDown(1, 0, x1, y1);
    f->Peri_MouseMove(1, 0, x2, y2);
    f->Peri_MouseUp(1, 0, x2, y2);
    f->Peri_Click();
  }
  Testi richieste() const { return {f->Richiesta, f->RichiestaMax, f->RichiestaIntera}; }
  // The first and last cell of the run, columns for tool 1, rows for tool 2.
  std::array<int, 2> corsa() const {
    return f->Modo == 2 ? std::array<int, 2>{f->PrimaRiga, f->UltimaRiga} : std::array<int, 2>{f->PrimaCol, f->UltimaCol};
  }
  // The entries "C" followed by four letters, in text order, up to n of them.
  static Testi moltissime(int n) {
    Testi v;
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
const Testi Griglia = {"CA?E\x10?C", "CAS?\x10?O", "???\x10\x10??", "E?????E"};
const Testi Base = {"CAS!", "CAVE", "COS!", "RE"};

TEST_F(Ricerca, RigaDalClicSullaSecondaCasella) {
  prepara(Base, Griglia, "a1");
  QTest::mouseClick(f->Peri, Qt::LeftButton, Qt::NoModifier, f->Peri->inPixel(1.5, 0.5));  // a real click
  EXPECT_EQ(richieste(), (Testi{"CA?E", "CA?E", "CA?E"}));
  EXPECT_EQ(f->texta->text(), QStringLiteral("CA?E"));
  EXPECT_EQ(righe(), (Testi{"CASE -1", "CAVE -1"}));
  EXPECT_EQ(pannelli(4), (Testi{" =2 ", " ", " "}));
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a RIGA"));
  EXPECT_EQ(comandiAbilitati(), 4);
  EXPECT_EQ(env->beeps, 0);
  // The four cells of the run are framed in red, the black cell after it not.
  EXPECT_EQ(evid(), (Quattro{0, 0, 4, 1}));
  EXPECT_EQ(pixel(3.5, 0.05), QColor(Qt::red));
  EXPECT_NE(pixel(5.5, 0.05), QColor(Qt::red));
  // The tool cursor is back after the hourglass.
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Personalizzato);

  // A request ending in an empty cell shows the whole vowel group.
  clic(1, 3);
  EXPECT_EQ(f->Richiesta, "CAS?");
  EXPECT_EQ(righe(), Testi{"CAS(AE) -1"});

  // Another tool empties the list of a real search; so does undo, which
  // leaves the grid tool pressed.
  f->Tlb1_ButtonClick(QStringLiteral("a2"));
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" "));
  EXPECT_EQ(comandiAbilitati(), 0);
  clic(1, 6);
  EXPECT_EQ(f->Richiesta, "CO?E");
  EXPECT_EQ(righe(), Testi{"COSE -1"});
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a COLONNA"));
  EXPECT_EQ(evid(), (Quattro{6, 0, 1, 4}));
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(f->Modo, 2);

  // A black cell in tool 2: only the common part.
  f->texta->setText(QStringLiteral("x"));
  clic(0, 4);
  EXPECT_EQ(righe(), Testi{});
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_EQ(pannelli(4), (Testi{" ", " ", " R1 C5  "}));
  EXPECT_EQ(f->Richiesta + f->texta->text().toStdString(), "CO?Ex");
  EXPECT_EQ(env->beeps, 0);
}

TEST_F(Ricerca, Trascinamenti) {
  prepara(Base, Griglia, "a1");
  // A? finds nothing, and as the whole run A?E ends in a letter there is no
  // free tail to try: one " nessuno ", one beep, the request stays A?.
  const struct {
    const char* nome;
    const char* tasto;
    double x1, y1, x2, y2;
    Testi richieste;  // Richiesta, RichiestaMax, RichiestaIntera
    Quattro evid;
    Testi righe;
  } casi[] = {
      {"in avanti, senza ritento", "a1", 1.5, 0.5, 2.5, 0.5, {"A?", "A?", "A?E"}, {1, 0, 2, 1}, {}},
      {"all'indietro: le stesse caselle", "a1", 2.5, 0.5, 1.5, 0.5, {"A?", "A?", "A?E"}, {1, 0, 2, 1}, {}},
      {"oltre la nera: la corsa finisce prima", "a1", 2.5, 0.5, 6.5, 0.5, {"?E", "?E", "?E"}, {2, 0, 2, 1}, {"RE -1"}},
      {"in colonna oltre la nera", "a2", 3.5, 0.5, 3.5, 3.5, {"E?", "E?", "E?"}, {3, 0, 1, 2}, {}},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    f->Tlb1_ButtonClick(QString::fromLatin1(k.tasto));
    env->beeps = 0;
    trascina(k.x1, k.y1, k.x2, k.y2);
    EXPECT_EQ(richieste(), k.richieste);
    EXPECT_EQ(f->texta->text().toStdString(), k.richieste[0]);
    EXPECT_EQ(evid(), k.evid);
    EXPECT_NE(pixel(4.5, 0.05), QColor(Qt::red));
    EXPECT_EQ(righe(), k.righe);
    EXPECT_EQ(env->beeps, k.righe.empty() ? 1 : 0);
  }
  // The click consumed the drag: the next plain click reads the whole run.
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  trascina(1.5, 0.5, 2.5, 0.5);
  clic(0, 2);
  EXPECT_EQ(f->Richiesta, "CA?E");
}

TEST_F(Ricerca, RichiesteErrate) {
  const struct {
    const char* nome;
    Testi griglia;
    int r, c;
    std::string richiesta;
    std::array<int, 2> corsa;
  } casi[] = {
      {"nera con nera a sinistra", Griglia, 2, 4, "", {4, 3}},
      {"nera sul bordo sinistro", {"\x10??", "?\x10?"}, 0, 0, "", {0, -1}},
      {"una sola casella vuota", {"\x10??", "?\x10?"}, 1, 0, "?", {0, 0}},
  };
  caricaBase(Base);
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    schemaDa(k.griglia);
    f->Tlb1_ButtonClick(QStringLiteral("a1"));
    env->beeps = 0;
    clic(k.r, k.c);
    EXPECT_EQ(f->Richiesta, k.richiesta);
    EXPECT_EQ(corsa(), k.corsa);
    EXPECT_EQ(pannelli(), (Testi{" ", " Richiesta errata! "}));
    EXPECT_EQ(env->beeps, 1);
    EXPECT_EQ(righe(), Testi{});
    EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  }
}

TEST_F(Ricerca, CinquantaRigheORicercaEstesa) {
  // 26 matches in the base dictionary and 34 in a second one: the cap of a
  // normal search counts the lines of all dictionaries together.
  Testi base, extra;
  for (char c = 'A'; c <= 'Z'; ++c) base.push_back(std::string("BA") + c);
  for (char b : {'B', 'C'})
    for (char c = 'A'; c <= 'Z' && extra.size() < 34; ++c) extra.push_back(std::string("B") + b + c);
  carica({{"base.diz", base}, {"extra.dic", extra}});
  schemaDa({"B??\x10", "????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 1);
  ASSERT_EQ(f->Lists->ListCount(), 50);
  EXPECT_EQ((Testi{righe()[25], righe()[26], righe()[49]}), (Testi{"BAZ -1", "BBA -2", "BBX -2"}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =50 "));

  f->Estesa_Click();
  EXPECT_TRUE(f->Estesa->isChecked() && f->Stb1->isVisible(8));
  EXPECT_FALSE(f->Stb1->isVisible(7));
  clic(0, 1);
  ASSERT_EQ(f->Lists->ListCount(), 60);
  EXPECT_EQ(f->Lists->List(59), QStringLiteral("BCH -2"));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =60 "));

  // The panel does the same as the menu item.
  f->Stb1_PanelClick(8);
  EXPECT_FALSE(f->Estesa->isChecked());
  clic(0, 1);
  EXPECT_EQ(f->Lists->ListCount(), 50);
}

TEST_F(Ricerca, OrdineDeiDizionariEDoppioniConDizionariSpenti) {
  carica({{"base.diz", {"CANE", "CASA"}}, {"nomi.diz", {"CAIO"}}, {"extra.dic", {"CANE", "CAPO"}}});
  schemaDa({"CA??\x10", "?????"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  clic(0, 0);
  EXPECT_EQ(righe(), (Testi{"CANE -1", "CASA -1", "CAIO -2", "CANE -3", "CAPO -3"}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" =5 "));
  // Off from the menu and the panels, on again from the panel.
  const struct {
    const char* nome;
    void (Form0g::*spegni)();
    int pannello;
    Testi righe;
  } passi[] = {
      {"menu D2", &Form0g::d2_Click, 0, {"CANE -1", "CASA -1", "CANE -3", "CAPO -3"}},
      {"pannello D3", nullptr, 13, {"CANE -1", "CASA -1"}},
      {"pannello D2 di nuovo", nullptr, 12, {"CANE -1", "CASA -1", "CAIO -2"}},
  };
  for (const auto& p : passi) {
    SCOPED_TRACE(p.nome);
    if (p.spegni) (f.get()->*p.spegni)();
    else f->Stb1_PanelClick(p.pannello);
    clic(0, 0);
    EXPECT_EQ(righe(), p.righe);
  }
}

TEST_F(Ricerca, InterruzioneDalPannelloDue) {
  const int tante = 40000;
  carica({{"base.diz", {"ZETA"}}, {"extra.dic", moltissime(tante)}});
  schemaDa({"C????\x10", "?Z???\x10"});
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Estesa_Click();
  // While the search runs, every other handler does nothing.
  int durante = 0;
  env->aOgniCessione = [&] {
    if (f->Occupato == 0) return;
    ++durante;
    EXPECT_EQ(pannelli(), (Testi{" ricerca in corso ... ", " ... attendere "}));
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
  EXPECT_TRUE(f->Accorcia->isChecked() && f->Estesa->isChecked());
  EXPECT_EQ(f->texta->text(), QStringLiteral("C????"));
  // The lines found so far stay.
  const int n = f->Lists->ListCount();
  EXPECT_GT(n, 0);
  EXPECT_LT(n, tante);
  EXPECT_EQ(f->Lists->List(n - 1), QString::fromStdString(moltissime(n).back() + " -2"));
  EXPECT_EQ(pannelli(4), (Testi{" =" + std::to_string(n) + " ", " Interruzione! ", " "}));
  EXPECT_EQ(f->Occupato + f->Interrompi + env->beeps, 0);
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Personalizzato);

  // Interrupted, by a real click on the panel, before anything matched:
  // " nessuno " with its beep and the interruption, but no free-tail retry.
  env->aOgniCessione = [&] { QTest::mouseClick(f->Stb1->panel(2), Qt::LeftButton); };
  clic(1, 0);
  env->aOgniCessione = nullptr;
  EXPECT_EQ(f->texta->text(), QStringLiteral("?Z???"));
  EXPECT_EQ(righe(), Testi{});
  EXPECT_EQ(pannelli(4), (Testi{" nessuno ", " Interruzione! ", " "}));
  EXPECT_EQ(env->beeps, 1);

  // A click on panel 2 when nothing runs does not stop the next search. Its
  // count passes 32767 and is shown whole.
  f->Stb1_PanelClick(2);
  clic(0, 0);
  EXPECT_EQ(f->Lists->ListCount(), tante);
  EXPECT_EQ(pannelli(), (Testi{" =40000 ", " "}));
}

TEST_F(Ricerca, RitentoAutomaticoConCodaLibera) {
  // With "Lunghezza Libera" a request ending in an empty cell that finds
  // nothing is tried once more with its empty tail freed; the first search's
  // " nessuno " beeps, and so does a retry that finds nothing either.
  prepara({"CAN", "CASE", "MARE"}, {"CA???\x10", "MARE?X", "Z?????"}, "a1");
  const struct {
    const char* nome;
    int riga;
    bool libera;
    std::string richiesta, max, coda;
    Testi righe;
    int beeps;
  } casi[] = {
      {"finisce in lettera: nessun ritento", 1, true, "MARE?X", "MARE?X", "", {}, 1},
      {"senza Lunghezza Libera", 0, false, "CA???", "CA???", "", {}, 1},
      {"ritento senza esito", 2, true, "Z*", "Z?????", "?????", {}, 2},
      {"ritento: CA* fino a cinque lettere", 0, true, "CA*", "CA???", "???", {"CAN -1", "CASE -1"}, 1},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    if (f->Accorcia->isChecked() != k.libera) f->Accorcia_Click();
    env->beeps = 0;
    clic(k.riga, 0);
    EXPECT_EQ((Testi{f->texta->text().toStdString(), f->RichiestaMax, f->CodaLibera}), (Testi{k.richiesta, k.max, k.coda}));
    EXPECT_EQ(righe(), k.righe);
    EXPECT_EQ(pannelli(4), (Testi{k.righe.empty() ? " nessuno " : " =2 ", " ", " "}));
    EXPECT_EQ(env->beeps, k.beeps);
  }
  EXPECT_EQ(f->Lists->toolTip(), QStringLiteral("Click per trasferire a RIGA"));
  // The green mark on the three freed cells.
  EXPECT_EQ(pixel(2.5, 0.05), QColor(0, 255, 0));
  EXPECT_EQ(pixel(4.95, 0.5), QColor(0, 255, 0));
}

TEST_F(Ricerca, RitentoDopoLiberaInizioNonMescolaLeRichieste) {
  // A free head excludes a free tail: a free-head search that finds nothing
  // is not retried, and the request stays the one shown.
  prepara({"ZETA"}, {"??CA??\x10"}, "a1");
  f->Accorcia_Click();
  clic(0, 0);
  ASSERT_EQ(f->Stb1->text(2), QStringLiteral(" nessuno "));
  f->Accorcia_Click();
  env->beeps = 0;
  f->Command1_Click();
  EXPECT_EQ((Testi{f->Richiesta, f->texta->text().toStdString(), f->TestaLibera, f->CodaLibera}),
            (Testi{"*CA??", "*CA??", "??", ""}));
  EXPECT_EQ(pannelli(4), (Testi{" nessuno ", " ", " "}));
  EXPECT_EQ(env->beeps, 1);
}

}  // namespace
}  // namespace tessaro::prova
