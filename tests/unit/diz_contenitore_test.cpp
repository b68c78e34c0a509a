#include "ContenitoreDiz.h"

#include <gtest/gtest.h>

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

TEST(ContenitoreDiz, RifiutaFileDanneggiati) {
  const std::string buono = codificaDiz(campione(), 3);
  struct Caso {
    const char* nome;
    std::string dati;
    EsitoDiz atteso;
  };
  std::vector<Caso> casi;
  casi.push_back({"vuoto", "", EsitoDiz::troppoCorto});
  casi.push_back({"solo intestazione parziale", buono.substr(0, 21), EsitoDiz::troppoCorto});
  casi.push_back({"troncato", buono.substr(0, buono.size() - 5), EsitoDiz::datiDanneggiati});
  casi.push_back({"senza dati", buono.substr(0, IntestazioneDiz), EsitoDiz::datiDanneggiati});
  std::string magic = buono;
  magic[0] = 'X';
  casi.push_back({"magic errato", magic, EsitoDiz::magicErrato});
  std::string testo = "TESSDIC\r\nCASA\r\n";
  casi.push_back({"testo piano", testo + std::string(30, 'A'), EsitoDiz::magicErrato});
  std::string versione = buono;
  poni(versione, 8, 2, 2);
  casi.push_back({"versione 2", versione, EsitoDiz::versioneIgnota});
  std::string enorme = buono;
  poni(enorme, 10, MassimoTestoDiz + 1, 8);
  casi.push_back({"lunghezza enorme", enorme, EsitoDiz::troppoGrande});
  std::string massima = buono;
  poni(massima, 10, ~0ull, 8);
  casi.push_back({"lunghezza massima", massima, EsitoDiz::troppoGrande});
  std::string diversa = buono;
  poni(diversa, 10, campione().size() - 1, 8);
  casi.push_back({"lunghezza diversa", diversa, EsitoDiz::lunghezzaErrata});
  std::string crc = buono;
  crc[18] ^= 1;
  casi.push_back({"checksum", crc, EsitoDiz::checksumErrato});
  std::string coda = buono + "X";
  casi.push_back({"dati in coda", coda, EsitoDiz::datiDanneggiati});
  for (const Caso& k : casi) {
    std::string letto = "vecchio";
    EXPECT_EQ(decodificaDiz(k.dati, letto), k.atteso) << k.nome;
    EXPECT_TRUE(letto.empty()) << k.nome;
  }
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
