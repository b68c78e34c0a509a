#include "history/Storia.h"

#include <gtest/gtest.h>

#include <climits>

#include "schema/Schema.h"

namespace tessaro {
namespace {

class StoriaTest : public ::testing::Test {
 protected:
  StoriaTest() { s.crea(5, 5); }

  // One key press: a group of its own.
  EsitoAggior digita(int r, int c, char ch) {
    st.apriGruppo();
    return st.aggior(s, r, c, ch);
  }
  // One transferred word along row r from column c: one group.
  void trasferisci(int r, int c, std::string_view parola) {
    st.apriGruppo();
    for (char ch : parola) st.aggior(s, r, c++, ch);
  }
  std::string riga(int r) const { return s.Griglia[static_cast<std::size_t>(r)]; }

  Schema s;
  Storia st;
};

TEST_F(StoriaTest, StessaLetteraNonRegistraNulla) {
  ASSERT_TRUE(digita(1, 1, 'A').registrata);
  const auto e = digita(1, 1, 'A');
  EXPECT_TRUE(e.invariata);
  EXPECT_FALSE(e.registrata);
  EXPECT_FALSE(e.segnaModifica);
  EXPECT_EQ(st.NumStoria, 3);
}

TEST_F(StoriaTest, FuoriSchemaNonRegistraMaSegnaLaModifica) {
  const Schema prima = s;
  for (auto [r, c] : {std::pair{5, 0}, {0, 5}, {-1, 0}, {0, -1}, {INT_MIN, INT_MAX}, {1000, 2}}) {
    const auto e = digita(r, c, 'Z');
    EXPECT_FALSE(e.invariata);
    EXPECT_FALSE(e.registrata);
    EXPECT_TRUE(e.segnaModifica) << r << "," << c;
  }
  EXPECT_EQ(st.NumStoria, 0);
  EXPECT_EQ(s.Griglia, prima.Griglia);
}

TEST_F(StoriaTest, CaneDigitatoSiAnnullaUnaLetteraAllaVolta) {
  const std::string cane = "CANE";
  for (int c = 0; c < 4; ++c) digita(0, c, cane[static_cast<std::size_t>(c)]);
  EXPECT_EQ(riga(0), "CANE?");
  const char* attesi[] = {"CAN??", "CA???", "C????", "?????"};
  for (int n = 4; n >= 1; --n) {
    const auto e = st.annulla(s);
    ASSERT_TRUE(e.riuscito);
    EXPECT_EQ(riga(0), attesi[4 - n]);
    EXPECT_EQ(e.toccate, std::vector<Casella>({{0, n - 1}}));
    EXPECT_EQ(e.corrente, (Casella{0, n - 1}));
    EXPECT_EQ(e.pannello2, " Annullo n. " + std::to_string(n) + " ");
    EXPECT_EQ(e.a8, StatoPulsante::Abilita);
    EXPECT_EQ(e.a7, n == 1 ? StatoPulsante::Disabilita : StatoPulsante::Invariato);
  }
}

TEST_F(StoriaTest, TrasferimentoSiAnnullaESiRipristinaInUnColpo) {
  trasferisci(2, 0, "CASA");
  auto u = st.annulla(s);
  EXPECT_EQ(riga(2), "?????");
  EXPECT_EQ(u.toccate, std::vector<Casella>({{2, 3}, {2, 2}, {2, 1}, {2, 0}}));
  EXPECT_EQ(u.pannello2, " Annullo n. 1 ");
  EXPECT_EQ(u.a7, StatoPulsante::Disabilita);

  auto r = st.ripristina(s);
  EXPECT_EQ(riga(2), "CASA?");
  EXPECT_EQ(r.toccate, std::vector<Casella>({{2, 0}, {2, 1}, {2, 2}, {2, 3}}));
  EXPECT_EQ(r.corrente, (Casella{2, 3}));
  EXPECT_EQ(r.pannello2, " Ripristino n. 4 ");
  EXPECT_EQ(r.a7, StatoPulsante::Abilita);
  EXPECT_EQ(r.a8, StatoPulsante::Disabilita);

  // The exchanged codes still undo correctly a second time.
  st.annulla(s);
  EXPECT_EQ(riga(2), "?????");
}

TEST_F(StoriaTest, TrasferimentoSuCaselleGiaPieneRegistraSoloLeCambiate) {
  digita(0, 0, 'C');
  digita(0, 1, 'A');
  trasferisci(0, 0, "CASA");
  EXPECT_EQ(st.NumStoria, 12);
  const auto e = st.annulla(s);
  EXPECT_EQ(e.toccate, std::vector<Casella>({{0, 3}, {0, 2}}));
  EXPECT_EQ(riga(0), "CA???");
  st.annulla(s);
  EXPECT_EQ(riga(0), "C????");
}

TEST_F(StoriaTest, NuovaModificaDopoAnnulloTagliaIlRipristino) {
  digita(0, 0, 'A');
  digita(0, 1, 'B');
  st.annulla(s);
  digita(3, 3, CellaNera);
  EXPECT_EQ(st.TopStoria, st.NumStoria);
  const Schema prima = s;
  const auto r = st.ripristina(s);
  EXPECT_TRUE(r.toccate.empty());
  EXPECT_EQ(r.a8, StatoPulsante::Disabilita);
  EXPECT_EQ(s.Griglia, prima.Griglia);
  EXPECT_EQ(r.pannello2, " Ripristino n. 2 ");
}

TEST_F(StoriaTest, LaCentunesimaModificaSvuotaLaStoriaEVieneRegistrataDaSola) {
  for (int i = 0; i < 100; ++i) {
    const auto e = digita(i % 5, (i / 5) % 5, static_cast<char>('A' + i / 25));
    ASSERT_TRUE(e.registrata);
    ASSERT_FALSE(e.azzerata) << i;
  }
  EXPECT_EQ(st.NumStoria, LimiteStoria);
  const Schema alLimite = s;

  const auto e = digita(4, 4, 'Z');
  EXPECT_TRUE(e.azzerata);
  EXPECT_TRUE(e.registrata);
  EXPECT_EQ(st.NumStoria, 3);
  EXPECT_EQ(st.TopStoria, 3);
  EXPECT_EQ(st.Slot[0], 1004);
  EXPECT_EQ(st.Slot[3], 0);  // the older records are gone

  digita(0, 0, 'Q');
  st.annulla(s);
  auto u2 = st.annulla(s);
  EXPECT_EQ(u2.a7, StatoPulsante::Disabilita);
  EXPECT_EQ(s.Griglia, alLimite.Griglia);
  // Nothing older can be undone.
  const auto u3 = st.annulla(s);
  EXPECT_TRUE(u3.toccate.empty());
  EXPECT_EQ(s.Griglia, alLimite.Griglia);
}

TEST_F(StoriaTest, SvuotaSeAlLimiteSoloAlLimite) {
  digita(0, 0, 'A');
  EXPECT_FALSE(st.svuotaSeAlLimite());
  EXPECT_EQ(st.NumStoria, 3);
  st.NumStoria = st.TopStoria = LimiteStoria;
  EXPECT_TRUE(st.svuotaSeAlLimite());
  EXPECT_EQ(st.NumStoria, 0);
  EXPECT_EQ(st.TopStoria, 0);
}

TEST_F(StoriaTest, RevertDelTrasferimentoNonMuoveIlCursore) {
  trasferisci(1, 1, "RE");
  const auto g = st.annullaGruppo(s, false);
  EXPECT_FALSE(g.corrente.has_value());
  EXPECT_EQ(g.toccate.size(), 2u);
  EXPECT_EQ(st.NumStoria, 0);
  trasferisci(1, 1, "RE");
  EXPECT_EQ(st.annullaGruppo(s, true).corrente, (Casella{1, 1}));
}

TEST_F(StoriaTest, GruppoIniziatoPrimaDelloSvuotamentoSiEsaurisceAZero) {
  // A group that straddles the emptying has no first record left.
  st.NumStoria = st.TopStoria = LimiteStoria;
  st.apriGruppo();
  st.SegnoGruppo = 0;  // the group opened before the limit
  st.aggior(s, 0, 0, 'A');
  st.aggior(s, 0, 1, 'B');
  const auto u = st.annulla(s);
  EXPECT_TRUE(u.riuscito);
  EXPECT_EQ(u.toccate.size(), 2u);
  EXPECT_EQ(st.NumStoria, 0);
  EXPECT_EQ(riga(0), "?????");
}

// Robustness: a damaged record never writes outside the grid.
TEST_F(StoriaTest, RecordDanneggiatoDaFallimentoSenzaScrivere) {
  trasferisci(0, 0, "ABC");
  Schema piccolo;
  piccolo.crea(2, 2);
  const auto e = st.annulla(piccolo);  // column 2 is outside a 2 x 2 grid
  EXPECT_FALSE(e.riuscito);
  EXPECT_TRUE(e.pannello2.empty());
  EXPECT_TRUE(e.toccate.empty());
  EXPECT_EQ(st.NumStoria, 9);

  st.Slot[6] = 40;  // row 40
  EXPECT_FALSE(st.annulla(s).riuscito);
  st.Slot[6] = -7;
  EXPECT_FALSE(st.annulla(s).riuscito);
  st.Slot[6] = 0;
  st.Slot[8] = 300;  // no character has this code
  EXPECT_FALSE(st.annulla(s).riuscito);
  EXPECT_EQ(riga(0), "ABC??");
}

TEST_F(StoriaTest, RecordDanneggiatoAMetaGruppoLasciaStoriaCoerente) {
  trasferisci(0, 0, "ABC");
  st.Slot[1] = 99;  // the group's first record points outside the grid
  const auto u = st.annulla(s);
  EXPECT_FALSE(u.riuscito);
  EXPECT_EQ(u.toccate, std::vector<Casella>({{0, 2}, {0, 1}}));
  EXPECT_EQ(u.a8, StatoPulsante::Abilita);
  EXPECT_EQ(riga(0), "A????");
  EXPECT_EQ(st.NumStoria, 3);
  // The cells changed back are redone correctly.
  const auto r = st.ripristina(s);
  EXPECT_TRUE(r.riuscito);
  EXPECT_EQ(riga(0), "ABC??");
}

TEST_F(StoriaTest, ContatoriFuoriMisuraNonIndirizzanoRecord) {
  digita(0, 0, 'A');
  st.NumStoria = 299;
  EXPECT_FALSE(st.annulla(s).riuscito);
  EXPECT_FALSE(st.ripristina(s).riuscito);
  st.NumStoria = -3;
  const auto e = digita(1, 1, 'B');  // treated as a full history
  EXPECT_TRUE(e.azzerata);
  EXPECT_TRUE(e.registrata);
  EXPECT_EQ(st.NumStoria, 3);
  st.annulla(s);
  EXPECT_EQ(riga(1), "?????");
}

}  // namespace
}  // namespace tessaro
