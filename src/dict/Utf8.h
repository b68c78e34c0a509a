// UTF-8, one character at a time: the word lists, the linguistic engine's
// texts and the conversions to and from the dictionaries' single bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaro {

// Reads the character at `i` and moves `i` past it; false (and `i`
// unchanged) on a malformed, overlong or surrogate sequence.
bool leggiUtf8(std::string_view s, std::size_t& i, char32_t& c);

// Appends `c` in UTF-8.
void aggiungiUtf8(std::string& out, char32_t c);

}  // namespace tessaro
