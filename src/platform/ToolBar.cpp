#include "platform/ToolBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace tessaro {

ToolBar::ToolBar(QWidget* parent) : QWidget(parent) {
  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(2, 2, 2, 2);
  layout_->setSpacing(1);
  layout_->addStretch(1);
  setAutoFillBackground(true);
}

void ToolBar::setImageList(std::vector<QIcon> immagini, int lato) {
  immagini_ = std::move(immagini);
  lato_ = lato;
}

void ToolBar::add(const QString& key, int stile, int immagine, const QString& tooltip, int larghezzaPx) {
  Voce v;
  v.key = key;
  v.stile = stile;
  v.immagine = immagine;
  v.descrizione = tooltip;
  const int h = lato_ + 10;
  if (stile == Separatore) {
    auto* linea = new QFrame(this);
    linea->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    linea->setFixedSize(8, h);
    v.widget = linea;
  } else if (stile == Segnaposto) {
    auto* spazio = new QWidget(this);
    spazio->setFixedSize(larghezzaPx, h);
    v.widget = spazio;
  } else {
    auto* b = new QToolButton(this);
    b->setAutoRaise(true);
    b->setFixedSize(h, h);
    b->setIconSize(QSize(lato_, lato_));
    if (immagine >= 1 && immagine <= static_cast<int>(immagini_.size()))
      b->setIcon(immagini_[static_cast<std::size_t>(immagine - 1)]);
    b->setToolTip(tooltip);
    b->setCheckable(true);
    // The pressed state belongs to the program: undo Qt's own toggle.
    connect(b, &QToolButton::clicked, this, [this, key] {
      if (Voce* x = trova(key)) aggiornaAspetto(*x);
      Q_EMIT buttonClick(key);
    });
    v.widget = b;
    v.pulsante = b;
  }
  layout_->insertWidget(layout_->count() - 1, v.widget);
  v.widget->show();  // a layout only places shown widgets, and the placeholders are measured at once
  voci_.push_back(v);
}

const ToolBar::Voce* ToolBar::trova(const QString& key) const {
  if (key.isEmpty()) return nullptr;
  for (const auto& v : voci_)
    if (v.key == key) return &v;
  return nullptr;
}
ToolBar::Voce* ToolBar::trova(const QString& key) {
  return const_cast<Voce*>(static_cast<const ToolBar*>(this)->trova(key));
}

bool ToolBar::has(const QString& key) const { return trova(key) != nullptr; }
bool ToolBar::isEnabled(const QString& key) const {
  const Voce* v = trova(key);
  return v && v->widget->isEnabled();
}
void ToolBar::setEnabled(const QString& key, bool on) {
  if (Voce* v = trova(key)) v->widget->setEnabled(on);
}
int ToolBar::value(const QString& key) const {
  const Voce* v = trova(key);
  return v ? v->valore : 0;
}
void ToolBar::setValue(const QString& key, int val) {
  if (Voce* v = trova(key)) {
    v->valore = val;
    aggiornaAspetto(*v);
  }
}
void ToolBar::aggiornaAspetto(Voce& v) {
  if (v.pulsante) v.pulsante->setChecked(v.valore == 1);
}
QString ToolBar::toolTip(const QString& key) const {
  const Voce* v = trova(key);
  return v && v->pulsante ? v->pulsante->toolTip() : QString();
}
QString ToolBar::description(const QString& key) const {
  const Voce* v = trova(key);
  return v ? v->descrizione : QString();
}
int ToolBar::style(const QString& key) const {
  const Voce* v = trova(key);
  return v ? v->stile : -1;
}
QRect ToolBar::geometryOf(const QString& key) const {
  const Voce* v = trova(key);
  if (!v) return {};
  const_cast<QHBoxLayout*>(layout_)->activate();
  return QRect(mapToParent(v->widget->pos()), v->widget->size());
}
QToolButton* ToolBar::button(const QString& key) const {
  const Voce* v = trova(key);
  return v ? v->pulsante : nullptr;
}

}  // namespace tessaro
