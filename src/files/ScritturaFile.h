// Writing a whole file so that nothing is lost: the bytes go to a new file
// beside the old one, every write, the flush to the disk and the close are
// checked, and only then does the new file replace the old one. A failure
// leaves the old file byte for byte as it was and says why. Qt-free: the
// Schema file, its companion files and the dictionary tool all write through
// here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tessaro {

enum class ErroreScrittura : std::uint8_t {
  Nessuno,
  CartellaAssente,   // the file's folder does not exist (or is not a folder)
  NomeCartella,      // the name is a folder
  NonRegolare,       // the name is a device, a pipe or a socket
  FileProtetto,      // the file exists and may not be written
  CartellaProtetta,  // no file may be made in the folder, and there is none to write in place
  NomeLungo,         // the name (or the temporary name beside it) is too long
  SpazioEsaurito,    // the disk (or the user's quota) is full
  Altro,             // any other failure of the system: see `codice`
};

struct EsitoScrittura {
  ErroreScrittura errore = ErroreScrittura::Nessuno;
  int codice = 0;  // the system's error number of the failure
  // The file really written, or that would have been: a symbolic link is
  // followed to its target, so the link itself stays a link.
  std::filesystem::path destinazione;
  bool collegamento = false;  // the name given was a symbolic link
  bool sulPosto = false;      // written in place: the folder takes no new file
  explicit operator bool() const { return errore == ErroreScrittura::Nessuno; }
};

// The steps of a write where the test seam may inject a failure.
enum class PassoScrittura : std::uint8_t { Crea, Scrivi, Sincronizza, Chiudi, Rinomina };

// Called before each step: returns a system error number to make that step
// fail as the system would, or 0 to let it run.
using GuastoScrittura = std::function<int(PassoScrittura)>;

// Writes `byte` as the whole content of `nome`:
// - through a temporary file in the same folder, renamed over the old file
//   once written and flushed to the disk (fsync), so a full disk, a quota or
//   an I/O error never leaves an empty or half file;
// - a file replaced keeps its permission bits (and, where allowed, its
//   owner); a new file gets 0666 less the umask, as any program's file;
// - when the folder takes no new file but the file itself is writable, it is
//   written in place instead, with the room for the new length reserved
//   first and every step still checked;
// - only regular files are written: a folder, a pipe or a device is refused.
// `guasto` is the test seam; empty in the program.
EsitoScrittura scriviFileSicuro(const std::filesystem::path& nome, std::string_view byte,
                                const GuastoScrittura& guasto = {});

// The same write in two steps, for files that change together (a Schema and
// its clues): prepara() writes the new content under a temporary name beside
// the file and flushes it to the disk, leaving the old file untouched;
// conferma() puts it in place. A prepared write that is never confirmed is
// discarded (its temporary file removed) by scarta() or the destructor. For a
// folder that takes no new file, prepara() only checks, and conferma() writes
// in place.
class ScritturaInDueTempi {
 public:
  ScritturaInDueTempi() = default;
  ScritturaInDueTempi(const ScritturaInDueTempi&) = delete;
  ScritturaInDueTempi& operator=(const ScritturaInDueTempi&) = delete;
  ~ScritturaInDueTempi();

  EsitoScrittura prepara(const std::filesystem::path& nome, std::string_view byte,
                         const GuastoScrittura& guasto = {});
  // The outcome of the whole write; after a failed prepara(), that failure again.
  EsitoScrittura conferma();
  void scarta();

 private:
  EsitoScrittura esito_;
  GuastoScrittura guasto_;
  std::filesystem::path temporaneo_, cartella_;
  std::string sulPosto_;
  bool pronta_ = false;
};

// The reason of a failure in words the user can act on, in Italian (UTF-8),
// ending with a full stop: "spazio esaurito sul disco." The system's own words
// are added only when nothing plainer fits.
std::string motivoScrittura(const EsitoScrittura& e);

// The reasons, exact.
inline constexpr std::string_view MotivoCartellaAssente = "la cartella indicata non esiste.";
inline constexpr std::string_view MotivoNomeCartella = "il nome indica una cartella, non un file.";
inline constexpr std::string_view MotivoNonRegolare = "il nome indica un dispositivo o una pipe, non un file.";
inline constexpr std::string_view MotivoFileProtetto = "il file è protetto in scrittura.";
inline constexpr std::string_view MotivoCartellaProtetta = "la cartella è protetta in scrittura.";
inline constexpr std::string_view MotivoNomeLungo = "il nome del file è troppo lungo.";
inline constexpr std::string_view MotivoSpazioEsaurito = "spazio esaurito sul disco.";
// Followed by the system's reason in parentheses and a full stop.
inline constexpr std::string_view MotivoScrittura = "la scrittura non è riuscita";
// "il nome è un collegamento a <destinazione>, in una cartella che non esiste."
inline constexpr std::string_view MotivoCollegamento = "il nome è un collegamento a ";
inline constexpr std::string_view MotivoCollegamentoFine = ", in una cartella che non esiste.";

}  // namespace tessaro
