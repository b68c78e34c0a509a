#include "fill/Riempibilita.h"

#include <bit>

#include "fill/Rete.h"

namespace tessaro {

namespace {

bool lettera(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool nera(char ch) { return ch == CellaNera || ch == CellaNeraAlt; }

// A white cell's letters before any run speaks: its own, or all of them.
Lettere lettereProprie(char ch) { return lettera(ch) ? bitLettera(ch) : TutteLettere; }

}  // namespace

std::optional<Riempibilita> analizzaRiempibilita(const Lessico& lessico, const Schema& s, Cedi& cedi) {
  if (cedi.ora()) return std::nullopt;
  Rete rete(lessico, s);
  Riempibilita a;
  a.mappa = rete.mappa();
  const int R = static_cast<int>(rete.numeroPercorsi());
  const std::size_t N = a.mappa.orizz.size();
  a.candidati.assign(static_cast<std::size_t>(R), 0);
  a.bloccante.assign(static_cast<std::size_t>(R), 0);
  a.lettere.assign(N, 0);
  a.morta.assign(N, 0);
  a.forzata.assign(N, 0);
  for (int i = 0; i < R; ++i) {
    const bool b = rete.candidatiPropri(i) == 0;
    a.bloccante[static_cast<std::size_t>(i)] = b ? 1 : 0;
    a.bloccanti += b ? 1 : 0;
  }
  if (cedi.ora()) return std::nullopt;

  rete.apri();
  a.riempibile = rete.propaga();
  if (a.riempibile) {
    for (int i = 0; i < R; ++i) a.candidati[static_cast<std::size_t>(i)] = rete.candidati(i);
    for (int r = 0; r < s.Righe; ++r)
      for (int c = 0; c < s.Colonne; ++c) {
        const char ch = s.cella(r, c);
        if (nera(ch)) continue;
        const auto k = static_cast<std::size_t>(a.mappa.indice(r, c));
        const bool inRun = a.mappa.orizz[k] >= 0 || a.mappa.vert[k] >= 0;
        const Lettere l = inRun ? rete.lettere(r, c) : lettereProprie(ch);
        a.lettere[k] = l;
        if (ch == CellaVuota && std::popcount(l) == 1) a.forzata[k] = static_cast<char>('A' + std::countr_zero(l));
      }
    return a;
  }

  // Not fillable: back to each run against its own letters.
  a.conflitto = rete.percorsoInConflitto();
  rete.chiudi();
  for (int r = 0; r < s.Righe; ++r)
    for (int c = 0; c < s.Colonne; ++c)
      if (!nera(s.cella(r, c))) a.lettere[static_cast<std::size_t>(a.mappa.indice(r, c))] = lettereProprie(s.cella(r, c));
  for (int i = 0; i < R; ++i) {
    if (cedi.ora()) return std::nullopt;
    a.candidati[static_cast<std::size_t>(i)] = rete.candidati(i);
    const Percorso& p = rete.percorso(i);
    const bool vuoto = rete.candidati(i) == 0;
    for (int k = 0; k < p.lunghezza; ++k)
      a.lettere[static_cast<std::size_t>(a.mappa.indice(p.rigaDi(k), p.colDi(k)))] &= vuoto ? 0 : rete.offerta(i, k);
  }
  for (int r = 0; r < s.Righe; ++r)
    for (int c = 0; c < s.Colonne; ++c) {
      const auto k = static_cast<std::size_t>(a.mappa.indice(r, c));
      a.morta[k] = !nera(s.cella(r, c)) && a.lettere[k] == 0 ? 1 : 0;
    }
  return a;
}

Riempibilita analizzaRiempibilita(const Lessico& lessico, const Schema& s) {
  Cedi mai;
  return *analizzaRiempibilita(lessico, s, mai);
}

std::string testoStatoRiempibilita(const Riempibilita& a) {
  return a.riempibile ? "Riempibile" : "Non riempibile: " + std::to_string(a.bloccanti);
}

std::string testoConflitto(const Riempibilita& a) {
  if (a.riempibile || a.conflitto < 0) return {};
  return "Con gli incroci resta senza parole: " + nomePercorso(a.mappa.percorsi[static_cast<std::size_t>(a.conflitto)]);
}

std::string elencoLettere(Lettere l) {
  std::string s;
  for (int x = 0; x < 26; ++x) {
    if ((l >> x & 1u) == 0) continue;
    if (!s.empty()) s += ' ';
    s += static_cast<char>('A' + x);
  }
  return s;
}

std::string testoCellaRiempibilita(const Riempibilita& a, int r, int c) {
  const auto k = static_cast<std::size_t>(a.mappa.indice(r, c));
  const Lettere l = a.lettere[k];
  if (l == 0 && !a.morta[k]) return {};  // black
  std::string t;
  for (const int i : {a.mappa.orizz[k], a.mappa.vert[k]}) {
    if (i < 0) continue;
    const std::uint32_t n = a.candidati[static_cast<std::size_t>(i)];
    t += nomePercorso(a.mappa.percorsi[static_cast<std::size_t>(i)]) + ": " + std::to_string(n) +
         (n == 1 ? " parola; " : " parole; ");
  }
  return t + "lettere: " + (l == 0 ? std::string("nessuna") : elencoLettere(l));
}

std::vector<std::string> righeAnalisi(const Riempibilita& a, const Schema& s) {
  std::vector<std::string> v;
  for (std::size_t i = 0; i < a.mappa.percorsi.size(); ++i) {
    const Percorso& p = a.mappa.percorsi[i];
    std::string modello;
    for (int k = 0; k < p.lunghezza; ++k) {
      const char ch = s.cella(p.rigaDi(k), p.colDi(k));
      modello += lettera(ch) ? ch : CellaVuota;
    }
    v.push_back(std::to_string(p.numero) + (p.orizzontale ? " O " : " V ") + std::to_string(p.lunghezza) + ' ' +
                modello + ' ' + std::to_string(a.candidati[i]));
  }
  for (int r = 0; r < s.Righe; ++r)
    for (int c = 0; c < s.Colonne; ++c) {
      const std::string dove = std::to_string(r + 1) + ',' + std::to_string(c + 1);
      if (a.mortaIn(r, c)) v.push_back("vuota " + dove);
      if (const char f = a.forzataIn(r, c)) v.push_back("forzata " + dove + ' ' + f);
    }
  v.push_back(a.riempibile ? "riempibile" : "non riempibile: " + std::to_string(a.bloccanti));
  return v;
}

}  // namespace tessaro
