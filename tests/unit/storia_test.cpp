#include "history/Storia.h"

#include <gtest/gtest.h>

#include <climits>

#include "schema/Schema.h"

namespace tessaro {
namespace {

// An undo or redo step as one line: success, the touched cells in order, the
// new cursor, the two buttons (. unchanged, + enabled, x disabled) and panel 2.
std::string passo(const EsitoPasso& e) {
  const auto cella = [](const Casella& c) { return std::to_string(c.riga) + "," + std::to_string(c.colonna); };
  const auto tasto = [](StatoPulsante s) { return s == StatoPulsante::Abilita ? '+' : s == StatoPulsante::Disabilita ? 'x' : '.'; };
  std::string t = e.riuscito ? "ok" : "KO";
  for (const Casella& c : e.toccate) t += " " + cella(c);
  t += " > " + (e.corrente ? cella(*e.corrente) : "-") + " " + tasto(e.a7) + tasto(e.a8) + " [" + e.pannello2 + "]";
  return t;
}

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

TEST_F(StoriaTest, StessaLetteraOFuoriSchemaNonRegistra) {
  ASSERT_TRUE(digita(1, 1, 'A').registrata);
  EXPECT_FALSE(st.svuotaSeAlLimite());  // not at the limit
  const auto e = digita(1, 1, 'A');
  EXPECT_TRUE(e.invariata && !e.registrata && !e.segnaModifica);
  EXPECT_EQ(st.NumStoria, 3);
  // Out of the grid: nothing recorded, but the change is still flagged.
  const Schema prima = s;
  for (auto [r, c] : {std::pair{5, 0}, {0, 5}, {-1, 0}, {0, -1}, {INT_MIN, INT_MAX}, {1000, 2}}) {
    const auto x = digita(r, c, 'Z');
    EXPECT_TRUE(!x.invariata && !x.registrata && x.segnaModifica) << r << "," << c;
  }
  EXPECT_EQ(st.NumStoria, 3);
  EXPECT_EQ(s.Griglia, prima.Griglia);
}

// Typing CANE and undoing it letter by letter is a window test.
TEST_F(StoriaTest, TrasferimentoSiAnnullaESiRipristinaInUnColpo) {
  trasferisci(2, 0, "CASA");
  EXPECT_EQ(passo(st.annulla(s)), "ok 2,3 2,2 2,1 2,0 > 2,0 x+ [ Annullo n. 1 ]");
  EXPECT_EQ(riga(2), "?????");
  EXPECT_EQ(passo(st.ripristina(s)), "ok 2,0 2,1 2,2 2,3 > 2,3 +x [ Ripristino n. 4 ]");
  EXPECT_EQ(riga(2), "CASA?");
  // The exchanged codes still undo correctly a second time.
  st.annulla(s);
  EXPECT_EQ(riga(2), "?????");
  // Reverting a transfer before the next one leaves the cursor alone.
  trasferisci(1, 1, "RE");
  const auto g = st.annullaGruppo(s, false);
  EXPECT_FALSE(g.corrente.has_value());
  EXPECT_EQ(g.toccate.size(), 2u);
  EXPECT_EQ(st.NumStoria, 0);
  trasferisci(1, 1, "RE");
  EXPECT_EQ(st.annullaGruppo(s, true).corrente, (Casella{1, 1}));
}

TEST_F(StoriaTest, TrasferimentoSuCaselleGiaPieneRegistraSoloLeCambiate) {
  digita(0, 0, 'C');
  digita(0, 1, 'A');
  trasferisci(0, 0, "CASA");
  EXPECT_EQ(st.NumStoria, 12);
  EXPECT_EQ(st.annulla(s).toccate, std::vector<Casella>({{0, 3}, {0, 2}}));
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
  EXPECT_EQ(passo(st.ripristina(s)), "ok > - +x [ Ripristino n. 2 ]");
  EXPECT_EQ(s.Griglia, prima.Griglia);
}

TEST_F(StoriaTest, LaCentunesimaModificaSvuotaLaStoriaEVieneRegistrataDaSola) {
  for (int i = 0; i < 100; ++i) {
    const auto e = digita(i % 5, (i / 5) % 5, static_cast<char>('A' + i / 25));
    ASSERT_TRUE(e.registrata && !e.azzerata) << i;
  }
  EXPECT_EQ(st.NumStoria, LimiteStoria);
  const Schema alLimite = s;

  const auto e = digita(4, 4, 'Z');
  EXPECT_TRUE(e.azzerata && e.registrata);
  EXPECT_EQ(st.NumStoria, 3);
  EXPECT_EQ(st.TopStoria, 3);
  EXPECT_EQ(st.Slot[0], 1004);
  EXPECT_EQ(st.Slot[3], 0);  // the older records are gone

  digita(0, 0, 'Q');
  st.annulla(s);
  EXPECT_EQ(st.annulla(s).a7, StatoPulsante::Disabilita);
  EXPECT_EQ(s.Griglia, alLimite.Griglia);
  // Nothing older can be undone.
  EXPECT_TRUE(st.annulla(s).toccate.empty());
  EXPECT_EQ(s.Griglia, alLimite.Griglia);

  st.NumStoria = st.TopStoria = LimiteStoria;
  EXPECT_TRUE(st.svuotaSeAlLimite());
  EXPECT_EQ(st.NumStoria + st.TopStoria, 0);
}

TEST_F(StoriaTest, GruppoIniziatoPrimaDelloSvuotamentoSiEsaurisceAZero) {
  // A group that straddles the emptying has no first record left.
  st.NumStoria = st.TopStoria = LimiteStoria;
  st.apriGruppo();
  st.SegnoGruppo = 0;  // the group opened before the limit
  st.aggior(s, 0, 0, 'A');
  st.aggior(s, 0, 1, 'B');
  EXPECT_EQ(passo(st.annulla(s)), "ok 0,1 0,0 > 0,0 x+ [ Annullo n. 1 ]");
  EXPECT_EQ(st.NumStoria, 0);
  EXPECT_EQ(riga(0), "?????");
}

// Robustness: a damaged record never writes outside the grid.
TEST_F(StoriaTest, RecordDanneggiatoNonScriveELasciaStoriaCoerente) {
  trasferisci(0, 0, "ABC");
  Schema piccolo;
  piccolo.crea(2, 2);
  EXPECT_EQ(passo(st.annulla(piccolo)), "KO > - .. []");  // column 2 is outside a 2 x 2 grid
  EXPECT_EQ(st.NumStoria, 9);
  // Row 40, row -7, a code no character has.
  for (auto [i, v] : {std::pair{6, 40}, {6, -7}, {8, 300}}) {
    const auto vecchio = st.Slot[i];
    st.Slot[i] = v;
    EXPECT_FALSE(st.annulla(s).riuscito) << i << "=" << v;
    st.Slot[i] = vecchio;
  }
  EXPECT_EQ(riga(0), "ABC??");
  // Damaged in the middle of a group: the history stays coherent.
  st.Slot[1] = 99;  // the group's first record points outside the grid
  const auto u = st.annulla(s);
  EXPECT_FALSE(u.riuscito);
  EXPECT_EQ(u.toccate, std::vector<Casella>({{0, 2}, {0, 1}}));
  EXPECT_EQ(u.a8, StatoPulsante::Abilita);
  EXPECT_EQ(riga(0), "A????");
  EXPECT_EQ(st.NumStoria, 3);
  // The cells changed back are redone correctly.
  EXPECT_TRUE(st.ripristina(s).riuscito);
  EXPECT_EQ(riga(0), "ABC??");
}

TEST_F(StoriaTest, ContatoriFuoriMisuraNonIndirizzanoRecord) {
  digita(0, 0, 'A');
  st.NumStoria = 299;
  EXPECT_FALSE(st.annulla(s).riuscito);
  EXPECT_FALSE(st.ripristina(s).riuscito);
  st.NumStoria = -3;
  const auto e = digita(1, 1, 'B');  // treated as a full history
  EXPECT_TRUE(e.azzerata && e.registrata);
  EXPECT_EQ(st.NumStoria, 3);
  st.annulla(s);
  EXPECT_EQ(riga(1), "?????");
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

// An accepted fill of a whole 25 x 35 Schema is one record: one undo takes
// it back between ordinary edits, one redo writes it again, and an ordinary
// edit over it later records as before.
TEST(StoriaGruppo, UnRiempimentoInteroEUnSoloPasso) {
  Schema s;
  s.crea(25, 35);
  Storia st;
  st.apriGruppo();
  st.aggior(s, 0, 0, 'A');
  std::vector<CellaGruppo> cambi;
  for (std::int16_t r = 0; r < 25; ++r)
    for (std::int16_t c = 0; c < 35; ++c) cambi.push_back({r, c, static_cast<char>('A' + (r + c) % 26)});
  cambi.push_back({30, 1, 'X'});  // outside: left out
  const Schema prima = s;
  const EsitoAggior e = st.registraGruppo(s, cambi);
  EXPECT_TRUE(e.registrata && e.segnaModifica);
  EXPECT_EQ(st.NumStoria, 6);
  EXPECT_EQ(st.gruppo(3).size(), 874u);  // (0,0) already held its letter
  EXPECT_EQ(s.Griglia[24], "YZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFG");
  const Schema pieno = s;

  const EsitoPasso u = st.annulla(s);
  EXPECT_EQ(u.toccate.size(), 874u);
  EXPECT_EQ(u.pannello2, " Annullo n. 2 ");
  EXPECT_EQ(s.Griglia, prima.Griglia);
  const EsitoPasso r = st.ripristina(s);
  EXPECT_EQ(r.pannello2, " Ripristino n. 2 ");
  EXPECT_EQ(s.Griglia, pieno.Griglia);
  // The cursor goes to the fill's last cell, unless the caller keeps it.
  EXPECT_EQ(u.corrente, (Casella{24, 34}));
  Storia copia = st;
  Schema t = s;
  EXPECT_FALSE(copia.annullaGruppo(t, false).corrente.has_value());
  st.apriGruppo();
  st.aggior(s, 3, 3, '?');
  EXPECT_TRUE(st.annulla(s).riuscito);
  EXPECT_EQ(s.Griglia, pieno.Griglia);
  EXPECT_TRUE(st.annulla(s).riuscito);
  EXPECT_EQ(s.Griglia, prima.Griglia);
  // Nothing to change: nothing recorded.
  EXPECT_TRUE(st.registraGruppo(s, {{0, 0, 'A'}}).invariata);
  // A damaged count stops the undo with the anomaly, the grid untouched.
  st.ripristina(s);
  st.Slot[4] = 5;
  EXPECT_FALSE(st.annulla(s).riuscito);
  EXPECT_EQ(s.Griglia, pieno.Griglia);
}

}  // namespace
}  // namespace tessaro
