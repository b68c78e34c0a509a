// TESSDLL: the decoder library the program loads at run time. MYFUNC(slot)
// turns the ".diz" dictionary of that slot, in the current directory (the
// program folder), into plain text in the private scratch folder the program
// made and named with TESSDLL_CARTELLA.
#include "ContenitoreDiz.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "dict/CaricaDizionari.h"
#include "dict/CartellaDizionari.h"
#include "dict/CartellaScratch.h"

namespace {

// The scratch folder named by the program; empty until it is named.
std::filesystem::path& cartellaScratch() {
  static std::filesystem::path c;
  return c;
}

// Status values of MYFUNC; 0 is success, everything else is > 0.
enum : std::int16_t {
  Riuscito = 0,
  SlotNonValido = 1,     // no slot by that number, or not a ".diz" name
  LetturaFallita = 2,    // the dictionary file cannot be read
  ContenitoreErrato = 3, // the container is damaged or not ours
  ScratchInsicuro = 4,   // the scratch folder is missing or not private
  ScritturaFallita = 5,  // the plain text could not be written
};

bool scriviTutto(int fd, const std::string& testo) {
  const char* p = testo.data();
  std::size_t resto = testo.size();
  while (resto > 0) {
    ssize_t n = ::write(fd, p, resto);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    resto -= static_cast<std::size_t>(n);
  }
  return true;
}

std::int16_t decodifica(std::int16_t slot) {
  if (slot < 1 || slot > tessaro::UltimoSlot) return SlotNonValido;
  std::error_code ec;
  std::filesystem::path cartella = std::filesystem::current_path(ec);
  if (ec) return LetturaFallita;
  tessaro::SlotDizionari s = tessaro::scansionaCartella(cartella);
  const std::string& nome = s.nome[static_cast<std::size_t>(slot)];
  if (!tessaro::passaDalDecoder(nome)) return SlotNonValido;

  std::string dati;
  if (!tessaro::leggiFileIntero(cartella / nome, dati)) return LetturaFallita;
  std::string testo;
  if (tessaro::decodificaDiz(dati, testo) != tessaro::EsitoDiz::ok) return ContenitoreErrato;
  dati = std::string();

  const std::filesystem::path& scratch = cartellaScratch();
  if (scratch.empty() || !tessaro::cartellaPrivata(scratch)) return ScratchInsicuro;
  std::filesystem::path file = scratch / tessaro::senzaEstensione(nome);
  // The folder is ours alone; O_NOFOLLOW still refuses a link put there.
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return ScritturaFallita;
  bool ok = scriviTutto(fd, testo);
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(file.c_str());
    return ScritturaFallita;
  }
  return Riuscito;
}

}  // namespace

// Names the scratch folder for the following calls of MYFUNC. Returns 0 when
// the folder is private (ours, 0700, not a link), ScratchInsicuro otherwise
// (the folder is then forgotten).
extern "C" __attribute__((visibility("default"))) std::int16_t TESSDLL_CARTELLA(const char* cartella) {
  try {
    cartellaScratch().clear();
    if (cartella == nullptr || !tessaro::cartellaPrivata(cartella)) return ScratchInsicuro;
    cartellaScratch() = cartella;
    return Riuscito;
  } catch (...) {
    return ScratchInsicuro;
  }
}

extern "C" __attribute__((visibility("default"))) std::int16_t MYFUNC(std::int16_t slot) {
  try {
    return decodifica(slot);
  } catch (...) {
    return ScritturaFallita;  // out of memory: a failure, never a crash
  }
}
