#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Strumenti : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    ASSERT_TRUE(nuovo(QStringLiteral("5"), QStringLiteral("5")));
  }
  int premuti() const {
    int n = 0;
    for (int i = 0; i <= 6; ++i) n += f->Tlb1->value(QStringLiteral("a%1").arg(i));
    return n;
  }
};

TEST_F(Strumenti, OgniStrumentoDellaGrigliaConTestoESuggerimento) {
  const struct {
    const char* key;
    int modo;
    const char* testo;
    const char* suggerimento;
  } attesi[] = {
      {"a0", 0, " ANNERIRE/SBIANCARE una Casella ", "Click in quella Casella"},
      {"a1", 1, " SUGGERIMENTI RIGA ", "Click su Riga o click+trascina Caselle volute"},
      {"a2", 2, " SUGGERIMENTI COLONNA ", "Click su Colonna o click+trascina Caselle volute"},
      {"a3", 3, " SCRIVERE ORIZZONTALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
      {"a4", 4, " SCRIVERE VERTICALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
      {"a5", 5, " RIPULIRE CASELLA ", "Click in quella Casella"},
      {"a6", 6, " SUGGERIMENTI INCROCIO (premere Ctrl per provare solo le vocali)", "Click in quella Casella"},
  };
  for (const auto& a : attesi) {
    f->Tlb1_ButtonClick(QString::fromLatin1(a.key));
    EXPECT_EQ(f->Modo, a.modo);
    EXPECT_EQ(f->Stb1->text(1), QString::fromUtf8(a.testo));
    EXPECT_EQ(f->Stb1->toolTip(1), QString::fromUtf8(a.suggerimento));
    EXPECT_EQ(f->Tlb1->value(QString::fromLatin1(a.key)), 1);
    EXPECT_EQ(premuti(), 1);
    EXPECT_EQ(f->ImageA.cacheKey(), f->Image1[static_cast<std::size_t>(a.modo)].cacheKey());
  }
}

TEST_F(Strumenti, AzzeramentoComuneAdOgniPressione) {
  f->Stb1->setText(2, QStringLiteral("x"));
  f->Stb1->setText(3, QStringLiteral("y"));
  f->Stb1->setToolTip(2, QStringLiteral("Interrompi"));
  f->Lists->AddItem(QStringLiteral("CANE -1"));
  f->Lists->setToolTip(QStringLiteral("Click per trasferire a RIGA"));
  f->Command1->setEnabled(true);
  f->texta->setText(QStringLiteral("CA??"));
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  EXPECT_EQ((QStringList{f->Stb1->text(2), f->Stb1->text(3), f->Stb1->toolTip(2)}), (QStringList{" ", " ", ""}));
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_TRUE(f->Lists->toolTip().isEmpty());
  EXPECT_FALSE(f->Command1->isEnabled());
  EXPECT_TRUE(f->texta->text().isEmpty());
}

// Undo and the unavailable a12 keep the row tool pressed; a TEST tool
// releases every grid tool, and busy, a press is ignored.
TEST_F(Strumenti, AnnullaTestEOccupato) {
  f->Tlb1_ButtonClick(QStringLiteral("a1"));
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  f->Tlb1_ButtonClick(QStringLiteral("a12"));
  EXPECT_EQ((std::vector<int>{f->Modo, f->Tlb1->value(QStringLiteral("a1")), premuti()}), (std::vector<int>{1, 1, 1}));
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a12")));

  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  f->Tlb1_ButtonClick(QStringLiteral("a10"));
  EXPECT_EQ(f->Modo, 10);
  EXPECT_EQ(premuti(), 0);
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" SINONIMI/CONTRARI di TEST "));
  EXPECT_EQ(f->ImageA.cacheKey(), f->ImageV.cacheKey());
  const auto prima = f->schema.Griglia;
  f->RigaCorr = 1;
  f->ColCorr = 1;
  f->Peri_Click();
  EXPECT_EQ(f->schema.Griglia, prima);
  EXPECT_EQ(f->Stb1->text(4), QStringLiteral(" R2 C2  "));

  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  f->Occupato = 2;
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  f->Occupato = 0;
  EXPECT_EQ((std::vector<int>{f->Modo, f->Tlb1->value(QStringLiteral("a0"))}), (std::vector<int>{0, 1}));
}

TEST_F(Strumenti, StoriaPienaAzzerataPrimaDellAzione) {
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  // 100 changes fill the history (300 slots).
  for (int i = 0; i < 100; ++i) {
    f->RigaCorr = static_cast<std::int16_t>(i % 5);
    f->ColCorr = static_cast<std::int16_t>((i / 5) % 5);
    f->Peri_Click();
  }
  ASSERT_EQ(f->storia.NumStoria, 300);
  env->box.clear();
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ((QStringList{env->box[0].testo, env->box[0].titolo}),
            (QStringList{QStringLiteral("La memoria delle modifiche viene ora azzerarata"), QStringLiteral("Attenzione!")}));
  EXPECT_EQ(env->box[0].stile, 0);
  EXPECT_EQ(f->storia.NumStoria, 0);
  EXPECT_EQ(f->Modo, 3);  // the button's own action still runs
}

}  // namespace
}  // namespace tessaro::prova
