// Tessaro: builds Italian crosswords.
#include <QApplication>
#include <QTranslator>

#include "app/Avvio.h"
#include "app/Form00.h"
#include "app/Form0g.h"
#include "platform/Environment.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTranslator traduzione;
  tessaro::preparaApplicazione(app, traduzione);

  tessaro::QtEnvironment env;
  tessaro::Form0g principale(env);
  tessaro::Form00 splash(env, principale);
  splash.Form_Load();
  return QApplication::exec();
}
