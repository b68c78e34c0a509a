// ipuz crosswords: Tessaro -> ipuz -> Tessaro, files as other programs write
// them (made by hand from the format), and the files refused.
#include "clues/Ipuz.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

std::vector<std::string> definizioni(const Definizioni& d) {
  std::vector<std::string> v;
  for (const auto& x : d.tutte())
    v.push_back(std::string(1, static_cast<char>(x.verso)) + std::to_string(x.numero) + " " + std::to_string(x.riga) +
                "," + std::to_string(x.colonna) + " " + x.testo);
  return v;
}

std::string cruciverba(const std::string& corpo) {
  return R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],)" + corpo + "}";
}

TEST(Ipuz, AndataERitorno) {
  Schema s;
  s.carica(3, 4, {"CANE", "A\x10??", "SOLE"});
  Definizioni d;
  d.imposta(Verso::Orizzontale, 0, 0, "Abbaia \"forte\"");
  d.imposta(Verso::Verticale, 0, 0, "Abitazione");
  d.imposta(Verso::Orizzontale, 2, 0, "Splende: è già caldo");
  d.imposta(Verso::Verticale, 1, 1, "Senza casella, non pubblicata");
  const LetturaIpuz l = leggiIpuz(scriviIpuz(s, d, "Il mio cruciverba"));
  ASSERT_TRUE(l) << l.dettaglio;
  EXPECT_EQ(l.cruciverba->schema.Griglia, s.Griglia);
  EXPECT_EQ(l.cruciverba->titolo, "Il mio cruciverba");
  EXPECT_EQ(definizioni(l.cruciverba->definizioni),
            (std::vector<std::string>{"O1 0,0 Abbaia \"forte\"", "O5 2,0 Splende: è già caldo", "V1 0,0 Abitazione"}));
}

TEST(Ipuz, FileDiAltriProgrammi) {
  struct Caso {
    const char* nome;
    std::string json;
    std::vector<std::string> griglia;
    std::vector<std::string> definizioni;
  };
  const Caso casi[] = {
      {"blocchi #, numeri interi, definizioni in coppie",
       cruciverba(R"("dimensions":{"width":3,"height":3},
         "puzzle":[[1,2,"#"],[3,0,4],["#",5,0]],
         "solution":[["R","E","#"],["A","R","E"],["#","A","X"]],
         "clues":{"Across":[[1,"Dio egizio"],[3,"Superficie"],[5,"Ascia"]],
                  "Down":[[1,"Sovrano"],[2,"Epoca"],[4,"Fu"]]}, "title":"Mini")"),
       {"RE\x10", "ARE", "\x10" "AX"},
       {"O1 0,0 Dio egizio", "O3 1,0 Superficie", "O5 2,1 Ascia", "V1 0,0 Sovrano", "V2 0,1 Epoca", "V4 1,2 Fu"}},
      {"null omesse, numeri come stringhe, oggetti, accenti, direzione con etichetta",
       cruciverba(R"("dimensions":{"width":3,"height":2},
         "puzzle":[[{"cell":"1","style":{"shapebg":"circle"}},"2",null],["3","0",0]],
         "solution":[["p","è",null],["à",{"value":"n"},"O"]],
         "clues":{"Across:Orizzontali":[{"number":"1","clue":"Padre"},{"number":3,"clue":"Anno"}],
                  "Down":[{"numbers":[2],"clue":"Mezzo"}],"Diagonal":[[1,"ignorata"]]})"),
       {"PE\x10", "ANO"},
       {"O1 0,0 Padre", "O3 1,0 Anno", "V2 0,1 Mezzo"}},
      {"senza soluzione né etichette, blocco proprio, kind https",
       R"({"kind":["https://ipuz.org/crossword"],"block":"*","dimensions":{"width":2,"height":2},
         "puzzle":[[0,0],["*",0]],"clues":{"Across":[[1,"Prima"]],"Down":[["2","Seconda"]]}})",
       {"??", "\x10?"},
       {"O1 0,0 Prima", "V2 0,1 Seconda"}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const LetturaIpuz l = leggiIpuz(c.json);
    ASSERT_TRUE(l) << l.dettaglio;
    EXPECT_EQ(l.cruciverba->schema.Griglia, c.griglia);
    EXPECT_EQ(definizioni(l.cruciverba->definizioni), c.definizioni);
  }
}

