// "Nuovo...": protects unsaved work, asks for the size, and resets the tools.
#include <QLabel>
#include <QLineEdit>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/ToolBar.h"
#include "schema/ui/Form0a.h"

namespace tessaro {

void Form0g::menuNuovo_Click() {
  if (Occupato > 0) return;
  int risposta = 0;
  if (Modificato == 1) {
    risposta = chiediSalvataggio();
    if (Modificato == 1) return;
  }
  Form0a dialogo(*this);
  // "Annullo" keeps the old Schema: changes given up by "No" are still unsaved.
  if (env_.mostraModale(dialogo) != QDialog::Accepted && risposta == msg::AnsNo) Modificato = 1;
  Lists->Clear();
  Lists->setToolTip(QString());
  texta->setText(QString());
  textb->setText(QString());
  CartellaFile = CartellaProg;
}

void Form0g::NuovoSchema() {
  if (Occupato > 0) return;
  azzeraDefinizioni();
  for (int i = 0; i <= 12; ++i) Tlb1->setValue(QStringLiteral("a%1").arg(i), 0);
  if (schema.Righe == 0 && schema.Colonne == 0) return;
  ImageA = ImageV;
  Peri->setMouseIcon(ImageA);
}

}  // namespace tessaro
