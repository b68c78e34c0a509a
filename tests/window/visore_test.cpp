// The dictionary viewer (Form0f), opened from "Vedi Contenuto..." over
// dictionaries loaded from a temporary program folder; the test plays the
// user inside the modal window.
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <algorithm>
#include <functional>

#include "Finestra.h"
#include "dict/ui/Form0f.h"

namespace tessaro::prova {
namespace {

const QString Prosegui = QStringLiteral("...per proseguire premere  M-Z=> ");
const QString TornaInizio = QStringLiteral("...per tornare all'inizio premere  A-L<= ");

// A base dictionary for the viewer: comments, groups, both halves.
const std::vector<std::string> Base{"'elenco di prova", "ABACO", "CANE", "CAS!", "CASTELLO", "#commento",
                                    "LUPO", "MARE", "MOL(", "NAVE", "ZETA"};

// `n` entries in code order, spread over the initials A..Z.
std::vector<std::string> moltiVoci(int n) {
  std::vector<std::string> v;
  v.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    std::string s = "A????";
    s[0] = static_cast<char>('A' + i * 26 / n);
    for (int j = 4, x = i; j >= 1; --j, x /= 26) s[static_cast<std::size_t>(j)] = static_cast<char>('A' + x % 26);
    v.push_back(s);
  }
  return v;
}

class Visore : public Finestra {
 protected:
  // Opens the viewer from the menu; `utente` acts inside it while it is shown.
  void apri(const std::function<void(Form0f&)>& utente) {
    const int prima = env->modali;
    bool aperto = false;
    env->suModale = [&](QDialog& d) {
      auto* v = qobject_cast<Form0f*>(&d);
      ASSERT_NE(v, nullptr);
      aperto = v->isVisible() && v->isModal();
      utente(*v);
    };
    f->Indirdiz->trigger();
    env->suModale = nullptr;
    EXPECT_EQ(env->modali, prima + 1);
    EXPECT_TRUE(aperto);
  }

  // Clicks line `riga` of List1 with the mouse.
  static void scegli(Form0f& v, int riga) {
    QListWidgetItem* it = v.List1->item(riga);
    ASSERT_NE(it, nullptr);
    QTest::mouseClick(v.List1->viewport(), Qt::LeftButton, {}, v.List1->visualItemRect(it).center());
  }

  static QStringList righe(const Form0f& v, const QListView* l) {
    QStringList r;
    for (int i = 0; i < v.righe(l); ++i) r << v.riga(l, i);
    return r;
  }

  static QString selezionata(const Form0f& v, const QListView* l) { return v.riga(l, v.selezionata(l)); }

