#include "search/LunghezzaLibera.h"

#include "search/Richiesta.h"

#include <algorithm>

namespace tessaro {
namespace {

EsitoComando rifiuta(std::string_view pannello2, std::string_view testo) {
  EsitoComando e;
  e.pannello2 = pannello2;
  e.rifiuto = testo;
  return e;
}

EsitoComando accetta(std::string_view pannello2, StatoRichiesta s, std::optional<RiquadroCelle> verde = std::nullopt) {
  EsitoComando e;
  e.pannello2 = pannello2;
  e.nuovo = std::move(s);
  e.verde = verde;
  return e;
}

}  // namespace

EsitoComando liberaInizio(const StatoRichiesta& s) {
  if (!s.CodaLibera.empty()) return rifiuta("", TestoRichiestaErrata);
  const std::string& R = s.Richiesta;
  if (!R.empty() && R.front() == Libero) return rifiuta(TestoLiberaTesta, TestoGiaAttivata);
  if (R.size() < 3 || R[0] != Jolly || R[1] != Jolly) return rifiuta(TestoLiberaTesta, TestoRichiestaErrata);
  const std::size_t n = std::min(R.find_first_not_of(Jolly), R.size());
  StatoRichiesta t = s;
  t.TestaLibera = R.substr(0, n);
  t.Richiesta.assign(1, Libero);
  t.Richiesta.append(R, n);
  const int liberi = static_cast<int>(n);
  const int resto = static_cast<int>(t.Richiesta.size()) - 1;
  RiquadroCelle verde;
  if (s.colonna) {
    verde = {s.Evid.col, s.Evid.riga, 1, liberi};
    t.Evid.riga += liberi;
    t.Evid.alt = resto;
  } else {
    verde = {s.Evid.col, s.Evid.riga, liberi, 1};
    t.Evid.col += liberi;
    t.Evid.larg = resto;
  }
  return accetta(TestoLiberaTesta, std::move(t), verde);
}

EsitoComando liberaCoda(const StatoRichiesta& s) {
  if (!s.TestaLibera.empty()) return rifiuta("", TestoNonPossibile);
  const std::string& R = s.Richiesta;
  if (!R.empty() && R.back() == Libero) return rifiuta(TestoLiberaCoda, TestoGiaAttivata);
  if (R.size() < 3 || R.back() != Jolly || R[R.size() - 2] != Jolly)
    return rifiuta(TestoLiberaCoda, TestoRichiestaErrata);
  // k: the last cell that is not empty, looking back to the second; the first
  // cell always stays.
  std::size_t k = 1;
  for (std::size_t i = R.size(); i >= 2; --i) {
    if (R[i - 1] != Jolly) {
      k = i;
      break;
    }
  }
  StatoRichiesta t = s;
  t.CodaLibera = R.substr(k);
  t.Richiesta.assign(R, 0, k);
  t.Richiesta.push_back(Libero);
  const int resto = static_cast<int>(t.Richiesta.size()) - 1;
  const int liberi = static_cast<int>(t.CodaLibera.size());
  RiquadroCelle verde;
  if (s.colonna) {
    t.Evid.alt = resto;
    verde = {t.Evid.col, t.Evid.riga + resto, 1, liberi};
  } else {
    t.Evid.larg = resto;
    verde = {t.Evid.col + resto, t.Evid.riga, liberi, 1};
  }
  return accetta(TestoLiberaCoda, std::move(t), verde);
}

EsitoComando accorciaInizio(const StatoRichiesta& s) {
  if (!s.CodaLibera.empty()) return rifiuta("", TestoRichiestaErrata);
  if (s.Richiesta.size() < 3) return rifiuta(TestoAccorciaInizio, TestoNonPossibile);
  StatoRichiesta t = s;
  const char primo = s.Richiesta.front();
  t.RichiestaIntera = s.Richiesta.substr(1);
  t.RichiestaMax = t.RichiestaIntera;
  if (primo == Jolly && !t.TestaLibera.empty()) t.TestaLibera.erase(0, 1);
  // Giving up a free start drops all the cells the "*" stood for, so that
  // the request starts again on its first fixed cell.
  int passo = 1;
  if (primo == Libero) {
    passo = std::max(1, static_cast<int>(t.TestaLibera.size()));
    t.TestaLibera.clear();
  }
  t.Richiesta = s.Richiesta.substr(1);
  if (s.colonna) {
    t.PrimaRiga += passo;
    t.Evid = {s.Evid.col, t.PrimaRiga, 1, t.UltimaRiga - t.PrimaRiga + 1};
  } else {
    t.PrimaCol += passo;
    t.Evid = {t.PrimaCol, s.Evid.riga, t.UltimaCol - t.PrimaCol + 1, 1};
  }
  return accetta(TestoAccorciaInizio, std::move(t));
}

EsitoComando accorciaCoda(const StatoRichiesta& s) {
  if (!s.TestaLibera.empty()) return rifiuta("", TestoNonPossibile);
  if (s.Richiesta.size() < 3) return rifiuta(TestoAccorciaFine, TestoNonPossibile);
  StatoRichiesta t = s;
  const char ultimo = s.Richiesta.back();
  t.RichiestaIntera = s.Richiesta.substr(0, s.Richiesta.size() - 1);
  t.RichiestaMax = t.RichiestaIntera;
  if (ultimo == Jolly && !t.CodaLibera.empty()) t.CodaLibera.pop_back();
  if (ultimo == Libero) t.CodaLibera.clear();
  t.Richiesta = t.RichiestaIntera;
  const bool fisso = t.Richiesta.back() != Jolly;
  const int lung = static_cast<int>(t.Richiesta.size());
  if (s.colonna) {
    t.UltimaRiga = fisso ? t.PrimaRiga + lung - 1 : t.UltimaRiga - 1;
    t.Evid = {s.Evid.col, t.PrimaRiga, 1, t.UltimaRiga - t.PrimaRiga + 1};
  } else {
    t.UltimaCol = fisso ? t.PrimaCol + lung - 1 : t.UltimaCol - 1;
    t.Evid = {t.PrimaCol, s.Evid.riga, t.UltimaCol - t.PrimaCol + 1, 1};
  }
  return accetta(TestoAccorciaFine, std::move(t));
}

}  // namespace tessaro
