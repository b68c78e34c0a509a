#include "search/Richiesta.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(SearchValidita, RichiesteErrateEValide) {
  for (const char* r : {"CANE", "?", "????", "", "A", "*"}) EXPECT_TRUE(richiestaErrata(r)) << r;
  for (const char* r : {"C?NE", "??N?", "CA*", "*ANE", "?*", "A?"}) EXPECT_FALSE(richiestaErrata(r)) << r;
}

// The line for an entry, by slot and by the request's last character.
TEST(SearchMostraVoce, Righe) {
  const struct {
    int slot;
    const char* voce;
    char lettera;
    std::optional<std::string> riga;
  } casi[] = {
      {1, "CAS!", '?', "CAS(AE) -1"}, {1, "CAS!", 'E', "CASE -1"}, {1, "CAS!", 'A', "CASA -1"},
      {1, "CAS!", 'O', std::nullopt}, {1, "CAS!", '*', "CAS(AE) -1"},  // a free tail never narrows
      // Other dictionaries show the entry as it is; a code in the middle stays.
      {3, "CAS!", '?', "CAS! -3"}, {3, "CAS!", 'E', "CAS! -3"}, {2, "CANE", 'E', "CANE -2"},
      {1, "C#NE", 'E', "C#NE -1"},
      // A final character below "A" that is no code is its own "group".
      {1, "DELL'", '?', "DELL' -1"}, {1, "DELL'", 'A', std::nullopt}, {2, "DELL'", 'A', "DELL' -2"},
      {1, "DELLA", 'A', "DELLA -1"},
      // Free-head blanks stay in front.
      {1, "  CAS!", 'E', "  CASE -1"}, {2, "  CANE", 'E', "  CANE -2"},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(std::string(k.voce) + " " + k.lettera + " -" + std::to_string(k.slot));
    EXPECT_EQ(mostraVoce(k.slot, k.voce, k.lettera), k.riga);
    EXPECT_EQ(mostraVoceElenca(k.slot, k.voce, k.lettera), k.riga.has_value());
  }
}

TEST(SearchMostraVoce, TuttiICodici) {
  const std::pair<char, const char*> tabella[] = {
      {'!', "(AE)"}, {'#', "(AI)"},  {'$', "(EI)"},  {'%', "(AEI)"}, {'&', "(AO)"},   {'(', "(EO)"},
      {')', "(AEO)"}, {'=', "(IO)"}, {'+', "(AIO)"}, {'-', "(EIO)"}, {'@', "(AEIO)"},
  };
  for (const auto& [codice, testo] : tabella) {
    const std::string voce = std::string("BELL") + codice;
    EXPECT_EQ(mostraVoce(1, voce, '?'), std::string("BELL") + testo + " -1") << codice;
    // Each vowel of the group narrows to itself; a vowel outside it rules the entry out.
    for (char v : std::string_view("AEIOU")) {
      const bool nelGruppo = std::string_view(testo).find(v) != std::string_view::npos;
      const auto riga = mostraVoce(1, voce, v);
      EXPECT_EQ(mostraVoceElenca(1, voce, v), riga.has_value());
      if (nelGruppo)
        EXPECT_EQ(riga, std::string("BELL") + v + " -1");
      else
        EXPECT_EQ(riga, std::nullopt) << codice << v;
    }
  }
}

TEST(SearchRitento, SoloSenzaRisultatiConCodaVuota) {
  EXPECT_TRUE(serveRitento(true, false, 0, "CA??"));
  EXPECT_FALSE(serveRitento(false, false, 0, "CA??"));  // Lunghezza Libera unchecked
  EXPECT_FALSE(serveRitento(true, true, 0, "CA??"));    // interrupted
  EXPECT_FALSE(serveRitento(true, false, 1, "CA??"));   // found something
  EXPECT_FALSE(serveRitento(true, false, 0, "CA?E"));   // ends in a letter
  EXPECT_FALSE(serveRitento(true, false, 0, "CA*"));    // the retry itself
}

}  // namespace
}  // namespace tessaro
