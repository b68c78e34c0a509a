#include "platform/lingua/MotoreLinguistico.h"

// mythes.hxx uses FILE without including <cstdio>.
#include <cstdio>
#include <hunspell.hxx>
#include <mythes.hxx>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "platform/lingua/Contrari.h"
#include "platform/lingua/IndiceOrtografico.h"
#include "platform/lingua/Testo.h"

namespace tessaro {

using lingua::Codifica;

namespace {

// Longer texts are no word: Hunspell and MyThes stop at about this length.
constexpr std::size_t MaxLunghezzaParola = 100;

constexpr std::string_view NomeOrtografia = "it_IT";
constexpr std::string_view NomiSinonimi[] = {"th_it_IT_v2", "th_it_IT"};
constexpr std::string_view NomeContrari = "contrari.txt";

// Hunspell's n-gram pass walks the whole dictionary and takes 10-60 ms per
// misspelled word; the other passes (one edit away, accents, split words)
// take 1-3 ms. The engine runs Hunspell without the n-gram pass and, when
// that finds nothing, looks two edits away in its own index of the roots.
constexpr std::string_view SenzaNgrammi = "\nMAXNGRAMSUGS 0\n";

// As many guesses as Hunspell's n-gram pass gives, and one more.
constexpr std::size_t MaxSuggerimentiLontani = 5;

// The affix file of the quick engine: the n-gram pass switched off and the
// MAP table (a, à; e, é, è; ...) left out. Hunspell tries every mix of the
// mapped letters, 3^6 words for AEREOPLANO (10 ms); its one-letter
// replacements (TRY) still find a wrong or missing accent.
std::string affRapido(std::string_view aff) {
  std::string out;
  out.reserve(aff.size() + SenzaNgrammi.size());
  for (std::size_t pos = 0; pos < aff.size();) {
    auto fine = aff.find('\n', pos);
    fine = fine == std::string_view::npos ? aff.size() : fine + 1;
    const std::string_view riga = aff.substr(pos, fine - pos);
    pos = fine;
    const bool mappa = riga.starts_with("MAP") && riga.size() > 3 &&
                       (riga[3] == ' ' || riga[3] == '\t');
    if (!mappa) out += riga;
  }
  out += SenzaNgrammi;
  return out;
}

std::string percorso(const std::string& cartella, std::string_view nome) {
  return (std::filesystem::path(cartella) / nome).string();
}

bool fileLeggibile(const std::string& p) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(p, ec)) return false;
  std::ifstream f(p, std::ios::binary);
  return f.good();
}

std::optional<std::string> leggiTutto(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return std::nullopt;
  std::ostringstream s;
  s << f.rdbuf();
  if (f.bad()) return std::nullopt;
  return std::move(s).str();
}

// The first `n` lines of a file (fewer when it is shorter), without CR.
std::vector<std::string> primeRighe(const std::string& p, int n) {
  std::vector<std::string> righe;
  std::ifstream f(p, std::ios::binary);
  std::string r;
  while (static_cast<int>(righe.size()) < n && std::getline(f, r)) {
    if (!r.empty() && r.back() == '\r') r.pop_back();
    righe.push_back(r);
  }
  return righe;
}

bool interoPositivo(std::string_view s) {
  s = lingua::senzaSpaziEsterni(s);
  long v = 0;
  const auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc{} && fine == s.data() + s.size() && v > 0;
}

// A Hunspell dictionary starts with its word count; a thesaurus index with
// its encoding and then its entry count.
bool dicPlausibile(const std::string& dic) {
  const auto r = primeRighe(dic, 1);
  return !r.empty() && interoPositivo(r[0]);
}

bool idxPlausibile(const std::string& idx) {
  const auto r = primeRighe(idx, 2);
  return r.size() == 2 && lingua::codificaDaNome(r[0]) && interoPositivo(r[1]);
}

