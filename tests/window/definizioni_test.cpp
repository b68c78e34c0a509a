// Clues, their .def file, export, printing and ipuz import through the main
// window, with real files in a temporary folder.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTableWidget>

#include "Finestra.h"
#include "clues/ui/DialogoPubblica.h"
#include "clues/ui/FinestraDefinizioni.h"

namespace tessaro::prova {
namespace {

const Testi Griglia{"CANE", "A???", "SOLE"};

class Definizioni : public Finestra {
 protected:
  FinestraDefinizioni* apriFinestra() {
    f->menuDefinizioni->trigger();
    return f->finestraDefinizioni;
  }
  // "N|letters|clue" for every row of a table.
  static Testi righeDi(const QTableWidget* t) {
    Testi v;
    for (int r = 0; r < t->rowCount(); ++r) {
      QStringList celle;
      for (int c = 0; c < t->columnCount(); ++c) celle << t->item(r, c)->text();
      v.push_back(celle.join(QLatin1Char('|')).toStdString());
    }
    return v;
  }
  // The clue of row r typed into its editor, key by key.
  static void scriviDefinizione(QTableWidget* t, int r, const QString& testo) {
    t->editItem(t->item(r, 2));
    auto* editor = t->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, testo);
  }
  void clicSulloSchema(int r, int c) {
    QTest::mouseClick(f->Peri, Qt::LeftButton, {}, f->Peri->inPixel(c + 0.5, r + 0.5));
  }
};

TEST_F(Definizioni, F4ERigheCheSeguonoLoSchema) {
  schemaDa(Griglia);
  EXPECT_EQ(f->menuDefinizioni->shortcut(), QKeySequence(Qt::Key_F4));
  FinestraDefinizioni* w = apriFinestra();
  ASSERT_TRUE(w && w->isVisible());
  EXPECT_EQ(righeDi(w->Orizzontali), (Testi{"1|CANE|", "5|A???|", "6|SOLE|"}));
  EXPECT_EQ(righeDi(w->Verticali), (Testi{"1|CAS|", "2|A?O|", "3|N?L|", "4|E?E|"}));

  w->Orizzontali->item(2, 2)->setText(QStringLiteral("Splende"));
  w->Verticali->item(1, 2)->setText(QStringLiteral("Seconda verticale"));
  // A black cell at (1, 1): numbers shift, the clue of 6 across follows its
  // run as 5, 2 down loses its run and is kept apart.
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  clic(1, 1);
  EXPECT_EQ(righeDi(w->Orizzontali), (Testi{"1|CANE|", "4|??|", "5|SOLE|Splende"}));
  EXPECT_EQ(righeDi(w->Verticali), (Testi{"1|CAS|", "2|N?L|", "3|E?E|"}));
  EXPECT_TRUE(w->GruppoSenzaCasella->isVisibleTo(w));
  EXPECT_EQ(righeDi(w->SenzaCasella), (Testi{"Verticale|2|R1 C2|Seconda verticale"}));

  // A row shows its run in the grid; a click in the grid selects its rows.
  w->Verticali->setCurrentCell(2, 0);
  EXPECT_EQ(evid(), (Quattro{3, 0, 1, 3}));
  EXPECT_EQ(f->RigaCorr * 10 + f->ColCorr, 3);
  f->Tlb1_ButtonClick(QStringLiteral("a3"));
  clicSulloSchema(2, 2);
  EXPECT_EQ(w->Orizzontali->currentRow(), 2);
  EXPECT_EQ(w->Verticali->currentRow(), 1);

  // The thesaurus is off: "Suggerisci" says how to turn it on.
  w->Suggerisci_Click();
  ASSERT_EQ(w->Sinonimi->count(), 1);
  EXPECT_EQ(w->Sinonimi->item(0)->text(), testi::LinguaNonAttiva);

  w->SenzaCasella->setCurrentCell(0, 0);
  w->Elimina_Click();
  EXPECT_FALSE(w->GruppoSenzaCasella->isVisibleTo(w));
  EXPECT_EQ(f->definizioni.size(), 1u);
}

TEST_F(Definizioni, SuggerisciDalDizionarioDeiSinonimi) {
  schemaDa({"CASA", "????"});
  f->FunWord_Click();
  ASSERT_TRUE(f->lingua() && f->lingua()->attivo()) << f->lingua()->motivo();
  FinestraDefinizioni* w = apriFinestra();
  w->Orizzontali->setCurrentCell(1, 0);
  EXPECT_FALSE(w->Suggerisci->isEnabled());  // "????" is not a word yet
  w->Orizzontali->setCurrentCell(0, 0);
  ASSERT_TRUE(w->Suggerisci->isEnabled());
  w->Suggerisci_Click();
  const auto trovati = w->Sinonimi->findItems(QStringLiteral("abitazione"), Qt::MatchExactly);
  ASSERT_EQ(trovati.size(), 1);
  w->Sinonimi_DblClick(trovati.front());
  EXPECT_EQ(f->definizioni.testo(Verso::Orizzontale, 0, 0), "Abitazione");
  EXPECT_EQ(f->Modificato, 1);
}

TEST_F(Definizioni, LaModificaSiSalvaESiRilegge) {
  schemaDa(Griglia);
  f->Salvacome->setEnabled(true);
  FinestraDefinizioni* w = apriFinestra();
  scriviDefinizione(w->Orizzontali, 0, QStringLiteral("Abbaia"));
  EXPECT_EQ(f->Modificato, 1);  // typed, not yet confirmed with Enter

  const QString tes = percorso(QStringLiteral("cruci.tes")), def = percorso(QStringLiteral("cruci.def"));
  env->fileScelti.push_back(tes);
  f->Salvacome_Click();
  EXPECT_EQ(f->Modificato, 0);
  EXPECT_EQ(leggi(tes), QByteArray("3,4\r\n\"CANE\"\r\n\"A???\"\r\n\"SOLE\"\r\n"));
  EXPECT_EQ(leggi(def), QByteArray("# Tessaro - definizioni: verso (O/V), numero, riga, colonna, testo\n"
                                   "O 1 1 1 Abbaia\n"));

  riapri();
  env->fileScelti.push_back(tes);
  f->menuApri_Click();
  EXPECT_EQ(f->definizioni.testo(Verso::Orizzontale, 0, 0), "Abbaia");
  EXPECT_EQ(righeDi(apriFinestra()->Orizzontali).front(), "1|CANE|Abbaia");

  // A damaged .def: one message, the Schema opens without clues, and saving
  // without new clues leaves the file for the user to mend.
  scrivi(def, "O 1 1 1 Abbaia\nX rotta\n");
  env->fileScelti.push_back(tes);
  f->menuApri_Click();
  EXPECT_EQ(scatole(), (Testi{"Definizioni|48|Il file delle definizioni " + def.toStdString() +
                              " è danneggiato (riga 2: non è nella forma \"O numero riga colonna testo\").\r\nLo "
                              "Schema è aperto senza definizioni; il file resta com'è finché non si salvano nuove "
                              "definizioni."}));
  EXPECT_EQ(f->schema.Griglia, Griglia);
  EXPECT_TRUE(f->definizioni.vuota());
  f->Salva_Click();
  EXPECT_EQ(leggi(def), QByteArray("O 1 1 1 Abbaia\nX rotta\n"));
}

TEST_F(Definizioni, EsportazioniEStampa) {
  Testi griglia(15, std::string(15, '?'));
  griglia[0] = "CANE\x10??????????";
  schemaDa(griglia);
  f->definizioni.imposta(Verso::Orizzontale, 0, 0, "Il migliore amico");
  f->definizioni.imposta(Verso::Verticale, 0, 1, "Prima vocale");
  struct Caso {
    void (Form0g::*comando)();
    QString nome;
    bool soluzione;
  };
  const Caso casi[] = {{&Form0g::EsportaPdf_Click, QStringLiteral("prova.pdf"), true},
                       {&Form0g::EsportaSvg_Click, QStringLiteral("prova.svg"), false},
                       {&Form0g::EsportaPng_Click, QStringLiteral("prova"), true},
                       {&Form0g::Stampa_Click, QStringLiteral("stampa.pdf"), true}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome.toStdString());
    env->suModale = [&](QDialog& d) {
      if (auto* o = qobject_cast<DialogoPubblica*>(&d)) {
        o->Titolo->setText(QStringLiteral("Prova"));
        o->ConSoluzione->setChecked(c.soluzione);
        o->Risolto->setChecked(c.soluzione);
        o->accept();
      } else if (auto* p = qobject_cast<QPrintDialog*>(&d)) {
        p->printer()->setOutputFileName(percorso(c.nome));
        p->done(QDialog::Accepted);
      }
    };
    env->fileScelti.push_back(percorso(c.nome));
    (f.get()->*c.comando)();
  }
  for (const QString& nome : {QStringLiteral("prova.pdf"), QStringLiteral("stampa.pdf")}) {
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {percorso(nome), QStringLiteral("-")});
    ASSERT_TRUE(testo.waitForFinished(30000));
    const QString t = QString::fromUtf8(testo.readAllStandardOutput());
    for (const char* atteso : {"Prova", "ORIZZONTALI", "VERTICALI", "1.", "Il migliore amico", "Prima vocale", "Soluzione"})
      EXPECT_TRUE(t.contains(QString::fromUtf8(atteso))) << nome.toStdString() << ": " << atteso << "\n" << t.toStdString();
  }
  EXPECT_EQ(QSvgRenderer(percorso(QStringLiteral("prova.svg"))).viewBox().size(), QSize(620, 620));
  EXPECT_EQ(QImage(percorso(QStringLiteral("prova.png"))).size(), QSize(620, 620));
  EXPECT_TRUE(env->box.empty());
}

