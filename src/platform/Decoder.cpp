#include "platform/Decoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <memory>

namespace tessaro {

namespace {
using Myfunc = std::int16_t (*)(std::int16_t);
}

ChiamataDecoder caricaDecoder(QString* dove) {
  const QString cartella = QCoreApplication::applicationDirPath();
  // Beside the executable in the build tree; in the program's private
  // library folder once installed.
  const QString candidati[] = {
      cartella + QStringLiteral("/libTESSDLL.so"),
      cartella + QStringLiteral("/../" TESSARO_LIBDIR "/tessaro/libTESSDLL.so"),
  };
  for (const QString& percorso : candidati) {
    if (dove) *dove = percorso;
    if (!QFileInfo::exists(percorso)) continue;
    // The library stays loaded once resolved: a QLibrary never unloads it
    // on destruction, and the call may come again.
    auto libreria = std::make_shared<QLibrary>(percorso);
    auto f = reinterpret_cast<Myfunc>(libreria->resolve("MYFUNC"));
    if (!f) continue;
    return [libreria, f](std::int16_t slot) { return f(slot); };
  }
  return {};
}

}  // namespace tessaro
