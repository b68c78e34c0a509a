#include "files/ScritturaFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tessaro {

namespace {

namespace fs = std::filesystem;

int passo(const GuastoScrittura& guasto, PassoScrittura p) { return guasto ? guasto(p) : 0; }

EsitoScrittura& fallisce(EsitoScrittura& e, ErroreScrittura errore, int codice) {
  e.errore = errore;
  e.codice = codice;
  return e;
}

bool spazio(int codice) { return codice == ENOSPC || codice == EDQUOT; }

// A failure of a write, a flush or a close.
ErroreScrittura erroreDati(int codice) {
  return spazio(codice) ? ErroreScrittura::SpazioEsaurito : ErroreScrittura::Altro;
}

// Follows symbolic links to the file they name, as a save through a link
// must change the file and leave the link. The target need not exist.
fs::path risolvi(const fs::path& nome, bool& collegamento, int& codice) {
  fs::path p = nome;
  for (int salti = 0; salti < 40; ++salti) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    collegamento = true;
    std::string bersaglio(PATH_MAX, '\0');
    const ssize_t n = ::readlink(p.c_str(), bersaglio.data(), bersaglio.size());
    if (n < 0) {
      codice = errno;
      return p;
    }
    bersaglio.resize(static_cast<std::size_t>(n));
    const fs::path t(bersaglio);
    p = t.is_absolute() ? t : p.parent_path() / t;
  }
  codice = ELOOP;
  return p;
}

bool scriviTutto(int fd, std::string_view byte, off_t da) {
  std::size_t fatto = 0;
  while (fatto < byte.size()) {
    const ssize_t n = ::pwrite(fd, byte.data() + fatto, byte.size() - fatto, da + static_cast<off_t>(fatto));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    fatto += static_cast<std::size_t>(n);
  }
  return true;
}

// Flushes the folder's entry of a renamed file; a failure here loses
// nothing already written, so it is not reported.
void sincronizzaCartella(const fs::path& cartella) {
  const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A new file beside `dest`: "." + name + "." + six random characters, never
// an existing file (O_EXCL), created with `modo` less the umask.
int creaTemporaneo(const fs::path& dest, mode_t modo, fs::path& tmp) {
  static constexpr std::string_view Cifre = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device fonte;
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    std::string coda;
    for (int i = 0; i < 6; ++i) coda += Cifre[fonte() % Cifre.size()];
    tmp = dest.parent_path() / ("." + dest.filename().string() + "." + coda);
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, modo);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The write in place, for a writable file in a folder that takes no new
// file. The room for the new length is reserved before any byte changes, so
// a full disk stops it with the old content whole; only an I/O error in the
// middle of the write could leave it mixed.
EsitoScrittura& scriviSulPosto(EsitoScrittura& e, std::string_view byte, const GuastoScrittura& guasto) {
  e.sulPosto = true;
  // O_NONBLOCK: a pipe put there since the check must not block the open.
  const int fd = ::open(e.destinazione.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    const int c = errno;
    return fallisce(e, c == EACCES || c == EPERM || c == EROFS ? ErroreScrittura::FileProtetto : ErroreScrittura::Altro, c);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return fallisce(e, ErroreScrittura::NonRegolare, EINVAL);
  }
  int c = passo(guasto, PassoScrittura::Scrivi);
  if (c == 0 && static_cast<off_t>(byte.size()) > st.st_size) {
    c = ::posix_fallocate(fd, 0, static_cast<off_t>(byte.size()));
    if (c == EOPNOTSUPP || c == EINVAL) c = 0;  // no reservation on this file system
  }
  if (c == 0 && !scriviTutto(fd, byte, 0)) c = errno;
  if (c == 0 && ::ftruncate(fd, static_cast<off_t>(byte.size())) != 0) c = errno;
  if (c == 0) c = passo(guasto, PassoScrittura::Sincronizza);
  if (c == 0 && ::fsync(fd) != 0) c = errno;
  const int chiusura = passo(guasto, PassoScrittura::Chiudi);
  if (::close(fd) != 0 && c == 0) c = errno;
  if (c == 0) c = chiusura;
  if (c != 0) return fallisce(e, erroreDati(c), c);
  return e;
}

}  // namespace

