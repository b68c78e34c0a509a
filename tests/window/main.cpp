// The window tests run offscreen: a machine without a display discovers and
// runs them too.
#include <QApplication>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/Avvio.h"

namespace {
// The offscreen platform warns about window hints it cannot honour; that is
// noise, not a finding.
void filtraMessaggi(QtMsgType tipo, const QMessageLogContext& ctx, const QString& m) {
  if (m.contains(QLatin1String("propagateSizeHints"))) return;
  qt_message_output(tipo, ctx, m);
}
}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(filtraMessaggi);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  // Settings the window keeps (the fill's options) go to a test location,
  // and a user's own never reach the tests.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QTranslator traduzione;
  tessaro::preparaApplicazione(app, traduzione);
  return RUN_ALL_TESTS();
}
