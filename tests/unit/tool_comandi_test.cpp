// The scripting commands of the dictionary tool (cerca, incrocio, anagrammi)
// run as a program on small dictionaries: the exact lines on stdout, the
// refusals on stderr and the exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"

namespace tessaro {
namespace {

class ToolComandi : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-comandi-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // A dictionary from its entries, each followed by CR LF; a ".diz" name
  // gets the container.
  void dizionario(const std::string& nome, std::initializer_list<std::string> voci) {
    std::string testo;
    for (const auto& v : voci) testo += v + "\r\n";
    if (nome.ends_with(".diz")) testo = codificaDiz(testo);
    crea(nome, testo);
  }
  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(dir_ / nome, std::ios::binary) << dati;
  }
  std::string p(const std::string& nome) const { return (dir_ / nome).string(); }

  // Runs tessaro-diz with the arguments, each quoted for the shell; keeps
  // stdout and stderr.
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

  std::filesystem::path dir_;
  std::string out, err;
};

// ---- cerca

class ToolComandiCerca : public ToolComandi {
 protected:
  void SetUp() override {
    ToolComandi::SetUp();
    // The base dictionary in its container, a plain one with LF line ends and
    // a byte-order mark, as a user's editor might leave it.
    dizionario("base.diz", {"ALA", "BELL%", "CANE", "CAS!", "CASALE", "PANE", "RANE", "TISANE"});
    crea("altro.dic", "\xEF\xBB\xBF" "CANE\nCAS!\nCASA\nMANE\n\xC0NE\n");
  }
};

TEST_F(ToolComandiCerca, RigheComeNellElenco) {
  const struct {
    std::vector<std::string> args;
    const char* righe;
  } casi[] = {
      {{"?ANE"}, "CANE -1\nPANE -1\nRANE -1\nCANE -2\nMANE -2\n"},
      // The base dictionary's final group is shown, or narrowed to the
      // request's last letter; the plain dictionary's "!" is an entry byte.
      {{"?AS?"}, "CAS(AE) -1\nCAS! -2\nCASA -2\n"},
      {{"?ASE"}, "CASE -1\nCAS! -2\n"},
      {{"?ASO"}, "CAS! -2\n"},
      {{"CA??"}, "CANE -1\nCAS(AE) -1\nCANE -2\nCAS! -2\nCASA -2\n"},
      // Free tail: up to --max cells, and "*" never narrows the group.
      {{"--max", "6", "CA*"}, "CANE -1\nCAS(AE) -1\nCASALE -1\nCANE -2\nCAS! -2\nCASA -2\n"},
      {{"CA*"}, ""},
      // Free head: blanks put each entry at the end of a six-cell slot.
      {{"--max", "6", "*ANE"}, "  CANE -1\n  PANE -1\n  RANE -1\nTISANE -1\n  CANE -2\n  MANE -2\n"},
      // The dictionary bytes come out as they are (Windows-1252); a UTF-8
      // request is taken in that code page.
      {{"?NE"}, "\xC0NE -2\n"},
      {{"\xC3\x80N?"}, "\xC0NE -2\n"},
      {{"ZZ?"}, ""},
  };
  for (const auto& k : casi) {
    std::vector<std::string> a{"cerca"};
    a.insert(a.end(), k.args.begin(), k.args.end());
    a.push_back(p("base.diz"));
    a.push_back(p("altro.dic"));
    EXPECT_EQ(esegui(a), 0) << k.args.back() << err;
    EXPECT_EQ(out, k.righe) << k.args.back();
    EXPECT_EQ(err, "") << k.args.back();
  }
}

TEST_F(ToolComandiCerca, SlotNellOrdineDeiNomi) {
  // The first name is slot 1, with its vowel groups, whatever its extension.
  ASSERT_EQ(esegui({"cerca", "?AS?", p("altro.dic"), p("base.diz")}), 0) << err;
  EXPECT_EQ(out, "CAS(AE) -1\nCASA -1\nCAS! -2\n");
  ASSERT_EQ(esegui({"cerca", "?AS?", p("base.diz")}), 0) << err;
  EXPECT_EQ(out, "CAS(AE) -1\n");
}

TEST_F(ToolComandiCerca, FuoriSequenzaAvvisaECercaComunque) {
  crea("disordine.dic", "CAS!\r\nCANE\r\nALA\r\n");
  ASSERT_EQ(esegui({"cerca", "CA??", p("disordine.dic")}), 0) << err;
  EXPECT_EQ(out, "CAS(AE) -1\nCANE -1\n");
  EXPECT_EQ(err,
            "tessaro-diz: disordine.dic: la voce \"CANE\" \xC3\xA8 fuori sequenza\n"
            "tessaro-diz: disordine.dic: la voce \"ALA\" \xC3\xA8 fuori sequenza\n");
}

