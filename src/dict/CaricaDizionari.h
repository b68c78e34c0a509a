// The dictionary store and its loader: finds the program folder's
// dictionaries, brings each into memory as plain text (".diz" files through
// the decoder library), and builds each one's letter index.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"

namespace tessaro {

// User texts of the loader, in UTF-8.
inline constexpr std::string_view TestoMancaBase = "... manca il dizionario obbligatorio: base.diz !";
inline constexpr std::string_view TestoErroreDecoder = "... errori nel richiamo dei dizionari *.diz !";
inline constexpr std::string_view TitoloErrore = "Errore ...";

// DizNomi, DizTesti, DizLung (the text's size) and DizIndice by slot; slot 0
// is never used, slot 1 holds base.diz. DizCont is the highest slot filled.
struct ArchivioDizionari {
  std::array<Dizionario, NumSlot> slot;
  int DizCont = 0;
};

// One out-of-order entry found while loading: its slot and the trimmed entry
// (Windows-1252 bytes; testoFuoriSequenza makes the message).
struct AvvisoOrdine {
  int slot = 0;
  std::string voce;
};

// The outcome of a load. On failure `errore` holds the message to show (title
// TitoloErrore, critical icon) before the program ends, and the store is
// incomplete.
struct EsitoCaricamento {
  ArchivioDizionari archivio;
  std::vector<AvvisoOrdine> avvisi;
  std::string errore;
  bool ok() const { return errore.empty(); }
};

// The decoder call: slot number in, status out (> 0 = failure). On success
// the plain text is in the scratch folder, named senzaEstensione(DizNomi).
using ChiamataDecoder = std::function<std::int16_t(std::int16_t)>;

// Makes a plain dictionary file's text what the walks expect: a UTF-8 byte
// order mark at the start is dropped, and a lone LF becomes CR LF (one pass,
// so an existing CR LF is left alone). Nothing else is touched.
void normalizzaTestoPiano(std::string& testo);

// Reads a whole file; false when it cannot be read or is too large for
// 32-bit positions.
bool leggiFileIntero(const std::filesystem::path& percorso, std::string& testo);

// The load. `cartellaProg` is the program folder, which must be the current
// directory when a ".diz" is present, because the decoder resolves slots
// there. The decoder's scratch file is read once and deleted; no file of the
// program folder is ever deleted.
EsitoCaricamento caricaDizionari(const std::filesystem::path& cartellaProg,
                                 const ChiamataDecoder& decoder,
                                 const std::filesystem::path& cartellaScratch, Cedi& cedi);

// Captions: "D1- base.diz" for the menu item, "D1-base.diz" for the viewer's
// list of dictionaries.
std::string didascaliaMenu(int k, std::string_view nome);
std::string didascaliaVisore(int k, std::string_view nome);

}  // namespace tessaro
