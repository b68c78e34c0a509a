// The fill: writes words of the vocabulary into the empty cells of a Schema
// (or of an area of it) so that every run is a word, no word appears twice
// and every letter already in the grid stays.
//
// A complete search over the candidate sets of src/fill/Rete: after every
// choice the sets are brought back to arc consistency; the run chosen next is
// the one with the fewest candidates per conflict it has caused (conflicts
// are counted across the whole search and weigh more and more, so the search
// learns where the grid is hard); its word is the best-scoring candidate,
// a random one among equal scores (from the seed). A wrong word is refuted
// at once (the run may not take it) and the refutation propagated; after a
// growing number of failures the search starts again from the top with what
// it learned, so one bad early choice does not cost minutes. When a search
// runs out of choices without reaching its failure limit, no fill exists.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fill/Lessico.h"
#include "fill/Rete.h"
#include "schema/Schema.h"

namespace tessaro {

inline constexpr double TempoMassimoPredefinito = 30;

struct OpzioniRiempimento {
  std::uint64_t seme = 1;
  double tempoMassimo = TempoMassimoPredefinito;  // seconds; 0: no limit
  int minimo = 0;                                  // lowest word score allowed
  std::optional<Area> area;                        // only its empty cells are filled
};

enum class EsitoRiempimento : std::uint8_t {
  Riempito,        // every run has its word
  SenzaCandidati,  // a run has no word that agrees with its own letters
  Esaurito,        // every combination tried: no fill exists
  Tempo,           // the time limit passed first
  Interrotto,      // the yield hook asked to stop
};

// What the yield hook sees.
struct Avanzamento {
  int riempiti = 0;  // runs with their word, at best so far
  int totale = 0;    // runs to fill
  double secondi = 0;
  std::uint64_t nodi = 0;
};

// The yield point: called between steps, about once per choice (a few
// milliseconds at most apart); returns true to stop the fill.
using CediRiempimento = std::function<bool(const Avanzamento&)>;

struct Scrittura {
  int riga = 0, col = 0;
  char car = '?';
  friend bool operator==(const Scrittura&, const Scrittura&) = default;
};

struct RisultatoRiempimento {
  EsitoRiempimento esito = EsitoRiempimento::Esaurito;
  // The letters for the empty cells, row by row: all of them when filled;
  // on the time limit or a stop, those of the runs completed at the best
  // point reached.
  std::vector<Scrittura> proposta;
  // The blocking run (SenzaCandidati, Esaurito): the one without candidates,
  // or the one where the search met most conflicts.
  std::optional<Percorso> bloccante;
  int riempiti = 0, totale = 0;
  std::uint64_t nodi = 0, fallimenti = 0, ripartenze = 0;
  double secondi = 0;
  double punteggioMedio = 0;  // of the words the fill wrote (or completed)
};

RisultatoRiempimento riempi(const Lessico& lessico, const Schema& s, const OpzioniRiempimento& o,
                            const CediRiempimento& cedi = {});

// The one Italian line that tells why there is no fill:
//   "Nessun riempimento possibile: 12 Orizzontale non ha parole adatte."
//   "Nessun riempimento possibile: per 12 Orizzontale esaurite tutte le combinazioni."
//   "Nessun riempimento trovato in 30 secondi."
//   "Riempimento interrotto."
// Empty when filled.
std::string messaggioRiempimento(const RisultatoRiempimento& r, const OpzioniRiempimento& o);

}  // namespace tessaro
