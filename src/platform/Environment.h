// The one seam between the windows and the outside: message boxes, file
// dialogs, beep, shell open, screen size, timers and the event-loop yield.
// The Qt environment shows real dialogs; the scripted one (tests) answers
// from a queue and records what was shown.
#pragma once

#include <QElapsedTimer>
#include <QSize>
#include <QString>
#include <QVariant>
#include <map>

class QDialog;
class QFileDialog;
class QWidget;

namespace tessaro {

// Message-box styles and answers keep the values the program is written
// against: buttons 0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No; icons 16
// critical, 32 question, 48 exclamation, 64 information. Answers: 1 OK,
// 2 Cancel, 6 Yes, 7 No.
namespace msg {
inline constexpr int OK = 0, OKCancel = 1, YesNoCancel = 3, YesNo = 4;
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
inline constexpr int AnsOK = 1, AnsCancel = 2, AnsYes = 6, AnsNo = 7;
}  // namespace msg

// The title of a message box shown without one.
inline const QString NomeProgramma = QStringLiteral("Tessaro");

class Environment {
 public:
  virtual ~Environment() = default;

  virtual int msgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) = 0;
  // Returns the chosen path, or an empty string when the user cancels.
  virtual QString fileApri(QWidget* owner, const QString& titolo, const QString& filtro,
                           const QString& cartella) = 0;
  virtual QString fileSalva(QWidget* owner, const QString& titolo, const QString& filtro,
                            const QString& cartella, const QString& nomeIniziale) = 0;
  virtual void beep() = 0;
  // Opens an address (a web page or a local file) with the desktop's default
  // program; returns false when nothing could open it.
  virtual bool apriDocumento(const QString& indirizzo) = 0;
  // Screen width and height in twips.
  virtual QSize schermoTwips() const = 0;
  // Twips per pixel, from the screen's logical DPI (15 at 96 DPI).
  virtual double twipsPerPixel() const = 0;
  // The interval a timer of `ms` milliseconds really gets; below 0 means the
  // timer is not started (tests fire it themselves).
  virtual int intervallo(int ms) const { return ms; }
  // Shows the main window as the program wants it: maximised on a real
  // screen, at the reported screen size elsewhere.
  virtual void mostraFinestra(QWidget& w) = 0;
  // Shows a dialog modally and waits until it closes; returns its result.
  virtual int mostraModale(QDialog& d) = 0;
  // Lets the event loop run now (other handlers may run inside).
  virtual void processaEventi() = 0;
  // Ends the program at once: no window is asked again whether it may close.
  virtual void termina() = 0;
  // Settings remembered between runs (QSettings in the Qt environment; here,
  // and so in the tests, only for the life of the environment).
  virtual QVariant impostazione(const QString& chiave, const QVariant& predefinito) const {
    const auto it = impostazioni_.find(chiave);
    return it == impostazioni_.end() ? predefinito : it->second;
  }
  virtual void salvaImpostazione(const QString& chiave, const QVariant& valore) { impostazioni_[chiave] = valore; }

  // The time-sliced yield of the long loops: pumps events only when about
  // 15 ms of work have passed since the last pump, so a loop over a million
  // entries costs milliseconds while the window stays responsive.
  void yieldNow() {
    if (!orologio_.isValid()) orologio_.start();
    if (orologio_.elapsed() < fettaMs_) return;
    processaEventi();
    orologio_.restart();
  }
  void yieldSubito() {
    processaEventi();
    orologio_.restart();
  }

 protected:
  int fettaMs_ = 15;

 private:
  QElapsedTimer orologio_;
  std::map<QString, QVariant> impostazioni_;
};

class QtEnvironment final : public Environment {
 public:
  int msgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) override;
  QString fileApri(QWidget* owner, const QString& titolo, const QString& filtro,
                   const QString& cartella) override;
  QString fileSalva(QWidget* owner, const QString& titolo, const QString& filtro,
                    const QString& cartella, const QString& nomeIniziale) override;
  void beep() override;
  bool apriDocumento(const QString& indirizzo) override;
  QSize schermoTwips() const override;
  double twipsPerPixel() const override;
  void mostraFinestra(QWidget& w) override;
  int mostraModale(QDialog& d) override;
  void processaEventi() override;
  void termina() override;
  QVariant impostazione(const QString& chiave, const QVariant& predefinito) const override;
  void salvaImpostazione(const QString& chiave, const QVariant& valore) override;
};

// Sets up the open (`salva` false) or save dialog that QtEnvironment shows:
// title, filter, starting folder and, for save, the name offered.
void impostaDialogoFile(QFileDialog& d, bool salva, const QString& titolo, const QString& filtro,
                        const QString& cartella, const QString& nomeIniziale);

}  // namespace tessaro
