// tessaro-diz unpack: the plain text of a ".diz" dictionary, byte for byte as
// the loader sees it.
#include "Comandi.h"

#include "ContenitoreDiz.h"
#include "dict/Concatena.h"

namespace tessaro::diz {

int comandoUnpack(Argomenti args) {
  if (args.size() != 2) return erroreUso(UsoUnpack);
  std::string dati;
  if (!leggiFile(std::filesystem::path(args[0]), dati)) return EsitoErrore;
  std::string testo;
  EsitoDiz e = decodificaDiz(dati, testo);
  if (e != EsitoDiz::ok) return errore(concatena({args[0], ": ", descrizioneEsito(e)}));
  return scriviFile(std::filesystem::path(args[1]), testo) ? EsitoOk : EsitoErrore;
}

}  // namespace tessaro::diz
