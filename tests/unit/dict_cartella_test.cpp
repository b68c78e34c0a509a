#include "dict/CartellaDizionari.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tessaro {
namespace {

class CartellaTemp : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modello = (std::filesystem::temp_directory_path() / "tessaro-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modello.data()), nullptr);
    dir_ = modello;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void crea(const std::string& nome, const std::string& testo = "A\r\n") {
    std::ofstream(dir_ / nome, std::ios::binary) << testo;
  }
  std::filesystem::path dir_;
};

using ScansioneCartella = CartellaTemp;

TEST_F(ScansioneCartella, BaseNomiExtraNelleSlotUnoDueTre) {
  crea("nomi.diz");
  crea("extra.dic");
  crea("base.diz");
  SlotDizionari s = scansionaCartella(dir_);
  EXPECT_EQ(s.nome[1], "base.diz");
  EXPECT_EQ(s.nome[2], "nomi.diz");
  EXPECT_EQ(s.nome[3], "extra.dic");
  EXPECT_EQ(s.DizCont, 3);
  EXPECT_TRUE(s.nome[0].empty());
}

TEST_F(ScansioneCartella, DicSempreDopoDizEOrdinePerByte) {
  crea("a.dic");
  crea("Zeta.diz");
  crea("alfa.diz");
  crea("base.diz");
  SlotDizionari s = scansionaCartella(dir_);
  // "Zeta" sorts before "alfa" by byte value; .dic after every .diz.
  EXPECT_EQ(s.nome[2], "Zeta.diz");
  EXPECT_EQ(s.nome[3], "alfa.diz");
  EXPECT_EQ(s.nome[4], "a.dic");
}

TEST_F(ScansioneCartella, MaiuscoleTrovateMaLetteComeTestoPiano) {
  crea("base.diz");
  crea("ALTRO.DIZ");
  crea("Liste.DIC");
  crea("nota.txt");
  std::filesystem::create_directory(dir_ / "cartella.diz");
  SlotDizionari s = scansionaCartella(dir_);
  EXPECT_EQ(s.nome[2], "ALTRO.DIZ");
  EXPECT_EQ(s.nome[3], "Liste.DIC");
  EXPECT_EQ(s.DizCont, 3);
  EXPECT_TRUE(passaDalDecoder("base.diz"));
  EXPECT_FALSE(passaDalDecoder("ALTRO.DIZ"));
  EXPECT_FALSE(passaDalDecoder("x.Diz"));
  EXPECT_FALSE(passaDalDecoder("x.dic"));
  EXPECT_FALSE(passaDalDecoder(".diz"));
}

TEST_F(ScansioneCartella, BaseMaiuscoloNonEBase) {
  crea("BASE.DIZ");
  SlotDizionari s = scansionaCartella(dir_);
  EXPECT_TRUE(s.nome[1].empty());
  EXPECT_EQ(s.nome[2], "BASE.DIZ");
}

TEST_F(ScansioneCartella, OltreLaSettimaSlotIgnorati) {
  for (const char* n : {"b.diz", "c.diz", "d.diz", "e.diz", "f.diz", "g.diz", "h.diz", "i.dic"}) crea(n);
  crea("base.diz");  // sorts after the others but still gets slot 1
  SlotDizionari s = scansionaCartella(dir_);
  EXPECT_EQ(s.nome[1], "base.diz");
  EXPECT_EQ(s.nome[2], "b.diz");
  EXPECT_EQ(s.nome[7], "g.diz");
  EXPECT_EQ(s.DizCont, 7);
}

TEST(AssegnaSlot, SenzaDizLaSlotUnoRestaVuota) {
  SlotDizionari s = assegnaSlot({}, {"a.dic", "b.dic"});
  EXPECT_TRUE(s.nome[1].empty());
  EXPECT_EQ(s.nome[2], "a.dic");
  EXPECT_EQ(s.nome[3], "b.dic");
  EXPECT_EQ(s.DizCont, 3);
}

TEST(AssegnaSlot, CartellaVuotaOInesistente) {
  SlotDizionari s = scansionaCartella("/nonesiste/davvero");
  EXPECT_EQ(s.DizCont, 1);
  for (const std::string& n : s.nome) EXPECT_TRUE(n.empty());
}

TEST(NomiDizionario, EstensioneESenzaEstensione) {
  EXPECT_TRUE(haEstensione("base.DiZ", ".diz"));
  EXPECT_FALSE(haEstensione("basediz", ".diz"));
  EXPECT_FALSE(haEstensione(".diz", ".diz"));
  EXPECT_EQ(senzaEstensione("base.diz"), "base");
  EXPECT_EQ(senzaEstensione("nomi.dic"), "nomi");
  EXPECT_EQ(senzaEstensione("ab"), "");
}

}  // namespace
}  // namespace tessaro
