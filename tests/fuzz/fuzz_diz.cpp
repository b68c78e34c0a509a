// Any bytes given to the .diz decoder must give a failure status or a text,
// never a crash, a hang or an unbounded allocation; a decoded text then goes
// through the loader's index and the viewer's fill like a real dictionary.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/IndiceDizionario.h"
#include "dict/VerificaDizionario.h"
#include "dict/Visore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view dati(reinterpret_cast<const char*>(data), size);
  tessaro::Dizionario d;
  if (tessaro::decodificaDiz(dati, d.testo) != tessaro::EsitoDiz::ok) {
    // Not a container: the same bytes as a plain .dic.
    d.testo.assign(dati);
    tessaro::normalizzaTestoPiano(d.testo);
  }
  tessaro::Cedi cedi;
  tessaro::indicizza(d, cedi);
  for (std::int32_t p : d.indice)
    if (p < 0 || static_cast<std::size_t>(p) > d.testo.size()) __builtin_trap();
  tessaro::verificaDizionario(d.testo);
  tessaro::ContenutoVisore v = tessaro::riempiVisore(d, 1, cedi);
  tessaro::posizionaVisore(v, 1, "casa");
  return 0;
}
