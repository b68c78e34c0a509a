#include "testtools/Anagrammi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "dict/GruppiVocalici.h"

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

Dizionario dizionario(const Righe& voci, bool crlfFinale = true) {
  Dizionario d;
  d.nome = "base.diz";
  for (std::size_t i = 0; i < voci.size(); ++i) {
    d.testo += voci[i];
    if (i + 1 < voci.size() || crlfFinale) d.testo += "\r\n";
  }
  return d;
}

// Runs the plain scan and the indexed one, checks they agree, returns one.
RisultatoAnagrammi entrambi(const Dizionario& d, std::string_view textb) {
  Cedi cedi;
  auto piano = anagrammi(d, textb, cedi);
  const auto indice = costruisciIndiceAnagrammi(d);
  EXPECT_TRUE(indice.valePer(d));
  const auto veloce = anagrammi(indice, d, textb, cedi);
  EXPECT_EQ(piano.righe, veloce.righe) << "W = [" << textb << "]";
  EXPECT_EQ(piano.NumRisultati, veloce.NumRisultati);
  EXPECT_EQ(piano.pannello2, veloce.pannello2);
  return piano;
}

TEST(Anagrammi, ElenchiComeNelDizionario) {
  const Righe nessuno{" ", " nessun Anagramma "};
  const struct {
    const char* nome;
    Righe voci;
    bool crlfFinale;
    const char* parola;
    Righe attese;
  } casi[] = {
      {"non la parola stessa", {"AMOR", "MORA", "ORMA", "RAMO", "ROMA", "ROMBO"}, true, "roma ",
       {"AMOR", "MORA", "ORMA", "RAMO"}},
      {"un candidato per vocale", {"ATTRIC%", "CITRATA"}, true, "CITRATA", {"ATTRICA"}},
      {"il codice non e' una lettera", {"ATTRIC%", "CITRATA"}, true, "ATTRIC%", nessuno},
      {"blank: le vocali del gruppo in ordine", {"CAS!"}, true, "CA S", {"CASA", "CASE"}},
      {"blank come jolly", {"ACNE", "CANE", "CARO", "CENA", "ACCE"}, true, "CA E", {"ACNE", "CANE", "CENA", "ACCE"}},
      {"lettere ripetute", {"AAL", "LAL", "LAA", "ALL"}, true, "ALA", {"AAL", "LAA"}},
      // Windows-1252 bytes: accents folded as in the dictionaries, every case raised.
      {"accento minuscolo", {"ATTIC", "CITTA"}, true, "citt\xE0", {"ATTIC"}},
      {"accento maiuscolo", {"ATTIC", "CITTA"}, true, "\xC0ttic", {"CITTA"}},
      {"accento acuto", {"CHEPER", "PERCHE"}, true, "perch\xE9", {"CHEPER"}},
      {"lettera non piegata", {"A\xC7"}, true, "\xE7" "a", {"A\xC7"}},
      {"commento #", {"#ROMA", "'ROMA", "AROMA", "#", "'"}, true, "AMOR#", nessuno},
      {"commento '", {"#ROMA", "'ROMA", "AROMA", "#", "'"}, true, "AMOR'", nessuno},
      {"commenti saltati", {"#ROMA", "'ROMA", "AROMA", "#", "'"}, true, "RO MA", {"AROMA"}},
      // Empty lines are entries of length 0: they must not match an empty word.
      {"campo vuoto", {"ROMA", "", "AMOR"}, true, "", nessuno},
      {"campo di blank", {"ROMA", "", "AMOR"}, true, "   ", nessuno},
      {"ultima senza fine riga", {"ROMA", "AMOR"}, false, "ROMA", {"AMOR"}},
      {"due lettere senza fine riga", {"AL", "LA"}, false, "AL", {"LA"}},
      {"doppioni", {"RAMO", "MORA", "RAMO"}, true, "ROMA", {"RAMO", "MORA", "RAMO"}},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    const auto r = entrambi(dizionario(k.voci, k.crlfFinale), k.parola);
    EXPECT_EQ(r.righe, k.attese);
    EXPECT_EQ(r.NumRisultati, k.attese == nessuno ? 0 : static_cast<int>(k.attese.size()));
    EXPECT_EQ(r.beep, k.attese == nessuno);
  }
}

