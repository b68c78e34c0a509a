// tessaro-espandi: expands a Hunspell dictionary into the word lists the
// shipped dictionaries are built from. Output is sorted and free of
// duplicates, so the same input always gives the same files.
//
//   tessaro-espandi --dic it_IT.dic --aff it_IT.aff [--lista WORDS]...
//                   [--comuni OUT] [--nomi OUT] [--tutte OUT] [--senza-flag FLAGS]
//
// --comuni: words starting in lower case, without apostrophes, without the
//           forms that only pronoun-attaching rules make, without Roman
//           numerals and forms of the --senza-flag flags (the lists given
//           with --lista are filtered the same way);
// --nomi:   capitalised words (Roma, Giuseppe), without apostrophes;
// --tutte:  every expanded form without apostrophes (for stress tests).
#include "Affissi.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unordered_map>

namespace {

enum : std::uint8_t { NonEnclitica = 1, NonRomana = 2, DaHunspell = 4 };

bool leggi(const std::string& p, std::string& dati) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  dati = s.str();
  return true;
}

bool minuscolaIniziale(std::u32string_view w) {
  if (w.empty()) return false;
  char32_t c = w.front();
  return (c >= U'a' && c <= U'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7);
}

bool maiuscola(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

// "Roma", "Sant" but not "ONU" or "TV".
bool capitalizzata(std::u32string_view w) {
  return w.size() >= 2 && maiuscola(w[0]) && !maiuscola(w[1]);
}

bool scrivi(const std::string& p, std::vector<std::string>& parole) {
  std::sort(parole.begin(), parole.end());
  parole.erase(std::unique(parole.begin(), parole.end()), parole.end());
  std::string tmp = p + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    for (const std::string& w : parole) out << w << '\n';
    if (!out) return false;
  }
  return std::rename(tmp.c_str(), p.c_str()) == 0;
}

int errore(const std::string& m) {
  std::cerr << "tessaro-espandi: " << m << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dic, aff, comuni, nomi, tutte, traccia, senzaFlag;
  std::vector<std::string> liste;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return errore("manca il valore di " + a);
    std::string v = argv[++i];
    if (a == "--dic") dic = v;
    else if (a == "--aff") aff = v;
    else if (a == "--lista") liste.push_back(v);
    else if (a == "--comuni") comuni = v;
    else if (a == "--nomi") nomi = v;
    else if (a == "--tutte") tutte = v;
    else if (a == "--traccia") traccia = v;  // prints how a form is made
    else if (a == "--senza-flag") senzaFlag = v;
    else return errore("opzione sconosciuta: " + a);
  }
  if (dic.empty() || aff.empty()) return errore("uso: tessaro-espandi --dic DIC --aff AFF [--lista FILE]... [--comuni OUT] [--nomi OUT] [--tutte OUT]");

  std::string testoAff, testoDic, err;
  if (!leggi(aff, testoAff)) return errore("impossibile leggere " + aff);
  if (!leggi(dic, testoDic)) return errore("impossibile leggere " + dic);
  espandi::Affissi a;
  if (!espandi::leggiAffissi(testoAff, a, err)) return errore(aff + ": " + err);
  espandi::segnaRomani(a);
  // Forms made with these flags are left out of --comuni like Roman numerals
  // (the Italian dictionary's flags that compose numerals).
  for (char c : senzaFlag) a.romano[static_cast<unsigned char>(c)] = true;
  espandi::segnaEnclitiche(a);

  std::unordered_map<std::string, std::uint8_t> forme;
  forme.reserve(4'000'000);
  std::vector<espandi::Forma> buf;
  std::istringstream righe(testoDic);
  std::string riga;
  bool prima = true;
  while (std::getline(righe, riga)) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    if (prima) {  // the entry count
      prima = false;
      continue;
    }
    if (riga.empty() || riga[0] == '/' || riga[0] == '#') continue;
    riga = riga.substr(0, riga.find_first_of(" \t"));
    std::size_t barra = riga.find('/');
    std::string parola = riga.substr(0, barra);
    std::string flag = barra == std::string::npos ? "" : riga.substr(barra + 1);
    if (parola.empty()) continue;
    buf.clear();
    espandi::espandiParola(a, espandi::daUtf8(parola), flag, buf);
    for (const espandi::Forma& f : buf) {
      if (!traccia.empty() && espandi::aUtf8(f.testo) == traccia) {
        std::cerr << traccia << " <- " << riga;
        if (f.suffisso != nullptr)
          std::cerr << " SFX " << f.suffisso->flag << ' ' << espandi::aUtf8(f.suffisso->togli) << ' '
                    << espandi::aUtf8(f.suffisso->aggiungi) << (f.enclitica ? " enclitica" : "");
        std::cerr << '\n';
      }
      std::uint8_t& m = forme[espandi::aUtf8(f.testo)];
      m |= DaHunspell;
      if (!f.enclitica) m |= NonEnclitica;
      if (!f.romano) m |= NonRomana;
    }
  }

  std::vector<std::string> outComuni, outNomi, outTutte;
  auto conApostrofo = [](const std::string& w) { return w.find('\'') != std::string::npos; };
  for (const auto& [w, m] : forme) {
    if (conApostrofo(w)) continue;
    std::u32string u = espandi::daUtf8(w);
    if (!tutte.empty()) outTutte.push_back(w);
    if (minuscolaIniziale(u) && (m & NonEnclitica) && (m & NonRomana)) outComuni.push_back(w);
    if (capitalizzata(u)) outNomi.push_back(w);
  }
  for (const std::string& l : liste) {
    std::string dati;
    if (!leggi(l, dati)) return errore("impossibile leggere " + l);
    std::istringstream in(dati);
    while (std::getline(in, riga)) {
      if (!riga.empty() && riga.back() == '\r') riga.pop_back();
      if (riga.empty() || conApostrofo(riga)) continue;
      std::u32string u = espandi::daUtf8(riga);
      if (capitalizzata(u)) {
        outNomi.push_back(riga);
        continue;
      }
      if (!minuscolaIniziale(u)) continue;
      auto it = forme.find(riga);
      // A listed word that Hunspell makes only with pronouns or as a Roman
      // numeral is left out like the Hunspell forms.
      if (it != forme.end() && (!(it->second & NonEnclitica) || !(it->second & NonRomana))) continue;
      outComuni.push_back(riga);
    }
  }
  if (!comuni.empty() && !scrivi(comuni, outComuni)) return errore("impossibile scrivere " + comuni);
  if (!nomi.empty() && !scrivi(nomi, outNomi)) return errore("impossibile scrivere " + nomi);
  if (!tutte.empty() && !scrivi(tutte, outTutte)) return errore("impossibile scrivere " + tutte);
  std::cerr << "tessaro-espandi: " << forme.size() << " forme; comuni " << outComuni.size()
            << ", nomi " << outNomi.size() << ", tutte " << outTutte.size() << '\n';
  return 0;
}
