#include "dict/CaricaDizionari.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "ContenitoreDiz.h"
#include "dict/CartellaDizionari.h"
#include "dict/IndiceDizionario.h"

namespace tessaro {
namespace {

std::string leggi(const std::filesystem::path& p) {
  std::string t;
  EXPECT_TRUE(leggiFileIntero(p, t)) << p;
  return t;
}

// A program folder and a scratch folder of its own; the decoder stand-in
// decodes the slot's ".diz" with the container code, as the real library
// does, and writes the scratch file.
class Caricamento : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-prog-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    prog_ = m;
    scratch_ = prog_ / "scratch";
    std::filesystem::create_directory(scratch_);
  }
  void TearDown() override { std::filesystem::remove_all(prog_); }

  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(prog_ / nome, std::ios::binary) << dati;
  }
  void creaDiz(const std::string& nome, const std::string& testo) { crea(nome, codificaDiz(testo, 3)); }

  ChiamataDecoder decoder() {
    return [this](std::int16_t slot) -> std::int16_t {
      ++chiamate_;
      SlotDizionari s = scansionaCartella(prog_);
      std::string testo;
      if (decodificaDiz(leggi(prog_ / s.nome[static_cast<std::size_t>(slot)]), testo) != EsitoDiz::ok)
        return 3;
      std::ofstream(scratch_ / senzaEstensione(s.nome[static_cast<std::size_t>(slot)]),
                    std::ios::binary)
          << testo;
      return 0;
    };
  }

  EsitoCaricamento carica() {
    Cedi c;
    return caricaDizionari(prog_, decoder(), scratch_, c);
  }

  std::filesystem::path prog_, scratch_;
  int chiamate_ = 0;
};

TEST_F(Caricamento, TreDizionariNelleLoroSlot) {
  creaDiz("base.diz", "CAS!\r\nMARE\r\n");
  creaDiz("nomi.diz", "ROMA\r\n");
  crea("extra.dic", "ZETA\r\n");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok()) << e.errore;
  EXPECT_EQ(e.archivio.DizCont, 3);
  EXPECT_EQ(e.archivio.slot[1].nome, "base.diz");
  EXPECT_EQ(e.archivio.slot[1].testo, "CAS!\r\nMARE\r\n");
  EXPECT_EQ(e.archivio.slot[1].indice['M' - '@'], 7);
  EXPECT_EQ(e.archivio.slot[2].testo, "ROMA\r\n");
  EXPECT_EQ(e.archivio.slot[3].nome, "extra.dic");
  EXPECT_EQ(e.archivio.slot[3].testo, "ZETA\r\n");
  EXPECT_EQ(chiamate_, 2);  // the .dic does not go through the decoder
  EXPECT_TRUE(e.avvisi.empty());
}

TEST_F(Caricamento, ScratchCancellatoEFileDelProgrammaIntatti) {
  creaDiz("base.diz", "CASA\r\n");
  crea("extra.dic", "ZETA\r\n");
  crea("ALTRO.DIZ", "ALBA\r\n");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok());
  // ALTRO.DIZ is not ".diz" exactly: read in place as plain text.
  EXPECT_EQ(e.archivio.slot[2].nome, "ALTRO.DIZ");
  EXPECT_EQ(e.archivio.slot[2].testo, "ALBA\r\n");
  EXPECT_EQ(chiamate_, 1);
  EXPECT_TRUE(std::filesystem::is_empty(scratch_));
  EXPECT_TRUE(std::filesystem::exists(prog_ / "base.diz"));
  EXPECT_TRUE(std::filesystem::exists(prog_ / "extra.dic"));
  EXPECT_TRUE(std::filesystem::exists(prog_ / "ALTRO.DIZ"));
}

TEST_F(Caricamento, Manca_base_diz) {
  crea("BASE.DIZ", "CASA\r\n");
  crea("extra.dic", "ZETA\r\n");
  EsitoCaricamento e = carica();
  EXPECT_EQ(e.errore, "... manca il dizionario obbligatorio: base.diz !");
  EXPECT_EQ(chiamate_, 0);
}

TEST_F(Caricamento, DizDanneggiatoErroreDelDecoder) {
  creaDiz("base.diz", "CASA\r\n");
  std::string dati = codificaDiz("ROMA\r\n", 3);
  dati.back() ^= 0x55;
  crea("nomi.diz", dati);
  EsitoCaricamento e = carica();
  EXPECT_EQ(e.errore, "... errori nel richiamo dei dizionari *.diz !");
  EXPECT_TRUE(std::filesystem::exists(prog_ / "nomi.diz"));
}

TEST_F(Caricamento, DecoderRiuscitoMaSenzaScratch) {
  creaDiz("base.diz", "CASA\r\n");
  Cedi c;
  EsitoCaricamento e = caricaDizionari(prog_, [](std::int16_t) -> std::int16_t { return 0; }, scratch_, c);
  EXPECT_EQ(e.errore, TestoErroreDecoder);
  EsitoCaricamento senza = caricaDizionari(prog_, ChiamataDecoder{}, scratch_, c);
  EXPECT_EQ(senza.errore, TestoErroreDecoder);
}

TEST_F(Caricamento, DicConSoloLfEBom) {
  creaDiz("base.diz", "CASA\r\n");
  crea("a.dic", "\xEF\xBB\xBF" "ALBA\nBASE\r\nCANE\n");
  crea("b.dic", "ROMA\nZETA");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok());
  EXPECT_EQ(e.archivio.slot[2].testo, "ALBA\r\nBASE\r\nCANE\r\n");
  EXPECT_EQ(e.archivio.slot[2].indice['A' - '@'], 1);
  EXPECT_EQ(e.archivio.slot[3].testo, "ROMA\r\nZETA");
  EXPECT_EQ(e.archivio.slot[3].indice['Z' - '@'], 7);
  // A BOM in the middle and a decoded text are left alone.
  std::string t = "A\xEF\xBB\xBF\n";
  normalizzaTestoPiano(t);
  EXPECT_EQ(t, "A\xEF\xBB\xBF\r\n");
}

TEST_F(Caricamento, AvvisiDiOrdineConLaSlot) {
  creaDiz("base.diz", "CASA\r\n");
  crea("x.dic", "ALBA\r\nALA\r\nAB\r\n");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok());
  ASSERT_EQ(e.avvisi.size(), 1u);
  EXPECT_EQ(e.avvisi[0].slot, 2);
  EXPECT_EQ(e.avvisi[0].voce, "ALA");
  EXPECT_FALSE(e.archivio.slot[2].inOrdine);
  EXPECT_TRUE(e.archivio.slot[1].inOrdine);
}

TEST_F(Caricamento, DicIllegibile) {
  creaDiz("base.diz", "CASA\r\n");
  crea("x.dic", "ZETA\r\n");
  std::filesystem::permissions(prog_ / "x.dic", std::filesystem::perms::none);
  if (::getuid() == 0) GTEST_SKIP() << "root reads every file";
  EsitoCaricamento e = carica();
  EXPECT_EQ(e.errore, "... impossibile leggere il dizionario: x.dic !");
}

TEST(Didascalie, MenuEVisore) {
  EXPECT_EQ(didascaliaMenu(1, "base.diz"), "D1- base.diz");
  EXPECT_EQ(didascaliaVisore(2, "nomi.diz"), "D2-nomi.diz");
}

}  // namespace
}  // namespace tessaro
