#include "dict/CartellaScratch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/mount.h>
#include <fstream>
#include <optional>
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
    if (const char* x = std::getenv("XDG_RUNTIME_DIR")) xdg_ = x;
  }
  void TearDown() override {
    if (xdg_) ::setenv("XDG_RUNTIME_DIR", xdg_->c_str(), 1);
    else ::unsetenv("XDG_RUNTIME_DIR");
    std::filesystem::remove_all(radice_);
  }
  std::filesystem::path radice_;
  std::optional<std::string> xdg_;
};

// Regression: the folder had a predictable name (user and process id), so a
// link or a file planted there stopped the program. Now each is random.
TEST_F(Scratch, NomeCasualePrivatoERimosso) {
  ::setenv("XDG_RUNTIME_DIR", radice_.c_str(), 1);
  EXPECT_EQ(radiceScratch(), radice_);
  mode_t vecchia = ::umask(0277);  // whatever the umask, the mode is exact
  std::filesystem::path a, b;
  EXPECT_EQ(creaCartellaScratch(a), "");
  EXPECT_EQ(creaCartellaScratch(b), "");
  ::umask(vecchia);
  EXPECT_NE(a, b);
  EXPECT_EQ(a.parent_path(), radice_);
  EXPECT_TRUE(a.filename().string().starts_with("tessaro-" + std::to_string(::getuid()) + "-"));
  EXPECT_TRUE(cartellaPrivata(a) && cartellaPrivata(b));
  std::ofstream(a / "base") << "CASA\r\n";
  rimuoviCartellaScratch(a);
  EXPECT_FALSE(std::filesystem::exists(a));
  // A folder that does not exist is not the root.
  ::setenv("XDG_RUNTIME_DIR", (radice_ / "manca").c_str(), 1);
  EXPECT_NE(radiceScratch(), radice_ / "manca");
}

TEST_F(Scratch, CartellaNonCreabileDiceIlPerche) {
  const std::filesystem::path chiusa = radice_ / "chiusa";
  std::filesystem::create_directory(chiusa);
  bool montata = false;
  if (::geteuid() == 0) {
    if (::mount("tessaro", chiusa.c_str(), "tmpfs", MS_RDONLY, "mode=0700") != 0)
      GTEST_SKIP() << "tmpfs di sola lettura non montabile: " << std::strerror(errno);
    montata = true;
  } else {
    std::filesystem::permissions(chiusa, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  ::setenv("XDG_RUNTIME_DIR", chiusa.c_str(), 1);
  std::filesystem::path c;
  const std::string perche = creaCartellaScratch(c);
  if (montata) ::umount2(chiusa.c_str(), MNT_DETACH);
  std::filesystem::permissions(chiusa, std::filesystem::perms::owner_all);
  EXPECT_TRUE(perche.starts_with("impossibile creare la cartella temporanea in " + chiusa.string() + ": ")) << perche;
  EXPECT_TRUE(c.empty());
}

TEST_F(Scratch, RifiutaLinkEPermessiLarghi) {
  std::filesystem::path vera = radice_ / "vera";
  std::filesystem::create_directory(vera);
  ::chmod(vera.c_str(), 0700);
  EXPECT_TRUE(cartellaPrivata(vera));
  std::filesystem::path link = radice_ / "link";
  std::filesystem::create_directory_symlink(vera, link);
  EXPECT_FALSE(cartellaPrivata(link));
  rimuoviCartellaScratch(link);  // not ours to remove: the target survives
  EXPECT_TRUE(std::filesystem::exists(vera));
  ::chmod(vera.c_str(), 0755);
  EXPECT_FALSE(cartellaPrivata(vera));
}

}  // namespace
}  // namespace tessaro
