// A small reader of Hunspell affix files and an expander of .dic entries,
// enough for the Italian dictionary: one-character flags, prefixes and
// suffixes with strip, append and condition, and cross products. It also
// tells which suffix rules attach enclitic pronouns (PORTAMELO, DAGLIELO).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace espandi {

struct Regola {
  bool prefisso = false;
  unsigned char flag = 0;
  bool incrocio = false;     // may combine with the other kind
  std::u32string togli;      // stripped from the word
  std::u32string aggiungi;   // added to it
  // The condition, one entry per character position: the set of allowed
  // characters (negato = the set of forbidden ones); empty set = any.
  struct Classe {
    std::u32string caratteri;
    bool negato = false;
    bool qualsiasi = false;
  };
  std::vector<Classe> condizione;
  bool enclitica = false;    // attaches pronouns: its forms are left out of the base
};

struct Affissi {
  std::vector<Regola> regole;
  // The rules by flag byte.
  std::vector<std::vector<std::size_t>> perFlag = std::vector<std::vector<std::size_t>>(256);
  // Flags whose every rule adds Roman-numeral letters (XIV, MCM).
  std::array<bool, 256> romano{};
};

std::u32string daUtf8(std::string_view s);
std::string aUtf8(std::u32string_view s);

// Reads the affix file (UTF-8). Returns false with a message on failure.
bool leggiAffissi(std::string_view testo, Affissi& a, std::string& errore);

// Marks the suffix rules that attach enclitic pronouns (see the .cpp).
void segnaEnclitiche(Affissi& a);

// Marks the flags of Roman numerals.
void segnaRomani(Affissi& a);

// A form and how it came: flags of the rules used.
struct Forma {
  std::u32string testo;
  bool enclitica = false;  // made by a pronoun-attaching suffix rule
  bool romano = false;     // made by a Roman-numeral rule
  const Regola* suffisso = nullptr;  // the suffix rule used, if any
};

// The word and its forms. Prefix rules that add an apostrophe (elisions such
// as L'ACQUA) are not applied.
void espandiParola(const Affissi& a, std::u32string_view parola, std::string_view flag,
                   std::vector<Forma>& out);

}  // namespace espandi
