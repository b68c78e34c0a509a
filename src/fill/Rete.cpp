#include "fill/Rete.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace tessaro {

namespace {
// Bits set in a 64-bit word, inline: without the POPCNT instruction in the
// baseline, std::popcount becomes a library call, the hottest in the fill.
inline std::uint32_t bit1(std::uint64_t x) {
#if defined(__POPCNT__)
  return static_cast<std::uint32_t>(__builtin_popcountll(x));
#else
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<std::uint32_t>((x * 0x0101010101010101ull) >> 56);
#endif
}
int conta(Lettere l) { return static_cast<int>(bit1(l)); }
int primaLettera(Lettere l) { return std::countr_zero(l); }
}  // namespace

Rete::Rete(const Lessico& lessico, const Schema& s, const OpzioniRete& o)
    : lessico_(&lessico), opzioni_(o), mappa_(mappaPercorsi(s)) {
  const std::size_t R = mappa_.percorsi.size();
  nodi_.resize(R);
  const std::size_t numCelle = static_cast<std::size_t>(mappa_.righe) * static_cast<std::size_t>(mappa_.colonne);
  celle_.assign(numCelle, 0);
  timbriCella_.assign(numCelle, 0);
  perLunghezza_.resize(Lessico::LunghezzaMassima + 1);

  std::size_t totParole = 0, totRes = 0, totCelle = 0;
  for (std::size_t i = 0; i < R; ++i) {
    const Percorso& p = mappa_.percorsi[i];
    Nodo& n = nodi_[i];
    bool vuota = false, vuotaInArea = false;
    for (int k = 0; k < p.lunghezza; ++k) {
      if (s.cella(p.rigaDi(k), p.colDi(k)) != CellaVuota) continue;
      vuota = true;
      if (!o.area || o.area->contiene(p.rigaDi(k), p.colDi(k))) vuotaInArea = true;
    }
    n.attivo = vuotaInArea || !o.area;
    n.completo = !vuota;
    if (!n.attivo) continue;
    n.L = p.lunghezza;
    n.cl = static_cast<std::size_t>(n.L) <= Lessico::LunghezzaMassima ? lessico.classe(static_cast<std::size_t>(n.L)) : nullptr;
    n.nb = n.cl != nullptr ? n.cl->nb : 0;
    n.base = totParole;
    totParole += n.nb;
    n.baseRes = totRes;
    totRes += static_cast<std::size_t>(n.L) * 26;
    n.baseCelle = totCelle;
    totCelle += static_cast<std::size_t>(n.L);
    perLunghezza_[std::min<std::size_t>(static_cast<std::size_t>(n.L), Lessico::LunghezzaMassima)].push_back(static_cast<int>(i));
  }
  parole_.assign(totParole, 0);
  indice_.assign(totParole, 0);
  posIndice_.assign(totParole, 0);
  timbriParola_.assign(totParole, 0);
  residui_.assign(totRes, 0);
  celleNodo_.assign(totCelle, -1);
  pendenti_.assign(totCelle, 0);
  coda_.assign(std::max<std::size_t>(R, 1), 0);

  for (std::size_t i = 0; i < R; ++i) {
    Nodo& n = nodi_[i];
    if (!n.attivo) continue;
    const Percorso& p = mappa_.percorsi[i];
    for (int k = 0; k < n.L; ++k) {
      const int c = mappa_.indice(p.rigaDi(k), p.colDi(k));
      celleNodo_[n.baseCelle + static_cast<std::size_t>(k)] = c;
      const char ch = s.cella(p.rigaDi(k), p.colDi(k));
      celle_[static_cast<std::size_t>(c)] = ch == CellaVuota ? TutteLettere : (ch >= 'A' && ch <= 'Z' ? bitLettera(ch) : 0);
    }
  }
  // The candidates against the run's own letters.
  for (std::size_t i = 0; i < R; ++i) {
    Nodo& n = nodi_[i];
    if (!n.attivo || n.cl == nullptr) continue;
    const std::uint32_t quanti = n.cl->sopra(opzioni_.minimo);
    std::uint64_t* w = parole_.data() + n.base;
    for (std::uint32_t k = 0; k < quanti / 64; ++k) w[k] = ~std::uint64_t{0};
    if (quanti % 64 != 0) w[quanti / 64] = (std::uint64_t{1} << (quanti % 64)) - 1;
    for (int k = 0; k < n.L; ++k) {
      const Lettere m = celle_[static_cast<std::size_t>(celleNodo_[n.baseCelle + static_cast<std::size_t>(k)])];
      if (m == TutteLettere) continue;
      for (std::uint32_t j = 0; j < n.nb; ++j) {
        std::uint64_t tieni = 0;
        for (Lettere y = m; y != 0; y &= y - 1) tieni |= n.cl->bits(static_cast<std::size_t>(k), static_cast<std::size_t>(primaLettera(y)))[j];
        w[j] &= tieni;
      }
    }
    std::uint32_t pos = 0;
    for (std::uint32_t k = 0; k < n.nb; ++k) {
      n.conta += bit1(w[k]);
      if (w[k] != 0) {
        indice_[n.base + pos] = k;
        posIndice_[n.base + k] = pos;
        ++pos;
      }
    }
    n.limite = pos;
    for (std::uint32_t k = 0; k < n.nb; ++k) {
      if (w[k] != 0) continue;
      indice_[n.base + pos] = k;
      posIndice_[n.base + k] = pos;
      ++pos;
    }
    n.contaPropri = n.conta;
  }
  for (Nodo& n : nodi_) n.sporco = n.attivo;
  for (std::size_t i = 0; i < R; ++i)
    if (nodi_[i].attivo) accoda(static_cast<int>(i));
}