TEST_F(ToolComandiCerca, CinquantaRigheSenonEstesa) {
  std::string testo;
  for (char b = 'A'; b <= 'C'; ++b)
    for (char c = 'A'; c <= 'Z'; ++c) testo += std::string{'A', b, c} + "\r\n";
  crea("molti.dic", testo);  // 78 entries AAA..ACZ
  ASSERT_EQ(esegui({"cerca", "A??", p("molti.dic")}), 0) << err;
  ASSERT_EQ(std::count(out.begin(), out.end(), '\n'), 50);
  EXPECT_TRUE(out.starts_with("AAA -1\nAAB -1\n"));
  EXPECT_TRUE(out.ends_with("\nABX -1\n"));
  ASSERT_EQ(esegui({"cerca", "--estesa", "A??", p("molti.dic")}), 0) << err;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 78);
  EXPECT_TRUE(out.ends_with("\nACZ -1\n"));
  // The cap counts the lines of every dictionary together.
  ASSERT_EQ(esegui({"cerca", "?C?", p("molti.dic"), p("molti.dic"), p("molti.dic")}), 0) << err;
  ASSERT_EQ(std::count(out.begin(), out.end(), '\n'), 50);
  EXPECT_TRUE(out.starts_with("ACA -1\n"));
  EXPECT_NE(out.find("\nACZ -1\nACA -2\n"), std::string::npos);
  EXPECT_TRUE(out.ends_with("\nACX -2\n"));
}

TEST_F(ToolComandiCerca, RichiestaErrataEUsoErrato) {
  for (const char* r : {"CANE", "?", "????", "", "*"}) {
    EXPECT_EQ(esegui({"cerca", r, p("base.diz")}), 1) << r;
    EXPECT_EQ(out, "") << r;
    EXPECT_EQ(err, " Richiesta errata! \n") << r;
  }
  const std::vector<std::string> usi[] = {
      {"cerca"},
      {"cerca", "?ANE"},
      {"cerca", "--max"},
      {"cerca", "--max", "0", "CA*", "x.dic"},
      {"cerca", "--max", "sei", "CA*", "x.dic"},
      {"cerca", "--max", "3", "CAN*", "x.dic"},  // shorter than the request
      {"cerca", "--boh", "?ANE", "x.dic"},
  };
  for (const auto& u : usi) {
    EXPECT_EQ(esegui(u), 2) << u.back();
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("uso: tessaro-diz cerca"), std::string::npos) << err;
  }
  EXPECT_EQ(esegui({"cerca", "?ANE", p("manca.dic")}), 2);
  EXPECT_NE(err.find("il file non esiste"), std::string::npos) << err;
  crea("rotto.diz", "TESSDIZ");
  EXPECT_EQ(esegui({"cerca", "?ANE", p("rotto.diz")}), 2);
  EXPECT_EQ(out, "");
  const std::string b = p("base.diz");
  EXPECT_EQ(esegui({"cerca", "?ANE", b, b, b, b, b, b, b}), 2);
  EXPECT_NE(err.find("al massimo 6 dizionari"), std::string::npos) << err;
  EXPECT_EQ(esegui({"cerca", "?ANE", b, b, b, b, b, b}), 0) << err;
  EXPECT_EQ(out, "CANE -1\nPANE -1\nRANE -1\nCANE -2\nPANE -2\nRANE -2\nCANE -3\nPANE -3\nRANE -3\n"
                 "CANE -4\nPANE -4\nRANE -4\nCANE -5\nPANE -5\nRANE -5\nCANE -6\nPANE -6\nRANE -6\n");
}

// ---- incrocio

class ToolComandiIncrocio : public ToolComandi {
 protected:
  void SetUp() override {
    ToolComandi::SetUp();
    dizionario("base.dic", {"ALA", "ALE", "CAIRO", "CAN", "CAS!", "CASTA", "ENE", "OSE", "PIE", "UNE"});
    dizionario("uno.diz", {"ZETA"});
  }
};

