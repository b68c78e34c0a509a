#include "schema/Schema.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The numbers of the cells that start a run; "@" counts as black once the
// grid is normalised.
TEST(SchemaNumeri, CaselleCheInizianoUnaParola) {
  const struct {
    std::vector<std::string> righe;
    std::vector<int> numeri;
  } casi[] = {
      {{"??", "??"}, {1, 2, 3, 0}},
      // Closed in by black cells and edges: no number, corners included.
      {{"?\x10?", "\x10?\x10", "?\x10?"}, std::vector<int>(9, 0)},
      {{"\x10\x10\x10", "???", "???"}, {0, 0, 0, 1, 2, 3, 4, 0, 0}},
      {{"?@?", "???"}, {1, 0, 2, 3, 0, 0}},
  };
  for (const auto& k : casi) {
    Schema s;
    s.carica(static_cast<std::int16_t>(k.righe.size()), static_cast<std::int16_t>(k.righe[0].size()), k.righe);
    s.normalizzaNere();
    EXPECT_EQ(s.numeri(), k.numeri) << k.righe[0];
  }
}

TEST(SchemaModello, MaxLato) {
  Schema s;
  s.crea(25, 35);
  EXPECT_EQ((std::vector<std::size_t>{std::size_t(s.MaxLato), s.Griglia.size(), s.Griglia[24].size()}),
            (std::vector<std::size_t>{35, 25, 35}));
  s.crea(10, 10);
  EXPECT_EQ(s.MaxLato, 10);
}

}  // namespace
}  // namespace tessaro
