#include "Affissi.h"

#include "dict/Utf8.h"

#include <array>
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

// A suffix rule attaches pronouns when its ending is a chain of pronouns,
// alone or after another suffix rule's ending with the same strip, and its
// flag is a pronoun flag: one with such rules for at least three unambiguous
// pronouns, or made of such rules only. The flag test keeps ordinary
// inflections whose ending merely looks like one (PARLAVI, imperfect, beside
// PARLA + VI). In a flag that mixes both (the -IRE verbs), a lone VI, TI or SI
// counts as a pronoun only where the same flag also attaches an unambiguous
// pronoun to the same ending (SENTITEVI beside SENTITECI, but not SENTIVI).
void segnaEnclitiche(Affissi& a) {
  std::set<std::pair<std::u32string, std::u32string>> finali;  // (strip, ending)
  for (const Regola& r : a.regole)
    if (!r.prefisso) finali.insert({r.togli, r.aggiungi});
  for (std::size_t f = 0; f < 256; ++f) {
    std::set<std::pair<std::u32string, std::u32string>> delFlag;
    for (std::size_t i : a.perFlag[f])
      if (!a.regole[i].prefisso) delFlag.insert({a.regole[i].togli, a.regole[i].aggiungi});
    // The pronoun chain the rule attaches, or an empty string.
    auto catena = [&](const Regola& r, bool debole) -> std::u32string {
      std::vector<std::size_t> lunghezze;
      catene(r.aggiungi, 1, 0, true, lunghezze);
      for (std::size_t l : lunghezze) {
        std::u32string resto = r.aggiungi.substr(0, r.aggiungi.size() - l);
        std::u32string c = r.aggiungi.substr(r.aggiungi.size() - l);
        if (!resto.empty() && finali.count({r.togli, resto}) == 0) continue;
        bool doppia = c.size() == 3;
        std::u32string_view semplice = std::u32string_view(c).substr(doppia ? 1 : 0);
        bool ambigua = c.size() <= 3 && (semplice == U"vi" || semplice == U"ti" || semplice == U"si");
        if (ambigua && !debole) {
          bool compagna = false;
          for (std::u32string_view u : Inequivocabili) {
            std::u32string altra = resto;
            if (doppia && u.front() != U'g') altra += u.front();
            altra += u;
            if (delFlag.count({r.togli, altra}) > 0) compagna = true;
          }
          if (!compagna) continue;
        }
        return c;
      }
      return {};
    };
    std::set<std::u32string> visti;
    std::size_t suffissi = 0, attaccano = 0;
    for (std::size_t i : a.perFlag[f]) {
      const Regola& r = a.regole[i];
      if (r.prefisso) continue;
      ++suffissi;
      if (!catena(r, true).empty()) ++attaccano;
      std::u32string c = catena(r, false);
      for (std::u32string_view p : Inequivocabili)
        if (!c.empty() && c.ends_with(p)) visti.insert(std::u32string(p));
    }
    // Made of pronoun rules only (PARLANTESI, PARLANTISI): all of them count.
    bool soloPronomi = suffissi > 0 && attaccano == suffissi;
    if (visti.size() < 3 && !soloPronomi) continue;
    for (std::size_t i : a.perFlag[f]) {
      Regola& r = a.regole[i];
      if (!r.prefisso && !catena(r, soloPronomi).empty()) r.enclitica = true;
    }
  }
}

namespace {

bool eRomanoCalcola(const Affissi& a, unsigned char flag) {
  static const std::u32string romane = U"ivxlcdm";
  const auto& idx = a.perFlag[flag];
  if (idx.empty()) return false;
  for (std::size_t i : idx) {
    const Regola& r = a.regole[i];
    if (r.aggiungi.empty()) return false;
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
  out.push_back({std::u32string(parola), false, false, nullptr});
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
    bool rom = a.romano[s->flag];
    out.push_back({f1, s->enclitica, rom, s});
    if (!s->incrocio) continue;
    for (const Regola* p : prefissi) {
      // A prefix's condition is tested on the word itself.
      if (!p->incrocio || !condizioneVale(*p, parola) || !f1.starts_with(p->togli)) continue;
      f2 = p->aggiungi;
      f2 += std::u32string_view(f1).substr(p->togli.size());
      out.push_back({f2, s->enclitica, rom || a.romano[p->flag], s});
    }
  }
  for (const Regola* p : prefissi)
    if (applica(*p, parola, f1)) out.push_back({f1, false, a.romano[p->flag], nullptr});
}

}  // namespace espandi
