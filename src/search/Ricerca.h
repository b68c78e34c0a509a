// The search walk behind `cerca`: the matching entries of the active
// dictionaries as result lines, in slot order and then in text order.
// Status texts, pointers, the busy flag and the list belong to the window.
#pragma once

#include "dict/Dizionario.h"
#include "search/IndiceRicerca.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// One active dictionary as the search sees it.
struct DizAttivo {
  int slot = 0;                            // DizCorrente: 1 = base dictionary
  const Dizionario* diz = nullptr;
  const IndiceRicerca* indice = nullptr;   // optional; the walk is used without it
  // Asked at each visit of the slot by the crossing test: false skips it, so
  // a dictionary switched on or off during the test counts for the visits
  // still to come. Empty: always active.
  std::function<bool()> attivo = {};
};

// The request and its companions. Only the lengths of TestaLibera,
// CodaLibera and RichiestaMax count.
struct RichiestaRicerca {
  std::string_view Richiesta;
  std::string_view RichiestaMax;
  std::size_t TestaLibera = 0;
  std::size_t CodaLibera = 0;
};

// A normal search stops at this many lines; "Ricerca Estesa" has no limit.
inline constexpr std::size_t LimiteRisultati = 50;
inline constexpr std::size_t SenzaLimite = 0;

struct RisultatoRicerca {
  bool errata = false;             // refused: show TestoRichiestaErrata
  std::vector<std::string> righe;  // the result lines, e.g. "CANE -1"
  bool interrotta = false;         // the yield point asked to stop
};

// The search. `limite` is LimiteRisultati, or SenzaLimite for an extended
// search. `cedi` is called once per entry examined (the index path calls it
// once per block of 64); when it asks to stop, the lines found so far are
// returned with `interrotta` set. A dictionary with a usable index is
// searched through it, with the same lines as the walk.
RisultatoRicerca cercaVoci(const RichiestaRicerca& q, std::span<const DizAttivo> dizionari, std::size_t limite,
                           Cedi& cedi);

// The same search, always walking every dictionary's text entry by entry.
RisultatoRicerca cercaVociPercorrendo(const RichiestaRicerca& q, std::span<const DizAttivo> dizionari,
                                      std::size_t limite, Cedi& cedi);

}  // namespace tessaro
