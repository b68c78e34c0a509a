#include "schema/Schema.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

Schema daRighe(std::vector<std::string> righe) {
  Schema s;
  const auto r = static_cast<std::int16_t>(righe.size());
  const auto c = static_cast<std::int16_t>(righe.front().size());
  s.carica(r, c, std::move(righe));
  return s;
}

TEST(SchemaNumeri, DuePerDueDaUnoATre) {
  Schema s;
  s.crea(2, 2);
  EXPECT_EQ(s.numeri(), (std::vector<int>{1, 2, 3, 0}));
}

TEST(SchemaNumeri, CasellaChiusaDaNereNonHaNumero) {
  // The middle cell is closed by black cells on all four sides.
  auto s = daRighe({"?\x10?", "\x10?\x10", "?\x10?"});
  // Corner cells are closed too: each has only black or edge neighbours.
  EXPECT_EQ(s.numeri(), std::vector<int>(9, 0));
}

TEST(SchemaNumeri, RigaTuttaNeraNonDaNumeri) {
  auto s = daRighe({"\x10\x10\x10", "???", "???"});
  // Row 1 starts a horizontal word at column 0 and vertical ones at 1 and 2.
  EXPECT_EQ(s.numeri(), (std::vector<int>{0, 0, 0, 1, 2, 3, 4, 0, 0}));
}

TEST(SchemaNumeri, NeraAlternativaContaComeNeraDopoNormalizzazione) {
  auto s = daRighe({"?@?", "???"});
  s.normalizzaNere();
  EXPECT_EQ(s.Griglia[0][1], CellaNera);
  // (0,0) starts only a vertical word; (0,2) likewise.
  EXPECT_EQ(s.numeri(), (std::vector<int>{1, 0, 2, 3, 0, 0}));
}

TEST(SchemaModello, MaxLato) {
  Schema s;
  s.crea(25, 35);
  EXPECT_EQ(s.MaxLato, 35);
  EXPECT_EQ(s.Griglia.size(), 25u);
  EXPECT_EQ(s.Griglia[24].size(), 35u);
  s.crea(10, 10);
  EXPECT_EQ(s.MaxLato, 10);
}

}  // namespace
}  // namespace tessaro
