#include "ContenitoreDiz.h"

#include <array>
#include <stdexcept>
#include <zstd.h>

namespace tessaro {

namespace {

// Slicing by four: four table lookups per 32-bit word.
struct TabelleCrc {
  std::array<std::array<std::uint32_t, 256>, 4> t{};
  constexpr TabelleCrc() {
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
      for (std::size_t s = 1; s < 4; ++s) t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
  }
};
constexpr TabelleCrc Tab;

void scrivi(std::string& out, std::uint64_t v, int byte) {
  for (int i = 0; i < byte; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint64_t leggi(std::string_view in, std::size_t pos, int byte) {
  std::uint64_t v = 0;
  for (int i = 0; i < byte; ++i)
    v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[pos + static_cast<std::size_t>(i)])) << (8 * i);
  return v;
}

}  // namespace

std::string_view descrizioneEsito(EsitoDiz e) {
  switch (e) {
    case EsitoDiz::ok: return "nessun errore";
    case EsitoDiz::troppoCorto: return "file troppo corto";
    case EsitoDiz::magicErrato: return "non è un dizionario .diz";
    case EsitoDiz::versioneIgnota: return "versione del formato sconosciuta";
    case EsitoDiz::troppoGrande: return "lunghezza dichiarata oltre il limite di 64 MiB";
    case EsitoDiz::troppoCompresso: return "lunghezza dichiarata oltre 100 volte il file";
    case EsitoDiz::datiDanneggiati: return "dati compressi danneggiati";
    case EsitoDiz::lunghezzaErrata: return "lunghezza del testo diversa da quella dichiarata";
    case EsitoDiz::checksumErrato: return "checksum del testo errato";
  }
  return "errore sconosciuto";
}

std::uint32_t crc32(std::string_view dati, std::uint32_t crc) {
  crc = ~crc;
  const auto* p = reinterpret_cast<const unsigned char*>(dati.data());
  std::size_t n = dati.size();
  while (n >= 4) {
    crc ^= static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    crc = Tab.t[3][crc & 0xFF] ^ Tab.t[2][(crc >> 8) & 0xFF] ^ Tab.t[1][(crc >> 16) & 0xFF] ^
          Tab.t[0][crc >> 24];
    p += 4;
    n -= 4;
  }
  while (n-- > 0) crc = Tab.t[0][(crc ^ *p++) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::string codificaDiz(std::string_view testo, int livello) {
  if (testo.size() > MassimoTestoDiz) throw std::length_error("testo oltre 64 MiB: il dizionario non sarebbe letto");
  std::string out;
  out.append(MagicDiz);
  scrivi(out, VersioneDiz, 2);
  scrivi(out, testo.size(), 8);
  scrivi(out, crc32(testo), 4);
  std::size_t limite = ZSTD_compressBound(testo.size());
  out.resize(IntestazioneDiz + limite);
  // ZSTD_compress writes the content size into the frame header.
  std::size_t n = ZSTD_compress(out.data() + IntestazioneDiz, limite, testo.data(), testo.size(), livello);
  if (ZSTD_isError(n)) throw std::runtime_error(ZSTD_getErrorName(n));
  out.resize(IntestazioneDiz + n);
  if (testo.size() > RapportoMassimoDiz * out.size())
    throw std::length_error("testo compresso oltre 100 volte: il dizionario non sarebbe letto");
  return out;
}

EsitoDiz decodificaDiz(std::string_view dati, std::string& testo) {
  testo.clear();
  if (dati.size() < IntestazioneDiz) return EsitoDiz::troppoCorto;
  if (dati.substr(0, MagicDiz.size()) != MagicDiz) return EsitoDiz::magicErrato;
  if (leggi(dati, 8, 2) != VersioneDiz) return EsitoDiz::versioneIgnota;
  std::uint64_t lung = leggi(dati, 10, 8);
  auto crc = static_cast<std::uint32_t>(leggi(dati, 18, 4));
  if (lung > MassimoTestoDiz) return EsitoDiz::troppoGrande;
  std::string_view z = dati.substr(IntestazioneDiz);
  // The frame must be whole, alone, and declare the same size before any
  // memory is reserved for the text.
  std::size_t dimFrame = ZSTD_findFrameCompressedSize(z.data(), z.size());
  if (ZSTD_isError(dimFrame) || dimFrame != z.size()) return EsitoDiz::datiDanneggiati;
  unsigned long long dichiarata = ZSTD_getFrameContentSize(z.data(), z.size());
  if (dichiarata == ZSTD_CONTENTSIZE_ERROR || dichiarata == ZSTD_CONTENTSIZE_UNKNOWN)
    return EsitoDiz::datiDanneggiati;
  if (dichiarata != lung) return EsitoDiz::lunghezzaErrata;
  if (lung > RapportoMassimoDiz * dati.size()) return EsitoDiz::troppoCompresso;
  testo.resize(static_cast<std::size_t>(lung));
  std::size_t n = ZSTD_decompress(testo.data(), testo.size(), z.data(), z.size());
  if (ZSTD_isError(n)) {
    testo.clear();
    return EsitoDiz::datiDanneggiati;
  }
  if (n != lung) {
    testo.clear();
    return EsitoDiz::lunghezzaErrata;
  }
  if (crc32(testo) != crc) {
    testo.clear();
    return EsitoDiz::checksumErrato;
  }
  return EsitoDiz::ok;
}

}  // namespace tessaro
