#include "dict/CaricaDizionari.h"

#include <algorithm>
#include <cerrno>

#include "dict/CartellaDizionari.h"
#include "dict/Concatena.h"
#include "dict/CostruzioneDizionario.h"
#include "dict/IndiceDizionario.h"
#include "dict/Testo1252.h"
#include "dict/Utf8.h"

namespace tessaro {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view TestoErroreLettura = "... impossibile leggere il dizionario: ";

// The long loops over a text's bytes yield once per this many + 1.
constexpr std::size_t PassoCedi = 4095;

// "... impossibile leggere il dizionario: NOME !", with the reason when it
// is not a plain read failure.
std::string erroreLettura(std::string_view nome, const EsitoLettura& l) {
  if (l.errore == ErroreLettura::Illeggibile) return concatena({TestoErroreLettura, nome, " !"});
  return concatena({TestoErroreLettura, nome, " (", motivoLettura(l), ") !"});
}

bool eUtf8(std::string_view t, Cedi& cedi) {
  std::size_t i = 0;
  char32_t c = 0;
  while (i < t.size()) {
    if ((i & PassoCedi) == 0) cedi();
    if (!leggiUtf8(t, i, c)) return false;
  }
  return true;
}

// A lower-case letter of the code page (a..z, à..ÿ less ÷, and ß).
bool eMinuscola(char ch) {
  const auto b = static_cast<unsigned char>(ch);
  return (b >= 'a' && b <= 'z') || (b >= 0xDF && b != 0xF7);
}

}  // namespace

void normalizzaTestoPiano(std::string& testo) {
  Cedi mai;
  normalizzaTestoPiano(testo, mai);
}

void normalizzaTestoPiano(std::string& testo, Cedi& cedi) {
  if (testo.starts_with(Bom)) testo.erase(0, Bom.size());
  std::size_t soli = 0;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if ((i & PassoCedi) == 0) cedi();
    if (testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r')) ++soli;
  }
  if (soli == 0) return;
  std::string out;
  out.reserve(testo.size() + soli);
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if ((i & PassoCedi) == 0) cedi();
    if (testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r')) out += '\r';
    out += testo[i];
  }
  testo = std::move(out);
}

NoteTestoPiano preparaTestoPiano(std::string& testo, Cedi& cedi) {
  NoteTestoPiano note;
  normalizzaTestoPiano(testo, cedi);
  const bool ascii = std::all_of(testo.begin(), testo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && eUtf8(testo, cedi)) {
    std::string out;
    out.reserve(testo.size());
    std::size_t i = 0;
    char32_t c = 0;
    while (i < testo.size()) {
      if ((i & PassoCedi) == 0) cedi();
      leggiUtf8(testo, i, c);
      const char v = vocaleSenzaAccento(c);
      const int b = byte1252(c);
      out += v != '\0' ? v : b < 0 ? '?' : static_cast<char>(b);
    }
    testo = std::move(out);
    note.daUtf8 = true;
  }
  perOgniVoce(testo, 0, [&](const Voce& v) {
    cedi();
    if (eCommento(v.testo)) return true;
    note.minuscole = std::any_of(v.testo.begin(), v.testo.end(), eMinuscola);
    return !note.minuscole;
  });
  return note;
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
      const EsitoLettura l = leggiFileRegolare(cartellaProg / d.nome, d.testo);
      if (!l) {
        e.errore = erroreLettura(d.nome, l);
        return e;
      }
      e.minuscole[static_cast<std::size_t>(i)] = preparaTestoPiano(d.testo, cedi).minuscole;
    }
    std::size_t n = 0;
    for (std::string& v : indicizza(d, cedi)) {
      if (n++ < MaxAvvisiOrdine)
        e.avvisi.push_back({i, std::move(v)});
      else
        ++e.altriFuoriOrdine[static_cast<std::size_t>(i)];
    }
  }
  return e;
}

std::string testoAltriFuoriOrdine(std::size_t n, std::string_view nome) {
  if (n == 1) return concatena({"... e un'altra voce fuori ordine in ", nome});
  return concatena({"... e altre ", std::to_string(n), " voci fuori ordine in ", nome});
}

std::string testoMinuscole(std::string_view nome) {
  return concatena({"Il dizionario ", nome,
                    " ha voci in minuscolo, che la ricerca non trova: le voci vanno scritte in maiuscolo."});
}

std::vector<std::string> testiAvvisi(const EsitoCaricamento& e) {
  std::vector<std::string> t;
  for (int k = 1; k < NumSlot; ++k) {
    const auto u = static_cast<std::size_t>(k);
    for (const AvvisoOrdine& a : e.avvisi)
      if (a.slot == k) t.push_back(testoFuoriSequenza(a.voce));
    if (e.altriFuoriOrdine[u] > 0) t.push_back(testoAltriFuoriOrdine(e.altriFuoriOrdine[u], e.archivio.slot[u].nome));
    if (e.minuscole[u]) t.push_back(testoMinuscole(e.archivio.slot[u].nome));
  }
  return t;
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