TEST_F(ToolComandiIncrocio, LettereComeNellElenco) {
  const struct {
    std::vector<std::string> args;
    const char* righe;
  } casi[] = {
      {{"CA#??", "?#E"}, "I\nS\n"},
      {{"--vocali", "CA#??", "?#E"}, "I\n"},
      // "Lunghezza Libera": a shorter word that leaves empty cells at the end.
      {{"--libera", "CA#??", "?#E"}, "I\nN (Oriz.-2)\nS\n"},
      {{"--libera", "CA#??", "?#E?"}, "I (Vert.-1)\nN (Oriz.-2 / Vert.-1)\nS (Vert.-1)\n"},
      {{"--vocali", "--libera", "CA#??", "?#E?"}, "I (Vert.-1)\n"},
      {{"CA#??", "?#E?"}, ""},
      // A blank is an empty cell, as the grid reads it.
      {{"CA# ?", "?#E"}, "I\nS\n"},
      // The base dictionary's group code stands for its vowels.
      {{"CAS#", "#LA"}, "A\n"},
  };
  for (const auto& k : casi) {
    std::vector<std::string> a{"incrocio"};
    a.insert(a.end(), k.args.begin(), k.args.end());
    a.push_back(p("base.dic"));
    a.push_back(p("uno.diz"));
    EXPECT_EQ(esegui(a), 0) << a[1] << " " << a[2] << err;
    EXPECT_EQ(out, k.righe) << a[1] << " " << a[2];
    EXPECT_EQ(err, "");
  }
  // Out of slot 1 the same entry is taken literally.
  ASSERT_EQ(esegui({"incrocio", "CAS#", "#LA", p("uno.diz"), p("base.dic")}), 0) << err;
  EXPECT_EQ(out, "");
}

TEST_F(ToolComandiIncrocio, ErroreCasellaEUsoErrato) {
  const std::vector<std::string> rifiutate[] = {
      {"??#??", "?#E"},  // a run without letters
      {"CA#??", "#??"},
      {"CA#??", "#"},    // shorter than two cells
      {"CA???", "?#E"},  // no crossing cell
      {"CA#??", "?EE"},
      {"C##??", "?#E"},  // a run crosses the other in one cell only
  };
  for (const auto& r : rifiutate) {
    EXPECT_EQ(esegui({"incrocio", r[0], r[1], p("base.dic")}), 1) << r[0] << " " << r[1];
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, " errore CASELLA \n");
  }
  const std::vector<std::string> usi[] = {
      {"incrocio"},
      {"incrocio", "CA#??", "?#E"},
      {"incrocio", "--tutto", "CA#??", "?#E", "base.dic"},
      {"incrocio", "ca#??", "?#E", "base.dic"},
      {"incrocio", "CA#??", "?#*", "base.dic"},
  };
  for (const auto& u : usi) {
    EXPECT_EQ(esegui(u), 2) << u.back();
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("uso: tessaro-diz incrocio"), std::string::npos) << err;
  }
  EXPECT_NE(err.find("COLONNA: carattere non ammesso \"*\""), std::string::npos) << err;
  EXPECT_EQ(esegui({"incrocio", "CA#??", "?#E", p("manca.dic")}), 2);
  EXPECT_EQ(out, "");
}

// ---- anagrammi

TEST_F(ToolComandi, AnagrammiComeNellElenco) {
  dizionario("base.diz", {"'AMOR", "ACNE", "AMOR", "ATTRIC%", "LAL", "MORA", "ORMA", "RAMO", "ROMA"});
  const struct {
    const char* parola;
    const char* righe;
  } casi[] = {
      {"ROMA", "AMOR\nMORA\nORMA\nRAMO\n"},  // not the word itself
      {" roma ", "AMOR\nMORA\nORMA\nRAMO\n"},
      {"citrata", "ATTRICA\n"},
      {"CA E", "ACNE\n"},  // a blank stands for any one letter
      {"ALA", " \n nessun Anagramma \n"},
      {"", " \n nessun Anagramma \n"},
  };
  for (const auto& k : casi) {
    EXPECT_EQ(esegui({"anagrammi", k.parola, p("base.diz")}), 0) << k.parola << err;
    EXPECT_EQ(out, k.righe) << k.parola;
    EXPECT_EQ(err, "");
  }
  EXPECT_EQ(esegui({"anagrammi", "ROMA"}), 2);
  EXPECT_NE(err.find("uso: tessaro-diz anagrammi PAROLA BASE"), std::string::npos) << err;
  EXPECT_EQ(esegui({"anagrammi", "ROMA", p("base.diz"), p("base.diz")}), 2);
  EXPECT_EQ(esegui({"anagrammi", "ROMA", p("manca.diz")}), 2);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace tessaro
