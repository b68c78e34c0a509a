// The ".diz" container: a small header and the zstd-compressed plain text.
// Layout (all numbers little-endian), described in docs/formato-diz.md:
//   0  8 bytes  magic "TESSDIZ\0"
//   8  uint16   version (1)
//  10  uint64   length of the plain text in bytes (at most 64 MiB, and at
//               most 100 times the size of the whole container)
//  18  uint32   CRC-32 of the plain text (the zlib/PNG polynomial)
//  22  ...      one zstd frame holding the plain text, with its content size
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr std::string_view MagicDiz{"TESSDIZ\0", 8};
inline constexpr std::uint16_t VersioneDiz = 1;
inline constexpr std::size_t IntestazioneDiz = 22;
// Limits that keep a small hostile file from expanding into gigabytes. Real
// lists fit: the 3-million-entry stress list (47.5 MiB of text) compresses
// 9.4 times, the shipped base.diz 5.5 times.
inline constexpr std::uint64_t MassimoTestoDiz = 64ull * 1024 * 1024;
inline constexpr std::uint64_t RapportoMassimoDiz = 100;

enum class EsitoDiz {
  ok = 0,
  troppoCorto,      // shorter than the header
  magicErrato,      // not a container
  versioneIgnota,   // a later version
  troppoGrande,     // the declared length is over the limit
  troppoCompresso,  // the declared length is over RapportoMassimoDiz times the file
  datiDanneggiati,  // the compressed data do not decode
  lunghezzaErrata,  // the decoded size differs from the declared length
  checksumErrato,   // the decoded text does not match its CRC-32
};

// A short Italian description of an outcome.
std::string_view descrizioneEsito(EsitoDiz e);

// CRC-32 (polynomial 0xEDB88320, as zlib), continuing from `crc`.
std::uint32_t crc32(std::string_view dati, std::uint32_t crc = 0);

// The container for a plain text. `livello` is the zstd level. Throws
// std::length_error when the text is over a limit (the decoder would refuse
// the result).
std::string codificaDiz(std::string_view testo, int livello = 19);

// The plain text of a container. Never allocates more than the declared
// length (itself at most 64 MiB and 100 times the container), and only after
// the compressed frame has declared the same size.
EsitoDiz decodificaDiz(std::string_view dati, std::string& testo);

}  // namespace tessaro
