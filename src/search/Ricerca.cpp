#include "search/Ricerca.h"

#include "search/Richiesta.h"

#include <algorithm>
#include <utility>

namespace tessaro {
namespace {

// The request, prepared once for every entry.
struct Modo {
  std::string_view R;
  std::size_t lungMax = 0;
  std::size_t testaLibera = 0;  // length of TestaLibera
  bool testa = false;           // free head: compared right-aligned
  bool coda = false;            // free tail
  std::size_t k = 0;            // sorted stop on the first k characters
  bool stop = false;
};

Modo prepara(const RichiestaRicerca& q) {
  Modo m;
  m.R = q.Richiesta;
  m.lungMax = q.RichiestaMax.size();
  m.testaLibera = q.TestaLibera;
  m.testa = m.R.front() == Libero;
  m.coda = m.R.back() == Libero;
  m.stop = !m.testa;
  m.k = static_cast<std::size_t>(primoJolly(m.R) - 1);
  return m;
}

// Whether entry V matches the request (and gives a line).
bool coincide(const Modo& m, int slot, std::string_view V) {
  if (V.empty() || eCommento(V)) return false;
  const std::size_t n = m.R.size();
  if (V.size() < n || V.size() > m.lungMax) return false;
  if (V.size() != n && !m.testa && !m.coda) return false;
  if (!m.testa) {
    for (std::size_t i = 0; i < n; ++i)
      if (!accetta(m.R[i], V[i])) return false;
  } else {
    for (std::size_t i = 1; i <= n; ++i)
      if (!accetta(m.R[n - i], V[V.size() - i])) return false;
  }
  return mostraVoceElenca(slot, V, m.R.back());
}

// The result line of a matching entry.
std::string riga(const Modo& m, int slot, std::string_view V) {
  if (!m.testa) return mostraVoce(slot, V, m.R.back()).value();
  // Blanks in front, so that the entry ends at the end of the slot.
  const std::size_t cella = m.testaLibera + m.R.size() - 1;
  std::string conBlank(cella > V.size() ? cella - V.size() : 0, ' ');
  conBlank.append(V);
  return mostraVoce(slot, conBlank, m.R.back()).value();
}

bool superaPrefisso(const Modo& m, std::string_view V) {
  return m.stop && V.substr(0, m.k).compare(m.R.substr(0, m.k)) > 0;
}

std::size_t partenza(const Modo& m, const Dizionario& d) {
  const char c = m.R.front();
  if (c == Jolly || c == Libero) return 0;
  return inizioRun(d, c).value_or(0);  // no run recorded: from the top
}

bool lettera(char c) { return c >= 'A' && c <= 'Z'; }

// Whether the index reproduces the walk for this request: letters and "?"
// only, "*" only at an end, lengths within the index.
bool richiestaIndicizzabile(const Modo& m) {
  if (m.lungMax > IndiceRicerca::LunghezzaMassima) return false;
  for (std::size_t i = 0; i < m.R.size(); ++i) {
    const char c = m.R[i];
    if (lettera(c) || c == Jolly) continue;
    if (c == Libero && (i == 0 || i + 1 == m.R.size())) continue;
    return false;
  }
  return true;
}

// Walks one dictionary; returns false when the search must end.
bool percorri(const Modo& m, const DizAttivo& da, std::size_t limite, Cedi& cedi, RisultatoRicerca& r) {
  bool avanti = true;
  perOgniVoce(da.diz->testo, partenza(m, *da.diz), [&](const Voce& v) {
    if (cedi()) {
      r.interrotta = true;
      return avanti = false;
    }
    if (coincide(m, da.slot, v.testo)) r.righe.push_back(riga(m, da.slot, v.testo));
    if (limite != SenzaLimite && r.righe.size() == limite) return avanti = false;
    return !superaPrefisso(m, v.testo);
  });
  return avanti;
}

// The same dictionary through its index. In sorted text the walk's range is:
// from the letter run to the first entry whose fixed head sorts above the
// request's; within it, an entry that matches either has the request's
// fixed head or holds a character at or below "@" there (an exception).
bool percorriIndice(const Modo& m, const DizAttivo& da, std::size_t limite, Cedi& cedi, RisultatoRicerca& r) {
  const Dizionario& d = *da.diz;
  const IndiceRicerca& ix = *da.indice;
  const std::size_t inizio = partenza(m, d);
  const std::size_t n = m.R.size();
  const std::size_t Lmax = (m.testa || m.coda) ? m.lungMax : std::min(n, m.lungMax);
  const std::size_t resto = limite == SenzaLimite ? SenzaLimite : limite - r.righe.size();
  const std::size_t k = m.stop ? m.k : 0;
  const std::string_view prefisso = m.R.substr(0, k);

  std::vector<std::uint32_t> trovate;  // offsets of the matching entries
  std::vector<Vincolo> vincoli;
  bool interrotta = false;
  for (std::size_t L = n; L <= Lmax && !interrotta; ++L) {
    const ClasseLunghezza* cl = ix.classe(L);
    if (cl == nullptr) continue;
    std::size_t contate = 0;
    auto prova = [&](std::uint32_t i) {
      const std::uint32_t off = cl->inizio[i];
      if (coincide(m, da.slot, std::string_view(d.testo).substr(off, L))) {
        trovate.push_back(off);
        ++contate;
      }
      return resto == SenzaLimite || contate < resto;
    };
    const std::uint32_t a = primaDa(*cl, 0, cl->n, inizio);
    std::uint32_t lo = a, hi = cl->n;
    if (k > 0) {
      lo = primoConPrefisso(*cl, d.testo, a, cl->n, prefisso, false);
      hi = primoConPrefisso(*cl, d.testo, lo, cl->n, prefisso, true);
      const auto e0 = std::lower_bound(cl->eccezioni.begin(), cl->eccezioni.end(), a);
      bool pieno = false;
      for (auto e = e0; e != cl->eccezioni.end() && *e < lo && !pieno; ++e) pieno = !prova(*e);
      if (pieno) continue;
    }
    vincoli.clear();
    for (std::size_t j = m.testa ? 0 : k; j < n; ++j) {
      if (!lettera(m.R[j])) continue;
      const std::size_t pos = m.testa ? L - n + j : j;
      vincoli.push_back({static_cast<std::uint16_t>(pos), static_cast<unsigned char>(m.R[j]), true});
    }
    ordinaVincoli(*cl, vincoli);
    if (scorri(*cl, lo, hi, vincoli, cedi, prova) == EsitoScorri::Interrotto) interrotta = true;
  }
  // Each length gave its entries in text order; merge them, and build the
  // lines of those that are kept.
  std::sort(trovate.begin(), trovate.end());
  if (resto != SenzaLimite && trovate.size() > resto) trovate.resize(resto);
  r.righe.reserve(r.righe.size() + trovate.size());
  for (const std::uint32_t off : trovate) {
    const std::size_t fine = d.testo.find(CR_LF, off);
    const std::string_view V = std::string_view(d.testo).substr(off, fine == std::string::npos ? std::string::npos : fine - off);
    r.righe.push_back(riga(m, da.slot, V));
  }
  if (interrotta) {
    r.interrotta = true;
    return false;
  }
  return limite == SenzaLimite || r.righe.size() < limite;
}

RisultatoRicerca cerca(const RichiestaRicerca& q, std::span<const DizAttivo> dizionari, std::size_t limite,
                       Cedi& cedi, bool conIndice) {
  RisultatoRicerca r;
  if (richiestaErrata(q.Richiesta)) {
    r.errata = true;
    return r;
  }
  const Modo m = prepara(q);
  const bool indicizzabile = conIndice && richiestaIndicizzabile(m);
  for (const DizAttivo& da : dizionari) {
    if (da.diz == nullptr) continue;
    const bool veloce = indicizzabile && da.indice != nullptr && da.diz->inOrdine && da.indice->utilizzabile(*da.diz);
    if (!(veloce ? percorriIndice(m, da, limite, cedi, r) : percorri(m, da, limite, cedi, r))) break;
  }
  return r;
}

}  // namespace

RisultatoRicerca cercaVoci(const RichiestaRicerca& q, std::span<const DizAttivo> dizionari, std::size_t limite,
                           Cedi& cedi) {
  return cerca(q, dizionari, limite, cedi, true);
}

RisultatoRicerca cercaVociPercorrendo(const RichiestaRicerca& q, std::span<const DizAttivo> dizionari,
                                      std::size_t limite, Cedi& cedi) {
  return cerca(q, dizionari, limite, cedi, false);
}

}  // namespace tessaro
