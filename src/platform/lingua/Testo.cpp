#include "platform/lingua/Testo.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "dict/Utf8.h"

namespace tessaro::lingua {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined ones.
constexpr std::array<char32_t, 32> Cp1252Alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t daByte(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) return b;
  const char32_t c = Cp1252Alti[b - 0x80];
  return c != 0 ? c : b;
}

std::optional<unsigned char> versoByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < Cp1252Alti.size(); ++i) {
    const bool indefinito = Cp1252Alti[i] == 0;
    if ((!indefinito && Cp1252Alti[i] == c) || (indefinito && c == 0x80 + i))
      return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::optional<char32_t> leggi(std::string_view s, std::size_t& i) {
  char32_t c = 0;
  if (!leggiUtf8(s, i, c)) return std::nullopt;
  return c;
}

void scrivi(std::string& out, char32_t c) { aggiungiUtf8(out, c); }

// Valid UTF-8 to code points; an invalid byte becomes U+FFFD so the helpers
// below never fail (their callers convert with daTestoProgramma first).
std::u32string punti(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    if (auto c = leggi(s, i)) {
      out += *c;
    } else {
      out += U'\uFFFD';
      ++i;
    }
  }
  return out;
}

std::string utf8(std::u32string_view p) {
  std::string out;
  out.reserve(p.size() + 4);
  for (char32_t c : p) scrivi(out, c);
  return out;
}

bool letteraLatina(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) || c == 0x152 ||
         c == 0x153 || c == 0x160 || c == 0x161 || c == 0x178 || c == 0x17D ||
         c == 0x17E;
}

bool maiuscolaLatina(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
         c == 0x152 || c == 0x160 || c == 0x17D || c == 0x178;
}

bool minuscolaLatina(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7) ||
         c == 0x153 || c == 0x161 || c == 0x17E;
}

char32_t inMinuscola(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x152 || c == 0x160 || c == 0x17D) return c + 1;
  if (c == 0x178) return 0xFF;
  return c;
}

char32_t inMaiuscola(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
  if (c == 0xFF) return 0x178;
  return c;  // ß has no single upper-case letter
}

bool uguali(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto up = [](char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch; };
    return up(x) == up(y);
  });
}

}  // namespace

std::optional<Codifica> codificaDaNome(std::string_view nome) {
  nome = senzaSpaziEsterni(nome);
  if (uguali(nome, "UTF-8") || uguali(nome, "UTF8")) return Codifica::Utf8;
  for (std::string_view n : {"ISO8859-1", "ISO-8859-1", "ISO8859-15", "ISO-8859-15",
                             "microsoft-cp1252", "CP1252", "WINDOWS-1252"}) {
    if (uguali(nome, n)) return Codifica::SingoloByte;
  }
  return std::nullopt;
}

bool utf8Valido(std::string_view testo) {
  std::size_t i = 0;
  while (i < testo.size()) {
    if (!leggi(testo, i)) return false;
  }
  return true;
}

std::string daSingoloByte(std::string_view testo) {
  std::string out;
  out.reserve(testo.size() + testo.size() / 4);
  for (char ch : testo) scrivi(out, daByte(static_cast<unsigned char>(ch)));
  return out;
}

std::optional<std::string> inSingoloByte(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  std::size_t i = 0;
  while (i < testo.size()) {
    const auto c = leggi(testo, i);
    if (!c) return std::nullopt;
    const auto b = versoByte(*c);
    if (!b) return std::nullopt;
    out += static_cast<char>(*b);
  }
  return out;
}

std::string daTestoProgramma(std::string_view testo) {
  if (utf8Valido(testo)) return std::string(testo);
  return daSingoloByte(testo);
}

std::optional<std::string> versoCodifica(std::string_view testo, Codifica c) {
  if (c == Codifica::SingoloByte) return inSingoloByte(testo);
  return std::string(testo);
}

std::string daCodifica(std::string_view testo, Codifica c) {
  if (c == Codifica::SingoloByte) return daSingoloByte(testo);
  return std::string(testo);
}

std::string minuscolo(std::string_view testo) {
  auto p = punti(testo);
  for (auto& c : p) c = inMinuscola(c);
  return utf8(p);
}

std::string maiuscolo(std::string_view testo) {
  auto p = punti(testo);
  for (auto& c : p) c = inMaiuscola(c);
  return utf8(p);
}

std::string capitalizzato(std::string_view testo) {
  auto p = punti(testo);
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = i == 0 ? inMaiuscola(p[i]) : inMinuscola(p[i]);
  return utf8(p);
}

bool soloLettere(std::string_view testo) {
  if (testo.empty()) return false;
  const auto p = punti(testo);
  return std::all_of(p.begin(), p.end(), letteraLatina);
}

bool haMinuscole(std::string_view testo) {
  const auto p = punti(testo);
  return std::any_of(p.begin(), p.end(), minuscolaLatina);
}

std::string_view senzaSpaziEsterni(std::string_view testo) {
  constexpr std::string_view spazi = " \t\r\n";
  const auto inizio = testo.find_first_not_of(spazi);
  if (inizio == std::string_view::npos) return {};
  const auto fine = testo.find_last_not_of(spazi);
  return testo.substr(inizio, fine - inizio + 1);
}

std::vector<std::string> conAccentoFinale(std::string_view testo) {
  auto p = punti(testo);
  if (p.empty()) return {};
  const char32_t ultima = p.back();
  const bool maiuscola = maiuscolaLatina(ultima);
  std::u32string_view accentate;
  switch (inMinuscola(ultima)) {
    case U'a': accentate = U"à"; break;
    case U'e': accentate = U"èé"; break;
    case U'i': accentate = U"ì"; break;
    case U'o': accentate = U"ò"; break;
    case U'u': accentate = U"ù"; break;
    default: return {};
  }
  std::vector<std::string> out;
  for (char32_t a : accentate) {
    p.back() = maiuscola ? inMaiuscola(a) : a;
    out.push_back(utf8(p));
  }
  return out;
}

namespace {

// The word with its last letter replaced by each of `finali`; before e and
// i a "ch" or "gh" keeps the c or g hard, so bianche also gives bianca.
std::vector<std::string> conFinali(std::string_view parola, std::string_view finali) {
  std::vector<std::string> out;
  if (parola.size() < 3) return out;
  const std::string_view radice = parola.substr(0, parola.size() - 1);
  const bool h = radice.ends_with("ch") || radice.ends_with("gh");
  for (char f : finali) {
    out.push_back(std::string(radice) + f);
    if (h) out.push_back(std::string(radice.substr(0, radice.size() - 1)) + f);
  }
  return out;
}

}  // namespace

std::vector<std::string> singolari(std::string_view parola) {
  if (parola.ends_with('e')) return conFinali(parola, "a");
  if (parola.ends_with('i')) return conFinali(parola, "oe");
  return {};
}

std::vector<std::string> maschili(std::string_view parola) {
  if (parola.ends_with('a') || parola.ends_with('e')) return conFinali(parola, "o");
  return {};
}

std::optional<std::string> stessaDesinenza(std::string_view forma, std::string_view lemma,
                                           std::string_view contrario) {
  const auto f = punti(forma);
  const auto l = punti(lemma);
  auto c = punti(contrario);
  if (f.size() < 2 || f.size() != l.size() || f.back() == l.back() || c.empty()) return std::nullopt;
  if (f.compare(0, f.size() - 1, l, 0, l.size() - 1) != 0) return std::nullopt;
  if (c.back() != l.back()) return std::nullopt;
  c.back() = f.back();
  return utf8(c);
}

}  // namespace tessaro::lingua
