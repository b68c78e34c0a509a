#include "platform/Images.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaro {

namespace {

const QColor Inchiostro(20, 20, 20);
const QColor Blu(30, 80, 200);
const QColor Rosso(200, 30, 30);
const QColor Verde(20, 140, 60);

// A small grid of n x n cells inside r, with the given cells black.
void griglia(QPainter& p, const QRectF& r, int n, std::initializer_list<int> nere) {
  const double c = r.width() / n;
  for (int k : nere) p.fillRect(QRectF(r.left() + (k % n) * c, r.top() + (k / n) * c, c, c), Inchiostro);
  p.setPen(QPen(Inchiostro, std::max(1.0, r.width() / 24)));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i <= n; ++i) {
    p.drawLine(QPointF(r.left() + i * c, r.top()), QPointF(r.left() + i * c, r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + i * c), QPointF(r.right(), r.top() + i * c));
  }
}

void penna(QPainter& p, QPointF punta, double lung, double angolo) {
  p.save();
  p.translate(punta);
  p.rotate(angolo);
  const double w = lung / 4.5;
  QPainterPath corpo;
  corpo.moveTo(0, 0);
  corpo.lineTo(w, -w / 2);
  corpo.lineTo(lung, -w / 2);
  corpo.lineTo(lung, w / 2);
  corpo.lineTo(w, w / 2);
  corpo.closeSubpath();
  p.setPen(QPen(Inchiostro, 1));
  p.setBrush(QColor(240, 200, 60));
  p.drawPath(corpo);
  p.setBrush(Inchiostro);
  p.drawEllipse(QPointF(w / 3, 0), w / 5, w / 5);
  p.restore();
}

void lente(QPainter& p, QPointF centro, double raggio) {
  p.setPen(QPen(Inchiostro, std::max(1.5, raggio / 3)));
  p.setBrush(QColor(200, 230, 255, 200));
  p.drawEllipse(centro, raggio, raggio);
  const QPointF a = centro + QPointF(raggio * 0.7, raggio * 0.7);
  p.setPen(QPen(Inchiostro, std::max(2.0, raggio / 2), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, a + QPointF(raggio * 0.9, raggio * 0.9));
}

void freccia(QPainter& p, const QRectF& r, bool indietro) {
  p.save();
  if (!indietro) {
    p.translate(r.center().x() * 2, 0);
    p.scale(-1, 1);
  }
  QPainterPath arco;
  arco.moveTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.45);
  arco.cubicTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.1, r.right(), r.top() + r.height() * 0.2,
               r.right() - r.width() * 0.1, r.bottom() - r.height() * 0.15);
  p.setPen(QPen(Blu, std::max(2.0, r.width() / 9), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arco);
  QPainterPath punta;
  const QPointF t(r.left() + r.width() * 0.12, r.top() + r.height() * 0.55);
  punta.moveTo(t);
  punta.lineTo(t + QPointF(r.width() * 0.36, -r.height() * 0.02));
  punta.lineTo(t + QPointF(r.width() * 0.12, -r.height() * 0.34));
  punta.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Blu);
  p.drawPath(punta);
  p.restore();
}

void lettere(QPainter& p, const QRectF& r, const QString& t, const QColor& c, double scala = 0.5) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setBold(true);
  f.setPixelSize(std::max(6, static_cast<int>(r.height() * scala)));
  p.setFont(f);
  p.setPen(c);
  p.drawText(r, Qt::AlignCenter, t);
}

}  // namespace

