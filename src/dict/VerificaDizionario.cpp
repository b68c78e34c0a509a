#include "dict/VerificaDizionario.h"

#include "dict/Concatena.h"
#include "dict/Dizionario.h"
#include "dict/GruppiVocalici.h"
#include "dict/Testo1252.h"

namespace tessaro {

namespace {

// Control characters in an entry are shown escaped, never sent to a terminal.
std::string virgolette(std::string_view voce) { return concatena({"\"", daWindows1252(visibile1252(voce)), "\""}); }

}  // namespace

EsitoVerifica verificaDizionario(std::string_view testo) {
  EsitoVerifica e;
  std::size_t riga = 0;
  std::string_view precedente;  // the previous line
  auto problema = [&](std::string t) { e.problemi.push_back({riga, std::move(t)}); };
  perOgniVoce(testo, 0, [&](const Voce& v) {
    ++riga;
    std::string_view voce = v.testo;
    if (voce.empty()) {
      problema("riga vuota");
      precedente = {};
      return true;
    }
    // As in the loader, a comment restarts the order: it separates runs.
    if (eCommento(voce)) {
      precedente = voce;
      return true;
    }
    ++e.voci;
    if (voce.front() == ' ' || voce.back() == ' ') problema(concatena({"spazi intorno alla voce ", virgolette(voce)}));
    for (std::size_t i = 0; i < voce.size(); ++i) {
      char c = voce[i];
      if (c >= 'A' && c <= 'Z') continue;
      if (eCodiceGruppo(c) && i == 0) {
        problema(concatena({"la voce ", virgolette(voce), " non comincia con una lettera"}));
        break;
      }
      if (eCodiceGruppo(c) && i + 1 < voce.size()) {
        problema(concatena({"codice di gruppo vocalico non in fondo alla voce ", virgolette(voce)}));
        break;
      }
      if (eCodiceGruppo(c)) continue;
      if (c == ' ') continue;  // reported above
      problema(concatena({"carattere non ammesso nella voce ", virgolette(voce)}));
      break;
    }
    if (!precedente.empty() && voce < precedente) {
      if (voce.size() > 2 && precedente.size() > 2)
        problema(concatena({"la voce ", virgolette(voce), " è fuori sequenza"}));
      else
        problema(concatena({"la voce ", virgolette(voce),
                            " è fuori sequenza (il caricamento non lo segnala)"}));
    }
    precedente = voce;
    return true;
  });
  if (!testo.empty() && !testo.ends_with(CR_LF)) {
    riga = 0;
    problema("il testo non termina con CR LF");
  }
  return e;
}

}  // namespace tessaro
