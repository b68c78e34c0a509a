#include "clues/FileDef.h"

#include <charconv>

#include "dict/Utf8.h"

namespace tessaro {

namespace {

constexpr std::string_view Intestazione = "# Tessaro - definizioni: verso (O/V), numero, riga, colonna, testo\n";
constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool utf8Valido(std::string_view s) {
  std::size_t i = 0;
  char32_t c = 0;
  while (i < s.size())
    if (!leggiUtf8(s, i, c)) return false;
  return true;
}

// The next blank-ended field of `resto` as a number in 0..massimo.
std::optional<int> numero(std::string_view& resto, int massimo) {
  const std::size_t fine = resto.find(' ');
  if (fine == std::string_view::npos || fine == 0 || fine > 4) return std::nullopt;
  int n = 0;
  const auto [p, ec] = std::from_chars(resto.data(), resto.data() + fine, n);
  if (ec != std::errc{} || p != resto.data() + fine || n < 0 || n > massimo) return std::nullopt;
  resto.remove_prefix(fine + 1);
  return n;
}

LetturaDef errore(ErroreDef e, int riga) { return LetturaDef{std::nullopt, e, riga}; }

}  // namespace

std::string scriviDef(const Definizioni& d, const Schema& s) {
  Definizioni allineate = d;
  allineate.allinea(s);
  std::string out(Intestazione);
  for (const Definizione& x : allineate.tutte()) {
    out += static_cast<char>(x.verso);
    for (int n : {x.numero, x.riga + 1, x.colonna + 1}) {
      out += ' ';
      out += std::to_string(n);
    }
    out += ' ';
    out += x.testo;
    out += '\n';
  }
  return out;
}

LetturaDef leggiDef(std::string_view byte) {
  if (byte.size() > MaxByteDef) return errore(ErroreDef::TroppoGrande, 0);
  if (byte.starts_with(Bom)) byte.remove_prefix(Bom.size());
  Definizioni d;
  int n = 0;
  while (!byte.empty()) {
    ++n;
    const std::size_t fine = byte.find('\n');
    std::string_view riga = byte.substr(0, fine);
    byte.remove_prefix(fine == std::string_view::npos ? byte.size() : fine + 1);
    if (riga.ends_with('\r')) riga.remove_suffix(1);
    if (riga.empty() || riga.front() == '#') continue;
    if (!utf8Valido(riga)) return errore(ErroreDef::NonUtf8, n);
    if (riga.size() < 2 || (riga[0] != 'O' && riga[0] != 'V') || riga[1] != ' ')
      return errore(ErroreDef::RigaMalformata, n);
    const auto verso = static_cast<Verso>(riga[0]);
    riga.remove_prefix(2);
    const auto num = numero(riga, 9999);
    const auto r = num ? numero(riga, 9999) : std::nullopt;
    const auto c = r ? numero(riga, 9999) : std::nullopt;
    if (!c) return errore(ErroreDef::RigaMalformata, n);
    if (*r < 1 || *c < 1 || *r > MaxRighe || *c > MaxColonne) return errore(ErroreDef::CasellaFuoriLimiti, n);
    if (!d.testo(verso, *r - 1, *c - 1).empty()) return errore(ErroreDef::Ripetuta, n);
    d.imposta(verso, *r - 1, *c - 1, riga, *num);
  }
  return LetturaDef{std::move(d), ErroreDef::Nessuno, 0};
}

std::string descrizioneErroreDef(const LetturaDef& l) {
  const std::string riga = "riga " + std::to_string(l.riga) + ": ";
  switch (l.errore) {
    case ErroreDef::Nessuno: return {};
    case ErroreDef::TroppoGrande: return "il file supera 1 MB";
    case ErroreDef::NonUtf8: return riga + "il testo non è in UTF-8";
    case ErroreDef::RigaMalformata: return riga + "non è nella forma \"O numero riga colonna testo\"";
    case ErroreDef::CasellaFuoriLimiti: return riga + "la casella è fuori da ogni schema (righe da 1 a 25, colonne da 1 a 35)";
    case ErroreDef::Ripetuta: return riga + "una seconda definizione per la stessa casella e lo stesso verso";
  }
  return {};
}

std::string nomeDef(std::string_view nomeTes) {
  const std::size_t barra = nomeTes.find_last_of('/');
  const std::size_t inizioNome = barra == std::string_view::npos ? 0 : barra + 1;
  const std::size_t punto = nomeTes.find_last_of('.');
  if (punto != std::string_view::npos && punto > inizioNome) nomeTes = nomeTes.substr(0, punto);
  return std::string(nomeTes) + std::string(EstensioneDef);
}

}  // namespace tessaro
