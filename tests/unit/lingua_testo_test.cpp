#include "platform/lingua/Testo.h"

#include <gtest/gtest.h>

namespace tessaro::lingua {
namespace {

TEST(LinguaTesto, CodificheRiconosciute) {
  EXPECT_EQ(codificaDaNome("UTF-8"), Codifica::Utf8);
  EXPECT_EQ(codificaDaNome("utf-8 "), Codifica::Utf8);
  EXPECT_EQ(codificaDaNome("ISO8859-1"), Codifica::SingoloByte);
  EXPECT_EQ(codificaDaNome("ISO8859-15"), Codifica::SingoloByte);
  EXPECT_EQ(codificaDaNome("microsoft-cp1252"), Codifica::SingoloByte);
  EXPECT_FALSE(codificaDaNome("KOI8-R"));
  EXPECT_FALSE(codificaDaNome(""));
}

TEST(LinguaTesto, Utf8NonValidoRiconosciuto) {
  EXPECT_TRUE(utf8Valido("città"));
  EXPECT_TRUE(utf8Valido(""));
  EXPECT_FALSE(utf8Valido("citt\xE0"));        // Latin-1 byte
  EXPECT_FALSE(utf8Valido("\xC0\xAF"));        // overlong "/"
  EXPECT_FALSE(utf8Valido("a\xE0\x80"));       // cut short at the end
  EXPECT_FALSE(utf8Valido("\xED\xA0\x80"));    // surrogate
  EXPECT_FALSE(utf8Valido("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(LinguaTesto, TestoDelProgrammaDiventaUtf8) {
  EXPECT_EQ(daTestoProgramma("CITTA"), "CITTA");
  EXPECT_EQ(daTestoProgramma("città"), "città");
  EXPECT_EQ(daTestoProgramma("citt\xE0"), "città");
  EXPECT_EQ(daTestoProgramma("PERCH\xC9"), "PERCHÉ");
  EXPECT_EQ(daTestoProgramma("\x80"), "€");  // Windows-1252, not Latin-1
}

TEST(LinguaTesto, SingoloByteAndataERitorno) {
  EXPECT_EQ(inSingoloByte("città €"), std::optional<std::string>("citt\xE0 \x80"));
  EXPECT_EQ(daSingoloByte("citt\xE0 \x80"), "città €");
  EXPECT_EQ(daSingoloByte(*inSingoloByte("\xC2\x81")), "\xC2\x81");  // undefined byte kept
  EXPECT_FALSE(inSingoloByte("Ωmega"));
  EXPECT_FALSE(inSingoloByte("citt\xE0"));
  EXPECT_EQ(versoCodifica("città", Codifica::Utf8), std::optional<std::string>("città"));
  EXPECT_EQ(daCodifica("citt\xE0", Codifica::SingoloByte), "città");
}

TEST(LinguaTesto, MaiuscoleEMinuscole) {
  EXPECT_EQ(minuscolo("CITTÀ PERCHÉ"), "città perché");
  EXPECT_EQ(maiuscolo("città perché"), "CITTÀ PERCHÉ");
  EXPECT_EQ(maiuscolo("ß×"), "ß×");
  EXPECT_EQ(capitalizzato("BELZEBÙ"), "Belzebù");
  EXPECT_TRUE(haMinuscole("Casa"));
  EXPECT_TRUE(haMinuscole("CASà"));
  EXPECT_FALSE(haMinuscole("CASA1"));
}

TEST(LinguaTesto, SoloLettere) {
  EXPECT_TRUE(soloLettere("perché"));
  EXPECT_TRUE(soloLettere("Lucifero"));
  EXPECT_FALSE(soloLettere(""));
  EXPECT_FALSE(soloLettere("in crisi"));
  EXPECT_FALSE(soloLettere("uomo-rana"));
  EXPECT_FALSE(soloLettere("all'altezza"));
  EXPECT_FALSE(soloLettere("ecc."));
  EXPECT_FALSE(soloLettere("a1"));
}

TEST(LinguaTesto, SpaziEsterni) {
  EXPECT_EQ(senzaSpaziEsterni("  casa\t\r\n"), "casa");
  EXPECT_EQ(senzaSpaziEsterni(" in crisi "), "in crisi");
  EXPECT_EQ(senzaSpaziEsterni("   "), "");
}

TEST(LinguaTesto, AccentoFinaleMancante) {
  EXPECT_EQ(conAccentoFinale("citta"), (std::vector<std::string>{"città"}));
  EXPECT_EQ(conAccentoFinale("PERCHE"), (std::vector<std::string>{"PERCHÈ", "PERCHÉ"}));
  EXPECT_EQ(conAccentoFinale("virtu"), (std::vector<std::string>{"virtù"}));
  EXPECT_TRUE(conAccentoFinale("cantar").empty());
  EXPECT_TRUE(conAccentoFinale("città").empty());
  EXPECT_TRUE(conAccentoFinale("").empty());
}

TEST(LinguaTesto, FormeBaseIndovinate) {
  using V = std::vector<std::string>;
  EXPECT_EQ(singolari("case"), (V{"casa"}));
  EXPECT_EQ(singolari("bianche"), (V{"biancha", "bianca"}));
  EXPECT_EQ(singolari("libri"), (V{"libro", "libre"}));
  EXPECT_EQ(singolari("lunghi"), (V{"lungho", "lungo", "lunghe", "lunge"}));
  EXPECT_TRUE(singolari("casa").empty());
  EXPECT_EQ(maschili("alta"), (V{"alto"}));
  EXPECT_EQ(maschili("bianche"), (V{"biancho", "bianco"}));
  EXPECT_TRUE(maschili("alto").empty());
  EXPECT_TRUE(maschili("re").empty());  // too short to have an ending
}

TEST(LinguaTesto, DesinenzaPortataSulContrario) {
  EXPECT_EQ(stessaDesinenza("bella", "bello", "brutto"), std::optional<std::string>("brutta"));
  EXPECT_EQ(stessaDesinenza("felici", "felice", "infelice"),
            std::optional<std::string>("infelici"));
  EXPECT_FALSE(stessaDesinenza("grandi", "grande", "piccolo"));  // other ending
  EXPECT_FALSE(stessaDesinenza("bello", "bello", "brutto"));     // same form
  EXPECT_FALSE(stessaDesinenza("correva", "correre", "stare"));  // not one letter
}

}  // namespace
}  // namespace tessaro::lingua
