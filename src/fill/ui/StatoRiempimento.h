// What the window keeps for the fill: the vocabulary of the active
// dictionaries (rebuilt when they or the score lists change), the proposal
// on screen, the area selection and the options of "Qualità Minima...".
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fill/Lessico.h"
#include "fill/Riempimento.h"

namespace tessaro {

struct StatoRiempimento {
  Lessico lessico;
  bool lessicoPronto = false;
  int attivi = 0;  // the dictionary slots it was built from (bit k = slot k)
  ListePunteggi liste;

  // The proposal shown in blue; empty when none. The area it fills, drawn
  // with it.
  std::vector<Scrittura> proposta;
  std::optional<Area> area;
  bool inCorso = false;  // a fill is running

  // "Riempi Area" armed: the next drag on the grid marks the area.
  bool areaArmata = false;
  bool trascina = false;
  int col0 = 0, riga0 = 0, col1 = 0, riga1 = 0;
  // The Click that follows the drag's release is the fill's, not a tool's.
  bool ignoraClick = false;
  // Panel 1 and its hint before the area was armed.
  QString pannello1, suggerimento1;

  // The grid of the last fill and its seed: "Riempi Schema" on the same grid
  // asks for another fill.
  std::vector<std::string> ultimaGriglia;
  std::uint64_t seme = 1;

  int minimo = 0;
  double tempo = TempoMassimoPredefinito;
};

}  // namespace tessaro
