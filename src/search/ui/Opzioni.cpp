// The two search options of the Strumenti menu.
#include <QAction>

#include "app/Form0g.h"
#include "platform/StatusBar.h"

namespace tessaro {

void Form0g::Accorcia_Click() {
  if (Occupato > 0) return;
  Accorcia->setChecked(!Accorcia->isChecked());
}

void Form0g::Estesa_Click() {
  if (Occupato > 0) return;
  Estesa->setChecked(!Estesa->isChecked());
  Stb1->setVisible(7, !Estesa->isChecked());
  Stb1->setVisible(8, Estesa->isChecked());
}

}  // namespace tessaro
