// Opens the .diz decoder library (libTESSDLL.so) at run time from the
// program's library folder and hands back its MYFUNC.
#pragma once

#include <QString>
#include <filesystem>

#include "dict/CaricaDizionari.h"

namespace tessaro {

// The decoder call, writing into `cartellaScratch` (named to the library
// before each call), or an empty function when the library or its symbols
// are missing (a .diz then counts as a decoder failure). `dove` gets the
// path tried last, for the developer.
ChiamataDecoder caricaDecoder(const std::filesystem::path& cartellaScratch, QString* dove = nullptr);

}  // namespace tessaro
