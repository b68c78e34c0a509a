// The plain dictionary loader on any bytes, as a user's .dic reaches it: the
// preparation (line ends, UTF-8), the letter index and the order check, the
// search index and the anagram index. Nothing may crash; every index must
// point at entries of the text; the anagram index must list what the plain
// scan lists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dict/CaricaDizionari.h"
#include "dict/IndiceDizionario.h"
#include "search/IndiceRicerca.h"
#include "testtools/Anagrammi.h"

namespace {

using namespace tessaro;

// True when `off` is where an entry of `t` starts.
bool inizioVoce(std::string_view t, std::size_t off) {
  return off == 0 || (off >= 2 && off <= t.size() && t.compare(off - 2, 2, CR_LF) == 0);
}

void verifica(bool condizione) {
  if (!condizione) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;  // a few thousand entries say all a larger file would
  Dizionario d;
  d.nome = "fuzz.dic";
  d.testo.assign(reinterpret_cast<const char*>(data), size);
  Cedi cedi;
  const NoteTestoPiano note = preparaTestoPiano(d.testo, cedi);
  // Converted or not, no bare LF is left, and a UTF-8 text has become bytes
  // of the code page: never longer than it was.
  for (std::size_t i = 0; i < d.testo.size(); ++i)
    verifica(d.testo[i] != '\n' || (i > 0 && d.testo[i - 1] == '\r'));
  if (note.daUtf8) verifica(d.testo.size() <= 2 * size);

  indicizza(d, cedi);
  for (int l = 0; l <= 26; ++l) {
    const std::int32_t p = d.indice[static_cast<std::size_t>(l)];
    if (p == 0) continue;
    const auto off = static_cast<std::size_t>(p - 1);
    verifica(p > 0 && off < d.testo.size() && inizioVoce(d.testo, off));
  }

  const IndiceRicerca ix = costruisciIndiceRicerca(d, cedi);
  verifica(ix.utilizzabile(d) == ix.ordinato());
  for (std::size_t L = 1; L <= IndiceRicerca::LunghezzaMassima; ++L) {
    const ClasseLunghezza* cl = ix.classe(L);
    if (cl == nullptr) continue;
    for (std::uint32_t i = 0; i < cl->n; ++i) {
      const std::size_t off = cl->inizio[i];
      verifica(inizioVoce(d.testo, off) && off + L <= d.testo.size());
      verifica(off + L == d.testo.size() || d.testo.compare(off + L, 2, CR_LF) == 0);
      verifica(i == 0 || cl->inizio[i - 1] < off);
    }
  }

  // The anagrams of the first entry (and of it with a blank) through the
  // index and through the plain scan.
  const IndiceAnagrammi ia = costruisciIndiceAnagrammi(d, cedi);
  const std::string_view prima = std::string_view(d.testo).substr(0, std::min<std::size_t>(d.testo.find(CR_LF), 12));
  for (std::string parola : {std::string(prima), std::string(prima).replace(0, prima.empty() ? 0 : 1, " ")}) {
    Cedi c1, c2;
    const RisultatoAnagrammi veloce = anagrammi(ia, d, parola, c1);
    const RisultatoAnagrammi lento = anagrammi(d, parola, c2);
    verifica(veloce.righe == lento.righe && veloce.NumRisultati == lento.NumRisultati);
  }
  return 0;
}
