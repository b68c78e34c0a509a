#include "files/ScritturaFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "files/LetturaFile.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

const std::string Vecchio = "2,3\r\n\"CA?\"\r\n\"??O\"\r\n\"???\"\r\n";
const std::string Nuovo = "2,3\r\n\"CAT\"\r\n\"??O\"\r\n";

class ScritturaFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string m = (fs::temp_directory_path() / "tessaro-scr-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    dir_ = m;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string leggi(const char* nome) const {
    std::string t;
    return leggiFileIntero(dir_ / nome, t) ? t : "<assente>";
  }
  std::size_t file() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }
  fs::path dir_;
};

// Each step failing as the system would: the old file stays byte for byte,
// nothing is left beside it, and the failure says why. A refused temporary
// file (a folder closed to new files: injected, as root may write anywhere)
// makes an existing file be written in place, still checked.
TEST_F(ScritturaFile, OgniPassoFallitoLasciaIlVecchioFile) {
  const struct {
    PassoScrittura passo, altro;
    int codice, codiceAltro;
    ErroreScrittura atteso;
  } casi[] = {
      {PassoScrittura::Crea, PassoScrittura::Crea, ENOSPC, 0, ErroreScrittura::SpazioEsaurito},
      {PassoScrittura::Scrivi, PassoScrittura::Scrivi, ENOSPC, 0, ErroreScrittura::SpazioEsaurito},
      {PassoScrittura::Sincronizza, PassoScrittura::Sincronizza, EDQUOT, 0, ErroreScrittura::SpazioEsaurito},
      {PassoScrittura::Chiudi, PassoScrittura::Chiudi, EIO, 0, ErroreScrittura::Altro},
      {PassoScrittura::Rinomina, PassoScrittura::Rinomina, EXDEV, 0, ErroreScrittura::Altro},
      {PassoScrittura::Crea, PassoScrittura::Scrivi, EACCES, ENOSPC, ErroreScrittura::SpazioEsaurito},
      {PassoScrittura::Crea, PassoScrittura::Crea, EACCES, 0, ErroreScrittura::Nessuno},  // in place
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.passo)) + " " + std::to_string(c.codiceAltro));
    std::ofstream(dir_ / "s.tes", std::ios::binary) << Vecchio;
    struct stat prima {}, dopo {};
    ::stat((dir_ / "s.tes").c_str(), &prima);
    const EsitoScrittura e = scriviFileSicuro(dir_ / "s.tes", Nuovo, [&](PassoScrittura s) {
      return s == c.passo ? c.codice : s == c.altro ? c.codiceAltro : 0;
    });
    ::stat((dir_ / "s.tes").c_str(), &dopo);
    EXPECT_EQ(e.errore, c.atteso);
    EXPECT_EQ(leggi("s.tes"), e ? Nuovo : Vecchio);  // in place, the longer old tail is cut
    EXPECT_EQ(e.sulPosto, c.codice == EACCES);
    EXPECT_TRUE(!e.sulPosto || prima.st_ino == dopo.st_ino);
    EXPECT_EQ(motivoScrittura(e) == "spazio esaurito sul disco.", e.errore == ErroreScrittura::SpazioEsaurito);
    EXPECT_EQ(file(), 1u);
  }
  const auto negato = [](PassoScrittura s) { return s == PassoScrittura::Crea ? EACCES : 0; };
  EXPECT_EQ(scriviFileSicuro(dir_ / "nuovo.tes", Nuovo, negato).errore, ErroreScrittura::CartellaProtetta);
  ASSERT_TRUE(scriviFileSicuro(dir_ / "s.tes", Vecchio));
  EXPECT_EQ(leggi("s.tes"), Vecchio);
}

// Two files that change together: nothing of the new content shows until it
// is confirmed, a write dropped leaves no temporary file, and a folder closed
// to new files defers the in-place write to the confirmation.
TEST_F(ScritturaFile, InDueTempi) {
  const auto negato = [](PassoScrittura s) { return s == PassoScrittura::Crea ? EACCES : 0; };
  for (const bool chiusa : {false, true}) {
    for (const bool confermata : {false, true}) {
      SCOPED_TRACE(std::to_string(chiusa) + std::to_string(confermata));
      std::ofstream(dir_ / "s.def", std::ios::binary) << Vecchio;
      {
        ScritturaInDueTempi w;
        ASSERT_TRUE(w.prepara(dir_ / "s.def", Nuovo, chiusa ? GuastoScrittura(negato) : GuastoScrittura()));
        EXPECT_EQ(leggi("s.def"), Vecchio);
        EXPECT_EQ(file(), chiusa ? 1u : 2u);
        if (confermata) {
          EXPECT_TRUE(w.conferma());
        }
      }
      EXPECT_EQ(leggi("s.def"), confermata ? Nuovo : Vecchio);
      EXPECT_EQ(file(), 1u);
    }
  }
  ScritturaInDueTempi w;
  const EsitoScrittura e = w.prepara(dir_ / "manca" / "s.def", Nuovo);
  EXPECT_EQ(e.errore, ErroreScrittura::CartellaAssente);
  EXPECT_EQ(w.conferma().errore, ErroreScrittura::CartellaAssente);
}

TEST_F(ScritturaFile, CollegamentiCartelleEPipe) {
  // Through a link: the target changes, the link stays a link.
  std::ofstream(dir_ / "vero.tes") << Vecchio;
  fs::create_symlink("vero.tes", dir_ / "link.tes");
  ASSERT_TRUE(scriviFileSicuro(dir_ / "link.tes", Nuovo));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.tes"));
  EXPECT_EQ(leggi("vero.tes"), Nuovo);
  // A pipe must not block; nothing is written beside what is refused.
  ASSERT_EQ(::mkfifo((dir_ / "tubo").c_str(), 0600), 0);
  fs::create_directory(dir_ / "cartella");
  EXPECT_EQ(scriviFileSicuro(dir_ / "tubo", Nuovo).errore, ErroreScrittura::NonRegolare);
  EXPECT_EQ(scriviFileSicuro(dir_ / "cartella", Nuovo).errore, ErroreScrittura::NomeCartella);
  EXPECT_EQ(scriviFileSicuro(dir_ / "manca" / "y", Nuovo).errore, ErroreScrittura::CartellaAssente);
  EXPECT_EQ(file(), 4u);
}

}  // namespace
}  // namespace tessaro
