// The root index behind the far spelling guesses, on small dictionaries.
#include "platform/lingua/IndiceOrtografico.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessaro::lingua {
namespace {

using Parole = std::vector<std::string>;

constexpr std::string_view Dic =
    "13\n"
    "ragazzo/o\n"
    "raggiato/Ey\n"
    "scrivania/Q\n"
    "città/S\n"
    "Roma\n"
    "aereo plano\n"
    "lupo po:nome\n"
    "dell'altro\n"
    "/ a comment\n"
    "ben-fatto\n"
    "\n"
    "casa\tpo:nome\r\n"
    "cosa/Q\r\n";

const auto tutte = [](const std::string&) { return true; };

TEST(LinguaIndice, LeggeSoloLeParoleSemplici) {
  const auto ind = IndiceOrtografico::daDic(Dic);
  EXPECT_EQ(ind.size(), 8u);  // no blank, apostrophe, hyphen, comment or empty line
  EXPECT_TRUE(IndiceOrtografico::daDic("").vicine("casa", 5, tutte).empty());
  EXPECT_TRUE(IndiceOrtografico::daDic("0\n\xFF\xFE/x\n").vicine("casa", 5, tutte).empty());
}

TEST(LinguaIndice, DueModificheEIlMiglioreInTesta) {
  const auto ind = IndiceOrtografico::daDic(Dic);
  // Case follows the word typed; morphology is dropped; three edits, short
  // words, nonsense and overlong words give nothing.
  const std::pair<std::string, Parole> casi[] = {
      {"raggazo", {"ragazzo"}}, {"scsrivaniaa", {"scrivania"}}, {"citaa", {"città"}}, {"Rmoa", {"Roma"}},
      {"RAGAZO", {"RAGAZZO"}}, {"Scrivaniaa", {"Scrivania"}},   {"lpuo", {"lupo"}},   {"rgazzzt", {}},
      {"ca", {}},              {"xqzwt", {}},                   {std::string(300, 'a'), {}}, {"\xFF\xFE", {}},
  };
  for (const auto& [parola, attese] : casi) EXPECT_EQ(ind.vicine(parola, 5, tutte), attese) << parola.substr(0, 12);
  EXPECT_EQ(ind.vicine("csaaa", 5, tutte).front(), "casa");
  EXPECT_TRUE(ind.vicine("raggazo", 0, tutte).empty());
}

TEST(LinguaIndice, FormeConLaVocaleFinaleDellaParola) {
  const auto ind = IndiceOrtografico::daDic(Dic);
  std::set<std::string> chieste;
  const auto soloRagazzi = [&](const std::string& f) {
    chieste.insert(f);
    return f == "ragazzi";
  };
  EXPECT_EQ(ind.vicine("raggazi", 5, soloRagazzi), (Parole{"ragazzi"}));
  EXPECT_TRUE(chieste.count("ragazzi"));
  // The form comes first; one the dictionary rejects is not offered.
  EXPECT_EQ(ind.vicine("scsrivanie", 5, tutte).front(), "scrivanie");
  EXPECT_EQ(ind.vicine("scsrivanie", 5, [](const std::string&) { return false; }),
            (Parole{"scrivania"}));
}

}  // namespace
}  // namespace tessaro::lingua