std::vector<std::string> ordineCartelle(const std::string& prog,
                                        const std::vector<std::string>& sistema) {
  std::vector<std::string> out;
  if (!prog.empty()) out.push_back(prog);
  out.insert(out.end(), sistema.begin(), sistema.end());
  return out;
}

// Candidates in order, each tried once.
class Candidati {
 public:
  bool nuovo(const std::string& c) { return !c.empty() && visti_.insert(c).second; }

 private:
  std::unordered_set<std::string> visti_;
};

std::string senzaNote(std::string_view s) {
  std::string out;
  int profondita = 0;
  for (char ch : s) {
    if (ch == '(') {
      ++profondita;
    } else if (ch == ')') {
      if (profondita > 0) --profondita;
    } else if (profondita == 0) {
      out += ch;
    }
  }
  return std::string(lingua::senzaSpaziEsterni(out));
}

bool suggerimentoAmmesso(std::string_view s) {
  return !s.empty() && s.find_first_of(" -'") == std::string_view::npos &&
         s.find("\xE2\x80\x99") == std::string_view::npos;  // typographic apostrophe
}

}  // namespace

struct MotoreLinguistico::Motori {
  std::string aff, dic;
  std::unique_ptr<Hunspell> rapido;    // without the n-gram pass; may be missing
  std::unique_ptr<Hunspell> completo;  // only when rapido could not be made
  lingua::IndiceOrtografico indice;    // the roots, with rapido
  std::unique_ptr<MyThes> thes;
  Codifica codOrtografia = Codifica::Utf8;
  Codifica codSinonimi = Codifica::Utf8;
  lingua::ElencoContrari contrari;

  Hunspell& base() { return rapido ? *rapido : *completo; }

  // Hunspell reads the affix file by name, so the quick variant is handed an
  // in-memory copy (see affRapido): nothing touches disk.
  static std::unique_ptr<Hunspell> creaRapido(const std::string& aff, const std::string& dic) {
    const auto testo = leggiTutto(aff);
    if (!testo) return nullptr;
    const int fd = memfd_create("tessaro-aff", MFD_CLOEXEC);
    if (fd < 0) return nullptr;
    const std::string contenuto = affRapido(*testo);
    bool scritto = true;
    for (std::size_t fatto = 0; fatto < contenuto.size();) {
      const auto n = ::write(fd, contenuto.data() + fatto, contenuto.size() - fatto);
      if (n <= 0) {
        scritto = false;
        break;
      }
      fatto += static_cast<std::size_t>(n);
    }
    std::unique_ptr<Hunspell> h;
    if (scritto) {
      const std::string nome = "/proc/self/fd/" + std::to_string(fd);
      h = std::make_unique<Hunspell>(nome.c_str(), dic.c_str());
    }
    ::close(fd);
    return h;
  }

  std::string inOrtografia(std::string_view utf8) const {
    return lingua::versoCodifica(utf8, codOrtografia).value_or(std::string{});
  }

  // True for a known word in any case: Hunspell accepts the all-capitals
  // form of every word, proper nouns included.
  bool corretta(std::string_view utf8) {
    const std::string w = inOrtografia(utf8);
    if (w.empty()) return false;
    if (base().spell(w)) return true;
    const std::string su = inOrtografia(lingua::maiuscolo(utf8));
    return !su.empty() && su != w && base().spell(su);
  }

  std::vector<std::string> stems(std::string_view utf8) {
    std::vector<std::string> out;
    const std::string w = inOrtografia(utf8);
    if (w.empty()) return out;
    for (const auto& s : base().stem(w)) out.push_back(lingua::daCodifica(s, codOrtografia));
    return out;
  }

