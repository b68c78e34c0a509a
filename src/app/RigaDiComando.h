// The command line: tessaro [FILE.tes], --help, --version. Help and version
// answer on the terminal before any window, or display, is needed.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace tessaro {

// When the arguments ask for help or for the version, prints the answer to
// `out` and returns true: the program then ends at once.
bool rispondiSenzaFinestra(int argc, const char* const* argv, std::FILE* out);

struct ArgomentiAvvio {
  QString file;    // the Schema to open, absolute; empty for none
  QString errore;  // a usage error, for the terminal; the program ends with 2
};

// The arguments Qt has left (the program's name first): at most one file
// name, no options.
ArgomentiAvvio leggiArgomenti(const QStringList& argomenti);

}  // namespace tessaro
