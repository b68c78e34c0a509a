// The ipuz reader on any bytes: it must never crash, a refusal must say why,
// and an accepted crossword must fit the Schema's limits and come back the
// same through the writer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "clues/Ipuz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaro;
  const auto letta = leggiIpuz(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!letta) {
    if (letta.errore == ErroreIpuz::Nessuno || letta.dettaglio.empty()) std::abort();
    return 0;
  }
  const Cruciverba& c = *letta.cruciverba;
  const Schema& s = c.schema;
  if (s.Righe < MinRighe || s.Righe > MaxRighe || s.Colonne < MinColonne || s.Colonne > MaxColonne ||
      s.Griglia.size() != static_cast<std::size_t>(s.Righe))
    std::abort();
  for (const auto& riga : s.Griglia) {
    if (riga.size() != static_cast<std::size_t>(s.Colonne)) std::abort();
    for (char ch : riga)
      if (!(ch == CellaVuota || ch == CellaNera || (ch >= 'A' && ch <= 'Z'))) std::abort();
  }
  const auto riletta = leggiIpuz(scriviIpuz(s, c.definizioni, c.titolo));
  if (!riletta || riletta.cruciverba->schema.Griglia != s.Griglia) std::abort();
  // Clues whose cell starts no run are not published: the others come back.
  for (const Definizione& d : c.definizioni.tutte())
    if (iniziaRun(s, d.verso, d.riga, d.colonna) &&
        riletta.cruciverba->definizioni.testo(d.verso, d.riga, d.colonna) != d.testo)
      std::abort();
  return 0;
}
