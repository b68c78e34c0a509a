#include "platform/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/Keys.h"

namespace tessaro {

namespace {
int bottone(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}
int bottoni(Qt::MouseButtons b) {
  int r = 0;
  if (b & Qt::LeftButton) r |= 1;
  if (b & Qt::RightButton) r |= 2;
  if (b & Qt::MiddleButton) r |= 4;
  return r;
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  font_.setStyleHint(QFont::TypeWriter);
  applicaFont();
}

void PictureBox::setGeometryTwips(int left, int top, int width, int height) {
  auto px = [this](int t) { return static_cast<int>(std::lround(t / tpp_)); };
  // One pixel more than the cells' width, so the right and bottom grid lines
  // fall inside the box.
  setGeometry(px(left), px(top), px(width) + 1, px(height) + 1);
  if (img_.size() != size()) {
    img_ = QImage(size(), QImage::Format_RGB32);
    img_.fill(palette().color(QPalette::Base));
  }
}

void PictureBox::setScale(double larghezza, double altezza) {
  sw_ = larghezza > 0 ? larghezza : 1;
  sh_ = altezza > 0 ? altezza : 1;
}

double PictureBox::pxX(double x) const { return x * (img_.width() - 1) / sw_; }
double PictureBox::pxY(double y) const { return y * (img_.height() - 1) / sh_; }
double PictureBox::unitaX(double px) const { return img_.width() > 1 ? px * sw_ / (img_.width() - 1) : 0; }
double PictureBox::unitaY(double py) const { return img_.height() > 1 ? py * sh_ / (img_.height() - 1) : 0; }
QPoint PictureBox::inPixel(double x, double y) const {
  return {static_cast<int>(std::lround(pxX(x))), static_cast<int>(std::lround(pxY(y)))};
}

void PictureBox::cls() {
  img_.fill(palette().color(QPalette::Base));
  update();
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& c) {
  QPainter p(&img_);
  p.setPen(QPen(c, 1));
  p.drawLine(inPixel(x1, y1), inPixel(x2, y2));
  update();
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor& c, bool pieno) {
  QPainter p(&img_);
  const QPoint a = inPixel(std::min(x1, x2), std::min(y1, y2));
  const QPoint b = inPixel(std::max(x1, x2), std::max(y1, y2));
  if (pieno) {
    p.fillRect(QRect(a, b), c);
  } else {
    p.setPen(QPen(c, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
  }
  update();
}

void PictureBox::boxTratteggiato(double x1, double y1, double x2, double y2, const QColor& c) {
  QPainter p(&img_);
  const QPoint a = inPixel(std::min(x1, x2), std::min(y1, y2));
  const QPoint b = inPixel(std::max(x1, x2), std::max(y1, y2));
  p.setPen(QPen(c, 2, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
  update();
}

void PictureBox::print(double x, double y, const QString& testo) {
  if (testo.isEmpty()) return;
  QPainter p(&img_);
  p.setFont(font_);
  p.setPen(colore_);
  const QFontMetricsF fm(font_);
  p.drawText(QPointF(pxX(x), pxY(y) + fm.ascent()), testo);
  update();
}

double PictureBox::textHeight(const QString& testo) const {
  const QFontMetricsF fm(font_);
  const double h = fm.height() * std::max<qsizetype>(1, testo.count(QLatin1Char('\n')) + 1);
  const double unita = (img_.height() - 1) / sh_;
  return unita > 0 ? h / unita : 0;
}

void PictureBox::setFontName(const QString& nome) {
  font_.setFamily(nome);
  applicaFont();
}
void PictureBox::setFontSize(double punti) {
  puntiFont_ = punti;
  applicaFont();
}
void PictureBox::setFontBold(bool b) {
  font_.setBold(b);
  applicaFont();
}
void PictureBox::applicaFont() {
  // Points to pixels through twips: one point is 20 twips.
  font_.setPixelSize(std::max(1, static_cast<int>(std::lround(puntiFont_ * 20.0 / tpp_))));
}

void PictureBox::setMousePointer(int p) {
  puntatore_ = p;
  applicaPuntatore();
}
void PictureBox::setMouseIcon(const QPixmap& p) {
  icona_ = p;
  applicaPuntatore();
}
void PictureBox::applicaPuntatore() {
  switch (puntatore_) {
    case Clessidra: setCursor(Qt::WaitCursor); break;
    case Personalizzato:
      if (!icona_.isNull()) {
        setCursor(QCursor(icona_, 1, 1));
        break;
      }
      [[fallthrough]];
    default: setCursor(Qt::ArrowCursor); break;
  }
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, img_);
}

void PictureBox::resizeEvent(QResizeEvent* e) {
  if (img_.size() != size()) {
    QImage nuova(size(), QImage::Format_RGB32);
    nuova.fill(palette().color(QPalette::Base));
    QPainter p(&nuova);
    p.drawImage(0, 0, img_);
    img_ = nuova;
  }
  QWidget::resizeEvent(e);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  if (e->button() == Qt::LeftButton) premutoSinistro_ = true;
  Q_EMIT MouseDown(bottone(e->button()), statoShift(e->modifiers()), unitaX(e->position().x()),
                   unitaY(e->position().y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  Q_EMIT MouseMove(bottoni(e->buttons()), statoShift(e->modifiers()), unitaX(e->position().x()),
                   unitaY(e->position().y()));
}

// Qt delivers the second press of a double click as this event alone, and by
// default runs the press path with it; the grid has no double-click action,
// so the second click must neither press nor click again.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  Q_EMIT MouseUp(bottone(e->button()), statoShift(e->modifiers()), unitaX(e->position().x()),
                 unitaY(e->position().y()));
  if (e->button() == Qt::LeftButton && premutoSinistro_) {
    premutoSinistro_ = false;
    Q_EMIT Click();
  }
}

void PictureBox::keyPressEvent(QKeyEvent* e) {
  const int k = codiceTasto(*e);
  if (k == 0) {
    QWidget::keyPressEvent(e);
    return;
  }
  Q_EMIT KeyDown(k, statoShift(*e));
}

}  // namespace tessaro
