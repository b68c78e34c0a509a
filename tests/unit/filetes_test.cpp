#include "files/FileTes.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

using namespace std::string_literals;

// The exact bytes of a 2 x 3 Schema and reading them back are a window test
// (through real files); these are the forms of a file read.
TEST(FileTesLettura, FormeAccettate) {
  struct Caso {
    const char* nome;
    std::string dati;
    std::vector<std::string> righe;
  };
  const Caso casi[] = {
      {"solo LF", "2,3\n\"CA?\"\n\"\x10?O\"\n", {"CA?", "\x10?O"}},
      {"ultima riga senza fine", "2,3\r\n\"CA?\"\r\n\"\x10?O\"", {"CA?", "\x10?O"}},
      {"righe in eccesso ignorate", "2,2\r\n\"AB\"\r\n\"CD\"\r\n\"EF\"\r\nqualunque cosa", {"AB", "CD"}},
      {"spazi iniziali e @", "  2 , 2\r\n  \"@?\"\r\n\"ZZ\"\r\n", {"@?", "ZZ"}},
      {"campi senza virgolette", "2,2\r\nAB\r\nCD\r\n", {"AB", "CD"}},
      {"minuscole e spazi", "2,3\r\n\"ca \"\r\n\" zO\"\r\n", {"CA?", "?ZO"}},
      {"limiti massimi", "25,35\r\n" + [] {
         std::string r;
         for (int i = 0; i < 25; ++i) r += "\"" + std::string(35, '?') + "\"\r\n";
         return r;
       }(),
       std::vector<std::string>(25, std::string(35, '?'))},
  };
  for (const auto& c : casi) {
    const auto l = leggiTes(c.dati);
    SCOPED_TRACE(c.nome);
    ASSERT_TRUE(l) << static_cast<int>(l.errore);
    EXPECT_EQ(l.schema->Griglia, c.righe);
  }
}

TEST(FileTesLettura, FormeRifiutate) {
  struct Caso {
    const char* nome;
    std::string dati;
    ErroreTes errore;
  };
  const Caso casi[] = {
      {"vuoto", "", ErroreTes::DimensioniNonNumeri},
      {"prima riga non numerica", "due,tre\r\n\"CA?\"\r\n", ErroreTes::DimensioniNonNumeri},
      {"un solo numero", "2\r\n", ErroreTes::DimensioniNonNumeri},
      {"numero con coda", "2x,3\r\n\"CA?\"\r\n\"CA?\"\r\n", ErroreTes::DimensioniNonNumeri},
      {"oltre 16 bit", "70000,3\r\n", ErroreTes::DimensioniNonNumeri},
      {"righe negative", "-2,3\r\n", ErroreTes::DimensioniFuoriLimiti},
      {"una riga", "1,3\r\n\"CA?\"\r\n", ErroreTes::DimensioniFuoriLimiti},
      {"26 righe", "26,3\r\n", ErroreTes::DimensioniFuoriLimiti},
      {"36 colonne", "2,36\r\n", ErroreTes::DimensioniFuoriLimiti},
      {"righe mancanti", "3,3\r\n\"CA?\"\r\n\"CA?\"\r\n", ErroreTes::RigheMancanti},
      {"riga corta", "2,3\r\n\"CA\"\r\n\"CA?\"\r\n", ErroreTes::LunghezzaRiga},
      {"riga lunga", "2,3\r\n\"CA?\"\r\n\"CA??\"\r\n", ErroreTes::LunghezzaRiga},
      {"riga vuota in mezzo", "2,3\r\n\r\n\"CA?\"\r\n\"CA?\"\r\n", ErroreTes::LunghezzaRiga},
      {"cifra", "2,3\r\n\"C1?\"\r\n\"CA?\"\r\n", ErroreTes::CarattereNonValido},
      {"lettera accentata", "2,3\r\n\"C\xE0?\"\r\n\"CA?\"\r\n", ErroreTes::CarattereNonValido},
      {"tabulazione", "2,3\r\n\"C\t?\"\r\n\"CA?\"\r\n", ErroreTes::CarattereNonValido},
      {"byte nullo", "2,3\r\n\"C\0?\"\r\n\"CA?\"\r\n"s, ErroreTes::CarattereNonValido},
      {"virgolette aperte", "2,3\r\n\"CA?\"\r\n\"CA?", ErroreTes::RigaMalformata},
      {"testo dopo le virgolette", "2,3\r\n\"CA?\"x\r\n\"CA?\"\r\n", ErroreTes::RigaMalformata},
      {"troppo grande", "2,3\r\n\"CA?\"\r\n\"CA?\"\r\n" + std::string(MaxByteTes, ' '), ErroreTes::TroppoGrande},
  };
  for (const auto& c : casi) {
    const auto l = leggiTes(c.dati);
    SCOPED_TRACE(c.nome);
    EXPECT_FALSE(l);
    EXPECT_EQ(l.errore, c.errore);
  }
}

TEST(FileTesNome, EstensioneAggiuntaUnaVolta) {
  for (const auto& [nome, atteso] : {std::pair{"", ".tes"}, {"es", "es.tes"}, {"SCHEMA.TES", "SCHEMA.TES"},
                                     {"doppio.Tes", "doppio.Tes"}, {"nome.txt", "nome.txt.tes"}})
    EXPECT_EQ(conEstensioneTes(nome), atteso);
}

}  // namespace
}  // namespace tessaro
