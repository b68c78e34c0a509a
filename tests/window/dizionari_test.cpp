// Loading the dictionaries at start-up and switching them on and off, through
// the window, with real dictionary files in a temporary program folder and
// the real decoder library.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "Finestra.h"
#include "dict/ui/Form0f.h"

namespace tessaro::prova {
namespace {

const QString MancaBase = QStringLiteral("... manca il dizionario obbligatorio: base.diz !");
const QString ErroreDecoder = QStringLiteral("... errori nel richiamo dei dizionari *.diz !");
const QString Attenzione = QStringLiteral("Attenzione...");
const QString ApriCruciverba =
    QStringLiteral(" Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra ");

class Dizionari : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    // The decoder's folders are made in a runtime folder of this test, which
    // must be empty again once loading ends.
    ASSERT_TRUE(runtime.isValid());
    xdgPrima = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  }
  void TearDown() override {
    qputenv("XDG_RUNTIME_DIR", xdgPrima);
    Finestra::TearDown();
  }

  bool scratchLasciata() const {
    return !QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
  }

  QTemporaryDir runtime;
  QByteArray xdgPrima;

  // The program folder, name -> bytes.
  std::map<std::string, std::string> contenuto() const {
    std::map<std::string, std::string> m;
    for (const QString& n : QDir(cartella->path()).entryList(QDir::Files))
      m[n.toStdString()] = leggi(cartella->filePath(n)).toStdString();
    return m;
  }

  // Menu item k and panel k + 10 for k = 1..6: "text|checked, item shown,
  // panel shown, panel enabled|panel tooltip", or "-" when both are hidden.
  Testi voci() const {
    Testi v;
    for (int k = 1; k <= 6; ++k) {
      const QAction* d = f->d[k];
      if (!d->isVisible() && !f->Stb1->isVisible(k + 10)) {
        v.emplace_back("-");
        continue;
      }
      QString s = d->text() + '|';
      for (bool b : {d->isChecked(), d->isVisible(), f->Stb1->isVisible(k + 10), f->Stb1->isEnabled(k + 10)})
        s += b ? '1' : '0';
      v.push_back((s + '|' + f->Stb1->toolTip(k + 10)).toStdString());
    }
    return v;
  }

  void clicPannello(int n) {
    QLabel* p = f->Stb1->panel(n);
    QTest::mouseClick(p, Qt::LeftButton, {}, p->rect().center());
  }
};

TEST_F(Dizionari, FineCaricamentoAbilitaTestEPannelli) {
  f->Timer2_Timer();  // two seconds of loading have been counted
  f->Timer2_Timer();
  ASSERT_EQ(f->SecCar->text(), QStringLiteral("2"));
  ASSERT_TRUE(f->SecCar->isVisible());
  const std::map<std::string, std::string> file{{"base.diz", codificaDiz(unite({"CANE", "CAS!", "MARE"}))},
                                                 {"nomi.diz", codificaDiz(unite({"ROMA"}))},
                                                 {"città.dic", unite({"ZETA"})}};
  caricaGrezzi(file);
  EXPECT_TRUE(env->box.empty() && !env->terminato);
  // The decoder's texts were read and deleted, and its private folder is
  // gone as soon as loading ends; the folder is as it was, byte for byte.
  EXPECT_FALSE(scratchLasciata());
  EXPECT_EQ(contenuto(), file);
  EXPECT_EQ(f->Stb1->text(2), ApriCruciverba);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")) && f->textb->isEnabled() && f->Picture1->isVisible());
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a0")));
  EXPECT_FALSE(f->Label0->isVisible() || f->SecCar->isVisible() || f->Timer0->isActive() || f->Timer2->isActive());
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
  // Accented file names reach the menu and the panels whole.
  EXPECT_EQ(voci(), (Testi{"D1- base.diz|1111|base", "D2- nomi.diz|1111|nomi", "D3- città.dic|1111|città", "-",
                           "-", "-"}));
  // The store: slots in listing order, the plain text of each, its index.
  const auto& s = f->Archivio.slot;
  EXPECT_EQ((Testi{s[1].testo, s[2].testo, s[3].testo}),
            (Testi{"CANE\r\nCAS!\r\nMARE\r\n", "ROMA\r\n", "ZETA\r\n"}));
  EXPECT_EQ(s[1].indice['M' - 64], 13);
}

