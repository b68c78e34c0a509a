#include <QLabel>
#include <QLineEdit>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

using Dizionari = Finestra;

TEST_F(Dizionari, FineCaricamentoAbilitaTestEPannelli) {
  carica({{"base.diz", {"CANE", "CAS!", "MARE"}}, {"nomi.diz", {"ROMA"}}, {"extra.dic", {"ZETA"}}});
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(f->Stb1->text(2),
            QStringLiteral(" Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra "));
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")));
  EXPECT_TRUE(f->textb->isEnabled());
  EXPECT_FALSE(f->Label0->isVisible());
  EXPECT_FALSE(f->SecCar->isVisible());
  EXPECT_EQ(f->d[1]->text(), QStringLiteral("D1- base.diz"));
  EXPECT_EQ(f->d[2]->text(), QStringLiteral("D2- nomi.diz"));
  EXPECT_EQ(f->d[3]->text(), QStringLiteral("D3- extra.dic"));
  EXPECT_TRUE(f->d[3]->isChecked());
  EXPECT_FALSE(f->d[4]->isVisible());
  EXPECT_TRUE(f->Stb1->isEnabled(13));
  EXPECT_EQ(f->Stb1->toolTip(11), QStringLiteral("base"));
  EXPECT_EQ(f->Stb1->toolTip(12), QStringLiteral("nomi"));
  EXPECT_FALSE(f->Stb1->isVisible(14));
  // The scratch files are gone; the program folder keeps its files.
  EXPECT_EQ(QDir(cartella->path()).entryList(QDir::Files).size(), 3);
}

}  // namespace
}  // namespace tessaro::prova
