// tessaro-diz: builds, unpacks and checks the program's dictionaries, and
// answers searches, crossing tests and anagrams from the command line, and
// imports and exports crosswords.
#include "Comandi.h"

#include <cstdio>
#include <iostream>
#include <vector>

namespace tessaro::diz {
namespace {

constexpr Comando Tabella[] = {
    {"build", UsoBuild, comandoBuild},
    {"unpack", UsoUnpack, comandoUnpack},
    {"check", UsoCheck, comandoCheck},
    {"cerca", UsoCerca, comandoCerca},
    {"incrocio", UsoIncrocio, comandoIncrocio},
    {"anagrammi", UsoAnagrammi, comandoAnagrammi},
    {"riempi", UsoRiempi, comandoRiempi},
    {"analizza", UsoAnalizza, comandoAnalizza},
    {"copertura", UsoCopertura, comandoCopertura},
    {"importa", UsoImporta, comandoImporta},
    {"esporta", UsoEsporta, comandoEsporta},
};

int usoGenerale() {
  std::cerr << "uso:\n";
  for (const Comando& c : Tabella) std::cerr << "  " << c.uso << '\n';
  return EsitoErrore;
}

}  // namespace
}  // namespace tessaro::diz

int main(int argc, char** argv) {
  using namespace tessaro::diz;
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return usoGenerale();
  for (const Comando& c : Tabella) {
    if (c.nome != args.front()) continue;
    try {
      return c.esegui(Argomenti(args).subspan(1));
    } catch (const std::exception& e) {
      return errore(e.what());
    }
  }
  std::cerr << "tessaro-diz: comando sconosciuto: " << perTerminale(args.front()) << '\n';
  return usoGenerale();
}
