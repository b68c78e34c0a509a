// A picture box with a user scale (one unit per grid cell), lines, outlined
// and filled boxes, text at a position, text height in scale units and a
// persistent image that the widget repaints. Mouse and key events arrive in
// the program's terms: button codes 1 left / 2 right, the shift mask, X and Y
// in scale units, Windows virtual-key codes; a left press followed by its
// release raises MouseDown, MouseUp, then Click. The second press of a
// double click raises neither MouseDown nor Click, only its MouseUp.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace tessaro {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  enum Puntatore { Predefinito = 0, Clessidra = 11, Personalizzato = 99 };

  explicit PictureBox(QWidget* parent = nullptr);

  void setTwipsPerPixel(double t) { tpp_ = t; }
  // Places the box in twips, relative to its parent.
  void setGeometryTwips(int left, int top, int width, int height);
  void setScale(double larghezza, double altezza);
  double scaleWidth() const { return sw_; }
  double scaleHeight() const { return sh_; }

  void cls();
  void line(double x1, double y1, double x2, double y2, const QColor& c);
  void box(double x1, double y1, double x2, double y2, const QColor& c, bool pieno);
  // An outlined box drawn with a dashed pen, two pixels wide.
  void boxTratteggiato(double x1, double y1, double x2, double y2, const QColor& c);
  // Writes text with its top-left at (x, y) in the current font and colour.
  void print(double x, double y, const QString& testo);
  double textHeight(const QString& testo) const;

  void setFontName(const QString& nome);
  void setFontSize(double punti);
  double fontSize() const { return puntiFont_; }
  void setFontBold(bool b);
  void setForeColor(const QColor& c) { colore_ = c; }
  QColor foreColor() const { return colore_; }
  const QFont& fontGriglia() const { return font_; }

  void setMousePointer(int p);
  int mousePointer() const { return puntatore_; }
  void setMouseIcon(const QPixmap& p);

  const QImage& immagine() const { return img_; }
  // The pixel of scale point (x, y) in the image.
  QPoint inPixel(double x, double y) const;

 Q_SIGNALS:
  void MouseDown(int button, int shift, double x, double y);
  void MouseMove(int button, int shift, double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  void Click();
  void KeyDown(int keyCode, int shift);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab belongs to the grid

 private:
  double pxX(double x) const;
  double pxY(double y) const;
  double unitaX(double px) const;
  double unitaY(double py) const;
  void applicaFont();
  void applicaPuntatore();

  QImage img_;
  double sw_ = 1, sh_ = 1;
  double tpp_ = 15.0;
  QFont font_;
  double puntiFont_ = 10;
  QColor colore_ = Qt::black;
  int puntatore_ = Predefinito;
  QPixmap icona_;
  bool premutoSinistro_ = false;
};

}  // namespace tessaro
