// The built decoder library, loaded the way the program loads it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <fstream>
#include <unistd.h>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/CartellaScratch.h"

namespace tessaro {
namespace {

using FunzioneMyfunc = std::int16_t (*)(std::int16_t);
using FunzioneCartella = std::int16_t (*)(const char*);

class Tessdll : public ::testing::Test {
 protected:
  void SetUp() override {
    lib_ = ::dlopen(TESSARO_BIN_DIR "/libTESSDLL.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib_, nullptr) << ::dlerror();
    myfunc_ = reinterpret_cast<FunzioneMyfunc>(::dlsym(lib_, "MYFUNC"));
    ASSERT_NE(myfunc_, nullptr);
    cartella_ = reinterpret_cast<FunzioneCartella>(::dlsym(lib_, "TESSDLL_CARTELLA"));
    ASSERT_NE(cartella_, nullptr);
    std::string m = (std::filesystem::temp_directory_path() / "tessaro-dll-XXXXXX").string();
    ASSERT_NE(::mkdtemp(m.data()), nullptr);
    prog_ = m;
    vecchia_ = std::filesystem::current_path();
    std::filesystem::current_path(prog_);  // the program folder is the current directory
  }
  // The program's private folder, named to the library.
  void scratch() {
    ASSERT_EQ(creaCartellaScratch(scratch_), "");
    ASSERT_EQ(cartella_(scratch_.c_str()), 0);
  }
  void TearDown() override {
    std::filesystem::current_path(vecchia_);
    std::filesystem::remove_all(prog_);
    rimuoviCartellaScratch(scratch_);
    if (lib_ != nullptr) ::dlclose(lib_);
  }
  void crea(const std::string& nome, const std::string& dati) {
    std::ofstream(prog_ / nome, std::ios::binary) << dati;
  }

  void* lib_ = nullptr;
  FunzioneMyfunc myfunc_ = nullptr;
  FunzioneCartella cartella_ = nullptr;
  std::filesystem::path prog_, vecchia_, scratch_;
};

TEST_F(Tessdll, EsportaSoloMyfunc) {
  EXPECT_EQ(::dlsym(lib_, "_ZN7tessaro13decodificaDizESt17basic_string_viewIcSt11char_traitsIcEERNSt7__cxx1112basic_stringIcS2_SaIcEEE"), nullptr);
  EXPECT_EQ(::dlsym(lib_, "_ZN7tessaro15cartellaPrivataERKNSt10filesystem7__cxx114pathE"), nullptr);
}

TEST_F(Tessdll, DecodificaNellaCartellaScratch) {
  crea("base.diz", codificaDiz("CAS!\r\nMARE\r\n", 3));
  crea("nomi.diz", codificaDiz("ROMA\r\n", 3));
  crea("a.dic", "ZETA\r\n");
  scratch();
  EXPECT_EQ(myfunc_(1), 0);
  EXPECT_EQ(myfunc_(2), 0);
  std::string t;
  EXPECT_TRUE(leggiFileIntero(scratch_ / "base", t) && t == "CAS!\r\nMARE\r\n") << t;
  EXPECT_TRUE(leggiFileIntero(scratch_ / "nomi", t) && t == "ROMA\r\n") << t;
  // A .dic is not the decoder's; slot 4 is empty; the others do not exist.
  for (std::int16_t n : {3, 4, 0, -1, 300}) EXPECT_GT(myfunc_(n), 0) << n;
}

TEST_F(Tessdll, RifiutaDannoEScratchMancante) {
  std::string dati = codificaDiz("CASA\r\n", 3);
  crea("base.diz", dati);
  EXPECT_GT(myfunc_(1), 0);  // no scratch folder named yet
  // A folder that is not private is refused, and forgotten.
  const std::filesystem::path aperta = prog_ / "aperta";
  std::filesystem::create_directory(aperta);
  ::chmod(aperta.c_str(), 0755);
  EXPECT_GT(cartella_(aperta.c_str()), 0);
  EXPECT_GT(myfunc_(1), 0);
  EXPECT_FALSE(std::filesystem::exists(aperta / "base"));
  scratch();
  dati[dati.size() - 2] ^= 0x11;
  crea("base.diz", dati);
  EXPECT_GT(myfunc_(1), 0);
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "base"));
  crea("base.diz", "CASA\r\n");
  EXPECT_GT(myfunc_(1), 0);
}

}  // namespace
}  // namespace tessaro
