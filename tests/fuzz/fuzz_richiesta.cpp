// The request language against a small dictionary taken from the input: a
// search request (as the command line may give any bytes), a crossing (two
// runs as the grid gives them) and a pattern for the crossing test of one
// slot. The index path and the plain walk must give the same lines, as the
// equivalence tests require; nothing may crash.
//
// Input: four lines (LF) then the dictionary text. Line 1: the request.
// Line 2: flags (byte 0: extended search, free length, vowels only; byte 1:
// cells added to RichiestaMax). Lines 3 and 4: the row and column runs, each
// byte taken as one of "A".."Z", "?" and "#". The dictionary goes into slot 1
// (vowel groups) and slot 2 (literal), beside a fixed slot 3.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "dict/CaricaDizionari.h"
#include "dict/IndiceDizionario.h"
#include "search/Incrocio.h"
#include "search/IndiceRicerca.h"
#include "search/Ricerca.h"
#include "search/Richiesta.h"

namespace {

using namespace tessaro;

std::string_view riga(std::string_view& t) {
  const std::size_t a = t.find('\n');
  const std::string_view r = t.substr(0, a);
  t.remove_prefix(a == std::string_view::npos ? t.size() : a + 1);
  return r;
}

// A run of the grid: letters, "?" and exactly one "#".
std::string run(std::string_view byte) {
  static constexpr std::string_view Celle = "ABCDEFGHIJKLMNOPQRSTUVWXYZ??#";
  std::string r;
  for (char b : byte.substr(0, 40)) r += Celle[static_cast<unsigned char>(b) % Celle.size()];
  return r;
}

Dizionario carica(std::string testo, std::string nome) {
  Dizionario d;
  d.nome = std::move(nome);
  d.testo = std::move(testo);
  Cedi cedi;
  preparaTestoPiano(d.testo, cedi);
  indicizza(d, cedi);
  return d;
}

void uguali(bool condizione) {
  if (!condizione) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 14) return 0;
  std::string_view t(reinterpret_cast<const char*>(data), size);
  const std::string R(riga(t).substr(0, 300));
  const std::string_view flag = riga(t);
  const std::string modelloRiga = run(riga(t)), modelloColonna = run(riga(t));
  const auto f0 = flag.empty() ? 0u : static_cast<unsigned char>(flag[0]);
  const std::size_t aggiunte = flag.size() < 2 ? 0 : static_cast<unsigned char>(flag[1]) % 8;

  std::array<Dizionario, 3> d = {carica(std::string(t), "base.diz"), carica(std::string(t), "altro.dic"),
                                 carica("ALA\r\nCAS!\r\nCASA\r\nMARE\r\nPANE\r\nRE\r\n", "fisso.dic")};
  std::array<IndiceRicerca, 3> ix;
  std::vector<DizAttivo> attivi;
  for (std::size_t k = 0; k < d.size(); ++k) {
    ix[k] = costruisciIndiceRicerca(d[k]);
    attivi.push_back(DizAttivo{static_cast<int>(k + 1), &d[k], &ix[k]});
  }

  // The search, with the free head and tail as the window computes them.
  if (!R.empty()) {
    const std::string RichiestaMax(R.size() + aggiunte, '?');
    RichiestaRicerca q{R, RichiestaMax, 0, 0};
    if (R.front() == Libero) q.TestaLibera = RichiestaMax.size() - (R.size() - 1);
    if (R.size() > 1 && R.back() == Libero) q.CodaLibera = RichiestaMax.size() - (R.size() - 1);
    const std::size_t limite = (f0 & 1) ? SenzaLimite : LimiteRisultati;
    Cedi c1, c2;
    const RisultatoRicerca veloce = cercaVoci(q, attivi, limite, c1);
    const RisultatoRicerca lenta = cercaVociPercorrendo(q, attivi, limite, c2);
    uguali(veloce.errata == lenta.errata && veloce.righe == lenta.righe);
  }

  // The crossing test, and one slot's test with the crossing cell filled.
  const bool accorcia = (f0 & 2) != 0, vocali = (f0 & 4) != 0;
  ModelliIncrocio m;
  m.ModelloRiga = modelloRiga;
  m.ModelloColonna = modelloColonna;
  if (std::count(modelloRiga.begin(), modelloRiga.end(), CellaIncrocio) == 1 &&
      std::count(modelloColonna.begin(), modelloColonna.end(), CellaIncrocio) == 1) {
    Cedi c1, c2;
    uguali(incrocio(m, vocali, accorcia, attivi, c1).voci == incrocioPercorrendo(m, vocali, accorcia, attivi, c2).voci);
  }
  std::string P = modelloRiga;
  std::replace(P.begin(), P.end(), CellaIncrocio, (f0 & 8) ? Libero : 'E');
  Cedi c1, c2;
  const RisultatoSugginc s1 = sugginc(P, accorcia, attivi, c1);
  const RisultatoSugginc s2 = suggincPercorrendo(P, accorcia, attivi, c2);
  uguali(s1.Trovato == s2.Trovato && (!s1.Trovato || s1.LungTrovata == s2.LungTrovata));
  return 0;
}
