// tessaro-diz copertura: which words of a list the dictionaries hold. Used to
// measure the shipped dictionaries against a list of frequent words.
#include "Comandi.h"

#include <cstdio>
#include <unordered_set>

#include "dict/Concatena.h"
#include "dict/CostruzioneDizionario.h"
#include "dict/Dizionario.h"
#include "dict/GruppiVocalici.h"
#include "dict/Testo1252.h"

namespace tessaro::diz {

namespace {

// The entries of a dictionary text; in the first dictionary, as in slot 1,
// a final vowel-group code stands for each of its vowels (CAS! holds CASA
// and CASE).
void aggiungiVoci(std::string_view testo, bool gruppi, std::unordered_set<std::string>& voci) {
  std::size_t p = 0;
  while (p < testo.size()) {
    std::size_t fine = testo.find(CR_LF, p);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string v(testo.substr(p, fine - p));
    p = fine + CR_LF.size();
    if (v.empty() || eCommento(v)) continue;
    if (gruppi && eCodiceGruppo(v.back())) {
      for (char c : vocaliGruppo(v.back())) {
        v.back() = c;
        voci.insert(v);
      }
      continue;
    }
    voci.insert(std::move(v));
  }
}

}  // namespace

int comandoCopertura(Argomenti args) {
  if (args.size() < 2 || args.size() - 1 > DizionariRicerca::Massimo) return erroreUso(UsoCopertura);
  std::string lista;
  if (!leggiFile(std::filesystem::path(args[0]), lista)) return EsitoErrore;
  std::unordered_set<std::string> voci;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string testo;
    if (!leggiDizionario(std::filesystem::path(args[i]), testo)) return EsitoErrore;
    aggiungiVoci(testo, i == 1, voci);
  }
  // The list is folded as the dictionary tool folds a word list; a word
  // that can be no entry (one letter, other characters) is not covered.
  const bool utf8 = eUtf8Valido(lista);
  std::size_t totale = 0, coperte = 0;
  std::string uscita;
  for (std::string_view parola : righeListaParole(lista)) {
    ++totale;
    const std::optional<std::string> v = voceDaParola(parola, utf8);
    if (v && voci.count(*v) > 0) {
      ++coperte;
      continue;
    }
    // Printed as it is in the list, control characters escaped.
    uscita += utf8 ? perTerminale(parola) : visibile1252(parola);
    uscita += '\n';
  }
  // An empty list measures nothing: no share to print.
  if (totale == 0) return errore(concatena({"la lista ", args[0], " non contiene parole"}));
  // The share with one decimal and the Italian decimal comma.
  const double quota = 100.0 * static_cast<double>(coperte) / static_cast<double>(totale);
  char cifre[32];
  std::snprintf(cifre, sizeof cifre, "%.1f", quota);
  std::string percentuale = cifre;
  percentuale[percentuale.find('.')] = ',';
  uscita += "coperte: " + std::to_string(coperte) + " di " + std::to_string(totale) + " (" + percentuale + " %)\n";
  std::fwrite(uscita.data(), 1, uscita.size(), stdout);
  std::fflush(stdout);
  return coperte == totale ? EsitoOk : EsitoProblemi;
}

}  // namespace tessaro::diz
