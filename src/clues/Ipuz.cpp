#include "clues/Ipuz.h"

#include <charconv>
#include <map>
#include <nlohmann/json.hpp>

#include "dict/Utf8.h"

namespace tessaro {

namespace {

using nlohmann::json;

// The kind, after "http:" or "https:"; a version may follow "#".
constexpr std::string_view TipoCruciverba = "//ipuz.org/crossword";
// Deeper nesting is no crossword, and the parser would need the stack for it.
constexpr int MaxAnnidamento = 32;

struct Fallimento {
  ErroreIpuz errore;
  std::string dettaglio;
};

LetturaIpuz fallita(ErroreIpuz e, std::string dettaglio) { return LetturaIpuz{std::nullopt, e, std::move(dettaglio)}; }

// Rows and columns from 1, as the status bar shows them.
std::string casella(int r, int c) { return "riga " + std::to_string(r + 1) + ", colonna " + std::to_string(c + 1); }

bool troppoAnnidato(std::string_view t) {
  int livello = 0;
  bool stringa = false, escape = false;
  for (char ch : t) {
    if (stringa) {
      if (escape) escape = false;
      else if (ch == '\\') escape = true;
      else if (ch == '"') stringa = false;
      continue;
    }
    if (ch == '"') stringa = true;
    else if (ch == '[' || ch == '{') {
      if (++livello > MaxAnnidamento) return true;
    } else if (ch == ']' || ch == '}') {
      --livello;
    }
  }
  return false;
}

bool eCruciverba(const json& j) {
  const auto it = j.find("kind");
  if (it == j.end() || !it->is_array()) return false;
  for (const json& k : *it) {
    if (!k.is_string()) continue;
    std::string_view s = k.get_ref<const std::string&>();
    if (s.starts_with("https:")) s.remove_prefix(6);
    else if (s.starts_with("http:")) s.remove_prefix(5);
    else continue;
    if (s == TipoCruciverba || (s.starts_with(TipoCruciverba) && s[TipoCruciverba.size()] == '#')) return true;
  }
  return false;
}

std::optional<int> intero(const json& j) {
  if (j.is_number_integer()) {
    const auto v = j.get<std::int64_t>();
    if (v < 0 || v > 100000) return std::nullopt;
    return static_cast<int>(v);
  }
  return std::nullopt;
}

// "12" or 12 as a number; nothing for anything else.
std::optional<int> numeroEtichetta(const json& j) {
  if (auto n = intero(j)) return n;
  if (!j.is_string()) return std::nullopt;
  const std::string& s = j.get_ref<const std::string&>();
  int n = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc{} || p != s.data() + s.size() || n < 0) return std::nullopt;
  return n;
}

// One letter A-Z from a solution text: lower case and the accented Latin
// letters fold to it (à, À: A). Nothing for two letters, digits, symbols.
std::optional<char> letteraPiegata(std::string_view s) {
  std::size_t i = 0;
  char32_t c = 0;
  if (!leggiUtf8(s, i, c) || i != s.size()) return std::nullopt;
  if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 0x20;  // Latin-1 lower to upper case
  static constexpr std::pair<char32_t, char> Pieghe[] = {
      {0xC0, 'A'}, {0xC1, 'A'}, {0xC2, 'A'}, {0xC3, 'A'}, {0xC4, 'A'}, {0xC5, 'A'}, {0xC7, 'C'},
      {0xC8, 'E'}, {0xC9, 'E'}, {0xCA, 'E'}, {0xCB, 'E'}, {0xCC, 'I'}, {0xCD, 'I'}, {0xCE, 'I'},
      {0xCF, 'I'}, {0xD1, 'N'}, {0xD2, 'O'}, {0xD3, 'O'}, {0xD4, 'O'}, {0xD5, 'O'}, {0xD6, 'O'},
      {0xD9, 'U'}, {0xDA, 'U'}, {0xDB, 'U'}, {0xDC, 'U'}, {0xDD, 'Y'}, {0x178, 'Y'}};
  for (const auto& [da, a] : Pieghe)
    if (c == da) return a;
  return std::nullopt;
}

struct CellaLetta {
  bool nera = false;
  std::string etichetta;  // "" for none
};

struct Lettore {
  std::string blocco = "#";
  json vuota = 0;
  int righe = 0, colonne = 0;

