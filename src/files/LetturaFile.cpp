#include "files/LetturaFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tessaro {

namespace {

// Positions are 32-bit; leave room for the CR the loader adds to LF-only lines.
constexpr off_t MaxByteFile = std::numeric_limits<std::int32_t>::max() / 2;

}  // namespace

EsitoLettura leggiFileRegolare(const std::filesystem::path& percorso, std::string& testo) {
  testo.clear();
  EsitoLettura e;
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {ErroreLettura::Illeggibile, errno};
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    e = {ErroreLettura::Illeggibile, errno};
  } else if (!S_ISREG(st.st_mode)) {
    e = {ErroreLettura::NonRegolare, 0};
  } else if (st.st_size > MaxByteFile) {
    e = {ErroreLettura::TroppoGrande, 0};
  } else {
    // The reported size is a hint: files of /proc report 0 and have content.
    testo.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t letti = 0;
    for (;;) {
      if (letti == testo.size()) {
        if (testo.size() > static_cast<std::size_t>(MaxByteFile)) {
          e = {ErroreLettura::TroppoGrande, 0};
          break;
        }
        testo.resize(std::max<std::size_t>(testo.size() * 2, 4096));
      }
      const ssize_t n = ::read(fd, testo.data() + letti, testo.size() - letti);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        e = {ErroreLettura::Illeggibile, errno};
        break;
      }
      if (n == 0) break;
      letti += static_cast<std::size_t>(n);
    }
    testo.resize(letti);
  }
  ::close(fd);
  if (!e) testo.clear();
  return e;
}

bool leggiFileIntero(const std::filesystem::path& percorso, std::string& testo) {
  return static_cast<bool>(leggiFileRegolare(percorso, testo));
}

std::string motivoLettura(const EsitoLettura& e) {
  switch (e.errore) {
    case ErroreLettura::Nessuno: return {};
    case ErroreLettura::NonRegolare: return "non è un file normale";
    case ErroreLettura::TroppoGrande: return "file troppo grande";
    case ErroreLettura::Illeggibile: break;
  }
  return std::generic_category().message(e.codice);
}

}  // namespace tessaro
