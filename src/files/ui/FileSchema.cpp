// Open, save, save as and the save-changes question of the main window.
#include "files/ui/FileSchema.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "app/Form0g.h"
#include "clues/ui/DefinizioniAccanto.h"
#include "files/LetturaFile.h"
#include "files/FileTes.h"
#include "files/ScritturaFile.h"
#include "platform/Environment.h"
#include "platform/Testi.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/ToolBar.h"

namespace tessaro {

namespace {

// A whole .tes file, or nothing when it is not a regular file, is larger
// than MaxByteTes, cannot be read or is not a valid Schema. Reading never
// touches the window's state, so a bad file cannot leave half a Schema.
std::optional<Schema> leggiFileTes(const QString& nome) {
  const QFileInfo info(nome);
  if (!info.isFile() || info.size() > static_cast<qint64>(MaxByteTes)) return std::nullopt;
  // Opened without blocking and checked on the open file: a pipe put in its
  // place after the check above cannot stop the window.
  std::string byte;
  if (!leggiFileRegolare(QFile::encodeName(nome).toStdString(), byte) || byte.size() > MaxByteTes) return std::nullopt;
  LetturaTes lettura = leggiTes(byte);
  if (!lettura) return std::nullopt;
  return std::move(lettura.schema);
}

QString conEstensione(const QString& nome) {
  return QString::fromStdString(conEstensioneTes(nome.toStdString()));
}

bool stessoFile(const QString& a, const QString& b) {
  const QFileInfo fa(a), fb(b);
  const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

}  // namespace

QString filtroDialogo(const QString& descrizione, const QString& modelli) {
  QString elenco = modelli;
  elenco.replace(QLatin1Char(';'), QLatin1Char(' '));
  return descrizione + QStringLiteral(" (") + elenco + QLatin1Char(')');
}

QString Form0g::DialogoApri(const QString& descrizione, const QString& modelli) {
  if (CartellaFile.isEmpty()) CartellaFile = QDir::currentPath();
  const QString scelto = env_.fileApri(this, testi::TitoloApri, filtroDialogo(descrizione, modelli), CartellaFile);
  return scelto.trimmed().isEmpty() ? QString() : scelto;
}

QString Form0g::DialogoSalva(const QString& descrizione, const QString& modelli) {
  if (CartellaFile.isEmpty()) CartellaFile = QDir::currentPath();
  const QString scelto = env_.fileSalva(this, testi::TitoloSalva, filtroDialogo(descrizione, modelli),
                                        CartellaFile, NomePrecedente);
  return scelto.trimmed().isEmpty() ? QString() : scelto;
}

// The caption names the file the Schema was opened from or last saved to.
// After "Nuovo..." it reads "(nuovo file)" while NomeFile still holds the
// earlier name, which then must not be overwritten without asking.
bool Form0g::schemaHaUnFile() const {
  return !NomeFile.isEmpty() && windowTitle() == testi::Titolo + NomeFile;
}

void Form0g::menuApri_Click() { apriSchema(QString()); }

void Form0g::apriFileIniziale() {
  if (!FileIniziale.isEmpty()) apriSchema(std::exchange(FileIniziale, QString()));
}

void Form0g::apriSchema(const QString& nome) {
  if (Occupato > 0) return;
  int risposta = 0;
  if (Modificato == 1) {
    risposta = chiediSalvataggio();
    if (Modificato == 1) return;
  }
  // "No" gave the changes up for a Schema about to be replaced; when none
  // replaces it, they are still there and still unsaved.
  const auto annulla = [this, risposta] {
    if (risposta == msg::AnsNo) Modificato = 1;
  };
  for (int i = 0; i <= 12; ++i) Tlb1->setValue(QStringLiteral("a%1").arg(i), 0);

  const QString scelto = nome.isEmpty() ? DialogoApri(testi::DescrizioneApri, testi::ModelliApri) : nome;
  if (scelto.isEmpty()) {
    annulla();
    return;
  }
  // Qt's dialogs leave the current directory alone (it must stay the program
  // folder, where the dictionaries are): the next dialog starts here instead.
  CartellaFile = QFileInfo(scelto).absolutePath();

  std::optional<Schema> letto = leggiFileTes(scelto);
  if (!letto) {
    annulla();
    env_.msgBox(this, daUtf8(MsgErroreFile),
                msg::OK, QString());
    return;
  }

  NomeFile = scelto;
  NuovoSchema();
  schema = std::move(*letto);
  Inizio();
  Modificato = 0;
  setWindowTitle(testi::Titolo + NomeFile);
  Salva->setEnabled(true);
  Salvacome->setEnabled(true);
  Lists->Clear();
  Lists->setToolTip(QString());
  texta->setText(QString());
  textb->setText(QString());
  TastoAttivo = QStringLiteral("a9");
  Modo = 9;
  ImageA = ImageV;
  Peri->setMouseIcon(ImageA);
  leggiDefinizioniAccanto(NomeFile);
}

void Form0g::Salva_Click() {
  if (Occupato > 0 || !schema.esiste()) return;
  if (!schemaHaUnFile()) {
    Salvacome_Click();
    return;
  }
  salvaSu(NomeFile);
}

void Form0g::Salvacome_Click() {
  if (Occupato > 0 || !schema.esiste()) return;
  // A never-saved Schema offers ".tes"; NomeFile itself changes only once
  // the file has been written.
  NomePrecedente = conEstensione(NomeFile);
  const QString scelto = DialogoSalva(testi::DescrizioneSalva, testi::ModelliSalva);
  if (scelto.isEmpty()) return;
  const QString nome = conEstensione(scelto);

  if (QFileInfo(nome).isFile() && !(schemaHaUnFile() && stessoFile(nome, NomeFile))) {
    const int r = env_.msgBox(this, testi::domandaSostituzione(nome), msg::YesNo | msg::Exclamation,
                              testi::Attenzione);
    if (r != msg::AnsYes) return;
  }
  if (!salvaSu(nome)) return;
  NomeFile = nome;
  setWindowTitle(testi::Titolo + NomeFile);
}

// Writes the Schema through a temporary file that replaces `nome` only once
// complete and on the disk, so a failure (a full disk among them) leaves any
// earlier file as it was, is reported, and leaves Modificato alone.
bool Form0g::salvaSu(const QString& nome) {
  // The clues' file is written whole before the Schema file and put in place after it.
  DefinizioniAccanto def(*this, nome);
  if (!def.prepara()) return false;
  const std::string byte = scriviTes(schema);
  const EsitoScrittura esito = scriviFileSicuro(QFile::encodeName(nome).toStdString(), byte);
  if (!esito) {
    env_.msgBox(this, testi::erroreSalvataggio(nome, daUtf8(motivoScrittura(esito))), msg::OK | msg::Critical,
                testi::TitoloErroreSalvataggio);
    return false;
  }
  if (!def.conferma()) return false;
  Salvacome->setEnabled(true);
  Modificato = 0;
  return true;
}

int Form0g::chiediSalvataggio() {
  // The unsaved work is what the caption names: after "Nuovo..." the new
  // Schema, "(nuovo file)", not the file opened before it.
  const QString didascalia = windowTitle();
  const QString nome = didascalia.startsWith(testi::Titolo) ? didascalia.mid(testi::Titolo.size()) : NomeFile;
  const int r = env_.msgBox(this, testi::domandaSalvataggio(nome), msg::YesNoCancel | msg::Critical,
                            testi::Attenzione);
  if (r == msg::AnsYes) {
    Salvacome_Click();  // the dialog always shows, even when the file has a name
  } else if (r == msg::AnsNo) {
    Modificato = 0;
  }
  return r;
}

}  // namespace tessaro
