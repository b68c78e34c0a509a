#include "platform/ScriptedEnvironment.h"

#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

namespace tessaro {

int ScriptedEnvironment::msgBox(QWidget*, const QString& testo, int stile, const QString& titolo) {
  box.push_back({testo, stile, titolo.isEmpty() ? NomeProgramma : titolo});
  if (!risposte.empty()) {
    const int r = risposte.front();
    risposte.pop_front();
    return r;
  }
  return (stile & 0x0F) == msg::YesNoCancel ? msg::AnsCancel : msg::AnsOK;
}

QString ScriptedEnvironment::fileApri(QWidget*, const QString& titolo, const QString& filtro,
                                      const QString& cartella) {
  dialoghi.push_back({false, titolo, filtro, cartella, {}});
  if (fileScelti.empty()) return {};
  QString f = fileScelti.front();
  fileScelti.pop_front();
  return f;
}

QString ScriptedEnvironment::fileSalva(QWidget*, const QString& titolo, const QString& filtro,
                                       const QString& cartella, const QString& nomeIniziale) {
  dialoghi.push_back({true, titolo, filtro, cartella, nomeIniziale});
  if (fileScelti.empty()) return {};
  QString f = fileScelti.front();
  fileScelti.pop_front();
  return f;
}

void ScriptedEnvironment::mostraFinestra(QWidget& w) {
  w.resize(static_cast<int>(schermo.width() / twipsPerPixel()), static_cast<int>(schermo.height() / twipsPerPixel()));
  w.show();
}

int ScriptedEnvironment::mostraModale(QDialog& d) {
  ++modali;
  d.setResult(QDialog::Rejected);
  d.show();
  if (suModale) suModale(d);
  if (d.isVisible()) d.done(QDialog::Rejected);
  return d.result();
}

void ScriptedEnvironment::processaEventi() {
  ++cessioni;
  if (aOgniCessione) aOgniCessione();
  QCoreApplication::processEvents();
}

}  // namespace tessaro
