// Open, save, save as and the save-changes question, through the window with
// the scripted environment and real files in a temporary folder.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "Finestra.h"
#include "files/FileTes.h"
#include "files/ui/FileSchema.h"

namespace tessaro::prova {
namespace {

const QByteArray Byte2x3("2,3\r\n\"CA?\"\r\n\"\x10?O\"\r\n");
const std::vector<std::string> Griglia2x3{"CA?", "\x10?O"};

class FileSchemaTest : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    ASSERT_TRUE(cartella.isValid());
  }

  QString percorso(const QString& nome) const { return cartella.filePath(nome); }

  static void scrivi(const QString& p, const QByteArray& byte) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(byte), byte.size());
  }
  static QByteArray leggi(const QString& p) {
    QFile f(p);
    if (!f.open(QIODevice::ReadOnly)) return "<assente>";
    return f.readAll();
  }

  // Opens `p` through "Apri File..." with no question pending.
  void apri(const QString& p) {
    env->fileScelti.push_back(p);
    f->menuApri_Click();
  }

  // The 2 x 3 Schema opened from its file, the caption naming it.
  QString apertoDaFile() {
    const QString p = percorso(QStringLiteral("base2x3.tes"));
    scrivi(p, Byte2x3);
    apri(p);
    env->dialoghi.clear();
    env->box.clear();
    return p;
  }

  // A changed 4 x 4 Schema that has never been saved.
  void schemaModificato() {
    schemaDa({"CASA", "????", "????", "????"});
    f->Salvacome->setEnabled(true);
    f->Modificato = 1;
  }

  void attendiErroreFile() {
    ASSERT_EQ(env->box.size(), 1u);
    EXPECT_EQ(env->box[0].testo, QString::fromUtf8(MsgErroreFile.data(), static_cast<int>(MsgErroreFile.size())));
    EXPECT_EQ(env->box[0].stile, 0);
    EXPECT_EQ(env->box[0].titolo, NomeProgramma);
  }

  QTemporaryDir cartella;
};

using Domanda = FileSchemaTest;
using FileRotti = FileSchemaTest;
using SalvataggioFallito = FileSchemaTest;

TEST_F(FileSchemaTest, AndataERitornoDiUnoSchemaDueXTre) {
  schemaDa(Griglia2x3);
  f->Salvacome->setEnabled(true);
  f->Modificato = 1;
  const QString prima = QDir::currentPath();
  env->fileScelti.push_back(percorso(QStringLiteral("schema")));
  f->Salvacome_Click();

  const QString salvato = percorso(QStringLiteral("schema.tes"));
  EXPECT_EQ(leggi(salvato), Byte2x3);
  EXPECT_EQ(f->NomeFile, salvato);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   ") + salvato);
  EXPECT_EQ(f->Modificato, 0);
  ASSERT_EQ(env->dialoghi.size(), 1u);
  EXPECT_TRUE(env->dialoghi[0].salva);
  EXPECT_EQ(env->dialoghi[0].titolo, QStringLiteral("Seleziona il file in cui salvare"));
  EXPECT_EQ(env->dialoghi[0].filtro, QStringLiteral("File Tessaro *.tes (*.tes)"));
  EXPECT_EQ(env->dialoghi[0].nomeIniziale, QStringLiteral(".tes"));  // never saved before

  // A new Schema, some leftovers in the result area, a grid tool pressed.
  ASSERT_TRUE(nuovo(QStringLiteral("3"), QStringLiteral("3")));
  f->Lists->AddItem(QStringLiteral("CANE -1"));
  f->texta->setText(QStringLiteral("C?NE"));
  f->textb->setText(QStringLiteral("CANE"));
  f->Modo = 3;
  f->TastoAttivo = QStringLiteral("a3");
  f->Tlb1->setValue(QStringLiteral("a3"), 1);
  env->dialoghi.clear();

  apri(salvato);
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(f->schema.Righe, 2);
  EXPECT_EQ(f->schema.Colonne, 3);
  EXPECT_EQ(f->schema.MaxLato, 3);
  EXPECT_EQ(f->schema.Griglia, Griglia2x3);
  EXPECT_EQ(f->NomeFile, salvato);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   ") + salvato);
  EXPECT_EQ(f->Modificato, 0);
  EXPECT_TRUE(f->Salva->isEnabled());
  EXPECT_TRUE(f->Salvacome->isEnabled());
  EXPECT_EQ(f->Lists->ListCount(), 0);
  EXPECT_TRUE(f->texta->text().isEmpty());
  EXPECT_TRUE(f->textb->text().isEmpty());
  EXPECT_EQ(f->Modo, 9);
  EXPECT_EQ(f->TastoAttivo, QStringLiteral("a9"));
  EXPECT_EQ(f->Tlb1->value(QStringLiteral("a3")), 0);
  EXPECT_EQ(f->Peri->scaleWidth(), 3);  // Inizio ran for the new size
  EXPECT_EQ(f->Peri->scaleHeight(), 2);
  ASSERT_EQ(env->dialoghi.size(), 1u);
  EXPECT_FALSE(env->dialoghi[0].salva);
  EXPECT_EQ(env->dialoghi[0].titolo, QStringLiteral("Seleziona il file da aprire"));
  EXPECT_EQ(env->dialoghi[0].filtro, QStringLiteral("File Tessaro(*.tes;*.TES) (*.tes *.TES)"));
  // The next dialog starts in the file's folder; the program folder stays current.
  EXPECT_EQ(f->CartellaFile, QDir(cartella.path()).absolutePath());
  EXPECT_EQ(QDir::currentPath(), prima);

  // "Salva" writes a change back to the opened file, without a dialog.
  f->schema.scrivi(1, 1, 'R');
  f->Modificato = 1;
  f->Salva_Click();
  EXPECT_EQ(env->dialoghi.size(), 1u);
  EXPECT_EQ(leggi(salvato), QByteArray("2,3\r\n\"CA?\"\r\n\"\x10RO\"\r\n"));
  EXPECT_EQ(f->Modificato, 0);
}

