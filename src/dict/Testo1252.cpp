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
    const int b = byte1252(c);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

std::string visibile1252(std::string_view testo) {
  static constexpr std::string_view Cifre = "0123456789abcdef";
  std::string out;
  out.reserve(testo.size());
  for (char ch : testo) {
    const auto b = static_cast<unsigned char>(ch);
    const bool controllo = b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    if (!controllo) {
      out += ch;
      continue;
    }
    out += "\\x";
    out += Cifre[b >> 4];
    out += Cifre[b & 15];
  }
  return out;
}

int byte1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t k = 0; k < Alti.size(); ++k)
    if (Alti[k] == c) return static_cast<int>(0x80 + k);
  return -1;
}

}  // namespace tessaro
