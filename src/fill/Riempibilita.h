// Whether a Schema can still be filled with the words of the active
// dictionaries, and what the setter sees of it: the candidates of every run,
// the letters every cell may still take, the dead cells, the blocking runs and
// the forced letters.
//
// A run's candidates are the vocabulary's words of its length that agree with
// its letters; arc consistency over all runs (Rete) narrows them until
// nothing changes.
//   - When every cell keeps a letter, the grid is fillable: counts and letters
//     are those of the fixed point, and an empty cell left with one letter is
//     a forced letter.
//   - When propagation empties a cell, it is not. Propagating further would
//     empty everything connected to it, which shows nothing, so then each run
//     is counted against its own letters only, a cell is dead when the
//     letters its runs offer there have none in common, and the runs without
//     any candidate against their own letters are the blocking runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dict/Dizionario.h"
#include "fill/Lessico.h"
#include "fill/Percorsi.h"
#include "schema/Schema.h"

namespace tessaro {

struct Riempibilita {
  MappaPercorsi mappa;
  bool riempibile = true;
  // Per run (as in mappa.percorsi): the candidates shown, and whether it has
  // none against its own letters.
  std::vector<std::uint32_t> candidati;
  std::vector<std::uint8_t> bloccante;
  int bloccanti = 0;
  // When not fillable: the run whose candidates the crossings used up first.
  int conflitto = -1;
  // Per cell (mappa.indice(r, c)): the letters it may still take (none for a
  // black cell), whether it is dead, and its forced letter ('A'..'Z', else 0).
  std::vector<Lettere> lettere;
  std::vector<std::uint8_t> morta;
  std::vector<char> forzata;

  Lettere lettereDi(int r, int c) const { return lettere[static_cast<std::size_t>(mappa.indice(r, c))]; }
  bool mortaIn(int r, int c) const { return morta[static_cast<std::size_t>(mappa.indice(r, c))] != 0; }
  char forzataIn(int r, int c) const { return forzata[static_cast<std::size_t>(mappa.indice(r, c))]; }
};

// The analysis of `s` (whose "@" count as black). `cedi` is asked between
// steps; when it says stop, the analysis is abandoned (nullopt).
std::optional<Riempibilita> analizzaRiempibilita(const Lessico& lessico, const Schema& s, Cedi& cedi);
Riempibilita analizzaRiempibilita(const Lessico& lessico, const Schema& s);

// ---- what the window and the dictionary tool show

// Status panel 9: "Riempibile" or "Non riempibile: K".
std::string testoStatoRiempibilita(const Riempibilita& a);

// The hover text of status panel 9 when not fillable: which run the
// crossings left without words ("Con gli incroci resta senza parole: 2
// Verticale"), a hint even when no cell is dead. Empty when fillable.
std::string testoConflitto(const Riempibilita& a);

// The hover text of a white cell: "12 Orizzontale: 341 parole; 5 Verticale:
// 18 parole; lettere: A E I O" (only the runs the cell has; "1 parola";
// "lettere: nessuna" for none). Empty for a black cell.
std::string testoCellaRiempibilita(const Riempibilita& a, int r, int c);

// The lines of "tessaro-diz analizza", without line ends: one per run
// ("12 O 5 CA??E 33"), then the dead cells ("vuota R,C") or the forced
// letters ("forzata R,C L"), rows and columns from 1, and last "riempibile"
// or "non riempibile: K".
std::vector<std::string> righeAnalisi(const Riempibilita& a, const Schema& s);

// "A E I O".
std::string elencoLettere(Lettere l);

}  // namespace tessaro
