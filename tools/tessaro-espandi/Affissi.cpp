#include "Affissi.h"

#include "dict/Utf8.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <set>
#include <sstream>

namespace espandi {

// The affix file is UTF-8; a stray byte is taken as it is.
std::u32string daUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = 0;
    if (!tessaro::leggiUtf8(s, i, c)) c = static_cast<unsigned char>(s[i++]);
    out += c;
  }
  return out;
}

std::string aUtf8(std::u32string_view s) {
  std::string out;
  out.reserve(s.size() + 4);
  for (char32_t c : s) tessaro::aggiungiUtf8(out, c);
  return out;
}

namespace {

std::vector<Regola::Classe> leggiCondizione(const std::u32string& c) {
  std::vector<Regola::Classe> out;
  if (c == U".") return out;
  for (std::size_t i = 0; i < c.size(); ++i) {
    Regola::Classe k;
    if (c[i] == U'.') {
      k.qualsiasi = true;
    } else if (c[i] == U'[') {
      std::size_t j = i + 1;
      if (j < c.size() && c[j] == U'^') {
        k.negato = true;
        ++j;
      }
      while (j < c.size() && c[j] != U']') k.caratteri += c[j++];
      i = j;
    } else {
      k.caratteri = c.substr(i, 1);
    }
    out.push_back(std::move(k));
  }
  return out;
}

bool classeAccetta(const Regola::Classe& k, char32_t c) {
  if (k.qualsiasi) return true;
  bool dentro = k.caratteri.find(c) != std::u32string::npos;
  return k.negato ? !dentro : dentro;
}

// The condition holds on the end (suffix) or the start (prefix) of `w`.
bool condizioneVale(const Regola& r, std::u32string_view w) {
  const auto& cond = r.condizione;
  if (cond.size() > w.size()) return false;
  std::size_t base = r.prefisso ? 0 : w.size() - cond.size();
  for (std::size_t i = 0; i < cond.size(); ++i)
    if (!classeAccetta(cond[i], w[base + i])) return false;
  return true;
}

bool applica(const Regola& r, std::u32string_view w, std::u32string& out) {
  if (!condizioneVale(r, w)) return false;
  if (r.togli.size() >= w.size()) return false;  // nothing of the word would be left
  if (r.prefisso) {
    if (!w.starts_with(r.togli)) return false;
    out = r.aggiungi;
    out += w.substr(r.togli.size());
  } else {
    if (!w.ends_with(r.togli)) return false;
    out = w.substr(0, w.size() - r.togli.size());
    out += r.aggiungi;
  }
  return true;
}

// Enclitic pronouns: a final one, and those that may stand before it
// (PORTA-ME-LO, DA-GLIE-LO, TROVAR-CI-SI).
constexpr std::array<std::u32string_view, 11> Finali = {U"mi", U"ti", U"ci", U"vi", U"si", U"lo",
                                                        U"la", U"li", U"le", U"ne", U"gli"};
constexpr std::array<std::u32string_view, 11> Interni = {U"me", U"te", U"ce", U"ve", U"se", U"glie",
                                                         U"mi", U"ti", U"ci", U"vi", U"si"};
// Pronouns that never end an ordinary inflection made from another rule's
// ending; a flag with several of them is a pronoun flag.
constexpr std::array<std::u32string_view, 8> Inequivocabili = {U"mi", U"ci", U"lo", U"la",
                                                               U"li", U"le", U"ne", U"gli"};

// The lengths of the pronoun chains that end `s` (one to three pronouns).
// The first pronoun of a chain may double its consonant after a short
// imperative (FAMMI, DACCELO, VATTENE); nothing stands before a doubled one.
void catene(std::u32string_view s, int profondita, std::size_t lung, bool finale,
            std::vector<std::size_t>& out) {
  if (profondita > 3) return;
  const auto& insieme = finale ? Finali : Interni;
  for (std::u32string_view p : insieme) {
    if (!s.ends_with(p)) continue;
    std::size_t l = lung + p.size();
    out.push_back(l);
    std::u32string_view prima = s.substr(0, s.size() - p.size());
    if (p.front() != U'g' && prima.ends_with(p.front())) out.push_back(l + 1);
    catene(prima, profondita + 1, l, false, out);
  }
}

}  // namespace