  // Tries the base forms of a known word, in the order that suits its
  // ending. Hunspell's Italian stems are sound for verbs and masculine
  // plurals (parlo: parlare; belli: bello) but often miss feminine forms
  // (case: caso; aperta: aperta; libri: librare), so plural and feminine
  // endings are first tried on the word itself: a plural in -e as a
  // feminine singular (case: casa), a plural in -i as its singular (a stem
  // that agrees comes first: mani gives mano, not mane), and a feminine form
  // as its masculine (alte: alto) after the stems.
  template <class F>
  bool formeBase(const std::string& parola, F&& provaTutte) {
    const auto s = stems(parola);
    const auto conosciute = [&](std::vector<std::string> forme) {
      std::erase_if(forme, [&](const std::string& f) { return !corretta(f); });
      return forme;
    };
    if (parola.ends_with('i')) {
      const auto sing = conosciute(lingua::singolari(parola));
      std::vector<std::string> confermate;
      for (const auto& f : sing) {
        if (std::find(s.begin(), s.end(), f) != s.end()) confermate.push_back(f);
      }
      return provaTutte(confermate) || provaTutte(sing) || provaTutte(s);
    }
    if (parola.ends_with('e'))
      return provaTutte(conosciute(lingua::singolari(parola))) || provaTutte(s) ||
             provaTutte(conosciute(lingua::maschili(parola)));
    return provaTutte(s) || provaTutte(conosciute(lingua::maschili(parola)));
  }

  std::vector<std::string> suggerimenti(Hunspell& h, std::string_view utf8) const {
    std::vector<std::string> out;
    const std::string w = inOrtografia(utf8);
    if (w.empty()) return out;
    for (const auto& s : h.suggest(w)) {
      std::string u = lingua::daCodifica(s, codOrtografia);
      if (suggerimentoAmmesso(u) && std::find(out.begin(), out.end(), u) == out.end())
        out.push_back(std::move(u));
    }
    return out;
  }

  // The cleaned meanings of a thesaurus entry: notes in parentheses
  // stripped, single words only, no repeats, not the entry itself; meanings
  // left with no word are dropped.
  std::vector<std::vector<std::string>> significati(const std::string& voce) {
    std::vector<std::vector<std::string>> out;
    const auto chiave = lingua::versoCodifica(voce, codSinonimi);
    if (!chiave || chiave->empty()) return out;
    mentry* pm = nullptr;
    const int n = thes->Lookup(chiave->c_str(), static_cast<int>(chiave->size()), &pm);
    if (n <= 0 || pm == nullptr) return out;
    const std::string voceMin = lingua::minuscolo(voce);
    for (int i = 0; i < n; ++i) {
      std::vector<std::string> parole;
      for (int j = 0; j < pm[i].count; ++j) {
        if (pm[i].psyns[j] == nullptr) continue;
        std::string s = senzaNote(lingua::daCodifica(pm[i].psyns[j], codSinonimi));
        if (!lingua::soloLettere(s) || lingua::minuscolo(s) == voceMin) continue;
        if (std::find(parole.begin(), parole.end(), s) == parole.end()) parole.push_back(std::move(s));
      }
      if (!parole.empty()) out.push_back(std::move(parole));
    }
    thes->CleanUpAfterLookup(&pm, n);
    return out;
  }

  // A word answers when it has something to show: antonyms, or synonyms
  // left after cleaning (an entry with only phrases does not stop the
  // search for a base form that has words).
  bool conosciuta(const std::string& voce) {
    return contrari.contiene(lingua::minuscolo(voce)) || !significati(voce).empty();
  }
};

MotoreLinguistico::MotoreLinguistico(CartelleLingua cartelle) : cartelle_(std::move(cartelle)) {}

MotoreLinguistico::~MotoreLinguistico() = default;

bool MotoreLinguistico::attivo() const { return motori_ != nullptr; }

void MotoreLinguistico::chiudi() {
  motori_.reset();
  dati_ = {};
}

std::vector<int> MotoreLinguistico::righeContrariErrate() const {
  return motori_ ? motori_->contrari.righeErrate() : std::vector<int>{};
}

