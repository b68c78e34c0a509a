// tessaro-espandi: expands a Hunspell dictionary into the word lists the
// shipped dictionaries are built from. Output is sorted and free of
// duplicates, so the same input always gives the same files.
//
//   tessaro-espandi --dic it_IT.dic --aff it_IT.aff [--lista WORDS]...
//                   [--sigle FILE] [--non-enclitiche FILE] [--verbi FILE] [--comuni OUT] [--enclitici OUT]
//                   [--nomi OUT] [--tutte OUT] [--motivi OUT] [--traccia FORM]
//
// --comuni:    words starting in lower case that no exclusion rule removes
//              (Esclusioni.h, with the lists --sigle and --non-enclitiche),
//              and those of the --lista lists that motivoLista keeps;
// --enclitici: the forms with enclitic pronouns of the verbs of --verbi (one
//              infinitive a line) and of their gerunds;
// --nomi:      capitalised words (Roma, Giuseppe), without apostrophes;
// --tutte:     every expanded form without apostrophes (for stress tests);
// --motivi:    each lower-case form left out of --comuni, a tab, its rule;
// --traccia:   prints on stderr how a form is made.
#include "Affissi.h"
#include "Esclusioni.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace {

// Per form: bit m for each Motivo m of the ways Hunspell makes it, and:
constexpr std::uint32_t DaLista = 1u << 8;             // a listed word that stays
constexpr std::uint32_t EncliticaFrequente = 1u << 9;  // a pronoun form of a --verbi verb
constexpr unsigned MotiviLista = 16;                   // bit 16 + m: why a listed word is out

constexpr std::uint32_t bit(espandi::Motivo m) { return 1u << static_cast<unsigned>(m); }

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

// The lines of a word list, without blanks, empty lines and # comments.
bool leggiRighe(const std::string& p, std::unordered_set<std::string>& out) {
  std::string dati;
  if (!leggi(p, dati)) return false;
  std::istringstream in(dati);
  std::string riga;
  while (std::getline(in, riga)) {
    riga = riga.substr(0, riga.find_first_of(" \t\r#"));
    if (!riga.empty()) out.insert(riga);
  }
  return true;
}

