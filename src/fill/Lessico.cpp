#include "fill/Lessico.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "dict/GruppiVocalici.h"

namespace tessaro {

std::uint32_t ClasseParole::sopra(int minimo) const {
  const auto it = std::partition_point(punteggi.begin(), punteggi.end(), [&](std::uint8_t p) { return p >= minimo; });
  return static_cast<std::uint32_t>(it - punteggi.begin());
}

std::uint32_t ClasseParole::fineFascia(std::uint32_t i) const {
  const std::uint8_t p = punteggi[i];
  const auto it = std::partition_point(punteggi.begin() + i, punteggi.end(), [&](std::uint8_t q) { return q >= p; });
  return static_cast<std::uint32_t>(it - punteggi.begin());
}

std::optional<std::uint32_t> Lessico::trova(std::string_view parola) const {
  const ClasseParole* cl = classe(parola.size());
  if (cl == nullptr) return std::nullopt;
  for (char c : parola)
    if (c < 'A' || c > 'Z') return std::nullopt;
  for (std::uint32_t k = 0; k < cl->nb; ++k) {
    std::uint64_t x = ~std::uint64_t{0};
    for (std::size_t p = 0; p < parola.size() && x != 0; ++p) x &= cl->bits(p, static_cast<std::size_t>(parola[p] - 'A'))[k];
    if (x != 0) return k * 64 + static_cast<std::uint32_t>(std::countr_zero(x));
  }
  return std::nullopt;
}

std::size_t Lessico::parole() const {
  std::size_t n = 0;
  for (const ClasseParole& c : classi_) n += c.n;
  return n;
}

std::size_t Lessico::memoria() const {
  std::size_t m = sizeof(*this);
  for (const ClasseParole& c : classi_) m += c.lettere.capacity() + c.punteggi.capacity() + c.bit.capacity() * 8;
  return m;
}

namespace {

bool lettera(unsigned char c) { return c >= 'A' && c <= 'Z'; }

// The words of one length of one dictionary, sorted, each once: L letters
// per word, back to back.
std::vector<char> paroleFonte(const FonteLessico& f, std::size_t L) {
  std::vector<char> out;
  const ClasseLunghezza* cl = f.indice->classe(L);
  if (cl == nullptr) return out;
  out.reserve(std::size_t{cl->n} * L * (f.gruppi ? 2 : 1));
  // Entries of one length sharing all but their last character sit together
  // in a sorted text; their words are sorted as a group (a final code puts
  // its vowels among the plain last letters).
  std::string gruppo, w(L, ' '), prefisso;
  auto chiudiGruppo = [&] {
    std::vector<std::string_view> v;
    for (std::size_t i = 0; i < gruppo.size(); i += L) v.emplace_back(gruppo.data() + i, L);
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    for (std::string_view x : v) out.insert(out.end(), x.begin(), x.end());
    gruppo.clear();
  };
  for (std::uint32_t i = 0; i < cl->n; ++i) {
    bool valida = true;
    for (std::size_t p = 0; p + 1 < L && valida; ++p) {
      const unsigned char c = cl->colonne[p * cl->passo + i];
      valida = lettera(c);
      w[p] = static_cast<char>(c);
    }
    if (!valida) continue;
    if (gruppo.empty() || w.compare(0, L - 1, prefisso) != 0) {
      chiudiGruppo();
      prefisso.assign(w, 0, L - 1);
    }
    const char ultima = static_cast<char>(cl->colonne[(L - 1) * cl->passo + i]);
    if (lettera(static_cast<unsigned char>(ultima))) {
      w[L - 1] = ultima;
      gruppo += w;
    } else if (f.gruppi) {
      for (char v : vocaliGruppo(ultima)) {
        w[L - 1] = v;
        gruppo += w;
      }
    }
  }
  chiudiGruppo();
  // A text out of order (the loader warned about it) still gives each word once.
  bool ordinata = true;
  for (std::size_t i = L; i < out.size() && ordinata; i += L) ordinata = std::memcmp(&out[i - L], &out[i], L) < 0;
  if (!ordinata) {
    std::vector<std::string_view> v;
    for (std::size_t i = 0; i < out.size(); i += L) v.emplace_back(out.data() + i, L);
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    std::vector<char> o;
    o.reserve(v.size() * L);
    for (std::string_view x : v) o.insert(o.end(), x.begin(), x.end());
    out = std::move(o);
  }
  return out;
}

// The words of one length of all the dictionaries, sorted, each once, with
// the best score of the dictionaries that hold it.
struct Raccolta {
  std::vector<char> lettere;
  std::vector<std::uint8_t> punteggi;
  std::size_t L = 0;
  std::size_t n() const { return punteggi.size(); }
  const char* parola(std::size_t i) const { return lettere.data() + i * L; }
  void imposta(std::string_view w, int punteggio) {
    if (w.size() != L) return;
    std::size_t a = 0, b = n();
    while (a < b) {
      const std::size_t m = (a + b) / 2;
      if (std::memcmp(parola(m), w.data(), L) < 0) a = m + 1;
      else b = m;
    }
    if (a < n() && std::memcmp(parola(a), w.data(), L) == 0) punteggi[a] = static_cast<std::uint8_t>(punteggio);
  }
};

Raccolta raccogli(std::span<const FonteLessico> fonti, std::size_t L) {
  Raccolta r;
  r.L = L;
  for (const FonteLessico& f : fonti) {
    if (f.indice == nullptr) continue;
    std::vector<char> nuove = paroleFonte(f, L);
    if (nuove.empty()) continue;
    const auto punteggio = static_cast<std::uint8_t>(punteggioTipo(f.tipo));
    if (r.n() == 0) {
      r.punteggi.assign(nuove.size() / L, punteggio);
      r.lettere = std::move(nuove);
      continue;
    }
    Raccolta unione;
    unione.L = L;
    unione.lettere.reserve(r.lettere.size() + nuove.size());
    unione.punteggi.reserve(r.n() + nuove.size() / L);
    std::size_t i = 0, j = 0;
    const std::size_t nj = nuove.size() / L;
    while (i < r.n() || j < nj) {
      const int c = i == r.n() ? 1 : j == nj ? -1 : std::memcmp(r.parola(i), &nuove[j * L], L);
      const char* w = c <= 0 ? r.parola(i) : &nuove[j * L];
      unione.lettere.insert(unione.lettere.end(), w, w + L);
      unione.punteggi.push_back(c < 0 ? r.punteggi[i] : c > 0 ? punteggio : std::max(r.punteggi[i], punteggio));
      if (c <= 0) ++i;
      if (c >= 0) ++j;
    }
    r = std::move(unione);
  }
  return r;
}

}  // namespace

Lessico costruisciLessico(std::span<const FonteLessico> fonti, const ListePunteggi& liste) {
  Lessico lex;
  for (std::size_t L = 2; L <= Lessico::LunghezzaMassima; ++L) {
    Raccolta r = raccogli(fonti, L);
    if (r.n() == 0) continue;
    const std::size_t N = liste.frequenze.size();
    for (std::size_t k = 0; k < N; ++k) r.imposta(liste.frequenze[k], punteggioRango(k + 1, N));
    for (const std::string& w : liste.preferite) r.imposta(w, PunteggioPreferita);
    for (const std::string& w : liste.escluse) r.imposta(w, 0);

    // Highest score first; dictionary order among equal scores.
    std::array<std::uint32_t, PunteggioPreferita + 2> inizio{};
    for (std::size_t i = 0; i < r.n(); ++i) ++inizio[static_cast<std::size_t>(PunteggioPreferita - static_cast<int>(r.punteggi[i])) + 1];
    for (std::size_t s = 1; s < inizio.size(); ++s) inizio[s] += inizio[s - 1];
    const std::uint32_t n = inizio[PunteggioPreferita];  // words scoring at least 1
    if (n == 0) continue;
    ClasseParole& c = lex.classi_[L];
    c.L = static_cast<std::uint32_t>(L);
    c.n = n;
    c.nb = (n + 63) / 64;
    c.lettere.resize(std::size_t{n} * L);
    c.punteggi.resize(n);
    c.bit.assign(L * 26 * c.nb, 0);
    for (std::size_t i = 0; i < r.n(); ++i) {
      const int p = static_cast<int>(r.punteggi[i]);
      if (p <= 0) continue;
      const std::uint32_t j = inizio[static_cast<std::size_t>(PunteggioPreferita - p)]++;
      c.punteggi[j] = static_cast<std::uint8_t>(p);
      std::copy_n(r.parola(i), L, c.lettere.data() + std::size_t{j} * L);
    }
    // Position by position, so the writes stay within 26 bitsets at a time.
    for (std::size_t q = 0; q < L; ++q) {
      std::uint64_t* b = c.bit.data() + q * 26 * c.nb;
      for (std::uint32_t j = 0; j < n; ++j)
        b[static_cast<std::size_t>(c.lettere[std::size_t{j} * L + q] - 'A') * c.nb + j / 64] |= std::uint64_t{1} << (j % 64);
    }
  }
  return lex;
}

}  // namespace tessaro
