#include "files/FileTes.h"

#include <charconv>
#include <vector>

namespace tessaro {

namespace {

constexpr std::string_view FineRiga = "\r\n";

bool eCellaValida(char c) {
  return (c >= 'A' && c <= 'Z') || c == CellaVuota || c == CellaNeraAlt || c == CellaNera;
}

// A hand-edited file may hold a letter in lower case, or a blank for an
// empty cell (the cell actions treat a blank as empty too).
char cellaLetta(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return c == ' ' ? CellaVuota : c;
}

bool eFineRiga(char c) { return c == '\r' || c == '\n'; }

// The comma/quote field reader over a file's bytes.
class LettoreCampi {
 public:
  explicit LettoreCampi(std::string_view t) : t_(t) {}

  // The next field, or nothing at the end of the text or on a malformed
  // quoted field (malformato() then tells which).
  std::optional<std::string_view> campo() {
    while (pos_ < t_.size() && t_[pos_] == ' ') ++pos_;
    if (pos_ >= t_.size()) return std::nullopt;
    std::string_view valore;
    if (t_[pos_] == '"') {
      const std::size_t chiusa = t_.find('"', pos_ + 1);
      if (chiusa == std::string_view::npos) return rifiuta();
      valore = t_.substr(pos_ + 1, chiusa - pos_ - 1);
      pos_ = chiusa + 1;
      while (pos_ < t_.size() && t_[pos_] == ' ') ++pos_;
      if (pos_ < t_.size() && t_[pos_] != ',' && !eFineRiga(t_[pos_])) return rifiuta();
    } else {
      const std::size_t inizio = pos_;
      while (pos_ < t_.size() && t_[pos_] != ',' && !eFineRiga(t_[pos_])) ++pos_;
      valore = t_.substr(inizio, pos_ - inizio);
      while (!valore.empty() && valore.back() == ' ') valore.remove_suffix(1);
    }
    consumaSeparatore();
    return valore;
  }

  bool malformato() const { return malformato_; }

 private:
  std::optional<std::string_view> rifiuta() {
    malformato_ = true;
    return std::nullopt;
  }

  void consumaSeparatore() {
    if (pos_ >= t_.size()) return;
    if (t_[pos_] == ',') {
      ++pos_;
    } else if (t_[pos_] == '\r') {
      ++pos_;
      if (pos_ < t_.size() && t_[pos_] == '\n') ++pos_;
    } else if (t_[pos_] == '\n') {
      ++pos_;
    }
  }

  std::string_view t_;
  std::size_t pos_ = 0;
  bool malformato_ = false;
};

std::optional<std::int16_t> intero16(std::optional<std::string_view> campo) {
  if (!campo || campo->empty()) return std::nullopt;
  std::string_view t = *campo;
  if (t.front() == '+') t.remove_prefix(1);
  std::int16_t n = 0;
  const auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (ec != std::errc{} || fine != t.data() + t.size()) return std::nullopt;
  return n;
}

LetturaTes errore(ErroreTes e) { return LetturaTes{std::nullopt, e}; }

}  // namespace

std::string scriviTes(const Schema& s) {
  std::string out = std::to_string(s.Righe) + "," + std::to_string(s.Colonne);
  out += FineRiga;
  for (const auto& riga : s.Griglia) {
    out += '"';
    out += riga;
    out += '"';
    out += FineRiga;
  }
  return out;
}

LetturaTes leggiTes(std::string_view byte) {
  if (byte.size() > MaxByteTes) return errore(ErroreTes::TroppoGrande);
  LettoreCampi lettore(byte);
  const auto righe = intero16(lettore.campo());
  const auto colonne = righe ? intero16(lettore.campo()) : std::nullopt;
  if (!righe || !colonne) return errore(ErroreTes::DimensioniNonNumeri);
  if (*righe < MinRighe || *righe > MaxRighe || *colonne < MinColonne || *colonne > MaxColonne)
    return errore(ErroreTes::DimensioniFuoriLimiti);

  std::vector<std::string> griglia;
  griglia.reserve(static_cast<std::size_t>(*righe));
  for (int r = 0; r < *righe; ++r) {
    const auto campo = lettore.campo();
    if (!campo) return errore(lettore.malformato() ? ErroreTes::RigaMalformata : ErroreTes::RigheMancanti);
    if (campo->size() != static_cast<std::size_t>(*colonne)) return errore(ErroreTes::LunghezzaRiga);
    std::string riga(*campo);
    for (char& c : riga) {
      c = cellaLetta(c);
      if (!eCellaValida(c)) return errore(ErroreTes::CarattereNonValido);
    }
    griglia.push_back(std::move(riga));
  }
  Schema s;
  s.carica(*righe, *colonne, std::move(griglia));
  return LetturaTes{std::move(s), ErroreTes::Nessuno};
}

std::string conEstensioneTes(std::string_view nome) {
  std::string out(nome);
  if (nome.size() >= EstensioneTes.size()) {
    std::string coda(nome.substr(nome.size() - EstensioneTes.size()));
    for (char& c : coda)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (coda == EstensioneTes) return out;
  }
  out += EstensioneTes;
  return out;
}

}  // namespace tessaro
