// File names between Qt and the file system. Qt shows a name that is not
// valid UTF-8 with replacement characters, and encoding that text back gives
// other bytes: a folder named "caf\xe9" would become a folder that does not
// exist. Paths the program keeps for the file system stay the system's bytes.
#pragma once

#include <QString>
#include <filesystem>

namespace tessaro {

// The bytes of a path Qt shows as `p`. The current folder (the program
// folder at start-up) is given as the system's own bytes even when its name
// is not valid UTF-8; any other path is encoded as Qt encodes file names.
std::filesystem::path percorsoLocale(const QString& p);

// A path as Qt shows it.
QString nomeVisibile(const std::filesystem::path& p);

}  // namespace tessaro
