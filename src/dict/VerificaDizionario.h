// The checks the dictionary tool runs on a plain dictionary text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct ProblemaDizionario {
  std::size_t riga = 0;  // line number from 1
  std::string testo;     // Italian description, UTF-8
};

struct EsitoVerifica {
  std::vector<ProblemaDizionario> problemi;
  std::size_t voci = 0;  // entries (no comments, no empty lines)
};

// Checks a text as the loader will see it: entries out of order (with the
// loader's rule, and also those of two letters or fewer, which the loader
// does not report but which hide words all the same), characters other than
// "A".."Z" and one final vowel-group code, a code before the last position,
// blanks, empty lines, and a missing final CR LF.
EsitoVerifica verificaDizionario(std::string_view testo);

}  // namespace tessaro
