// Publishing a crossword from the main window: "Esporta" (PDF, SVG, PNG,
// ipuz), "Stampa..." and "Importa ipuz...".
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Form0g.h"
#include "clues/Ipuz.h"
#include "clues/pagina/Pagina.h"
#include "clues/ui/DialogoPubblica.h"
#include "clues/ui/FinestraDefinizioni.h"
#include "files/ScritturaFile.h"
#include "files/ui/FileSchema.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/Testi.h"

namespace tessaro {

namespace testi {
inline const QString TitoloPredefinito = QStringLiteral("Cruciverba");
inline const QString TitoloEsportaFile = QStringLiteral("Seleziona il file in cui esportare");
inline const QString TitoloImporta = QStringLiteral("Seleziona il cruciverba ipuz da importare");
inline const QString TitoloErroreImporta = QStringLiteral("Importa ipuz");
inline const QString TitoloStampa = QStringLiteral("Stampa");
inline const QString ErroreStampa = QStringLiteral("Impossibile stampare: la stampante non ha accettato il documento.");
inline const QString DescrizioneIpuz = QStringLiteral("Cruciverba ipuz");
inline const QString ModelliIpuz = QStringLiteral("*.ipuz");
inline QString esportato(const QString& nome) { return QStringLiteral(" Esportato: ") + nome + QLatin1Char(' '); }
}  // namespace testi

namespace {

struct Uscita {
  const char* titolo;       // of the options dialog
  const char* descrizione;  // of the file dialog's filter
  const char* estensione;
};

Uscita uscita(Formato f) {
  switch (f) {
    case Formato::Pdf: return {"Esporta in PDF", "Documento PDF", ".pdf"};
    case Formato::Svg: return {"Esporta in SVG", "Immagine SVG", ".svg"};
    case Formato::Png: return {"Esporta in PNG", "Immagine PNG", ".png"};
    case Formato::Ipuz: return {"Esporta in ipuz", "Cruciverba ipuz", ".ipuz"};
    case Formato::Stampa: break;
  }
  return {"Stampa", "", ""};
}

bool scriviIn(QIODevice& out, Formato f, const Pubblicazione& x) {
  switch (f) {
    case Formato::Pdf: return scriviPdf(out, x);
    case Formato::Svg: return scriviSvg(out, x);
    case Formato::Png: return scriviPng(out, x);
    case Formato::Ipuz: {
      const std::string byte = scriviIpuz(x.schema, x.definizioni, x.titolo.toStdString());
      return out.write(byte.data(), static_cast<qint64>(byte.size())) == static_cast<qint64>(byte.size());
    }
    case Formato::Stampa: break;
  }
  return false;
}

// The crossword of an ipuz file, or why not.
LetturaIpuz leggiFileIpuz(const QString& nome) {
  const QFileInfo info(nome);
  QFile file(nome);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    LetturaIpuz l;
    l.errore = ErroreIpuz::Illeggibile;
    l.dettaglio = info.isFile() ? "il file non si può leggere (" + file.errorString().toStdString() + ")"
                                : std::string("non è un file");
    return l;
  }
  // One byte more than the reader takes: a longer file is refused for its size.
  const QByteArray byte = file.read(static_cast<qint64>(MaxByteIpuz) + 1);
  return leggiIpuz(std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
}

}  // namespace

DialogoPubblica::DialogoPubblica(QWidget* padre, Formato formato, const QString& titolo) : QDialog(padre) {
  setObjectName(QStringLiteral("DialogoPubblica"));
  setWindowTitle(QString::fromUtf8(uscita(formato).titolo));
  setModal(true);
  auto* modulo = new QFormLayout;
  Titolo = new QLineEdit(titolo, this);
  if (formato != Formato::Png) modulo->addRow(QStringLiteral("Titolo:"), Titolo);
  else Titolo->hide();
  const bool pagine = formato == Formato::Pdf || formato == Formato::Stampa;
  const bool immagine = formato == Formato::Svg || formato == Formato::Png;
  ConSoluzione = new QCheckBox(QStringLiteral("Aggiungi la soluzione in una seconda pagina"), this);
  Carta = new QComboBox(this);
  Carta->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
  Vuoto = new QRadioButton(QStringLiteral("Schema vuoto, con i numeri"), this);
  Risolto = new QRadioButton(QStringLiteral("Schema risolto"), this);
  Vuoto->setChecked(true);
  if (pagine) {
    modulo->addRow(ConSoluzione);
    modulo->addRow(QStringLiteral("Formato della carta:"), Carta);
  }
  if (immagine) {
    modulo->addRow(Vuoto);
    modulo->addRow(Risolto);
  }
  for (QWidget* w : {static_cast<QWidget*>(ConSoluzione), static_cast<QWidget*>(Carta)}) w->setVisible(pagine);
  for (QWidget* w : {Vuoto, Risolto}) w->setVisible(immagine);
  auto* bottoni = new QDialogButtonBox(this);
  OK = bottoni->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  Annulla = bottoni->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
  connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(modulo);
  tutto->addWidget(bottoni);
}

void Form0g::EsportaPdf_Click() { esporta(static_cast<int>(Formato::Pdf)); }
void Form0g::EsportaSvg_Click() { esporta(static_cast<int>(Formato::Svg)); }
void Form0g::EsportaPng_Click() { esporta(static_cast<int>(Formato::Png)); }
void Form0g::EsportaIpuz_Click() { esporta(static_cast<int>(Formato::Ipuz)); }
void Form0g::Stampa_Click() { esporta(static_cast<int>(Formato::Stampa)); }

void Form0g::esporta(int f) {
  const auto formato = static_cast<Formato>(f);
  if (Occupato > 0 || !schema.esiste()) return;
  const QString nomeSchema = schemaHaUnFile() ? QFileInfo(NomeFile).completeBaseName() : QString();
  DialogoPubblica opzioni(this, formato, nomeSchema.isEmpty() ? testi::TitoloPredefinito : nomeSchema);
  if (env_.mostraModale(opzioni) != QDialog::Accepted) return;
  const Pubblicazione x{schema, definizioni, opzioni.Titolo->text().trimmed(),
                        formato == Formato::Svg || formato == Formato::Png ? opzioni.Risolto->isChecked()
                                                                           : opzioni.ConSoluzione->isChecked(),
                        opzioni.Carta->currentIndex() == 1 ? Carta::Letter : Carta::A4};

  if (formato == Formato::Stampa) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(formatoPagina(x.carta));
    stampante.setPageMargins(QMarginsF(MarginePaginaMm, MarginePaginaMm, MarginePaginaMm, MarginePaginaMm),
                             QPageLayout::Millimeter);
    stampante.setDocName(x.titolo);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(testi::TitoloStampa);
    if (env_.mostraModale(dialogo) != QDialog::Accepted) return;
    if (!disegnaPagine(stampante, x)) env_.msgBox(this, testi::ErroreStampa, msg::OK | msg::Critical, testi::TitoloStampa);
    return;
  }

