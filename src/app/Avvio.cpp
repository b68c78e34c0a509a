#include "app/Avvio.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessaro {

void preparaApplicazione(QApplication& app, QTranslator& traduzione) {
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traduzione);
  const QString mono = QStringLiteral("Liberation Mono");
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {mono, QStringLiteral("DejaVu Sans Mono")});
  QFont::insertSubstitutions(QStringLiteral("Courier"), {mono, QStringLiteral("DejaVu Sans Mono")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  app.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
}

}  // namespace tessaro
