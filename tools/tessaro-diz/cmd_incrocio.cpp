// tessaro-diz incrocio: the letters that can go into a crossing cell, given
// the row and column runs through it, with the lines the crossing list would
// show.
#include "Comandi.h"

#include <algorithm>
#include <iostream>

#include "schema/Schema.h"
#include "search/Incrocio.h"

namespace tessaro::diz {

namespace {

// A run as the grid gives it: letters "A".."Z", "?" for an empty cell (a
// blank too, as the grid reading takes it) and "#" for the crossing cell, at
// most IndiceRicerca::LunghezzaMassima cells. False, with a message, for any
// other character or a longer run.
bool leggiRun(std::string_view argomento, std::string_view quale, std::string& run) {
  run.clear();
  // No grid has such runs (35 cells at most); longer ones would make every
  // length a walk of the whole text.
  if (argomento.size() > IndiceRicerca::LunghezzaMassima) {
    errore(std::string(quale) + ": al massimo " + std::to_string(IndiceRicerca::LunghezzaMassima) + " caselle (" +
           std::to_string(argomento.size()) + " date)");
    return false;
  }
  for (char ch : argomento) {
    if (ch == ' ') ch = CellaVuota;
    if ((ch >= 'A' && ch <= 'Z') || ch == CellaVuota || ch == CellaIncrocio) {
      run += ch;
      continue;
    }
    errore(std::string(quale) + ": carattere non ammesso \"" + std::string(1, ch) +
           "\" (solo lettere maiuscole, \"?\" per una casella vuota, \"#\" per l'incrocio)");
    return false;
  }
  return true;
}

// The program refuses a run without letters or shorter than two cells; a
// run must cross the other in exactly one cell.
bool runAccettato(const std::string& run) {
  const bool lettera = std::any_of(run.begin(), run.end(), [](char x) { return x >= 'A' && x <= 'Z'; });
  return lettera && run.size() >= 2 && std::count(run.begin(), run.end(), CellaIncrocio) == 1;
}

}  // namespace

int comandoIncrocio(Argomenti args) {
  bool libera = false;
  bool vocali = false;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    if (args[i] == "--libera") {
      libera = true;
    } else if (args[i] == "--vocali") {
      vocali = true;
    } else {
      errore("opzione sconosciuta: " + std::string(args[i]));
      return erroreUso(UsoIncrocio);
    }
  }
  if (args.size() - i < 3) return erroreUso(UsoIncrocio);
  ModelliIncrocio modelli;
  if (!leggiRun(args[i], "RIGA", modelli.ModelloRiga) || !leggiRun(args[i + 1], "COLONNA", modelli.ModelloColonna))
    return erroreUso(UsoIncrocio);
  if (!runAccettato(modelli.ModelloRiga) || !runAccettato(modelli.ModelloColonna)) {
    std::cerr << TestoErroreCasella << '\n';
    return EsitoProblemi;
  }

  DizionariRicerca dizionari;
  if (!dizionari.carica(args.subspan(i + 2))) return EsitoErrore;
  Cedi cedi;
  const RisultatoIncrocio r = incrocio(modelli, vocali, libera, dizionari.attivi(), cedi);
  stampaRighe(r.voci);
  return EsitoOk;
}

}  // namespace tessaro::diz
