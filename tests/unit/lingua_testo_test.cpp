#include "platform/lingua/Testo.h"

#include <gtest/gtest.h>

namespace tessaro::lingua {
namespace {

TEST(LinguaTesto, CodificheEUtf8Valido) {
  for (const char* n : {"UTF-8", "utf-8 "}) EXPECT_EQ(codificaDaNome(n), Codifica::Utf8) << n;
  for (const char* n : {"ISO8859-1", "ISO8859-15", "microsoft-cp1252"})
    EXPECT_EQ(codificaDaNome(n), Codifica::SingoloByte) << n;
  EXPECT_FALSE(codificaDaNome("KOI8-R"));
  EXPECT_FALSE(codificaDaNome(""));
  EXPECT_TRUE(utf8Valido("città"));
  EXPECT_TRUE(utf8Valido(""));
  // A Latin-1 byte, an overlong "/", cut short at the end, a surrogate,
  // beyond U+10FFFF.
  for (const char* t : {"citt\xE0", "\xC0\xAF", "a\xE0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
    EXPECT_FALSE(utf8Valido(t)) << t;
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

TEST(LinguaTesto, SoloLettereESpaziEsterni) {
  for (const char* t : {"perché", "Lucifero"}) EXPECT_TRUE(soloLettere(t)) << t;
  for (const char* t : {"", "in crisi", "uomo-rana", "all'altezza", "ecc.", "a1"}) EXPECT_FALSE(soloLettere(t)) << t;
  EXPECT_EQ(senzaSpaziEsterni("  casa\t\r\n"), "casa");
  EXPECT_EQ(senzaSpaziEsterni(" in crisi "), "in crisi");
  EXPECT_EQ(senzaSpaziEsterni("   "), "");
}

TEST(LinguaTesto, AccentoFinaleMancante) {
  EXPECT_EQ(conAccentoFinale("citta"), (std::vector<std::string>{"città"}));
  EXPECT_EQ(conAccentoFinale("PERCHE"), (std::vector<std::string>{"PERCHÈ", "PERCHÉ"}));
  EXPECT_EQ(conAccentoFinale("virtu"), (std::vector<std::string>{"virtù"}));
  for (const char* t : {"cantar", "città", ""}) EXPECT_TRUE(conAccentoFinale(t).empty()) << t;
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
