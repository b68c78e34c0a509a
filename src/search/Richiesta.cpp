#include "search/Richiesta.h"

#include "dict/GruppiVocalici.h"

#include <algorithm>

namespace tessaro {

bool richiestaErrata(std::string_view Richiesta) {
  if (Richiesta.size() < 2) return true;
  const bool haJolly = Richiesta.find(Jolly) != std::string_view::npos;
  const bool haLibero = Richiesta.find(Libero) != std::string_view::npos;
  if (!haJolly && !haLibero) return true;
  return std::all_of(Richiesta.begin(), Richiesta.end(), [](char c) { return c == Jolly; });
}

int primoJolly(std::string_view Richiesta) {
  auto p = Richiesta.find(Jolly);
  if (p == std::string_view::npos) p = Richiesta.find(Libero);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::optional<std::string> mostraVoce(int DizCorrente, std::string_view Voce, char CarRichiesta) {
  std::string riga;
  if (DizCorrente > 1 || Voce.empty()) {
    riga.reserve(Voce.size() + 4);
    riga.append(Voce);
  } else {
    const char ultimo = Voce.back();
    std::string_view FinaleVoce = eCodiceGruppo(ultimo) ? testoGruppo(ultimo) : Voce.substr(Voce.size() - 1);
    if (CarRichiesta != Libero && CarRichiesta != Jolly) {
      // A fixed final letter narrows the group to itself, or rules the entry out.
      if (FinaleVoce.find(CarRichiesta) == std::string_view::npos) return std::nullopt;
      FinaleVoce = std::string_view(&CarRichiesta, 1);
    }
    riga.reserve(Voce.size() + FinaleVoce.size() + 4);
    riga.append(Voce.substr(0, Voce.size() - 1));
    riga.append(FinaleVoce);
  }
  riga.append(" -");
  riga.append(std::to_string(DizCorrente));
  return riga;
}

bool mostraVoceElenca(int DizCorrente, std::string_view Voce, char CarRichiesta) {
  if (DizCorrente > 1 || Voce.empty() || CarRichiesta == Libero || CarRichiesta == Jolly) return true;
  const char ultimo = Voce.back();
  return eCodiceGruppo(ultimo) ? testoGruppo(ultimo).find(CarRichiesta) != std::string_view::npos
                               : ultimo == CarRichiesta;
}

bool serveRitento(bool Accorcia, bool interrotta, int NumRisultati, std::string_view Richiesta) {
  return Accorcia && !interrotta && NumRisultati == 0 && !Richiesta.empty() && Richiesta.back() == Jolly;
}

}  // namespace tessaro
