#include "search/IndiceRicerca.h"

#include <algorithm>
#include <limits>

namespace tessaro {

std::size_t IndiceRicerca::memoria() const {
  std::size_t m = classi_.capacity() * sizeof(ClasseLunghezza);
  for (const auto& c : classi_) {
    m += c.inizio.capacity() * sizeof(std::uint32_t) + c.colonne.capacity() +
         c.eccezioni.capacity() * sizeof(std::uint32_t) + c.conteggi.capacity() * sizeof(c.conteggi[0]);
  }
  return m;
}

IndiceRicerca costruisciIndiceRicerca(const Dizionario& d) {
  IndiceRicerca ix;
  ix.dimensioneTesto_ = d.testo.size();
  if (d.testo.size() >= std::numeric_limits<std::uint32_t>::max()) return ix;

  // First pass: offsets by length, and the order check. Comments and empty
  // lines are left out: they never match and never stop a walk.
  std::vector<std::vector<std::uint32_t>> perLunghezza;
  std::string_view precedente;
  bool ordinato = true;
  perOgniVoce(d.testo, 0, [&](const Voce& v) {
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
  auto peso = [&](const Vincolo& x) {
    const auto& k = cl.conteggi[x.pos];
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

}  // namespace tessaro
