// Helpers of the tests and the benchmarks, not of the program: builds a
// dictionary in memory from a list of lines, with the letter index and the
// order flag the loader gives a file with the same lines, and a synthetic
// word list.
#pragma once

#include "dict/Dizionario.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

// The lines are joined with CR LF (and one after the last line when
// `crlfFinale`); the index and the order flag are the loader's.
Dizionario dizionarioDaRighe(const std::vector<std::string>& righe, bool crlfFinale = true,
                             std::string nome = "prova.dic");

// The same for a whole text as read from a file (CR LF separated; a text
// with bare LF line ends is converted).
Dizionario dizionarioDaTesto(std::string testo, std::string nome = "prova.dic");

// The dictionary in the plain-text file at `percorso`, or nothing when it
// cannot be read.
std::optional<Dizionario> leggiDizionarioTesto(const std::string& percorso);

// A sorted word list of about `voci` entries that looks like Italian word
// forms: stems of Italian syllables with the endings of nouns, adjectives and
// verbs (lengths 2 to about 20, most between 7 and 13). With
// `gruppiVocalici` the forms that differ only in their final vowel are folded
// into one entry with a vowel-group code, as in the base dictionary. The
// same seed gives the same list.
Dizionario dizionarioSintetico(std::size_t voci, bool gruppiVocalici, unsigned seme = 1);

}  // namespace tessaro
