// tessaro-diz build: a dictionary from word lists.
#include "Comandi.h"

#include <iostream>
#include <vector>

#include "ContenitoreDiz.h"
#include "dict/CostruzioneDizionario.h"

namespace tessaro::diz {

int comandoBuild(Argomenti args) {
  bool gruppi = false;
  std::string_view uscita;
  std::vector<std::string_view> liste;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--vowel-groups") {
      gruppi = true;
    } else if (args[i] == "-o") {
      if (i + 1 >= args.size() || !uscita.empty()) return erroreUso(UsoBuild);
      uscita = args[++i];
    } else if (args[i].starts_with("-") && args[i] != "-") {
      errore("opzione sconosciuta: " + std::string(args[i]));
      return erroreUso(UsoBuild);
    } else {
      liste.push_back(args[i]);
    }
  }
  if (uscita.empty() || liste.empty()) return erroreUso(UsoBuild);

  std::vector<std::string> voci;
  for (std::string_view nome : liste) {
    std::string dati;
    if (!leggiFile(std::filesystem::path(nome), dati)) return EsitoErrore;
    // Each list is UTF-8 when it is valid UTF-8, Latin-1 otherwise.
    bool utf8 = eUtf8Valido(dati);
    for (std::string_view parola : righeListaParole(dati))
      if (auto v = voceDaParola(parola, utf8)) voci.push_back(std::move(*v));
  }
  ordinaUnici(voci);
  if (gruppi) voci = piegaGruppiVocalici(voci);
  std::string testo = testoDizionario(voci);
  std::filesystem::path out(uscita);
  std::string dati = out.filename().string().ends_with(".diz") ? codificaDiz(testo) : testo;
  if (!scriviFile(out, dati)) return EsitoErrore;
  std::cerr << "tessaro-diz: " << perTerminale(out.string()) << ": " << voci.size() << " voci, " << dati.size()
            << " byte\n";
  return EsitoOk;
}

}  // namespace tessaro::diz