TEST_F(FileSchemaTest, SalvaComeAggiungeLEstensioneUnaVolta) {
  schemaDa(Griglia2x3);
  const std::pair<const char*, const char*> casi[] = {
      {"schema", "schema.tes"}, {"SCHEMA.TES", "SCHEMA.TES"}, {"doppio.Tes", "doppio.Tes"}, {"nome.txt", "nome.txt.tes"}};
  for (const auto& [scelto, atteso] : casi) {
    env->fileScelti.push_back(percorso(QString::fromLatin1(scelto)));
    f->Salvacome_Click();
    EXPECT_EQ(f->NomeFile, percorso(QString::fromLatin1(atteso))) << scelto;
    EXPECT_EQ(leggi(percorso(QString::fromLatin1(atteso))), Byte2x3) << scelto;
  }
  EXPECT_FALSE(QFile::exists(percorso(QStringLiteral("SCHEMA.TES.tes"))));
  // Each save as offers the current name as the dialog's default.
  EXPECT_EQ(env->dialoghi.back().nomeIniziale, percorso(QStringLiteral("doppio.Tes")));
}

TEST_F(FileSchemaTest, DialoghiAnnullatiNonCambianoNulla) {
  const QString p = apertoDaFile();
  f->schema.scrivi(0, 0, 'X');
  f->Modificato = 1;
  const auto griglia = f->schema.Griglia;
  // Save as cancelled: name, caption and flag as before, nothing written.
  f->Salvacome_Click();
  EXPECT_EQ(env->dialoghi.size(), 1u);
  EXPECT_EQ(f->NomeFile, p);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   ") + p);
  EXPECT_EQ(f->Modificato, 1);
  EXPECT_EQ(leggi(p), Byte2x3);

  // Open cancelled with no pending changes.
  f->Modificato = 0;
  f->menuApri_Click();
  EXPECT_EQ(env->dialoghi.size(), 2u);
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->NomeFile, p);
  EXPECT_EQ(f->Modificato, 0);
}