bool MotoreLinguistico::avvia() {
  chiudi();
  motivo_.clear();
  auto m = std::make_unique<Motori>();

  for (const auto& c : ordineCartelle(cartelle_.cartellaProg, cartelle_.cartelleOrtografia)) {
    const std::string aff = percorso(c, std::string(NomeOrtografia) + ".aff");
    const std::string dic = percorso(c, std::string(NomeOrtografia) + ".dic");
    if (fileLeggibile(aff) && fileLeggibile(dic)) {
      m->aff = aff;
      m->dic = dic;
      break;
    }
  }
  if (m->aff.empty()) {
    motivo_ = "dizionario ortografico it_IT (.aff/.dic) non trovato";
    return false;
  }
  if (!dicPlausibile(m->dic)) {
    motivo_ = "dizionario ortografico non valido: " + m->dic;
    return false;
  }

  std::string idx, dat;
  for (const auto& c : ordineCartelle(cartelle_.cartellaProg, cartelle_.cartelleSinonimi)) {
    for (auto nome : NomiSinonimi) {
      const std::string i = percorso(c, std::string(nome) + ".idx");
      const std::string d = percorso(c, std::string(nome) + ".dat");
      if (fileLeggibile(i) && fileLeggibile(d)) {
        idx = i;
        dat = d;
        break;
      }
    }
    if (!idx.empty()) break;
  }
  if (idx.empty()) {
    motivo_ = "dizionario dei sinonimi th_it_IT (.idx/.dat) non trovato";
    return false;
  }
  if (!idxPlausibile(idx)) {
    motivo_ = "dizionario dei sinonimi non valido: " + idx;
    return false;
  }

  m->rapido = Motori::creaRapido(m->aff, m->dic);
  if (!m->rapido) m->completo = std::make_unique<Hunspell>(m->aff.c_str(), m->dic.c_str());
  const auto codO = lingua::codificaDaNome(m->base().get_dict_encoding());
  if (!codO) {
    motivo_ = "codifica del dizionario ortografico non gestita: " + m->base().get_dict_encoding();
    return false;
  }
  m->codOrtografia = *codO;
  if (m->rapido) {
    const auto testoDic = leggiTutto(m->dic);
    if (!testoDic) {
      motivo_ = "dizionario ortografico non leggibile: " + m->dic;
      return false;
    }
    m->indice = lingua::IndiceOrtografico::daDic(lingua::daCodifica(*testoDic, m->codOrtografia));
  }

  m->thes = std::make_unique<MyThes>(idx.c_str(), dat.c_str());
  const char* nomeCod = m->thes->get_th_encoding();
  const auto codS = nomeCod ? lingua::codificaDaNome(nomeCod) : std::nullopt;
  if (!codS) {
    motivo_ = "dizionario dei sinonimi non leggibile: " + dat;
    return false;
  }
  m->codSinonimi = *codS;

  const std::string contrari = cartelle_.fileContrari.empty() && !cartelle_.cartellaProg.empty()
                                   ? percorso(cartelle_.cartellaProg, NomeContrari)
                                   : cartelle_.fileContrari;
  if (!contrari.empty()) {
    if (const auto testo = leggiTutto(contrari)) {
      m->contrari = lingua::ElencoContrari::leggi(*testo);
      dati_.contrari = contrari;
    }
  }

  dati_.aff = m->aff;
  dati_.dic = m->dic;
  dati_.idx = idx;
  dati_.dat = dat;
  motori_ = std::move(m);
  return true;
}

std::vector<std::string> InfoSinonimi::SynonymList(int significato) const {
  if (significato < 1 || significato > MeaningCount()) return {};
  return significati_[static_cast<std::size_t>(significato - 1)];
}

