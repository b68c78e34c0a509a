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
  // The length of the pronoun chain the rule attaches (LO of PARLARLO), or 0.
  std::size_t catena = 0;
  // The length of a chain with SI or SE the rule attaches after a stem made
  // by another rule (PARLANTE + SI, PARLAVA + SI) or, when it attaches
  // pronouns, after any stem (PARLANDO + SI); 0 if none.
  std::size_t catenaSi = 0;
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

// Measures the pronoun chain of the suffix rules that attach enclitic
// pronouns (see the .cpp).
void segnaEnclitiche(Affissi& a);

// Marks the flags of Roman numerals.
void segnaRomani(Affissi& a);

// A form and the rules that made it from the word (none: the word itself).
struct Forma {
  std::u32string testo;
  const Regola* suffisso = nullptr;
  const Regola* prefisso = nullptr;
};

// The word and its forms. Prefix rules that add an apostrophe (elisions such
// as L'ACQUA) are not applied.
void espandiParola(const Affissi& a, std::u32string_view parola, std::string_view flag,
                   std::vector<Forma>& out);

}  // namespace espandi