// The program ends after exactly one critical box, before the window is
// usable; the folder keeps its files byte for byte and no scratch is left.
TEST_F(Dizionari, CaricamentiFallitiChiudonoIlProgramma) {
  std::string troncato = codificaDiz(unite({"CANE", "CASA", "MARE"}));
  troncato.resize(troncato.size() - 6);
  const struct {
    const char* nome;
    std::map<std::string, std::string> file;
    QString testo;
  } casi[] = {
      {"senza base", {{"nomi.diz", codificaDiz(unite({"ROMA"}))}, {"extra.dic", unite({"ZETA"})}}, MancaBase},
      {"base illeggibile", {{"base.diz", "questo non \x01\x02 un dizionario\r\nCANE\r\n"}}, ErroreDecoder},
      {"contenitore troncato", {{"base.diz", codificaDiz(unite({"CANE"}))}, {"nomi.diz", troncato}}, ErroreDecoder},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    riapri();
    caricaGrezzi(c.file);
    EXPECT_EQ(scatole(), Testi{"Errore ...|16|" + c.testo.toStdString()});
    EXPECT_TRUE(env->terminato);
    EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a9")) || f->textb->isEnabled());
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" Attendi ...                            "));
    EXPECT_FALSE(scratchLasciata());
    EXPECT_EQ(contenuto(), c.file);
  }
}

TEST_F(Dizionari, VociFuoriSequenzaAvvisanoEIlCaricamentoProsegue) {
  carica({{"base.diz", {"ALBA", "ALA", "BANCO"}},
          {"corte.dic", {"ALBA", "AB", "CANE"}},
          {"nomi.dic", {"ROMA", "PISA"}}});
  // ALBA then AB: two letters escape the check. One box per entry, in order.
  const std::string fuori = "Attenzione...|0|Questa parola %1 è fuori sequenza\r\n"
                            "può compromettere la ricerca nel suo dizionario.";
  auto avviso = [&](const char* voce) { return QString::fromStdString(fuori).arg(QLatin1String(voce)).toStdString(); };
  EXPECT_EQ(scatole(), (Testi{avviso("ALA"), avviso("PISA")}));
  EXPECT_FALSE(env->terminato);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")));
  EXPECT_EQ(f->Stb1->text(2), ApriCruciverba);
  EXPECT_EQ(f->d[3]->text(), QStringLiteral("D3- nomi.dic"));
  EXPECT_EQ(f->Archivio.slot[1].testo, "ALBA\r\nALA\r\nBANCO\r\n");  // the entries stay where they are
}

// Regression: the decoder's folder had a predictable name, and a link
// planted there stopped the program. Now the name is random.
TEST_F(Dizionari, UnaCartellaTemporaneaPiantataNonFermaIlCaricamento) {
  const QString piantata = runtime.filePath(QStringLiteral("tessaro-%1-%2").arg(::getuid()).arg(::getpid()));
  ASSERT_TRUE(QFile::link(QStringLiteral("/altrove"), piantata));
  carica({{"base.diz", {"CANE"}}});
  EXPECT_EQ(scatole(), Testi{});
  EXPECT_EQ(f->Archivio.slot[1].testo, "CANE\r\n");
  EXPECT_EQ(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList{QFileInfo(piantata).fileName()});
}

