// The private scratch folder of one program run, where the decoder library
// writes the plain text of a ".diz" dictionary for the loader to read. It is
// made by mkdtemp with a random name, so nobody can put a file, a folder or
// a link at its name in advance, and its path is handed to the decoder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

// Where the folder goes: $XDG_RUNTIME_DIR when it is set, exists and belongs
// to us; otherwise the system temporary folder.
std::filesystem::path radiceScratch();

// Creates "tessaro-<uid>-XXXXXX" (random) under radiceScratch() with mode
// 0700 and puts its path into `cartella`. Returns an empty string on
// success, else the reason (Italian, with the system's words).
std::string creaCartellaScratch(std::filesystem::path& cartella);

// True when `cartella` is a real folder (not a symbolic link), owned by us,
// with mode 0700.
bool cartellaPrivata(const std::filesystem::path& cartella);

// Removes the folder and the files in it; does nothing if it is missing or is
// not ours.
void rimuoviCartellaScratch(const std::filesystem::path& cartella);

}  // namespace tessaro