TEST_F(Definizioni, ImportaIpuz) {
  const QString buono = percorso(QStringLiteral("mini.ipuz")), grande = percorso(QStringLiteral("grande.ipuz"));
  scrivi(buono, R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":2,"height":2},
    "puzzle":[[1,2],[3,0]],"solution":[["O","È"],["R","A"]],"clues":{"Across":[[1,"Nota"]],"Down":[["2","Età"]]}})");
  scrivi(grande, R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":36,"height":20},"puzzle":[]})");
  schemaDa(Griglia);
  env->fileScelti.push_back(grande);
  f->ImportaIpuz_Click();
  EXPECT_EQ(scatole(), (Testi{"Importa ipuz|48|Impossibile importare il file " + grande.toStdString() +
                              ": lo schema è di 20 righe e 36 colonne, Tessaro ne ammette da 2 a 25 righe e da 2 a 35 "
                              "colonne."}));
  EXPECT_EQ(f->schema.Griglia, Griglia);

  env->fileScelti.push_back(buono);
  f->ImportaIpuz_Click();
  EXPECT_EQ(f->schema.Griglia, (Testi{"OE", "RA"}));
  EXPECT_EQ(f->definizioni.testo(Verso::Verticale, 0, 1), "Età");
  EXPECT_EQ(f->Modificato, 1);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   (nuovo file)"));
  EXPECT_EQ(f->NomeFile, percorso(QStringLiteral("mini.tes")));
}

}  // namespace
}  // namespace tessaro::prova
