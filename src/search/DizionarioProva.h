// Builds a dictionary in memory from a list of lines, with the letter index
// and the order flag the loader gives a file with the same lines. Used by the
// tests and the benchmarks, which write their own small dictionaries.
#pragma once

#include "dict/Dizionario.h"

#include <string>
#include <vector>

namespace tessaro {

// The lines are joined with CR LF (and one after the last line when
// `crlfFinale`). The index holds offset + 1 of the first entry of each run of
// an initial; a later run of the same initial overwrites, and a comment line
// restarts the run. `inOrdine` is false when an entry longer than two
// characters sorts below the previous line longer than two characters.
Dizionario dizionarioDaRighe(const std::vector<std::string>& righe, bool crlfFinale = true,
                             std::string nome = "prova.dic");

}  // namespace tessaro
