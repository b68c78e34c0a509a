// The linguistic engine that answers the TEST tools' synonym, antonym and
// spelling questions: Hunspell (it_IT) for spelling and stems, MyThes
// (th_it_IT_v2) for synonyms, the program's own antonym list for antonyms.
// Its calls keep the names the window's tools use (SynonymInfo,
// MeaningCount, SynonymList, AntonymList, GetSpellingSuggestions,
// SpellingErrorType, Count, Name).
//
// Text: every argument is the program's text, UTF-8 (what QString::
// toStdString gives) or, when it is not valid UTF-8, Windows-1252 bytes;
// every word returned is UTF-8, as the dictionaries give it (usually lower
// case). The window upper-cases what it shows.
//
// Nothing is written to disk.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The language code of Italian in the word processor's numbering; the only
// language the engine answers for.
inline constexpr int LinguaItaliana = 1040;

// SpellingErrorType values.
inline constexpr int wdSpellingCorrect = 0;
inline constexpr int wdSpellingNotInDictionary = 1;

// Shown by the window (title TitoloAvvioLingua) when the engine cannot start.
// UTF-8.
inline constexpr std::string_view MsgAvvioLinguaFallito =
    "Impossibilità di usare MS Word direttamente da questo programma.\r\n"
    "Potrebbe dipendere da MS Word già in uso. In tal caso uscire dal programma,\r\n"
    "chiudere MS Word, quindi rilanciare questo programma.";
inline constexpr std::string_view TitoloAvvioLingua = "Attenzione!";

// Where the engine looks for its data. A copy in the program folder wins
// over the system folders, which are searched in order.
struct CartelleLingua {
  std::string cartellaProg;  // may be empty
  std::vector<std::string> cartelleOrtografia{"/usr/share/hunspell", "/usr/share/myspell/dicts",
                                              "/usr/share/myspell"};
  std::vector<std::string> cartelleSinonimi{"/usr/share/mythes", "/usr/share/myspell/dicts"};
  // The antonym list; empty means cartellaProg + "/contrari.txt". A missing
  // list only means no antonyms.
  std::string fileContrari;
};

// The files the engine found and uses.
struct DatiLingua {
  std::string aff, dic;  // Hunspell
  std::string idx, dat;  // MyThes
  std::string contrari;  // empty when the list was not found
};

// The thesaurus answer for one word.
class InfoSinonimi {
 public:
  // The meanings of the word; a word only the antonym list knows has one
  // meaning with no synonyms.
  int MeaningCount() const { return static_cast<int>(significati_.size()); }
  // Synonyms of meaning `significato` (from 1), single words only, in the
  // thesaurus's order, without repeats and without the word itself; empty
  // when there is no such meaning.
  std::vector<std::string> SynonymList(int significato) const;
  std::vector<std::string> AntonymList() const { return contrari_; }
  // The entry that answered: "bello" for BELLA, "città" for CITTA; empty
  // when nothing answered.
  const std::string& voce() const { return voce_; }

 private:
  friend class MotoreLinguistico;
  std::string voce_;
  std::vector<std::vector<std::string>> significati_;
  std::vector<std::string> contrari_;
};

struct Suggerimento {
  std::string Name;
};

// The spelling answer for one word; iterable in suggestion order.
class SuggerimentiOrtografia {
 public:
  int SpellingErrorType() const { return errore_; }
  int Count() const { return static_cast<int>(elenco_.size()); }
  auto begin() const { return elenco_.begin(); }
  auto end() const { return elenco_.end(); }

 private:
  friend class MotoreLinguistico;
  int errore_ = wdSpellingCorrect;
  std::vector<Suggerimento> elenco_;
};

class MotoreLinguistico {
 public:
  explicit MotoreLinguistico(CartelleLingua cartelle = {});
  ~MotoreLinguistico();
  MotoreLinguistico(const MotoreLinguistico&) = delete;
  MotoreLinguistico& operator=(const MotoreLinguistico&) = delete;

  // Loads the data (again, if already started). False when the spelling
  // dictionary or the thesaurus is missing or unreadable; motivo() then
  // says why, for the developer.
  bool avvia();
  // Releases the data; harmless when not started.
  void chiudi();
  bool attivo() const;
  const std::string& motivo() const { return motivo_; }
  const DatiLingua& dati() const { return dati_; }
  // Line numbers (from 1) of the antonym list's malformed lines.
  std::vector<int> righeContrariErrate() const;

  // Case is ignored; the text is trimmed of outer blanks. A word the
  // thesaurus does not know as typed is tried through its base forms
  // (BELLA: bello; CASE: casa; PARLO: parlare) and, when the dictionary does
  // not know it, with an accented final vowel (CITTA: città). Antonyms of a
  // base form take the form's ending when the dictionary knows the result
  // (BELLA: brutta).
  // nullopt when the engine is not started or the language is not Italian.
  std::optional<InfoSinonimi> SynonymInfo(std::string_view testo,
                                          int LanguageID = LinguaItaliana) const;

  // wdSpellingCorrect for a known word in any case, and for a word that
  // differs from a known one only by a missing final accent (CITTA,
  // PERCHE); otherwise wdSpellingNotInDictionary and the suggestions,
  // leaving out those with blanks, hyphens or apostrophes. With
  // IgnoreUppercase a word without lower-case letters counts as correct.
  // nullopt when the engine is not started, the language is not Italian or
  // the text holds no word.
  std::optional<SuggerimentiOrtografia> GetSpellingSuggestions(
      std::string_view testo, bool IgnoreUppercase = false,
      int MainDictionary = LinguaItaliana) const;

 private:
  struct Motori;
  CartelleLingua cartelle_;
  DatiLingua dati_;
  std::string motivo_;
  std::unique_ptr<Motori> motori_;
};

}  // namespace tessaro
