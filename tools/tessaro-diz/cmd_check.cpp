// tessaro-diz check: what is wrong in a dictionary.
#include "Comandi.h"

#include <iostream>

#include "dict/VerificaDizionario.h"

namespace tessaro::diz {

int comandoCheck(Argomenti args) {
  if (args.size() != 1) return erroreUso(UsoCheck);
  std::string testo;
  if (!leggiDizionario(std::filesystem::path(args[0]), testo)) return EsitoErrore;
  EsitoVerifica v = verificaDizionario(testo);
  for (const ProblemaDizionario& p : v.problemi) {
    if (p.riga > 0) std::cout << "riga " << p.riga << ": ";
    std::cout << perTerminale(p.testo) << '\n';
  }
  std::cout << "entries: " << v.voci << '\n';
  return v.problemi.empty() ? EsitoOk : EsitoProblemi;
}

}  // namespace tessaro::diz
