// Texts between the core and the windows: the core keeps user texts in UTF-8
// and dictionary entries as single bytes (A..Z and the vowel-group codes).
#pragma once

#include <QString>
#include <string_view>

namespace tessaro {

inline QString daUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Dictionary bytes, requests and result lines.
inline QString daByte(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace tessaro
