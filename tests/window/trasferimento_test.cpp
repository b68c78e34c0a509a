// A click on a result line: the word goes into the TEST field and into the
// row run, the column run or the crossing cell; the next click on the same
// list takes the previous word back first; vowel groups cycle.
#include <QLabel>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Trasferimento : public Finestra {
 protected:
  // The user's own edit before the search: an X typed into cell (1, 0).
  void scriviX() {
    f->Tlb1_ButtonClick(QStringLiteral("a3"));
    clic(1, 0);
    int k = 'X';
    f->Peri_KeyDown(k, 0);
  }
  const std::string& riga(int r) const { return f->schema.Griglia[static_cast<std::size_t>(r)]; }
};

// A step of a choose-and-undo sequence: the line chosen (0, 1, ...) or an
// action below, then the whole grid and, after a choice, the TEST field.
constexpr int Annulla = -1, Ripristina = -2, Cerca = -3;
struct Passo {
  int azione;
  const char* testo;
  Testi griglia;
  int riga = 0;  // for Cerca: the row clicked in column 0
};

TEST_F(Trasferimento, ScelteEAnnullamenti) {
  const Testi CaRiga = {"CARO", "CASA"};
  const struct {
    const char* nome;
    std::map<std::string, Testi> diz;
    Testi griglia;
    const char* tasto;
    bool scriviX;
    std::vector<Passo> passi;
  } casi[] = {
      // Each choice first restores the run as it was; one undo returns it
      // to its state before any transfer.
      {"CASA poi CARO", {{"base.diz", CaRiga}}, {"CA??\x10", "?????"}, "a1", false,
       {{Cerca, nullptr, {"CA??\x10", "?????"}}, {1, "CASA", {"CASA\x10", "?????"}},
        {0, "CARO", {"CARO\x10", "?????"}}, {Annulla, nullptr, {"CA??\x10", "?????"}},
        {Ripristina, nullptr, {"CARO\x10", "?????"}}}},
      // Only the previous word is taken back, never the user's edit; after
      // an undo the next choice takes nothing back.
      {"ritira solo la parola precedente", {{"base.diz", CaRiga}}, {"CA??\x10", "?????"}, "a1", true,
       {{Cerca, nullptr, {"CA??\x10", "X????"}}, {0, nullptr, {"CARO\x10", "X????"}},
        {1, nullptr, {"CASA\x10", "X????"}}, {0, nullptr, {"CARO\x10", "X????"}},
        {Annulla, nullptr, {"CA??\x10", "X????"}}, {Annulla, nullptr, {"CA??\x10", "?????"}},
        {Ripristina, nullptr, {"CA??\x10", "X????"}}, {Cerca, nullptr, {"CA??\x10", "X????"}},
        {1, nullptr, {"CASA\x10", "X????"}}, {Annulla, nullptr, {"CA??\x10", "X????"}}}},
      {"un nuovo clic sulla griglia ricomincia", {{"base.diz", CaRiga}}, {"CA??\x10", "CA??\x10"}, "a1", false,
       {{Cerca, nullptr, {"CA??\x10", "CA??\x10"}}, {1, nullptr, {"CASA\x10", "CA??\x10"}},
        {Cerca, nullptr, {"CASA\x10", "CA??\x10"}, 1}, {0, nullptr, {"CASA\x10", "CARO\x10"}}}},
      // A plain dictionary may hold words of two parts: the blank matches
      // the empty cell and is not written, so A POSTO changes no cell, and
      // choosing it must not take back the user's earlier edit.
      {"una parola già presente",
       {{"base.diz", {"ZETA"}}, {"extra.dic", {"A POSTO", "APPOSTO"}}}, {"A?POSTO", "???????"}, "a1", true,
       {{Cerca, nullptr, {"A?POSTO", "X??????"}}, {0, "A POSTO", {"A?POSTO", "X??????"}},
        {1, "APPOSTO", {"APPOSTO", "X??????"}}, {0, "A POSTO", {"A?POSTO", "X??????"}},
        {Annulla, nullptr, {"A?POSTO", "???????"}}}},
      {"in colonna", {{"base.diz", {"CARO"}}}, {"C?", "A?", "??", "??"}, "a2", false,
       {{Cerca, nullptr, {"C?", "A?", "??", "??"}, 1}, {0, "CARO", {"C?", "A?", "R?", "O?"}}}},
      // Only the crossing cell is ever written.
      {"lettera nell'incrocio",
       {{"base.diz", {"ERA", "IRA", "ORA", "RE", "RIO", "RT", "TRA"}}}, {"R\x10\x10", "?RA", "?\x10\x10"}, "a6", false,
       {{Cerca, nullptr, {"R\x10\x10", "?RA", "?\x10\x10"}, 1}, {0, "E", {"R\x10\x10", "ERA", "?\x10\x10"}},
        {1, "I", {"R\x10\x10", "IRA", "?\x10\x10"}}, {Annulla, nullptr, {"R\x10\x10", "?RA", "?\x10\x10"}}}},
      // The same line cycles through its group; another line restarts the
      // cycle, and so does coming back.
      {"gruppo di vocali a rotazione", {{"base.diz", {"BELL%", "BELT!"}}}, {"BEL??", "?????"}, "a1", false,
       {{Cerca, nullptr, {"BEL??", "?????"}}, {0, "BELLA", {"BELLA", "?????"}}, {0, "BELLE", {"BELLE", "?????"}},
        {0, "BELLI", {"BELLI", "?????"}}, {0, "BELLA", {"BELLA", "?????"}}, {1, "BELTA", {"BELTA", "?????"}},
        {0, "BELLA", {"BELLA", "?????"}}, {Annulla, nullptr, {"BEL??", "?????"}}}},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    riapri();
    carica(k.diz);
    schemaDa(k.griglia);
    if (k.scriviX) scriviX();
    f->Tlb1_ButtonClick(QString::fromLatin1(k.tasto));
    for (std::size_t i = 0; i < k.passi.size(); ++i) {
      const Passo& p = k.passi[i];
      SCOPED_TRACE(i);
      if (p.azione == Cerca) clic(p.riga, 0);
      else if (p.azione == Annulla) f->eseguiStrumento(QStringLiteral("a7"));
      else if (p.azione == Ripristina) f->eseguiStrumento(QStringLiteral("a8"));
      else scegli(p.azione);
      EXPECT_EQ(f->schema.Griglia, p.griglia);
      if (p.testo) {
        EXPECT_EQ(f->textb->text(), QString::fromLatin1(p.testo));
      }
    }
  }
}

