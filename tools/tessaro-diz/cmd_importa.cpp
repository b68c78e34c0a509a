// tessaro-diz importa: an ipuz crossword into a Schema file and its clue
// file, as "Importa ipuz..." and "Salva come..." would write them.
#include "Comandi.h"

#include <iostream>

#include "clues/FileDef.h"
#include "clues/Ipuz.h"
#include "files/FileTes.h"

namespace tessaro::diz {

int comandoImporta(Argomenti args) {
  std::string_view ingresso, uscita;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      uscita = args[++i];
    } else if (args[i].starts_with("-") || !ingresso.empty()) {
      return erroreUso(UsoImporta);
    } else {
      ingresso = args[i];
    }
  }
  if (ingresso.empty() || uscita.empty()) return erroreUso(UsoImporta);
  std::string dati;
  if (!leggiFile(std::filesystem::path(ingresso), dati)) return EsitoErrore;
  const LetturaIpuz l = leggiIpuz(dati);
  if (!l) {
    std::cerr << messaggioImportazione(ingresso, l) << '\n';
    return EsitoProblemi;
  }
  const Cruciverba& c = *l.cruciverba;
  const bool scritti = scriviFile(std::filesystem::path(uscita), scriviTes(c.schema)) &&
                       scriviFile(std::filesystem::path(nomeDef(uscita)), scriviDef(c.definizioni, c.schema));
  return scritti ? EsitoOk : EsitoErrore;
}

}  // namespace tessaro::diz
