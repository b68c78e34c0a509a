#include "platform/lingua/IndiceOrtografico.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <unordered_set>
#include <utility>

#include "dict/Utf8.h"
#include "platform/lingua/Testo.h"

namespace tessaro::lingua {

namespace {

// Decodes valid UTF-8; false on a malformed sequence.
bool decodifica(std::string_view s, std::u32string& out) {
  out.clear();
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = 0;
    if (!leggiUtf8(s, i, c)) return false;
    out.push_back(c);
  }
  return true;
}

// ASCII and Latin-1 capitals, as the rest of the engine folds them.
char32_t minuscola(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

// Plain vowels only: an accented final vowel is part of the word (città).
bool vocale(char32_t c) {
  static constexpr std::u32string_view Vocali = U"aeiou";
  return Vocali.find(c) != std::u32string_view::npos;
}

std::uint64_t bit(char32_t c) {
  if (c >= U'a' && c <= U'z') return std::uint64_t{1} << (c - U'a');
  return std::uint64_t{1} << (26 + c % 38);
}

std::uint64_t firma(std::u32string_view w) {
  std::uint64_t f = 0;
  for (char32_t c : w) f |= bit(c);
  return f;
}

// The word without its final vowel, if it has one and something before it.
std::u32string_view tema(std::u32string_view w) {
  return w.size() > 1 && vocale(w.back()) ? w.substr(0, w.size() - 1) : w;
}

// Edit distance with adjacent swaps counting one (optimal string alignment);
// anything over `limite` is reported as limite + 1.
int distanza(std::u32string_view a, std::u32string_view b, int limite) {
  const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
  if (std::abs(n - m) > limite) return limite + 1;
  std::array<int, IndiceOrtografico::MaxLettere + 6> r0{}, r1{}, r2{};
  for (int j = 0; j <= m; ++j) r1[static_cast<std::size_t>(j)] = j;
  for (int i = 1; i <= n; ++i) {
    r2[0] = i;
    int minimo = i;
    for (int j = 1; j <= m; ++j) {
      const auto J = static_cast<std::size_t>(j);
      const int costo = a[static_cast<std::size_t>(i - 1)] == b[J - 1] ? 0 : 1;
      int d = std::min({r1[J] + 1, r2[J - 1] + 1, r1[J - 1] + costo});
      if (i > 1 && j > 1 && a[static_cast<std::size_t>(i - 1)] == b[J - 2] &&
          a[static_cast<std::size_t>(i - 2)] == b[J - 1])
        d = std::min(d, r0[J - 2] + 1);
      r2[J] = d;
      minimo = std::min(minimo, d);
    }
    if (minimo > limite) return limite + 1;
    std::swap(r0, r1);
    std::swap(r1, r2);
  }
  return std::min(r1[static_cast<std::size_t>(m)], limite + 1);
}

// Letter groups (of one, two and three letters) of `a` found in `b`, less
// the length difference: Hunspell's n-gram likeness, in short.
int somiglianza(std::u32string_view a, std::u32string_view b) {
  int punti = 0;
  for (std::size_t n = 1; n <= 3; ++n) {
    for (std::size_t i = 0; i + n <= a.size(); ++i) {
      if (b.find(a.substr(i, n)) != std::u32string_view::npos) ++punti;
    }
  }
  const auto diff = static_cast<int>(a.size()) - static_cast<int>(b.size());
  return punti - std::abs(diff);
}

// Bytes of the last character of valid UTF-8.
std::size_t ultimoCarattere(std::string_view s) {
  std::size_t n = 1;
  while (n < s.size() && (static_cast<unsigned char>(s[s.size() - n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

IndiceOrtografico IndiceOrtografico::daDic(std::string_view testo) {
  IndiceOrtografico ind;
  struct Grezza {
    std::u32string lettere;
    std::string testo;
  };
  std::vector<std::vector<Grezza>> perLunghezza(MaxLettere + 1);
  std::u32string u;
  bool prima = true;
  for (std::size_t pos = 0; pos < testo.size();) {
    auto fine = testo.find('\n', pos);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string_view riga = testo.substr(pos, fine - pos);
    pos = fine + 1;
    if (std::exchange(prima, false)) continue;  // the word count
    // The word ends at its flags, at a tab or at the blank before a
    // morphological field ("casa po:nome"); other blanks belong to the word.
    std::string_view parola = riga.substr(0, riga.find_first_of("/\t\r"));
    for (auto b = parola.find(' '); b != std::string_view::npos; b = parola.find(' ', b + 1)) {
      if (b + 3 < parola.size() && parola[b + 3] == ':') {
        parola = parola.substr(0, b);
        break;
      }
    }
    if (parola.empty() || !soloLettere(parola) || !decodifica(parola, u)) continue;
    if (u.size() > MaxLettere) continue;
    for (auto& c : u) c = minuscola(c);
    perLunghezza[u.size()].push_back({u, std::string(parola)});
  }
  ind.da_.assign(MaxLettere + 2, 0);
  for (std::size_t n = 0; n <= MaxLettere; ++n) {
    ind.da_[n] = static_cast<std::uint32_t>(ind.voci_.size());
    for (const auto& g : perLunghezza[n]) {
      ind.voci_.push_back(Voce{static_cast<std::uint32_t>(ind.lettere_.size()),
                               static_cast<std::uint32_t>(ind.testi_.size()),
                               static_cast<std::uint8_t>(n),
                               static_cast<std::uint8_t>(std::min<std::size_t>(g.testo.size(), 255)),
                               firma(g.lettere), firma(tema(g.lettere))});
      ind.lettere_ += g.lettere;
      ind.testi_ += g.testo.substr(0, 255);
    }
  }
  ind.da_[MaxLettere + 1] = static_cast<std::uint32_t>(ind.voci_.size());
  return ind;
}

std::vector<std::string> IndiceOrtografico::vicine(
    std::string_view parola, std::size_t massimo,
    const std::function<bool(const std::string&)>& conosciuta) const {
  std::vector<std::string> out;
  std::u32string w;
  if (massimo == 0 || !decodifica(parola, w) || w.size() < 3 || w.size() > MaxLettere) return out;
  const bool maiuscole = !haMinuscole(parola);
  const bool iniziale = !maiuscole && minuscola(w[0]) != w[0];
  for (auto& c : w) c = minuscola(c);
  const int limite = w.size() >= 5 ? 2 : 1;
  const auto L = static_cast<int>(w.size());
  const std::u32string_view wt = tema(w);
  const bool conVocale = wt.size() < w.size();
  const std::uint64_t fw = firma(w), ft = firma(wt);

  // (distance, -likeness, text, needs checking)
  using Candidato = std::tuple<int, int, std::string, bool>;
  std::vector<Candidato> trovati;
  for (int n = std::max(1, L - limite); n <= std::min<int>(MaxLettere, L + limite); ++n) {
    for (auto k = da_[static_cast<std::size_t>(n)]; k < da_[static_cast<std::size_t>(n) + 1]; ++k) {
      const Voce& v = voci_[k];
      const std::u32string_view r(lettere_.data() + v.lettere, v.lunghezza);
      const std::string_view scritto(testi_.data() + v.testo, v.lunghezzaTesto);
      if (std::popcount(v.firma ^ fw) <= 2 * limite) {
        const int d = distanza(w, r, limite);
        if (d <= limite) trovati.emplace_back(d, -somiglianza(w, r), std::string(scritto), false);
      }
      // The root with the word's final vowel: ragazzo gives ragazzi for
      // raggazi.
      if (conVocale && vocale(r.back()) && r.back() != w.back() && r.size() > 1 &&
          std::popcount(v.firmaTema ^ ft) <= 2 * limite) {
        const auto rt = r.substr(0, r.size() - 1);
        const int d = distanza(wt, rt, limite);
        if (d <= limite) {
          std::string forma(scritto.substr(0, scritto.size() - ultimoCarattere(scritto)));
          aggiungiUtf8(forma, w.back());
          std::u32string f(rt);
          f += w.back();
          trovati.emplace_back(d, -somiglianza(w, f), std::move(forma), true);
        }
      }
    }
  }
  std::sort(trovati.begin(), trovati.end());

  // Like Hunspell, only the guesses nearly as good as the best: as few
  // edits, and at least nine tenths of its likeness (raggazo: ragazzo, not
  // raggiato).
  std::unordered_set<std::string> visti;
  std::optional<std::pair<int, int>> migliore;
  for (auto& [d, s, testo, daControllare] : trovati) {
    if (out.size() >= massimo) break;
    if (migliore && (d > migliore->first || -10 * s < 9 * migliore->second)) break;
    const std::string chiave = minuscolo(testo);
    if (!visti.insert(chiave).second) continue;
    if (daControllare && !conosciuta(testo)) continue;
    if (!migliore) migliore = std::pair{d, -s};
    if (maiuscole) {
      out.push_back(maiuscolo(testo));
    } else if (iniziale) {
      out.push_back(capitalizzato(testo));
    } else {
      out.push_back(std::move(testo));
    }
  }
  return out;
}

}  // namespace tessaro::lingua
