// The environment of the window tests: answers message boxes and file dialogs
// from queues, counts beeps, records every box and dialog shown, and reports a
// fixed screen. Timers are not started; tests fire them by hand.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/Environment.h"

namespace tessaro {

class ScriptedEnvironment final : public Environment {
 public:
  struct Box {
    QString testo;
    int stile = 0;
    QString titolo;
  };
  struct Dialogo {
    bool salva = false;
    QString titolo;
    QString filtro;
    QString cartella;
    QString nomeIniziale;
  };

  ScriptedEnvironment() { fettaMs_ = 0; }

  // Answers, consumed in order; an empty queue answers OK (or Cancel for the
  // Yes/No/Cancel style) and cancels file dialogs.
  std::deque<int> risposte;
  std::deque<QString> fileScelti;

  std::vector<Box> box;
  std::vector<Dialogo> dialoghi;
  std::vector<QString> documentiAperti;
  int beeps = 0;
  QSize schermo{15360, 11520};
  // Called at each event-loop yield (a test can click a panel from here).
  std::function<void()> aOgniCessione;
  int cessioni = 0;
  // Plays the user's part in a modal dialog: called with the dialog shown
  // (not modal), it types and clicks; the dialog counts as closed afterwards.
  std::function<void(QDialog&)> suModale;
  int modali = 0;
  // Set when the program asked to end.
  bool terminato = false;

  int msgBox(QWidget*, const QString& testo, int stile, const QString& titolo) override;
  QString fileApri(QWidget*, const QString& titolo, const QString& filtro, const QString& cartella) override;
  QString fileSalva(QWidget*, const QString& titolo, const QString& filtro, const QString& cartella,
                    const QString& nomeIniziale) override;
  void beep() override { ++beeps; }
  bool apriDocumento(const QString& indirizzo) override {
    documentiAperti.push_back(indirizzo);
    return true;
  }
  QSize schermoTwips() const override { return schermo; }
  double twipsPerPixel() const override { return 15.0; }
  int intervallo(int) const override { return -1; }
  void mostraFinestra(QWidget& w) override;
  int mostraModale(QDialog& d) override;
  void processaEventi() override;
  void termina() override { terminato = true; }
};

}  // namespace tessaro
