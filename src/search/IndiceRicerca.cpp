#include "search/IndiceRicerca.h"

#include <algorithm>
#include <limits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TESSARO_AVX2 1
#endif

namespace tessaro {

std::size_t IndiceRicerca::memoria() const {
  std::size_t m = classi_.capacity() * sizeof(ClasseLunghezza);
  for (const auto& c : classi_) {
    m += c.inizio.capacity() * sizeof(std::uint32_t) + c.colonne.capacity() +
         c.eccezioni.capacity() * sizeof(std::uint32_t) + c.conteggi.capacity() * sizeof(c.conteggi[0]) + c.presenze.capacity() * sizeof(std::uint64_t);
  }
  return m;
}

IndiceRicerca costruisciIndiceRicerca(const Dizionario& d) {
  Cedi mai;
  return costruisciIndiceRicerca(d, mai);
}

IndiceRicerca costruisciIndiceRicerca(const Dizionario& d, Cedi& cedi) {
  IndiceRicerca ix;
  ix.dimensioneTesto_ = d.testo.size();
  if (d.testo.size() >= std::numeric_limits<std::uint32_t>::max()) return ix;

  // First pass: offsets by length, and the order check. Comments and empty
  // lines are left out: they never match and never stop a walk.
  std::vector<std::vector<std::uint32_t>> perLunghezza;
  std::string_view precedente;
  bool ordinato = true;
  perOgniVoce(d.testo, 0, [&](const Voce& v) {
    cedi();
    if (v.testo.empty() || eCommento(v.testo)) return true;
    if (v.testo < precedente) ordinato = false;
    precedente = v.testo;
    const std::size_t L = v.testo.size();
    if (L > IndiceRicerca::LunghezzaMassima) return true;
    if (perLunghezza.size() <= L) perLunghezza.resize(L + 1);
    perLunghezza[L].push_back(static_cast<std::uint32_t>(v.inizio));
    return true;
  });

  // Second pass: the columns, letter counts and exceptions of each length.
  ix.classi_.resize(perLunghezza.size());
  for (std::size_t L = 1; L < perLunghezza.size(); ++L) {
    ClasseLunghezza& cl = ix.classi_[L];
    cl.inizio = std::move(perLunghezza[L]);
    cl.n = static_cast<std::uint32_t>(cl.inizio.size());
    if (cl.n == 0) continue;
    cl.passo = (cl.n + 63u) & ~63u;
    cl.colonne.assign(L * cl.passo, 0);
    cl.conteggi.assign(L, {});
    for (std::uint32_t i = 0; i < cl.n; ++i) {
      cedi();
      const char* e = d.testo.data() + cl.inizio[i];
      bool eccezione = false;
      for (std::size_t p = 0; p < L; ++p) {
        const auto x = static_cast<unsigned char>(e[p]);
        cl.colonne[p * cl.passo + i] = x;
        if (x <= '@') {
          ++cl.conteggi[p][0];
          if (p + 1 < L) eccezione = true;
        } else if (x <= 'Z') {
          ++cl.conteggi[p][x - '@'];
        }
      }
      if (eccezione) cl.eccezioni.push_back(i);
    }
    const std::uint32_t blocchi = cl.passo / 64;
    cl.paroleBlocchi = (blocchi + 63) / 64;
    cl.presenze.assign(L * 27 * cl.paroleBlocchi, 0);
    for (std::size_t p = 0; p < L; ++p) {
      const unsigned char* col = cl.colonne.data() + p * cl.passo;
      std::uint64_t* pres = cl.presenze.data() + p * 27 * cl.paroleBlocchi;
      for (std::uint32_t i = 0; i < cl.n; ++i) {
        if ((i & 63u) == 0) cedi();
        const unsigned char x = col[i];
        const std::size_t lettera = x <= '@' ? 0 : (x <= 'Z' ? x - '@' : 27);
        if (lettera < 27) pres[lettera * cl.paroleBlocchi + i / 4096] |= std::uint64_t{1} << (i / 64 % 64);
      }
    }
  }
  ix.ordinato_ = ordinato;
  ix.costruito_ = true;
  return ix;
}

std::optional<std::size_t> inizioRun(const Dizionario& d, char c) {
  if (c < '@' || c > 'Z') return std::nullopt;
  const std::int32_t v = d.indice[static_cast<std::size_t>(c - '@')];
  if (v <= 0) return std::nullopt;
  const auto off = static_cast<std::size_t>(v) - 1;
  if (off > d.testo.size()) return std::nullopt;
  if (off != 0 && (off < 2 || d.testo.compare(off - 2, 2, CR_LF) != 0)) return std::nullopt;
  return off;
}

void ordinaVincoli(const ClasseLunghezza& cl, std::span<Vincolo> v) {
  for (Vincolo& x : v)
    if (cl.conteggi[x.pos][0] == 0) x.basso = false;
  auto peso = [&](const Vincolo& x) {
    const auto& k = cl.conteggi[x.pos];
    if (x.lettere != 0) return std::numeric_limits<std::uint64_t>::max();
    std::uint64_t w = (x.c >= 'A' && x.c <= 'Z') ? k[x.c - '@'] : 0;
    if (x.basso) w += k[0];
    return w;
  };
  std::stable_sort(v.begin(), v.end(), [&](const Vincolo& a, const Vincolo& b) { return peso(a) < peso(b); });
}

std::uint32_t primaDa(const ClasseLunghezza& cl, std::uint32_t a, std::uint32_t b, std::size_t offset) {
  const auto it = std::lower_bound(cl.inizio.begin() + a, cl.inizio.begin() + b, offset,
                                   [](std::uint32_t x, std::size_t o) { return x < o; });
  return static_cast<std::uint32_t>(it - cl.inizio.begin());
}

std::uint32_t primoConPrefisso(const ClasseLunghezza& cl, std::string_view testo, std::uint32_t a,
                               std::uint32_t b, std::string_view prefisso, bool oltre) {
  const auto it = std::partition_point(cl.inizio.begin() + a, cl.inizio.begin() + b, [&](std::uint32_t off) {
    const int c = testo.substr(off, prefisso.size()).compare(prefisso);
    return oltre ? c <= 0 : c < 0;
  });
  return static_cast<std::uint32_t>(it - cl.inizio.begin());
}

namespace {

// A bit per entry of block [base, base + 64) passing test v. Columns are
// padded to a multiple of 64, so a whole block is always readable.
inline std::uint64_t maschera64(const ClasseLunghezza& cl, const Vincolo& v, std::uint32_t base) {
  const unsigned char* p = cl.colonne.data() + std::size_t{v.pos} * cl.passo + base;
#if defined(__SSE2__)
  const __m128i lettera = _mm_set1_epi8(static_cast<char>(v.c));
  const __m128i chiocciola = _mm_set1_epi8('@');
  std::uint64_t m = 0;
  for (int k = 0; k < 4; ++k) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
    __m128i ok = _mm_cmpeq_epi8(x, lettera);
    for (std::uint32_t y = v.lettere; y != 0; y &= y - 1)
      ok = _mm_or_si128(ok, _mm_cmpeq_epi8(x, _mm_set1_epi8(static_cast<char>('A' + __builtin_ctz(y)))));
    if (v.basso) ok = _mm_or_si128(ok, _mm_cmpeq_epi8(_mm_min_epu8(x, chiocciola), x));
    m |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(ok))} << (16 * k);
  }
  return m;
