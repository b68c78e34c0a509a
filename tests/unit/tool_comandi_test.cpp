// The dictionary tool run as a program on small dictionaries: building,
// unpacking and checking, and the scripting commands (cerca, incrocio,
// anagrammi): the exact lines on stdout, the refusals on stderr and the exit
// codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ContenitoreDiz.h"
#include "clues/Ipuz.h"
#include "dict/CaricaDizionari.h"
#include "files/FileTes.h"

namespace tessaro {
namespace {

// One run: arguments, exit status, stdout, and stderr (the whole text; for a
// usage error, status 2, a part of it).
struct Caso {
  std::vector<std::string> args;
  int codice;
  std::string out;
  std::string err;
};

class ToolComandi : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-comandi-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
    // The base dictionary in its container, a plain one with LF line ends and
    // a byte-order mark, as a user's editor might leave it.
    dizionario("base.diz", {"ALA", "BELL%", "CANE", "CAS!", "CASALE", "PANE", "RANE", "TISANE"});
    crea("altro.dic", "\xEF\xBB\xBF" "CANE\nCAS!\nCASA\nMANE\n\xC0NE\n");
    crea("disordine.dic", "CAS!\r\nCANE\r\nALA\r\n");
    dizionario("inc.dic", {"ALA", "ALE", "CAIRO", "CAN", "CAS!", "CASTA", "ENE", "OSE", "PIE", "UNE"});
    dizionario("uno.diz", {"ZETA"});
    dizionario("ana.diz", {"'AMOR", "ACNE", "AMOR", "ATTRIC%", "LAL", "MORA", "ORMA", "RAMO", "ROMA"});
    crea("rotto.diz", "TESSDIZ");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // A dictionary from its entries, each followed by CR LF; a ".diz" name
  // gets the container.
  void dizionario(const std::string& nome, std::initializer_list<std::string> voci) {
    std::string testo;
    for (const auto& v : voci) testo += v + "\r\n";
    crea(nome, nome.ends_with(".diz") ? codificaDiz(testo) : testo);
  }
  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(dir_ / nome, std::ios::binary) << dati;
  }
  std::string p(const std::string& nome) const { return (dir_ / nome).string(); }

  // Runs tessaro-diz with the arguments, each quoted for the shell.
  int esegui(const std::vector<std::string>& argomenti) {
    std::string cmd = TESSARO_BIN_DIR "/tessaro-diz";
    for (const std::string& a : argomenti) {
      cmd += " '";
      for (char c : a) cmd += c == '\'' ? std::string("'\\''") : std::string(1, c);
      cmd += '\'';
    }
    cmd += " > " + p("out.txt") + " 2> " + p("err.txt");
    const int r = std::system(cmd.c_str());
    std::string t;
    out = leggiFileIntero(dir_ / "out.txt", t) ? t : "<illeggibile>";
    err = leggiFileIntero(dir_ / "err.txt", t) ? t : "<illeggibile>";
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  }
  void verifica(const std::vector<Caso>& casi) {
    for (const Caso& k : casi) {
      std::string nome;
      for (const auto& a : k.args) nome += a.substr(a.rfind('/') + 1) + " ";
      SCOPED_TRACE(nome);
      EXPECT_EQ(esegui(k.args), k.codice) << err;
      EXPECT_EQ(out, k.out);
      if (k.codice == 2) {
        EXPECT_NE(err.find(k.err), std::string::npos) << err;
      } else {
        EXPECT_EQ(err, k.err);
      }
    }
  }

  std::filesystem::path dir_;
  std::string out, err;
};