TEST_F(Trasferimento, SceltaRiquadraEChiudeIPulsanti) {
  prepara({"CARO", "CASA"}, {"CA??\x10", "?????"}, "a1");
  clic(0, 0);
  // No line selected: nothing happens.
  scegli(-1);
  EXPECT_EQ(riga(0), "CA??\x10");
  ASSERT_TRUE(f->Command1->isEnabled());

  // A real click on the second line.
  QTest::mouseClick(f->Lists->viewport(), Qt::LeftButton, Qt::NoModifier,
                    f->Lists->visualRect(f->Lists->model()->index(1, 0)).center());
  EXPECT_EQ(f->Lists->ListIndex(), 1);
  EXPECT_EQ(riga(0), "CASA\x10");
  EXPECT_EQ(f->textb->text(), QStringLiteral("CASA"));
  EXPECT_EQ(evid(), (Quattro{0, 0, 4, 1}));
  EXPECT_EQ(pixel(3.5, 0.05), QColor(Qt::red));
  EXPECT_EQ(f->Modificato, 1);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a7")));
  EXPECT_EQ(comandiAbilitati(), 0);
  // The list stays for the next choice.
  EXPECT_EQ(f->Lists->ListCount(), 2);
  scegli(0);
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  f->eseguiStrumento(QStringLiteral("a7"));
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a7")));
}

}  // namespace
}  // namespace tessaro::prova