QPixmap immagineStrumento(int n, int lato) {
  QPixmap pm(lato, lato);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = lato;
  const QRectF tutto(1, 1, s - 2, s - 2);
  switch (n) {
    case 1:  // anagrams: two letter tiles swapping places
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(QColor(255, 240, 190));
      p.drawRect(QRectF(1, s * 0.1, s * 0.45, s * 0.45));
      p.drawRect(QRectF(s * 0.52, s * 0.45, s * 0.45, s * 0.45));
      lettere(p, QRectF(1, s * 0.1, s * 0.45, s * 0.45), QStringLiteral("A"), Inchiostro, 0.35);
      lettere(p, QRectF(s * 0.52, s * 0.45, s * 0.45, s * 0.45), QStringLiteral("R"), Inchiostro, 0.35);
      p.setPen(QPen(Blu, std::max(1.0, s / 14)));
      p.drawArc(QRectF(s * 0.2, s * 0.05, s * 0.65, s * 0.7), 30 * 16, 100 * 16);
      p.drawArc(QRectF(s * 0.15, s * 0.3, s * 0.65, s * 0.7), 210 * 16, 100 * 16);
      break;
    case 2:  // thesaurus: an open book with "=" and "<>"
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(QColor(250, 250, 240));
      p.drawRect(QRectF(s * 0.05, s * 0.15, s * 0.43, s * 0.7));
      p.drawRect(QRectF(s * 0.52, s * 0.15, s * 0.43, s * 0.7));
      lettere(p, QRectF(s * 0.05, s * 0.15, s * 0.43, s * 0.7), QStringLiteral("="), Verde, 0.45);
      lettere(p, QRectF(s * 0.52, s * 0.15, s * 0.43, s * 0.7), QStringLiteral("\u2260"), Rosso, 0.45);
      break;
    case 3:  // spelling: "abc" with a check mark
      lettere(p, QRectF(0, 0, s, s * 0.6), QStringLiteral("abc"), Inchiostro, 0.45);
      p.setPen(QPen(Verde, std::max(2.0, s / 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(s * 0.25, s * 0.72), QPointF(s * 0.42, s * 0.9), QPointF(s * 0.8, s * 0.55)}));
      break;
    case 4:  // not available: a dimmed circle with a bar
      p.setPen(QPen(QColor(150, 150, 150), std::max(1.5, s / 12)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(tutto.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12));
      p.drawLine(QPointF(s * 0.3, s * 0.3), QPointF(s * 0.7, s * 0.7));
      break;
    case 5:  // blacken or whiten a cell
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(Inchiostro);
      p.drawRect(QRectF(s * 0.12, s * 0.12, s * 0.62, s * 0.62));
      p.setPen(QPen(Qt::white, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(s * 0.17, s * 0.17, s * 0.52, s * 0.52));
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(s * 0.5, s * 0.5, s * 0.45, s * 0.45));
      break;
    case 6:  // write a row
      griglia(p, QRectF(1, s * 0.55, s - 2, (s - 2) / 3), 3, {});
      penna(p, QPointF(s * 0.2, s * 0.45), s * 0.75, -20);
      p.setPen(QPen(Rosso, std::max(1.5, s / 14)));
      p.drawLine(QPointF(s * 0.1, s * 0.95), QPointF(s * 0.9, s * 0.95));
      break;
    case 7:  // write a column
      griglia(p, QRectF(1, 1, (s - 2) / 3, s - 2), 1, {});
      p.setPen(QPen(Inchiostro, 1));
      for (int i = 1; i < 3; ++i) p.drawLine(QPointF(1, s * i / 3), QPointF((s - 2) / 3 + 1, s * i / 3));
      penna(p, QPointF(s * 0.45, s * 0.25), s * 0.7, -60);
      p.setPen(QPen(Rosso, std::max(1.5, s / 14)));
      p.drawLine(QPointF(s * 0.42, s * 0.95), QPointF(s * 0.42, s * 0.5));
      break;
    case 8:  // clear a cell: an eraser
      p.save();
      p.translate(s * 0.5, s * 0.5);
      p.rotate(-35);
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(QColor(240, 120, 140));
      p.drawRect(QRectF(-s * 0.4, -s * 0.18, s * 0.5, s * 0.36));
      p.setBrush(QColor(120, 160, 240));
      p.drawRect(QRectF(s * 0.1, -s * 0.18, s * 0.3, s * 0.36));
      p.restore();
      break;
    case 9:  // suggest a row
      griglia(p, QRectF(1, s * 0.05, s - 2, (s - 2) / 3), 3, {});
      lente(p, QPointF(s * 0.4, s * 0.62), s * 0.18);
      break;
    case 10:  // suggest a column
      griglia(p, QRectF(1, 1, (s - 2) / 3, (s - 2) / 3), 1, {});
      p.setPen(QPen(Inchiostro, 1));
      p.drawRect(QRectF(1, 1, (s - 2) / 3, s - 2));
      p.drawLine(QPointF(1, s * 2 / 3), QPointF((s - 2) / 3 + 1, s * 2 / 3));
      lente(p, QPointF(s * 0.62, s * 0.45), s * 0.18);
      break;
    case 11: {  // crossing: a plus of cells with the centre marked
      const double c = (s - 2) / 3;
      p.setPen(QPen(Inchiostro, 1));
      p.setBrush(Qt::white);
      for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}})
        p.drawRect(QRectF(1 + x * c, 1 + y * c, c, c));
      p.setBrush(QColor(255, 210, 60));
      p.drawRect(QRectF(1 + c, 1 + c, c, c));
      lettere(p, QRectF(1 + c, 1 + c, c, c), QStringLiteral("?"), Rosso, 0.8);
      break;
    }
    case 12: freccia(p, tutto, true); break;
    case 13: freccia(p, tutto, false); break;
    default: break;
  }
  return pm;
}

