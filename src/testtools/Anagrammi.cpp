#include "testtools/Anagrammi.h"

#include <algorithm>
#include <array>
#include <limits>

#include "dict/CostruzioneDizionario.h"
#include "dict/GruppiVocalici.h"

namespace tessaro {

namespace {

// The letters that can end a candidate built from an entry ending in `fine`:
// the vowels of its group, or the character itself.
std::string_view finali(const char& fine) {
  const auto gruppo = vocaliGruppo(fine);
  return gruppo.empty() ? std::string_view(&fine, 1) : gruppo;
}

// The letter test: every non-blank character of W consumes one equal
// character of the candidate; a blank of W consumes nothing.
bool eAnagramma(std::string_view W, std::string_view C) {
  std::string V(W);
  std::string K(C);
  for (char& ch : V) {
    if (ch == ' ') continue;
    const auto q = K.find(ch);
    if (q == std::string::npos) return false;
    K[q] = ' ';
    ch = ' ';
  }
  return true;
}

RisultatoAnagrammi concludi(std::vector<std::string> righe, bool interrotto) {
  RisultatoAnagrammi r;
  r.interrotto = interrotto;
  r.NumRisultati = static_cast<int>(righe.size());
  r.righe = std::move(righe);
  if (r.NumRisultati == 0) {
    r.righe = {std::string(RigaVuotaAnagrammi), std::string(TestoNessunAnagramma)};
    r.pannello2 = TestoNessunAnagramma;
    r.beep = true;
    return r;
  }
  r.pannello2 = ' ';
  r.pannello2 += std::to_string(r.NumRisultati);
  r.pannello2 += r.NumRisultati == 1 ? TestoAnagramma : TestoAnagrammi;
  return r;
}

// One 64-bit value per byte; the sum over a word's bytes is the same for
// every order of its letters, and removing a letter is one subtraction.
constexpr std::array<std::uint64_t, 256> valoriLettere() {
  std::array<std::uint64_t, 256> v{};
  std::uint64_t x = 0x9E3779B97F4A7C15ull;
  for (auto& e : v) {
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    e = z ^ (z >> 31);
  }
  return v;
}
constexpr auto ValoreLettera = valoriLettere();

std::uint64_t firma(std::string_view t) {
  std::uint64_t h = 0;
  for (unsigned char c : t) h += ValoreLettera[c];
  return h;
}

unsigned char byteDi(char c) { return static_cast<unsigned char>(c); }

// A byte of the TEST word (Windows-1252) in upper case, its accent folded
// as the dictionaries fold it: "città" looks for CITTA. From 0xA0 on the
// code page's bytes are the characters' own codes.
char maiuscolaTest(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) {
    if (const char l = letteraVoce(b)) return l;
  }
  if (b >= 0xE0 && b != 0xF7 && b != 0xFF) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return '\x8A';  // š
    case 0x9C: return '\x8C';  // œ
    case 0x9E: return '\x8E';  // ž
    case 0xFF: return '\x9F';  // ÿ
    default: return static_cast<char>(b);
  }
}

}  // namespace

std::string parolaTest(std::string_view textb) {
  const auto inizio = textb.find_first_not_of(' ');
  if (inizio == std::string_view::npos) return {};
  const auto fine = textb.find_last_not_of(' ');
  std::string W(textb.substr(inizio, fine - inizio + 1));
  for (char& c : W) c = maiuscolaTest(static_cast<unsigned char>(c));
  return W;
}

RisultatoAnagrammi anagrammi(const Dizionario& base, std::string_view textb, Cedi& cedi) {
  const std::string W = parolaTest(textb);
  std::vector<std::string> righe;
  bool interrotto = false;
  if (!W.empty()) {
    perOgniVoce(base.testo, 0, [&](const Voce& v) {
      if (cedi()) {
        interrotto = true;
        return false;
      }
      const std::string_view E = v.testo;
      if (eCommento(E) || E.size() != W.size()) return true;
      const std::string_view radice = E.substr(0, E.size() - 1);
      for (char fine : finali(E.back())) {
        std::string C(radice);
        C += fine;
        if (eAnagramma(W, C) && C != W) righe.push_back(std::move(C));
      }
      return true;
    });
  }
  return concludi(std::move(righe), interrotto);
}

bool IndiceAnagrammi::valePer(const Dizionario& base) const {
  return costruito_ && dati_ == base.testo.data() && dimensione_ == base.testo.size();
}

IndiceAnagrammi costruisciIndiceAnagrammi(const Dizionario& base) {
  Cedi mai;
  return costruisciIndiceAnagrammi(base, mai);
}

