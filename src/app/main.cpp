// Tessaro: builds Italian crosswords.
#include <QApplication>
#include <QTranslator>
#include <cstdio>

#include "app/Avvio.h"
#include "app/Form00.h"
#include "app/Form0g.h"
#include "app/RigaDiComando.h"
#include "platform/Environment.h"

int main(int argc, char** argv) {
  if (tessaro::rispondiSenzaFinestra(argc, argv, stdout)) return 0;
  QApplication app(argc, argv);
  const tessaro::ArgomentiAvvio argomenti = tessaro::leggiArgomenti(QCoreApplication::arguments());
  if (!argomenti.errore.isEmpty()) {
    std::fputs(argomenti.errore.toLocal8Bit().constData(), stderr);
    return 2;
  }
  QTranslator traduzione;
  tessaro::preparaApplicazione(app, traduzione);

  tessaro::QtEnvironment env;
  tessaro::Form0g principale(env);
  principale.FileIniziale = argomenti.file;
  tessaro::Form00 splash(env, principale);
  splash.Form_Load();
  return QApplication::exec();
}
