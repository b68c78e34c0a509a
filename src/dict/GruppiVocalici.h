// Vowel-group codes of the base dictionary: a final code stands for one word
// per vowel of its group (CAS! is CASA and CASE).
#pragma once

#include <string_view>

namespace tessaro {

// The vowels of the group coded by `c`, or an empty view when `c` is no code.
constexpr std::string_view vocaliGruppo(char c) {
  switch (c) {
    case '!': return "AE";
    case '#': return "AI";
    case '$': return "EI";
    case '%': return "AEI";
    case '&': return "AO";
    case '(': return "EO";
    case ')': return "AEO";
    case '=': return "IO";
    case '+': return "AIO";
    case '-': return "EIO";
    case '@': return "AEIO";
    default: return {};
  }
}

// The text a result line shows for a final code: "!" gives "(AE)".
constexpr std::string_view testoGruppo(char c) {
  switch (c) {
    case '!': return "(AE)";
    case '#': return "(AI)";
    case '$': return "(EI)";
    case '%': return "(AEI)";
    case '&': return "(AO)";
    case '(': return "(EO)";
    case ')': return "(AEO)";
    case '=': return "(IO)";
    case '+': return "(AIO)";
    case '-': return "(EIO)";
    case '@': return "(AEIO)";
    default: return {};
  }
}

constexpr bool eCodiceGruppo(char c) { return !vocaliGruppo(c).empty(); }

}  // namespace tessaro
