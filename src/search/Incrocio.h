// The crossing test: which letters can go into an empty cell so that some
// dictionary word fits both the row slot and the column slot through it.
// Status texts, pointers and the list belong to the window.
#pragma once

#include "dict/Dizionario.h"
#include "search/Ricerca.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

inline constexpr std::string_view TestoErroreCasella = " errore CASELLA ";
inline constexpr std::string_view TestoInterruzioneIncrocio = " interruzione  ";
inline constexpr std::string_view TestoIncrocioVocali =
    " SUGGERIMENTI INCROCIO (solo le vocali, premere Alt per test completo) ";
inline constexpr std::string_view TestoIncrocioCompleto =
    " SUGGERIMENTI INCROCIO (test completo, premere Ctrl per sole vocali) ";
inline constexpr std::string_view TestoIncrocioLettera = " incrocio ";  // followed by the letter and " "
inline constexpr std::string_view SuggerimentoIncrocio = "Click per trasferire all'INCROCIO";

// The crossing cell in the models.
inline constexpr char CellaIncrocio = '#';

enum class EsitoModelli {
  Ok,
  CasellaPiena,   // the cell is not empty: TestoRichiestaErrata, nothing highlighted
  ErroreCasella,  // a slot holds no letter or is shorter than 2: TestoErroreCasella
};

// The row and column slots through cell (r, c): one character per cell,
// "?" for an empty cell, "#" for the crossing cell. The extents are set as
// the slots are read (also when the request is refused for the slots).
struct ModelliIncrocio {
  EsitoModelli esito = EsitoModelli::Ok;
  std::string ModelloRiga;
  std::string ModelloColonna;
  int PrimaCol = 0, UltimaCol = 0, PrimaRiga = 0, UltimaRiga = 0;
};

ModelliIncrocio costruisciModelli(const std::vector<std::string>& Griglia, int Righe, int Colonne, int r, int c);

struct RisultatoSugginc {
  bool Trovato = false;
  int LungTrovata = 0;  // the pattern length that fitted
  bool interrotto = false;
};

// Whether some active dictionary holds a word fitting ModelloProva (letters,
// and "?" or "*" for any letter), trying the full length first and then, when
// `Accorcia` ("Lunghezza Libera") is checked, shorter lengths down to the
// last placed letter. Base dictionary entries (slot 1) may fit through their
// vowel-group codes; the other dictionaries are taken literally.
RisultatoSugginc sugginc(std::string_view ModelloProva, bool Accorcia, std::span<const DizAttivo> dizionari,
                         Cedi& cedi);
// The same, always walking the texts.
RisultatoSugginc suggincPercorrendo(std::string_view ModelloProva, bool Accorcia,
                                    std::span<const DizAttivo> dizionari, Cedi& cedi);

struct RisultatoIncrocio {
  std::vector<std::string> voci;  // "E" or "E (Oriz.-2 / Vert.-1)"
  bool interrotto = false;
};

// The list entry of a letter that fits both slots.
std::string voceIncrocio(char lettera, int LungRiga, int lunghezzaRiga, int LungColonna, int lunghezzaColonna);

// The letter loop: every letter A..Z (the five vowels when `SoloVocali`),
// listed when both slots fit. Each dictionary's `attivo` is asked whenever
// the test comes to it. `cedi.ora()` is asked once per letter, after
// `primaDiLettera(letter)` (the window shows " incrocio X "); when it asks to
// stop, the letters found so far are kept.
RisultatoIncrocio incrocio(const ModelliIncrocio& modelli, bool SoloVocali, bool Accorcia,
                           std::span<const DizAttivo> dizionari, Cedi& cedi,
                           const std::function<void(char)>& primaDiLettera = {});
// The same, always walking the texts.
RisultatoIncrocio incrocioPercorrendo(const ModelliIncrocio& modelli, bool SoloVocali, bool Accorcia,
                                      std::span<const DizAttivo> dizionari, Cedi& cedi,
                                      const std::function<void(char)>& primaDiLettera = {});

}  // namespace tessaro