#else
  std::uint64_t m = 0;
  for (unsigned k = 0; k < 64; ++k) {
    const unsigned char x = p[k];
    const bool inInsieme = x >= 'A' && x <= 'Z' && (v.lettere >> (x - 'A') & 1u);
    if (x == v.c || inInsieme || (v.basso && x <= '@')) m |= std::uint64_t{1} << k;
  }
  return m;
#endif
}

#if defined(TESSARO_AVX2)
__attribute__((target("avx2"), always_inline)) inline std::uint64_t maschera64Avx2(const ClasseLunghezza& cl, const Vincolo& v,
                                                                     std::uint32_t base) {
  const unsigned char* p = cl.colonne.data() + std::size_t{v.pos} * cl.passo + base;
  const __m256i lettera = _mm256_set1_epi8(static_cast<char>(v.c));
  const __m256i x0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  const __m256i x1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
  __m256i ok0 = _mm256_cmpeq_epi8(x0, lettera);
  __m256i ok1 = _mm256_cmpeq_epi8(x1, lettera);
  for (std::uint32_t y = v.lettere; y != 0; y &= y - 1) {
    const __m256i l = _mm256_set1_epi8(static_cast<char>('A' + __builtin_ctz(y)));
    ok0 = _mm256_or_si256(ok0, _mm256_cmpeq_epi8(x0, l));
    ok1 = _mm256_or_si256(ok1, _mm256_cmpeq_epi8(x1, l));
  }
  if (v.basso) {
    const __m256i chiocciola = _mm256_set1_epi8('@');
    ok0 = _mm256_or_si256(ok0, _mm256_cmpeq_epi8(_mm256_min_epu8(x0, chiocciola), x0));
    ok1 = _mm256_or_si256(ok1, _mm256_cmpeq_epi8(_mm256_min_epu8(x1, chiocciola), x1));
  }
  return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(ok0))} |
         (std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(ok1))} << 32);
}
#endif

