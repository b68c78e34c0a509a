#include "dict/CaricaDizionari.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <system_error>

#include "dict/CartellaDizionari.h"
#include "dict/IndiceDizionario.h"

namespace tessaro {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view TestoErroreLettura = "... impossibile leggere il dizionario: ";

std::string erroreLettura(std::string_view nome) {
  std::string t(TestoErroreLettura);
  t += nome;
  t += " !";
  return t;
}

}  // namespace

void normalizzaTestoPiano(std::string& testo) {
  if (testo.starts_with(Bom)) testo.erase(0, Bom.size());
  std::size_t soli = 0;
  for (std::size_t i = 0; i < testo.size(); ++i)
    if (testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r')) ++soli;
  if (soli == 0) return;
  std::string out;
  out.reserve(testo.size() + soli);
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r')) out += '\r';
    out += testo[i];
  }
  testo = std::move(out);
}

bool leggiFileIntero(const std::filesystem::path& percorso, std::string& testo) {
  std::ifstream in(percorso, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  std::streamoff dim = in.tellg();
  // Positions are 32-bit; leave room for the CR added to LF-only lines.
  if (dim < 0 || dim > std::numeric_limits<std::int32_t>::max() / 2) return false;
  in.seekg(0, std::ios::beg);
  testo.resize(static_cast<std::size_t>(dim));
  if (dim > 0 && !in.read(testo.data(), dim)) return false;
  return in.gcount() == dim || dim == 0;
}

EsitoCaricamento caricaDizionari(const std::filesystem::path& cartellaProg,
                                 const ChiamataDecoder& decoder,
                                 const std::filesystem::path& cartellaScratch, Cedi& cedi) {
  EsitoCaricamento e;
  SlotDizionari s = scansionaCartella(cartellaProg);
  e.archivio.DizCont = s.DizCont;
  for (int i = 0; i < NumSlot; ++i) e.archivio.slot[static_cast<std::size_t>(i)].nome = s.nome[static_cast<std::size_t>(i)];
  if (s.nome[1] != NomeBase) {
    e.errore = TestoMancaBase;
    return e;
  }
  for (int i = 1; i <= s.DizCont; ++i) {
    Dizionario& d = e.archivio.slot[static_cast<std::size_t>(i)];
    if (d.vuoto()) continue;
    if (passaDalDecoder(d.nome)) {
      if (!decoder || decoder(static_cast<std::int16_t>(i)) > 0) {
        e.errore = TestoErroreDecoder;
        return e;
      }
      std::filesystem::path scratch = cartellaScratch / senzaEstensione(d.nome);
      bool letto = leggiFileIntero(scratch, d.testo);
      std::error_code ec;
      std::filesystem::remove(scratch, ec);  // read once, never left behind
      if (!letto) {
        e.errore = TestoErroreDecoder;
        return e;
      }
    } else {
      if (!leggiFileIntero(cartellaProg / d.nome, d.testo)) {
        e.errore = erroreLettura(d.nome);
        return e;
      }
      normalizzaTestoPiano(d.testo);
    }
    for (std::string& v : indicizza(d, cedi)) e.avvisi.push_back({i, std::move(v)});
  }
  return e;
}

namespace {

// Built by appending: GCC 12 warns falsely on chains of string operator+.
std::string didascalia(int k, std::string_view separatore, std::string_view nome) {
  std::string t = "D";
  t += std::to_string(k);
  t += separatore;
  t += nome;
  return t;
}

}  // namespace

std::string didascaliaMenu(int k, std::string_view nome) { return didascalia(k, "- ", nome); }

std::string didascaliaVisore(int k, std::string_view nome) { return didascalia(k, "-", nome); }

}  // namespace tessaro
