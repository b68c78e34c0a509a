#include "fill/Punteggi.h"

#include <cmath>
#include <filesystem>
#include <unordered_set>

#include "files/LetturaFile.h"
#include "dict/CostruzioneDizionario.h"

namespace tessaro {

int punteggioRango(std::size_t rango, std::size_t totale) {
  if (rango <= 1 || totale <= 1) return PunteggioRangoPrimo;
  const double quota = std::log(static_cast<double>(rango)) / std::log(static_cast<double>(totale));
  const double salto = PunteggioRangoPrimo - PunteggioRangoUltimo;
  const int p = PunteggioRangoPrimo - static_cast<int>(std::lround(salto * std::min(1.0, quota)));
  return std::max(PunteggioRangoUltimo, p);
}

int punteggioTipo(TipoDizionario t) {
  switch (t) {
    case TipoDizionario::Base: return PunteggioBase;
    case TipoDizionario::Nomi: return PunteggioNomi;
    case TipoDizionario::Altro: return PunteggioAltro;
  }
  return PunteggioAltro;
}

TipoDizionario tipoDizionario(int slot, std::string_view nome) {
  if (slot == 1) return TipoDizionario::Base;
  std::string minuscolo(nome);
  for (char& c : minuscolo)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return minuscolo == "nomi.diz" ? TipoDizionario::Nomi : TipoDizionario::Altro;
}

std::vector<std::string> leggiListaParole(std::string_view testo) {
  const bool utf8 = eUtf8Valido(testo);
  std::vector<std::string> parole;
  std::unordered_set<std::string> viste;
  for (std::string_view riga : righeListaParole(testo)) {
    std::optional<std::string> v = voceDaParola(riga, utf8);
    if (!v || !viste.insert(*v).second) continue;
    parole.push_back(std::move(*v));
  }
  return parole;
}

ListePunteggi leggiListePunteggi(const std::string& cartella) {
  const auto leggi = [&](std::string_view nome) {
    std::string testo;
    const std::filesystem::path p = std::filesystem::path(cartella) / nome;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec) || !leggiFileIntero(p, testo)) return std::vector<std::string>{};
    return leggiListaParole(testo);
  };
  ListePunteggi l;
  l.frequenze = leggi(FileFrequenze);
  l.escluse = leggi(FileEscluse);
  l.preferite = leggi(FilePreferite);
  return l;
}

}  // namespace tessaro
