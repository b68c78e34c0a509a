// Loading the dictionaries at start-up and switching them on and off, through
// the window, with real dictionary files in a temporary program folder and
// the real decoder library.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "Finestra.h"
#include "dict/CartellaScratch.h"
#include "dict/ui/Form0f.h"

namespace tessaro::prova {
namespace {

const QString MancaBase = QStringLiteral("... manca il dizionario obbligatorio: base.diz !");
const QString ErroreDecoder = QStringLiteral("... errori nel richiamo dei dizionari *.diz !");
const QString TitoloErrore = QStringLiteral("Errore ...");
const QString TitoloAttenzione = QStringLiteral("Attenzione...");
const QString BaseFissa = QStringLiteral("... il dizionario base.diz non è disattivabile!");
const QString ApriCruciverba =
    QStringLiteral(" Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra ");

QString fuoriSequenza(const QString& voce) {
  return QStringLiteral("Questa parola ") + voce +
         QStringLiteral(" è fuori sequenza\r\npuò compromettere la ricerca nel suo dizionario.");
}

std::string righe(const std::vector<std::string>& voci) {
  std::string t;
  for (const auto& v : voci) t += v + "\r\n";
  return t;
}

QByteArray leggi(const QString& p) {
  QFile f(p);
  if (!f.open(QIODevice::ReadOnly)) return "<assente>";
  return f.readAll();
}

class Dizionari : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    // Every window of this process uses the same scratch folder.
    ASSERT_FALSE(QFileInfo::exists(scratch()));
  }

  static QString scratch() { return QString::fromStdString(cartellaScratch().string()); }

  // Writes the files byte for byte (no container is added) into a fresh
  // program folder and runs the loader as the timer would.
  void caricaGrezzi(const std::map<std::string, std::string>& file) {
    cartella = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(cartella->isValid());
    for (const auto& [nome, byte] : file) {
      QFile out(cartella->filePath(QString::fromStdString(nome)));
      ASSERT_TRUE(out.open(QIODevice::WriteOnly));
      ASSERT_EQ(out.write(byte.data(), static_cast<qint64>(byte.size())), static_cast<qint64>(byte.size()));
    }
    cartellaPrima = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cartella->path()));
    f->CartellaProg = cartella->path();
    f->Timer0_Timer();
  }

  QStringList fileCartella() const { return QDir(cartella->path()).entryList(QDir::Files, QDir::Name); }

  // The program ended after exactly one critical box `testo`, before the
  // window became usable, and left no scratch folder behind.
  void finitoCon(const QString& testo) {
    ASSERT_EQ(env->box.size(), 1u);
    EXPECT_EQ(env->box[0].testo, testo);
    EXPECT_EQ(env->box[0].titolo, TitoloErrore);
    EXPECT_EQ(env->box[0].stile, 16);
    EXPECT_TRUE(env->terminato);
    EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a9")));
    EXPECT_FALSE(f->textb->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(scratch()));
  }

  void clicPannello(int n) {
    QLabel* p = f->Stb1->panel(n);
    QTest::mouseClick(p, Qt::LeftButton, {}, p->rect().center());
  }
};

TEST_F(Dizionari, FineCaricamentoAbilitaTestEPannelli) {
  f->Timer2_Timer();  // a second of loading has been counted
  ASSERT_TRUE(f->SecCar->isVisible());
  carica({{"base.diz", {"CANE", "CAS!", "MARE"}}, {"nomi.diz", {"ROMA"}}, {"extra.dic", {"ZETA"}}});
  EXPECT_TRUE(env->box.empty());
  EXPECT_FALSE(env->terminato);
  EXPECT_EQ(f->Stb1->text(2), ApriCruciverba);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")));
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a0")));
  EXPECT_TRUE(f->textb->isEnabled());
  EXPECT_TRUE(f->Picture1->isVisible());
  EXPECT_FALSE(f->Label0->isVisible());
  EXPECT_FALSE(f->SecCar->isVisible());
  EXPECT_FALSE(f->Timer0->isActive());
  EXPECT_FALSE(f->Timer2->isActive());
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);

  EXPECT_EQ(f->d[1]->text(), QStringLiteral("D1- base.diz"));
  EXPECT_EQ(f->d[2]->text(), QStringLiteral("D2- nomi.diz"));
  EXPECT_EQ(f->d[3]->text(), QStringLiteral("D3- extra.dic"));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(f->d[k]->isChecked()) << k;
    EXPECT_TRUE(f->Stb1->isVisible(k + 10)) << k;
    EXPECT_TRUE(f->Stb1->isEnabled(k + 10)) << k;
  }
  EXPECT_TRUE(f->d[2]->isVisible());
  EXPECT_TRUE(f->d[3]->isVisible());
  EXPECT_EQ(f->Stb1->toolTip(11), QStringLiteral("base"));
  EXPECT_EQ(f->Stb1->toolTip(12), QStringLiteral("nomi"));
  EXPECT_EQ(f->Stb1->toolTip(13), QStringLiteral("extra"));
  for (int k = 4; k <= 6; ++k) {
    EXPECT_FALSE(f->d[k]->isVisible()) << k;
    EXPECT_FALSE(f->Stb1->isVisible(k + 10)) << k;
  }
  // The store: slots in listing order, the plain text of each, its index.
  EXPECT_EQ(f->Archivio.slot[1].testo, "CANE\r\nCAS!\r\nMARE\r\n");
  EXPECT_EQ(f->Archivio.slot[2].testo, "ROMA\r\n");
  EXPECT_EQ(f->Archivio.slot[3].testo, "ZETA\r\n");
  EXPECT_EQ(f->Archivio.DizCont, 3);
  EXPECT_EQ(f->Archivio.slot[1].indice['C' - 64], 1);
  EXPECT_EQ(f->Archivio.slot[1].indice['M' - 64], 13);
}