bool leggiAffissi(std::string_view testo, Affissi& a, std::string& errore) {
  std::istringstream in{std::string(testo)};
  std::string riga;
  int numero = 0;
  while (std::getline(in, riga)) {
    ++numero;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    std::istringstream campi(riga);
    std::string tipo, flag, c3, c4, c5;
    campi >> tipo >> flag >> c3 >> c4 >> c5;
    if (tipo != "SFX" && tipo != "PFX") continue;
    if (flag.empty() || c3.empty() || c4.empty()) {
      errore = "riga " + std::to_string(numero) + " non valida";
      return false;
    }
    // A header "SFX f Y n" has four fields; its cross-product mark is read
    // in the second pass below.
    if ((c3 == "Y" || c3 == "N") && c5.empty()) continue;
    Regola r;
    r.prefisso = tipo == "PFX";
    r.flag = static_cast<unsigned char>(flag[0]);
    r.togli = c3 == "0" ? U"" : daUtf8(c3);
    std::string agg = c4.substr(0, c4.find('/'));
    r.aggiungi = agg == "0" ? U"" : daUtf8(agg);
    r.condizione = leggiCondizione(daUtf8(c5.empty() ? "." : c5));
    a.regole.push_back(std::move(r));
  }
  // Second pass for the cross-product marks of the headers.
  std::array<bool, 256> incrocio{};
  std::istringstream in2{std::string(testo)};
  while (std::getline(in2, riga)) {
    std::istringstream campi(riga);
    std::string tipo, flag, c3, c4, c5;
    campi >> tipo >> flag >> c3 >> c4;
    if ((tipo == "SFX" || tipo == "PFX") && !flag.empty() && (c3 == "Y" || c3 == "N") &&
        !(campi >> c5))
      incrocio[static_cast<unsigned char>(flag[0])] = c3 == "Y";
  }
  for (std::size_t i = 0; i < a.regole.size(); ++i) {
    Regola& r = a.regole[i];
    r.incrocio = incrocio[r.flag];
    a.perFlag[r.flag].push_back(i);
  }
  return true;
}

// A suffix rule attaches pronouns when its ending is a chain of pronouns
// after a stem that is itself a form of the word: nothing (the root less the
// strip) or the ending of another suffix rule with the same strip (PARLIAMO +
// CI). The chain is the shortest one with such a stem (PARLATE + MELO, not
// PARLA + TEMELO). An ending only looks like one in ordinary inflections
// (VENNE, FACEVI, PARLAVI, SENTIVI), so the rule must also have pronoun
// siblings: in its own flag, with the same strip and stem, endings for at
// least three different unambiguous final pronouns (GENERA + LE beside GENERA
// + MI, + LO, + CI); or its stem is itself a pronoun ending of the flag
// (PARLATOLE + CI); or the flag is made only of pronoun rules (PARLANTESI,
// PARLANTISI).
void segnaEnclitiche(Affissi& a) {
  constexpr std::size_t MinFratelli = 3;
  using Coppia = std::pair<std::u32string, std::u32string>;  // (strip, ending)
  std::set<Coppia> finali;
  for (const Regola& r : a.regole)
    if (!r.prefisso) finali.insert({r.togli, r.aggiungi});
  // The length of the shortest chain ending the rule's ending after a stem
  // that is a form; 0 if none.
  auto catenaBreve = [&](const Regola& r) -> std::size_t {
    std::vector<std::size_t> lunghezze;
    catene(r.aggiungi, 1, 0, true, lunghezze);
    std::sort(lunghezze.begin(), lunghezze.end());
    for (std::size_t l : lunghezze) {
      std::u32string resto = r.aggiungi.substr(0, r.aggiungi.size() - l);
      if (resto.empty()) return l;
      // A doubled pronoun follows only a short imperative: CONDUCE + SSI is
      // the subjunctive CONDUCESSI.
      const bool doppia = l >= 2 && r.aggiungi[resto.size()] == r.aggiungi[resto.size() + 1];
      if (!doppia && finali.count({r.togli, resto}) > 0) return l;
    }
    return 0;
  };
  auto stelo = [](const Regola& r, std::size_t l) { return r.aggiungi.substr(0, r.aggiungi.size() - l); };
  auto coda = [](const Regola& r, std::size_t l) { return std::u32string_view(r.aggiungi).substr(r.aggiungi.size() - l); };
  // Siblings are counted apart for doubled chains (FA + MMI, FA + LLO):
  // FA + CEVI beside them is the imperfect FACEVI. GLI never doubles and
  // joins the doubled ones where there are some (FA + GLI).
  using Gruppo = std::tuple<std::u32string, std::u32string, bool>;  // (strip, stem, doubled)
  for (std::size_t f = 0; f < 256; ++f) {
    std::vector<std::size_t> breve(a.perFlag[f].size());
    std::set<Coppia> doppie;
    for (std::size_t k = 0; k < a.perFlag[f].size(); ++k) {
      const Regola& r = a.regole[a.perFlag[f][k]];
      if (r.prefisso) continue;
      breve[k] = catenaBreve(r);
      const std::u32string_view c = coda(r, breve[k]);
      if (c.size() >= 2 && c[0] == c[1]) doppie.insert({r.togli, stelo(r, breve[k])});
    }
    auto gruppo = [&](const Regola& r, std::size_t l) {
      const std::u32string_view c = coda(r, l);
      Coppia chiave{r.togli, stelo(r, l)};
      const bool doppia = (c.size() >= 2 && c[0] == c[1]) || (c.starts_with(U"gli") && doppie.count(chiave) > 0);
      // The stems of one participle share their siblings (RIUNITI + NE
      // beside RIUNITA + MI, + CI, + LO).
      if (!chiave.second.empty() && std::u32string_view(U"aeio").find(chiave.second.back()) != std::u32string_view::npos)
        chiave.second.pop_back();
      return Gruppo{chiave.first, chiave.second, doppia};
    };
    std::map<Gruppo, std::set<std::u32string_view>> fratelli;
    std::size_t suffissi = 0, catenate = 0;
    for (std::size_t k = 0; k < a.perFlag[f].size(); ++k) {
      const Regola& r = a.regole[a.perFlag[f][k]];
      if (r.prefisso) continue;
      ++suffissi;
      if (breve[k] == 0) continue;
      ++catenate;
      for (std::u32string_view p : Inequivocabili)
        if (std::u32string_view(r.aggiungi).ends_with(p)) fratelli[gruppo(r, breve[k])].insert(p);
    }
    const bool soloPronomi = suffissi > 0 && catenate == suffissi;
    std::map<Coppia, std::size_t> pronominali;  // (strip, ending) -> chain length
    for (std::size_t k = 0; k < a.perFlag[f].size(); ++k) {
      Regola& r = a.regole[a.perFlag[f][k]];
      if (r.prefisso || breve[k] == 0) continue;
      auto it = fratelli.find(gruppo(r, breve[k]));
      if (soloPronomi || (it != fratelli.end() && it->second.size() >= MinFratelli)) {
        r.catena = breve[k];
        pronominali[{r.togli, r.aggiungi}] = r.catena;
      }
    }
    for (std::size_t k = 0; k < a.perFlag[f].size(); ++k) {
      Regola& r = a.regole[a.perFlag[f][k]];
      if (r.prefisso || breve[k] == 0) continue;
      // A chain after a pronoun ending is longer: FACENDOGLI + CI.
      if (auto it = pronominali.find({r.togli, stelo(r, breve[k])}); it != pronominali.end())
        r.catena = breve[k] + it->second;
      // SI or SE: after any stem when the rule attaches pronouns, else only
      // after another rule's ending (PARLASSI, subjunctive, is no PARLA + SI).
      const std::size_t l = r.catena > 0 ? r.catena : breve[k];
      const std::u32string_view c = std::u32string_view(r.aggiungi).substr(r.aggiungi.size() - l);
      if ((c.ends_with(U"si") || c.starts_with(U"se")) && (r.catena > 0 || l < r.aggiungi.size()))
        r.catenaSi = l;
    }
  }
}

