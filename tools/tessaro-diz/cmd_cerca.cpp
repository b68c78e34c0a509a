// tessaro-diz cerca: the search of a request in the given dictionaries, with
// the lines the result list would show. Also the dictionary loading and the
// output helpers the other scripting commands share.
#include "Comandi.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "dict/CostruzioneDizionario.h"
#include "dict/IndiceDizionario.h"
#include "dict/Testo1252.h"
#include "search/Richiesta.h"

namespace tessaro::diz {

namespace {

// A longer --max is no slot of a grid (at most 35 cells) nor any entry.
constexpr long MaxRichiestaMax = 65535;

// N of "--max N": a whole number from 1 to MaxRichiestaMax.
bool leggiMax(std::string_view s, std::size_t& n) {
  long v = 0;
  const auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || fine != s.data() + s.size() || v < 1 || v > MaxRichiestaMax) return false;
  n = static_cast<std::size_t>(v);
  return true;
}

}  // namespace

bool DizionariRicerca::carica(Argomenti nomi) {
  if (nomi.size() > Massimo) {
    errore("al massimo " + std::to_string(Massimo) + " dizionari");
    return false;
  }
  // Reserved first: the DizAttivo entries point into these vectors.
  diz_.clear();
  diz_.reserve(nomi.size());
  indici_.clear();
  indici_.reserve(nomi.size());
  attivi_.clear();
  Cedi cedi;
  for (std::string_view nome : nomi) {
    const std::filesystem::path p(nome);
    Dizionario d;
    d.nome = p.filename().string();
    if (!leggiDizionario(p, d.testo)) return false;
    // As in the program, an entry out of order is reported and the search
    // then walks that dictionary instead of using its index.
    for (const std::string& v : indicizza(d, cedi))
      errore(d.nome + ": la voce \"" + daWindows1252(visibile1252(v)) + "\" \xC3\xA8 fuori sequenza");
    diz_.push_back(std::move(d));
    indici_.push_back(costruisciIndiceRicerca(diz_.back()));
  }
  for (std::size_t i = 0; i < diz_.size(); ++i)
    attivi_.push_back(DizAttivo{static_cast<int>(i + 1), &diz_[i], &indici_[i]});
  return true;
}

std::string argomento1252(std::string_view argomento) {
  return eUtf8Valido(argomento) ? aWindows1252(argomento) : std::string(argomento);
}

void stampaRighe(const std::vector<std::string>& righe) {
  std::string uscita;
  for (const std::string& r : righe) {
    uscita += visibile1252(r);
    uscita += '\n';
  }
  std::fwrite(uscita.data(), 1, uscita.size(), stdout);
  std::fflush(stdout);
}

int comandoCerca(Argomenti args) {
  bool estesa = false;
  bool conMax = false;
  std::size_t max = 0;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    if (args[i] == "--estesa") {
      estesa = true;
    } else if (args[i] == "--max") {
      if (i + 1 >= args.size() || !leggiMax(args[i + 1], max)) {
        errore("--max vuole un numero intero da 1 a " + std::to_string(MaxRichiestaMax));
        return erroreUso(UsoCerca);
      }
      conMax = true;
      ++i;
    } else {
      errore("opzione sconosciuta: " + std::string(args[i]));
      return erroreUso(UsoCerca);
    }
  }
  if (args.size() - i < 2) return erroreUso(UsoCerca);
  const std::string Richiesta = argomento1252(args[i]);

  if (richiestaErrata(Richiesta)) {
    std::cerr << TestoRichiestaErrata << '\n';
    return EsitoProblemi;
  }
  if (!conMax) max = Richiesta.size();
  if (max < Richiesta.size()) {
    errore("--max non può essere minore della lunghezza della richiesta (" + std::to_string(Richiesta.size()) +
           ")");
    return erroreUso(UsoCerca);
  }

  DizionariRicerca dizionari;
  if (!dizionari.carica(args.subspan(i + 1))) return EsitoErrore;

  // Only the lengths of RichiestaMax and TestaLibera count. A free head
  // stands for the slot cells in front of the rest of the request.
  const std::string RichiestaMax(max, '?');
  RichiestaRicerca q{Richiesta, RichiestaMax, 0, 0};
  if (Richiesta.front() == Libero) q.TestaLibera = max - (Richiesta.size() - 1);
  if (Richiesta.size() > 1 && Richiesta.back() == Libero) q.CodaLibera = max - (Richiesta.size() - 1);
  Cedi cedi;
  const RisultatoRicerca r = cercaVoci(q, dizionari.attivi(), estesa ? SenzaLimite : LimiteRisultati, cedi);
  stampaRighe(r.righe);
  return EsitoOk;
}

}  // namespace tessaro::diz
