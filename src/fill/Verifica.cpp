#include "fill/Verifica.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "fill/Percorsi.h"

namespace tessaro {

namespace {

bool lettera(char ch) { return ch >= 'A' && ch <= 'Z'; }

// One decimal, with the Italian comma.
std::string decimale(double x) {
  char b[32];
  std::snprintf(b, sizeof b, "%.1f", x);
  std::string s(b);
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

Area areaDi(const Percorso& p) {
  return {p.riga, p.col, p.rigaDi(p.lunghezza - 1), p.colDi(p.lunghezza - 1)};
}

std::string dove(int r, int c) { return "R" + std::to_string(r + 1) + " C" + std::to_string(c + 1); }

// A header line selecting what its detail lines select, then the details.
void gruppo(std::vector<RigaVerifica>& v, const std::string& titolo, std::vector<RigaVerifica> dettagli) {
  RigaVerifica t{titolo + ": " + std::to_string(dettagli.size()), {}};
  for (RigaVerifica& d : dettagli) {
    t.selezione.insert(t.selezione.end(), d.selezione.begin(), d.selezione.end());
    d.testo = "  " + d.testo;
  }
  v.push_back(std::move(t));
  v.insert(v.end(), dettagli.begin(), dettagli.end());
}

}  // namespace

std::vector<RigaVerifica> verificaSchema(const Schema& originale, const Lessico* lessico,
                                         const std::vector<std::string>& escluse) {
  Schema s = originale;
  s.normalizzaNere();
  const MappaPercorsi m = mappaPercorsi(s);
  std::vector<RigaVerifica> v;

  const int celle = s.Righe * s.Colonne;
  int nere = 0;
  for (const std::string& riga : s.Griglia) nere += static_cast<int>(std::count(riga.begin(), riga.end(), CellaNera));
  v.push_back({"Dimensioni: " + std::to_string(s.Righe) + " righe x " + std::to_string(s.Colonne) + " colonne", {}});
  v.push_back({"Caselle: " + std::to_string(celle) + "; bianche: " + std::to_string(celle - nere) +
                   "; nere: " + std::to_string(nere) + " (" + decimale(celle > 0 ? 100.0 * nere / celle : 0) + "%)",
               {}});

  // The runs, their patterns and the complete words.
  std::vector<std::string> modelli;
  std::map<std::string, std::vector<std::size_t>> complete;
  for (std::size_t i = 0; i < m.percorsi.size(); ++i) {
    const Percorso& p = m.percorsi[i];
    std::string w;
    for (int k = 0; k < p.lunghezza; ++k) {
      const char ch = s.cella(p.rigaDi(k), p.colDi(k));
      w += lettera(ch) ? ch : CellaVuota;
    }
    if (w.find(CellaVuota) == std::string::npos) complete[w].push_back(i);
    modelli.push_back(std::move(w));
  }
  const auto nome = [&](std::size_t i) { return nomePercorso(m.percorsi[i]); };
  const auto elenco = [&](const std::vector<std::size_t>& ii) {
    std::string t;
    for (std::size_t i : ii) t += (t.empty() ? "" : ", ") + nome(i);
    return t;
  };

  std::map<int, std::vector<RigaVerifica>> perLunghezza;
  for (std::size_t i = 0; i < m.percorsi.size(); ++i)
    perLunghezza[m.percorsi[i].lunghezza].push_back({nome(i), {areaDi(m.percorsi[i])}});
  std::vector<RigaVerifica> lunghezze;
  for (auto& [L, parole] : perLunghezza) {
    RigaVerifica r{"di " + std::to_string(L) + " lettere: " + std::to_string(parole.size()), {}};
    for (const RigaVerifica& p : parole) r.selezione.push_back(p.selezione.front());
    lunghezze.push_back(std::move(r));
  }
  gruppo(v, "Parole", std::move(lunghezze));
  // "Parole: N" counts the words, not the lengths.
  const std::size_t intestazione = v.size() - perLunghezza.size() - 1;
  v[intestazione].testo = "Parole: " + std::to_string(m.percorsi.size());

  std::vector<RigaVerifica> due;
  for (std::size_t i = 0; i < m.percorsi.size(); ++i)
    if (m.percorsi[i].lunghezza == 2) due.push_back({nome(i) + ": " + modelli[i], {areaDi(m.percorsi[i])}});
  gruppo(v, "Parole di 2 lettere", std::move(due));

  std::vector<RigaVerifica> ripetute, ignote;
  for (const auto& [w, ii] : complete) {
    std::vector<Area> aree;
    for (std::size_t i : ii) aree.push_back(areaDi(m.percorsi[i]));
    if (ii.size() > 1) ripetute.push_back({w + ": " + elenco(ii), aree});
    if (lessico != nullptr && !lessico->trova(w)) ignote.push_back({w + ": " + elenco(ii), aree});
  }
  gruppo(v, "Parole ripetute", std::move(ripetute));
  if (lessico != nullptr)
    gruppo(v, "Parole assenti dai dizionari attivi", std::move(ignote));
  else
    v.push_back({"Parole assenti dai dizionari attivi: dizionari non ancora caricati", {}});

  std::vector<RigaVerifica> sole;
  for (int r = 0; r < s.Righe; ++r)
    for (int c = 0; c < s.Colonne; ++c) {
      const auto k = static_cast<std::size_t>(m.indice(r, c));
      if ((m.orizz[k] >= 0) != (m.vert[k] >= 0))
        sole.push_back({dove(r, c) + " (" + nome(static_cast<std::size_t>(std::max(m.orizz[k], m.vert[k]))) + ")",
                        {{r, c, r, c}}});
    }
  gruppo(v, "Lettere non incrociate", std::move(sole));

  // White regions (cells joined by a side); the largest is the grid, the
  // others are cut off from it.
  std::vector<int> zona(static_cast<std::size_t>(celle), -1);
  std::vector<std::vector<Area>> zone;
  for (int r0 = 0; r0 < s.Righe; ++r0)
    for (int c0 = 0; c0 < s.Colonne; ++c0) {
      if (eNera(s.cella(r0, c0)) || zona[static_cast<std::size_t>(m.indice(r0, c0))] >= 0) continue;
      const int z = static_cast<int>(zone.size());
      zone.emplace_back();
      std::vector<std::pair<int, int>> pila{{r0, c0}};
      zona[static_cast<std::size_t>(m.indice(r0, c0))] = z;
      while (!pila.empty()) {
        const auto [r, c] = pila.back();
        pila.pop_back();
        zone.back().push_back({r, c, r, c});
        for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int rr = r + dr, cc = c + dc;
          if (!s.dentro(rr, cc) || eNera(s.cella(rr, cc)) || zona[static_cast<std::size_t>(m.indice(rr, cc))] >= 0)
            continue;
          zona[static_cast<std::size_t>(m.indice(rr, cc))] = z;
          pila.push_back({rr, cc});
        }
      }
    }
  std::vector<RigaVerifica> staccate;
  const auto grande = std::max_element(zone.begin(), zone.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
  for (auto it = zone.begin(); it != zone.end(); ++it) {
    if (it == grande) continue;
    std::sort(it->begin(), it->end(), [](const Area& a, const Area& b) {
      return a.riga1 != b.riga1 ? a.riga1 < b.riga1 : a.col1 < b.col1;
    });
    const Area& primo = it->front();
    staccate.push_back({std::to_string(it->size()) + (it->size() == 1 ? " casella da " : " caselle da ") +
                            dove(primo.riga1, primo.col1),
                        *it});
  }
  gruppo(v, "Zone bianche staccate", std::move(staccate));

  if (lessico == nullptr) {
    v.push_back({"Punteggio medio delle parole: dizionari non ancora caricati", {}});
    return v;
  }
  double somma = 0;
  int quante = 0;
  std::vector<Area> valutate;
  for (const auto& [w, ii] : complete) {
    const auto pos = lessico->trova(w);
    if (!pos) continue;
    const int p = std::binary_search(escluse.begin(), escluse.end(), w) ? 0 : lessico->classe(w.size())->punteggi[*pos];
    somma += static_cast<double>(p) * static_cast<double>(ii.size());
    quante += static_cast<int>(ii.size());
    for (std::size_t i : ii) valutate.push_back(areaDi(m.percorsi[i]));
  }
  if (quante == 0)
    v.push_back({"Punteggio medio delle parole: nessuna parola completa nei dizionari", {}});
  else
    v.push_back({"Punteggio medio delle parole: " + decimale(somma / quante) + " (su " + std::to_string(quante) +
                     (quante == 1 ? " parola completa)" : " parole complete)"),
                 valutate});
  return v;
}

}  // namespace tessaro
