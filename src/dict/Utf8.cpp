#include "dict/Utf8.h"

namespace tessaro {

bool leggiUtf8(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    c = b;
    ++i;
    return true;
  }
  int n = 0;
  char32_t v = 0;
  if ((b & 0xE0) == 0xC0) {
    v = b & 0x1F, n = 1;
  } else if ((b & 0xF0) == 0xE0) {
    v = b & 0x0F, n = 2;
  } else if ((b & 0xF8) == 0xF0) {
    v = b & 0x07, n = 3;
  } else {
    return false;
  }
  if (i + static_cast<std::size_t>(n) >= s.size()) return false;
  for (int k = 1; k <= n; ++k) {
    const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((t & 0xC0) != 0x80) return false;
    v = (v << 6) | (t & 0x3F);
  }
  static constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
  if (v < minimo[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return false;
  c = v;
  i += static_cast<std::size_t>(n) + 1;
  return true;
}

void aggiungiUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace tessaro
