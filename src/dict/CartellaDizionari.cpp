#include "dict/CartellaDizionari.h"

#include <algorithm>
#include <system_error>

namespace tessaro {

namespace {

char minuscola(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

SlotDizionari assegnaSlot(const std::vector<std::string>& nomiElencati,
                          const std::vector<std::string>& nomiDic) {
  // The shipped enclitici.diz (verbs with pronouns) comes right after the
  // shipped nomi.diz, though it sorts before it; every other name keeps its
  // place in the listing.
  std::vector<std::string> nomiDiz = nomiElencati;
  auto nomi = std::find(nomiDiz.begin(), nomiDiz.end(), NomeNomi);
  auto enclitici = std::find(nomiDiz.begin(), nomiDiz.end(), NomeEnclitici);
  if (nomi != nomiDiz.end() && enclitici != nomiDiz.end() && enclitici < nomi)
    std::rotate(enclitici, enclitici + 1, nomi + 1);
  SlotDizionari s;
  s.DizCont = 1;
  for (const std::string& n : nomiDiz) {
    if (n == NomeBase) {
      s.nome[1] = n;
      continue;
    }
    if (s.DizCont >= UltimoSlot) continue;  // no slot left; base.diz may still come
    s.nome[++s.DizCont] = n;
  }
  for (const std::string& n : nomiDic) {
    if (s.DizCont >= UltimoSlot) break;
    s.nome[++s.DizCont] = n;
  }
  return s;
}

bool haEstensione(std::string_view nome, std::string_view estensione) {
  if (nome.size() <= estensione.size()) return false;
  std::string_view coda = nome.substr(nome.size() - estensione.size());
  for (std::size_t i = 0; i < coda.size(); ++i)
    if (minuscola(coda[i]) != minuscola(estensione[i])) return false;
  return true;
}

std::vector<std::string> elencaFile(const std::filesystem::path& cartella,
                                    std::string_view estensione) {
  std::vector<std::string> nomi;
  std::error_code ec;
  std::filesystem::directory_iterator it(cartella, ec);
  if (ec) return nomi;
  for (const auto& voce : it) {
    std::error_code ec2;
    if (!voce.is_regular_file(ec2)) continue;
    std::string nome = voce.path().filename().string();
    if (haEstensione(nome, estensione)) nomi.push_back(std::move(nome));
  }
  // std::string compares as unsigned bytes: the order of character codes.
  std::sort(nomi.begin(), nomi.end());
  return nomi;
}

SlotDizionari scansionaCartella(const std::filesystem::path& cartella) {
  return assegnaSlot(elencaFile(cartella, ".diz"), elencaFile(cartella, ".dic"));
}

bool passaDalDecoder(std::string_view nome) {
  return nome.size() > 4 && nome.substr(nome.size() - 4) == ".diz";
}

std::string senzaEstensione(std::string_view nome) {
  return std::string(nome.substr(0, nome.size() >= 4 ? nome.size() - 4 : 0));
}

}  // namespace tessaro
