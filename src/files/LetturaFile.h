// Reading a whole file safely: dictionaries, Schema files, word lists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tessaro {

enum class ErroreLettura : std::uint8_t {
  Nessuno,
  Illeggibile,   // missing, not allowed, or an input error: see `codice`
  NonRegolare,   // a folder, a pipe, a device or a socket
  TroppoGrande,  // too large for 32-bit positions
};

struct EsitoLettura {
  ErroreLettura errore = ErroreLettura::Nessuno;
  int codice = 0;  // the system's error number
  explicit operator bool() const { return errore == ErroreLettura::Nessuno; }
};

// Reads a whole regular file. It is opened without blocking (a pipe put in
// its place cannot stop the open) and checked with fstat on the open file,
// so a pipe or a device is refused whatever the name looked like before;
// it is read to its end, whatever size the system reports.
EsitoLettura leggiFileRegolare(const std::filesystem::path& percorso, std::string& testo);
// The same, true when read.
bool leggiFileIntero(const std::filesystem::path& percorso, std::string& testo);
// Why a read failed, in Italian: "non è un file normale".
std::string motivoLettura(const EsitoLettura& e);

}  // namespace tessaro