TEST(Anagrammi, IndiceDiUnAltroTestoRipiegaSullaScansione) {
  const auto d1 = dizionario({"AMOR", "RAMO"});
  const auto d2 = dizionario({"ORMA", "MORA"});
  const auto indice = costruisciIndiceAnagrammi(d1);
  EXPECT_FALSE(indice.valePer(d2));
  Cedi cedi;
  EXPECT_EQ(anagrammi(indice, d2, "ROMA", cedi).righe, (Righe{"ORMA", "MORA"}));
}

TEST(Anagrammi, InterruzioneRestituisceIlTrovato) {
  Righe voci(2000, "RAMO");
  const auto d = dizionario(voci);
  const auto indice = costruisciIndiceAnagrammi(d);
  for (std::string_view w : {"ROMA", "RO A"}) {
    Cedi piano([] { return true; });
    const auto a = anagrammi(d, w, piano);
    EXPECT_TRUE(a.interrotto);
    EXPECT_LT(a.NumRisultati, 2000);
    Cedi veloce([] { return true; });
    const auto b = anagrammi(indice, d, w, veloce);
    EXPECT_TRUE(b.interrotto);
    EXPECT_LT(b.NumRisultati, 2000);
  }
}

// The index must list exactly what the plain scan lists, in the same order,
// for words with and without blanks, vowel codes, comments and duplicates.
TEST(Anagrammi, IndiceUgualeAllaScansioneSuDizionariCasuali) {
  std::mt19937 rng(20240601);
  const std::string lettere = "AEIORMNTS";
  const std::string codici = "!#$%&()=+-@";
  auto pesca = [&](const std::string& da) { return da[rng() % da.size()]; };
  int trovatiInTutto = 0;
  for (int giro = 0; giro < 20; ++giro) {
    Righe voci;
    for (int i = 0; i < 400; ++i) {
      const int n = 1 + static_cast<int>(rng() % 6);
      std::string v;
      for (int k = 0; k < n; ++k) v += pesca(lettere);
      switch (rng() % 10) {
        case 0: v.back() = pesca(codici); break;
        case 1: v.back() = pesca(codici); break;
        case 2: v.front() = rng() % 2 ? '#' : '\''; break;
        case 3: if (!voci.empty()) v = voci[rng() % voci.size()]; break;  // duplicate
        case 4: if (n > 2) v[1] = ' '; break;                             // blank inside
        case 5: if (rng() % 4 == 0) v.clear(); break;                     // empty line
        default: break;
      }
      voci.push_back(v);
    }
    const auto d = dizionario(voci, rng() % 2 == 0);
    const auto indice = costruisciIndiceAnagrammi(d);
    for (int q = 0; q < 150; ++q) {
      std::string w = voci[rng() % voci.size()];
      // A word made from an entry with a code takes one vowel of its group.
      if (!w.empty() && eCodiceGruppo(w.back())) w.back() = pesca(std::string(vocaliGruppo(w.back())));
      std::shuffle(w.begin(), w.end(), rng);
      if (!w.empty() && rng() % 3 == 0) w[rng() % w.size()] = ' ';
      if (!w.empty() && rng() % 5 == 0) w[rng() % w.size()] = static_cast<char>(std::tolower(w[0]));
      Cedi cedi;
      const auto piano = anagrammi(d, w, cedi);
      const auto veloce = anagrammi(indice, d, w, cedi);
      ASSERT_EQ(piano.righe, veloce.righe) << "W = [" << w << "]";
      ASSERT_EQ(piano.pannello2, veloce.pannello2);
      trovatiInTutto += piano.NumRisultati;
    }
  }
  // The comparison is worth something only when many anagrams were found.
  EXPECT_GT(trovatiInTutto, 1000);
}

}  // namespace
}  // namespace tessaro
