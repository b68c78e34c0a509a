#include "dict/CartellaDizionari.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tessaro {
namespace {

// Slots 1..7 of a scan, then DizCont.
std::vector<std::string> slot(const SlotDizionari& s) {
  std::vector<std::string> v(s.nome.begin() + 1, s.nome.end());
  v.push_back(std::to_string(s.DizCont));
  return v;
}

TEST(ScansioneCartella, NomiNelleSlot) {
  struct Caso {
    const char* nome;
    std::vector<std::string> file;
    std::vector<std::string> atteso;
  };
  const Caso casi[] = {
      {"base, altri .diz, poi .dic", {"nomi.diz", "extra.dic", "base.diz"},
       {"base.diz", "nomi.diz", "extra.dic", "", "", "", "", "3"}},
      // "Zeta" sorts before "alfa" by byte value.
      {"ordine per byte", {"a.dic", "Zeta.diz", "alfa.diz", "base.diz"},
       {"base.diz", "Zeta.diz", "alfa.diz", "a.dic", "", "", "", "4"}},
      // Upper-case extensions are found, a folder and other files are not.
      {"maiuscole e non dizionari", {"base.diz", "ALTRO.DIZ", "Liste.DIC", "nota.txt", "cartella.diz/"},
       {"base.diz", "ALTRO.DIZ", "Liste.DIC", "", "", "", "", "3"}},
      // base.diz sorts after the others but still gets slot 1; past slot 7 nothing.
      {"oltre la settima", {"b.diz", "c.diz", "d.diz", "e.diz", "f.diz", "g.diz", "h.diz", "i.dic", "base.diz"},
       {"base.diz", "b.diz", "c.diz", "d.diz", "e.diz", "f.diz", "g.diz", "7"}},
      // The shipped enclitici.diz follows nomi.diz; the others keep their place.
      {"enclitici dopo nomi", {"base.diz", "enclitici.diz", "mie.diz", "nomi.diz", "x.diz", "a.dic"},
       {"base.diz", "mie.diz", "nomi.diz", "enclitici.diz", "x.diz", "a.dic", "", "6"}},
      {"enclitici senza nomi", {"base.diz", "enclitici.diz", "mie.diz"},
       {"base.diz", "enclitici.diz", "mie.diz", "", "", "", "", "3"}},
      {"senza .diz la slot 1 resta vuota", {"a.dic", "b.dic"}, {"", "a.dic", "b.dic", "", "", "", "", "3"}},
      {"BASE.DIZ non e' la base", {"BASE.DIZ"}, {"", "BASE.DIZ", "", "", "", "", "", "2"}},
      {"cartella vuota", {}, {"", "", "", "", "", "", "", "1"}},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    std::string modello = (std::filesystem::temp_directory_path() / "tessaro-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modello.data()), nullptr);
    const std::filesystem::path dir = modello;
    for (const std::string& n : k.file) {
      if (n.back() == '/')
        std::filesystem::create_directory(dir / n);
      else
        std::ofstream(dir / n, std::ios::binary) << "A\r\n";
    }
    EXPECT_EQ(slot(scansionaCartella(dir)), k.atteso);
    EXPECT_TRUE(scansionaCartella(dir).nome[0].empty());
    std::filesystem::remove_all(dir);
  }
  EXPECT_EQ(slot(scansionaCartella("/nonesiste/davvero")), slot(SlotDizionari{}));
}

TEST(NomiDizionario, DecoderEdEstensioni) {
  // Only an exactly lower-case ".diz" with a name goes through the decoder.
  EXPECT_TRUE(passaDalDecoder("base.diz"));
  for (const char* n : {"ALTRO.DIZ", "x.Diz", "x.dic", ".diz"}) EXPECT_FALSE(passaDalDecoder(n)) << n;
  EXPECT_TRUE(haEstensione("base.DiZ", ".diz"));
  EXPECT_FALSE(haEstensione("basediz", ".diz"));
  EXPECT_FALSE(haEstensione(".diz", ".diz"));
  EXPECT_EQ(senzaEstensione("nomi.dic"), "nomi");
  EXPECT_EQ(senzaEstensione("ab"), "");
}

}  // namespace
}  // namespace tessaro
