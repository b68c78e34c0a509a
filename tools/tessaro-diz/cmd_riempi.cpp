// tessaro-diz riempi: fills a Schema file with words of the given
// dictionaries, as "Riempi Schema" does in the window, and writes the filled
// Schema in the .tes format.
#include "Comandi.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "files/FileTes.h"
#include "fill/Lessico.h"
#include "fill/Riempimento.h"

namespace tessaro::diz {

namespace {

std::string_view descrizioneTes(ErroreTes e) {
  switch (e) {
    case ErroreTes::Nessuno: return "";
    case ErroreTes::TroppoGrande: return "file troppo grande per uno Schema";
    case ErroreTes::DimensioniNonNumeri: return "la prima riga non dà righe e colonne";
    case ErroreTes::DimensioniFuoriLimiti: return "righe o colonne fuori dai limiti (2-25 righe, 2-35 colonne)";
    case ErroreTes::RigheMancanti: return "mancano righe dello Schema";
    case ErroreTes::RigaMalformata: return "una riga non è un testo tra virgolette";
    case ErroreTes::LunghezzaRiga: return "una riga non ha tante caselle quante colonne";
    case ErroreTes::CarattereNonValido: return "una casella contiene un carattere non ammesso";
  }
  return "";
}

template <class T>
bool leggiNumero(std::string_view s, T& v) {
  const auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc{} && fine == s.data() + s.size();
}

std::string decimale(double x, int cifre) {
  char b[64];
  std::snprintf(b, sizeof b, "%.*f", cifre, x);
  std::string s(b);
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

}  // namespace

int comandoRiempi(Argomenti args) {
  OpzioniRiempimento o;
  bool statistiche = false;
  std::string uscita;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("-"); ++i) {
    const std::string_view a = args[i];
    const bool conValore = a == "--seme" || a == "--tempo" || a == "--minimo" || a == "-o";
    if (conValore && i + 1 >= args.size()) {
      errore(std::string(a) + " vuole un valore");
      return erroreUso(UsoRiempi);
    }
    if (a == "--statistiche") {
      statistiche = true;
    } else if (a == "--seme") {
      if (!leggiNumero(args[++i], o.seme)) {
        errore("--seme vuole un numero intero non negativo");
        return erroreUso(UsoRiempi);
      }
    } else if (a == "--tempo") {
      double t = 0;
      if (!leggiNumero(args[++i], t) || !(t > 0) || t > 1e6) {
        errore("--tempo vuole un numero di secondi maggiore di zero");
        return erroreUso(UsoRiempi);
      }
      o.tempoMassimo = t;
    } else if (a == "--minimo") {
      if (!leggiNumero(args[++i], o.minimo) || o.minimo < 0 || o.minimo > PunteggioPreferita) {
        errore("--minimo vuole un punteggio da 0 a 100");
        return erroreUso(UsoRiempi);
      }
    } else if (a == "-o") {
      uscita = std::string(args[++i]);
    } else {
      errore("opzione sconosciuta: " + std::string(a));
      return erroreUso(UsoRiempi);
    }
  }
  if (args.size() - i < 2) return erroreUso(UsoRiempi);

  std::string byte;
  const std::filesystem::path fileSchema(args[i]);
  if (!leggiFile(fileSchema, byte)) return EsitoErrore;
  LetturaTes letto = leggiTes(byte);
  if (!letto) return errore(fileSchema.string() + ": " + std::string(descrizioneTes(letto.errore)));
  Schema schema = std::move(*letto.schema);
  schema.normalizzaNere();

  DizionariRicerca dizionari;
  if (!dizionari.carica(args.subspan(i + 1))) return EsitoErrore;
  std::vector<FonteLessico> fonti;
  for (const DizAttivo& d : dizionari.attivi()) {
    const TipoDizionario tipo = tipoDizionario(d.slot, d.diz->nome);
    fonti.push_back({d.diz, d.indice, tipo, d.slot == 1});
  }
  // The score lists sit in the dictionary folder, beside the base dictionary.
  const std::filesystem::path cartella = std::filesystem::path(args[i + 1]).parent_path();
  const Lessico lessico = costruisciLessico(fonti, leggiListePunteggi(cartella.empty() ? "." : cartella.string()));

  const RisultatoRiempimento r = riempi(lessico, schema, o);
  if (statistiche) {
    std::cerr << "tempo: " << decimale(r.secondi, 3) << " s\n"
              << "nodi: " << r.nodi << "\n"
              << "ritorni: " << r.fallimenti << "\n"
              << "ripartenze: " << r.ripartenze << "\n"
              << "punteggio medio: " << decimale(r.punteggioMedio, 1) << "\n"
              << "parole: " << r.riempiti << "/" << r.totale << "\n";
  }
  if (r.esito != EsitoRiempimento::Riempito) {
    std::cerr << messaggioRiempimento(r, o) << '\n';
    return EsitoProblemi;
  }
  for (const Scrittura& w : r.proposta) schema.scrivi(w.riga, w.col, w.car);
  const std::string tes = scriviTes(schema);
  if (!uscita.empty()) return scriviFile(uscita, tes) ? EsitoOk : EsitoErrore;
  std::fwrite(tes.data(), 1, tes.size(), stdout);
  std::fflush(stdout);
  return EsitoOk;
}

}  // namespace tessaro::diz
