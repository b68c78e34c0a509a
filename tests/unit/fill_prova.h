// Small hand-made dictionaries and grids for the fill's tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fill/Lessico.h"
#include "schema/Schema.h"

namespace tessaro::prova {

// Dictionaries made by a test, slot 1 first. Each is kept at a fixed address,
// so the vocabularies made from them may outlive moves of this holder.
class Dizionari {
 public:
  void aggiungi(const std::vector<std::string>& voci, TipoDizionario tipo) {
    auto d = std::make_unique<Dizionario>();
    for (const auto& v : voci) d->testo += v + "\r\n";
    ix_.push_back(std::make_unique<IndiceRicerca>(costruisciIndiceRicerca(*d)));
    fonti_.push_back({d.get(), ix_.back().get(), tipo, tipo == TipoDizionario::Base});
    diz_.push_back(std::move(d));
  }
  Lessico lessico(const ListePunteggi& liste = {}) const { return costruisciLessico(fonti_, liste); }

 private:
  std::vector<std::unique_ptr<Dizionario>> diz_;
  std::vector<std::unique_ptr<IndiceRicerca>> ix_;
  std::vector<FonteLessico> fonti_;
};

// A Schema from its rows; "#" is a black cell.
inline Schema schema(std::vector<std::string> righe) {
  for (auto& r : righe)
    for (char& c : r)
      if (c == '#') c = CellaNera;
  Schema s;
  s.carica(static_cast<std::int16_t>(righe.size()), static_cast<std::int16_t>(righe[0].size()), righe);
  return s;
}

}  // namespace tessaro::prova
