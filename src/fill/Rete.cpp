#include "fill/Rete.h"

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

void Rete::filtra(Nodo& n, int i, int p, Lettere rimosse, Lettere tieni) {
  // Through the removed letters or through the kept ones, whichever are fewer.
  const bool perRimosse = conta(rimosse) <= conta(tieni);
  const std::uint64_t* b[26];
  int nl = 0;
  for (Lettere y = perRimosse ? rimosse : tieni; y != 0; y &= y - 1)
    b[nl++] = n.cl->bits(static_cast<std::size_t>(p), static_cast<std::size_t>(primaLettera(y)));
  for (std::uint32_t pos = n.limite; pos-- > 0;) {
    const std::uint32_t k = indice_[n.base + pos];
    const std::uint64_t x = parole_[n.base + k];
    std::uint64_t m = 0;
    for (int j = 0; j < nl; ++j) m |= b[j][k];
    const std::uint64_t y = perRimosse ? (x & ~m) : (x & m);
    if (y != x) scriviParola(n, i, pos, k, y);
  }
}

bool Rete::sostenuta(const Nodo& n, int p, int l) {
  const std::uint64_t* b = n.cl->bits(static_cast<std::size_t>(p), static_cast<std::size_t>(l));
  std::uint32_t& r = residui_[n.baseRes + static_cast<std::size_t>(p) * 26 + static_cast<std::size_t>(l)];
  if (r < n.nb && (parole_[n.base + r] & b[r]) != 0) return true;
  for (std::uint32_t pos = 0; pos < n.limite; ++pos) {
    const std::uint32_t k = indice_[n.base + pos];
    if ((parole_[n.base + k] & b[k]) != 0) {
      r = k;
      return true;
    }
  }
  return false;
}

bool Rete::revisiona(int i) {
  Nodo& n = nodi_[static_cast<std::size_t>(i)];
  const std::uint32_t primaDelFiltro = n.conta;
  for (int p = 0; p < n.L; ++p) {
    Lettere& pend = pendenti_[n.baseCelle + static_cast<std::size_t>(p)];
    if (pend == 0) continue;
    const Lettere rimosse = pend;
    pend = 0;
    if (n.cl != nullptr)
      filtra(n, i, p, rimosse, celle_[static_cast<std::size_t>(celleNodo_[n.baseCelle + static_cast<std::size_t>(p)])]);
  }
  if (n.conta == 0) return false;
  // Supports are lost only where words went: a revision that removed none
  // (its cells lost letters no candidate had) has nothing to check.
  if (n.conta == primaDelFiltro && !n.sporco) return !opzioni_.tuttiDiversi || n.conta != 1 || tuttiDiversi(i);
  n.sporco = false;
  // Sparse candidates are quicker to read one by one than to test letter by
  // letter over their words (where a missing letter costs a whole scan): the
  // letters they offer, position by position.
  const bool pochi = n.conta <= PochiCandidati || n.conta <= 4 * n.limite;
  if (pochi) {
    std::fill_n(offerte_.begin(), n.L, 0);
    for (std::uint32_t pos = 0; pos < n.limite; ++pos) {
      const std::uint32_t k = indice_[n.base + pos];
      for (std::uint64_t x = parole_[n.base + k]; x != 0; x &= x - 1) {
        const char* w = n.cl->lettere.data() + std::size_t{k * 64 + static_cast<std::uint32_t>(__builtin_ctzll(x))} * static_cast<std::size_t>(n.L);
        for (int p = 0; p < n.L; ++p) offerte_[static_cast<std::size_t>(p)] |= bitLettera(w[p]);
      }
    }
  }
  for (int p = 0; p < n.L; ++p) {
    const int c = celleNodo_[n.baseCelle + static_cast<std::size_t>(p)];
    const Lettere m = celle_[static_cast<std::size_t>(c)];
    // Every candidate agrees with the cell: a single letter has support.
    if ((m & (m - 1)) == 0) continue;
    Lettere perse = 0;
    if (pochi) {
      perse = m & ~offerte_[static_cast<std::size_t>(p)];
    } else {
      for (Lettere y = m; y != 0; y &= y - 1)
        if (!sostenuta(n, p, primaLettera(y))) perse |= y & (~y + 1);
    }
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
