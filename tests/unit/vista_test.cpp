// The view arithmetic the window tests cannot reach: rounding, the grid
// position, the start cell side on wide screens, and the stops of the zoom
// and of the font fitting. The window's zoom tests cover the cell sizes 461,
// 507 and 415 and the 16-bit box stop.
#include "schema/Vista.h"

#include <gtest/gtest.h>

#include <tuple>

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
  ASSERT_EQ(zoomCelle(g, 1.1, 15, 15), EsitoZoom::Fatto);
  EXPECT_DOUBLE_EQ(g.FontLettere, 15 * 1.1);
  EXPECT_DOUBLE_EQ(g.FontNumeri, 7 * 1.1);
  // Reducing stops at the smallest cell.
  int passi = 0;
  while (zoomCelle(v, 0.9, 15, 15) == EsitoZoom::Fatto) ASSERT_LT(++passi, 100);
  EXPECT_GE(v.LatoX, LatoMinimo);
  EXPECT_LT(arrotonda(v.LatoX * 0.9), LatoMinimo);
  // A cell side or a box side past 16 bits stops the step before anything
  // changes: 936 x 35 + 2 fits, 1030 x 35 + 2 does not.
  for (const auto& [lato, righe, colonne] : {std::tuple{31000, 2, 2}, {936, 2, 35}, {936, 35, 2}}) {
    Vista w;
    w.LatoX = w.LatoY = static_cast<std::int16_t>(lato);
    EXPECT_EQ(zoomCelle(w, 1.1, righe, colonne), EsitoZoom::Fermo);
    EXPECT_EQ(std::tuple(w.LatoX, w.LatoY, w.FontLettere, w.FontNumeri), std::tuple(lato, lato, 15.0, 7.0));
  }
}

// The start side on screens 15360 (1024 pixels), 38400 (2560) and 57600
// (3840) twips wide: W x 0.03 while the box fits, else the largest side that
// keeps it within 16 bits and within the room beside the result list.
TEST(VistaInizio, LatoPerSchermoEGriglia) {
  const struct {
    int W, righe, colonne;
    Spazio spazio;
    int lato;
  } casi[] = {
      {15360, 25, 35, {}, 461},     // 35 x 461 + 2 = 16137
      {38400, 15, 28, {}, 1152},    // 28 x 1152 + 2 = 32258
      {38400, 15, 29, {}, 1129},    // 29 x 1152 would pass 32767
      {38400, 25, 35, {}, 936},
      {38400, 35, 25, {}, 936},     // rows count the same
      {57600, 15, 18, {}, 1728},
      {57600, 15, 19, {}, 1724},    // a 4K screen from 19 columns on
      {15360, 15, 15, {11000, 9000}, 461},
      {15360, 25, 35, {11000, 9000}, 314},   // (11000 - 2) / 35
      {38400, 25, 35, {27000, 17000}, 679},  // (17000 - 2) / 25
      {15360, 25, 35, {3000, 3000}, LatoMinimo},
  };
  for (const auto& c : casi) {
    const Vista v = vistaIniziale(c.W, c.W * 9 / 16);
    const std::int16_t lato = latoIniziale(v.LatoX, c.righe, c.colonne, c.spazio);
    EXPECT_EQ(lato, c.lato) << c.W << ' ' << c.righe << 'x' << c.colonne << ' ' << c.spazio.larghezza;
    EXPECT_TRUE(latoBox(lato, std::max(c.righe, c.colonne)));
  }
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
