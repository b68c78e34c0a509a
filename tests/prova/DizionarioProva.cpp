#include "DizionarioProva.h"

#include "dict/IndiceDizionario.h"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string_view>

namespace tessaro {

Dizionario dizionarioDaRighe(const std::vector<std::string>& righe, bool crlfFinale, std::string nome) {
  std::string testo;
  std::size_t totale = 0;
  for (const auto& r : righe) totale += r.size() + 2;
  testo.reserve(totale);
  for (std::size_t i = 0; i < righe.size(); ++i) {
    testo += righe[i];
    if (i + 1 < righe.size() || crlfFinale) testo += CR_LF;
  }
  return dizionarioDaTesto(std::move(testo), std::move(nome));
}

Dizionario dizionarioDaTesto(std::string testo, std::string nome) {
  Dizionario d;
  d.nome = std::move(nome);
  if (testo.find(CR_LF) == std::string::npos && testo.find('\n') != std::string::npos) {
    std::string t;
    t.reserve(testo.size() * 11 / 10);
    for (char ch : testo) {
      if (ch == '\n') t += '\r';
      t += ch;
    }
    testo = std::move(t);
  }
  d.testo = std::move(testo);
  Cedi cedi;
  indicizza(d, cedi);  // the loader's own index and order check
  return d;
}

std::optional<Dizionario> leggiDizionarioTesto(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  if (!f) return std::nullopt;
  std::string testo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) return std::nullopt;
  const auto barra = percorso.find_last_of('/');
  return dizionarioDaTesto(std::move(testo), barra == std::string::npos ? percorso : percorso.substr(barra + 1));
}

namespace {

struct Generatore {
  std::mt19937 rng;
  explicit Generatore(unsigned seme) : rng(seme) {}
  int tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
  template <std::size_t N>
  const char* da(const char* const (&v)[N]) { return v[static_cast<std::size_t>(tra(0, static_cast<int>(N) - 1))]; }

  std::string radice() {
    // Onsets, vowels and codas repeated by rough frequency.
    static const char* const attacchi[] = {"", "", "B", "C", "C", "D", "F", "G", "L", "L", "M", "M", "N", "P", "P",
                                           "R", "R", "S", "S", "T", "T", "V", "Z", "BR", "CR", "DR", "FR", "GR",
                                           "PR", "TR", "ST", "SP", "SC", "CH", "GL", "GN", "QU", "PI", "BI", "FI"};
    static const char* const semplici[] = {"B", "C", "D", "F", "G", "L", "M", "N", "P", "R", "S", "T", "V", "Z"};
    static const char* const vocali[] = {"A", "A", "A", "E", "E", "E", "I", "I", "I", "O", "O", "O", "U", "IA", "IO"};
    static const char* const code[] = {"", "", "", "", "", "", "N", "R", "L", "S", "LL", "TT", "SS", "RR", "NN", "ZZ", "CC"};
    std::string r;
    const int sillabe = tra(0, 3) == 0 ? 1 : tra(2, 3);
    std::string coda;
    for (int i = 0; i < sillabe; ++i) {
      r += coda.empty() ? da(attacchi) : (tra(0, 1) ? "" : da(semplici));
      r += da(vocali);
      coda = i + 1 < sillabe ? da(code) : "";
      r += coda;
    }
    r += da(semplici);  // the stem ends on a consonant, before its ending
    return r;
  }
};

}  // namespace

Dizionario dizionarioSintetico(std::size_t voci, bool gruppiVocalici, unsigned seme) {
  static const char* const nome[] = {"A", "E", "I", "O", "ONE", "ONI", "ETTO", "ETTA", "ETTI", "ETTE", "INO", "INA", "INI", "INE"};
  static const char* const aggettivo[] = {"O", "A", "I", "E", "ISSIMO", "ISSIMA", "ISSIMI", "ISSIME", "AMENTE", "EZZA", "EZZE"};
  static const char* const verbo[] = {
      "ARE", "O", "I", "A", "IAMO", "ATE", "ANO", "AVO", "AVI", "AVA", "AVAMO", "AVATE", "AVANO", "AI", "ASTI",
      "O", "AMMO", "ASTE", "ARONO", "ERO", "ERAI", "ERA", "EREMO", "ERETE", "ERANNO", "EREI", "ERESTI",
      "EREBBE", "EREMMO", "ERESTE", "EREBBERO", "INO", "ASSI", "ASSE", "ASSIMO", "ASSERO", "ANDO", "ANTE",
      "ANTI", "ATO", "ATA", "ATI", "ATE", "ARLO", "ARLA", "ARLI", "ARLE", "ARSI", "ARMI", "ARTI", "ARCI",
      "ARVI", "ARGLI", "ARGLIELO", "ARGLIELA", "ANDOLO", "ANDOLA", "ANDOSI", "ATELO", "IAMOCI", "ATEVI"};
  Generatore g(seme);
  std::vector<std::string> parole;
  parole.reserve(voci + voci / 4);
  // Unique forms only; the stems repeat now and then, as real stems share forms.
  const std::size_t obiettivo = gruppiVocalici ? voci * 2 : voci + voci / 3;
  while (parole.size() < obiettivo) {
    const std::string r = g.radice();
    const int tipo = g.tra(0, 9);
    if (tipo < 4)
      for (const char* e : nome) parole.push_back(r + e);
    else if (tipo < 6)
      for (const char* e : aggettivo) parole.push_back(r + e);
    else
      for (const char* e : verbo) parole.push_back(r + e);
  }
  std::sort(parole.begin(), parole.end());
  parole.erase(std::unique(parole.begin(), parole.end()), parole.end());
  if (gruppiVocalici) {
    // Fold the final vowels A, E, I, O of one stem into one code.
    static const std::map<std::string, char> codici = {
        {"AE", '!'}, {"AI", '#'}, {"EI", '$'}, {"AEI", '%'}, {"AO", '&'}, {"EO", '('},
        {"AEO", ')'}, {"IO", '='}, {"AIO", '+'}, {"EIO", '-'}, {"AEIO", '@'}};
    std::map<std::string, std::string> finali;
    std::vector<std::string> altre;
    for (auto& p : parole) {
      const char u = p.back();
      if (p.size() > 2 && (u == 'A' || u == 'E' || u == 'I' || u == 'O'))
        finali[p.substr(0, p.size() - 1)] += u;
      else
        altre.push_back(std::move(p));
    }
    parole = std::move(altre);
    for (auto& [radice, vocali] : finali) {
      std::sort(vocali.begin(), vocali.end());
      const auto c = codici.find(vocali);
      if (c != codici.end())
        parole.push_back(radice + c->second);
      else
        for (char v : vocali) parole.push_back(radice + v);
    }
    std::sort(parole.begin(), parole.end());
  }
  if (parole.size() > voci) {
    // Thin out evenly, keeping the order.
    std::vector<std::string> scelte;
    scelte.reserve(voci);
    for (std::size_t i = 0; i < voci; ++i) scelte.push_back(std::move(parole[i * parole.size() / voci]));
    parole = std::move(scelte);
  }
  return dizionarioDaRighe(parole, true, gruppiVocalici ? "base.diz" : "sintetico.dic");
}

}  // namespace tessaro
