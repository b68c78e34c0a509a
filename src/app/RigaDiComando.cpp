#include "app/RigaDiComando.h"

#include <QFileInfo>
#include <string_view>

namespace tessaro {

namespace {

constexpr const char* Aiuto =
    "Uso: tessaro [FILE.tes]\n"
    "Costruisce cruciverba italiani con i suggerimenti dei dizionari.\n"
    "\n"
    "Apre la finestra del programma e, con FILE.tes, apre quello schema appena i\n"
    "dizionari sono caricati. I dizionari (base.diz, obbligatorio, e altri file\n"
    ".diz e .dic) si leggono dalla cartella corrente.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  -v, --version  mostra la versione ed esce\n";

const QString Suggerimento = QStringLiteral("\nPer l'aiuto: tessaro --help\n");

}  // namespace

bool rispondiSenzaFinestra(int argc, const char* const* argv, std::FILE* out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--") return false;  // what follows is a file name
    if (a == "-h" || a == "--help") {
      std::fputs(Aiuto, out);
      return true;
    }
    if (a == "-v" || a == "--version") {
      std::fputs("tessaro " TESSARO_VERSIONE "\n", out);
      return true;
    }
  }
  return false;
}

ArgomentiAvvio leggiArgomenti(const QStringList& argomenti) {
  ArgomentiAvvio r;
  QStringList file;
  bool soloFile = false;
  for (qsizetype i = 1; i < argomenti.size(); ++i) {
    const QString& a = argomenti[i];
    if (!soloFile && a == QLatin1String("--")) {
      soloFile = true;
    } else if (!soloFile && a.size() > 1 && a.startsWith(QLatin1Char('-'))) {
      r.errore = QStringLiteral("tessaro: opzione sconosciuta: ") + a + Suggerimento;
      return r;
    } else {
      file.append(a);
    }
  }
  if (file.size() > 1) {
    r.errore = QStringLiteral("tessaro: si apre un solo file alla volta") + Suggerimento;
    return r;
  }
  // Made absolute now: the name is relative to the folder the program was
  // started in, which is also the dictionaries' folder.
  if (!file.isEmpty()) r.file = QFileInfo(file.front()).absoluteFilePath();
  return r;
}

}  // namespace tessaro
