#include "dict/CartellaScratch.h"

#include "dict/Concatena.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tessaro {

namespace {

bool cartellaNostra(const std::filesystem::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

}  // namespace

std::filesystem::path radiceScratch() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg != nullptr && *xdg != '\0' && cartellaNostra(xdg)) return xdg;
  std::error_code ec;
  std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
  if (ec || tmp.empty()) return "/tmp";
  return tmp;
}

std::string creaCartellaScratch(std::filesystem::path& cartella) {
  const std::filesystem::path radice = radiceScratch();
  std::string modello = (radice / concatena({"tessaro-", std::to_string(::getuid()), "-XXXXXX"})).string();
  if (::mkdtemp(modello.data()) == nullptr)
    return concatena({"impossibile creare la cartella temporanea in ", radice.string(), ": ", std::strerror(errno)});
  cartella = modello;
  // The umask may have taken bits away, never added them; make it exact.
  if (::chmod(cartella.c_str(), 0700) != 0 || !cartellaPrivata(cartella)) {
    ::rmdir(cartella.c_str());
    return concatena({"la cartella temporanea ", cartella.string(), " non è privata"});
  }
  return {};
}

bool cartellaPrivata(const std::filesystem::path& cartella) {
  struct stat st {};
  if (::lstat(cartella.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 07777) == 0700;
}

void rimuoviCartellaScratch(const std::filesystem::path& cartella) {
  if (!cartellaPrivata(cartella)) return;
  std::error_code ec;
  std::filesystem::remove_all(cartella, ec);
}

}  // namespace tessaro
