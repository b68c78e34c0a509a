#include "dict/IndiceDizionario.h"

#include <gtest/gtest.h>

#include <map>

namespace tessaro {
namespace {

Dizionario diz(std::string testo) {
  Dizionario d;
  d.nome = "prova.dic";
  d.testo = std::move(testo);
  return d;
}

// The whole index, as "initial -> 1-based position" of its non-zero entries.
std::map<char, int> indice(const Dizionario& d) {
  std::map<char, int> m;
  for (std::size_t i = 0; i < d.indice.size(); ++i)
    if (d.indice[i] != 0) m[static_cast<char>('@' + i)] = d.indice[i];
  return m;
}

TEST(IndiceDizionario, PosizioniDelleIniziali) {
  struct Caso {
    const char* nome;
    const char* testo;
    std::map<char, int> atteso;
  };
  const Caso casi[] = {
      {"inizio di ogni iniziale", "ABACO\r\nALA\r\nBUE\r\nCANE\r\n", {{'A', 1}, {'B', 13}, {'C', 18}}},
      {"una seconda serie sovrascrive", "CANE\r\nDADO\r\nCASA\r\n", {{'C', 13}, {'D', 7}}},
      {"un commento riavvia la serie", "' intestazione\r\nCANE\r\n# nota\r\nCASA\r\n", {{'C', 31}}},
      {"un commento in cima no", "' intestazione\r\nCANE\r\nCASA\r\n", {{'C', 17}}},
      // A walk stopping four characters before the end would miss these.
      {"ultima voce corta", "CASA\r\nRE\r\n", {{'C', 1}, {'R', 7}}},
      {"ultima voce senza CR LF", "CASA\r\nZOO", {{'C', 1}, {'Z', 7}}},
      {"una sola lettera", "Z", {{'Z', 1}}},
      {"righe vuote e iniziali strane", "\r\n\r\n@ABC\r\nabc\r\n\xE0\x42\r\n[X\r\n   \r\nCASA", {{'@', 5}, {'C', 29}}},
      {"testo vuoto", "", {}},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    Dizionario d = diz(k.testo);
    Cedi c;
    indicizza(d, c);
    EXPECT_EQ(indice(d), k.atteso);
  }
}

TEST(OrdineDizionario, PiuDiDueLettereFuoriSequenza) {
  struct Caso {
    const char* nome;
    const char* testo;
    std::vector<std::string> attesi;
  };
  const Caso casi[] = {
      {"ALBA poi ALA avvisa", "ALBA\r\nALA\r\n", {"ALA"}},
      {"ALBA poi AB non avvisa", "ALBA\r\nAB\r\n", {}},
      {"AB poi ALBA non avvisa", "ALBA\r\nAB\r\nAAA\r\n", {}},
      {"ultima voce senza CR LF", "CASA\r\nBASE", {"BASE"}},
      {"spazi rifilati", "  ZETA \r\n ALBA\r\n", {"ALBA"}},
      {"commento tra due voci", "CASA\r\n# x\r\nBASE\r\n", {}},
      {"uguali non avvisano", "CASA\r\nCASA\r\n", {}},
      {"indice in ordine", "ABACO\r\nALA\r\nBUE\r\n", {}},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    Dizionario d = diz(k.testo);
    Cedi c;
    EXPECT_EQ(indicizza(d, c), k.attesi);
    EXPECT_EQ(d.inOrdine, k.attesi.empty());
  }
  // Entry bytes are Windows-1252 in the warning: 0xC8 is "È".
  EXPECT_EQ(testoFuoriSequenza("\xC8RA").substr(14, 4), "\xC3\x88RA");
  // Only blanks are trimmed, not tabs.
  EXPECT_EQ(voceRifilata("  CASA  "), "CASA");
  EXPECT_EQ(voceRifilata("\tCASA"), "\tCASA");
  EXPECT_EQ(voceRifilata("   "), "");
}

TEST(IndiceDizionario, CediChiamatoPerOgniVoce) {
  int chiamate = 0;
  Cedi c([&] {
    ++chiamate;
    return true;  // a stop request must not cut the index short
  });
  std::string testo;
  for (int i = 0; i < 1000; ++i) testo += "CASA\r\n";
  testo += "ZETA\r\n";
  Dizionario d = diz(testo);
  indicizza(d, c);
  EXPECT_EQ(chiamate, 1001 / 256);
  EXPECT_EQ(indice(d), (std::map<char, int>{{'C', 1}, {'Z', 6001}}));
}

}  // namespace
}  // namespace tessaro
