#include "history/Storia.h"

#include "schema/Schema.h"

namespace tessaro {

namespace {

// Records keep the character as its byte value 0..255.
std::int16_t codice(char c) { return static_cast<std::int16_t>(static_cast<unsigned char>(c)); }

std::string testoNumero(std::string_view prima, int n) {
  std::string t(prima);
  t += std::to_string(n);
  t += ' ';
  return t;
}

}  // namespace

void Storia::azzera() {
  for (auto& g : Esteso) g.clear();
  Slot.fill(0);
  NumStoria = 0;
  TopStoria = 0;
}

bool Storia::contatoriValidi() const {
  return NumStoria >= 0 && NumStoria % 3 == 0 && TopStoria % 3 == 0 && NumStoria <= TopStoria &&
         TopStoria <= LimiteStoria;
}

bool Storia::svuotaSeAlLimite() {
  // Counters out of their range cannot address a record: they are treated as
  // a full history rather than written through.
  if (NumStoria != LimiteStoria && contatoriValidi()) return false;
  azzera();
  return true;
}

EsitoAggior Storia::aggior(Schema& s, int RigaCorr, int ColCorr, char NuovoCar) {
  EsitoAggior esito;
  const bool dentro = s.dentro(RigaCorr, ColCorr);
  if (dentro && s.cella(RigaCorr, ColCorr) == NuovoCar) {
    esito.invariata = true;
    return esito;
  }
  esito.azzerata = svuotaSeAlLimite();
  esito.segnaModifica = true;
  if (!dentro) return esito;

  const auto i = static_cast<std::size_t>(NumStoria);
  const int segno = SegnoGruppo >= SegnoNuovoGruppo ? SegnoNuovoGruppo : 0;
  Slot[i] = static_cast<std::int16_t>(RigaCorr + segno);
  Slot[i + 1] = static_cast<std::int16_t>(ColCorr);
  Slot[i + 2] = codice(s.cella(RigaCorr, ColCorr));
  Esteso[i / 3].clear();
  SegnoGruppo = 0;
  NumStoria = static_cast<std::int16_t>(NumStoria + 3);
  TopStoria = NumStoria;  // a new change discards the redo range
  s.scrivi(RigaCorr, ColCorr, NuovoCar);
  esito.registrata = true;
  return esito;
}

EsitoAggior Storia::registraGruppo(Schema& s, const std::vector<CellaGruppo>& cambi) {
  EsitoAggior esito;
  std::vector<CellaGruppo> vecchi;
  for (const CellaGruppo& c : cambi)
    if (s.dentro(c.riga, c.colonna) && s.cella(c.riga, c.colonna) != c.car) vecchi.push_back(c);
  if (vecchi.empty()) {
    esito.invariata = true;
    return esito;
  }
  esito.azzerata = svuotaSeAlLimite();
  esito.segnaModifica = true;
  const auto i = static_cast<std::size_t>(NumStoria);
  Slot[i] = static_cast<std::int16_t>(RigaGruppoEsteso + SegnoNuovoGruppo);
  Slot[i + 1] = static_cast<std::int16_t>(vecchi.size());
  Slot[i + 2] = 0;
  for (CellaGruppo& c : vecchi) {
    const char nuovo = c.car;
    c.car = s.cella(c.riga, c.colonna);
    s.scrivi(c.riga, c.colonna, nuovo);
  }
  Esteso[i / 3] = std::move(vecchi);
  SegnoGruppo = 0;
  NumStoria = static_cast<std::int16_t>(NumStoria + 3);
  TopStoria = NumStoria;
  esito.registrata = true;
  return esito;
}

bool Storia::scambiaGruppo(Schema& s, int i, std::vector<Casella>& toccate) {
  auto& g = Esteso[static_cast<std::size_t>(i / 3)];
  if (Slot[static_cast<std::size_t>(i + 1)] != static_cast<std::int16_t>(g.size())) return false;
  for (const CellaGruppo& c : g)
    if (!s.dentro(c.riga, c.colonna)) return false;
  for (CellaGruppo& c : g) {
    const char presente = s.cella(c.riga, c.colonna);
    s.scrivi(c.riga, c.colonna, c.car);
    c.car = presente;
    toccate.push_back({c.riga, c.colonna});
  }
  return true;
}

bool Storia::scambia(Schema& s, int i, Casella& cella) {
  const auto u = static_cast<std::size_t>(i);
  const int segnata = Slot[u];
  // The row without its group mark: s minus 1000 * (s \ 1000).
  cella.riga = segnata - SegnoNuovoGruppo * (segnata / SegnoNuovoGruppo);
  cella.colonna = Slot[u + 1];
  const int cod = Slot[u + 2];
  if (!s.dentro(cella.riga, cella.colonna) || cod < 0 || cod > 255) return false;
  const char presente = s.cella(cella.riga, cella.colonna);
  s.scrivi(cella.riga, cella.colonna, static_cast<char>(static_cast<unsigned char>(cod)));
  Slot[u + 2] = codice(presente);
  return true;
}

EsitoAnnullaGruppo Storia::annullaGruppo(Schema& s, bool muoviCursore) {
  EsitoAnnullaGruppo esito;
  if (!contatoriValidi()) {
    esito.riuscito = false;
    return esito;
  }
  int k = NumStoria;
  for (; k >= 3; k -= 3) {
    Casella cella;
    if (eGruppoEsteso(k - 3)) {
      if (!scambiaGruppo(s, k - 3, esito.toccate)) {
        esito.riuscito = false;
        break;
      }
      if (muoviCursore && !esito.toccate.empty()) esito.corrente = esito.toccate.back();
    } else if (!scambia(s, k - 3, cella)) {
      // The damaged record stays in effect; the ones already changed back
      // form the redo range, so history and grid agree.
      esito.riuscito = false;
      break;
    } else {
      esito.toccate.push_back(cella);
      if (muoviCursore) esito.corrente = cella;
    }
    if (Slot[static_cast<std::size_t>(k - 3)] >= SegnoNuovoGruppo) {
      k -= 3;
      break;
    }
  }
  NumStoria = static_cast<std::int16_t>(k);
  return esito;
}

EsitoPasso Storia::annulla(Schema& s) {
  auto gruppo = annullaGruppo(s, true);
  EsitoPasso esito;
  esito.toccate = std::move(gruppo.toccate);
  esito.corrente = gruppo.corrente;
  esito.riuscito = gruppo.riuscito;
  if (!esito.riuscito) {
    if (!esito.toccate.empty()) esito.a8 = StatoPulsante::Abilita;
    return esito;
  }
  esito.a8 = StatoPulsante::Abilita;
  if (NumStoria == 0) esito.a7 = StatoPulsante::Disabilita;
  esito.pannello2 = testoNumero(TestoAnnullo, NumStoria / 3 + 1);
  return esito;
}

EsitoPasso Storia::ripristina(Schema& s) {
  EsitoPasso esito;
  if (!contatoriValidi()) {
    esito.riuscito = false;
    return esito;
  }
  int k = NumStoria;
  for (; k <= TopStoria - 3; k += 3) {
    Casella cella;
    if (eGruppoEsteso(k)) {
      if (!scambiaGruppo(s, k, esito.toccate)) {
        esito.riuscito = false;
        break;
      }
      if (!esito.toccate.empty()) esito.corrente = esito.toccate.back();
    } else if (!scambia(s, k, cella)) {
      esito.riuscito = false;
      break;
    } else {
      esito.toccate.push_back(cella);
      esito.corrente = cella;
    }
    // Slot 300 exists and stays 0, so this read is safe for the last record.
    if (Slot[static_cast<std::size_t>(k + 3)] >= SegnoNuovoGruppo) {
      k += 3;
      break;
    }
  }
  NumStoria = static_cast<std::int16_t>(k);
  if (!esito.riuscito) {
    if (!esito.toccate.empty()) esito.a7 = StatoPulsante::Abilita;
    return esito;
  }
  esito.a7 = StatoPulsante::Abilita;
  if (NumStoria == TopStoria) esito.a8 = StatoPulsante::Disabilita;
  esito.pannello2 = testoNumero(TestoRipristino, NumStoria / 3);
  return esito;
}

}  // namespace tessaro