TEST_F(Dizionari, SoloLaBaseNascondeLeAltreVociEPannelli) {
  caricaBase({"CANE"});
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(f->d[1]->text(), QStringLiteral("D1- base.diz"));
  EXPECT_TRUE(f->d[1]->isChecked());
  EXPECT_TRUE(f->Stb1->isVisible(11));
  for (int k = 2; k <= 6; ++k) {
    EXPECT_FALSE(f->d[k]->isVisible()) << k;
    EXPECT_FALSE(f->Stb1->isVisible(k + 10)) << k;
  }
}

TEST_F(Dizionari, SenzaBaseIlProgrammaFinisce) {
  carica({{"nomi.diz", {"ROMA"}}, {"extra.dic", {"ZETA"}}});
  finitoCon(MancaBase);
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" Attendi ...                            "));
  EXPECT_EQ(fileCartella(), QStringList({QStringLiteral("extra.dic"), QStringLiteral("nomi.diz")}));
}

TEST_F(Dizionari, LaBaseVaScrittaInMinuscolo) {
  // Read as plain text into slot 2: it is not the base dictionary.
  caricaGrezzi({{"BASE.DIZ", righe({"CANE"})}});
  finitoCon(MancaBase);
  EXPECT_EQ(fileCartella(), QStringList({QStringLiteral("BASE.DIZ")}));
}

TEST_F(Dizionari, BaseIllegibileIlProgrammaFinisce) {
  const std::string spazzatura = "questo non \x01\x02 un dizionario\r\nCANE\r\n";
  caricaGrezzi({{"base.diz", spazzatura}});
  finitoCon(ErroreDecoder);
  // The broken file is still there, untouched.
  EXPECT_EQ(leggi(cartella->filePath(QStringLiteral("base.diz"))), QByteArray::fromStdString(spazzatura));
}

TEST_F(Dizionari, ContenitoreTroncatoIlProgrammaFinisce) {
  std::string troncato = codificaDiz(righe({"CANE", "CASA", "MARE"}));
  troncato.resize(troncato.size() - 6);
  caricaGrezzi({{"base.diz", codificaDiz(righe({"CANE"}))}, {"nomi.diz", troncato}});
  finitoCon(ErroreDecoder);
  EXPECT_EQ(fileCartella().size(), 2);
}

TEST_F(Dizionari, VociFuoriSequenzaAvvisanoEIlCaricamentoProsegue) {
  carica({{"base.diz", {"ALBA", "ALA", "BANCO"}},
          {"corte.dic", {"ALBA", "AB", "CANE"}},
          {"nomi.dic", {"ROMA", "PISA"}}});
  // ALBA then AB: two letters escape the check. One box per entry, in order.
  ASSERT_EQ(env->box.size(), 2u);
  EXPECT_EQ(env->box[0].testo, fuoriSequenza(QStringLiteral("ALA")));
  EXPECT_EQ(env->box[0].titolo, TitoloAttenzione);
  EXPECT_EQ(env->box[0].stile, 0);
  EXPECT_EQ(env->box[1].testo, fuoriSequenza(QStringLiteral("PISA")));
  EXPECT_EQ(env->box[1].stile, 0);
  EXPECT_FALSE(env->terminato);
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a9")));
  EXPECT_EQ(f->Stb1->text(2), ApriCruciverba);
  EXPECT_EQ(f->d[3]->text(), QStringLiteral("D3- nomi.dic"));
  // The entries stay where they are.
  EXPECT_EQ(f->Archivio.slot[1].testo, "ALBA\r\nALA\r\nBANCO\r\n");
}