Lettere Rete::offerta(int i, int p) const {
  const Nodo& n = nodi_[static_cast<std::size_t>(i)];
  Lettere l = 0;
  if (n.cl == nullptr) return l;
  for (int x = 0; x < 26; ++x) {
    const std::uint64_t* b = n.cl->bits(static_cast<std::size_t>(p), static_cast<std::size_t>(x));
    for (std::uint32_t pos = 0; pos < n.limite; ++pos) {
      const std::uint32_t k = indice_[n.base + pos];
      if ((parole_[n.base + k] & b[k]) != 0) {
        l |= Lettere{1} << x;
        break;
      }
    }
  }
  return l;
}

std::uint32_t Rete::conteggio(int i, int p, int l) const {
  const Nodo& n = nodi_[static_cast<std::size_t>(i)];
  if (n.cl == nullptr) return 0;
  const std::uint64_t* b = n.cl->bits(static_cast<std::size_t>(p), static_cast<std::size_t>(l));
  std::uint32_t c = 0;
  for (std::uint32_t pos = 0; pos < n.limite; ++pos) {
    const std::uint32_t k = indice_[n.base + pos];
    c += bit1(parole_[n.base + k] & b[k]);
  }
  return c;
}

std::optional<std::uint32_t> Rete::primo(int i) const {
  const Nodo& n = nodi_[static_cast<std::size_t>(i)];
  if (n.limite == 0) return std::nullopt;
  std::uint32_t minimo = n.nb;
  for (std::uint32_t pos = 0; pos < n.limite; ++pos) minimo = std::min(minimo, indice_[n.base + pos]);
  return minimo * 64 + static_cast<std::uint32_t>(std::countr_zero(parole_[n.base + minimo]));
}

std::optional<std::uint32_t> Rete::prossimo(int i, std::uint32_t w) const {
  const Nodo& n = nodi_[static_cast<std::size_t>(i)];
  std::uint32_t k = w / 64;
  if (k >= n.nb) return std::nullopt;
  std::uint64_t x = parole_[n.base + k] & (~std::uint64_t{0} << (w % 64));
  while (x == 0) {
    if (++k >= n.nb) return std::nullopt;
    x = parole_[n.base + k];
  }
  return k * 64 + static_cast<std::uint32_t>(std::countr_zero(x));
}

void Rete::tocca(Nodo& n, int i) {
  if (n.timbro == timbro_ || livelli_.empty()) return;
  traccia_.push_back({Traccia::SuNodo, static_cast<std::uint32_t>(i), n.limite, n.conta});
  n.timbro = timbro_;
}

void Rete::scriviParola(Nodo& n, int i, std::uint32_t pos, std::uint32_t k, std::uint64_t x) {
  tocca(n, i);
  std::uint64_t& ora = parole_[n.base + k];
  std::uint32_t& t = timbriParola_[n.base + k];
  if (t != timbro_ && !livelli_.empty()) {
    traccia_.push_back({Traccia::SuParola, static_cast<std::uint32_t>(i), k, ora});
    t = timbro_;
  }
  n.conta -= bit1(ora & ~x);
  ora = x;
  if (x != 0) return;
  // A word that became zero leaves the list of non-zero words.
  const std::uint32_t ultimo = n.limite - 1;
  const std::uint32_t kUltimo = indice_[n.base + ultimo];
  indice_[n.base + pos] = kUltimo;
  posIndice_[n.base + kUltimo] = pos;
  indice_[n.base + ultimo] = k;
  posIndice_[n.base + k] = ultimo;
  n.limite = ultimo;
}