  bool eBlocco(const json& v) const { return v.is_string() && v.get_ref<const std::string&>() == blocco; }
  bool eVuota(const json& v) const {
    if (v == vuota) return true;
    if (v.is_string()) return v.get_ref<const std::string&>().empty() || v == "0";
    return v.is_number_integer() && v == 0;
  }

  std::optional<Fallimento> formaGriglia(const json& g, const char* nome) const {
    const auto errore = Fallimento{ErroreIpuz::GrigliaMalformata,
                                   std::string("la griglia \"") + nome + "\" non ha " + std::to_string(righe) +
                                       " righe di " + std::to_string(colonne) + " caselle"};
    if (!g.is_array() || g.size() != static_cast<std::size_t>(righe)) return errore;
    for (const json& riga : g)
      if (!riga.is_array() || riga.size() != static_cast<std::size_t>(colonne)) return errore;
    return std::nullopt;
  }

  std::optional<CellaLetta> cellaPuzzle(json v) const {
    if (v.is_object()) {
      const auto it = v.find("cell");
      if (it == v.end()) return CellaLetta{};
      v = *it;
    }
    if (v.is_null() || eBlocco(v)) return CellaLetta{true, {}};
    if (eVuota(v)) return CellaLetta{};
    if (const auto n = intero(v)) return CellaLetta{false, std::to_string(*n)};
    if (v.is_string()) return CellaLetta{false, v.get<std::string>()};
    return std::nullopt;
  }
};

std::string testoValore(const json& v) {
  return v.is_string() ? v.get<std::string>() : v.dump(-1, ' ', false, json::error_handler_t::replace);
}

// The Across or Down direction of a clue list's name ("Across", "Down",
// "Across:Orizzontali"); nothing for other directions.
std::optional<Verso> versoDi(std::string_view nome) {
  nome = nome.substr(0, nome.find(':'));
  if (nome == "Across") return Verso::Orizzontale;
  if (nome == "Down") return Verso::Verticale;
  return std::nullopt;
}

std::string nomeVerso(Verso v) { return v == Verso::Orizzontale ? "orizzontale" : "verticale"; }

}  // namespace

