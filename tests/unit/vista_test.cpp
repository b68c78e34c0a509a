// The view arithmetic the window tests cannot reach: rounding, the grid
// position, and the stops of the zoom and of the font fitting. The window's
// zoom tests cover the cell sizes 461, 507 and 415 and the 16-bit box stop.
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

TEST(VistaZoom, PosizioneEFermate) {
  Vista v = vistaIniziale(15360, 11520);
  EXPECT_EQ(v.PeriLeft, 4147);  // 4147.2
  EXPECT_EQ(v.PeriTop, 2189);   // 2188.8
  Vista g = v;
  ASSERT_EQ(zoomCelle(g, 1.1), EsitoZoom::Fatto);
  EXPECT_DOUBLE_EQ(g.FontLettere, 15 * 1.1);
  EXPECT_DOUBLE_EQ(g.FontNumeri, 7 * 1.1);
  // Reducing stops at the smallest cell.
  int passi = 0;
  while (zoomCelle(v, 0.9) == EsitoZoom::Fatto) ASSERT_LT(++passi, 100);
  EXPECT_GE(v.LatoX, LatoMinimo);
  EXPECT_LT(arrotonda(v.LatoX * 0.9), LatoMinimo);
  // The cell size itself overflowing 16 bits stops the step.
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
