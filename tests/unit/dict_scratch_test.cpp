#include "dict/CartellaScratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {
namespace {

class Scratch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-scr-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    radice_ = m;
  }
  void TearDown() override { std::filesystem::remove_all(radice_); }
  std::filesystem::path radice_;
};

TEST_F(Scratch, NomeDaUtenteEProcesso) {
  std::filesystem::path p = cartellaScratch(4242);
  EXPECT_EQ(p.filename().string(), "tessaro-" + std::to_string(::getuid()) + "-4242");
  EXPECT_EQ(cartellaScratch(), cartellaScratch(::getpid()));
}

TEST_F(Scratch, XdgRuntimeDirSoloSeNostra) {
  const char* prima = std::getenv("XDG_RUNTIME_DIR");
  std::string salvato = prima ? prima : "";
  ::setenv("XDG_RUNTIME_DIR", radice_.c_str(), 1);
  EXPECT_EQ(cartellaScratch(7).parent_path(), radice_);
  ::setenv("XDG_RUNTIME_DIR", (radice_ / "manca").c_str(), 1);
  EXPECT_NE(cartellaScratch(7).parent_path(), radice_ / "manca");
  if (prima) ::setenv("XDG_RUNTIME_DIR", salvato.c_str(), 1);
  else ::unsetenv("XDG_RUNTIME_DIR");
}

TEST_F(Scratch, CreataPrivataERimossa) {
  std::filesystem::path p = radice_ / "s";
  mode_t vecchia = ::umask(0277);  // whatever the umask, the mode is exact
  EXPECT_EQ(creaCartellaScratch(p), "");
  ::umask(vecchia);
  struct stat st {};
  ASSERT_EQ(::stat(p.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
  EXPECT_TRUE(cartellaPrivata(p));
  std::ofstream(p / "base") << "CASA\r\n";
  EXPECT_EQ(creaCartellaScratch(p), "");  // a private leftover is accepted
  rimuoviCartellaScratch(p);
  EXPECT_FALSE(std::filesystem::exists(p));
}

TEST_F(Scratch, RifiutaLinkEPermessiLarghi) {
  std::filesystem::path vera = radice_ / "vera";
  std::filesystem::create_directory(vera);
  ::chmod(vera.c_str(), 0700);
  std::filesystem::path link = radice_ / "link";
  std::filesystem::create_directory_symlink(vera, link);
  EXPECT_NE(creaCartellaScratch(link), "");
  EXPECT_FALSE(cartellaPrivata(link));
  rimuoviCartellaScratch(link);  // not ours to remove: the target survives
  EXPECT_TRUE(std::filesystem::exists(vera));

  std::filesystem::path larga = radice_ / "larga";
  std::filesystem::create_directory(larga);
  ::chmod(larga.c_str(), 0755);
  EXPECT_NE(creaCartellaScratch(larga), "");
  EXPECT_FALSE(cartellaPrivata(larga));

  std::ofstream(radice_ / "file") << "x";
  EXPECT_NE(creaCartellaScratch(radice_ / "file"), "");
}

}  // namespace
}  // namespace tessaro