// Regression: started in a folder whose name is not UTF-8 ("caf\xe9"), the
// program did not find its base.diz.
TEST_F(Dizionari, CartellaConNomeNonUtf8) {
  caricaGrezzi({});  // a fresh folder, made current
  env->box.clear();
  const std::filesystem::path caffe = std::filesystem::current_path() / "caf\xe9";
  std::filesystem::create_directory(caffe);
  std::ofstream(caffe / "base.diz", std::ios::binary) << codificaDiz(unite({"CANE", "MARE"}));
  std::ofstream(caffe / "z\xe9.dic", std::ios::binary) << "ZETA\r\n";
  std::filesystem::current_path(caffe);
  riapri();  // started there: the program folder is the current folder
  f->Timer0_Timer();
  EXPECT_EQ(scatole(), Testi{});
  EXPECT_EQ(f->Archivio.slot[1].testo, "CANE\r\nMARE\r\n");
  EXPECT_EQ(f->Archivio.slot[2].nome + '|' + f->Archivio.slot[2].testo, "z\xe9.dic|ZETA\r\n");
  // Qt's own removal of the temporary folder would not find these names.
  std::filesystem::current_path(caffe.parent_path());
  std::filesystem::remove_all(caffe);
}

TEST_F(Dizionari, IlSettimoDizionarioSiCaricaSenzaVoceNePannello) {
  carica({{"base.diz", {"CANE"}}, {"b.dic", {"BB"}}, {"c.dic", {"CC"}}, {"d.dic", {"DD"}},
          {"e.dic", {"EE"}}, {"f.dic", {"FF"}}, {"g.dic", {"GATTO"}}, {"h.dic", {"HH"}}});
  ASSERT_TRUE(env->box.empty());
  EXPECT_EQ(voci(), (Testi{"D1- base.diz|1111|base", "D2- b.dic|1111|b", "D3- c.dic|1111|c", "D4- d.dic|1111|d",
                           "D5- e.dic|1111|e", "D6- f.dic|1111|f"}));
  EXPECT_EQ(f->Archivio.DizCont, 7);
  EXPECT_EQ(f->Archivio.slot[7].nome + '|' + f->Archivio.slot[7].testo, "g.dic|GATTO\r\n");
  EXPECT_EQ(f->Archivio.slot[7].indice['G' - 64], 1);
  // An eighth file has no slot; it is neither loaded nor touched.
  for (const Dizionario& d : f->Archivio.slot) EXPECT_NE(d.nome, "h.dic");
  EXPECT_EQ(contenuto().size(), 8u);
}

TEST_F(Dizionari, LaBaseNonSiDisattivaLeAltreSi) {
  carica({{"base.diz", {"CANE"}}, {"nomi.diz", {"ROMA"}}, {"città.dic", {"ZETA"}}});
  const auto tutte = voci();
  f->d[1]->trigger();  // the menu item, the panel, the handler
  clicPannello(11);
  f->d1_Click();
  const std::string fissa = "Attenzione...|0|... il dizionario base.diz non è disattivabile!";
  EXPECT_EQ(scatole(), (Testi{fissa, fissa, fissa}));
  EXPECT_EQ(voci(), tutte);
  env->box.clear();

  // The panel, clicked with the mouse: off, with an empty tooltip; the others keep their state.
  clicPannello(12);
  auto attese = tutte;
  attese[1] = "D2- nomi.diz|0110|";
  EXPECT_EQ(voci(), attese);
  // The greyed panel still takes the click that switches it on again.
  clicPannello(12);
  EXPECT_EQ(voci(), tutte);
  // The menu item does the same, and the two stay in step.
  f->d[3]->trigger();
  attese = tutte;
  attese[2] = "D3- città.dic|0110|";
  EXPECT_EQ(voci(), attese);
  clicPannello(13);
  EXPECT_EQ(voci(), tutte);
  EXPECT_TRUE(env->box.empty());
}

