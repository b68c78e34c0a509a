// The four buttons that relax a row or column request: "Libera INIZIO",
// "Accorcia all' INIZIO", "Accorcia in CODA", "Libera CODA". Each takes the
// request state and gives either a refusal or the new state, with the cells
// given up to a free run marked in green; the window then redraws and runs
// the search again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr std::string_view TestoGiaAttivata = " Già attivata! ";
inline constexpr std::string_view TestoNonPossibile = " non possibile ";
inline constexpr std::string_view TestoLiberaTesta = " Lunghezza Libera in Testa ";
inline constexpr std::string_view TestoLiberaCoda = " Lunghezza Libera in Coda ";
inline constexpr std::string_view TestoAccorciaInizio = " Accorcia all'Inizio ";
inline constexpr std::string_view TestoAccorciaFine = " Accorcia alla Fine ";

// A rectangle of cells: EvidCol, EvidRiga, EvidLarg, EvidAlt.
struct RiquadroCelle {
  int col = 0, riga = 0, larg = 0, alt = 0;
  bool operator==(const RiquadroCelle&) const = default;
};

struct StatoRichiesta {
  std::string Richiesta, RichiestaMax, RichiestaIntera, TestaLibera, CodaLibera;
  int PrimaCol = 0, UltimaCol = 0, PrimaRiga = 0, UltimaRiga = 0;
  RiquadroCelle Evid;       // the highlight rectangle
  bool colonna = false;  // a column request (tool 2); else a row request
  bool operator==(const StatoRichiesta&) const = default;
};

// What a button press gives. When `pannello2` is set, panel 2 shows it and
// panel 3 shows " " (before a possible refusal). When `rifiuto` is set,
// panel 3 shows it with a beep and nothing else changes. Otherwise `nuovo`
// is the new state: show its Richiesta in texta, clear textb, redraw,
// highlight nuovo->Evid, draw `verde` (if any) as a green frame, run cerca.
struct EsitoComando {
  std::string pannello2;
  std::string rifiuto;
  std::optional<StatoRichiesta> nuovo;
  std::optional<RiquadroCelle> verde;
};

// The caller does nothing at all while a search runs (Occupato > 0).
EsitoComando liberaInizio(const StatoRichiesta& s);    // Command1
EsitoComando accorciaInizio(const StatoRichiesta& s);  // Command2
EsitoComando accorciaCoda(const StatoRichiesta& s);    // Command3
EsitoComando liberaCoda(const StatoRichiesta& s);      // Command4

}  // namespace tessaro