LetturaIpuz leggiIpuz(std::string_view byte) {
  if (byte.size() > MaxByteIpuz) return fallita(ErroreIpuz::TroppoGrande, "il file supera 1 MB");
  const auto malformato = [] { return fallita(ErroreIpuz::JsonMalformato, "il contenuto non è JSON valido"); };
  if (troppoAnnidato(byte)) return malformato();
  const json j = json::parse(byte.begin(), byte.end(), nullptr, false);
  if (j.is_discarded()) return malformato();
  if (!j.is_object() || !eCruciverba(j))
    return fallita(ErroreIpuz::NonCruciverba, "non è un cruciverba ipuz (tipo \"http://ipuz.org/crossword#1\")");

  Lettore l;
  const auto dim = j.find("dimensions");
  const auto larghezza = dim != j.end() && dim->is_object() && dim->contains("width") ? intero((*dim)["width"]) : std::nullopt;
  const auto altezza = dim != j.end() && dim->is_object() && dim->contains("height") ? intero((*dim)["height"]) : std::nullopt;
  if (!larghezza || !altezza)
    return fallita(ErroreIpuz::Dimensioni, "le dimensioni (\"dimensions\", \"width\" e \"height\") mancano o non sono numeri interi");
  l.righe = *altezza;
  l.colonne = *larghezza;
  if (l.righe < MinRighe || l.righe > MaxRighe || l.colonne < MinColonne || l.colonne > MaxColonne)
    return fallita(ErroreIpuz::DimensioniFuoriLimiti,
                   "lo schema è di " + std::to_string(l.righe) + " righe e " + std::to_string(l.colonne) +
                       " colonne, Tessaro ne ammette da 2 a 25 righe e da 2 a 35 colonne");
  if (const auto b = j.find("block"); b != j.end() && b->is_string()) l.blocco = b->get<std::string>();
  if (const auto e = j.find("empty"); e != j.end()) l.vuota = *e;

  const auto puzzle = j.find("puzzle");
  if (puzzle == j.end()) return fallita(ErroreIpuz::GrigliaMalformata, "manca la griglia \"puzzle\"");
  if (auto f = l.formaGriglia(*puzzle, "puzzle")) return fallita(f->errore, f->dettaglio);
  const auto soluzione = j.find("solution");
  const bool conSoluzione = soluzione != j.end() && !soluzione->is_null();
  if (conSoluzione)
    if (auto f = l.formaGriglia(*soluzione, "solution")) return fallita(f->errore, f->dettaglio);

  Cruciverba cr;
  std::vector<std::string> griglia(static_cast<std::size_t>(l.righe), std::string(static_cast<std::size_t>(l.colonne), CellaVuota));
  std::map<std::string, std::pair<int, int>> etichette;
  for (int r = 0; r < l.righe; ++r) {
    for (int c = 0; c < l.colonne; ++c) {
      const json& p = (*puzzle)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      const auto cella = l.cellaPuzzle(p);
      if (!cella)
        return fallita(ErroreIpuz::CasellaNonValida,
                       "la casella di \"puzzle\" alla " + casella(r, c) + " contiene " + testoValore(p));
      char& g = griglia[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (cella->nera) g = CellaNera;
      if (!cella->etichetta.empty()) etichette.emplace(cella->etichetta, std::pair{r, c});
      if (!conSoluzione) continue;
      json s = (*soluzione)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (s.is_object()) s = s.contains("value") ? s["value"] : json();
      const bool neraS = l.eBlocco(s);
      const bool vuotaS = s.is_null() || l.eVuota(s) || s == " ";
      // A block has no letter; a white cell has no block.
      if (cella->nera ? !(neraS || vuotaS) : neraS)
        return fallita(ErroreIpuz::NereDiverse, "la casella alla " + casella(r, c) +
                                                    " è nera in una sola delle griglie \"puzzle\" e \"solution\"");
      if (cella->nera || vuotaS) continue;
      const auto lettera = s.is_string() ? letteraPiegata(s.get_ref<const std::string&>()) : std::nullopt;
      if (!lettera)
        return fallita(ErroreIpuz::CasellaNonLettera, "la soluzione alla " + casella(r, c) + " è " + testoValore(s) +
                                                          ", non una lettera dalla A alla Z");
      g = *lettera;
    }
  }
  cr.schema.carica(static_cast<std::int16_t>(l.righe), static_cast<std::int16_t>(l.colonne), std::move(griglia));

  // Clues go to the cell their label names; a file without labels is
  // numbered as the grid shows it.
  const std::vector<int> numeri = cr.schema.numeri();
  const auto trova = [&](const json& numero) -> std::optional<std::pair<int, int>> {
    const std::string etichetta = numero.is_string() ? numero.get<std::string>() : numero.dump();
    if (const auto it = etichette.find(etichetta); it != etichette.end()) return it->second;
    const auto n = numeroEtichetta(numero);
    if (!n || *n == 0) return std::nullopt;
    for (std::size_t k = 0; k < numeri.size(); ++k)
      if (numeri[k] == *n) return std::pair{static_cast<int>(k) / l.colonne, static_cast<int>(k) % l.colonne};
    return std::nullopt;
  };
  if (const auto clues = j.find("clues"); clues != j.end() && !clues->is_null()) {
    if (!clues->is_object()) return fallita(ErroreIpuz::DefinizioneMalformata, "\"clues\" non è un elenco di definizioni per verso");
    for (const auto& [nome, elenco] : clues->items()) {
      const auto verso = versoDi(nome);
      if (!verso) continue;
      if (!elenco.is_array()) return fallita(ErroreIpuz::DefinizioneMalformata, "le definizioni \"" + nome + "\" non sono un elenco");
      for (const json& d : elenco) {
        json numero, testo;
        if (d.is_array() && d.size() >= 2) {
          numero = d[0];
          testo = d[1];
        } else if (d.is_object()) {
          if (d.contains("number")) numero = d["number"];
          else if (d.contains("numbers") && d["numbers"].is_array() && !d["numbers"].empty()) numero = d["numbers"][0];
          if (d.contains("clue")) testo = d["clue"];
        }
        if (!(numero.is_string() || numero.is_number_integer()) || !(testo.is_string() || testo.is_null()))
          return fallita(ErroreIpuz::DefinizioneMalformata,
                         "una definizione \"" + nome + "\" non ha numero e testo: " + testoValore(d));
        const auto cella = trova(numero);
        const std::string etichetta = testoValore(numero);
        if (!cella)
          return fallita(ErroreIpuz::DefinizioneSenzaCasella,
                         "la definizione " + etichetta + " " + nomeVerso(*verso) + " non ha una casella con quel numero");
        if (!cr.definizioni.testo(*verso, cella->first, cella->second).empty())
          return fallita(ErroreIpuz::DefinizioneMalformata,
                         "due definizioni " + etichetta + " " + nomeVerso(*verso));
        const auto n = numeroEtichetta(numero);
        cr.definizioni.imposta(*verso, cella->first, cella->second, testo.is_string() ? testo.get<std::string>() : "",
                               n ? *n : 0);
      }
    }
  }
  cr.definizioni.allinea(cr.schema);
  if (const auto t = j.find("title"); t != j.end() && t->is_string()) cr.titolo = t->get<std::string>();
  return LetturaIpuz{std::move(cr), ErroreIpuz::Nessuno, {}};
}

std::string scriviIpuz(const Schema& s, const Definizioni& d, std::string_view titolo) {
  using oj = nlohmann::ordered_json;
  const std::vector<int> numeri = s.numeri();
  oj puzzle = oj::array(), soluzione = oj::array();
  for (int r = 0; r < s.Righe; ++r) {
    oj rp = oj::array(), rs = oj::array();
    for (int c = 0; c < s.Colonne; ++c) {
      const char ch = s.cella(r, c);
      if (eNera(ch) || ch == CellaNeraAlt) {
        rp.push_back("#");
        rs.push_back("#");
        continue;
      }
      rp.push_back(numeri[static_cast<std::size_t>(r * s.Colonne + c)]);
      rs.push_back(ch == CellaVuota ? std::string() : std::string(1, ch));
    }
    puzzle.push_back(std::move(rp));
    soluzione.push_back(std::move(rs));
  }
  const Parole parole = paroleDi(s);
  oj clues = oj::object();
  for (const auto& [nome, verso] : {std::pair{"Across", Verso::Orizzontale}, std::pair{"Down", Verso::Verticale}}) {
    oj elenco = oj::array();
    for (const Parola& p : parole.di(verso)) elenco.push_back(oj::array({p.numero, d.testo(verso, p.riga, p.colonna)}));
    clues[nome] = std::move(elenco);
  }
  oj j = oj::object();
  j["version"] = "http://ipuz.org/v2";
  j["kind"] = oj::array({"http://ipuz.org/crossword#1"});
  j["origin"] = "Tessaro";
  j["title"] = std::string(titolo);
  j["dimensions"] = {{"width", s.Colonne}, {"height", s.Righe}};
  j["block"] = "#";
  j["empty"] = 0;
  j["puzzle"] = std::move(puzzle);
  j["solution"] = std::move(soluzione);
  j["clues"] = std::move(clues);
  return j.dump(1, ' ', false, oj::error_handler_t::replace) + "\n";
}

std::string messaggioImportazione(std::string_view nome, const LetturaIpuz& l) {
  return "Impossibile importare il file " + std::string(nome) + ": " + l.dettaglio + ".";
}

}  // namespace tessaro