void Rete::scriviCella(int cella, Lettere l) {
  const auto c = static_cast<std::size_t>(cella);
  if (timbriCella_[c] != timbro_ && !livelli_.empty()) {
    traccia_.push_back({Traccia::SuCella, static_cast<std::uint32_t>(cella), 0, celle_[c]});
    timbriCella_[c] = timbro_;
  }
  celle_[c] = l;
}

void Rete::accoda(int i) {
  Nodo& n = nodi_[static_cast<std::size_t>(i)];
  if (n.inCoda) return;
  n.inCoda = true;
  coda_[(testa_ + numInCoda_) % coda_.size()] = i;
  ++numInCoda_;
}

void Rete::svuotaCoda() {
  for (; numInCoda_ > 0; --numInCoda_, testa_ = (testa_ + 1) % coda_.size()) {
    Nodo& n = nodi_[static_cast<std::size_t>(coda_[testa_])];
    n.inCoda = false;
    std::fill_n(pendenti_.begin() + static_cast<std::ptrdiff_t>(n.baseCelle), n.L, 0);
  }
}

int Rete::altroPercorso(int i, int cella, int& pos) const {
  const auto c = static_cast<std::size_t>(cella);
  if (mappa_.orizz[c] == i) {
    pos = mappa_.posVert[c];
    return mappa_.vert[c];
  }
  pos = mappa_.posOrizz[c];
  return mappa_.orizz[c];
}

bool Rete::propaga() {
  conflitto_ = -1;
  while (numInCoda_ > 0) {
    const int i = coda_[testa_];
    testa_ = (testa_ + 1) % coda_.size();
    --numInCoda_;
    Nodo& n = nodi_[static_cast<std::size_t>(i)];
    n.inCoda = false;
    if (!revisiona(i)) {
      std::fill_n(pendenti_.begin() + static_cast<std::ptrdiff_t>(n.baseCelle), n.L, 0);
      svuotaCoda();
      conflitto_ = i;
      return false;
    }
  }
  return true;
}

// One pass over the candidates for every cell of the run that lost letters:
// each cell filters through its removed letters or its kept ones, whichever
// are fewer; the cells with the fewest bitsets to read come first, and a
// word is left as soon as it is empty.
void Rete::filtra(Nodo& n, int i) {
  struct Filtro {
    int nl;
    bool perRimosse;
    const std::uint64_t* b[26];
  };
  std::array<Filtro, Lessico::LunghezzaMassima> f;
  int nf = 0;
  for (int p = 0; p < n.L; ++p) {
    Lettere& pend = pendenti_[n.baseCelle + static_cast<std::size_t>(p)];
    if (pend == 0) continue;
    const Lettere rimosse = pend;
    pend = 0;
    const Lettere tieni = celle_[static_cast<std::size_t>(celleNodo_[n.baseCelle + static_cast<std::size_t>(p)])];
    Filtro& x = f[static_cast<std::size_t>(nf++)];
    x.perRimosse = conta(rimosse) <= conta(tieni);
    x.nl = 0;
    for (Lettere y = x.perRimosse ? rimosse : tieni; y != 0; y &= y - 1)
      x.b[x.nl++] = n.cl->bits(static_cast<std::size_t>(p), static_cast<std::size_t>(primaLettera(y)));
  }
  if (nf == 0) return;
  std::sort(f.begin(), f.begin() + nf, [](const Filtro& a, const Filtro& b) { return a.nl < b.nl; });
  const auto filtrata = [&](std::uint32_t k, std::uint64_t x) {
    for (int q = 0; q < nf && x != 0; ++q) {
      const Filtro& g = f[static_cast<std::size_t>(q)];
      std::uint64_t m = 0;
      for (int j = 0; j < g.nl; ++j) m |= g.b[j][k];
      x = g.perRimosse ? (x & ~m) : (x & m);
    }
    return x;
  };
  // A set that spans much of its class is read in memory order (the
  // hardware reads ahead), a sparser one through its list of words.
  if (2 * n.limite >= n.nb) {
    for (std::uint32_t k = 0; k < n.nb; ++k) {
      const std::uint64_t x = parole_[n.base + k];
      if (x == 0) continue;
      if (const std::uint64_t y = filtrata(k, x); y != x) scriviParola(n, i, posIndice_[n.base + k], k, y);
    }
    return;
  }
  for (std::uint32_t pos = n.limite; pos-- > 0;) {
    const std::uint32_t k = indice_[n.base + pos];
    const std::uint64_t x = parole_[n.base + k];
    if (const std::uint64_t y = filtrata(k, x); y != x) scriviParola(n, i, pos, k, y);
  }
}