// The blocks of word w (blocks 64w .. 64w + 63) that may hold an entry passing
// every test.
inline std::uint64_t blocchiPossibili(const ClasseLunghezza& cl, std::span<const Vincolo> v, std::uint32_t w) {
  std::uint64_t m = ~std::uint64_t{0};
  for (const Vincolo& x : v) {
    std::uint64_t b = x.c >= 'A' && x.c <= 'Z' ? cl.presenza(x.pos, x.c - '@')[w] : 0;
    for (std::uint32_t y = x.lettere; y != 0; y &= y - 1) b |= cl.presenza(x.pos, static_cast<std::size_t>(__builtin_ctz(y)) + 1)[w];
    if (x.basso) b |= cl.presenza(x.pos, 0)[w];
    m &= b;
  }
  return m;
}

// The scan of [lo, hi), with the test of one block given by Maschera.
#define TESSARO_RACCOGLI(Maschera)                                                            \
  std::uint32_t n = 0;                                                                        \
  for (std::uint32_t w = lo / 4096; w * 4096 < hi; ++w) {                                     \
    for (std::uint64_t bb = blocchiPossibili(cl, v, w) & filtro; bb != 0; bb &= bb - 1) {     \
      const std::uint32_t base = w * 4096 + 64 * static_cast<std::uint32_t>(__builtin_ctzll(bb)); \
      if (base + 64 <= lo || base >= hi) continue;                                            \
      std::uint64_t m = ~std::uint64_t{0};                                                    \
      if (base < lo) m &= ~std::uint64_t{0} << (lo - base);                                   \
      if (hi - base < 64) m &= (std::uint64_t{1} << (hi - base)) - 1;                         \
      for (const Vincolo& x : v) {                                                            \
        if (m == 0) break;                                                                    \
        m &= Maschera(cl, x, base);                                                           \
      }                                                                                       \
      for (; m != 0; m &= m - 1) out[n++] = base + static_cast<std::uint32_t>(__builtin_ctzll(m)); \
    }                                                                                         \
  }                                                                                           \
  return n;

std::uint32_t raccogliBase(const ClasseLunghezza& cl, std::uint32_t lo, std::uint32_t hi, std::span<const Vincolo> v,
                           std::uint32_t* out, std::uint64_t filtro) {
  TESSARO_RACCOGLI(maschera64)
}

#if defined(TESSARO_AVX2)
__attribute__((target("avx2"))) std::uint32_t raccogliAvx2(const ClasseLunghezza& cl, std::uint32_t lo,
                                                            std::uint32_t hi, std::span<const Vincolo> v,
                                                            std::uint32_t* out, std::uint64_t filtro) {
  TESSARO_RACCOGLI(maschera64Avx2)
}
#endif

#undef TESSARO_RACCOGLI

using Raccoglitore = std::uint32_t (*)(const ClasseLunghezza&, std::uint32_t, std::uint32_t, std::span<const Vincolo>,
                                       std::uint32_t*, std::uint64_t);

Raccoglitore sceltaRaccoglitore() {
#if defined(TESSARO_AVX2)
  if (__builtin_cpu_supports("avx2")) return raccogliAvx2;
#endif
  return raccogliBase;
}

}  // namespace

std::uint32_t raccogli(const ClasseLunghezza& cl, std::uint32_t lo, std::uint32_t hi, std::span<const Vincolo> v,
                       std::uint32_t* out, std::uint64_t filtro) {
  static const Raccoglitore r = sceltaRaccoglitore();
  if (lo >= hi) return 0;
  return r(cl, lo, hi, v, out, filtro);
}

}  // namespace tessaro
