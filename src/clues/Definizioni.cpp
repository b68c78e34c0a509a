#include "clues/Definizioni.h"

#include <algorithm>

namespace tessaro {

namespace {

bool nera(const Schema& s, int r, int c) { return !s.dentro(r, c) || eNera(s.cella(r, c)); }

int passoRiga(Verso v) { return v == Verso::Verticale ? 1 : 0; }
int passoCol(Verso v) { return v == Verso::Orizzontale ? 1 : 0; }

const std::string Vuoto;

}  // namespace

bool iniziaRun(const Schema& s, Verso v, int r, int c) {
  const int dr = passoRiga(v), dc = passoCol(v);
  return !nera(s, r, c) && nera(s, r - dr, c - dc) && !nera(s, r + dr, c + dc);
}

Parole paroleDi(const Schema& s) {
  Parole p;
  const std::vector<int> numeri = s.numeri();
  for (int r = 0; r < s.Righe; ++r) {
    for (int c = 0; c < s.Colonne; ++c) {
      const int n = numeri[static_cast<std::size_t>(r * s.Colonne + c)];
      if (n == 0) continue;
      for (Verso v : {Verso::Orizzontale, Verso::Verticale}) {
        if (!iniziaRun(s, v, r, c)) continue;
        int lunghezza = 0;
        while (!nera(s, r + lunghezza * passoRiga(v), c + lunghezza * passoCol(v))) ++lunghezza;
        (v == Verso::Orizzontale ? p.orizzontali : p.verticali).push_back({v, n, r, c, lunghezza});
      }
    }
  }
  return p;
}

std::string lettereDi(const Schema& s, const Parola& p) {
  std::string out;
  out.reserve(static_cast<std::size_t>(p.lunghezza));
  for (int k = 0; k < p.lunghezza; ++k) out += s.cella(p.riga + k * passoRiga(p.verso), p.colonna + k * passoCol(p.verso));
  return out;
}

std::string testoPulito(std::string_view testo) {
  std::string out(testo);
  for (char& ch : out)
    if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = ' ';
  const auto inizio = out.find_first_not_of(' ');
  if (inizio == std::string::npos) return {};
  out.erase(out.find_last_not_of(' ') + 1);
  out.erase(0, inizio);
  return out;
}

const std::string& Definizioni::testo(Verso v, int r, int c) const {
  const auto it = elenco_.find({v, r, c});
  return it == elenco_.end() ? Vuoto : it->second.testo;
}

bool Definizioni::imposta(Verso v, int r, int c, std::string_view testo, int numero) {
  std::string pulito = testoPulito(testo);
  const auto it = elenco_.find({v, r, c});
  if (pulito.empty()) {
    if (it == elenco_.end()) return false;
    elenco_.erase(it);
    return true;
  }
  if (it != elenco_.end()) {
    if (it->second.testo == pulito) return false;
    it->second.testo = std::move(pulito);
    if (numero > 0) it->second.numero = numero;
    return true;
  }
  elenco_.emplace(PrimaCasella{v, r, c}, Definizione{v, r, c, numero, std::move(pulito)});
  return true;
}

void Definizioni::allinea(const Schema& s) {
  if (elenco_.empty()) return;
  const std::vector<int> numeri = s.numeri();
  for (auto& [chiave, d] : elenco_)
    if (iniziaRun(s, d.verso, d.riga, d.colonna)) d.numero = numeri[static_cast<std::size_t>(d.riga * s.Colonne + d.colonna)];
}

std::vector<Definizione> Definizioni::tutte() const {
  std::vector<Definizione> v;
  v.reserve(elenco_.size());
  for (const auto& [chiave, d] : elenco_) v.push_back(d);
  std::stable_sort(v.begin(), v.end(), [](const Definizione& a, const Definizione& b) {
    if (a.verso != b.verso) return a.verso == Verso::Orizzontale;
    return a.numero < b.numero;
  });
  return v;
}

std::vector<Definizione> Definizioni::senzaCasella(const Schema& s) const {
  std::vector<Definizione> v = tutte();
  std::erase_if(v, [&s](const Definizione& d) { return iniziaRun(s, d.verso, d.riga, d.colonna); });
  return v;
}

}  // namespace tessaro
