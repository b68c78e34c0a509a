// Joins pieces of text into one string. Used in place of chains of string
// operator+, on which GCC 12 at -O3 warns falsely (-Wrestrict).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tessaro {

inline std::string concatena(std::initializer_list<std::string_view> parti) {
  std::size_t n = 0;
  for (std::string_view p : parti) n += p.size();
  std::string t;
  t.reserve(n);
  for (std::string_view p : parti) t += p;
  return t;
}

}  // namespace tessaro