TEST_F(Dizionari, SoloIlFileTemporaneoSparisce) {
  const std::string base = codificaDiz(righe({"CANE", "CAS!"}));
  const std::string nomi = codificaDiz(righe({"ROMA"}));
  const std::string extra = righe({"ZETA"});
  caricaGrezzi({{"base.diz", base}, {"nomi.diz", nomi}, {"extra.dic", extra}});
  ASSERT_TRUE(env->box.empty());
  EXPECT_EQ(f->Archivio.slot[2].testo, "ROMA\r\n");
  // The program folder keeps its files byte for byte, and nothing was added.
  EXPECT_EQ(fileCartella(), QStringList({QStringLiteral("base.diz"), QStringLiteral("extra.dic"),
                                         QStringLiteral("nomi.diz")}));
  EXPECT_EQ(leggi(cartella->filePath(QStringLiteral("base.diz"))), QByteArray::fromStdString(base));
  EXPECT_EQ(leggi(cartella->filePath(QStringLiteral("nomi.diz"))), QByteArray::fromStdString(nomi));
  EXPECT_EQ(leggi(cartella->filePath(QStringLiteral("extra.dic"))), QByteArray::fromStdString(extra));
  // The decoder's texts were read and deleted; the private folder stays
  // until the window goes.
  ASSERT_TRUE(QFileInfo(scratch()).isDir());
  EXPECT_TRUE(QDir(scratch()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
  EXPECT_TRUE(cartellaPrivata(cartellaScratch()));
  f.reset();
  EXPECT_FALSE(QFileInfo::exists(scratch()));
}

TEST_F(Dizionari, UnaCartellaTemporaneaNonNostraVieneRifiutataEIntatta) {
  // A link planted where the scratch folder goes: the decoder refuses to
  // write through it and nothing behind it is removed.
  QTemporaryDir altrove;
  ASSERT_TRUE(altrove.isValid());
  const QString tesoro = altrove.filePath(QStringLiteral("tesoro.txt"));
  {
    QFile t(tesoro);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("non toccare");
  }
  ASSERT_TRUE(QFile::link(altrove.path(), scratch()));
  carica({{"base.diz", {"CANE"}}});
  EXPECT_EQ(leggi(tesoro), QByteArray("non toccare"));
  EXPECT_FALSE(QFileInfo::exists(altrove.filePath(QStringLiteral("base"))));
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ(env->box[0].testo, ErroreDecoder);
  EXPECT_TRUE(env->terminato);
  f.reset();
  EXPECT_TRUE(QFileInfo(scratch()).isSymLink());
  EXPECT_EQ(leggi(tesoro), QByteArray("non toccare"));
  QFile::remove(scratch());
}

TEST_F(Dizionari, IlSettimoDizionarioSiCaricaSenzaVoceNePannello) {
  carica({{"base.diz", {"CANE"}}, {"b.dic", {"BB"}}, {"c.dic", {"CC"}}, {"d.dic", {"DD"}},
          {"e.dic", {"EE"}}, {"f.dic", {"FF"}}, {"g.dic", {"GATTO"}}, {"h.dic", {"HH"}}});
  ASSERT_TRUE(env->box.empty());
  const char* nomi[] = {"", "base.diz", "b.dic", "c.dic", "d.dic", "e.dic", "f.dic"};
  for (int k = 1; k <= 6; ++k) {
    const QString nome = QString::fromLatin1(nomi[k]);
    EXPECT_EQ(f->d[k]->text(), QStringLiteral("D%1- ").arg(k) + nome);
    EXPECT_TRUE(f->d[k]->isChecked()) << k;
    EXPECT_TRUE(f->Stb1->isVisible(k + 10)) << k;
    EXPECT_EQ(f->Stb1->toolTip(k + 10), nome.chopped(4));
  }
  EXPECT_EQ(f->Archivio.DizCont, 7);
  EXPECT_EQ(f->Archivio.slot[7].nome, "g.dic");
  EXPECT_EQ(f->Archivio.slot[7].testo, "GATTO\r\n");
  EXPECT_EQ(f->Archivio.slot[7].indice['G' - 64], 1);
  // An eighth file has no slot; it is neither loaded nor touched.
  for (const Dizionario& d : f->Archivio.slot) EXPECT_NE(d.nome, "h.dic");
  EXPECT_EQ(fileCartella().size(), 8);
}

TEST_F(Dizionari, NomiDiFileAccentatiNelMenuENeiPannelli) {
  carica({{"base.diz", {"CANE"}}, {"città.dic", {"ROMA"}}});
  ASSERT_TRUE(env->box.empty());
  EXPECT_EQ(f->d[2]->text(), QStringLiteral("D2- città.dic"));
  EXPECT_EQ(f->Stb1->toolTip(12), QStringLiteral("città"));
  f->dk_Click(2);
  f->dk_Click(2);
  EXPECT_EQ(f->Stb1->toolTip(12), QStringLiteral("città"));
}

TEST_F(Dizionari, LaBaseNonSiDisattiva) {
  carica({{"base.diz", {"CANE"}}, {"nomi.diz", {"ROMA"}}});
  f->d[1]->trigger();  // the menu item
  clicPannello(11);
  f->d1_Click();
  ASSERT_EQ(env->box.size(), 3u);
  for (const auto& b : env->box) {
    EXPECT_EQ(b.testo, BaseFissa);
    EXPECT_EQ(b.titolo, TitoloAttenzione);
    EXPECT_EQ(b.stile, 0);
  }
  EXPECT_TRUE(f->d[1]->isChecked());
  EXPECT_TRUE(f->Stb1->isEnabled(11));
  EXPECT_EQ(f->Stb1->toolTip(11), QStringLiteral("base"));
  EXPECT_TRUE(f->Stb1->isEnabled(12));
}

TEST_F(Dizionari, UnDizionarioSiSpegneESiRiaccende) {
  carica({{"base.diz", {"CANE"}}, {"nomi.diz", {"ROMA"}}, {"extra.dic", {"ZETA"}}});
  // The panel, clicked with the mouse: off, with an empty tooltip.
  clicPannello(12);
  EXPECT_FALSE(f->d[2]->isChecked());
  EXPECT_FALSE(f->Stb1->isEnabled(12));
  EXPECT_EQ(f->Stb1->toolTip(12), QString());
  EXPECT_TRUE(f->Stb1->isVisible(12));
  EXPECT_EQ(f->d[2]->text(), QStringLiteral("D2- nomi.diz"));
  // The others keep their state.
  EXPECT_TRUE(f->Stb1->isEnabled(11));
  EXPECT_TRUE(f->Stb1->isEnabled(13));
  EXPECT_EQ(f->Stb1->toolTip(13), QStringLiteral("extra"));
  // The greyed panel still takes the click that switches it on again.
  clicPannello(12);
  EXPECT_TRUE(f->d[2]->isChecked());
  EXPECT_TRUE(f->Stb1->isEnabled(12));
  EXPECT_EQ(f->Stb1->toolTip(12), QStringLiteral("nomi"));
  // The menu item does the same, and the two stay in step.
  f->d[3]->trigger();
  EXPECT_FALSE(f->d[3]->isChecked());
  EXPECT_FALSE(f->Stb1->isEnabled(13));
  EXPECT_EQ(f->Stb1->toolTip(13), QString());
  clicPannello(13);
  EXPECT_TRUE(f->d[3]->isChecked());
  EXPECT_EQ(f->Stb1->toolTip(13), QStringLiteral("extra"));
  EXPECT_TRUE(env->box.empty());
}

TEST_F(Dizionari, UnDizionarioSpentoNonDaRisultati) {
  carica({{"base.diz", {"CANE"}}, {"nomi.diz", {"CASA"}}, {"extra.dic", {"COSA"}}});
  auto cerca = [&] {
    f->Richiesta = f->RichiestaMax = f->RichiestaIntera = "C???";
    f->cerca();
    return f->Lists->righe();
  };
  EXPECT_EQ(cerca(), QStringList({QStringLiteral("CANE -1"), QStringLiteral("CASA -2"), QStringLiteral("COSA -3")}));
  clicPannello(13);
  EXPECT_EQ(cerca(), QStringList({QStringLiteral("CANE -1"), QStringLiteral("CASA -2")}));
  f->d2_Click();
  EXPECT_EQ(cerca(), QStringList({QStringLiteral("CANE -1")}));
}

TEST_F(Dizionari, IPannelliDiInterruzioneERicerca) {
  caricaBase({"CANE"});
  const QString testo2 = f->Stb1->text(2);
  // No search running: the interrupt panel does nothing.
  clicPannello(2);
  EXPECT_EQ(f->Interrompi, 0);
  EXPECT_EQ(f->Stb1->text(2), testo2);
  // A search running: the click asks it to stop.
  f->Occupato = 1;
  clicPannello(2);
  EXPECT_EQ(f->Interrompi, 1);
  f->Occupato = 0;
  f->Interrompi = 0;
  // Panels 7 and 8 switch between normal and extended search.
  ASSERT_FALSE(f->Estesa->isChecked());
  clicPannello(7);
  EXPECT_TRUE(f->Estesa->isChecked());
  EXPECT_FALSE(f->Stb1->isVisible(7));
  EXPECT_TRUE(f->Stb1->isVisible(8));
  clicPannello(8);
  EXPECT_FALSE(f->Estesa->isChecked());
  EXPECT_TRUE(f->Stb1->isVisible(7));
  EXPECT_FALSE(f->Stb1->isVisible(8));
  // The other panels have no click.
  for (int n : {1, 3, 4, 5, 6, 9, 10}) f->Stb1_PanelClick(n);
  EXPECT_FALSE(f->Estesa->isChecked());
  EXPECT_EQ(f->Interrompi, 0);
  EXPECT_TRUE(f->d[1]->isChecked());
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(env->beeps, 0);
}

// The dictionaries the build makes (build/<preset>/share), loaded through
// the loader from a copy: their order and index must be sound.
TEST_F(Dizionari, IDizionariDistribuitiSiCaricanoPuliti) {
  const QString share = QDir::cleanPath(QStringLiteral(TESSARO_BIN_DIR "/../share"));
  const QString base = share + QStringLiteral("/base.diz");
  if (!QFileInfo::exists(base)) GTEST_SKIP() << "manca " << base.toStdString();
  std::map<std::string, std::string> copia;
  for (const QString& nome : QDir(share).entryList({QStringLiteral("*.diz"), QStringLiteral("*.dic")}, QDir::Files))
    copia[nome.toStdString()] = leggi(share + QLatin1Char('/') + nome).toStdString();
  caricaGrezzi(copia);
  EXPECT_TRUE(env->box.empty()) << (env->box.empty() ? "" : env->box[0].testo.toStdString());
  ASSERT_FALSE(env->terminato);
  const Dizionario& d = f->Archivio.slot[1];
  EXPECT_EQ(d.nome, "base.diz");
  EXPECT_TRUE(d.inOrdine);
  EXPECT_GT(d.testo.size(), 100000u);
  EXPECT_GT(d.indice['C' - 64], 0);
  // Every recorded run starts an entry with its own initial.
  for (int l = 1; l <= 26; ++l) {
    const std::int32_t p = d.indice[static_cast<std::size_t>(l)];
    if (p == 0) continue;
    ASSERT_LE(static_cast<std::size_t>(p), d.testo.size());
    EXPECT_EQ(d.testo[static_cast<std::size_t>(p - 1)], static_cast<char>('@' + l));
    if (p > 1) {
      EXPECT_EQ(d.testo[static_cast<std::size_t>(p - 2)], '\n');
    }
  }
  // A search finds common words in the base dictionary.
  f->Richiesta = f->RichiestaMax = f->RichiestaIntera = "CAS?";
  f->cerca();
  const QStringList trovate = f->Lists->righe();
  EXPECT_FALSE(trovate.isEmpty());
  for (const QString& r : trovate) {
    EXPECT_TRUE(r.startsWith(QLatin1String("CAS")) && r.endsWith(QLatin1String(" -1"))) << r.toStdString();
  }
  // The viewer shows the whole base in two halves, with its switch button.
  env->suModale = [&](QDialog& dialogo) {
    auto& v = static_cast<Form0f&>(dialogo);
    v.List1->setCurrentRow(0);
    ASSERT_EQ(v.slot(), 1);
    EXPECT_TRUE(v.Command2->isVisible());
    EXPECT_GT(v.righe(v.List2), 1000);
    EXPECT_GT(v.righe(v.List3), 1000);
    v.Text1->setText(QStringLiteral("mare"));
    EXPECT_TRUE(v.List3->isVisible());
    EXPECT_TRUE(v.riga(v.List3, v.selezionata(v.List3)).startsWith(QLatin1String("MAR")));
  };
  f->Indirdiz_Click();
  env->suModale = nullptr;
  // The originals are untouched.
  for (const auto& [nome, byte] : copia)
    EXPECT_EQ(leggi(share + QLatin1Char('/') + QString::fromStdString(nome)).toStdString(), byte) << nome;
}

}  // namespace
}  // namespace tessaro::prova