std::vector<QIcon> listaImmagini(int lato) {
  std::vector<QIcon> v;
  for (int n = 1; n <= 13; ++n) v.emplace_back(immagineStrumento(n, lato));
  return v;
}

QPixmap cursoreStrumento(int modo) {
  // The tool's own picture, small, beside an arrow tip at the hot spot.
  static const int immagine[] = {5, 9, 10, 6, 7, 8, 11};
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath punta;
  punta.moveTo(1, 1);
  punta.lineTo(1, 13);
  punta.lineTo(4.5, 9.5);
  punta.lineTo(9, 9);
  punta.closeSubpath();
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Inchiostro);
  p.drawPath(punta);
  if (modo >= 0 && modo <= 6) p.drawPixmap(12, 12, immagineStrumento(immagine[modo], 19));
  return pm;
}

QPixmap cursorePredefinito() { return cursoreStrumento(-1); }

QPixmap immagineTessera(int lato) {
  QPixmap pm(lato, lato);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  griglia(p, QRectF(1, 1, lato - 2, lato - 2), 3, {2, 6});
  lettere(p, QRectF(1, 1, (lato - 2) / 3.0, (lato - 2) / 3.0), QStringLiteral("T"), Rosso, 0.9);
  return pm;
}

QPixmap immagineSplash(int larghezza, int altezza) {
  QPixmap pm(larghezza, altezza);
  pm.fill(QColor(255, 255, 128));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double c = altezza / 9.0;
  const QString parola = QStringLiteral("TESSARO");
  const double x0 = (larghezza - c * parola.size()) / 2;
  for (int i = 0; i < parola.size(); ++i) {
    const QRectF r(x0 + i * c, c * 2, c, c);
    p.setPen(QPen(Inchiostro, 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    lettere(p, r, parola.mid(i, 1), Inchiostro, 0.7);
  }
  for (int i = 0; i < 3; ++i) {
    p.setBrush(Inchiostro);
    p.drawRect(QRectF(x0 + (i * 3 + 1) * c, c * 3, c, c));
  }
  lettere(p, QRectF(0, c * 5, larghezza, c), QStringLiteral("CRUCIVERBA"), Rosso, 0.6);
  lettere(p, QRectF(0, c * 6.4, larghezza, c * 0.8), QStringLiteral("Attendere..."), Inchiostro, 0.45);
  return pm;
}

}  // namespace tessaro
