#include "platform/lingua/Contrari.h"

#include <algorithm>

#include "platform/lingua/Testo.h"

namespace tessaro::lingua {
namespace {

const std::vector<std::string> Nessuno;

// One comma-separated item, trimmed and lower-cased; inner blanks are
// squeezed to one so "a  destra" and "a destra" are the same entry.
std::string voce(std::string_view pezzo) {
  std::string out;
  bool spazio = false;
  for (char ch : senzaSpaziEsterni(pezzo)) {
    if (ch == ' ' || ch == '\t') {
      spazio = true;
      continue;
    }
    if (spazio) out += ' ';
    spazio = false;
    out += ch;
  }
  return minuscolo(out);
}

}  // namespace

ElencoContrari ElencoContrari::leggi(std::string_view testo) {
  ElencoContrari elenco;
  const std::string utf8 = daTestoProgramma(testo);
  std::string_view resto = utf8;
  if (resto.starts_with("\xEF\xBB\xBF")) resto.remove_prefix(3);  // byte-order mark
  int numero = 0;
  while (!resto.empty()) {
    const auto a = resto.find('\n');
    std::string_view riga = resto.substr(0, a);
    resto = a == std::string_view::npos ? std::string_view{} : resto.substr(a + 1);
    ++numero;
    riga = senzaSpaziEsterni(riga);
    if (riga.empty() || riga.front() == '#') continue;

    const auto duePunti = riga.find(':');
    if (duePunti == std::string_view::npos) {
      elenco.righeErrate_.push_back(numero);
      continue;
    }
    const std::string parola = voce(riga.substr(0, duePunti));
    std::vector<std::string> contrari;
    std::string_view lista = riga.substr(duePunti + 1);
    while (true) {
      const auto virgola = lista.find(',');
      std::string c = voce(lista.substr(0, virgola));
      if (!c.empty() && c != parola) contrari.push_back(std::move(c));
      if (virgola == std::string_view::npos) break;
      lista.remove_prefix(virgola + 1);
    }
    if (parola.empty() || contrari.empty() ||
        riga.find(':', duePunti + 1) != std::string_view::npos) {
      elenco.righeErrate_.push_back(numero);
      continue;
    }
    for (const auto& c : contrari) {
      elenco.aggiungi(parola, c);
      elenco.aggiungi(c, parola);
    }
  }
  return elenco;
}

void ElencoContrari::aggiungi(const std::string& parola, const std::string& contrario) {
  auto& lista = contrari_[parola];
  if (std::find(lista.begin(), lista.end(), contrario) == lista.end()) lista.push_back(contrario);
}

const std::vector<std::string>& ElencoContrari::di(std::string_view parola) const {
  const auto it = contrari_.find(std::string(parola));
  return it == contrari_.end() ? Nessuno : it->second;
}

bool ElencoContrari::contiene(std::string_view parola) const {
  return contrari_.find(std::string(parola)) != contrari_.end();
}

}  // namespace tessaro::lingua