  static void doppioClic(QListView* l, int riga) {
    l->scrollTo(l->model()->index(riga, 0));
    const QPoint p = l->visualRect(l->model()->index(riga, 0)).center();
    // The sequence a real double click delivers.
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mousePress(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, p);
  }
};

TEST_F(Visore, LaBaseDivisaInDueMetaConIGruppiEspansi) {
  caricaBase(Base);
  const std::string testo = f->Archivio.slot[1].testo;
  apri([&](Form0f& v) {
    scegli(v, 0);
    EXPECT_EQ(v.slot(), 1);
    EXPECT_EQ(righe(v, v.List2), QStringList({QStringLiteral("ABACO"), QStringLiteral("CANE"),
                                              QStringLiteral("CAS(AE)"), QStringLiteral("CASTELLO"),
                                              QStringLiteral("LUPO"), Prosegui}));
    EXPECT_EQ(righe(v, v.List3), QStringList({TornaInizio, QStringLiteral("MARE"), QStringLiteral("MOL(EO)"),
                                              QStringLiteral("NAVE"), QStringLiteral("ZETA")}));
    // Comments are neither counted nor listed.
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 9"));
    EXPECT_TRUE(v.List2->isVisible() && v.List1->isEnabled());
    EXPECT_FALSE(v.List3->isVisible() || v.Command2->isVisible());

    // An initial from M on shows the second half, a lower one the first; an
    // empty box changes nothing; past everything, the last line in view.
    QTest::keyClicks(v.Text1, QStringLiteral("mare"));
    const struct {
      const char* testo;
      bool list3;
      const char* riga;
    } casi[] = {
        {"mare", true, "MARE"}, {"  mb ", true, "MOL(EO)"}, {"", true, "MOL(EO)"},
        {"casa", false, "CAS(AE)"}, {"LZ", false, nullptr},  // the group stands for CASA
    };
    for (const auto& c : casi) {
      SCOPED_TRACE(c.testo);
      if (v.Text1->text() != QLatin1String(c.testo)) v.Text1->setText(QString::fromLatin1(c.testo));
      EXPECT_EQ(v.List3->isVisible(), c.list3);
      EXPECT_EQ(v.Command2->text(), c.list3 ? QStringLiteral("A-L<=") : QStringLiteral("M-Z=>"));
      EXPECT_EQ(selezionata(v, c.list3 ? v.List3 : v.List2), c.riga ? QString::fromUtf8(c.riga) : Prosegui);
    }
  });
  // The viewer changes nothing in the store.
  EXPECT_EQ(f->Archivio.slot[1].testo, testo);
}

TEST_F(Visore, UnAltroDizionarioTuttoInUnaLista) {
  // A plain dictionary in the Windows code page: "CITTÀ" has the byte 0xC0.
  carica({{"base.diz", Base}, {"nomi.diz", {"ROMA"}}, {"extra.dic", {"ZETA"}},
          {"città.dic", {"'nomi propri", "ANNA", "CAS!", "CITTADINO", "CITT\xC0", "MARIO", "ZARA"}}});
  apri([&](Form0f& v) {
    EXPECT_EQ((QStringList{v.windowTitle(), v.Label1->text(), v.Label2->text(), v.Label4->text(), v.Command1->text()}),
              (QStringList{QStringLiteral("  VERIFICA  DEI  DIZIONARI  PERSONALIZZATI"),
                           QStringLiteral("Cartella dei Dizionari =  ") + cartella->path(),
                           QStringLiteral("I Dizionari devono stare nella stessa Cartella del Programma"),
                           QStringLiteral("Cerca  "), QStringLiteral("Esci")}));
    // Listing order: the .diz files, then the .dic ones by byte value.
    QStringList elenco;
    for (int i = 0; i < v.List1->count(); ++i) elenco << v.List1->item(i)->text();
    EXPECT_EQ(elenco, (QStringList{QStringLiteral("D1-base.diz"), QStringLiteral("D2-nomi.diz"),
                                   QStringLiteral("D3-città.dic"), QStringLiteral("D4-extra.dic")}));
    // Nothing chosen yet; typing before a choice does nothing.
    v.Text1->setText(QStringLiteral("mare"));
    EXPECT_FALSE(v.List2->isVisible() || v.List3->isVisible() || v.Command2->isVisible());
    // Chosen with the keyboard.
    v.List1->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(v.List1, Qt::Key_Down);
    EXPECT_EQ(v.slot(), 3);
    // As stored: a final code is not a group here, and there is no split.
    EXPECT_EQ(righe(v, v.List2), QStringList({QStringLiteral("ANNA"), QStringLiteral("CAS!"), QStringLiteral("CITTADINO"),
                                              QStringLiteral("CITTÀ"), QStringLiteral("MARIO"), QStringLiteral("ZARA")}));
    EXPECT_EQ(v.righe(v.List3), 0);
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 6"));
    // Accented letters are looked for in upper case.
    for (const auto& [testo, riga] : {std::pair{"ma", "MARIO"}, std::pair{"città", "CITTÀ"}, std::pair{"zz", "ZARA"}}) {
      v.Text1->setText(QString::fromUtf8(testo));
      EXPECT_TRUE(v.List2->isVisible());
      EXPECT_FALSE(v.List3->isVisible() || v.Command2->isVisible());
      EXPECT_EQ(selezionata(v, v.List2), QString::fromUtf8(riga));
    }
    // Back to the base: the lists are filled again, and the box still says
    // "zz": the second half is shown at its end.
    QTest::keyClick(v.List1, Qt::Key_Home);
    EXPECT_EQ(v.slot(), 1);
    EXPECT_EQ(v.riga(v.List2, 0), QStringLiteral("ABACO"));
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 9"));
    EXPECT_TRUE(v.List3->isVisible());
    EXPECT_EQ(selezionata(v, v.List3), QStringLiteral("ZETA"));
  });
}

TEST_F(Visore, IlDoppioClicPortaLaRigaNellaCasella) {
  caricaBase(Base);
  apri([&](Form0f& v) {
    scegli(v, 0);
    for (const auto& [riga, voce] : {std::pair{1, "CANE"}, std::pair{2, "CAS(AE)"}}) {
      doppioClic(v.List2, riga);
      EXPECT_EQ(v.Text1->text() + '|' + selezionata(v, v.List2), QString::fromLatin1(voce) + '|' + voce);
    }
    v.Text1->setText(QStringLiteral("n"));
    ASSERT_TRUE(v.List3->isVisible());
    doppioClic(v.List3, 4);
    EXPECT_EQ(v.Text1->text() + '|' + selezionata(v, v.List3), QStringLiteral("ZETA|ZETA"));
  });
}

TEST_F(Visore, IlPulsanteDelleMetaSoloConTanteVoci) {
  const std::vector<std::string> tante = moltiVoci(32000);
  ASSERT_TRUE(std::is_sorted(tante.begin(), tante.end()));
  carica({{"base.diz", tante}, {"quasi.dic", moltiVoci(31999)}});
  ASSERT_TRUE(env->box.empty());
  apri([&](Form0f& v) {
    scegli(v, 0);
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 32000"));
    ASSERT_TRUE(v.Command2->isVisible());
    EXPECT_EQ(v.Command2->text(), QStringLiteral("M-Z=>"));
    // Both halves and the two marker lines hold every entry.
    EXPECT_EQ(v.righe(v.List2) + v.righe(v.List3), 32002);
    QTest::mouseClick(v.Command2, Qt::LeftButton);
    EXPECT_EQ(v.Text1->text() + '|' + v.Command2->text(), QStringLiteral("m|A-L<="));
    EXPECT_TRUE(v.List3->isVisible());
    EXPECT_EQ(v.selezionata(v.List3), 1);  // the first M entry, after the marker
    EXPECT_TRUE(selezionata(v, v.List3).startsWith(QLatin1Char('M')));
    QTest::mouseClick(v.Command2, Qt::LeftButton);
    EXPECT_EQ(v.Text1->text() + '|' + v.Command2->text(), QStringLiteral("a|M-Z=>"));
    EXPECT_FALSE(v.List3->isVisible());
    EXPECT_EQ(v.selezionata(v.List2), 0);
    // One entry fewer: no switch button.
    scegli(v, 1);
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 31999"));
    EXPECT_FALSE(v.Command2->isVisible());
    EXPECT_EQ(v.righe(v.List2), 31999);
  });
}

TEST_F(Visore, ClicETastiDuranteIlRiempimento) {
  carica({{"base.diz", moltiVoci(5000)}, {"nomi.dic", {"ANNA", "ZARA"}}});
  apri([&](Form0f& v) {
    int cessioni = 0;
    env->aOgniCessione = [&] {
      if (++cessioni != 2) return;
      // The count shows the entries read so far.
      EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 511"));
      // The list of dictionaries is off while the entries are read; the box
      // takes the typing.
      EXPECT_FALSE(v.List1->isEnabled());
      QTest::mouseClick(v.List1->viewport(), Qt::LeftButton, {},
                        v.List1->visualItemRect(v.List1->item(1)).center());
      v.Text1->setText(QStringLiteral("m"));
    };
    scegli(v, 0);
    env->aOgniCessione = nullptr;
    ASSERT_GE(cessioni, 2);
    EXPECT_EQ(v.slot(), 1);
    EXPECT_EQ(v.Label3->text(), QStringLiteral("Totale Voci = 5000"));
    EXPECT_TRUE(v.List1->isEnabled());
    // Positioned once the lists are full.
    EXPECT_TRUE(v.List3->isVisible());
    EXPECT_EQ(v.selezionata(v.List3), 1);
    EXPECT_TRUE(selezionata(v, v.List3).startsWith(QLatin1Char('M')));
  });
  // "Esci" works while the entries are read, too.
  apri([&](Form0f& v) {
    env->aOgniCessione = [&] {
      if (v.isVisible()) QTest::mouseClick(v.Command1, Qt::LeftButton);
    };
    scegli(v, 0);
    env->aOgniCessione = nullptr;
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.result(), QDialog::Accepted);
  });
  EXPECT_TRUE(env->box.empty());
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")));  // the main window is usable again
}

}  // namespace
}  // namespace tessaro::prova
