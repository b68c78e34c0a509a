#include "platform/Environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QUrl>

namespace tessaro {

int QtEnvironment::msgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) {
  QMessageBox box(owner);
  box.setWindowTitle(titolo.isEmpty() ? NomeProgramma : titolo);
  box.setText(testo);
  switch (stile & 0xF0) {
    case msg::Critical: box.setIcon(QMessageBox::Critical); break;
    case msg::Question: box.setIcon(QMessageBox::Question); break;
    case msg::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case msg::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (stile & 0x0F) {
    case msg::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case msg::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case msg::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return msg::AnsYes;
    case QMessageBox::No: return msg::AnsNo;
    case QMessageBox::Cancel: return msg::AnsCancel;
    default: return (stile & 0x0F) == msg::YesNoCancel ? msg::AnsCancel : msg::AnsOK;
  }
}

void impostaDialogoFile(QFileDialog& d, bool salva, const QString& titolo, const QString& filtro,
                        const QString& cartella, const QString& nomeIniziale) {
  d.setWindowTitle(titolo);
  d.setNameFilter(filtro);
  // A description that already names its patterns ("File Tessaro(*.tes;*.TES)")
  // is shown alone: Qt's own copy of them after it would show them twice.
  const qsizetype modelli = filtro.lastIndexOf(QStringLiteral(" ("));
  if (modelli > 0 && filtro.left(modelli).contains(QLatin1Char('*')))
    d.setOption(QFileDialog::HideNameFilterDetails);
  d.setDirectory(cartella);
  if (!salva) {
    d.setFileMode(QFileDialog::ExistingFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    return;
  }
  d.setFileMode(QFileDialog::AnyFile);
  d.setAcceptMode(QFileDialog::AcceptSave);
  // The program asks its own question before replacing another file.
  d.setOption(QFileDialog::DontConfirmOverwrite);
  if (nomeIniziale.isEmpty()) return;
  QString iniziale = nomeIniziale;
  if (!iniziale.contains(QLatin1Char('/')) && !cartella.isEmpty()) iniziale = cartella + QLatin1Char('/') + iniziale;
  d.selectFile(iniziale);
}

namespace {
QString scegliFile(QFileDialog& d) {
  if (d.exec() != QDialog::Accepted) return {};
  return d.selectedFiles().value(0);
}
}  // namespace

QString QtEnvironment::fileApri(QWidget* owner, const QString& titolo, const QString& filtro,
                                const QString& cartella) {
  QFileDialog d(owner);
  impostaDialogoFile(d, false, titolo, filtro, cartella, {});
  return scegliFile(d);
}

QString QtEnvironment::fileSalva(QWidget* owner, const QString& titolo, const QString& filtro,
                                 const QString& cartella, const QString& nomeIniziale) {
  QFileDialog d(owner);
  impostaDialogoFile(d, true, titolo, filtro, cartella, nomeIniziale);
  return scegliFile(d);
}

void QtEnvironment::beep() { QApplication::beep(); }

bool QtEnvironment::apriDocumento(const QString& indirizzo) {
  const QUrl url = indirizzo.contains(QLatin1String("://")) ? QUrl(indirizzo) : QUrl::fromLocalFile(indirizzo);
  return QDesktopServices::openUrl(url);
}

QSize QtEnvironment::schermoTwips() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {15360, 11520};
  const QSize px = s->size();
  const double t = twipsPerPixel();
  return {static_cast<int>(px.width() * t), static_cast<int>(px.height() * t)};
}

double QtEnvironment::twipsPerPixel() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
  return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void QtEnvironment::mostraFinestra(QWidget& w) {
  // Without a window manager (a bare X server) nothing maximises: the window
  // takes the screen's free area itself first.
  if (const QScreen* s = QGuiApplication::primaryScreen()) w.setGeometry(s->availableGeometry());
  w.showMaximized();
}

int QtEnvironment::mostraModale(QDialog& d) { return d.exec(); }

void QtEnvironment::processaEventi() { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); }

void QtEnvironment::termina() {
  // Hidden, not closed: closing would run the windows' close handlers again.
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

// The application's settings file, named after the application.
QVariant QtEnvironment::impostazione(const QString& chiave, const QVariant& predefinito) const {
  return QSettings().value(chiave, predefinito);
}

void QtEnvironment::salvaImpostazione(const QString& chiave, const QVariant& valore) {
  QSettings().setValue(chiave, valore);
}

}  // namespace tessaro
