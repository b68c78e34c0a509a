#include "clues/pagina/Pagina.h"

#include <QFont>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <vector>

namespace tessaro {

namespace {

QFont carattere(double punti, bool grassetto) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  f.setPointSizeF(punti);
  f.setBold(grassetto);
  return f;
}

QFont carattereCella(double pixel, bool grassetto) {
  QFont f = carattere(10, grassetto);
  f.setPixelSize(std::max(1, static_cast<int>(pixel)));
  return f;
}

// One "N. clue" entry placed on a page: column 0 across, 1 down. The clue
// wraps beside its number, not under it.
struct Voce {
  int pagina = 0;
  int colonna = 0;
  double y = 0, altezza = 0;
  QString numero, testo;
};

class Impaginazione {
 public:
  Impaginazione(QPainter& p, QPagedPaintDevice& d, const Pubblicazione& x)
      : p_(p), d_(d), x_(x), mm_(d.logicalDpiY() / 25.4), larghezza_(d.width()), altezza_(d.height()) {}

  void disegna() {
    double y = titolo(x_.titolo, QString());
    // The grid takes at most half the page, and never cells above 10 mm.
    const double lato = std::min({larghezza_ / x_.schema.Colonne, altezza_ * 0.5 / x_.schema.Righe, 10 * mm_});
    y = griglia(y, lato, false) + 8 * mm_;
    definizioni(y);
    if (!x_.soluzione) return;
    d_.newPage();
    y = titolo(x_.titolo, testi::Soluzione);
    griglia(y, std::min({larghezza_ / x_.schema.Colonne, (altezza_ - y) / x_.schema.Righe, 12 * mm_}), true);
  }

 private:
  // The title (and a subtitle) centred at the top; returns where the page
  // goes on.
  double titolo(const QString& testo, const QString& sotto) {
    double y = 0;
    for (const auto& [t, punti] : {std::pair{testo, 18.0}, std::pair{sotto, 13.0}}) {
      if (t.isEmpty()) continue;
      p_.setFont(carattere(punti, true));
      const QRectF r = p_.boundingRect(QRectF(0, y, larghezza_, altezza_), Qt::AlignHCenter | Qt::TextWordWrap, t);
      p_.drawText(QRectF(0, y, larghezza_, r.height()), Qt::AlignHCenter | Qt::TextWordWrap, t);
      y += r.height() + 2 * mm_;
    }
    return y + 3 * mm_;
  }

  double griglia(double y, double lato, bool conLettere) {
    const double w = lato * x_.schema.Colonne, h = lato * x_.schema.Righe;
    disegnaGriglia(p_, QRectF((larghezza_ - w) / 2, y, w, h), x_.schema, conLettere);
    return y + h;
  }

  // The two lists flow down their columns, on to further pages when the
  // first is full.
  void definizioni(double yInizio) {
    const double spazio = 8 * mm_;
    const double colonna = (larghezza_ - spazio) / 2;
    const QFont intestazione = carattere(11, true), voce = carattere(10, false), numero = carattere(10, true);
    const double rientro = QFontMetricsF(numero, &d_).horizontalAdvance(QStringLiteral("000. "));
    const double larghezzaTesto = colonna - rientro;
    p_.setFont(intestazione);
    const double hIntestazione = QFontMetricsF(intestazione, &d_).height() + 2 * mm_;
    if (yInizio + hIntestazione + 10 * mm_ > altezza_) {
      d_.newPage();
      yInizio = 0;
    }
    const Parole parole = paroleDi(x_.schema);
    std::vector<Voce> voci;
    int ultimaPagina = 0;
    p_.setFont(voce);
    for (int k = 0; k < 2; ++k) {
      const Verso verso = k == 0 ? Verso::Orizzontale : Verso::Verticale;
      int pagina = 0;
      double y = yInizio + hIntestazione;
      for (const Parola& w : parole.di(verso)) {
        const QString t = QString::fromStdString(x_.definizioni.testo(verso, w.riga, w.colonna));
        const double h = std::max(p_.boundingRect(QRectF(0, 0, larghezzaTesto, altezza_), Qt::TextWordWrap, t).height(),
                                  QFontMetricsF(voce, &d_).height()) +
                         0.8 * mm_;
        // A line that does not fit goes to the next page (unless the page
        // is still empty: a clue taller than a page is cut, not repeated).
        if (y + h > altezza_ && y > 0) {
          ++pagina;
          y = 0;
        }
        voci.push_back({pagina, k, y, h, QString::number(w.numero) + QLatin1Char('.'), t});
        y += h;
        ultimaPagina = std::max(ultimaPagina, pagina);
      }
    }
    for (int pagina = 0; pagina <= ultimaPagina; ++pagina) {
      if (pagina > 0) d_.newPage();
      if (pagina == 0) {
        p_.setFont(intestazione);
        p_.drawText(QRectF(0, yInizio, colonna, hIntestazione), Qt::AlignLeft | Qt::AlignTop, testi::Orizzontali);
        p_.drawText(QRectF(colonna + spazio, yInizio, colonna, hIntestazione), Qt::AlignLeft | Qt::AlignTop,
                    testi::Verticali);
      }
      for (const Voce& v : voci) {
        if (v.pagina != pagina) continue;
        const double x = v.colonna * (colonna + spazio);
        p_.setFont(numero);
        p_.drawText(QRectF(x, v.y, rientro, v.altezza), Qt::AlignLeft | Qt::AlignTop, v.numero);
        p_.setFont(voce);
        p_.drawText(QRectF(x + rientro, v.y, larghezzaTesto, v.altezza), Qt::TextWordWrap, v.testo);
      }
    }
  }

