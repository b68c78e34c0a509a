#include "Comandi.h"

#include <iostream>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/CartellaDizionari.h"
#include "dict/Concatena.h"
#include "files/ScritturaFile.h"

namespace tessaro::diz {

int errore(std::string_view messaggio) {
  std::cerr << "tessaro-diz: " << messaggio << '\n';
  return EsitoErrore;
}

int erroreUso(std::string_view uso) {
  std::cerr << "uso: " << uso << '\n';
  return EsitoErrore;
}

bool leggiFile(const std::filesystem::path& p, std::string& dati) {
  std::error_code ec;
  if (std::filesystem::is_directory(p, ec)) {
    errore(concatena({"impossibile leggere ", p.string(), ": è una cartella"}));
    return false;
  }
  if (!leggiFileIntero(p, dati)) {
    errore(concatena({"impossibile leggere ", p.string(),
                      std::filesystem::exists(p, ec) ? "" : ": il file non esiste"}));
    return false;
  }
  return true;
}

bool leggiDizionario(const std::filesystem::path& p, std::string& testo) {
  std::string dati;
  if (!leggiFile(p, dati)) return false;
  if (!passaDalDecoder(p.filename().string())) {
    normalizzaTestoPiano(dati);
    testo = std::move(dati);
    return true;
  }
  EsitoDiz e = decodificaDiz(dati, testo);
  if (e != EsitoDiz::ok) {
    errore(concatena({p.string(), ": ", descrizioneEsito(e)}));
    return false;
  }
  return true;
}

bool scriviFile(const std::filesystem::path& p, std::string_view dati) {
  const EsitoScrittura e = scriviFileSicuro(p, dati);
  if (e) return true;
  errore(concatena({"impossibile scrivere ", p.string(), ": ", motivoScrittura(e)}));
  return false;
}

}  // namespace tessaro::diz
