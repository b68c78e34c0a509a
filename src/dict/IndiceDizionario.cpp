#include "dict/IndiceDizionario.h"

#include "dict/Testo1252.h"

namespace tessaro {

std::string_view voceRifilata(std::string_view voce) {
  std::size_t a = voce.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  std::size_t b = voce.find_last_not_of(' ');
  return voce.substr(a, b - a + 1);
}

std::vector<std::string> indicizza(Dizionario& d, Cedi& cedi) {
  std::vector<std::string> fuori;
  d.indice.fill(0);
  d.inOrdine = true;
  std::string_view precedente;
  int inizialePrec = -1;  // -1: none yet, or the previous line had no initial
  perOgniVoce(d.testo, 0, [&](const Voce& v) {
    cedi();
    std::string_view voce = voceRifilata(v.testo);
    int iniziale = voce.empty() ? -1 : static_cast<unsigned char>(voce.front());
    if (!voce.empty() && !eCommento(voce)) {
      if (iniziale != inizialePrec && iniziale >= '@' && iniziale <= 'Z')
        d.indice[static_cast<std::size_t>(iniziale - '@')] =
            static_cast<std::int32_t>(v.inizio + 1);
      if (voce.size() > 2 && precedente.size() > 2 && voce < precedente) {
        fuori.emplace_back(voce);
        d.inOrdine = false;
      }
    }
    precedente = voce;
    inizialePrec = iniziale;
    return true;
  });
  return fuori;
}

std::string testoFuoriSequenza(std::string_view voce) {
  std::string t = "Questa parola ";
  t += daWindows1252(voce);
  t += " è fuori sequenza";
  t += CR_LF;
  t += "può compromettere la ricerca nel suo dizionario.";
  return t;
}

}  // namespace tessaro