TEST_F(FileSchemaTest, NienteMentreUnaRicercaLavora) {
  schemaModificato();
  f->Occupato = 2;
  env->fileScelti.push_back(percorso(QStringLiteral("x.tes")));
  f->menuApri_Click();
  f->Salva_Click();
  f->Salvacome_Click();
  f->menuNuovo_Click();
  EXPECT_TRUE(env->dialoghi.empty());
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(env->modali, 0);
  EXPECT_EQ(f->Modificato, 1);
}

TEST_F(Domanda, Testo) {
  const QString p = apertoDaFile();
  f->Modificato = 1;
  env->risposte = {msg::AnsCancel};
  f->menuApri_Click();
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ(env->box[0].testo, QStringLiteral("Il file ") + p +
                                   QStringLiteral(" è stato modificato ma non è stato salvato.\r\nSalvare ora?"));
  EXPECT_EQ(env->box[0].stile, 19);
  EXPECT_EQ(env->box[0].titolo, QStringLiteral("ATTENZIONE !"));
}

TEST_F(Domanda, LeTreRispostePrimaDiAprire) {
  const QString altro = percorso(QStringLiteral("altro.tes"));
  scrivi(altro, Byte2x3);
  const auto griglia = std::vector<std::string>{"CASA", "????", "????", "????"};

  // Annulla: nothing happens, no dialog.
  schemaModificato();
  env->risposte = {msg::AnsCancel};
  env->fileScelti = {altro};
  f->menuApri_Click();
  EXPECT_TRUE(env->dialoghi.empty());
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->Modificato, 1);

  // Sì, then the save dialog cancelled: the open is abandoned too.
  env->risposte = {msg::AnsYes};
  f->menuApri_Click();
  ASSERT_EQ(env->dialoghi.size(), 1u);
  EXPECT_TRUE(env->dialoghi[0].salva);
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->Modificato, 1);

  // No, then the open dialog cancelled: the changes are still there, still unsaved.
  env->dialoghi.clear();
  env->fileScelti.clear();
  env->risposte = {msg::AnsNo};
  f->menuApri_Click();
  ASSERT_EQ(env->dialoghi.size(), 1u);
  EXPECT_FALSE(env->dialoghi[0].salva);
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->Modificato, 1);

  // Sì and saved: written, then the other file opens.
  const QString mio = percorso(QStringLiteral("mio.tes"));
  env->risposte = {msg::AnsYes};
  env->fileScelti = {mio, altro};
  f->menuApri_Click();
  EXPECT_EQ(leggi(mio), QByteArray("4,4\r\n\"CASA\"\r\n\"????\"\r\n\"????\"\r\n\"????\"\r\n"));
  EXPECT_EQ(f->NomeFile, altro);
  EXPECT_EQ(f->schema.Griglia, Griglia2x3);
  EXPECT_EQ(f->Modificato, 0);

  // No: the changes are lost and the file opens.
  f->schema.scrivi(0, 2, 'T');
  f->Modificato = 1;
  env->risposte = {msg::AnsNo};
  env->fileScelti = {mio};
  f->menuApri_Click();
  EXPECT_EQ(f->NomeFile, mio);
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->Modificato, 0);
  EXPECT_EQ(leggi(altro), Byte2x3);
}

TEST_F(Domanda, LeTreRispostePrimaDelNuovo) {
  schemaModificato();
  const auto griglia = f->schema.Griglia;
  env->risposte = {msg::AnsCancel};
  f->menuNuovo_Click();
  EXPECT_EQ(env->modali, 0);
  EXPECT_EQ(f->Modificato, 1);

  env->risposte = {msg::AnsYes};  // and the save dialog cancelled
  f->menuNuovo_Click();
  EXPECT_EQ(env->modali, 0);
  EXPECT_EQ(env->dialoghi.size(), 1u);
  EXPECT_EQ(f->Modificato, 1);

  env->risposte = {msg::AnsNo};  // and then "Annullo": the old Schema stays, still unsaved
  f->menuNuovo_Click();
  EXPECT_EQ(env->modali, 1);
  EXPECT_EQ(f->schema.Griglia, griglia);
  EXPECT_EQ(f->Modificato, 1);

  env->risposte = {msg::AnsNo};
  ASSERT_TRUE(nuovo(QStringLiteral("2"), QStringLiteral("2")));
  EXPECT_EQ(f->schema.Griglia, (std::vector<std::string>{"??", "??"}));
  EXPECT_EQ(f->Modificato, 0);
  EXPECT_EQ(env->box.size(), 4u);
}