  QPainter& p_;
  QPagedPaintDevice& d_;
  const Pubblicazione& x_;
  double mm_;
  double larghezza_, altezza_;
};

}  // namespace

QSize misuraImmagine(const Schema& s) {
  return {s.Colonne * LatoCellaImmagine + 2 * MargineImmagine, s.Righe * LatoCellaImmagine + 2 * MargineImmagine};
}

QPageSize formatoPagina(Carta c) { return QPageSize(c == Carta::Letter ? QPageSize::Letter : QPageSize::A4); }

void disegnaGriglia(QPainter& p, const QRectF& area, const Schema& s, bool conLettere) {
  if (!s.esiste()) return;
  const double lato = std::min(area.width() / s.Colonne, area.height() / s.Righe);
  const QPointF o = area.topLeft();
  const auto cella = [&](int r, int c) { return QRectF(o.x() + c * lato, o.y() + r * lato, lato, lato); };
  p.save();
  p.fillRect(QRectF(o, QSizeF(lato * s.Colonne, lato * s.Righe)), Qt::white);
  const std::vector<int> numeri = s.numeri();
  const QFont numero = carattereCella(lato * 0.28, false), lettera = carattereCella(lato * 0.58, true);
  for (int r = 0; r < s.Righe; ++r) {
    for (int c = 0; c < s.Colonne; ++c) {
      const char ch = s.cella(r, c);
      const QRectF q = cella(r, c);
      if (eNera(ch) || ch == CellaNeraAlt) {
        p.fillRect(q, Qt::black);
        continue;
      }
      p.setPen(Qt::black);
      if (const int n = numeri[static_cast<std::size_t>(r * s.Colonne + c)]; n > 0) {
        p.setFont(numero);
        p.drawText(q.adjusted(lato * 0.06, lato * 0.02, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(n));
      }
      if (conLettere && ch >= 'A' && ch <= 'Z') {
        p.setFont(lettera);
        p.drawText(q.adjusted(0, lato * 0.14, 0, 0), Qt::AlignCenter, QString(QLatin1Char(ch)));
      }
    }
  }
  // Thin lines between the cells, a thicker frame around the grid.
  const double sottile = std::max(1.0, lato * 0.025);
  p.setPen(QPen(Qt::black, sottile));
  for (int r = 1; r < s.Righe; ++r) p.drawLine(cella(r, 0).topLeft(), cella(r, s.Colonne - 1).topRight());
  for (int c = 1; c < s.Colonne; ++c) p.drawLine(cella(0, c).topLeft(), cella(s.Righe - 1, c).bottomLeft());
  p.setPen(QPen(Qt::black, sottile * 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(QRectF(o, QSizeF(lato * s.Colonne, lato * s.Righe)));
  p.restore();
}

bool disegnaPagine(QPagedPaintDevice& dispositivo, const Pubblicazione& x) {
  if (!x.schema.esiste()) return false;
  QPainter p;
  if (!p.begin(&dispositivo)) return false;
  Impaginazione(p, dispositivo, x).disegna();
  return p.end();
}

bool scriviPdf(QIODevice& out, const Pubblicazione& x) {
  QPdfWriter pdf(&out);
  pdf.setResolution(600);
  pdf.setPageSize(formatoPagina(x.carta));
  pdf.setPageMargins(QMarginsF(MarginePaginaMm, MarginePaginaMm, MarginePaginaMm, MarginePaginaMm),
                     QPageLayout::Millimeter);
  pdf.setTitle(x.titolo);
  pdf.setCreator(QStringLiteral("Tessaro"));
  return disegnaPagine(pdf, x);
}

bool scriviSvg(QIODevice& out, const Pubblicazione& x) {
  if (!x.schema.esiste()) return false;
  const QSize misura = misuraImmagine(x.schema);
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(misura);
  svg.setViewBox(QRect(QPoint(0, 0), misura));
  svg.setResolution(96);
  svg.setTitle(x.titolo);
  QPainter p;
  if (!p.begin(&svg)) return false;
  p.fillRect(QRect(QPoint(0, 0), misura), Qt::white);
  disegnaGriglia(p, QRectF(MargineImmagine, MargineImmagine, x.schema.Colonne * LatoCellaImmagine,
                           x.schema.Righe * LatoCellaImmagine),
                 x.schema, x.soluzione);
  return p.end();
}

bool scriviPng(QIODevice& out, const Pubblicazione& x) {
  if (!x.schema.esiste()) return false;
  QImage immagine(misuraImmagine(x.schema), QImage::Format_RGB32);
  immagine.fill(Qt::white);
  {
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    disegnaGriglia(p, QRectF(MargineImmagine, MargineImmagine, x.schema.Colonne * LatoCellaImmagine,
                             x.schema.Righe * LatoCellaImmagine),
                   x.schema, x.soluzione);
  }
  return immagine.save(&out, "PNG");
}

}  // namespace tessaro
