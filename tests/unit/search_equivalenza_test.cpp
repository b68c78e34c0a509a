// The index must give exactly the walk's lines, in the walk's order, for any
// dictionary and any request: random dictionaries (vowel codes anywhere,
// comments splitting runs, short last entries, no final CR LF, a broken
// letter index) against random requests (fixed, free head, free tail, caps).
#include "DizionarioProva.h"
#include "search/Incrocio.h"
#include "search/LunghezzaLibera.h"
#include "search/Ricerca.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessaro {
namespace {

class Casuale {
 public:
  explicit Casuale(unsigned seme) : rng_(seme) {}
  int tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
  bool prob(double p) { return std::bernoulli_distribution(p)(rng_); }
  char da(std::string_view s) { return s[static_cast<std::size_t>(tra(0, static_cast<int>(s.size()) - 1))]; }
  std::mt19937& rng() { return rng_; }

 private:
  std::mt19937 rng_;
};

constexpr std::string_view Lettere = "ABCDE";
constexpr std::string_view Bassi = "!#%@(-'";

std::string voceCasuale(Casuale& c) {
  const int L = c.tra(1, 7);
  std::string v;
  v += c.prob(0.04) ? c.da("!%@") : c.da(Lettere);
  for (int i = 1; i < L; ++i) v += c.prob(0.06) ? c.da(Bassi) : c.da(Lettere);
  if (L > 1 && c.prob(0.2)) v.back() = c.da("!#$%&()=+-@");
  return v;
}

Dizionario dizionarioCasuale(Casuale& c) {
  std::vector<std::string> voci(static_cast<std::size_t>(c.tra(0, 150)));
  for (auto& v : voci) v = voceCasuale(c);
  if (!c.prob(0.1)) std::sort(voci.begin(), voci.end());
  else if (!voci.empty()) std::swap(voci[0], voci[voci.size() - 1]);
  // Comments (which may split a run) and, rarely, empty lines.
  for (int k = c.tra(0, 4); k > 0; --k) {
    const auto pos = static_cast<std::size_t>(c.tra(0, static_cast<int>(voci.size())));
    voci.insert(voci.begin() + static_cast<std::ptrdiff_t>(pos), c.prob(0.8) ? (c.prob(0.5) ? "'nota" : "#ABC") : "");
  }
  Dizionario d = dizionarioDaRighe(voci, c.prob(0.8));
  if (c.prob(0.05)) d.indice[static_cast<std::size_t>(c.tra(1, 5))] = c.tra(0, static_cast<int>(d.testo.size()) + 3);
  if (c.prob(0.05)) d.inOrdine = !d.inOrdine;
  return d;
}

// One to three random dictionaries in random slots (slot 1 first), most
// with their index.
struct AttiviCasuali {
  std::vector<Dizionario> diz;
  std::vector<IndiceRicerca> ix;
  std::vector<DizAttivo> attivi;
  explicit AttiviCasuali(Casuale& c) {
    for (int i = c.tra(1, 3); i > 0; --i) diz.push_back(dizionarioCasuale(c));
    for (const auto& d : diz) ix.push_back(costruisciIndiceRicerca(d));
    for (std::size_t i = 0; i < diz.size(); ++i)
      attivi.push_back({i == 0 ? 1 : c.tra(2, 6), &diz[i], c.prob(0.9) ? &ix[i] : nullptr});
  }
};

RichiestaRicerca richiestaCasuale(Casuale& c, std::string& R, std::string& RMax) {
  const int L = c.tra(2, 8);
  std::string base;
  for (int i = 0; i < L; ++i) base += c.prob(0.5) ? '?' : (c.prob(0.97) ? c.da(Lettere) : c.da("Z!*"));
  StatoRichiesta s;
  s.Richiesta = s.RichiestaMax = base;
  std::size_t testa = 0;
  const int modo = c.tra(0, 9);
  if (modo < 2) {
    auto e = liberaCoda(s);
    if (e.nuovo) s = *e.nuovo;
  } else if (modo < 4) {
    auto e = liberaInizio(s);
    if (e.nuovo) s = *e.nuovo;
    testa = s.TestaLibera.size();
  }
  R = s.Richiesta;
  RMax = s.RichiestaMax;
  if (c.prob(0.15)) RMax.resize(static_cast<std::size_t>(std::max(0, static_cast<int>(RMax.size()) + c.tra(-2, 3))), '?');
  return {R, RMax, testa, 0};
}

TEST(SearchEquivalenza, IndiceComePercorso) {
  Casuale c(20261206);
  std::size_t righeViste = 0, confronti = 0;
  for (int giro = 0; giro < 1500; ++giro) {
    const AttiviCasuali a(c);
    for (int k = 0; k < 40; ++k) {
      std::string R, RMax;
      const auto q = richiestaCasuale(c, R, RMax);
      const std::size_t limite = c.prob(0.4) ? LimiteRisultati : (c.prob(0.5) ? SenzaLimite : static_cast<std::size_t>(c.tra(1, 4)));
      Cedi c1, c2;
      const auto veloce = cercaVoci(q, a.attivi, limite, c1);
      const auto lenta = cercaVociPercorrendo(q, a.attivi, limite, c2);
      ASSERT_EQ(veloce.errata, lenta.errata) << R;
      ASSERT_EQ(veloce.righe, lenta.righe) << "giro " << giro << " richiesta " << R << " max " << RMax
                                           << " limite " << limite << "\n" << a.diz[0].testo;
      righeViste += lenta.righe.size();
      ++confronti;
    }
  }
  // The comparisons must have seen real results, not only empty lists.
  EXPECT_GT(righeViste, confronti);
}

// Many entries of the same length, so that a length holds several thousand
// entries (several words of block bits, several scan pieces).
Dizionario dizionarioDenso(Casuale& c, std::size_t n) {
  std::vector<std::string> voci;
  for (std::size_t i = 0; i < n; ++i) {
    std::string v;
    const int L = c.prob(0.8) ? 6 : c.tra(2, 8);
    for (int k = 0; k < L; ++k) v += c.prob(0.02) ? c.da("!%@") : c.da("ABCDEFGH");
    voci.push_back(v);
  }
  std::sort(voci.begin(), voci.end());
  voci.insert(voci.begin() + static_cast<std::ptrdiff_t>(n / 2), "'nota");
  return dizionarioDaRighe(voci, true);
}

std::string modelloCasuale(Casuale& c) {
  const int L = c.tra(2, 7);
  std::string m;
  for (int i = 0; i < L; ++i) m += c.prob(0.5) ? '?' : c.da(Lettere);
  m[static_cast<std::size_t>(c.tra(0, L - 1))] = '#';
  return m;
}

// Random grids give the models through costruisciModelli; the crossing test
// through the index must list the same letters with the same notes.
TEST(CrossingEquivalenza, IndiceComePercorso) {
  Casuale c(777);
  std::size_t voci = 0, prove = 0;
  for (int giro = 0; giro < 1500; ++giro) {
    const AttiviCasuali a(c);
    for (int k = 0; k < 10; ++k) {
      ModelliIncrocio m;
      if (c.prob(0.5)) {
        m.ModelloRiga = modelloCasuale(c);
        m.ModelloColonna = modelloCasuale(c);
      } else {
        const int righe = c.tra(2, 6), colonne = c.tra(2, 6);
        std::vector<std::string> g(static_cast<std::size_t>(righe));
        for (auto& r : g)
          for (int j = 0; j < colonne; ++j) r += c.prob(0.15) ? '\x10' : (c.prob(0.5) ? '?' : c.da(Lettere));
        m = costruisciModelli(g, righe, colonne, c.tra(0, righe - 1), c.tra(0, colonne - 1));
        if (m.esito != EsitoModelli::Ok) continue;
      }
      const bool accorcia = c.prob(0.6), vocali = c.prob(0.2);
      Cedi c1, c2;
      const auto x = incrocio(m, vocali, accorcia, a.attivi, c1);
      const auto y = incrocioPercorrendo(m, vocali, accorcia, a.attivi, c2);
      ASSERT_EQ(x.voci, y.voci) << "giro " << giro << " riga " << m.ModelloRiga << " colonna " << m.ModelloColonna
                                << " accorcia " << accorcia << "\n" << a.diz[0].testo;
      voci += y.voci.size();
      ++prove;

      std::string P = modelloCasuale(c);
      std::replace(P.begin(), P.end(), '#', c.prob(0.2) ? '*' : c.da(Lettere));
      const auto s1 = sugginc(P, accorcia, a.attivi, c1);
      const auto s2 = suggincPercorrendo(P, accorcia, a.attivi, c2);
      ASSERT_EQ(s1.Trovato, s2.Trovato) << P;
      if (s1.Trovato) {
        ASSERT_EQ(s1.LungTrovata, s2.LungTrovata) << P;
      }
    }
  }
  EXPECT_GT(voci, prove / 4);
}

// One dense dictionary: searches and crossings, in slot 1 and in slot 2.
TEST(SearchEquivalenza, DizionarioGrande) {
  Casuale c(99);
  const Dizionario d = dizionarioDenso(c, 20000);
  const IndiceRicerca ix = costruisciIndiceRicerca(d);
  ASSERT_TRUE(ix.utilizzabile(d));
  ASSERT_GT(ix.classe(6)->n, 12000u);
  for (int slot : {1, 2}) {
    const DizAttivo attivi[] = {{slot, &d, &ix}};
    std::size_t righe = 0, voci = 0;
    for (int k = 0; k < 150; ++k) {
      std::string R;
      const int L = c.prob(0.7) ? 6 : c.tra(2, 8);
      for (int i = 0; i < L; ++i) R += c.prob(0.6) ? '?' : c.da("ABCDEFGH");
      StatoRichiesta st;
      st.Richiesta = st.RichiestaMax = R;
      if (c.prob(0.2)) {
        if (auto e = liberaCoda(st); e.nuovo) st = *e.nuovo;
      } else if (c.prob(0.2)) {
        if (auto e = liberaInizio(st); e.nuovo) st = *e.nuovo;
      }
      const RichiestaRicerca q{st.Richiesta, st.RichiestaMax, st.TestaLibera.size(), 0};
      const std::size_t limite = c.prob(0.5) ? LimiteRisultati : SenzaLimite;
      Cedi c1, c2;
      const auto a = cercaVoci(q, attivi, limite, c1);
      const auto b = cercaVociPercorrendo(q, attivi, limite, c2);
      ASSERT_EQ(a.righe, b.righe) << st.Richiesta << " " << st.RichiestaMax << " " << limite;
      righe += b.righe.size();
      if (k % 4 != 0) continue;
      ModelliIncrocio m;
      for (std::string* x : {&m.ModelloRiga, &m.ModelloColonna}) {
        const int Lx = c.prob(0.7) ? 6 : c.tra(3, 8);
        for (int i = 0; i < Lx; ++i) *x += c.prob(0.6) ? '?' : c.da("ABCDEFGH");
        (*x)[static_cast<std::size_t>(c.tra(0, Lx - 1))] = '#';
        if (x->find_first_not_of("?#") == std::string::npos) (*x)[x->find('?')] = 'A';
      }
      const bool accorcia = c.prob(0.5);
      const auto x = incrocio(m, false, accorcia, attivi, c1);
      const auto y = incrocioPercorrendo(m, false, accorcia, attivi, c2);
      ASSERT_EQ(x.voci, y.voci) << m.ModelloRiga << " " << m.ModelloColonna << " " << accorcia;
      voci += y.voci.size();
    }
    EXPECT_GT(righe, 150u);
    EXPECT_GT(voci, 38u);
  }
}

}  // namespace
}  // namespace tessaro