std::optional<InfoSinonimi> MotoreLinguistico::SynonymInfo(std::string_view testo,
                                                           int LanguageID) const {
  if (!motori_ || LanguageID != LinguaItaliana) return std::nullopt;
  Motori& m = *motori_;
  InfoSinonimi info;
  const std::string parola(lingua::senzaSpaziEsterni(lingua::daTestoProgramma(testo)));
  if (parola.empty() || parola.size() > MaxLunghezzaParola) return info;

  // The entry that answers: the word as typed (in lower case, or capitalised
  // for names such as Lucifero); for a known word, its base forms (see
  // formeBase); then the word with an accented final vowel (CITTA: città)
  // and the stems of that form.
  const std::string minuscola = lingua::minuscolo(parola);
  Candidati visti;
  std::string voce;
  auto prova = [&](const std::string& c) {
    if (voce.empty() && visti.nuovo(c) && m.conosciuta(c)) voce = c;
    return !voce.empty();
  };
  auto provaTutte = [&](const std::vector<std::string>& forme) {
    for (const auto& f : forme) {
      if (prova(f) || prova(lingua::minuscolo(f))) return true;
    }
    return false;
  };
  auto provaStems = [&](const std::string& forma) { return provaTutte(m.stems(forma)); };
  bool trovata = prova(minuscola) || prova(lingua::capitalizzato(minuscola)) ||
                 (m.corretta(minuscola) && m.formeBase(minuscola, provaTutte));
  bool daFormaBase = trovata && voce != minuscola && lingua::minuscolo(voce) != minuscola;
  if (!trovata) {
    for (const auto& a : lingua::conAccentoFinale(minuscola)) {
      if (prova(a)) break;
    }
    trovata = !voce.empty();
    for (const auto& a : lingua::conAccentoFinale(minuscola)) {
      if (trovata) break;
      if (m.corretta(a)) trovata = provaStems(a);
    }
    daFormaBase = false;
  }
  if (!trovata) return info;

  info.voce_ = voce;
  info.significati_ = m.significati(voce);
  for (const auto& c : m.contrari.di(lingua::minuscolo(voce))) {
    // Antonyms of the base form follow the form asked for: BELLA gives
    // BRUTTA, not BRUTTO, when the dictionary knows the form.
    std::string contrario = c;
    if (daFormaBase) {
      if (auto f = lingua::stessaDesinenza(minuscola, lingua::minuscolo(voce), c); f && m.corretta(*f))
        contrario = *f;
    }
    if (std::find(info.contrari_.begin(), info.contrari_.end(), contrario) == info.contrari_.end())
      info.contrari_.push_back(std::move(contrario));
  }
  if (info.significati_.empty() && !info.contrari_.empty()) info.significati_.emplace_back();
  if (info.significati_.empty()) info.voce_.clear();
  return info;
}

std::optional<SuggerimentiOrtografia> MotoreLinguistico::GetSpellingSuggestions(
    std::string_view testo, bool IgnoreUppercase, int MainDictionary) const {
  if (!motori_ || MainDictionary != LinguaItaliana) return std::nullopt;
  Motori& m = *motori_;
  const std::string parola(lingua::senzaSpaziEsterni(lingua::daTestoProgramma(testo)));
  if (parola.empty()) return std::nullopt;

  SuggerimentiOrtografia r;
  if (IgnoreUppercase && !lingua::haMinuscole(parola)) return r;
  if (parola.size() > MaxLunghezzaParola) {
    r.errore_ = wdSpellingNotInDictionary;
    return r;
  }
  if (m.corretta(parola)) return r;
  for (const auto& a : lingua::conAccentoFinale(parola)) {
    if (m.corretta(a)) return r;
  }

  r.errore_ = wdSpellingNotInDictionary;
  auto elenco = m.suggerimenti(m.base(), parola);
  if (elenco.empty() && m.rapido)
    elenco = m.indice.vicine(parola, MaxSuggerimentiLontani,
                             [&](const std::string& f) {
                               const std::string w = m.inOrtografia(f);
                               return !w.empty() && m.base().spell(w);
                             });
  for (auto& s : elenco) r.elenco_.push_back(Suggerimento{std::move(s)});
  return r;
}

}  // namespace tessaro
