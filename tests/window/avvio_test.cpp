#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

using Avvio = Finestra;

TEST_F(Avvio, FinestraComeAppenaCaricata) {
  EXPECT_EQ((QStringList{f->windowTitle(), QString::number(f->Modo), f->TastoAttivo, f->Label0->text(),
                         f->SecCar->text()}),
            (QStringList{QStringLiteral("  TESSARO   "), QStringLiteral("9"), QStringLiteral("a9"),
                         QStringLiteral(" Attendere il caricamento dei Dizionari ..."), QStringLiteral("0")}));
  EXPECT_TRUE(f->Label0->isVisible() && !f->Peri->isVisible());
  EXPECT_EQ(f->cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(f->centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 128));
  // The result list asks for a fixed pitch, whatever "Courier" is here.
  const QFont lista = f->Lists->font();
  EXPECT_TRUE(lista.fixedPitch() && lista.styleHint() == QFont::TypeWriter && QFontInfo(lista).fixedPitch());
}

TEST_F(Avvio, BottoniTuttiDisabilitatiConLeLoroDescrizioni) {
  const std::pair<const char*, const char*> attesi[] = {
      {"a9", "Anagrammi di TEST"},         {"a10", "Sinonimi e Contrari di TEST"},
      {"a11", "Ortografia di TEST"},       {"a12", "Non disponibile"},
      {"a0", "Annerisci o Sbianca Casella"}, {"a3", "Scrivi Riga"},
      {"a4", "Scrivi Colonna"},            {"a5", "Pulisci Casella"},
      {"a1", "Suggerisci Riga"},           {"a2", "Suggerisci Colonna"},
      {"a6", "Suggerisci Incrocio"},       {"a7", "Annulla ultima azione"},
      {"a8", "Ripristina ultimo Annullamento"}};
  for (const auto& [key, tip] : attesi) {
    SCOPED_TRACE(key);
    const QString k = QString::fromLatin1(key);
    ASSERT_TRUE(f->Tlb1->has(k));
    EXPECT_FALSE(f->Tlb1->isEnabled(k) || f->Tlb1->value(k) != 0);
    EXPECT_EQ(f->Tlb1->toolTip(k) + '|' + f->Tlb1->description(k), QString::fromUtf8(tip) + '|' + tip);
  }
  EXPECT_EQ(f->Tlb1->style(QStringLiteral("a0")), ToolBar::Gruppo);
  EXPECT_EQ(f->Tlb1->style(QStringLiteral("a7")), ToolBar::Normale);
  EXPECT_EQ(f->Tlb1->buttonCount(), 20);
  // The TEST field sits over its placeholder, with the same width and left.
  const QRect p = f->Tlb1->geometryOf(QStringLiteral("textb"));
  EXPECT_EQ(QRect(f->textb->x(), p.y(), f->textb->width(), p.height()), p);
  EXPECT_EQ(p.width(), 2000 / 15);
  EXPECT_FALSE(f->textb->isEnabled());
}

TEST_F(Avvio, PannelliDiStatoComeProgettati) {
  EXPECT_EQ(f->Stb1->count(), 16);
  EXPECT_EQ((QStringList{f->Stb1->text(1), f->Stb1->text(2), f->Stb1->text(5), f->Stb1->toolTip(6), f->Stb1->text(7),
                         f->Stb1->toolTip(8)}),
            (QStringList{QStringLiteral("  BENVENUTO !"), QStringLiteral(" Attendi ...                            "),
                         QStringLiteral("Diz.  "), QStringLiteral("Cambia Lingua"), QStringLiteral("Ric.  "),
                         QStringLiteral("Ricerca Normale/Estesa")}));
  for (int n = 11; n <= 16; ++n)
    EXPECT_EQ(f->Stb1->text(n) + '|' + f->Stb1->toolTip(n), QStringLiteral("D%1|Attiva/Disattiva").arg(n - 10));
  // Start-up inverted "Ricerca Estesa": normal search, panel 7 shown.
  EXPECT_FALSE(f->Estesa->isChecked());
  EXPECT_TRUE(f->Stb1->isVisible(7));
  EXPECT_FALSE(f->Stb1->isVisible(8));
}

TEST_F(Avvio, MenuConLeLoroVociEStati) {
  QStringList menu;
  for (const QAction* a : f->menuBar()->actions()) menu << a->text();
  EXPECT_EQ(menu, (QStringList{QStringLiteral("File"), QStringLiteral("Visualizza"), QStringLiteral("Strumenti"),
                               QStringLiteral("Riempimento"), QStringLiteral("Aiuto")}));
  EXPECT_FALSE(f->Salva->isEnabled() || f->Salvacome->isEnabled() || f->FunWord->isChecked());
  EXPECT_TRUE(f->Numerare->isChecked() && f->Accorcia->isChecked());
  EXPECT_EQ((QStringList{f->Riduci->text(), f->Ingrandisci->text(), f->Originali->text(), f->d[3]->text()}),
            (QStringList{QStringLiteral("Riduci l'Area dello Schema                      Ctrl -"),
                         QStringLiteral("Ingrandisci l'Area dello Schema               Ctrl +"),
                         QStringLiteral("Dimensioni Originali Area Schema           Ctrl 0"), QStringLiteral("3-")}));
  EXPECT_EQ(f->AiutoF1->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(f->AiutoContesto, 1000);
}

TEST_F(Avvio, FileWordTempESchermoStretto) {
  EXPECT_EQ(f->FileWordTemp, f->CartellaProg + QStringLiteral("/~cruci.doc"));
  const QString prima = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/")));
  Form0g r(*env);
  r.Form_Load();
  QDir::setCurrent(prima);
  EXPECT_EQ(r.CartellaProg + '|' + r.FileWordTemp, QStringLiteral("/|/~cruci.doc"));
  // A narrow screen takes the small images.
  EXPECT_FALSE(f->SchermoPiccolo);
  ScriptedEnvironment stretto;
  stretto.schermo = QSize(11985, 8985);
  Form0g g(stretto);
  g.Form_Load();
  EXPECT_TRUE(g.SchermoPiccolo);
  EXPECT_EQ(g.Tlb1->button(QStringLiteral("a0"))->iconSize(), QSize(16, 16));
  ScriptedEnvironment giusto;
  giusto.schermo = QSize(12000, 9000);
  Form0g h(giusto);
  h.Form_Load();
  EXPECT_FALSE(h.SchermoPiccolo);
}

}  // namespace
}  // namespace tessaro::prova
