// The subcommands of tessaro-diz and the helpers they share.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"
#include "search/IndiceRicerca.h"
#include "search/Ricerca.h"

namespace tessaro::diz {

// Exit codes: 0 done (check: nothing wrong), 1 check found problems or the
// program would refuse the request (cerca, incrocio), 2 bad usage,
// unreadable input or unwritable output.
inline constexpr int EsitoOk = 0;
inline constexpr int EsitoProblemi = 1;
inline constexpr int EsitoErrore = 2;

using Argomenti = std::span<const std::string_view>;

// One subcommand: its name, its usage line and the function that runs it with
// the arguments after the name. A new subcommand is one more line in the
// table of main.cpp and a cmd_<name>.cpp defining its function.
struct Comando {
  std::string_view nome;
  std::string_view uso;
  int (*esegui)(Argomenti);
};

inline constexpr std::string_view UsoBuild = "tessaro-diz build [--vowel-groups] -o OUT WORDLIST...";
inline constexpr std::string_view UsoUnpack = "tessaro-diz unpack IN.diz OUT";
inline constexpr std::string_view UsoCheck = "tessaro-diz check FILE";
inline constexpr std::string_view UsoCerca = "tessaro-diz cerca [--estesa] [--max N] RICHIESTA DIZ...";
inline constexpr std::string_view UsoIncrocio = "tessaro-diz incrocio [--libera] [--vocali] RIGA COLONNA DIZ...";
inline constexpr std::string_view UsoAnagrammi = "tessaro-diz anagrammi PAROLA BASE";
inline constexpr std::string_view UsoRiempi =
    "tessaro-diz riempi [--seme N] [--tempo SECONDI] [--minimo PUNTEGGIO] [--statistiche] [-o OUT.tes] SCHEMA.tes DIZ...";
inline constexpr std::string_view UsoCopertura = "tessaro-diz copertura LISTA DIZ...";
inline constexpr std::string_view UsoImporta = "tessaro-diz importa IN.ipuz -o OUT.tes";
inline constexpr std::string_view UsoEsporta =
    "tessaro-diz esporta --formato ipuz|pdf|svg|png [--soluzione] [--titolo TITOLO] [--carta A4|Letter] -o OUT SCHEMA.tes";

int comandoBuild(Argomenti args);
int comandoUnpack(Argomenti args);
int comandoCheck(Argomenti args);
// The scripting faces of the search, the crossing test and the anagrams:
// each prints the lines the program's result list would show, one per line.
// A request the program refuses prints the program's status text on stderr
// and exits with EsitoProblemi.
int comandoCerca(Argomenti args);
int comandoIncrocio(Argomenti args);
int comandoAnagrammi(Argomenti args);
// Fills a Schema file; exit 0 filled (the Schema on OUT or standard output),
// 1 no fill (one Italian line on standard error), 2 bad usage or input.
int comandoRiempi(Argomenti args);
// The words of a list that no dictionary holds, then "coperte: N di M (P %)";
// exits with EsitoProblemi when some word is not covered.
int comandoCopertura(Argomenti args);
// A crossword between Tessaro and the outside: importa writes OUT.tes and
// OUT.def from an ipuz file (1 with the window's message for a file it
// refuses); esporta writes what the window's "Esporta" writes, reading the
// Schema's .def when there is one (1 for a Schema file the window refuses or
// a damaged .def).
int comandoImporta(Argomenti args);
int comandoEsporta(Argomenti args);

// A message for the terminal: control characters (C0, DEL, C1) and bytes
// that are not UTF-8 are shown as "\x1b", so no dictionary or file name can
// drive the terminal.
std::string perTerminale(std::string_view testo);

// Prints "tessaro-diz: <messaggio>" on stderr (through perTerminale) and
// returns EsitoErrore.
int errore(std::string_view messaggio);

// Prints the usage of one command on stderr and returns EsitoErrore.
int erroreUso(std::string_view uso);

// Reads a whole file; on failure prints the reason and returns false.
bool leggiFile(const std::filesystem::path& p, std::string& dati);

// The text of a dictionary file as the loader sees it: a name ending in
// exactly ".diz" is decoded, any other is prepared as plain text
// (preparaTestoPiano; entries in lower case are warned about). On failure
// prints the reason and returns false.
bool leggiDizionario(const std::filesystem::path& p, std::string& testo);

// The dictionaries of a search, loaded as the program loads them (decoded or
// normalised, then the letter index and the order check) and given slots 1,
// 2, ... in the order of the names; slot 1 is the base dictionary. Each one
// also gets its search index.
class DizionariRicerca {
 public:
  // At most this many: the program searches slots 1 to 6.
  static constexpr std::size_t Massimo = 6;
  // On failure prints the reason and returns false.
  bool carica(Argomenti nomi);
  std::span<const DizAttivo> attivi() const { return attivi_; }
  const Dizionario& slot(std::size_t k) const { return diz_[k - 1]; }

 private:
  std::vector<Dizionario> diz_;
  std::vector<IndiceRicerca> indici_;
  std::vector<DizAttivo> attivi_;
};

// A text given on the command line in the dictionaries' code page: valid
// UTF-8 is converted to Windows-1252, other bytes are taken as they are.
std::string argomento1252(std::string_view argomento);

// Prints the lines, each ended by "\n", byte for byte, control characters
// escaped (visibile1252).
void stampaRighe(const std::vector<std::string>& righe);

// Writes through scriviFileSicuro: a temporary file in the same folder,
// checked and flushed, renamed over `p`, so a failure never leaves half a
// file; a new file gets 0666 less the umask, a replaced one keeps its mode.
// On failure prints the reason and returns false.
bool scriviFile(const std::filesystem::path& p, std::string_view dati);

// tessaro-diz analizza: whether a Schema file can still be filled, one line
// per run, the dead cells or the forced letters, then the verdict, each line
// ended by CR LF. Exit 0 fillable, 1 not fillable, 2 bad usage or an invalid
// file.
inline constexpr std::string_view UsoAnalizza = "tessaro-diz analizza SCHEMA.tes DIZ...";
int comandoAnalizza(Argomenti args);

}  // namespace tessaro::diz