EsitoScrittura ScritturaInDueTempi::prepara(const fs::path& nome, std::string_view byte,
                                            const GuastoScrittura& guasto) {
  scarta();
  guasto_ = guasto;
  EsitoScrittura& e = esito_;
  e = {};
  int codice = 0;
  e.destinazione = risolvi(nome, e.collegamento, codice);
  if (codice != 0) return fallisce(e, ErroreScrittura::Altro, codice);
  const fs::path& dest = e.destinazione;
  cartella_ = dest.parent_path().empty() ? fs::path(".") : dest.parent_path();

  struct stat sc {};
  if (::stat(cartella_.c_str(), &sc) != 0) {
    const int c = errno;
    return fallisce(e, c == ENOENT || c == ENOTDIR ? ErroreScrittura::CartellaAssente : ErroreScrittura::Altro, c);
  }
  if (!S_ISDIR(sc.st_mode)) return fallisce(e, ErroreScrittura::CartellaAssente, ENOTDIR);
  if (dest.filename().empty()) return fallisce(e, ErroreScrittura::NomeCartella, EISDIR);

  struct stat sd {};
  const bool esiste = ::stat(dest.c_str(), &sd) == 0;
  if (esiste && S_ISDIR(sd.st_mode)) return fallisce(e, ErroreScrittura::NomeCartella, EISDIR);
  if (esiste && !S_ISREG(sd.st_mode)) return fallisce(e, ErroreScrittura::NonRegolare, EINVAL);
  if (esiste && ::access(dest.c_str(), W_OK) != 0) return fallisce(e, ErroreScrittura::FileProtetto, errno);

  int fd = -1;
  int c = passo(guasto, PassoScrittura::Crea);
  // A file replaced gets its own mode back below; until then only we read it.
  if (c == 0) {
    fd = creaTemporaneo(dest, esiste ? 0600 : 0666, temporaneo_);
    if (fd < 0) c = errno;
  }
  if (c != 0) {
    temporaneo_.clear();
    if ((c == EACCES || c == EPERM) && esiste) {
      // Written in place, and only when confirmed: until then the old file is whole.
      sulPosto_.assign(byte);
      e.sulPosto = true;
      pronta_ = true;
      return e;
    }
    if (c == EACCES || c == EPERM || c == EROFS) return fallisce(e, ErroreScrittura::CartellaProtetta, c);
    if (c == ENAMETOOLONG) return fallisce(e, ErroreScrittura::NomeLungo, c);
    if (c == ENOENT || c == ENOTDIR) return fallisce(e, ErroreScrittura::CartellaAssente, c);
    return fallisce(e, erroreDati(c), c);
  }

  c = passo(guasto, PassoScrittura::Scrivi);
  if (c == 0 && !scriviTutto(fd, byte, 0)) c = errno;
  if (c == 0 && esiste) {
    // Best effort for the owner: only a privileged user may give a file away.
    if (sd.st_uid != ::geteuid() || sd.st_gid != ::getegid()) (void)::fchown(fd, sd.st_uid, sd.st_gid);
    if (::fchmod(fd, sd.st_mode & 07777) != 0) c = errno;
  }
  if (c == 0) c = passo(guasto, PassoScrittura::Sincronizza);
  if (c == 0 && ::fsync(fd) != 0) c = errno;
  const int chiusura = passo(guasto, PassoScrittura::Chiudi);
  if (::close(fd) != 0 && c == 0) c = errno;
  if (c == 0) c = chiusura;
  if (c != 0) {
    scarta();
    return fallisce(e, erroreDati(c), c);
  }
  pronta_ = true;
  return e;
}

EsitoScrittura ScritturaInDueTempi::conferma() {
  EsitoScrittura& e = esito_;
  if (!pronta_) return e;
  pronta_ = false;
  if (e.sulPosto) {
    scriviSulPosto(e, sulPosto_, guasto_);
    sulPosto_.clear();
    return e;
  }
  int c = passo(guasto_, PassoScrittura::Rinomina);
  if (c == 0 && ::rename(temporaneo_.c_str(), e.destinazione.c_str()) != 0) c = errno;
  if (c != 0) {
    scarta();
    return fallisce(e, erroreDati(c), c);
  }
  temporaneo_.clear();
  sincronizzaCartella(cartella_);
  return e;
}

void ScritturaInDueTempi::scarta() {
  if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
  temporaneo_.clear();
  sulPosto_.clear();
  pronta_ = false;
}

ScritturaInDueTempi::~ScritturaInDueTempi() { scarta(); }

EsitoScrittura scriviFileSicuro(const fs::path& nome, std::string_view byte, const GuastoScrittura& guasto) {
  ScritturaInDueTempi w;
  const EsitoScrittura e = w.prepara(nome, byte, guasto);
  if (!e) return e;
  return w.conferma();
}

std::string motivoScrittura(const EsitoScrittura& e) {
  switch (e.errore) {
    case ErroreScrittura::Nessuno: return {};
    case ErroreScrittura::CartellaAssente:
      if (e.collegamento) {
        std::string t(MotivoCollegamento);
        t += e.destinazione.string();
        t += MotivoCollegamentoFine;
        return t;
      }
      return std::string(MotivoCartellaAssente);
    case ErroreScrittura::NomeCartella: return std::string(MotivoNomeCartella);
    case ErroreScrittura::NonRegolare: return std::string(MotivoNonRegolare);
    case ErroreScrittura::FileProtetto: return std::string(MotivoFileProtetto);
    case ErroreScrittura::CartellaProtetta: return std::string(MotivoCartellaProtetta);
    case ErroreScrittura::NomeLungo: return std::string(MotivoNomeLungo);
    case ErroreScrittura::SpazioEsaurito: return std::string(MotivoSpazioEsaurito);
    case ErroreScrittura::Altro: break;
  }
  std::string t(MotivoScrittura);
  if (e.codice != 0) {
    t += " (";
    t += std::generic_category().message(e.codice);
    t += ')';
  }
  t += '.';
  return t;
}

}  // namespace tessaro
