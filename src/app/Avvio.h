// What the application needs before any window exists.
#pragma once

class QApplication;
class QTranslator;

namespace tessaro {

// Italian standard buttons whatever the system locale, and the fonts the
// program names mapped to their metric-compatible substitutes.
void preparaApplicazione(QApplication& app, QTranslator& traduzione);

}  // namespace tessaro
