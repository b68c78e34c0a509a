#include "schema/ui/Form0a.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/Environment.h"

namespace tessaro {

long valoreNumerico(const QString& testo) {
  long v = 0;
  int i = 0;
  while (i < testo.size() && testo.at(i) == QLatin1Char(' ')) ++i;
  for (; i < testo.size() && testo.at(i).isDigit() && testo.at(i).unicode() < 128; ++i) {
    v = v * 10 + (testo.at(i).unicode() - '0');
    if (v > 1000000) break;  // far out of range already
  }
  return v;
}

Form0a::Form0a(Form0g& principale) : QDialog(&principale), f_(principale) {
  setObjectName(QStringLiteral("Form0a"));
  setWindowTitle(QStringLiteral("     DIMENSIONAMENTO"));
  setModal(true);
  Label1 = new QLabel(QStringLiteral(" N.ro RIGHE (max.25)"), this);
  Text1 = new QLineEdit(this);
  Label2 = new QLabel(QStringLiteral(" N.ro COLONNE (max.35)"), this);
  Text2 = new QLineEdit(this);
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command2 = new QPushButton(QStringLiteral("Annullo"), this);
  Command1->setAutoDefault(false);
  Command2->setAutoDefault(false);
  for (QLineEdit* t : {Text1, Text2}) {
    t->setMaxLength(4);
    t->installEventFilter(this);
  }
  auto* g = new QGridLayout(this);
  g->addWidget(Label1, 0, 0);
  g->addWidget(Text1, 0, 1);
  g->addWidget(Label2, 1, 0);
  g->addWidget(Text2, 1, 1);
  g->addWidget(Command1, 2, 0);
  g->addWidget(Command2, 2, 1);
  connect(Command1, &QPushButton::clicked, this, &Form0a::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form0a::Command2_Click);
  Text1->setFocus();
}

void Form0a::Text1_Click() {
  if (Text1->text().isEmpty()) Text1->setFocus();
}

void Form0a::Text2_Click() {
  if (Text2->text().isEmpty()) Text2->setFocus();
}

bool Form0a::eventFilter(QObject* o, QEvent* e) {
  if (e->type() != QEvent::KeyPress || (o != Text1 && o != Text2)) return QDialog::eventFilter(o, e);
  const auto* k = static_cast<QKeyEvent*>(e);
  const bool invio = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
  if (invio) {
    if (o == Text1) {
      Text2->setFocus();
      Text1_Click();
    } else {
      Command1->setFocus();
      Text2_Click();
    }
  }
  // The digit filter: Backspace and the digits pass; every other key that
  // types a character is dropped with a beep: Enter, Esc and the Ctrl
  // letters too (Ctrl+V would paste, Esc would close the dialog). Keys that
  // type nothing (arrows, Delete, Tab, Shift) pass.
  const bool ctrl = k->modifiers().testFlag(Qt::ControlModifier);
  if (k->key() == Qt::Key_Backspace && !ctrl) return false;
  if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) return false;
  const QString t = k->text();
  const bool carattere = invio || k->key() == Qt::Key_Escape || k->key() == Qt::Key_Backspace ||
                         (ctrl && k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z) ||
                         (!t.isEmpty() && t.at(0).isPrint());
  if (!carattere) return false;
  if (!invio && !ctrl && t.size() == 1 && t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9'))
    return false;
  f_.env().beep();
  return true;
}

void Form0a::Command1_Click() {
  const long righe = valoreNumerico(Text1->text());
  const long colonne = valoreNumerico(Text2->text());
  if (righe < MinRighe || colonne < MinColonne || righe > MaxRighe || colonne > MaxColonne ||
      righe * colonne > MaxCaselle) {
    f_.env().msgBox(this, testi::FuoriLimiti, msg::Exclamation | msg::OK, testi::TitoloErrore);
    f_.env().beep();
    return;
  }
  f_.Modificato = 0;
  f_.schema.Righe = static_cast<std::int16_t>(righe);
  f_.schema.Colonne = static_cast<std::int16_t>(colonne);
  f_.NuovoSchema();
  f_.schema.crea(static_cast<std::int16_t>(righe), static_cast<std::int16_t>(colonne));
  f_.setWindowTitle(testi::Titolo + testi::NuovoFile);
  f_.Salvacome->setEnabled(true);
  f_.Inizio();
  accept();
}

void Form0a::Command2_Click() { reject(); }

}  // namespace tessaro