TEST_F(FileRotti, PrimaRigaErrataLasciaLoSchemaDiPrima) {
  const QString p = apertoDaFile();
  f->schema.scrivi(0, 2, 'T');
  f->Modificato = 1;
  const QString rotto = percorso(QStringLiteral("rotto.tes"));
  scrivi(rotto, "due,tre\r\n\"CA?\"\r\n\"???\"\r\n");
  env->risposte = {msg::AnsNo};
  apri(rotto);
  ASSERT_EQ(env->box.size(), 2u);  // the question, then the failure
  env->box.erase(env->box.begin());
  attendiErroreFile();
  EXPECT_EQ(f->schema.Griglia, (std::vector<std::string>{"CAT", "\x10?O"}));
  EXPECT_EQ(f->schema.Righe, 2);
  EXPECT_EQ(f->NomeFile, p);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   ") + p);
  EXPECT_EQ(f->Modificato, 1);  // "No" gave up nothing: the Schema was not replaced
  EXPECT_TRUE(f->Peri->isVisible());
}

TEST_F(FileRotti, OgniFormaRifiutataDaIlMessaggio) {
  const QString p = apertoDaFile();
  QByteArray troppoGrande = Byte2x3;
  troppoGrande.append(QByteArray(static_cast<qsizetype>(MaxByteTes), ' '));
  const std::pair<const char*, QByteArray> casi[] = {
      {"vuoto", ""},
      {"solo righe", "2\r\n"},
      {"colonne non numeriche", "2,x\r\n\"CA?\"\r\n\"???\"\r\n"},
      {"righe negative", "-2,3\r\n"},
      {"troppe righe", "26,3\r\n"},
      {"troppe colonne", "2,36\r\n"},
      {"riga mancante", "2,3\r\n\"CA?\"\r\n"},
      {"riga corta", "2,3\r\n\"CA\"\r\n\"???\"\r\n"},
      {"virgolette aperte", "2,3\r\n\"CA?\r\n\"???\r\n"},
      {"minuscole", "2,3\r\n\"ca?\"\r\n\"???\"\r\n"},
      {"oltre il limite di grandezza", troppoGrande},
  };
  for (const auto& [nome, byte] : casi) {
    env->box.clear();
    const QString rotto = percorso(QString::fromLatin1(nome) + QStringLiteral(".tes"));
    scrivi(rotto, byte);
    apri(rotto);
    SCOPED_TRACE(nome);
    attendiErroreFile();
    EXPECT_EQ(f->schema.Griglia, Griglia2x3);
    EXPECT_EQ(f->NomeFile, p);
  }
  // Not files at all: missing, a folder, a pipe (which must not block).
  const QString tubo = percorso(QStringLiteral("tubo.tes"));
  ASSERT_EQ(mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
  ASSERT_TRUE(QDir(cartella.path()).mkdir(QStringLiteral("cartella.tes")));
  for (const QString& nome : {percorso(QStringLiteral("assente.tes")), percorso(QStringLiteral("cartella.tes")), tubo}) {
    env->box.clear();
    apri(nome);
    SCOPED_TRACE(nome.toStdString());
    attendiErroreFile();
    EXPECT_EQ(f->NomeFile, p);
  }
}

TEST_F(SalvataggioFallito, IlVecchioFileRestaIntatto) {
  // A name as long as the system allows: the file exists, but no temporary
  // file can be made beside it, whoever runs the test.
  const QString lungo = QString(251, QLatin1Char('s')) + QStringLiteral(".tes");
  const QString p = percorso(lungo);
  scrivi(p, Byte2x3);
  apri(p);
  ASSERT_EQ(f->NomeFile, p);
  env->box.clear();
  f->schema.scrivi(0, 2, 'T');
  f->Modificato = 1;
  f->Salva_Click();
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ(env->box[0].testo,
            QStringLiteral("Impossibile salvare il file ") + p + QStringLiteral(":\r\n") + testi::MotivoNomeLungo);
  EXPECT_EQ(env->box[0].stile, 16);
  EXPECT_EQ(env->box[0].titolo, QStringLiteral("Errore di salvataggio"));
  EXPECT_EQ(leggi(p), Byte2x3);
  EXPECT_EQ(f->Modificato, 1);
  EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no stray file
}

TEST_F(SalvataggioFallito, SalvaComeLasciaIlNomeDiPrima) {
  const QString p = apertoDaFile();
  f->Modificato = 1;
  const QString file = percorso(QStringLiteral("file.txt"));
  scrivi(file, "x");
  ASSERT_TRUE(QDir(cartella.path()).mkdir(QStringLiteral("cartella.tes")));
  const std::pair<QString, QString> casi[] = {
      {file + QStringLiteral("/schema.tes"), testi::MotivoCartellaAssente},
      {percorso(QStringLiteral("manca/schema.tes")), testi::MotivoCartellaAssente},
      {percorso(QStringLiteral("cartella.tes")), testi::MotivoNomeCartella},
  };
  for (const auto& [scelto, motivo] : casi) {
    env->box.clear();
    env->fileScelti.push_back(scelto);
    f->Salvacome_Click();
    SCOPED_TRACE(scelto.toStdString());
    ASSERT_EQ(env->box.size(), 1u);  // the failure, no question about replacing
    EXPECT_EQ(env->box[0].testo, QStringLiteral("Impossibile salvare il file ") + scelto + QStringLiteral(":\r\n") + motivo);
    EXPECT_EQ(f->NomeFile, p);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("  TESSARO   ") + p);
    EXPECT_EQ(f->Modificato, 1);
  }
  EXPECT_EQ(leggi(file), QByteArray("x"));
}

