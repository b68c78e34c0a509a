// The forms left out of the shipped word lists on purpose, each by a named
// rule. Every rule is here, in the order they are tried; a form stays when
// at least one of the ways it is made escapes them all.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "Affissi.h"

namespace espandi {

enum class Motivo : std::uint8_t {
  nessuno,
  elisione,   // an apostrophe: L'ACQUA, SANT'ANNA, PO'
  sigla,      // units, abbreviations, web words of data/sigle.txt: KG, KMQ, WWW
  romano,     // Roman numerals: XIV, MCM (not CI, MI: plurals and words)
  numerale,   // numbers composed above one hundred: CENTOUNO, DUEMILATRE
  siComposto, // SI/SE after a participle, gerund or imperfect: PARLANTESI, PARLANDOSI, PARLAVASI
  enclitica,  // pronouns attached: PARLARLO, DIMMELO (enclitici.diz keeps the common ones)
};

struct RegolaEsclusione {
  Motivo motivo;
  std::string_view nome;
};

inline constexpr std::array<RegolaEsclusione, 6> Esclusioni = {{
    {Motivo::elisione, "elisione"},
    {Motivo::sigla, "sigla"},
    {Motivo::romano, "numero-romano"},
    {Motivo::numerale, "numerale-composto"},
    {Motivo::siComposto, "si-composto"},
    {Motivo::enclitica, "enclitica"},
}};

std::string_view nomeMotivo(Motivo m);

// A list of words (UTF-8, lower case): data/sigle.txt, data/non-enclitiche.txt.
using Sigle = std::unordered_set<std::string>;

// Why a form of a Hunspell root is left out (Motivo::nessuno: it is not).
// `radice` and `flag` are the root's entry, `f` one of its forms.
Motivo motivoForma(const Affissi& a, const Sigle& sigle, std::u32string_view radice,
                   std::string_view flag, const Forma& f);

// An enclitic form of the kind enclitici.diz keeps for the common verbs:
// no prefix (RIFARLO is RI + FARLO, STRAFARLO is not kept) and one pronoun
// (FARLO, DIMMI) or a pronoun pair of everyday speech, ME TE CE VE SE GLIE
// before LO LA LI LE NE (DIRTELO, ANDARSENE, FARCELA, DIRGLIELO).
bool encliticaComune(const Forma& f);

// The rules on the text alone.
Motivo motivoTesto(const Sigle& sigle, std::string_view parola);

// Why a word of the plain word list is left out. A listed word is a word of
// its own where Hunspell makes it only as a Roman numeral (DI, MI, VI), and
// where Hunspell makes it only with pronouns if it ends in -ALE or -ALI (the
// adjectives and nouns GENERALE, NATALE that the Italian Hunspell dictionary
// lacks and makes as GENERA + LE, NATA + LE); and where it makes it only with
// pronouns or SI if it is one of `proprie` (APRILE = APRI + LE, PARENTESI =
// PARENTE + SI, RIMASI = RIMA + SI). `motivi` has bit 1 << m for each Motivo m of the ways Hunspell
// makes the word (0: it does not).
Motivo motivoLista(const Sigle& sigle, const Sigle& proprie, std::string_view parola, unsigned motivi);

}  // namespace espandi
