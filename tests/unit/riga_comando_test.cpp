// The program's command line, run as a process: help and version answer on
// the terminal with no display at all (a window would abort the run), usage
// errors go to stderr with status 2.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Esito {
  int codice = -1;
  std::string uscita;  // stdout and stderr together
};

Esito esegui(const std::string& ambiente, const std::string& argomenti) {
  const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY " + ambiente + " " TESSARO_BIN_DIR "/tessaro " +
                          argomenti + " 2>&1";
  Esito e;
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return e;
  std::array<char, 512> buf{};
  while (std::fgets(buf.data(), static_cast<int>(buf.size()), p) != nullptr) e.uscita += buf.data();
  const int r = pclose(p);
  e.codice = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  return e;
}

TEST(RigaDiComando, AiutoVersioneEdErrori) {
  const struct {
    const char* ambiente;
    const char* argomenti;
    int codice;
    std::string testo;
  } casi[] = {
      {"QT_QPA_PLATFORM=xcb", "--help", 0, "Uso: tessaro [FILE.tes]\n"},
      {"QT_QPA_PLATFORM=xcb", "schema.tes -h", 0, "Uso: tessaro [FILE.tes]\n"},
      {"QT_QPA_PLATFORM=xcb", "--version", 0, "tessaro " TESSARO_VERSIONE "\n"},
      {"QT_QPA_PLATFORM=offscreen", "--aiuto", 2, "tessaro: opzione sconosciuta: --aiuto\n"},
      {"QT_QPA_PLATFORM=offscreen", "uno.tes due.tes", 2, "tessaro: si apre un solo file alla volta\n"},
      {"QT_QPA_PLATFORM=offscreen", "uno.tes -- --help", 2, "tessaro: si apre un solo file alla volta\n"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.argomenti);
    const Esito e = esegui(c.ambiente, c.argomenti);
    EXPECT_EQ(e.codice, c.codice) << e.uscita;
    // Qt may warn on the terminal before the program's own message.
    EXPECT_NE(e.uscita.find(c.testo), std::string::npos) << e.uscita;
    if (c.codice == 0) {
      EXPECT_EQ(e.uscita.substr(0, c.testo.size()), c.testo);
    }
  }
}

}  // namespace
