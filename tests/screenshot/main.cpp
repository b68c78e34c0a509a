// Renders the main window with a 15 x 15 Schema holding some black cells and
// letters to a PNG, so anyone can see what a user sees. Runs offscreen.
#include <QApplication>
#include <QDir>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "app/Avvio.h"
#include "app/Form0g.h"
#include "platform/ScriptedEnvironment.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QTranslator traduzione;
  tessaro::preparaApplicazione(app, traduzione);
  const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tessaro.png");

  tessaro::ScriptedEnvironment env;
  env.schermo = QSize(1280 * 15, 800 * 15);
  tessaro::Form0g f(env);
  f.Form_Load();
  // The shipped dictionaries sit in the build's share folder, beside bin.
  const QString cartella = QCoreApplication::applicationDirPath() + QStringLiteral("/../share");
  const bool conDizionari = QDir(cartella).exists(QStringLiteral("base.diz"));
  if (conDizionari) {
    QDir::setCurrent(cartella);
    f.CartellaProg = QDir::currentPath();
    f.Timer0_Timer();
  }
  std::vector<std::string> righe(15, std::string(15, '?'));
  const char* parole[] = {"CRUCIVERBA@????", "A?????@????@???", "SA??@?????@????", "A????@????????@",
                          "@????????@?????"};
  for (int i = 0; i < 5; ++i) righe[static_cast<std::size_t>(i)] = parole[i];
  righe[7] = "???@???@???@???";
  righe[10] = "TESSARO@???????";
  f.schema.carica(15, 15, righe);
  f.Inizio();
  // TESSARO_RIEMPIBILITA=1 shows the fillability overlay.
  if (std::getenv("TESSARO_RIEMPIBILITA") != nullptr) f.MostraRiempibilita_Click();
  if (conDizionari) {
    // A row search on the run SALE?, as a click with tool "a1" makes it.
    f.eseguiStrumento(QStringLiteral("a1"));
    f.RigaCorr = 2;
    f.ColCorr = 1;
    f.Peri_Click();
  } else {
    f.EvidCol = 0;
    f.EvidRiga = 10;
    f.EvidLarg = 7;
    f.EvidAlt = 1;
    f.evidenzia();
  }
  QApplication::processEvents();
  if (!f.grab().save(uscita)) {
    std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(uscita));
    return 1;
  }
  std::printf("%s\n", qPrintable(uscita));
  return 0;
}
