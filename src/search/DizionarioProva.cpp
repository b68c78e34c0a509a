#include "search/DizionarioProva.h"

#include <cstddef>
#include <string_view>

namespace tessaro {
namespace {

std::string_view senzaBlank(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

Dizionario dizionarioDaRighe(const std::vector<std::string>& righe, bool crlfFinale, std::string nome) {
  Dizionario d;
  d.nome = std::move(nome);
  std::size_t totale = 0;
  for (const auto& r : righe) totale += r.size() + 2;
  d.testo.reserve(totale);
  for (std::size_t i = 0; i < righe.size(); ++i) {
    d.testo += righe[i];
    if (i + 1 < righe.size() || crlfFinale) d.testo += CR_LF;
  }

  char iniziale = 0;
  std::string_view precedente;
  perOgniVoce(d.testo, 0, [&](const Voce& v) {
    const std::string_view voce = senzaBlank(v.testo);
    const char c = voce.empty() ? 0 : voce.front();
    if (!voce.empty() && !eCommento(voce)) {
      if (c != iniziale && c >= '@' && c <= 'Z') d.indice[static_cast<std::size_t>(c - '@')] = static_cast<std::int32_t>(v.inizio + 1);
      if (voce.size() > 2 && precedente.size() > 2 && voce < precedente) d.inOrdine = false;
    }
    precedente = voce;
    iniziale = c;
    return true;
  });
  return d;
}

}  // namespace tessaro
