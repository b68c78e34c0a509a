#include "dict/CaricaDizionari.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

#include "ContenitoreDiz.h"
#include "dict/CartellaDizionari.h"
#include "dict/IndiceDizionario.h"
#include "search/IndiceRicerca.h"
#include "testtools/Anagrammi.h"

namespace tessaro {
namespace {

// A program folder and a scratch folder of its own; the decoder stand-in
// decodes the slot's ".diz" with the container code, as the real library
// does, and writes the scratch file. The window tests load through the real
// library; these cover what only a stand-in can show.
class Caricamento : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-prog-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    prog_ = m;
    scratch_ = prog_ / "scratch";
    std::filesystem::create_directory(scratch_);
    crea("base.diz", codificaDiz("CAS!\r\nMARE\r\n", 3));
  }
  void TearDown() override { std::filesystem::remove_all(prog_); }

  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(prog_ / nome, std::ios::binary) << dati;
  }

  EsitoCaricamento carica() {
    Cedi c;
    return caricaDizionari(prog_, [this](std::int16_t slot) -> std::int16_t {
      ++chiamate_;
      const std::string nome = scansionaCartella(prog_).nome[static_cast<std::size_t>(slot)];
      std::string dati, testo;
      if (!leggiFileIntero(prog_ / nome, dati) || decodificaDiz(dati, testo) != EsitoDiz::ok) return 3;
      std::ofstream(scratch_ / senzaEstensione(nome), std::ios::binary) << testo;
      return 0;
    }, scratch_, c);
  }

  std::filesystem::path prog_, scratch_;
  int chiamate_ = 0;
};

TEST_F(Caricamento, SoloIDizMinuscoliPassanoDalDecoderELoScratchSiSvuota) {
  crea("nomi.diz", codificaDiz("ROMA\r\n", 3));
  crea("ALTRO.DIZ", "ALBA\r\nALA\r\nAB\r\n");  // not ".diz" exactly: plain text, out of order
  crea("extra.dic", "ZETA\r\n");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok()) << e.errore;
  EXPECT_EQ(chiamate_, 2);
  const auto& s = e.archivio.slot;
  EXPECT_EQ((std::vector<std::string>{s[1].testo, s[2].testo, s[3].testo, s[4].testo}),
            (std::vector<std::string>{"CAS!\r\nMARE\r\n", "ALBA\r\nALA\r\nAB\r\n", "ROMA\r\n", "ZETA\r\n"}));
  EXPECT_EQ(s[2].nome, "ALTRO.DIZ");
  EXPECT_EQ(s[1].indice['M' - '@'], 7);
  EXPECT_TRUE(std::filesystem::is_empty(scratch_));
  // The warning names its slot.
  ASSERT_EQ(e.avvisi.size(), 1u);
  EXPECT_EQ(e.avvisi[0].slot, 2);
  EXPECT_EQ(e.avvisi[0].voce, "ALA");
  EXPECT_FALSE(s[2].inOrdine);
  EXPECT_TRUE(s[1].inOrdine);
}

TEST_F(Caricamento, DecoderRiuscitoMaSenzaScratch) {
  Cedi c;
  EXPECT_EQ(caricaDizionari(prog_, [](std::int16_t) -> std::int16_t { return 0; }, scratch_, c).errore,
            TestoErroreDecoder);
  EXPECT_EQ(caricaDizionari(prog_, ChiamataDecoder{}, scratch_, c).errore, TestoErroreDecoder);
}

TEST_F(Caricamento, DicConSoloLfEBom) {
  crea("a.dic", "\xEF\xBB\xBF" "ALBA\nBASE\r\nCANE\n");
  crea("b.dic", "ROMA\nZETA");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok());
  EXPECT_EQ(e.archivio.slot[2].testo, "ALBA\r\nBASE\r\nCANE\r\n");
  EXPECT_EQ(e.archivio.slot[2].indice['A' - '@'], 1);
  EXPECT_EQ(e.archivio.slot[3].testo, "ROMA\r\nZETA");
  EXPECT_EQ(e.archivio.slot[3].indice['Z' - '@'], 7);
  // A BOM in the middle is left alone.
  std::string t = "A\xEF\xBB\xBF\n";
  normalizzaTestoPiano(t);
  EXPECT_EQ(t, "A\xEF\xBB\xBF\r\n");
}

TEST_F(Caricamento, DicIllegibile) {
  crea("x.dic", "ZETA\r\n");
  std::filesystem::permissions(prog_ / "x.dic", std::filesystem::perms::none);
  if (::getuid() == 0) GTEST_SKIP() << "root reads every file";
  EXPECT_EQ(carica().errore, "... impossibile leggere il dizionario: x.dic !");
}