  const Uscita u = uscita(formato);
  const QString estensione = QString::fromLatin1(u.estensione);
  const QString scelto = env_.fileSalva(
      this, testi::TitoloEsportaFile,
      filtroDialogo(QString::fromUtf8(u.descrizione), QLatin1Char('*') + estensione), CartellaFile,
      (nomeSchema.isEmpty() ? testi::TitoloPredefinito.toLower() : nomeSchema) + estensione);
  if (scelto.trimmed().isEmpty()) return;
  const QString nome = scelto.endsWith(estensione, Qt::CaseInsensitive) ? scelto : scelto + estensione;
  if (QFileInfo(nome).isFile() &&
      env_.msgBox(this, testi::domandaSostituzione(nome), msg::YesNo | msg::Exclamation, testi::Attenzione) !=
          msg::AnsYes)
    return;
  // Made whole in memory, then written through the checked writer: a full
  // disk must not leave an empty file reported as exported.
  QByteArray dati;
  QBuffer buffer(&dati);
  EsitoScrittura esito;
  if (!buffer.open(QIODevice::WriteOnly) || !scriviIn(buffer, formato, x)) {
    esito.errore = ErroreScrittura::Altro;
  } else {
    buffer.close();
    esito = scriviFileSicuro(QFile::encodeName(nome).toStdString(),
                             std::string_view(dati.constData(), static_cast<std::size_t>(dati.size())));
  }
  if (!esito) {
    env_.msgBox(this, testi::erroreSalvataggio(nome, daUtf8(motivoScrittura(esito))), msg::OK | msg::Critical,
                testi::TitoloErroreSalvataggio);
    return;
  }
  Stb1->setText(3, testi::esportato(QFileInfo(nome).fileName()));
}

void Form0g::ImportaIpuz_Click() {
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
  if (CartellaFile.isEmpty()) CartellaFile = QDir::currentPath();
  const QString scelto = env_.fileApri(this, testi::TitoloImporta,
                                       filtroDialogo(testi::DescrizioneIpuz, testi::ModelliIpuz), CartellaFile);
  if (scelto.trimmed().isEmpty()) {
    annulla();
    return;
  }
  CartellaFile = QFileInfo(scelto).absolutePath();
  LetturaIpuz l = leggiFileIpuz(scelto);
  if (!l) {
    annulla();
    env_.msgBox(this, daUtf8(messaggioImportazione(scelto.toStdString(), l)), msg::OK | msg::Exclamation,
                testi::TitoloErroreImporta);
    return;
  }
  // A new, unsaved Schema: "Salva" asks where, offering the ipuz file's name.
  const QFileInfo info(scelto);
  NomeFile = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".tes");
  NuovoSchema();
  schema = std::move(l.cruciverba->schema);
  definizioni = std::move(l.cruciverba->definizioni);
  Inizio();
  Modificato = 1;
  setWindowTitle(testi::Titolo + testi::NuovoFile);
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
  if (finestraDefinizioni) finestraDefinizioni->aggiorna(true);
}

}  // namespace tessaro
