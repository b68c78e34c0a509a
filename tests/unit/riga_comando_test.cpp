// The program's command line, run as a process: help and version answer with
// no display at all (a window would abort the run), usage errors go to stderr
// with status 2.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

TEST(RigaDiComando, AiutoVersioneEdErrori) {
  const struct {
    const char* piattaforma;
    const char* argomenti;
    int codice;
    std::string testo;  // the start of the output; after Qt's warnings for errors
  } casi[] = {
      {"xcb", "--help", 0, "Uso: tessaro [FILE.tes]\n"},
      {"xcb", "schema.tes -h", 0, "Uso: tessaro [FILE.tes]\n"},
      {"xcb", "--version", 0, "tessaro " TESSARO_VERSIONE "\n"},
      {"offscreen", "--aiuto", 2, "tessaro: opzione sconosciuta: --aiuto\n"},
      {"offscreen", "uno.tes due.tes", 2, "tessaro: si apre un solo file alla volta\n"},
      {"offscreen", "uno.tes -- --help", 2, "tessaro: si apre un solo file alla volta\n"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.argomenti);
    const std::string cmd = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=") + c.piattaforma +
                            " " TESSARO_BIN_DIR "/tessaro " + c.argomenti + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string uscita;
    for (int ch; (ch = std::fgetc(p)) != EOF;) uscita += static_cast<char>(ch);
    const int r = pclose(p);
    EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, c.codice) << uscita;
    const auto dove = uscita.find(c.testo);
    EXPECT_TRUE(c.codice == 0 ? dove == 0 : dove != std::string::npos) << uscita;
  }
}

}  // namespace
