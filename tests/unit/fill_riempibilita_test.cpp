// The live fillability check, the Schema report, the symmetry of black cells
// and "tessaro-diz analizza", on small hand-made dictionaries and grids.
#include "fill/Riempibilita.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "dict/CaricaDizionari.h"
#include "fill/Simmetria.h"
#include "fill/Verifica.h"
#include "fill_prova.h"

namespace tessaro {
namespace {

using Righe = std::vector<std::string>;

using prova::schema;

// A base dictionary of the given entries and its vocabulary.
struct Vocabolario {
  explicit Vocabolario(const Righe& voci) {
    diz.aggiungi(voci, TipoDizionario::Base);
    lessico = diz.lessico();
  }
  prova::Dizionari diz;
  Lessico lessico;
};

const Righe Parole3 = {"ALA", "AMO", "ARE", "EGO", "ORA", "ORE"};

struct CasoAnalisi {
  const char* nome;
  Righe parole;
  Righe griglia;
  Righe righe;  // righeAnalisi
  std::vector<std::pair<std::pair<int, int>, std::string>> suggerimenti;
};

TEST(Riempibilita, RegoleDellAnalisi) {
  const CasoAnalisi casi[] = {
      // 1 O has no word with Z in the middle: it blocks, and its cells are
      // dead; (3,3) is dead only by its crossing (3 O offers A, 2 V offers E).
      {"un percorso senza candidati",
       {"ALA", "AMO", "ARE", "EGO", "ORE"},
       {"?Z?", "?#R", "?L?"},
       {"1 O 3 ?Z? 0", "1 V 3 ??? 5", "2 V 3 ?R? 2", "3 O 3 ?L? 1", "vuota 1,1", "vuota 1,2", "vuota 1,3",
        "vuota 3,3", "non riempibile: 1"},
       {{{2, 2}, "3 Orizzontale: 1 parola; 2 Verticale: 2 parole; lettere: nessuna"},
        {{1, 0}, "1 Verticale: 5 parole; lettere: G L M R"},
        {{1, 1}, ""}}},
      // The E of 1 V leaves it ORE, so 1 O must start with O: OCRA.
      {"lettere forzate da un incrocio",
       {"ALA", "AMO", "ORE", "ALTO", "AMEN", "OCRA"},
       {"????", "?###", "E###"},
       {"1 O 4 ???? 1", "1 V 3 ??E 1", "forzata 1,1 O", "forzata 1,2 C", "forzata 1,3 R", "forzata 1,4 A",
        "forzata 2,1 R", "riempibile"},
       {{{0, 3}, "1 Orizzontale: 1 parola; lettere: A"}}},
      {"senza l'incrocio nulla è forzato",
       {"ALA", "AMO", "ORE", "ALTO", "AMEN", "OCRA"},
       {"????", "?###", "?###"},
       {"1 O 4 ???? 3", "1 V 3 ??? 3", "riempibile"},
       {{{0, 3}, "1 Orizzontale: 3 parole; lettere: A N O"}}},
      // A chain: 3 O leaves 2 V the words ending in A or E, which leaves
      // 1 O the words ending in A, O or I, which takes IRE from 2 V.
      {"catena di tre percorsi",
       {"ALA", "AMO", "EGO", "IRE", "ORA", "ORE"},
       {"???##", "##?##", "##??O"},
       {"1 O 3 ??? 4", "2 V 3 ??? 3", "3 O 3 ??O 2", "riempibile"},
       {{{0, 2}, "1 Orizzontale: 4 parole; 2 Verticale: 3 parole; lettere: A O"}}},
      // Only the crossings block: every run has a word against its own letters.
      {"bloccato solo dagli incroci",
       {"AB", "CD"},
       {"A?", "??"},
       {"1 O 2 A? 1", "1 V 2 A? 1", "2 V 2 ?? 2", "3 O 2 ?? 2", "vuota 1,2", "vuota 2,1", "non riempibile: 0"},
       {{{1, 1}, "3 Orizzontale: 2 parole; 2 Verticale: 2 parole; lettere: B D"}}},
      {"tutto nero", Parole3, {"##", "##"}, {"riempibile"}, {}},
  };
  for (const CasoAnalisi& k : casi) {
    SCOPED_TRACE(k.nome);
    const Vocabolario v(k.parole);
    const Schema s = schema(k.griglia);
    const Riempibilita a = analizzaRiempibilita(v.lessico, s);
    EXPECT_EQ(righeAnalisi(a, s), k.righe);
    for (const auto& [rc, testo] : k.suggerimenti) EXPECT_EQ(testoCellaRiempibilita(a, rc.first, rc.second), testo);
  }
}

TEST(Riempibilita, PannelloEInterruzione) {
  const Vocabolario v(Parole3);
  EXPECT_EQ(testoStatoRiempibilita(analizzaRiempibilita(v.lessico, schema({"???", "?#?", "???"}))), "Riempibile");
  EXPECT_EQ(testoStatoRiempibilita(analizzaRiempibilita(v.lessico, schema({"?Z?", "?#?", "???"}))),
            "Non riempibile: 1");
  // Only the crossings block: the panel's hover text names where.
  EXPECT_EQ(testoConflitto(analizzaRiempibilita(Vocabolario({"AB", "CD"}).lessico, schema({"A?", "??"}))).rfind(
                "Con gli incroci resta senza parole: ", 0),
            0u);
  EXPECT_EQ(testoConflitto(analizzaRiempibilita(v.lessico, schema({"???", "?#?", "???"}))), "");
  int chiamate = 0;
  Cedi basta([&] { return ++chiamate == 2; });
  EXPECT_FALSE(analizzaRiempibilita(v.lessico, schema({"???", "?#?", "???"}), basta));
  EXPECT_EQ(chiamate, 2);
}

TEST(Simmetria, CellaSpecchiataSuLatiPariEDispari) {
  struct Caso {
    Simmetria s;
    int righe, colonne, r, c;
    std::optional<CellaSimmetrica> attesa;
  };
  const Caso casi[] = {
      {Simmetria::Nessuna, 5, 5, 0, 1, std::nullopt},
      {Simmetria::Rotazione180, 5, 5, 0, 1, CellaSimmetrica{4, 3}},
      {Simmetria::Rotazione180, 5, 5, 2, 2, std::nullopt},  // the centre
      {Simmetria::Rotazione180, 4, 6, 1, 2, CellaSimmetrica{2, 3}},
      {Simmetria::SpecularOrizzontale, 5, 5, 1, 0, CellaSimmetrica{1, 4}},
      {Simmetria::SpecularOrizzontale, 5, 5, 3, 2, std::nullopt},
      {Simmetria::SpecularOrizzontale, 4, 6, 0, 2, CellaSimmetrica{0, 3}},
      {Simmetria::SpecularVerticale, 5, 5, 0, 3, CellaSimmetrica{4, 3}},
      {Simmetria::SpecularVerticale, 5, 5, 2, 1, std::nullopt},
      {Simmetria::SpecularVerticale, 4, 6, 1, 5, CellaSimmetrica{2, 5}},
  };
  for (const Caso& k : casi)
    EXPECT_EQ(cellaSimmetrica(k.s, k.righe, k.colonne, k.r, k.c), k.attesa)
        << static_cast<int>(k.s) << " " << k.righe << "x" << k.colonne << " " << k.r << "," << k.c;
}

TEST(VerificaSchema, ConteggiSuUnoSchemaDiCinquePerCinque) {
  const Vocabolario v({"ALA", "CAS!", "ORE"});
  const Schema s = schema({"CASA#", "A#?##", "S???#", "A###R", "####E"});
  const std::vector<RigaVerifica> r = verificaSchema(s, &v.lessico, {});
  Righe testi;
  for (const RigaVerifica& x : r) testi.push_back(x.testo);
  EXPECT_EQ(testi, (Righe{"Dimensioni: 5 righe x 5 colonne",
                          "Caselle: 25; bianche: 13; nere: 12 (48,0%)",
                          "Parole: 5",
                          "  di 2 lettere: 1",
                          "  di 3 lettere: 1",
                          "  di 4 lettere: 3",
                          "Parole di 2 lettere: 1",
                          "  4 Verticale: RE",
                          "Parole ripetute: 1",
                          "  CASA: 1 Orizzontale, 1 Verticale",
                          "Parole assenti dai dizionari attivi: 1",
                          "  RE: 4 Verticale",
                          "Lettere non incrociate: 9",
                          "  R1 C2 (1 Orizzontale)",
                          "  R1 C4 (1 Orizzontale)",
                          "  R2 C1 (1 Verticale)",
                          "  R2 C3 (2 Verticale)",
                          "  R3 C2 (3 Orizzontale)",
                          "  R3 C4 (3 Orizzontale)",
                          "  R4 C1 (1 Verticale)",
                          "  R4 C5 (4 Verticale)",
                          "  R5 C5 (4 Verticale)",
                          "Zone bianche staccate: 1",
                          "  2 caselle da R4 C5",
                          "Punteggio medio delle parole: 50,0 (su 2 parole complete)"}));
  // What the clicks select: the two CASA, the cut-off region's cells.
  const auto aree = [&](std::size_t i) {
    std::vector<std::array<int, 4>> x;
    for (const Area& a : r[i].selezione) x.push_back({a.riga1, a.col1, a.riga2, a.col2});
    return x;
  };
  EXPECT_EQ(aree(9), (std::vector<std::array<int, 4>>{{0, 0, 0, 3}, {0, 0, 3, 0}}));
  EXPECT_EQ(aree(23), (std::vector<std::array<int, 4>>{{3, 4, 3, 4}, {4, 4, 4, 4}}));
  EXPECT_TRUE(aree(0).empty());

  // An excluded word scores 0; without dictionaries the report says so.
  EXPECT_EQ(verificaSchema(s, &v.lessico, {"CASA"}).back().testo,
            "Punteggio medio delle parole: 0,0 (su 2 parole complete)");
  EXPECT_EQ(verificaSchema(s, nullptr).back().testo, "Punteggio medio delle parole: dizionari non ancora caricati");
}

// tessaro-diz analizza run as a program.
TEST(ToolAnalizza, UscitaEdEsiti) {
  std::string m = (std::filesystem::temp_directory_path() / "tessaro-analizza-XXXXXX").string();
  ASSERT_NE(::mkdtemp(m.data()), nullptr);
  const std::filesystem::path dir = m;
  const auto crea = [&](const std::string& nome, const std::string& dati) {
    std::ofstream(dir / nome, std::ios::binary) << dati;
    return (dir / nome).string();
  };
  const std::string base = crea("base.dic", "ALA\r\nAMO\r\nARE\r\nEGO\r\nORE\r\n");
  const std::string buono = crea("buono.tes", "2,3\r\n\"A?A\"\r\n\"\x10\x10\x10\"\r\n");
  const std::string bloccato = crea("bloccato.tes", "2,3\r\n\"?Z?\"\r\n\"\x10\x10\x10\"\r\n");
  const std::string rotto = crea("rotto.tes", "2,3\r\n\"A?A\"\r\n");
  struct Caso {
    std::string args;
    int codice;
    std::string out;
  };
  const Caso casi[] = {
      {buono + " " + base, 0, "1 O 3 A?A 1\r\nforzata 1,2 L\r\nriempibile\r\n"},
      {bloccato + " " + base, 1, "1 O 3 ?Z? 0\r\nvuota 1,1\r\nvuota 1,2\r\nvuota 1,3\r\nnon riempibile: 1\r\n"},
      {buono, 2, ""},
      {rotto + " " + base, 2, ""},
      {buono + " " + (dir / "manca.dic").string(), 2, ""},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.args);
    const std::string cmd = std::string(TESSARO_BIN_DIR) + "/tessaro-diz analizza " + k.args + " > " +
                            (dir / "out").string() + " 2> " + (dir / "err").string();
    const int r = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(r));
    EXPECT_EQ(WEXITSTATUS(r), k.codice);
    std::string out;
    EXPECT_TRUE(leggiFileIntero(dir / "out", out));
    EXPECT_EQ(out, k.out);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tessaro
