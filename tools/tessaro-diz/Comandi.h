// The subcommands of tessaro-diz and the helpers they share.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tessaro::diz {

// Exit codes: 0 done (check: nothing wrong), 1 check found problems,
// 2 bad usage, unreadable input or unwritable output.
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

int comandoBuild(Argomenti args);
int comandoUnpack(Argomenti args);
int comandoCheck(Argomenti args);

// Prints "tessaro-diz: <messaggio>" on stderr and returns EsitoErrore.
int errore(std::string_view messaggio);

// Prints the usage of one command on stderr and returns EsitoErrore.
int erroreUso(std::string_view uso);

// Reads a whole file; on failure prints the reason and returns false.
bool leggiFile(const std::filesystem::path& p, std::string& dati);

// The text of a dictionary file as the loader sees it: a name ending in
// exactly ".diz" is decoded, any other is normalised as plain text. On
// failure prints the reason and returns false.
bool leggiDizionario(const std::filesystem::path& p, std::string& testo);

// Writes to a temporary file in the same folder and renames it over `p`, so
// a failure never leaves half a file. On failure prints the reason and
// returns false.
bool scriviFile(const std::filesystem::path& p, std::string_view dati);

}  // namespace tessaro::diz
