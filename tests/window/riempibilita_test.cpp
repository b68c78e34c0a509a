// The fillability overlay, the Schema report and the symmetry of black cells
// in the window: what is drawn, panel 9, the tooltip, undo, the dictionary
// switch, the sliced analysis, and the settings kept between runs.
#include <QHelpEvent>
#include <QToolTip>

#include "Finestra.h"
#include "fill/ui/StatoRiempibilita.h"
#include "platform/ListBox.h"

namespace tessaro::prova {
namespace {

const QColor RossoChiaro(255, 185, 185);
const QColor Bianco(255, 255, 255);
const Testi Parole = {"ALA", "AMO", "ARE", "EGO", "ORA", "ORE"};

class Riempibilita : public Finestra {
 protected:
  // The grid from rows in which "#" is a black cell.
  void griglia(Testi righe) {
    for (auto& r : righe)
      for (char& c : r)
        if (c == '#') c = CellaNera;
    schemaDa(std::move(righe));
  }
  std::string pannello9() const { return f->Stb1->text(9).toStdString(); }
  std::string suggerimento(int r, int c) const { return f->suggerimentoCella(r, c).toStdString(); }
  // Whether the lower right of cell (r, c), where a forced letter goes, has
  // grey in it.
  bool grigio(int r, int c) const {
    for (double x = 0.55; x < 0.95; x += 0.02)
      for (double y = 0.45; y < 0.95; y += 0.02) {
        const QColor p = pixel(c + x, r + y);
        if (p.red() == p.green() && p.green() == p.blue() && p.red() > 60 && p.red() < 220) return true;
      }
    return false;
  }
  // A point inside cell (r, c) clear of its letter, number and frames.
  QColor interno(int r, int c) const { return pixel(c + 0.2, r + 0.5); }
};

TEST_F(Riempibilita, SpentoDisegnaComePrimaAccesoSiRicorda) {
  caricaBase(Parole);
  griglia({"?Z?", "?#?", "???"});
  EXPECT_FALSE(f->MostraRiempibilita->isChecked());
  const QImage prima = f->Peri->immagine().copy();
  f->MostraRiempibilita->trigger();
  EXPECT_EQ(interno(0, 0), RossoChiaro);
  EXPECT_EQ(pannello9(), "Non riempibile: 1");
  f->MostraRiempibilita->trigger();
  EXPECT_EQ(f->Peri->immagine(), prima);
  EXPECT_EQ(pannello9(), "");

  // The choices outlive the window.
  f->MostraRiempibilita->trigger();
  f->SimmetriaVoci[2]->trigger();
  Form0g altra(*env);
  EXPECT_TRUE(altra.MostraRiempibilita->isChecked());
  EXPECT_TRUE(altra.SimmetriaVoci[2]->isChecked() && !altra.SimmetriaVoci[0]->isChecked());
}

TEST_F(Riempibilita, LetteraImpossibileAnnullaEDizionari) {
  carica({{"base.diz", Parole}, {"altro.dic", {"AZA"}}});
  f->d[2]->trigger();  // only base.diz: no word has a Z in the middle
  griglia({"???", "?#?", "???"});
  f->MostraRiempibilita->trigger();
  EXPECT_EQ(pannello9(), "Riempibile");
  EXPECT_EQ(suggerimento(2, 2), "3 Orizzontale: 6 parole; 2 Verticale: 6 parole; lettere: A E O");

  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  clic(0, 1);
  int z = 'Z';
  f->Peri_KeyDown(z, 0);
  EXPECT_EQ(pannello9(), "Non riempibile: 1");
  for (int c = 0; c < 3; ++c) EXPECT_EQ(interno(0, c), RossoChiaro) << c;
  EXPECT_EQ(interno(2, 0), Bianco);
  EXPECT_EQ(suggerimento(0, 1), "1 Orizzontale: 0 parole; lettere: nessuna");

  // The hover text reaches the pointer as a tooltip.
  QHelpEvent aiuto(QEvent::ToolTip, f->Peri->inPixel(1.5, 0.5), f->Peri->mapToGlobal(f->Peri->inPixel(1.5, 0.5)));
  QApplication::sendEvent(f->Peri, &aiuto);
  EXPECT_EQ(QToolTip::text().toStdString(), "1 Orizzontale: 0 parole; lettere: nessuna");
  QToolTip::hideText();

  // The second dictionary holds AZA: switched on, the grid is fillable
  // again, with its forced letters; off again, it is not.
  f->d[2]->trigger();
  EXPECT_EQ(pannello9(), "Riempibile");
  EXPECT_EQ(interno(0, 0), Bianco);
  EXPECT_EQ(suggerimento(0, 0), "1 Orizzontale: 1 parola; 1 Verticale: 4 parole; lettere: A");
  EXPECT_TRUE(grigio(0, 0) && grigio(0, 2) && !grigio(2, 2));  // the forced A
  f->d[2]->trigger();
  EXPECT_EQ(pannello9(), "Non riempibile: 1");

  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(pannello9(), "Riempibile");
  EXPECT_EQ(interno(0, 0), Bianco);
}

TEST_F(Riempibilita, AnalisiLentaAFette) {
  caricaBase(Parole);
  griglia({"???", "?#?", "???"});
  f->MostraRiempibilita->trigger();
  f->riempibilita().budgetMs = 0;  // no analysis fits: each goes to the event loop
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  clic(0, 1);
  int z = 'Z';
  f->Peri_KeyDown(z, 0);
  EXPECT_EQ(pannello9(), "");
  EXPECT_EQ(interno(0, 0), Bianco);
  QCoreApplication::processEvents();
  EXPECT_EQ(pannello9(), "Non riempibile: 1");
  EXPECT_EQ(interno(0, 0), RossoChiaro);
  // The frame of the typing cursor, drawn before, is still there.
  EXPECT_EQ(pixel(2.5, 0.05), QColor(255, 0, 0));
}

TEST_F(Riempibilita, SimmetriaEAnnulla) {
  ASSERT_TRUE(nuovo(QStringLiteral("5"), QStringLiteral("4")));
  const struct {
    int voce;
    int r, c;
    std::vector<std::pair<int, int>> nere;  // after the click
  } casi[] = {
      {1, 0, 1, {{0, 1}, {4, 2}}},
      {2, 2, 0, {{2, 0}, {2, 3}}},
      {3, 2, 1, {{2, 1}}},  // the middle row of an odd side is its own mirror
      {0, 0, 0, {{0, 0}}},
  };
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  for (const auto& k : casi) {
    SCOPED_TRACE(k.voce);
    f->SimmetriaVoci[static_cast<std::size_t>(k.voce)]->trigger();
    clic(k.r, k.c);
    Testi attesa(5, "????");
    for (auto [r, c] : k.nere) attesa[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = CellaNera;
    EXPECT_EQ(f->schema.Griglia, attesa);
    clic(k.r, k.c);  // whitening takes the mirror along
    EXPECT_EQ(f->schema.Griglia, Testi(5, "????"));
    f->Tlb1_ButtonClick(QStringLiteral("a7"));
    EXPECT_EQ(f->schema.Griglia, attesa);
    f->Tlb1_ButtonClick(QStringLiteral("a7"));
    EXPECT_EQ(f->schema.Griglia, Testi(5, "????"));
  }
  // The eraser whitens a black cell and its mirror.
  f->SimmetriaVoci[1]->trigger();
  clic(1, 1);
  f->Tlb1_ButtonClick(QStringLiteral("a5"));
  clic(3, 2);
  EXPECT_EQ(f->schema.Griglia, Testi(5, "????"));
}

TEST_F(Riempibilita, VerificaSchemaSelezionaAlClic) {
  caricaBase({"CAS!", "ORE"});
  griglia({"CASA#", "A#?##", "S???#", "A###R", "####E"});
  f->VerificaSchema_Click();
  FormVerifica* v = f->riempibilita().verifica;
  ASSERT_NE(v, nullptr);
  EXPECT_TRUE(v->isVisible());
  EXPECT_EQ(v->Lista->List(9).toStdString(), "  CASA: 1 Orizzontale, 1 Verticale");
  v->Lista->setListIndex(9);
  Q_EMIT v->Lista->Click();
  EXPECT_EQ(evid(), (std::array<int, 4>{0, 0, 1, 4}));  // the last: 1 Verticale
  EXPECT_EQ(pixel(2.5, 0.05), QColor(255, 0, 0));       // 1 Orizzontale framed too
  // A change of the grid refreshes the open report.
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  clic(0, 3);
  EXPECT_EQ(v->Lista->List(8).toStdString(), "Parole ripetute: 0");
}

}  // namespace
}  // namespace tessaro::prova
