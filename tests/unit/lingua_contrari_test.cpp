#include "platform/lingua/Contrari.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <hunspell.hxx>
#include <sstream>

namespace tessaro::lingua {
namespace {

using Parole = std::vector<std::string>;

TEST(LinguaContrari, FormatoAnnotazioniERicerca) {
  const auto e = ElencoContrari::leggi(
      "\xEF\xBB\xBF# commento\r\n"
      "\r\n"
      "Alto:  Basso , profondo\r\n"
      "   # commento rientrato\n"
      "alto: basso, elevato\n"
      "a destra: a sinistra\n");
  EXPECT_TRUE(e.righeErrate().empty());
  EXPECT_EQ(e.di("alto"), (Parole{"basso", "profondo", "elevato"}));
  EXPECT_EQ(e.di("a destra"), (Parole{"a sinistra"}));
  EXPECT_TRUE(e.di("Alto").empty());  // callers look up in lower case
  // Looked up both ways; a single-byte file is read too.
  const auto s = ElencoContrari::leggi("alto: basso\nprofondo: basso\n");
  EXPECT_EQ(s.di("basso"), (Parole{"alto", "profondo"}));
  EXPECT_EQ(s.di("profondo"), (Parole{"basso"}));
  EXPECT_TRUE(s.contiene("alto") && !s.contiene("casa"));
  EXPECT_EQ(s.numeroParole(), 3u);
  EXPECT_EQ(ElencoContrari::leggi("citt\xE0: campagna\n").di("città"), (Parole{"campagna"}));
}

TEST(LinguaContrari, RigheErrateSaltate) {
  const auto e = ElencoContrari::leggi(
      "senza due punti\n"
      ": basso\n"
      "vuoto:\n"
      "vuoto: , ,\n"
      "se: se\n"
      "a: b: c\n"
      "caldo: freddo\n");
  EXPECT_EQ(e.righeErrate(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(e.di("caldo"), (Parole{"freddo"}));
  EXPECT_FALSE(e.contiene("se"));
}

// The shipped list: well formed, large, every word spelled as the Italian
// dictionary spells it (this catches typos in the list).
TEST(LinguaContrari, ElencoDistribuitoBenScritto) {
  std::ifstream f(TESSARO_SOURCE_DIR "/data/contrari.txt", std::ios::binary);
  ASSERT_TRUE(f) << "data/contrari.txt mancante";
  std::ostringstream s;
  s << f.rdbuf();
  const auto e = ElencoContrari::leggi(s.str());
  EXPECT_TRUE(e.righeErrate().empty());
  EXPECT_GT(e.numeroParole(), 700u);
  EXPECT_EQ(e.di("basso").front(), "alto");

  Hunspell h("/usr/share/hunspell/it_IT.aff", "/usr/share/hunspell/it_IT.dic");
  std::istringstream righe(s.str());
  std::string riga;
  while (std::getline(righe, riga)) {
    if (riga.empty() || riga.front() == '#') continue;
    std::string parola;
    for (char ch : riga + ",") {
      if (ch != ':' && ch != ',') {
        if (ch != ' ') parola += ch;
        continue;
      }
      EXPECT_TRUE(h.spell(parola)) << "parola sconosciuta al dizionario: " << parola;
      parola.clear();
    }
  }
}

}  // namespace
}  // namespace tessaro::lingua
