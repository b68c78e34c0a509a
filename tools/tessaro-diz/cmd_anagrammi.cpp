// tessaro-diz anagrammi: the anagrams of a word from a base dictionary, with
// the lines the anagram list would show.
#include "Comandi.h"

#include "testtools/Anagrammi.h"

namespace tessaro::diz {

int comandoAnagrammi(Argomenti args) {
  if (args.size() != 2) return erroreUso(UsoAnagrammi);
  // The word as the TEST field hands it over: in the dictionary's code page;
  // anagrammi upper-cases and trims it.
  const std::string parola = argomento1252(args[0]);
  Dizionario base;
  base.nome = std::filesystem::path(args[1]).filename().string();
  if (!leggiDizionario(std::filesystem::path(args[1]), base.testo)) return EsitoErrore;
  Cedi cedi;
  const RisultatoAnagrammi r = anagrammi(base, parola, cedi);
  stampaRighe(r.righe);
  return EsitoOk;
}

}  // namespace tessaro::diz
