#include "Comandi.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <iostream>
#include <unistd.h>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/CartellaDizionari.h"
#include "dict/Concatena.h"

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
  std::filesystem::path cartella = p.parent_path().empty() ? "." : p.parent_path();
  std::string modello = (cartella / concatena({".", p.filename().string(), ".XXXXXX"})).string();
  int fd = ::mkstemp(modello.data());
  if (fd < 0) {
    errore(concatena({"impossibile scrivere in ", cartella.string(), ": ", std::strerror(errno)}));
    return false;
  }
  const char* q = dati.data();
  std::size_t resto = dati.size();
  bool ok = true;
  while (resto > 0) {
    ssize_t n = ::write(fd, q, resto);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    q += n;
    resto -= static_cast<std::size_t>(n);
  }
  // mkstemp makes the file 0600; a dictionary is an ordinary file.
  ok = ok && ::fchmod(fd, 0644) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && std::rename(modello.c_str(), p.c_str()) == 0) return true;
  int err = errno;
  ::unlink(modello.c_str());
  errore(concatena({"impossibile scrivere ", p.string(), ": ", std::strerror(err)}));
  return false;
}

}  // namespace tessaro::diz