// The letters the candidates of a dense set offer, position by position
// (cells of one letter aside): a letter whose residue (the word where its
// support was last found) still holds it is supported; the others are
// looked for together in one pass over the set's words, in memory order
// when the set spans much of its class, which stops when all are found.
// A letter never found has lost its support.
void Rete::cercaSostegni(const Nodo& n) {
  std::size_t na = 0;
  for (int p = 0; p < n.L; ++p) {
    const auto pp = static_cast<std::size_t>(p);
    offerte_[pp] = 0;
    const Lettere m = celle_[static_cast<std::size_t>(celleNodo_[n.baseCelle + pp])];
    if ((m & (m - 1)) == 0) continue;
    for (Lettere y = m; y != 0; y &= y - 1) {
      const int l = primaLettera(y);
      const std::uint64_t* b = n.cl->bits(pp, static_cast<std::size_t>(l));
      std::uint32_t& r = residui_[n.baseRes + pp * 26 + static_cast<std::size_t>(l)];
      if (r < n.nb && (parole_[n.base + r] & b[r]) != 0)
        offerte_[pp] |= y & (~y + 1);
      else
        aperte_[na++] = {b, &r, static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(l)};
    }
  }
  const auto prova = [&](std::uint32_t k, std::uint64_t x) {
    for (std::size_t j = 0; j < na;) {
      const Aperta& a = aperte_[j];
      if ((x & a.b[k]) == 0) {
        ++j;
        continue;
      }
      *a.residuo = k;
      offerte_[a.p] |= Lettere{1} << a.l;
      aperte_[j] = aperte_[--na];
    }
  };
  if (na == 0) return;
  if (2 * n.limite >= n.nb) {
    for (std::uint32_t k = 0; k < n.nb && na > 0; ++k)
      if (const std::uint64_t x = parole_[n.base + k]; x != 0) prova(k, x);
  } else {
    for (std::uint32_t pos = 0; pos < n.limite && na > 0; ++pos) {
      const std::uint32_t k = indice_[n.base + pos];
      prova(k, parole_[n.base + k]);
    }
  }
}

// The letters the candidates of a sparse set offer, position by position,
// read word by word. The reads are scattered over the vocabulary: each word
// is fetched a few words ahead of its use, so the misses overlap. The
// reading stops once every letter of the run's cells has been seen.
void Rete::leggiOfferte(const Nodo& n) {
  const auto L = static_cast<std::size_t>(n.L);
  std::array<Lettere, Lessico::LunghezzaMassima> cerca{};
  Lettere resto = 0;
  for (std::size_t p = 0; p < L; ++p) {
    const Lettere m = celle_[static_cast<std::size_t>(celleNodo_[n.baseCelle + p])];
    // A single letter needs no reading (every candidate has it).
    cerca[p] = (m & (m - 1)) == 0 ? 0 : m;
    resto |= cerca[p];
    offerte_[p] = 0;
  }
  if (resto == 0) return;
  constexpr std::uint32_t Anticipo = 8;
  std::array<const char*, Anticipo> anello{};
  std::uint32_t letti = 0;
  const auto usa = [&](const char* w) {
    for (std::size_t p = 0; p < L; ++p) offerte_[p] |= bitLettera(w[p]);
  };
  const auto finito = [&] {
    for (std::size_t p = 0; p < L; ++p)
      if ((cerca[p] & ~offerte_[p]) != 0) return false;
    return true;
  };
  for (std::uint32_t pos = 0; pos < n.limite; ++pos) {
    const std::uint32_t k = indice_[n.base + pos];
    for (std::uint64_t x = parole_[n.base + k]; x != 0; x &= x - 1) {
      const char* w = n.cl->lettere.data() + std::size_t{k * 64 + static_cast<std::uint32_t>(__builtin_ctzll(x))} * L;
      __builtin_prefetch(w);
      if (letti >= Anticipo) usa(anello[letti % Anticipo]);
      anello[letti % Anticipo] = w;
      ++letti;
    }
    if ((pos & 7) == 7 && letti >= Anticipo && finito()) return;
  }
  for (std::uint32_t j = letti > Anticipo ? letti - Anticipo : 0; j < letti; ++j) usa(anello[j % Anticipo]);
}

