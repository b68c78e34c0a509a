#include "dict/Testo1252.h"

#include <array>
#include <cstdint>

namespace tessaro {

namespace {

// Code points of 0x80..0x9F; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void aggiungiUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`; returns false on a malformed sequence.
bool leggiUtf8(std::string_view s, std::size_t& i, char32_t& c) {
  auto b = static_cast<unsigned char>(s[i]);
  int n = 0;
  if (b < 0x80) { c = b; ++i; return true; }
  if ((b & 0xE0) == 0xC0) { c = b & 0x1F; n = 1; }
  else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; n = 2; }
  else if ((b & 0xF8) == 0xF0) { c = b & 0x07; n = 3; }
  else return false;
  if (i + static_cast<std::size_t>(n) >= s.size()) return false;
  for (int k = 1; k <= n; ++k) {
    auto t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return false;
    c = (c << 6) | (t & 0x3F);
  }
  static constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
  if (c < minimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(n) + 1;
  return true;
}

}  // namespace

std::string daWindows1252(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (char ch : testo) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) out += ch;
    else if (b < 0xA0) aggiungiUtf8(out, Alti[b - 0x80]);
    else aggiungiUtf8(out, b);
  }
  return out;
}

std::string aWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    if (!leggiUtf8(utf8, i, c)) {
      out += '?';
      ++i;
      continue;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char sost = '?';
    for (std::size_t k = 0; k < Alti.size(); ++k)
      if (Alti[k] == c) sost = static_cast<char>(0x80 + k);
    out += sost;
  }
  return out;
}

}  // namespace tessaro
