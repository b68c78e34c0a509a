#include "schema/Vista.h"

#include <algorithm>

namespace tessaro {

Vista vistaIniziale(int W, int H) {
  Vista v;
  v.PeriLeft = cint16(W * 0.27).value_or(0);
  v.PeriTop = cint16(H * 0.19).value_or(0);
  v.LatoX = cint16(W * 0.03).value_or(0);
  v.LatoY = v.LatoX;
  v.FontLettere = FontLettereIniziale;
  v.FontNumeri = FontNumeriIniziale;
  return v;
}

std::optional<std::int16_t> latoBox(std::int16_t lato, int celle) {
  const long l = static_cast<long>(lato) * celle + 2;
  if (l > 32767) return std::nullopt;
  return static_cast<std::int16_t>(l);
}

std::int16_t latoIniziale(std::int16_t lato, int righe, int colonne, Spazio spazio) {
  if (righe <= 0 || colonne <= 0) return lato;
  // The box is a side times the cells plus the two border twips.
  long l = std::min<long>(lato, (32767 - 2) / std::max(righe, colonne));
  if (spazio.larghezza > 0 && spazio.altezza > 0) {
    const long entro = std::min((spazio.larghezza - 2L) / colonne, (spazio.altezza - 2L) / righe);
    l = std::min(l, std::max<long>(entro, LatoMinimo));
  }
  return static_cast<std::int16_t>(l);
}

EsitoZoom zoomCelle(Vista& v, double fattore, int righe, int colonne) {
  const auto x = cint16(v.LatoX * fattore);
  const auto y = cint16(v.LatoY * fattore);
  if (!x || !y || !latoBox(*x, colonne) || !latoBox(*y, righe)) return EsitoZoom::Fermo;
  if (fattore < 1 && *x < LatoMinimo) return EsitoZoom::Fermo;
  v.LatoX = *x;
  v.LatoY = *y;
  v.FontLettere *= fattore;
  v.FontNumeri *= fattore;
  if (v.FontNumeri < FontMinimo) v.FontNumeri = FontMinimo;
  return EsitoZoom::Fatto;
}

void adattaFont(Vista& v, const std::function<double(double)>& altezzaA) {
  while (v.FontLettere > FontMinimo && altezzaA(v.FontLettere) > 1) {
    v.FontLettere *= 0.99;
    if (v.FontLettere < FontMinimo) v.FontLettere = FontMinimo;
  }
}

}  // namespace tessaro
