// The private scratch folder of one program run, where the decoder library
// writes the plain text of a ".diz" dictionary for the loader to read. Its
// name comes from the user id and the process id, so the decoder, running in
// the same process, finds it from getpid() alone.
#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace tessaro {

// "$XDG_RUNTIME_DIR/tessaro-<uid>-<pid>" when XDG_RUNTIME_DIR is set, exists
// and belongs to us; otherwise the same name in the system temporary folder.
std::filesystem::path cartellaScratch(pid_t pid);

// The folder of this process.
std::filesystem::path cartellaScratch();

// True when `cartella` is a real folder (not a symbolic link), owned by us,
// with mode 0700.
bool cartellaPrivata(const std::filesystem::path& cartella);

// Creates the folder with mode 0700. An existing folder is accepted only if
// it is private (a leftover of an earlier run with the same process id);
// anything else there is refused. Returns an empty string on success, else
// the reason (Italian).
std::string creaCartellaScratch(const std::filesystem::path& cartella);

// Removes the folder and the files in it; does nothing if it is missing or is
// not ours.
void rimuoviCartellaScratch(const std::filesystem::path& cartella);

}  // namespace tessaro
