#include "files/ScritturaFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

const std::string Vecchio = "2,3\r\n\"CA?\"\r\n\"??O\"\r\n";  // 19 bytes
const std::string Nuovo = "2,3\r\n\"CAT\"\r\n\"??O\"\r\n";

class ScritturaFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (fs::temp_directory_path() / "tessaro-scr-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
  }
  void TearDown() override {
    if (montato_) ::umount2(dir_.c_str(), MNT_DETACH);
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  static std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<assente>";
  }
  static void scrivi(const fs::path& p, const std::string& t) { std::ofstream(p, std::ios::binary) << t; }
  static unsigned modo(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  }
  std::size_t file() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
  bool montato_ = false;
};

// Each step failing as the system would: the old file stays byte for byte,
// nothing is left beside it, and the failure says why.
TEST_F(ScritturaFile, OgniPassoFallitoLasciaIlVecchioFile) {
  const fs::path p = dir_ / "s.tes";
  const struct {
    PassoScrittura passo;
    int codice;
    ErroreScrittura atteso;
    std::string_view motivo;
  } casi[] = {
      {PassoScrittura::Crea, ENOSPC, ErroreScrittura::SpazioEsaurito, MotivoSpazioEsaurito},
      {PassoScrittura::Scrivi, ENOSPC, ErroreScrittura::SpazioEsaurito, MotivoSpazioEsaurito},
      {PassoScrittura::Sincronizza, EDQUOT, ErroreScrittura::SpazioEsaurito, MotivoSpazioEsaurito},
      {PassoScrittura::Chiudi, EIO, ErroreScrittura::Altro, ""},
      {PassoScrittura::Rinomina, EXDEV, ErroreScrittura::Altro, ""},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(static_cast<int>(c.passo));
    scrivi(p, Vecchio);
    const EsitoScrittura e =
        scriviFileSicuro(p, Nuovo, [&](PassoScrittura s) { return s == c.passo ? c.codice : 0; });
    EXPECT_EQ(e.errore, c.atteso);
    EXPECT_EQ(e.codice, c.codice);
    if (!c.motivo.empty()) {
      EXPECT_EQ(motivoScrittura(e), c.motivo);
    }
    EXPECT_TRUE(motivoScrittura(e).ends_with("."));
    EXPECT_EQ(leggi(p), Vecchio);
    EXPECT_EQ(file(), 1u);
  }
  ASSERT_TRUE(scriviFileSicuro(p, Nuovo));
  EXPECT_EQ(leggi(p), Nuovo);
  EXPECT_EQ(file(), 1u);
}

