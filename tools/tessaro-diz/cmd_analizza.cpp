// tessaro-diz analizza: whether a Schema file can still be filled with the
// words of the given dictionaries, run by run, with its dead cells or its
// forced letters; the same rules as the window's fillability overlay.
#include "Comandi.h"

#include <cstdio>
#include <iostream>

#include "files/FileTes.h"
#include "fill/Punteggi.h"
#include "fill/Riempibilita.h"

namespace tessaro::diz {

namespace {

std::string_view motivo(ErroreTes e) {
  switch (e) {
    case ErroreTes::TroppoGrande: return "file troppo grande";
    case ErroreTes::DimensioniNonNumeri: return "righe e colonne mancanti o non numeriche";
    case ErroreTes::DimensioniFuoriLimiti: return "righe o colonne fuori dai limiti (2-25 x 2-35)";
    case ErroreTes::RigheMancanti: return "mancano righe";
    case ErroreTes::RigaMalformata: return "riga malformata";
    case ErroreTes::LunghezzaRiga: return "una riga non ha la lunghezza dichiarata";
    case ErroreTes::CarattereNonValido: return "carattere non ammesso in una casella";
    case ErroreTes::Nessuno: break;
  }
  return "errore sconosciuto";
}

}  // namespace

int comandoAnalizza(Argomenti args) {
  if (!args.empty() && args[0].starts_with("--")) {
    errore("opzione sconosciuta: " + std::string(args[0]));
    return erroreUso(UsoAnalizza);
  }
  if (args.size() < 2) return erroreUso(UsoAnalizza);
  const std::filesystem::path file(args[0]);
  std::string dati;
  if (!leggiFile(file, dati)) return EsitoErrore;
  LetturaTes lettura = leggiTes(dati);
  if (!lettura) return errore(file.string() + ": non è uno Schema valido: " + std::string(motivo(lettura.errore)));
  Schema& s = *lettura.schema;
  s.normalizzaNere();

  DizionariRicerca dizionari;
  if (!dizionari.carica(args.subspan(1))) return EsitoErrore;
  std::vector<FonteLessico> fonti;
  for (const DizAttivo& a : dizionari.attivi())
    fonti.push_back({a.diz, a.indice, tipoDizionario(a.slot, a.diz->nome), a.slot == 1});
  const Lessico lessico = costruisciLessico(fonti, ListePunteggi{});

  const Riempibilita r = analizzaRiempibilita(lessico, s);
  std::string uscita;
  for (const std::string& riga : righeAnalisi(r, s)) uscita += riga + "\r\n";
  std::fwrite(uscita.data(), 1, uscita.size(), stdout);
  std::fflush(stdout);
  return r.riempibile ? EsitoOk : EsitoProblemi;
}

}  // namespace tessaro::diz