IndiceAnagrammi costruisciIndiceAnagrammi(const Dizionario& base, Cedi& cedi) {
  IndiceAnagrammi ix;
  // Offsets are 32-bit; a larger text is served by the plain scan.
  if (base.testo.size() > std::numeric_limits<std::uint32_t>::max()) return ix;
  perOgniVoce(base.testo, 0, [&](const Voce& v) {
    cedi();
    if (v.testo.empty() || eCommento(v.testo)) return true;
    const auto id = static_cast<std::uint32_t>(ix.voci_.size());
    const auto lung = static_cast<std::uint32_t>(v.testo.size());
    ix.voci_.push_back({static_cast<std::uint32_t>(v.inizio), lung});
    ix.perLunghezza_.emplace_back(lung, id);
    ix.perFirma_.emplace_back(firma(v.testo.substr(0, lung - 1)), id);
    return true;
  });
  // The comparisons yield too: sorting millions of entries takes seconds.
  const auto cedendo = [&cedi](const auto& a, const auto& b) {
    cedi();
    return a < b;
  };
  std::sort(ix.perLunghezza_.begin(), ix.perLunghezza_.end(), cedendo);
  std::sort(ix.perFirma_.begin(), ix.perFirma_.end(), cedendo);
  ix.dati_ = base.testo.data();
  ix.dimensione_ = base.testo.size();
  ix.costruito_ = true;
  return ix;
}

namespace {

// True when the stem holds exactly the bytes of W less one `tolta`.
bool radiceCombacia(std::string_view W, unsigned char tolta, std::string_view radice) {
  std::array<int, 256> conta{};
  for (char c : W) ++conta[byteDi(c)];
  --conta[tolta];
  for (char c : radice)
    if (--conta[byteDi(c)] < 0) return false;
  return true;  // equal sizes: nothing left over
}

}  // namespace

RisultatoAnagrammi anagrammi(const IndiceAnagrammi& indice, const Dizionario& base,
                             std::string_view textb, Cedi& cedi) {
  if (!indice.valePer(base)) return anagrammi(base, textb, cedi);
  const std::string W = parolaTest(textb);
  if (W.empty()) return concludi({}, false);
  const std::string_view testo = base.testo;
  auto voce = [&](std::uint32_t id) {
    const auto& v = indice.voci_[id];
    return testo.substr(v.inizio, v.lung);
  };
  bool interrotto = false;
  // (entry, candidate) in the order the plain scan would list them.
  std::vector<std::pair<std::uint32_t, std::string>> trovati;

  if (W.find(' ') == std::string::npos) {
    // W's letters less the candidate's last letter must be the entry's stem.
    const std::uint64_t tutta = firma(W);
    std::array<bool, 256> provata{};
    for (char x : W) {
      const unsigned char ux = byteDi(x);
      if (provata[ux]) continue;
      provata[ux] = true;
      const std::pair<std::uint64_t, std::uint32_t> da{tutta - ValoreLettera[ux], 0};
      for (auto it = std::lower_bound(indice.perFirma_.begin(), indice.perFirma_.end(), da);
           it != indice.perFirma_.end() && it->first == da.first; ++it) {
        if (cedi()) {
          interrotto = true;
          break;
        }
        const std::string_view E = voce(it->second);
        if (E.size() != W.size()) continue;
        if (finali(E.back()).find(x) == std::string_view::npos) continue;
        const std::string_view radice = E.substr(0, E.size() - 1);
        if (!radiceCombacia(W, ux, radice)) continue;
        std::string C(radice);
        C += x;
        if (C != W) trovati.emplace_back(it->second, std::move(C));
      }
      if (interrotto) break;
    }
    // One entry gives at most one candidate here, so ordering by entry is
    // the dictionary order.
    std::sort(trovati.begin(), trovati.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
  } else {
    // Blanks are wildcards: the candidate must hold at least W's letters.
    std::array<int, 256> richiesti{};
    std::string distinti;
    for (char c : W) {
      if (c == ' ') continue;
      if (richiesti[byteDi(c)]++ == 0) distinti += c;
    }
    std::array<int, 256> conta{};
    const auto lung = static_cast<std::uint32_t>(W.size());
    auto it = std::lower_bound(indice.perLunghezza_.begin(), indice.perLunghezza_.end(),
                               std::pair<std::uint32_t, std::uint32_t>{lung, 0});
    for (; it != indice.perLunghezza_.end() && it->first == lung; ++it) {
      if (cedi()) {
        interrotto = true;
        break;
      }
      const std::string_view E = voce(it->second);
      const std::string_view radice = E.substr(0, E.size() - 1);
      for (char c : radice) ++conta[byteDi(c)];
      for (char fine : finali(E.back())) {
        ++conta[byteDi(fine)];
        const bool basta = std::all_of(distinti.begin(), distinti.end(), [&](char c) {
          return conta[byteDi(c)] >= richiesti[byteDi(c)];
        });
        --conta[byteDi(fine)];
        if (!basta) continue;
        std::string C(radice);
        C += fine;
        if (C != W) trovati.emplace_back(it->second, std::move(C));
      }
      for (char c : radice) --conta[byteDi(c)];
    }
  }

  std::vector<std::string> righe;
  righe.reserve(trovati.size());
  for (auto& t : trovati) righe.push_back(std::move(t.second));
  return concludi(std::move(righe), interrotto);
}

}  // namespace tessaro
