// What the main window keeps for the fillability overlay, the Schema report
// and the symmetry of black cells (handlers in Riempibilita.cpp).
#pragma once

#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fill/Lessico.h"
#include "fill/Riempibilita.h"
#include "fill/Simmetria.h"
#include "fill/ui/FormVerifica.h"

namespace tessaro {

struct StatoRiempibilita {
  // The vocabulary of the active dictionaries, built when first needed, and
  // the slots (bit k = slot k) it was built from; the setter's excluded
  // words, sorted (they score 0 in the report's mean).
  std::unique_ptr<Lessico> lessico;
  int mascheraLessico = -1;
  std::vector<std::string> escluse;

  // The last analysis and the grid and slots it was made from.
  std::optional<Riempibilita> analisi;
  std::vector<std::string> griglia;
  int maschera = -1;

  // A typing keystroke must not wait for the analysis: one that does not
  // finish within budgetMs is left, and run again from the event loop in
  // slices through the yield, the overlay appearing when it is ready.
  int budgetMs = 25;
  bool differire = false;    // the last analysis needed more than the budget
  bool programmata = false;  // a sliced analysis waits in the event queue
  bool inCorso = false;      // a sliced analysis is running (we are in one of its yields)
  bool superata = false;     // the grid or the dictionaries changed under it

  Simmetria simmetria = Simmetria::Nessuna;
  bool suggerimenti = false;  // the grid's tooltip filter is installed

  QPointer<FormVerifica> verifica;
  std::vector<std::string> grigliaVerifica;
  int mascheraVerifica = -1;
};

}  // namespace tessaro
