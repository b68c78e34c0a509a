#include "ContenitoreDiz.h"

#include <gtest/gtest.h>
#include <zstd.h>

namespace tessaro {
namespace {

std::string campione() {
  std::string t;
  for (int i = 0; i < 2000; ++i) t += "CAS" + std::to_string(i) + "!\r\n";
  return t;
}

TEST(Crc32, ValoreNoto) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32(""), 0u);
  EXPECT_EQ(crc32("56789", crc32("1234")), 0xCBF43926u);
}

TEST(ContenitoreDiz, AndataERitorno) {
  for (const std::string& t : {std::string(), std::string("CASA\r\n"), campione()}) {
    std::string dati = codificaDiz(t, 3);
    ASSERT_EQ(dati.substr(0, 8), std::string("TESSDIZ\0", 8));
    std::string letto;
    EXPECT_EQ(decodificaDiz(dati, letto), EsitoDiz::ok);
    EXPECT_EQ(letto, t);
  }
}

// Writes a little-endian value into the header.
void poni(std::string& d, std::size_t pos, std::uint64_t v, int byte) {
  for (int i = 0; i < byte; ++i) d[pos + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A well-formed container whose 2 MiB text compresses to a few hundred
// bytes, as no writer of ours makes it.
std::string bomba() {
  const std::string t(2 << 20, 'A');
  std::string z(ZSTD_compressBound(t.size()), '\0');
  z.resize(ZSTD_compress(z.data(), z.size(), t.data(), t.size(), 3));
  std::string d(IntestazioneDiz, '\0');
  d.replace(0, 8, MagicDiz);
  poni(d, 8, VersioneDiz, 2);
  poni(d, 10, t.size(), 8);
  poni(d, 18, crc32(t), 4);
  return d + z;
}

TEST(ContenitoreDiz, RifiutaFileDanneggiati) {
  const std::string buono = codificaDiz(campione(), 3);
  struct Caso {
    const char* nome;
    std::string dati;
    EsitoDiz atteso;
  };
  // The good file with a little-endian value of n bytes written at pos.
  const auto con = [&](std::size_t pos, std::uint64_t v, int n) {
    std::string d = buono;
    poni(d, pos, v, n);
    return d;
  };
  std::string magic = buono, crc = buono;
  magic[0] = 'X';
  crc[18] ^= 1;
  const Caso casi[] = {
      {"vuoto", "", EsitoDiz::troppoCorto},
      {"solo intestazione parziale", buono.substr(0, 21), EsitoDiz::troppoCorto},
      {"troncato", buono.substr(0, buono.size() - 5), EsitoDiz::datiDanneggiati},
      {"senza dati", buono.substr(0, IntestazioneDiz), EsitoDiz::datiDanneggiati},
      {"magic errato", magic, EsitoDiz::magicErrato},
      {"testo piano", "TESSDIC\r\nCASA\r\n" + std::string(30, 'A'), EsitoDiz::magicErrato},
      {"versione 2", con(8, 2, 2), EsitoDiz::versioneIgnota},
      {"lunghezza enorme", con(10, MassimoTestoDiz + 1, 8), EsitoDiz::troppoGrande},
      {"lunghezza massima", con(10, ~0ull, 8), EsitoDiz::troppoGrande},
      // Regression: a 20 KB file expanding to 256 MiB was accepted.
      {"oltre 100 volte il file", bomba(), EsitoDiz::troppoCompresso},
      {"lunghezza diversa", con(10, campione().size() - 1, 8), EsitoDiz::lunghezzaErrata},
      {"checksum", crc, EsitoDiz::checksumErrato},
      {"dati in coda", buono + "X", EsitoDiz::datiDanneggiati},
  };
  for (const Caso& k : casi) {
    std::string letto = "vecchio";
    EXPECT_EQ(decodificaDiz(k.dati, letto), k.atteso) << k.nome;
    EXPECT_TRUE(letto.empty()) << k.nome;
  }
}

TEST(ContenitoreDiz, LoScrittoreRispettaILimiti) {
  // 2 MiB into a few hundred bytes: the decoder would refuse it.
  EXPECT_THROW(codificaDiz(std::string(2 << 20, 'A'), 3), std::length_error);
}

TEST(ContenitoreDiz, OgniByteAlteratoRifiutato) {
  // Flipping any single byte after the magic must never give a wrong text.
  const std::string t = campione();
  const std::string buono = codificaDiz(t, 3);
  for (std::size_t i = 8; i < buono.size(); ++i) {
    std::string d = buono;
    d[i] ^= 0x20;
    std::string letto;
    EsitoDiz e = decodificaDiz(d, letto);
    EXPECT_TRUE(e != EsitoDiz::ok || letto == t) << "byte " << i;
    EXPECT_NE(descrizioneEsito(e), "");
  }
}

}  // namespace
}  // namespace tessaro
