// The letter index of one dictionary and the order check that runs with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"

namespace tessaro {

inline constexpr std::string_view TitoloAttenzione = "Attenzione...";

// The entry with blanks (spaces) trimmed at both ends, as the index and the
// order check see it.
std::string_view voceRifilata(std::string_view voce);

// Builds d.indice from d.testo and checks the order. Every entry is walked,
// also a last entry of one or two letters and one without its final CR LF.
// A new run of an initial sets the index to the run's first entry (so a later
// run overwrites an earlier one, and a comment or empty line inside a run
// restarts it at the entry after). An entry longer than two characters that
// sorts below the previous one, also longer than two, is out of order; the
// trimmed out-of-order entries are returned, in text order, and d.inOrdine
// becomes false. Initials outside "@".."Z" get no index slot. The walk is not
// interrupted by `cedi`: a half-built index would hide words.
std::vector<std::string> indicizza(Dizionario& d, Cedi& cedi);

// The warning for an out-of-order entry, in UTF-8 (the entry is converted
// from the dictionary's Windows-1252 bytes):
// "Questa parola " & entry & " è fuori sequenza" & CR_LF &
// "può compromettere la ricerca nel suo dizionario."
std::string testoFuoriSequenza(std::string_view voce);

}  // namespace tessaro