TEST_F(ToolComandi, CercaRigheComeNellElenco) {
  const std::string B = p("base.diz"), A = p("altro.dic");
  verifica({
      {{"cerca", "?ANE", B, A}, 0, "CANE -1\nPANE -1\nRANE -1\nCANE -2\nMANE -2\n", ""},
      // The base dictionary's final group is shown (the narrowing is the
      // search's unit test); the plain dictionary's "!" is an entry byte.
      {{"cerca", "?AS?", B, A}, 0, "CAS(AE) -1\nCAS! -2\nCASA -2\n", ""},
      {{"cerca", "CA??", B, A}, 0, "CANE -1\nCAS(AE) -1\nCANE -2\nCAS! -2\nCASA -2\n", ""},
      // Free tail: up to --max cells, and "*" never narrows the group.
      {{"cerca", "--max", "6", "CA*", B, A}, 0,
       "CANE -1\nCAS(AE) -1\nCASALE -1\nCANE -2\nCAS! -2\nCASA -2\n", ""},
      {{"cerca", "CA*", B, A}, 0, "", ""},
      // Free head: blanks put each entry at the end of a six-cell slot.
      {{"cerca", "--max", "6", "*ANE", B, A}, 0,
       "  CANE -1\n  PANE -1\n  RANE -1\nTISANE -1\n  CANE -2\n  MANE -2\n", ""},
      // The dictionary bytes come out as they are (Windows-1252); a UTF-8
      // request is taken in that code page.
      {{"cerca", "?NE", B, A}, 0, "\xC0NE -2\n", ""},
      {{"cerca", "\xC3\x80N?", B, A}, 0, "\xC0NE -2\n", ""},
      // The first name is slot 1, with its vowel groups, whatever its extension.
      {{"cerca", "?AS?", A, B}, 0, "CAS(AE) -1\nCASA -1\nCAS! -2\n", ""},
      {{"cerca", "?AS?", B}, 0, "CAS(AE) -1\n", ""},
      // Out of sequence: a warning, and the search runs all the same.
      {{"cerca", "CA??", p("disordine.dic")}, 0, "CAS(AE) -1\nCANE -1\n",
       "tessaro-diz: disordine.dic: la voce \"CANE\" \xC3\xA8 fuori sequenza\n"
       "tessaro-diz: disordine.dic: la voce \"ALA\" \xC3\xA8 fuori sequenza\n"},
      {{"cerca", "?ANE", B, B, B, B, B, B}, 0,
       "CANE -1\nPANE -1\nRANE -1\nCANE -2\nPANE -2\nRANE -2\nCANE -3\nPANE -3\nRANE -3\n"
       "CANE -4\nPANE -4\nRANE -4\nCANE -5\nPANE -5\nRANE -5\nCANE -6\nPANE -6\nRANE -6\n", ""},
  });
}