// A real full disk: a 64 KiB tmpfs filled to the last byte (root only, as in
// CI; elsewhere the injected failures above stand for it).
TEST_F(ScritturaFile, DiscoPienoVero) {
  if (::geteuid() != 0) GTEST_SKIP() << "serve root per montare un tmpfs da 64 KiB";
  if (::mount("tessaro", dir_.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
    GTEST_SKIP() << "tmpfs non montabile qui: " << std::strerror(errno);
  montato_ = true;
  const fs::path p = dir_ / "s.tes";
  scrivi(p, Vecchio);
  scrivi(dir_ / "riempi", std::string(1 << 20, '\0'));  // stops at the limit
  const EsitoScrittura e = scriviFileSicuro(p, Nuovo);
  EXPECT_EQ(e.errore, ErroreScrittura::SpazioEsaurito);
  EXPECT_EQ(leggi(p), Vecchio);
  EXPECT_EQ(file(), 2u);
}

// A writable file in a folder that takes no new file is written in place
// (the same inode); a new file there is refused.
TEST_F(ScritturaFile, CartellaChiusaFileScrivibile) {
  const fs::path p = dir_ / "s.tes";
  scrivi(p, Vecchio + Vecchio);
  struct stat prima {};
  ::stat(p.c_str(), &prima);
  const auto negato = [](PassoScrittura s) { return s == PassoScrittura::Crea ? EACCES : 0; };
  EsitoScrittura e = scriviFileSicuro(p, Nuovo, negato);
  EXPECT_TRUE(e && e.sulPosto);
  EXPECT_EQ(leggi(p), Nuovo);  // shorter: the old tail is cut
  struct stat dopo {};
  ::stat(p.c_str(), &dopo);
  EXPECT_EQ(prima.st_ino, dopo.st_ino);
  e = scriviFileSicuro(p, Vecchio, [](PassoScrittura s) {
    return s == PassoScrittura::Crea ? EACCES : s == PassoScrittura::Scrivi ? ENOSPC : 0;
  });
  EXPECT_EQ(e.errore, ErroreScrittura::SpazioEsaurito);
  EXPECT_EQ(leggi(p), Nuovo);
  EXPECT_EQ(scriviFileSicuro(dir_ / "nuovo.tes", Nuovo, negato).errore, ErroreScrittura::CartellaProtetta);

  if (::geteuid() == 0) GTEST_SKIP() << "root scrive in ogni cartella: la cartella chiusa vera non si prova";
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  e = scriviFileSicuro(p, Vecchio);
  EXPECT_TRUE(e && e.sulPosto);
  EXPECT_EQ(leggi(p), Vecchio);
  EXPECT_EQ(scriviFileSicuro(dir_ / "nuovo.tes", Nuovo).errore, ErroreScrittura::CartellaProtetta);
}

TEST_F(ScritturaFile, PermessiNuoviEConservati) {
  const mode_t vecchia = ::umask(077);
  ASSERT_TRUE(scriviFileSicuro(dir_ / "privato", Nuovo));
  ::umask(022);
  ASSERT_TRUE(scriviFileSicuro(dir_ / "comune", Nuovo));
  scrivi(dir_ / "tenuto", Vecchio);
  fs::permissions(dir_ / "tenuto", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(scriviFileSicuro(dir_ / "tenuto", Nuovo));
  ::umask(vecchia);
  EXPECT_EQ(modo(dir_ / "privato"), 0600u);
  EXPECT_EQ(modo(dir_ / "comune"), 0644u);
  EXPECT_EQ(modo(dir_ / "tenuto"), 0640u);
  EXPECT_EQ(leggi(dir_ / "tenuto"), Nuovo);
}

TEST_F(ScritturaFile, CollegamentiCartelleEPipe) {
  // Through a link: the target changes, the link stays a link.
  scrivi(dir_ / "vero.tes", Vecchio);
  fs::create_symlink("vero.tes", dir_ / "link.tes");
  ASSERT_TRUE(scriviFileSicuro(dir_ / "link.tes", Nuovo));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.tes"));
  EXPECT_EQ(leggi(dir_ / "vero.tes"), Nuovo);

  // A dangling link into a folder that does not exist names that folder.
  fs::create_symlink(dir_ / "manca" / "x.tes", dir_ / "rotto.tes");
  const EsitoScrittura e = scriviFileSicuro(dir_ / "rotto.tes", Nuovo);
  EXPECT_EQ(e.errore, ErroreScrittura::CartellaAssente);
  EXPECT_EQ(motivoScrittura(e), "il nome è un collegamento a " + (dir_ / "manca" / "x.tes").string() +
                                    ", in una cartella che non esiste.");

  ASSERT_EQ(::mkfifo((dir_ / "tubo").c_str(), 0600), 0);
  fs::create_directory(dir_ / "cartella");
  EXPECT_EQ(scriviFileSicuro(dir_ / "tubo", Nuovo).errore, ErroreScrittura::NonRegolare);
  EXPECT_EQ(scriviFileSicuro(dir_ / "cartella", Nuovo).errore, ErroreScrittura::NomeCartella);
  EXPECT_EQ(scriviFileSicuro(dir_ / "manca" / "y", Nuovo).errore, ErroreScrittura::CartellaAssente);
  EXPECT_EQ(file(), 5u);
}

}  // namespace
}  // namespace tessaro
