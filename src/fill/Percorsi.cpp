#include "fill/Percorsi.h"

namespace tessaro {

namespace {
bool nera(const Schema& s, int r, int c) {
  const char x = s.cella(r, c);
  return x == CellaNera || x == CellaNeraAlt;
}
}  // namespace

std::string nomePercorso(const Percorso& p) {
  return std::to_string(p.numero) + (p.orizzontale ? " Orizzontale" : " Verticale");
}

MappaPercorsi mappaPercorsi(const Schema& s) {
  MappaPercorsi m;
  m.righe = s.Righe;
  m.colonne = s.Colonne;
  const auto celle = static_cast<std::size_t>(s.Righe) * static_cast<std::size_t>(s.Colonne);
  m.orizz.assign(celle, -1);
  m.vert.assign(celle, -1);
  m.posOrizz.assign(celle, -1);
  m.posVert.assign(celle, -1);
  int numero = 0;
  for (int r = 0; r < s.Righe; ++r) {
    for (int c = 0; c < s.Colonne; ++c) {
      if (nera(s, r, c)) continue;
      const bool inizioO = (c == 0 || nera(s, r, c - 1)) && c + 1 < s.Colonne && !nera(s, r, c + 1);
      const bool inizioV = (r == 0 || nera(s, r - 1, c)) && r + 1 < s.Righe && !nera(s, r + 1, c);
      if (!inizioO && !inizioV) continue;
      ++numero;
      if (inizioO) {
        Percorso p{numero, true, r, c, 0};
        while (c + p.lunghezza < s.Colonne && !nera(s, r, c + p.lunghezza)) ++p.lunghezza;
        const int i = static_cast<int>(m.percorsi.size());
        for (int k = 0; k < p.lunghezza; ++k) {
          m.orizz[static_cast<std::size_t>(m.indice(r, c + k))] = i;
          m.posOrizz[static_cast<std::size_t>(m.indice(r, c + k))] = k;
        }
        m.percorsi.push_back(p);
      }
      if (inizioV) {
        Percorso p{numero, false, r, c, 0};
        while (r + p.lunghezza < s.Righe && !nera(s, r + p.lunghezza, c)) ++p.lunghezza;
        const int i = static_cast<int>(m.percorsi.size());
        for (int k = 0; k < p.lunghezza; ++k) {
          m.vert[static_cast<std::size_t>(m.indice(r + k, c))] = i;
          m.posVert[static_cast<std::size_t>(m.indice(r + k, c))] = k;
        }
        m.percorsi.push_back(p);
      }
    }
  }
  return m;
}

}  // namespace tessaro