TEST_F(Dizionari, IPannelliDellaRicercaEstesaEGliAltriSenzaClic) {
  caricaBase({"CANE"});
  // The base alone: the other items and panels hidden.
  EXPECT_EQ(voci(), (Testi{"D1- base.diz|1111|base", "-", "-", "-", "-", "-"}));
  // Panels 7 and 8 switch between normal and extended search.
  auto ricerca = [&] {
    return std::vector<bool>{f->Estesa->isChecked(), f->Stb1->isVisible(7), f->Stb1->isVisible(8)};
  };
  ASSERT_EQ(ricerca(), (std::vector<bool>{false, true, false}));
  clicPannello(7);
  EXPECT_EQ(ricerca(), (std::vector<bool>{true, false, true}));
  clicPannello(8);
  EXPECT_EQ(ricerca(), (std::vector<bool>{false, true, false}));
  // The other panels have no click.
  const auto tutte = voci();
  for (int n : {1, 2, 3, 4, 5, 6, 9, 10}) f->Stb1_PanelClick(n);
  EXPECT_EQ(ricerca(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(voci(), tutte);
  EXPECT_EQ(f->Interrompi + env->beeps, 0);
  EXPECT_TRUE(env->box.empty());
}

// The dictionaries the build makes (build/<preset>/share), loaded through
// the loader from a copy: their order and index must be sound.
TEST_F(Dizionari, IDizionariDistribuitiSiCaricanoPuliti) {
  const QString share = QDir::cleanPath(QStringLiteral(TESSARO_BIN_DIR "/../share"));
  if (!QFileInfo::exists(share + QStringLiteral("/base.diz"))) GTEST_SKIP() << "manca " << share.toStdString();
  std::map<std::string, std::string> copia;
  for (const QString& nome : QDir(share).entryList({QStringLiteral("*.diz"), QStringLiteral("*.dic")}, QDir::Files))
    copia[nome.toStdString()] = leggi(share + QLatin1Char('/') + nome).toStdString();
  caricaGrezzi(copia);
  EXPECT_EQ(scatole(), Testi{});
  ASSERT_FALSE(env->terminato);
  const Dizionario& d = f->Archivio.slot[1];
  EXPECT_EQ(d.nome, "base.diz");
  EXPECT_TRUE(d.inOrdine);
  EXPECT_GT(d.testo.size(), 100000u);
  // Every recorded run starts an entry with its own initial.
  for (int l = 1; l <= 26; ++l) {
    const auto p = static_cast<std::size_t>(d.indice[static_cast<std::size_t>(l)]);
    if (p == 0) continue;
    ASSERT_LE(p, d.testo.size());
    EXPECT_EQ(d.testo[p - 1], static_cast<char>('@' + l));
    if (p > 1) {
      EXPECT_EQ(d.testo[p - 2], '\n');
    }
  }
  // Common words: plurals, short words, irregular verbs, -ALE adjectives in
  // the base; pronoun forms in enclitici.diz, the slot after nomi.diz.
  EXPECT_EQ(f->Archivio.slot[3].nome, "enclitici.diz");
  for (const auto& [richiesta, riga] : std::map<std::string, QString>{
           {"CAN?", "CAN(EI) -1"}, {"NAV?", "NAV(EI) -1"}, {"NOTT?", "NOTT(EI) -1"}, {"MAR?", "MAR(AEI) -1"},
           {"GRAND?", "GRAND(EI) -1"}, {"C?", "C(AEI) -1"}, {"M?", "M(AEIO) -1"}, {"VENN?", "VENN(EI) -1"},
           {"GENERAL?", "GENERAL(EI) -1"}, {"FARL?", "FARLO -3"}}) {
    f->Richiesta = f->RichiestaMax = f->RichiestaIntera = richiesta;
    f->cerca();
    EXPECT_TRUE(f->Lists->righe().contains(riga)) << richiesta << ": " << f->Lists->righe().join('|').toStdString();
  }
  // The originals are untouched.
  for (const auto& [nome, byte] : copia)
    EXPECT_EQ(leggi(share + QLatin1Char('/') + QString::fromStdString(nome)).toStdString(), byte) << nome;
}

}  // namespace
}  // namespace tessaro::prova