// A user's .dic saved as UTF-8 is taken in the dictionaries' code, accents
// folded as in the shipped ones; one in lower case is warned about once; a
// shuffled one shows five warnings and a summary instead of one per entry.
TEST_F(Caricamento, DicUtf8MinuscoleEAvvisiRiassunti) {
  crea("a.dic", "CITT\xC3\x80\nPERCH\xC3\x89\nPERCH\xC3\xA9\n\xC3\x87" "A\n\xE2\x82\xAC\n\xE2\x80\xBD\n");
  crea("b.dic", "#\xC3\xA7 un commento\r\nZETA\r\n");  // valid UTF-8: converted, "ç" kept
  crea("c.dic", "cane\r\ncasa\r\n");
  crea("d.dic", "CITT\xC0\r\nZETA\r\nHAA\r\nGAA\r\nFAA\r\nEAA\r\nDAA\r\nCAA\r\nBAA\r\n");
  EsitoCaricamento e = carica();
  ASSERT_TRUE(e.ok()) << e.errore;
  const auto& s = e.archivio.slot;
  EXPECT_EQ(s[2].testo, "CITTA\r\nPERCHE\r\nPERCHe\r\n\xC7" "A\r\n\x80\r\n?\r\n");
  EXPECT_EQ(s[3].testo, "#\xE7 un commento\r\nZETA\r\n");
  EXPECT_EQ(s[5].testo.substr(0, 7), "CITT\xC0\r\n");  // already in the code page: as it is
  std::vector<std::string> attesi = {testoMinuscole("a.dic"), testoMinuscole("c.dic")};
  for (const char* v : {"HAA", "GAA", "FAA", "EAA", "DAA"}) attesi.push_back(testoFuoriSequenza(v));
  attesi.push_back("... e altre 2 voci fuori ordine in d.dic");
  EXPECT_EQ(testiAvvisi(e), attesi);
  EXPECT_EQ(testoMinuscole("c.dic"),
            "Il dizionario c.dic ha voci in minuscolo, che la ricerca non trova: le voci vanno scritte in maiuscolo.");
  EXPECT_EQ(testoAltriFuoriOrdine(1, "d.dic"), "... e un'altra voce fuori ordine in d.dic");
}

// Regression: the index builds ran without yielding (a large base.diz froze
// the window for minutes). Each step after the read yields at least once per
// 256 entries.
TEST(CaricamentoCede, OgniPassoDopoLaLettura) {
  constexpr int Voci = 20000;
  Dizionario d;
  d.nome = "base.diz";
  for (int i = 0; i < Voci; ++i) d.testo += "A" + std::to_string(100000 + i) + "\n";
  int volte = 0;
  Cedi cedi([&] {
    ++volte;
    return false;
  });
  const auto conta = [&](auto passo) {
    volte = 0;
    passo();
    return volte;
  };
  EXPECT_GE(conta([&] { preparaTestoPiano(d.testo, cedi); }), Voci / 256);
  EXPECT_GE(conta([&] { indicizza(d, cedi); }), Voci / 256);
  EXPECT_GE(conta([&] { costruisciIndiceRicerca(d, cedi); }), Voci / 256);
  EXPECT_GE(conta([&] { costruisciIndiceAnagrammi(d, cedi); }), Voci / 256);
}

// Only regular files are read: a pipe does not block, a device is not read
// as an empty dictionary, a file of /proc is read to its end.
TEST(LetturaFile, SoloFileRegolari) {
  std::string m = (std::filesystem::temp_directory_path() / "tessaro-fifo-XXXXXX").string();
  ASSERT_NE(::mkdtemp(m.data()), nullptr);
  const std::filesystem::path dir = m;
  ASSERT_EQ(::mkfifo((dir / "tubo.dic").c_str(), 0600), 0);
  std::string t = "x";
  for (const std::filesystem::path& p : {dir / "tubo.dic", std::filesystem::path("/dev/zero"), dir}) {
    SCOPED_TRACE(p.string());
    const EsitoLettura l = leggiFileRegolare(p, t);
    EXPECT_EQ(l.errore, ErroreLettura::NonRegolare);
    EXPECT_EQ(motivoLettura(l), "non \xC3\xA8 un file normale");
    EXPECT_EQ(t, "");
  }
  EXPECT_EQ(leggiFileRegolare(dir / "manca.dic", t).errore, ErroreLettura::Illeggibile);
  ASSERT_TRUE(leggiFileIntero("/proc/self/status", t));
  EXPECT_NE(t.find("Name:"), std::string::npos);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tessaro