TEST_F(ToolComandi, BuildUnpackCheck) {
  crea("a.txt", "# parole\ncasa\ncase\nperch\xC3\xA9\nl'acqua\n");
  crea("b.txt", "citt\xE0\nCASO\nbella\nbelle\nbelli\nx\n");
  crea("x.dic", "ALBA\nALA\n");
  const std::string fuori = "riga 2: la voce \"ALA\" \xC3\xA8 fuori sequenza\nentries: 2\n";
  verifica({
      {{"build", "--vowel-groups", "-o", p("base.dic"), p("a.txt"), p("b.txt")}, 0, "",
       "tessaro-diz: " + p("base.dic") + ": 4 voci, 28 byte\n"},
      {{"build", "-o", p("piano.diz"), p("a.txt")}, 0, "", "tessaro-diz: " + p("piano.diz") + ": 3 voci, 51 byte\n"},
      {{"unpack", p("piano.diz"), p("uscita.txt")}, 0, "", ""},
      {{"check", p("piano.diz")}, 0, "entries: 3\n", ""},
      {{"check", p("x.dic")}, 1, fuori, ""},
  });
  std::string t, testo;
  EXPECT_TRUE(leggiFileIntero(dir_ / "base.dic", t) && t == "BELL%\r\nCAS)\r\nCITTA\r\nPERCHE\r\n") << t;
  ASSERT_TRUE(leggiFileIntero(dir_ / "piano.diz", t));
  ASSERT_EQ(decodificaDiz(t, testo), EsitoDiz::ok);
  EXPECT_EQ(testo, "CASA\r\nCASE\r\nPERCHE\r\n");
  EXPECT_TRUE(leggiFileIntero(dir_ / "uscita.txt", t) && t == testo);
  // No temporary file is left beside the outputs.
  for (const auto& e : std::filesystem::directory_iterator(dir_)) EXPECT_NE(e.path().filename().string()[0], '.');
  // Regression: outputs were always 0644. A new file takes 0666 less the
  // umask; a replaced one keeps its mode.
  auto modo = [&](const char* nome) {
    struct stat st {};
    return ::stat(p(nome).c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  };
  const mode_t vecchia = ::umask(077);
  EXPECT_EQ(esegui({"build", "-o", p("privato.diz"), p("a.txt")}), 0) << err;
  ::umask(022);
  std::filesystem::permissions(dir_ / "uscita.txt", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(esegui({"unpack", p("piano.diz"), p("uscita.txt")}), 0) << err;
  ::umask(vecchia);
  EXPECT_EQ(std::make_pair(modo("privato.diz"), modo("uscita.txt")), std::make_pair(0600u, 0600u));
  // The cap of a normal search, lifted by --estesa.
  std::string molti;
  for (char b = 'A'; b <= 'C'; ++b)
    for (char c = 'A'; c <= 'Z'; ++c) molti += std::string{'A', b, c} + "\r\n";
  crea("molti.dic", molti);  // 78 entries AAA..ACZ
  ASSERT_EQ(esegui({"cerca", "A??", p("molti.dic")}), 0) << err;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 50);
  ASSERT_EQ(esegui({"cerca", "--estesa", "A??", p("molti.dic")}), 0) << err;
  std::string tutte;
  for (std::size_t i = 0; i < molti.size(); i += 5) tutte += molti.substr(i, 3) + " -1\n";
  EXPECT_EQ(out, tutte);
}

TEST_F(ToolComandi, IncrocioLettereComeNellElenco) {
  const std::string I = p("inc.dic"), U = p("uno.diz");
  verifica({
      {{"incrocio", "CA#??", "?#E", I, U}, 0, "I\nS\n", ""},
      {{"incrocio", "--vocali", "CA#??", "?#E", I, U}, 0, "I\n", ""},
      // "Lunghezza Libera": a shorter word that leaves empty cells at the end.
      {{"incrocio", "--libera", "CA#??", "?#E", I, U}, 0, "I\nN (Oriz.-2)\nS\n", ""},
      {{"incrocio", "--libera", "CA#??", "?#E?", I, U}, 0,
       "I (Vert.-1)\nN (Oriz.-2 / Vert.-1)\nS (Vert.-1)\n", ""},
      {{"incrocio", "--vocali", "--libera", "CA#??", "?#E?", I, U}, 0, "I (Vert.-1)\n", ""},
      {{"incrocio", "CA#??", "?#E?", I, U}, 0, "", ""},
      // A blank is an empty cell, as the grid reads it.
      {{"incrocio", "CA# ?", "?#E", I, U}, 0, "I\nS\n", ""},
      // The base dictionary's group code stands for its vowels; out of slot 1
      // the same entry is taken literally.
      {{"incrocio", "CAS#", "#LA", I, U}, 0, "A\n", ""},
      {{"incrocio", "CAS#", "#LA", U, I}, 0, "", ""},
      // Refused models: a run without letters, shorter than two cells, no
      // crossing cell, a run crossing the other in one cell only.
      {{"incrocio", "??#??", "?#E", I}, 1, "", " errore CASELLA \n"},
      {{"incrocio", "CA#??", "#??", I}, 1, "", " errore CASELLA \n"},
      {{"incrocio", "CA#??", "#", I}, 1, "", " errore CASELLA \n"},
      {{"incrocio", "CA???", "?#E", I}, 1, "", " errore CASELLA \n"},
      {{"incrocio", "CA#??", "?EE", I}, 1, "", " errore CASELLA \n"},
      {{"incrocio", "C##??", "?#E", I}, 1, "", " errore CASELLA \n"},
  });
}

TEST_F(ToolComandi, AnagrammiComeNellElenco) {
  const std::string D = p("ana.diz");
  const std::string nessuno = " \n nessun Anagramma \n";
  verifica({
      {{"anagrammi", " roma ", D}, 0, "AMOR\nMORA\nORMA\nRAMO\n", ""},  // not the word itself
      {{"anagrammi", "CA E", D}, 0, "ACNE\n", ""},  // a blank stands for any one letter
      {{"anagrammi", "ALA", D}, 0, nessuno, ""},
  });
}

TEST_F(ToolComandi, RiempiScriveLoSchemaOSpiegaPerche) {
  dizionario("quadro.diz", {"ARE", "CAR", "CAT", "COT", "COW", "ODE", "ORE", "TAR", "TED", "WED"});
  const std::string Q = p("quadro.diz");
  crea("s.tes", "3,3\r\n\"CA?\"\r\n\"???\"\r\n\"???\"\r\n");
  crea("x.tes", "3,3\r\n\"CAX\"\r\n\"???\"\r\n\"???\"\r\n");
  crea("rotto.tes", "3,3\r\n\"CA?\"\r\n");
  const std::string pieno = "3,3\r\n\"CAT\"\r\n\"ORE\"\r\n\"WED\"\r\n";
  verifica({
      {{"riempi", p("s.tes"), Q}, 0, pieno, ""},
      {{"riempi", "--seme", "4", "--tempo", "5", "-o", p("pieno.tes"), p("s.tes"), Q}, 0, "", ""},
      {{"riempi", p("x.tes"), Q}, 1, "", "Nessun riempimento possibile: 1 Orizzontale non ha parole adatte.\n"},
      {{"riempi", p("rotto.tes"), Q}, 2, "", "mancano righe dello Schema"},
      {{"riempi", p("s.tes"), p("manca.diz")}, 2, "", "il file non esiste"},
      {{"riempi", "--minimo", "101", p("s.tes"), Q}, 2, "", "--minimo vuole un punteggio da 0 a 100"},
      {{"riempi", "--tempo", "0", p("s.tes"), Q}, 2, "", "--tempo vuole"},
      {{"riempi", p("s.tes")}, 2, "", "uso: tessaro-diz riempi"},
  });
  std::string scritto;
  EXPECT_TRUE(leggiFileIntero(dir_ / "pieno.tes", scritto));
  EXPECT_EQ(scritto, pieno);
  EXPECT_EQ(esegui({"riempi", "--statistiche", p("s.tes"), Q}), 0);
  EXPECT_NE(err.find("nodi: "), std::string::npos);
  EXPECT_NE(err.find("punteggio medio: 50,0\nparole: 6/6\n"), std::string::npos) << err;
}

// Regressions: control characters of a dictionary or a name reached the
// terminal raw; a pipe blocked the read; a run of thousands of cells took
// minutes; a UTF-8 .dic kept its two-byte letters.
TEST_F(ToolComandi, NienteRaggiungeIlTerminaleNeBlocca) {
  crea("ctl.dic", std::string("CA\0TE\r\nCA\x07SE\r\nCA\x1bNE\r\nCA\x90VE\r\n", 28));
  crea("utf.dic", "CITT\xC3\x80\nPERCH\xC3\x89\n");
  crea("minu.dic", "cane\n");
  ASSERT_EQ(::mkfifo(p("tubo.dic").c_str(), 0600), 0);
  const std::string lunga(256, '?');
  verifica({
      {{"cerca", "CA???", p("ctl.dic")}, 0, "CA\\x00TE -1\nCA\\x07SE -1\nCA\\x1bNE -1\nCA\\x90VE -1\n", ""},
      {{"check", p("ctl.dic")}, 1,
       "riga 1: carattere non ammesso nella voce \"CA\\x00TE\"\nriga 2: carattere non ammesso nella voce \"CA\\x07SE\"\n"
       "riga 3: carattere non ammesso nella voce \"CA\\x1bNE\"\nriga 4: carattere non ammesso nella voce \"CA\\x90VE\"\n"
       "entries: 4\n",
       ""},
      {{"cerca", "?ANE", p("manca\x1b[31m.dic")}, 2, "", "manca\\x1b[31m.dic: il file non esiste"},
      {{"check", p("tubo.dic")}, 2, "", "tubo.dic: non \xC3\xA8 un file normale"},
      {{"check", "/dev/zero"}, 2, "", "/dev/zero: non \xC3\xA8 un file normale"},
      {{"incrocio", "--libera", "#" + lunga.substr(1), "A#", p("inc.dic")}, 2, "",
       "RIGA: al massimo 255 caselle (256 date)"},
      {{"cerca", "CITT?", p("utf.dic")}, 0, "CITTA -1\n", ""},
      {{"cerca", "?ANE", p("minu.dic")}, 0, "",
       "tessaro-diz: Il dizionario minu.dic ha voci in minuscolo, che la ricerca non trova: le voci vanno scritte "
       "in maiuscolo.\n"},
  });
  ASSERT_EQ(esegui({"incrocio", "--libera", "C" + lunga.substr(3) + "#", "A#", p("inc.dic")}), 0) << err;
}

TEST_F(ToolComandi, RichiestaErrataEUsoErrato) {
  const std::string B = p("base.diz"), I = p("inc.dic");
  std::vector<Caso> casi;
  for (const char* r : {"CANE", "?", "????", "", "*"})
    casi.push_back({{"cerca", r, B}, 1, "", " Richiesta errata! \n"});
  for (const std::vector<std::string>& a : std::initializer_list<std::vector<std::string>>{
           {"cerca"}, {"cerca", "?ANE"}, {"cerca", "--max"}, {"cerca", "--max", "0", "CA*", "x.dic"},
           {"cerca", "--max", "sei", "CA*", "x.dic"},
           {"cerca", "--max", "3", "CAN*", "x.dic"},  // shorter than the request
           {"cerca", "--boh", "?ANE", "x.dic"}})
    casi.push_back({a, 2, "", "uso: tessaro-diz cerca"});
  for (const std::vector<std::string>& a : std::initializer_list<std::vector<std::string>>{
           {"incrocio"}, {"incrocio", "CA#??", "?#E"}, {"incrocio", "--tutto", "CA#??", "?#E", I},
           {"incrocio", "ca#??", "?#E", I}, {"incrocio", "CA#??", "?#*", I}})
    casi.push_back({a, 2, "", "uso: tessaro-diz incrocio"});
  casi.push_back({{"incrocio", "CA#??", "?#*", I}, 2, "", "COLONNA: carattere non ammesso \"*\""});
  casi.push_back({{"cerca", "?ANE", p("manca.dic")}, 2, "", "il file non esiste"});
  casi.push_back({{"incrocio", "CA#??", "?#E", p("manca.dic")}, 2, "", ""});
  casi.push_back({{"cerca", "?ANE", p("rotto.diz")}, 2, "", ""});
  casi.push_back({{"cerca", "?ANE", B, B, B, B, B, B, B}, 2, "", "al massimo 6 dizionari"});
  casi.push_back({{"anagrammi", "ROMA"}, 2, "", "uso: tessaro-diz anagrammi PAROLA BASE"});
  casi.push_back({{"anagrammi", "ROMA", p("ana.diz"), p("ana.diz")}, 2, "", ""});
  casi.push_back({{"anagrammi", "ROMA", p("manca.diz")}, 2, "", ""});
  crea("a.txt", "casa\n");
  for (const std::vector<std::string>& a : std::initializer_list<std::vector<std::string>>{
           {}, {"build", "-o"}, {"build", p("a.txt")}, {"build", "--boh", "-o", p("x.dic"), p("a.txt")},
           {"unpack", p("manca.diz")}, {"check", p("manca.dic")}, {"check", p("rotto.diz")},
           {"build", "-o", p("nessuna/cartella/x.dic"), p("a.txt")}})
    casi.push_back({a, 2, "", ""});
  casi.push_back({{"boh"}, 2, "", "comando sconosciuto"});
  casi.push_back({{"build", "-o", p("x.dic"), p("manca.txt")}, 2, "", "impossibile leggere"});
  casi.push_back({{"unpack", p("rotto.diz"), p("o.txt")}, 2, "", "file troppo corto"});
  verifica(casi);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.dic"));
}

TEST_F(ToolComandi, CoperturaDiUnaLista) {
  const std::string B = p("base.diz"), A = p("altro.dic");
  // Accents fold as in the dictionaries; a word of one letter is no entry.
  crea("l.txt", "# frequenti\ncasa\ncase\nCASO\nc\xC3\xA0ne\n\xC3\xA0\npane\nzebra\n");
  crea("tutte.txt", "cane\nCasa\n");
  crea("case.txt", "case\n");
  crea("vuota.txt", "# nessuna parola\n");
  verifica({
      {{"copertura", p("l.txt"), B, A}, 1, "CASO\n\xC3\xA0\nzebra\ncoperte: 4 di 7 (57,1 %)\n", ""},
      {{"copertura", p("tutte.txt"), B}, 0, "coperte: 2 di 2 (100,0 %)\n", ""},
      // Vowel groups stand for their vowels in the first dictionary only.
      {{"copertura", p("case.txt"), p("uno.diz"), B}, 1, "case\ncoperte: 0 di 1 (0,0 %)\n", ""},
      {{"copertura", p("l.txt")}, 2, "", "uso: tessaro-diz copertura LISTA DIZ..."},
      {{"copertura", p("manca.txt"), B}, 2, "", "impossibile leggere"},
      {{"copertura", p("vuota.txt"), B}, 2, "", "non contiene parole"},
  });
}

// importa and esporta: the files they write, their refusals with the
// window's messages, and the exit codes.
TEST_F(ToolComandi, ImportaEdEsporta) {
  crea("mini.ipuz", R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":3,"height":2},
    "puzzle":[[1,2,"#"],[3,0,0]],"solution":[["R","E","#"],["A","R","E"]],
    "clues":{"Across":[[1,"Dio egizio"],[3,"Superficie"]],"Down":[[1,"Sovrano"],[2,"Epoca"]]}})");
  crea("grande.ipuz", R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":10,"height":26}})");
  crea("rotto.tes", "2,3\r\n\"CA\"\r\n");
  crea("danneggiato.tes", "2,2\r\n\"??\"\r\n\"??\"\r\n");
  crea("danneggiato.def", "O 1 1 1 testo\nO uno\n");
  verifica({
      {{"importa", p("mini.ipuz"), "-o", p("mini.tes")}, 0, "", ""},
      {{"importa", p("grande.ipuz"), "-o", p("grande.tes")}, 1, "",
       "Impossibile importare il file " + p("grande.ipuz") +
           ": lo schema \xC3\xA8 di 26 righe e 10 colonne, Tessaro ne ammette da 2 a 25 righe e da 2 a 35 colonne.\n"},
      {{"importa", p("mini.ipuz")}, 2, "", "uso: tessaro-diz importa"},
      {{"esporta", "--formato", "ipuz", "--titolo", "Mini", "-o", p("di nuovo.ipuz"), p("mini.tes")}, 0, "", ""},
      {{"esporta", "--formato", "pdf", "--soluzione", "--carta", "Letter", "-o", p("mini.pdf"), p("mini.tes")}, 0, "", ""},
      {{"esporta", "--formato", "doc", "-o", p("x.doc"), p("mini.tes")}, 2, "", "uso: tessaro-diz esporta"},
      {{"esporta", "--formato", "svg", "-o", p("x.svg"), p("rotto.tes")}, 1, "", std::string(MsgErroreFile) + "\n"},
      {{"esporta", "--formato", "png", "-o", p("x.png"), p("danneggiato.tes")}, 1, "",
       "tessaro-diz: " + p("danneggiato.def") + ": riga 2: non \xC3\xA8 nella forma \"O numero riga colonna testo\"\n"},
  });
  std::string t;
  ASSERT_TRUE(leggiFileIntero(dir_ / "mini.tes", t));
  EXPECT_EQ(t, "2,3\r\n\"RE\x10\"\r\n\"ARE\"\r\n");
  ASSERT_TRUE(leggiFileIntero(dir_ / "mini.def", t));
  EXPECT_EQ(t, "# Tessaro - definizioni: verso (O/V), numero, riga, colonna, testo\n"
               "O 1 1 1 Dio egizio\nO 3 2 1 Superficie\nV 1 1 1 Sovrano\nV 2 1 2 Epoca\n");
  // Back through ipuz: the same grid, clues and the title given.
  std::string prima, dopo;
  ASSERT_TRUE(leggiFileIntero(dir_ / "mini.ipuz", prima) && leggiFileIntero(dir_ / "di nuovo.ipuz", dopo));
  const LetturaIpuz a = leggiIpuz(prima), b = leggiIpuz(dopo);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(b.cruciverba->schema.Griglia, a.cruciverba->schema.Griglia);
  EXPECT_EQ(b.cruciverba->definizioni, a.cruciverba->definizioni);
  EXPECT_EQ(b.cruciverba->titolo, "Mini");
  ASSERT_TRUE(leggiFileIntero(dir_ / "mini.pdf", t));
  EXPECT_TRUE(t.starts_with("%PDF"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "grande.tes") || std::filesystem::exists(dir_ / "x.png"));
}

}  // namespace
}  // namespace tessaro
