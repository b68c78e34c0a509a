// The dictionary files of the program folder and the slot each one gets. The
// loader and the decoder library both use this scan, so a slot number means
// the same file on both sides of the decoder call.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"

namespace tessaro {

inline constexpr std::string_view NomeBase = "base.diz";
// The other shipped dictionaries: proper names, and verbs with pronouns.
inline constexpr std::string_view NomeNomi = "nomi.diz";
inline constexpr std::string_view NomeEnclitici = "enclitici.diz";
inline constexpr int UltimoSlot = NumSlot - 1;  // slot 7

// The names of the folder's dictionaries by slot (empty = slot unused) and
// DizCont, the highest slot the scan filled (at least 1).
struct SlotDizionari {
  std::array<std::string, NumSlot> nome;
  int DizCont = 1;
};

// Slot assignment from the two listings, each already in listing order:
// "base.diz" (exactly, in lower case) goes to slot 1 and does not raise
// DizCont; every other ".diz" name goes to DizCont + 1, with "enclitici.diz"
// moved right after "nomi.diz" when both are there; then the ".dic" names.
// With no ".diz" at all slot 1 stays empty. Names past slot 7 are ignored.
SlotDizionari assegnaSlot(const std::vector<std::string>& nomiDiz,
                          const std::vector<std::string>& nomiDic);

// True when `nome` ends in `estensione` (".diz", ".dic") without regard to
// case and has something before it.
bool haEstensione(std::string_view nome, std::string_view estensione);

// The regular files of `cartella` whose names end in `estensione` without
// regard to case, sorted by byte value. An unreadable folder gives no names.
std::vector<std::string> elencaFile(const std::filesystem::path& cartella,
                                    std::string_view estensione);

// The scan of the program folder: "*.diz" names, then "*.dic" names.
SlotDizionari scansionaCartella(const std::filesystem::path& cartella);

// Only a name ending in exactly ".diz" goes through the decoder; ".DIZ",
// ".Diz" and ".dic" files are read as plain text.
bool passaDalDecoder(std::string_view nome);

// The dictionary's name without its last four characters: "base.diz" gives
// "base". Used for the decoder's scratch file and the panel tooltips.
std::string senzaEstensione(std::string_view nome);

}  // namespace tessaro
