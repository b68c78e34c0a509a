// The Schema report ("Verifica Schema..."): size, white and black cells,
// words by length, two-letter words, repeated words, complete words no active
// dictionary holds, unchecked letters, white regions cut off from the rest and
// the mean word score. Each line that names words or cells carries them, so a
// click on it can select them in the grid.
#pragma once

#include <string>
#include <vector>

#include "fill/Lessico.h"
#include "fill/Rete.h"
#include "schema/Schema.h"

namespace tessaro {

struct RigaVerifica {
  std::string testo;
  std::vector<Area> selezione;  // the words or cells the line names
};

// The report of `s`. Without a vocabulary (dictionaries not loaded yet) the
// dictionary lines say so. `escluse` (sorted) are words the setter keeps out
// of fills: they count 0 in the mean score.
std::vector<RigaVerifica> verificaSchema(const Schema& s, const Lessico* lessico,
                                         const std::vector<std::string>& escluse = {});

}  // namespace tessaro
