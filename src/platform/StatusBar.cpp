#include "platform/StatusBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <stdexcept>

namespace tessaro {

StatusBar::StatusBar(int pannelli, QWidget* parent) : QFrame(parent) {
  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(2, 2, 2, 2);
  layout_->setSpacing(2);
  pannelli_.resize(static_cast<std::size_t>(pannelli));
  for (auto& p : pannelli_) {
    p.label = new QLabel(this);
    p.label->setTextFormat(Qt::PlainText);
    p.label->setMinimumWidth(8);
    p.label->installEventFilter(this);
    applicaBevel(p);
    layout_->addWidget(p.label, 1);
  }
}

StatusBar::Pannello& StatusBar::at(int n) {
  if (n < 1 || n > count()) throw std::out_of_range("pannello inesistente");
  return pannelli_[static_cast<std::size_t>(n - 1)];
}
const StatusBar::Pannello& StatusBar::at(int n) const {
  if (n < 1 || n > count()) throw std::out_of_range("pannello inesistente");
  return pannelli_[static_cast<std::size_t>(n - 1)];
}

QLabel* StatusBar::panel(int n) const { return at(n).label; }
QString StatusBar::text(int n) const { return at(n).label->text(); }
void StatusBar::setText(int n, const QString& t) { at(n).label->setText(t); }
QString StatusBar::toolTip(int n) const { return at(n).label->toolTip(); }
void StatusBar::setToolTip(int n, const QString& t) { at(n).label->setToolTip(t); }
int StatusBar::bevel(int n) const { return at(n).bevel; }
void StatusBar::setBevel(int n, int b) {
  auto& p = at(n);
  p.bevel = b;
  applicaBevel(p);
}
// A disabled panel is greyed but still clickable: clicking a switched-off
// dictionary's panel is how the user switches it on again.
bool StatusBar::isEnabled(int n) const { return at(n).abilitato; }
void StatusBar::setEnabled(int n, bool on) {
  auto& p = at(n);
  p.abilitato = on;
  applicaStato(p);
}
void StatusBar::applicaStato(Pannello& p) {
  QPalette pal = p.label->palette();
  pal.setColor(QPalette::WindowText,
               palette().color(p.abilitato ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.label->setPalette(pal);
}
// The panel's own visible flag, whether or not the bar is on screen yet.
bool StatusBar::isVisible(int n) const { return at(n).visibile; }
void StatusBar::setVisible(int n, bool on) {
  auto& p = at(n);
  p.visibile = on;
  p.label->setVisible(on);
}
void StatusBar::setStretch(int n, int s) { layout_->setStretchFactor(at(n).label, s); }

void StatusBar::applicaBevel(Pannello& p) {
  switch (p.bevel) {
    case Nessuno: p.label->setFrameStyle(QFrame::NoFrame); break;
    case Rialzato: p.label->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    default: p.label->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
  }
}

bool StatusBar::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    for (int i = 0; i < count(); ++i)
      if (pannelli_[static_cast<std::size_t>(i)].label == o) Q_EMIT panelClick(i + 1);
  }
  return QFrame::eventFilter(o, e);
}

}  // namespace tessaro