bool Rete::revisiona(int i) {
  Nodo& n = nodi_[static_cast<std::size_t>(i)];
  const std::uint32_t primaDelFiltro = n.conta;
  if (n.cl != nullptr)
    filtra(n, i);
  else
    std::fill_n(pendenti_.begin() + static_cast<std::ptrdiff_t>(n.baseCelle), n.L, 0);
  if (n.conta == 0) return false;
  // Supports are lost only where words went: a revision that removed none
  // (its cells lost letters no candidate had) has nothing to check.
  if (n.conta == primaDelFiltro && !n.sporco) return !opzioni_.tuttiDiversi || n.conta != 1 || tuttiDiversi(i);
  // Unchecked, so checked again once the set is small enough.
  if (opzioni_.sogliaSostegni > 0 && n.conta > opzioni_.sogliaSostegni) {
    n.sporco = true;
    return true;
  }
  n.sporco = false;
  // Sparse candidates are quicker to read one by one than to test letter by
  // letter over their words (where a missing letter costs a whole scan): the
  // letters they offer, position by position.
  const bool pochi = n.conta <= PochiCandidati || n.conta <= 4 * n.limite;
  if (pochi)
    leggiOfferte(n);
  else
    cercaSostegni(n);
  for (int p = 0; p < n.L; ++p) {
    const int c = celleNodo_[n.baseCelle + static_cast<std::size_t>(p)];
    const Lettere m = celle_[static_cast<std::size_t>(c)];
    // Every candidate agrees with the cell: a single letter has support.
    if ((m & (m - 1)) == 0) continue;
    const Lettere perse = m & ~offerte_[static_cast<std::size_t>(p)];
    if (perse == 0) continue;
    scriviCella(c, m & ~perse);
    int pos = -1;
    const int t = altroPercorso(i, c, pos);
    if (t < 0 || !nodi_[static_cast<std::size_t>(t)].attivo) continue;
    pendenti_[nodi_[static_cast<std::size_t>(t)].baseCelle + static_cast<std::size_t>(pos)] |= perse;
    accoda(t);
  }
  if (opzioni_.tuttiDiversi && n.conta == 1) return tuttiDiversi(i);
  return true;
}

bool Rete::tuttiDiversi(int i) {
  const Nodo& n = nodi_[static_cast<std::size_t>(i)];
  const std::uint32_t k = indice_[n.base];
  const std::uint32_t w = k * 64 + static_cast<std::uint32_t>(std::countr_zero(parole_[n.base + k]));
  for (const int t : perLunghezza_[static_cast<std::size_t>(n.L)]) {
    if (t == i || !contiene(t, w)) continue;
    const Nodo& m = nodi_[static_cast<std::size_t>(t)];
    if (m.conta == 1) {
      if (n.completo && m.completo) continue;
      return false;
    }
    togli(t, w);
  }
  return true;
}

void Rete::apri() {
  livelli_.push_back(traccia_.size());
  ++timbro_;
}

void Rete::chiudi() {
  svuotaCoda();
  const std::size_t segno = livelli_.back();
  livelli_.pop_back();
  while (traccia_.size() > segno) {
    const Traccia& e = traccia_.back();
    switch (e.tipo) {
      case Traccia::SuParola: parole_[nodi_[e.a].base + e.b] = e.v; break;
      case Traccia::SuNodo:
        nodi_[e.a].limite = e.b;
        nodi_[e.a].conta = static_cast<std::uint32_t>(e.v);
        break;
      case Traccia::SuCella: celle_[e.a] = static_cast<Lettere>(e.v); break;
    }
    traccia_.pop_back();
  }
  ++timbro_;
  // Back to the state as built: nothing is propagated yet.
  if (livelli_.empty())
    for (std::size_t i = 0; i < nodi_.size(); ++i)
      if (nodi_[i].attivo) {
        nodi_[i].sporco = true;
        accoda(static_cast<int>(i));
      }
}

void Rete::fissa(int i, std::uint32_t w) {
  Nodo& n = nodi_[static_cast<std::size_t>(i)];
  for (std::uint32_t pos = n.limite; pos-- > 0;) {
    const std::uint32_t k = indice_[n.base + pos];
    const std::uint64_t x = parole_[n.base + k];
    const std::uint64_t y = k == w / 64 ? (x & (std::uint64_t{1} << (w % 64))) : 0;
    if (y != x) scriviParola(n, i, pos, k, y);
  }
  n.sporco = true;
  accoda(i);
}

void Rete::togli(int i, std::uint32_t w) {
  if (!contiene(i, w)) return;
  Nodo& n = nodi_[static_cast<std::size_t>(i)];
  const std::uint32_t k = w / 64;
  scriviParola(n, i, posIndice_[n.base + k], k, parole_[n.base + k] & ~(std::uint64_t{1} << (w % 64)));
  n.sporco = true;
  accoda(i);
}

}  // namespace tessaro
