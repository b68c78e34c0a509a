#include "Esclusioni.h"

namespace espandi {

namespace {

// The flags of it_IT.aff that join a further number to a numeral root:
// units (| VENTUNO), tens (! CENTODIECI), thousands before it (" MILLECENTO)
// and the ordinals and ages of the joined number (& ( =). The ordinal and
// age of the root alone (@ CENTESIMO, ) CENTENNE) are not joins.
constexpr std::string_view FlagUnione = "|!\"&(=";

// Roots of one hundred and more: CENTO, DUECENTO, MILLE, DUEMILA.
bool centinaiaOMigliaia(std::u32string_view r) {
  return r.ends_with(U"cento") || r.ends_with(U"mille") || r.ends_with(U"mila");
}

bool unisce(const Regola* r) {
  return r != nullptr && FlagUnione.find(static_cast<char>(r->flag)) != std::string_view::npos;
}

bool romana(const Affissi& a, const Regola* r) { return r != nullptr && a.romano[r->flag]; }

// The root of a Roman numeral itself (XX, XXX): all its flags are Roman.
bool radiceRomana(const Affissi& a, std::string_view flag) {
  if (flag.empty()) return false;
  for (char c : flag)
    if (!a.romano[static_cast<unsigned char>(c)]) return false;
  return true;
}

}  // namespace

std::string_view nomeMotivo(Motivo m) {
  for (const RegolaEsclusione& r : Esclusioni)
    if (r.motivo == m) return r.nome;
  return "";
}

Motivo motivoTesto(const Sigle& sigle, std::string_view parola) {
  if (parola.find('\'') != std::string_view::npos) return Motivo::elisione;
  if (sigle.count(std::string(parola)) > 0) return Motivo::sigla;
  return Motivo::nessuno;
}

bool encliticaComune(const Forma& f) {
  if (f.prefisso != nullptr || f.suffisso == nullptr || f.suffisso->catena == 0) return false;
  std::u32string_view c = std::u32string_view(f.testo).substr(f.testo.size() - f.suffisso->catena);
  if (c.size() >= 2 && c[0] == c[1]) c.remove_prefix(1);  // FA + MMI
  for (std::u32string_view p : {U"mi", U"ti", U"ci", U"vi", U"si", U"lo", U"la", U"li", U"le", U"ne", U"gli"})
    if (c == p) return true;
  // Pairs after the first person plural are rare (PARLIAMOTELO).
  if (std::u32string_view(f.testo).substr(0, f.testo.size() - c.size()).ends_with(U"mo")) return false;
  for (std::u32string_view primo : {U"me", U"te", U"ce", U"ve", U"se", U"glie"})
    for (std::u32string_view secondo : {U"lo", U"la", U"li", U"le", U"ne"})
      if (c.size() == primo.size() + secondo.size() && c.starts_with(primo) && c.ends_with(secondo)) return true;
  return false;
}

Motivo motivoLista(const Sigle& sigle, const Sigle& proprie, std::string_view parola, unsigned motivi) {
  if (Motivo m = motivoTesto(sigle, parola); m != Motivo::nessuno) return m;
  auto ha = [motivi](Motivo m) { return (motivi & (1u << static_cast<unsigned>(m))) != 0; };
  if (motivi == 0 || ha(Motivo::nessuno) || ha(Motivo::romano)) return Motivo::nessuno;
  if ((ha(Motivo::enclitica) || ha(Motivo::siComposto)) && proprie.count(std::string(parola)) > 0)
    return Motivo::nessuno;
  if (ha(Motivo::enclitica) && (parola.ends_with("ale") || parola.ends_with("ali"))) return Motivo::nessuno;
  for (const RegolaEsclusione& r : Esclusioni)
    if (ha(r.motivo)) return r.motivo;
  return Motivo::nessuno;
}

Motivo motivoForma(const Affissi& a, const Sigle& sigle, std::u32string_view radice,
                   std::string_view flag, const Forma& f) {
  if (Motivo m = motivoTesto(sigle, aUtf8(f.testo)); m != Motivo::nessuno) return m;
  const bool diRadice = f.suffisso == nullptr && f.prefisso == nullptr;
  if (romana(a, f.suffisso) || romana(a, f.prefisso) || (diRadice && radiceRomana(a, flag)))
    return Motivo::romano;
  if (centinaiaOMigliaia(radice) && (unisce(f.suffisso) || unisce(f.prefisso))) return Motivo::numerale;
  if (const Regola* s = f.suffisso; s != nullptr && s->catenaSi > 0) {
    // The stem before the chain: only an infinitive takes SI (PARLARSI).
    const std::size_t fine = f.testo.size() - s->catenaSi;
    if (fine > 0 && f.testo[fine - 1] != U'r') return Motivo::siComposto;
  }
  if (f.suffisso != nullptr && f.suffisso->catena > 0) return Motivo::enclitica;
  return Motivo::nessuno;
}

}  // namespace espandi
