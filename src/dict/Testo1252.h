// Dictionary texts are single bytes in the Windows-1252 code page; the window
// layer works in UTF-8. These two conversions sit between them.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// code, as Windows itself converts them.
std::string daWindows1252(std::string_view testo);

// UTF-8 to Windows-1252 bytes; a character the code page lacks, or a byte
// that is not valid UTF-8, becomes "?".
std::string aWindows1252(std::string_view utf8);

// The bytes a terminal or a message may show as they are: a control
// character (below 0x20, DEL, and the five bytes the code page leaves
// undefined, which convert to control characters) becomes "\x" and two hex
// digits ("\x1b"); every other byte is kept.
std::string visibile1252(std::string_view testo);

// The Windows-1252 byte of one character, or -1 when the code page lacks it.
int byte1252(char32_t c);

}  // namespace tessaro
