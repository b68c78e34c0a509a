// The Schema file reader on any bytes: it must never crash nor read out of
// bounds, and whatever it accepts must come back the same through the writer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/FileTes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaro;
  const std::string_view byte(reinterpret_cast<const char*>(data), size);
  const auto letta = leggiTes(byte);
  if (!letta) {
    if (letta.errore == ErroreTes::Nessuno) std::abort();  // a failure must say why
    return 0;
  }
  const Schema& s = *letta.schema;
  if (s.Righe < MinRighe || s.Righe > MaxRighe || s.Colonne < MinColonne || s.Colonne > MaxColonne ||
      s.Griglia.size() != static_cast<std::size_t>(s.Righe))
    std::abort();
  const std::string scritta = scriviTes(s);
  const auto riletta = leggiTes(scritta);
  if (!riletta || riletta.schema->Righe != s.Righe || riletta.schema->Colonne != s.Colonne ||
      riletta.schema->MaxLato != s.MaxLato || riletta.schema->Griglia != s.Griglia)
    std::abort();
  if (scriviTes(*riletta.schema) != scritta) std::abort();
  return 0;
}
