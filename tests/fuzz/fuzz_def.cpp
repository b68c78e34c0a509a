// The clue file reader on any bytes: it must never crash, a refusal must say
// why, and whatever it accepts must come back the same through the writer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "clues/FileDef.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaro;
  const auto letta = leggiDef(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!letta) {
    if (letta.errore == ErroreDef::Nessuno || descrizioneErroreDef(letta).empty()) std::abort();
    return 0;
  }
  // No Schema: every clue keeps the number it was read with.
  const Schema nessuno;
  const std::string scritta = scriviDef(*letta.definizioni, nessuno);
  const auto riletta = leggiDef(scritta);
  if (!riletta || *riletta.definizioni != *letta.definizioni) std::abort();
  if (scriviDef(*riletta.definizioni, nessuno) != scritta) std::abort();
  return 0;
}
