// How the program ends ("Esci" and the window's close) and how the user
// reaches the guide ("Istruzioni generali", F1).
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Form0g.h"
#include "dict/CartellaScratch.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"

namespace tessaro {

namespace {

// Where the guide sits relative to the program's folder: installed, the
// program is in <prefix>/bin and its data in <prefix>/share/tessaro; in the
// build tree it is in bin/ beside share/.
const char* const PercorsiGuida[] = {
    "../share/tessaro/guida/index.html",
    "../share/guida/index.html",
};

}  // namespace

void Form0g::menuEsci_Click() {
  if (Occupato > 0) return;
  if (Modificato == 1) chiediSalvataggio();
  if (Modificato == 0) esciFine();
}

void Form0g::Form_Unload(std::int16_t& Cancel) {
  if (Occupato > 0) {
    Cancel = 1;
    return;
  }
  if (Modificato == 1) {
    chiediSalvataggio();
    if (Modificato == 1) {
      Cancel = 1;
      return;
    }
  }
  // Closing the window ends the program too: the linguistic engine closes
  // here as on the "Esci" path.
  if (FunWord->isChecked()) chiudiword();
}

void Form0g::esciFine() {
  Peri->setMousePointer(PictureBox::Clessidra);
  Lists->setMousePointer(PictureBox::Clessidra);
  if (FunWord->isChecked()) chiudiword();
  if (!cartellaScratch_.empty()) rimuoviCartellaScratch(cartellaScratch_);
  env_.termina();
}

void Form0g::AiutoF1_Click() {
  // Whatever the desktop answers, nothing is reported.
  env_.apriDocumento(percorsoGuida());
}

QString Form0g::percorsoGuida() {
  const QDir cartella(QCoreApplication::applicationDirPath());
  for (const char* relativo : PercorsiGuida) {
    const QString p = QDir::cleanPath(cartella.filePath(QString::fromLatin1(relativo)));
    if (QFileInfo(p).isFile()) return p;
  }
  return QDir::cleanPath(cartella.filePath(QString::fromLatin1(PercorsiGuida[0])));
}

}  // namespace tessaro