TEST(Ipuz, FileRifiutati) {
  const std::string D = R"("dimensions":{"width":2,"height":2},)";
  const std::string P = R"("puzzle":[[1,2],[3,0]])";
  struct Caso {
    const char* nome;
    std::string json;
    ErroreIpuz errore;
  };
  const Caso casi[] = {
      {"JSON malformato", R"({"kind":["http://ipuz.org/crossword#1"],)", ErroreIpuz::JsonMalformato},
      {"annidato oltre misura", std::string(40, '[') + std::string(40, ']'), ErroreIpuz::JsonMalformato},
      {"non un oggetto", "[1,2]", ErroreIpuz::NonCruciverba},
      {"un sudoku", R"({"kind":["http://ipuz.org/sudoku#1"]})", ErroreIpuz::NonCruciverba},
      {"senza dimensioni", cruciverba(P), ErroreIpuz::Dimensioni},
      {"dimensioni non intere", cruciverba(R"("dimensions":{"width":2.5,"height":2},)" + P), ErroreIpuz::Dimensioni},
      {"troppe righe", cruciverba(R"("dimensions":{"width":10,"height":26},)" + P), ErroreIpuz::DimensioniFuoriLimiti},
      {"una colonna", cruciverba(R"("dimensions":{"width":1,"height":5},)" + P), ErroreIpuz::DimensioniFuoriLimiti},
      {"righe mancanti", cruciverba(D + R"("puzzle":[[1,2]])"), ErroreIpuz::GrigliaMalformata},
      {"soluzione corta", cruciverba(D + P + R"(,"solution":[["A","B"],["C"]])"), ErroreIpuz::GrigliaMalformata},
      {"casella booleana", cruciverba(D + R"("puzzle":[[1,true],[3,0]])"), ErroreIpuz::CasellaNonValida},
      {"due lettere", cruciverba(D + P + R"(,"solution":[["AB","C"],["D","E"]])"), ErroreIpuz::CasellaNonLettera},
      {"una cifra", cruciverba(D + P + R"(,"solution":[["A","1"],["D","E"]])"), ErroreIpuz::CasellaNonLettera},
      {"lettera non latina", cruciverba(D + P + R"(,"solution":[["A","Ж"],["D","E"]])"), ErroreIpuz::CasellaNonLettera},
      {"nera in una sola griglia", cruciverba(D + P + R"(,"solution":[["A","#"],["D","E"]])"), ErroreIpuz::NereDiverse},
      {"definizione senza numero", cruciverba(D + P + R"(,"clues":{"Across":["solo testo"]})"),
       ErroreIpuz::DefinizioneMalformata},
      {"definizione ripetuta", cruciverba(D + P + R"(,"clues":{"Across":[[1,"a"],[1,"b"]]})"),
       ErroreIpuz::DefinizioneMalformata},
      {"numero senza casella", cruciverba(D + P + R"(,"clues":{"Down":[[9,"nove"]]})"),
       ErroreIpuz::DefinizioneSenzaCasella},
      {"troppo grande", std::string(MaxByteIpuz + 1, ' '), ErroreIpuz::TroppoGrande},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const LetturaIpuz l = leggiIpuz(c.json);
    EXPECT_FALSE(l);
    EXPECT_EQ(l.errore, c.errore) << l.dettaglio;
    EXPECT_FALSE(l.dettaglio.empty());
  }
  EXPECT_EQ(messaggioImportazione("x.ipuz", leggiIpuz(cruciverba(R"("dimensions":{"width":10,"height":26},)" + P))),
            "Impossibile importare il file x.ipuz: lo schema è di 26 righe e 10 colonne, Tessaro ne ammette da 2 a "
            "25 righe e da 2 a 35 colonne.");
}

}  // namespace
}  // namespace tessaro
