// The dictionary store and its loader: finds the program folder's
// dictionaries, brings each into memory as plain text (".diz" files through
// the decoder library), and builds each one's letter index.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"
#include "files/LetturaFile.h"

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

// A dictionary out of order (or full of junk) would otherwise show one box
// per entry: after this many of one dictionary, one summary stands for the rest.
inline constexpr std::size_t MaxAvvisiOrdine = 5;

// The outcome of a load. On failure `errore` holds the message to show (title
// TitoloErrore, critical icon) before the program ends, and the store is
// incomplete.
struct EsitoCaricamento {
  ArchivioDizionari archivio;
  // The first MaxAvvisiOrdine out-of-order entries of each slot, in order.
  std::vector<AvvisoOrdine> avvisi;
  // By slot: the out-of-order entries beyond those.
  std::array<std::size_t, NumSlot> altriFuoriOrdine{};
  // By slot: a plain dictionary holding entries in lower case.
  std::array<bool, NumSlot> minuscole{};
  std::string errore;
  bool ok() const { return errore.empty(); }
};

// The warnings of a load, in UTF-8, one box each (title TitoloAttenzione, OK
// only), slot by slot: the out-of-order entries (testoFuoriSequenza), then
// "... e altre N voci fuori ordine in NOME" for the rest, then the lower-case
// warning (testoMinuscole).
std::vector<std::string> testiAvvisi(const EsitoCaricamento& e);
std::string testoAltriFuoriOrdine(std::size_t n, std::string_view nome);
// "Il dizionario NOME ha voci in minuscolo, che la ricerca non trova: le voci
// vanno scritte in maiuscolo."
std::string testoMinuscole(std::string_view nome);

// The decoder call: slot number in, status out (> 0 = failure). On success
// the plain text is in the scratch folder, named senzaEstensione(DizNomi).
using ChiamataDecoder = std::function<std::int16_t(std::int16_t)>;

// Makes a plain dictionary file's text what the walks expect: a UTF-8 byte
// order mark at the start is dropped, and a lone LF becomes CR LF (one pass,
// so an existing CR LF is left alone). Nothing else is touched.
void normalizzaTestoPiano(std::string& testo);
void normalizzaTestoPiano(std::string& testo, Cedi& cedi);

// What preparaTestoPiano found.
struct NoteTestoPiano {
  bool daUtf8 = false;     // the text was UTF-8 and is now in the dictionaries' code
  bool minuscole = false;  // some entry holds a lower-case letter: it never fits a request
};

// A plain dictionary (".dic") as the loader takes it: normalised as above;
// then, when the text is valid UTF-8 holding non-ASCII characters (what a
// Linux editor saves), converted to the dictionaries' Windows-1252 bytes,
// the accented vowels folded as the shipped dictionaries fold them (À → A,
// È É → E, Ì → I, Ò Ó → O, Ù → U, and the same in lower case), other
// characters of the code page kept, the rest "?". Case is never changed.
// Yields through `cedi` as it goes.
NoteTestoPiano preparaTestoPiano(std::string& testo, Cedi& cedi);

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
