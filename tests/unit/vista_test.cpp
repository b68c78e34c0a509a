#include "schema/Vista.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(VistaArrotonda, MetaAlPari) {
  EXPECT_EQ(arrotonda(2.5), 2);
  EXPECT_EQ(arrotonda(3.5), 4);
  EXPECT_EQ(arrotonda(-2.5), -2);
  EXPECT_FALSE(cint16(32767.6).has_value());
  EXPECT_EQ(cint16(32767.4).value(), 32767);
}

TEST(VistaZoom, SchermoDa15360Twips) {
  Vista v = vistaIniziale(15360, 11520);
  EXPECT_EQ(v.LatoX, 461);  // 460.8
  EXPECT_EQ(v.LatoY, 461);
  EXPECT_EQ(v.PeriLeft, 4147);  // 4147.2
  EXPECT_EQ(v.PeriTop, 2189);   // 2188.8

  Vista g = v;
  ASSERT_EQ(zoomCelle(g, 1.1), EsitoZoom::Fatto);
  EXPECT_EQ(g.LatoX, 507);  // 507.1
  EXPECT_DOUBLE_EQ(g.FontLettere, 15 * 1.1);
  EXPECT_DOUBLE_EQ(g.FontNumeri, 7 * 1.1);

  Vista r = v;
  ASSERT_EQ(zoomCelle(r, 0.9), EsitoZoom::Fatto);
  EXPECT_EQ(r.LatoX, 415);  // 414.9
  EXPECT_EQ(r.LatoY, 415);
}

TEST(VistaZoom, RiduciSiFermaAllaCasellaMinima) {
  Vista v = vistaIniziale(15360, 11520);
  int passi = 0;
  while (zoomCelle(v, 0.9) == EsitoZoom::Fatto) ASSERT_LT(++passi, 100);
  EXPECT_GE(v.LatoX, LatoMinimo);
  EXPECT_LT(arrotonda(v.LatoX * 0.9), LatoMinimo);
}

TEST(VistaZoom, IngrandisciSi16BitSiFermaSenzaDanni) {
  Vista v = vistaIniziale(15360, 11520);
  // The box for 35 columns overflows 16 bits long before the cell does.
  int passi = 0;
  while (latoBox(v.LatoX, 35).has_value()) {
    ASSERT_EQ(zoomCelle(v, 1.1), EsitoZoom::Fatto);
    ASSERT_LT(++passi, 100);
  }
  EXPECT_GT(static_cast<long>(v.LatoX) * 35 + 2, 32767);
  // The cell size itself overflows only much later, and then the step stops.
  v.LatoX = 31000;
  EXPECT_EQ(zoomCelle(v, 1.1), EsitoZoom::Fermo);
  EXPECT_EQ(v.LatoX, 31000);
}

TEST(VistaFont, AdattaFinoAUnaCasellaEFermaAlMinimo) {
  Vista v;
  v.FontLettere = 15;
  // A font whose "A" is 1.2 cells at 15 points, proportional to the size.
  adattaFont(v, [](double f) { return f * 1.2 / 15; });
  EXPECT_LE(v.FontLettere * 1.2 / 15, 1.0);
  EXPECT_GT(v.FontLettere / 0.99 * 1.2 / 15, 1.0);

  Vista w;
  w.FontLettere = 15;
  adattaFont(w, [](double) { return 2.0; });  // never fits: must still end
  EXPECT_DOUBLE_EQ(w.FontLettere, FontMinimo);
}

}  // namespace
}  // namespace tessaro
