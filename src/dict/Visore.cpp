#include "dict/Visore.h"

#include "dict/GruppiVocalici.h"
#include "dict/IndiceDizionario.h"

namespace tessaro {

ContenutoVisore riempiVisore(const Dizionario& d, int k, Cedi& cedi) {
  ContenutoVisore c;
  riempiVisore(d, k, cedi, c);
  return c;
}

void riempiVisore(const Dizionario& d, int k, Cedi& cedi, ContenutoVisore& c) {
  const bool base = k == 1;
  // One guess at the sizes keeps the buffers from growing entry by entry.
  c.List2.riserva(base ? d.testo.size() : d.testo.size() + 16, d.testo.size() / 8);
  if (base) c.List3.riserva(d.testo.size(), d.testo.size() / 8);
  bool marcatore = false;
  perOgniVoce(d.testo, 0, [&](const Voce& v) {
    cedi();
    std::string_view voce = voceRifilata(v.testo);
    // A comment is recognised before any expansion, so a comment line "#"
    // never turns into the group text "(AI)".
    if (voce.empty() || eCommento(voce)) return true;
    ++c.conteggio;
    if (!base) {
      c.List2.aggiungi(voce);
      return true;
    }
    std::string_view gruppo = testoGruppo(voce.back());
    std::string_view radice = gruppo.empty() ? voce : voce.substr(0, voce.size() - 1);
    auto iniziale = static_cast<unsigned char>(voce.front());
    if (iniziale < 'M') {
      c.List2.aggiungi(radice, gruppo);
      return true;
    }
    if (iniziale == 'M' && !marcatore) {
      marcatore = true;
      c.List2.aggiungi(TestoProsegui);
      c.List3.aggiungi(TestoTornaInizio);
    }
    c.List3.aggiungi(radice, gruppo);
    return true;
  });
  c.mostraCommand2 = c.conteggio >= SogliaCommand2;
}

std::string testoTotaleVoci(std::int32_t conteggio) {
  return std::string(TestoTotaleVoci) + std::to_string(conteggio);
}

PosizioneVisore posizionaVisore(const ContenutoVisore& c, int k, std::string_view testo) {
  std::string t(voceRifilata(testo));
  for (char& ch : t)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  PosizioneVisore p;
  if (k == 1) {
    if (t.empty()) {
      p.nessunCambio = true;
      return p;
    }
    p.mostraList3 = static_cast<unsigned char>(t.front()) >= 'M';
  }
  const RigheLista& lista = p.mostraList3 ? c.List3 : c.List2;
  if (lista.empty()) return p;
  const std::size_t n = t.size();
  std::string_view tv(t);
  for (std::size_t i = 0; i < lista.size(); ++i) {
    std::string_view riga = lista[i];
    if (riga.substr(0, n) >= tv) {
      p.riga = static_cast<int>(i);
      return p;
    }
    if (n > 3 && riga.size() >= n && riga.substr(0, n - 1) == tv.substr(0, n - 1) &&
        riga[n - 1] == '(') {
      p.riga = static_cast<int>(i);
      return p;
    }
  }
  p.riga = static_cast<int>(lista.size()) - 1;
  return p;
}

std::string_view testoCommand2(bool list3Visibile) { return list3Visibile ? "a" : "m"; }

}  // namespace tessaro
