#include "search/Trasferimento.h"

#include <algorithm>

namespace tessaro {
namespace {

// The length of the " -N" dictionary tag at the end of a search line, or 0.
std::size_t lunghezzaEtichetta(std::string_view v) {
  std::size_t cifre = 0;
  while (cifre < v.size() && v[v.size() - 1 - cifre] >= '0' && v[v.size() - 1 - cifre] <= '9') ++cifre;
  if (cifre == 0 || v.size() < cifre + 2) return 0;
  return v.substr(v.size() - cifre - 2, 2) == " -" ? cifre + 2 : 0;
}

}  // namespace

std::optional<std::string> riduciScelta(int Modo, std::string_view voce) {
  std::string Scelta(voce);
  switch (Modo) {
    case ListaIncrocio:
      Scelta = Scelta.substr(0, 1);
      break;
    case ListaAnagrammi:
      if (voce == TestoNessunAnagramma) return std::nullopt;
      break;
    case ListaSinonimi:
      if (voce == TestoNessunSinonimo) return std::nullopt;
      if (!voce.empty() && (voce.back() == '=' || voce.back() == '<')) return std::nullopt;
      Scelta = Scelta.substr(std::min<std::size_t>(1, Scelta.size()));
      break;
    case ListaOrtografia:
      if (voce == TestoOkOrtografia) return std::nullopt;
      break;
    default:
      break;
  }
  // Only the tag is cut: a dash inside the word (a plain dictionary may end
  // an entry with "-") stays.
  Scelta.resize(Scelta.size() - lunghezzaEtichetta(Scelta));
  return Scelta;
}

std::string ruotaVocali(std::string Scelta, Ruota& r) {
  const std::size_t p = Scelta.find('(');
  const std::size_t q = Scelta.find(')');
  if (p == std::string::npos || q == std::string::npos || q < p) {
    r.VoceRuota.clear();
    r.IndiceRuota = 0;
    return Scelta;
  }
  if (Scelta != r.VoceRuota) {
    r.VoceRuota = Scelta;
    r.RadiceRuota = Scelta.substr(0, p);
    r.LettereRuota = Scelta.substr(p + 1, q - p - 1);
    r.IndiceRuota = 0;
  }
  r.IndiceRuota += 1;
  if (r.IndiceRuota > static_cast<int>(r.LettereRuota.size())) r.IndiceRuota = 1;
  std::string w = r.RadiceRuota;
  if (!r.LettereRuota.empty()) w += r.LettereRuota[static_cast<std::size_t>(r.IndiceRuota - 1)];
  return w;
}

PianoTrasferimento pianoTrasferimento(int Modo, std::string_view W, int PrimaCol, int PrimaRiga, int riga, int col) {
  PianoTrasferimento p;
  if (Modo == ListaIncrocio) {
    if (!W.empty()) p.scritture.push_back({riga, col, W.front()});
    p.evid = {col, riga, 1, 1};
    return p;
  }
  if (Modo != ListaRiga && Modo != ListaColonna) return p;
  for (std::size_t i = 0; i < W.size(); ++i) {
    if (W[i] == ' ') continue;
    const int d = static_cast<int>(i);
    if (Modo == ListaRiga)
      p.scritture.push_back({riga, PrimaCol + d, W[i]});
    else
      p.scritture.push_back({PrimaRiga + d, col, W[i]});
  }
  // The frame starts at the word's first letter: leading blanks place a
  // free-head word in its slot, while a blank inside a two-part word (A POSTO)
  // must not push the frame to the right.
  const std::size_t a = W.find_first_not_of(' ');
  const int testa = a == std::string_view::npos ? 0 : static_cast<int>(a);
  const int lung = a == std::string_view::npos ? 0 : static_cast<int>(W.find_last_not_of(' ') - a + 1);
  p.evid = Modo == ListaRiga ? RiquadroCelle{PrimaCol + testa, riga, lung, 1} : RiquadroCelle{col, PrimaRiga + testa, 1, lung};
  return p;
}

}  // namespace tessaro
