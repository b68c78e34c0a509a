#include "dict/Testo1252.h"

#include <array>
#include <cstdint>

#include "dict/Utf8.h"

namespace tessaro {

namespace {

// Code points of 0x80..0x9F; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
