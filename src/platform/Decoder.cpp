#include "platform/Decoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <memory>

namespace tessaro {

namespace {
using Myfunc = std::int16_t (*)(std::int16_t);
using FunzioneCartella = std::int16_t (*)(const char*);
}

ChiamataDecoder caricaDecoder(const std::filesystem::path& cartellaScratch, QString* dove) {
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
    auto nomina = reinterpret_cast<FunzioneCartella>(libreria->resolve("TESSDLL_CARTELLA"));
    if (!f || !nomina) continue;
    return [libreria, f, nomina, scratch = cartellaScratch.string()](std::int16_t slot) {
      const std::int16_t r = nomina(scratch.c_str());
      return r > 0 ? r : f(slot);
    };
  }
  return {};
}

}  // namespace tessaro