// The entries of the .dic: word and flags, the count line and comments left out.
struct Voce {
  std::string riga, parola, flag;
};
std::vector<Voce> vociDic(const std::string& testo) {
  std::vector<Voce> out;
  std::istringstream righe(testo);
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
    Voce v{riga, riga.substr(0, barra), barra == std::string::npos ? "" : riga.substr(barra + 1)};
    if (!v.parola.empty()) out.push_back(std::move(v));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  using espandi::Motivo;
  std::string dic, aff, comuni, enclitici, nomi, tutte, motivi, traccia, fileSigle, fileProprie, fileVerbi;
  std::vector<std::string> liste;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return errore("manca il valore di " + a);
    std::string v = argv[++i];
    if (a == "--dic") dic = v;
    else if (a == "--aff") aff = v;
    else if (a == "--lista") liste.push_back(v);
    else if (a == "--sigle") fileSigle = v;
    else if (a == "--verbi") fileVerbi = v;
    else if (a == "--non-enclitiche") fileProprie = v;
    else if (a == "--comuni") comuni = v;
    else if (a == "--enclitici") enclitici = v;
    else if (a == "--nomi") nomi = v;
    else if (a == "--tutte") tutte = v;
    else if (a == "--motivi") motivi = v;
    else if (a == "--traccia") traccia = v;
    else return errore("opzione sconosciuta: " + a);
  }
  if (dic.empty() || aff.empty())
    return errore("uso: tessaro-espandi --dic DIC --aff AFF [--lista FILE]... [--sigle FILE] [--non-enclitiche FILE] [--verbi FILE] "
                  "[--comuni OUT] [--enclitici OUT] [--nomi OUT] [--tutte OUT] [--motivi OUT]");

  std::string testoAff, testoDic, err;
  if (!leggi(aff, testoAff)) return errore("impossibile leggere " + aff);
  if (!leggi(dic, testoDic)) return errore("impossibile leggere " + dic);
  espandi::Sigle sigle;
  espandi::Sigle proprie;
  std::unordered_set<std::string> verbi;
  if (!fileSigle.empty() && !leggiRighe(fileSigle, sigle)) return errore("impossibile leggere " + fileSigle);
  if (!fileProprie.empty() && !leggiRighe(fileProprie, proprie)) return errore("impossibile leggere " + fileProprie);
  if (!fileVerbi.empty() && !leggiRighe(fileVerbi, verbi)) return errore("impossibile leggere " + fileVerbi);
  espandi::Affissi a;
  if (!espandi::leggiAffissi(testoAff, a, err)) return errore(aff + ": " + err);
  espandi::segnaRomani(a);
  espandi::segnaEnclitiche(a);
  const std::vector<Voce> voci = vociDic(testoDic);

  // The gerunds of the --verbi verbs are roots of their own (PARLANDO + LO):
  // the regular ones and those the verb's flags make (FACENDO).
  for (const std::string& v : std::vector<std::string>(verbi.begin(), verbi.end())) {
    if (v.ends_with("are")) verbi.insert(v.substr(0, v.size() - 3) + "ando");
    if (v.ends_with("ere") || v.ends_with("ire")) verbi.insert(v.substr(0, v.size() - 3) + "endo");
  }
  std::vector<espandi::Forma> buf;
  for (const Voce& v : voci) {
    if (verbi.count(v.parola) == 0) continue;
    buf.clear();
    espandi::espandiParola(a, espandi::daUtf8(v.parola), v.flag, buf);
    for (const espandi::Forma& f : buf)
      if (f.testo.ends_with(U"ndo")) verbi.insert(espandi::aUtf8(f.testo));
  }

  std::unordered_map<std::string, std::uint32_t> forme;
  forme.reserve(4'000'000);
  for (const Voce& v : voci) {
    buf.clear();
    const std::u32string radice = espandi::daUtf8(v.parola);
    espandi::espandiParola(a, radice, v.flag, buf);
    const bool frequente = verbi.count(v.parola) > 0;
    for (const espandi::Forma& f : buf) {
      const Motivo m = espandi::motivoForma(a, sigle, radice, v.flag, f);
      std::string w = espandi::aUtf8(f.testo);
      if (!traccia.empty() && w == traccia) {
        std::cerr << traccia << " <- " << v.riga;
        for (const espandi::Regola* r : {f.suffisso, f.prefisso})
          if (r != nullptr)
            std::cerr << (r->prefisso ? " PFX " : " SFX ") << r->flag << ' ' << espandi::aUtf8(r->togli) << ' '
                      << espandi::aUtf8(r->aggiungi);
        std::cerr << ' ' << (m == Motivo::nessuno ? "tenuta" : espandi::nomeMotivo(m)) << '\n';
      }
      std::uint32_t& bits = forme[std::move(w)];
      bits |= bit(m);
      if (m == Motivo::enclitica && frequente && espandi::encliticaComune(f)) bits |= EncliticaFrequente;
    }
  }

  std::vector<std::string> outNomi;
  for (const std::string& l : liste) {
    std::string dati;
    if (!leggi(l, dati)) return errore("impossibile leggere " + l);
    std::istringstream in(dati);
    std::string riga;
    while (std::getline(in, riga)) {
      if (!riga.empty() && riga.back() == '\r') riga.pop_back();
      if (riga.empty()) continue;
      std::u32string u = espandi::daUtf8(riga);
      if (capitalizzata(u)) {
        if (riga.find('\'') != std::string::npos) continue;
        outNomi.push_back(riga);
        continue;
      }
      if (!minuscolaIniziale(u)) continue;
      std::uint32_t& bits = forme[riga];
      const Motivo m = espandi::motivoLista(sigle, proprie, riga, bits & 0xFF);
      bits |= m == Motivo::nessuno ? DaLista : bit(m) << MotiviLista;
    }
  }

  std::vector<std::string> outComuni, outEnclitici, outTutte, outMotivi;
  for (const auto& [w, bits] : forme) {
    const bool elisa = w.find('\'') != std::string::npos;
    std::u32string u = espandi::daUtf8(w);
    const bool hunspell = (bits & 0xFF) != 0;
    if (!elisa && hunspell && !tutte.empty()) outTutte.push_back(w);
    if (!elisa && hunspell && capitalizzata(u)) outNomi.push_back(w);
    if (!minuscolaIniziale(u)) continue;
    if (!elisa && (bits & (bit(Motivo::nessuno) | DaLista)) != 0) {
      outComuni.push_back(w);
      continue;
    }
    if (!elisa && (bits & EncliticaFrequente)) outEnclitici.push_back(w);
    if (motivi.empty()) continue;
    std::string_view nome;
    for (const espandi::RegolaEsclusione& r : espandi::Esclusioni)
      if (nome.empty() && (bits & (bit(r.motivo) | bit(r.motivo) << MotiviLista))) nome = r.nome;
    outMotivi.push_back(w + '\t' + std::string(nome) + ((bits & EncliticaFrequente) ? "\tenclitici" : ""));
  }
  if (!comuni.empty() && !scrivi(comuni, outComuni)) return errore("impossibile scrivere " + comuni);
  if (!enclitici.empty() && !scrivi(enclitici, outEnclitici)) return errore("impossibile scrivere " + enclitici);
  if (!nomi.empty() && !scrivi(nomi, outNomi)) return errore("impossibile scrivere " + nomi);
  if (!tutte.empty() && !scrivi(tutte, outTutte)) return errore("impossibile scrivere " + tutte);
  if (!motivi.empty() && !scrivi(motivi, outMotivi)) return errore("impossibile scrivere " + motivi);
  std::cerr << "tessaro-espandi: " << forme.size() << " forme; comuni " << outComuni.size() << ", enclitici "
            << outEnclitici.size() << ", nomi " << outNomi.size() << ", tutte " << outTutte.size() << '\n';
  return 0;
}
