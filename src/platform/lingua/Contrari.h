// The antonym list (contrari.txt in the program folder): the Italian
// thesaurus has no antonyms, so they come from this plain-text list, which
// the user may extend.
//
// Format (UTF-8; a Windows-1252 file is accepted too): one line per word,
//   parola: contrario1, contrario2
// Lines starting with "#" and blank lines are ignored. Words are taken in
// lower case. The lookup is symmetric: "alto: basso" also gives "alto" as
// the antonym of "basso".
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessaro::lingua {

class ElencoContrari {
 public:
  // Reads the text of a list. Lines that do not follow the format are
  // skipped and their numbers (from 1) kept in righeErrate().
  static ElencoContrari leggi(std::string_view testo);

  // The antonyms of `parola` (lower case UTF-8), in the order the list
  // gives them, without repeats; empty when the word is not listed.
  const std::vector<std::string>& di(std::string_view parola) const;
  bool contiene(std::string_view parola) const;

  std::size_t numeroParole() const { return contrari_.size(); }
  const std::vector<int>& righeErrate() const { return righeErrate_; }

 private:
  void aggiungi(const std::string& parola, const std::string& contrario);

  std::unordered_map<std::string, std::vector<std::string>> contrari_;
  std::vector<int> righeErrate_;
};

}  // namespace tessaro::lingua