namespace {

// Every rule of the flag adds Roman-numeral letters to the word unchanged
// (the it_IT roots X, XX, C ... with their I, II, IV and X, XL, CX endings).
// The plural flags (CASA -> CASE, CANE -> CANI) strip a vowel first.
bool eRomanoCalcola(const Affissi& a, unsigned char flag) {
  static const std::u32string romane = U"ivxlcdm";
  const auto& idx = a.perFlag[flag];
  if (idx.empty()) return false;
  for (std::size_t i : idx) {
    const Regola& r = a.regole[i];
    if (!r.togli.empty() || r.aggiungi.empty()) return false;
    for (char32_t c : r.aggiungi)
      if (romane.find(c) == std::u32string::npos) return false;
  }
  return true;
}

}  // namespace

void segnaRomani(Affissi& a) {
  for (std::size_t f = 0; f < 256; ++f) a.romano[f] = eRomanoCalcola(a, static_cast<unsigned char>(f));
}

void espandiParola(const Affissi& a, std::u32string_view parola, std::string_view flag,
                   std::vector<Forma>& out) {
  out.push_back({std::u32string(parola), nullptr, nullptr});
  std::vector<const Regola*> suffissi, prefissi;
  for (char fc : flag) {
    auto f = static_cast<unsigned char>(fc);
    for (std::size_t i : a.perFlag[f]) {
      const Regola& r = a.regole[i];
      if (r.prefisso) {
        if (r.aggiungi.find(U'\'') != std::u32string::npos) continue;  // elisions
        prefissi.push_back(&r);
      } else {
        suffissi.push_back(&r);
      }
    }
  }
  std::u32string f1, f2;
  for (const Regola* s : suffissi) {
    if (!applica(*s, parola, f1)) continue;
    out.push_back({f1, s, nullptr});
    if (!s->incrocio) continue;
    for (const Regola* p : prefissi) {
      // A prefix's condition is tested on the word itself.
      if (!p->incrocio || !condizioneVale(*p, parola) || !f1.starts_with(p->togli)) continue;
      f2 = p->aggiungi;
      f2 += std::u32string_view(f1).substr(p->togli.size());
      out.push_back({f2, s, p});
    }
  }
  for (const Regola* p : prefissi)
    if (applica(*p, parola, f1)) out.push_back({f1, nullptr, p});
}

}  // namespace espandi
