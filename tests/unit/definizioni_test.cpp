// The clue model: runs and numbers, clues following their run when black
// cells come and go, clues without a run kept, and the .def file.
#include "clues/Definizioni.h"

#include <gtest/gtest.h>

#include "clues/FileDef.h"

namespace tessaro {
namespace {

constexpr char N = CellaNera;

Schema schemaDa(std::vector<std::string> righe) {
  Schema s;
  const auto r = static_cast<std::int16_t>(righe.size()), c = static_cast<std::int16_t>(righe[0].size());
  s.carica(r, c, std::move(righe));
  return s;
}

// "O1 0,0 CA?" for every run, across then down.
std::vector<std::string> descrivi(const Schema& s) {
  std::vector<std::string> v;
  const Parole p = paroleDi(s);
  for (const auto* elenco : {&p.orizzontali, &p.verticali})
    for (const Parola& x : *elenco)
      v.push_back(std::string(1, static_cast<char>(x.verso)) + std::to_string(x.numero) + " " + std::to_string(x.riga) +
                  "," + std::to_string(x.colonna) + " " + lettereDi(s, x));
  return v;
}

std::vector<std::string> descrivi(const std::vector<Definizione>& d) {
  std::vector<std::string> v;
  for (const auto& x : d)
    v.push_back(std::string(1, static_cast<char>(x.verso)) + std::to_string(x.numero) + " " + std::to_string(x.riga) +
                "," + std::to_string(x.colonna) + " " + x.testo);
  return v;
}

TEST(Parole, NumeriELettereDelleParole) {
  EXPECT_EQ(descrivi(schemaDa({"??", "??"})),
            (std::vector<std::string>{"O1 0,0 ??", "O3 1,0 ??", "V1 0,0 ??", "V2 0,1 ??"}));
  // A one-cell run is no word; a white cell boxed in by blacks gets nothing.
  EXPECT_EQ(descrivi(schemaDa({"CA\x10O", "\x10\x10\x10R", "SOLE"})),
            (std::vector<std::string>{"O1 0,0 CA", "O3 2,0 SOLE", "V2 0,3 ORE"}));
}

TEST(DefinizioniModello, SeguonoLaParolaEConservanoLeOrfane) {
  Schema s = schemaDa({"???", "???", "???"});
  Definizioni d;
  EXPECT_TRUE(d.imposta(Verso::Orizzontale, 0, 0, "  Prima\triga\n "));
  d.imposta(Verso::Verticale, 0, 1, "Seconda colonna");
  d.imposta(Verso::Orizzontale, 2, 0, "Ultima riga");
  EXPECT_FALSE(d.imposta(Verso::Orizzontale, 0, 0, "Prima riga"));  // same text after cleaning
  d.allinea(s);
  EXPECT_EQ(descrivi(d.tutte()),
            (std::vector<std::string>{"O1 0,0 Prima riga", "O5 2,0 Ultima riga", "V2 0,1 Seconda colonna"}));

  // A black first cell: every number shifts down by one, the clue of row 0
  // loses its run (it now starts at column 1) and is kept apart.
  s.scrivi(0, 0, CellaNera);
  d.allinea(s);
  EXPECT_EQ(descrivi(d.senzaCasella(s)), (std::vector<std::string>{"O1 0,0 Prima riga"}));
  EXPECT_EQ(descrivi(d.tutte()),
            (std::vector<std::string>{"O1 0,0 Prima riga", "O4 2,0 Ultima riga", "V1 0,1 Seconda colonna"}));
  EXPECT_EQ(d.testo(Verso::Orizzontale, 0, 1), "");

  // Undone: the clue is back with its run.
  s.scrivi(0, 0, CellaVuota);
  d.allinea(s);
  EXPECT_TRUE(d.senzaCasella(s).empty());
  EXPECT_TRUE(d.elimina(Verso::Orizzontale, 0, 0));
  EXPECT_EQ(d.size(), 2u);
}

TEST(FileDefinizioni, AndataERitorno) {
  Schema s = schemaDa({"CANE", "A\x10??", "SOLE"});
  Definizioni d;
  d.imposta(Verso::Orizzontale, 0, 0, "Abbaia");
  d.imposta(Verso::Verticale, 0, 0, "Abitazione");
  d.imposta(Verso::Orizzontale, 2, 0, "Splende di giorno: è già caldo");
  d.imposta(Verso::Verticale, 1, 1, "Senza casella", 9);
  const std::string byte = scriviDef(d, s);
  EXPECT_EQ(byte,
            "# Tessaro - definizioni: verso (O/V), numero, riga, colonna, testo\n"
            "O 1 1 1 Abbaia\n"
            "O 5 3 1 Splende di giorno: è già caldo\n"
            "V 1 1 1 Abitazione\n"
            "V 9 2 2 Senza casella\n");
  const LetturaDef l = leggiDef(byte);
  ASSERT_TRUE(l);
  Definizioni attese = d;
  attese.allinea(s);
  EXPECT_EQ(*l.definizioni, attese);
  // CR LF, a byte-order mark and blank lines are read as well.
  const LetturaDef crlf = leggiDef("\xEF\xBB\xBF" "O 1 1 1 Abbaia\r\n\r\nV 2 1 4 Numero\r\n");
  ASSERT_TRUE(crlf);
  EXPECT_EQ(crlf.definizioni->testo(Verso::Verticale, 0, 3), "Numero");
}

TEST(FileDefinizioni, RigheRifiutate) {
  struct Caso {
    const char* nome;
    std::string byte;
    ErroreDef errore;
    int riga;
  };
  const Caso casi[] = {
      {"verso sconosciuto", "X 1 1 1 testo\n", ErroreDef::RigaMalformata, 1},
      {"campi mancanti", "# c\nO 1 1\n", ErroreDef::RigaMalformata, 2},
      {"numero non numerico", "O uno 1 1 testo\n", ErroreDef::RigaMalformata, 1},
      {"due spazi", "O 1  1 1 testo\n", ErroreDef::RigaMalformata, 1},
      {"riga 0", "V 1 0 1 testo\n", ErroreDef::CasellaFuoriLimiti, 1},
      {"riga oltre lo schema", "V 1 26 1 testo\n", ErroreDef::CasellaFuoriLimiti, 1},
      {"colonna oltre lo schema", "V 1 1 36 testo\n", ErroreDef::CasellaFuoriLimiti, 1},
      {"ripetuta", "O 1 1 1 a\nO 2 1 1 b\n", ErroreDef::Ripetuta, 2},
      {"non UTF-8", "O 1 1 1 citt\xE0\n", ErroreDef::NonUtf8, 1},
      {"troppo grande", std::string(MaxByteDef + 1, '#'), ErroreDef::TroppoGrande, 0},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const LetturaDef l = leggiDef(c.byte);
    EXPECT_FALSE(l);
    EXPECT_EQ(l.errore, c.errore);
    EXPECT_EQ(l.riga, c.riga);
    EXPECT_FALSE(descrizioneErroreDef(l).empty());
  }
}

TEST(FileDefinizioni, NomeAccanto) {
  EXPECT_EQ(nomeDef("/a/cruci.tes"), "/a/cruci.def");
  EXPECT_EQ(nomeDef("/a/CRUCI.TES"), "/a/CRUCI.def");
  EXPECT_EQ(nomeDef("/a.b/cruci"), "/a.b/cruci.def");
  EXPECT_EQ(nomeDef("/a/.tes"), "/a/.tes.def");
}

}  // namespace
}  // namespace tessaro