TEST_F(FileSchemaTest, SostituireUnAltroFileChiedeConferma) {
  const QString p = apertoDaFile();
  f->Modificato = 1;
  const QString altro = percorso(QStringLiteral("altro.tes"));
  scrivi(altro, "xyz");

  env->risposte = {msg::AnsNo};
  env->fileScelti = {altro};
  f->Salvacome_Click();
  ASSERT_EQ(env->box.size(), 1u);
  EXPECT_EQ(env->box[0].testo, QStringLiteral("Il file ") + altro + QStringLiteral(" esiste già.\r\nSostituirlo?"));
  EXPECT_EQ(env->box[0].stile, 4 + 48);
  EXPECT_EQ(env->box[0].titolo, QStringLiteral("ATTENZIONE !"));
  EXPECT_EQ(leggi(altro), QByteArray("xyz"));
  EXPECT_EQ(f->NomeFile, p);
  EXPECT_EQ(f->Modificato, 1);

  env->box.clear();
  env->risposte = {msg::AnsYes};
  env->fileScelti = {altro};
  f->Salvacome_Click();
  EXPECT_EQ(env->box.size(), 1u);
  EXPECT_EQ(leggi(altro), Byte2x3);
  EXPECT_EQ(f->NomeFile, altro);
  EXPECT_EQ(f->Modificato, 0);

  // Its own file is replaced without asking.
  env->box.clear();
  env->fileScelti = {altro};
  f->Salvacome_Click();
  EXPECT_TRUE(env->box.empty());
}

TEST_F(FileSchemaTest, SalvaDopoNuovoNonSovrascriveIlFileDiPrima) {
  const QString p = apertoDaFile();
  ASSERT_TRUE(nuovo(QStringLiteral("3"), QStringLiteral("3")));
  ASSERT_TRUE(f->Salva->isEnabled());  // left enabled from the open
  ASSERT_EQ(f->NomeFile, p);
  f->Salva_Click();  // asks for a name instead: the dialog is cancelled
  ASSERT_EQ(env->dialoghi.size(), 1u);
  EXPECT_TRUE(env->dialoghi[0].salva);
  EXPECT_EQ(leggi(p), Byte2x3);

  env->risposte = {msg::AnsNo};  // choosing the earlier file asks first
  env->fileScelti = {p};
  f->Salva_Click();
  EXPECT_EQ(env->box.size(), 1u);
  EXPECT_EQ(leggi(p), Byte2x3);
}

}  // namespace
}  // namespace tessaro::prova
