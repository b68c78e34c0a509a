// The content of the dictionary viewer (window Form0f) without the window:
// the lines of List2 and List3, the entry count, and the line that the text
// typed in Text1 selects.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Dizionario.h"

namespace tessaro {

inline constexpr std::string_view TestoProsegui = "...per proseguire premere  M-Z=> ";
inline constexpr std::string_view TestoTornaInizio = "...per tornare all'inizio premere  A-L<= ";
inline constexpr std::string_view TestoTotaleVoci = "Totale Voci = ";
inline constexpr std::string_view DidascaliaAvanti = "M-Z=>";
inline constexpr std::string_view DidascaliaIndietro = "A-L<=";
inline constexpr std::int32_t SogliaCommand2 = 32000;

// The lines of one list box, kept in one buffer: line i is
// testo[inizio(i), fine[i]). No allocation per line.
class RigheLista {
 public:
  std::size_t size() const { return fine_.size(); }
  bool empty() const { return fine_.empty(); }
  std::string_view operator[](std::size_t i) const {
    std::size_t a = i == 0 ? 0 : fine_[i - 1];
    return std::string_view(testo_).substr(a, fine_[i] - a);
  }
  void aggiungi(std::string_view riga) {
    testo_ += riga;
    fine_.push_back(static_cast<std::uint32_t>(testo_.size()));
  }
  // Appends a line in two pieces (an entry and the text of its final code).
  void aggiungi(std::string_view a, std::string_view b) {
    testo_ += a;
    testo_ += b;
    fine_.push_back(static_cast<std::uint32_t>(testo_.size()));
  }
  void riserva(std::size_t byte, std::size_t righe) {
    testo_.reserve(byte);
    fine_.reserve(righe);
  }

 private:
  std::string testo_;
  std::vector<std::uint32_t> fine_;
};

struct ContenutoVisore {
  RigheLista List2;
  RigheLista List3;             // used by slot 1 only
  std::int32_t conteggio = 0;   // the entries counted ("Totale Voci = " & n)
  bool mostraCommand2 = false;  // 32000 entries or more
};

// Fills the lists for slot `k` from its dictionary. Entries are trimmed;
// comments and empty lines are neither counted nor listed. Slot 1 shows a
// final vowel-group code expanded ("CAS!" as "CAS(AE)") and splits at the
// initial "M": the entries before it go to List2, the others to List3, with
// the two marker lines at the boundary. Other slots list everything in List2
// as stored. Every entry is walked, also a last one without its CR LF.
ContenutoVisore riempiVisore(const Dizionario& d, int k, Cedi& cedi);
// The same into `c`, which must be empty: at each yield `c.conteggio` holds
// the entries counted so far, for a label that shows the progress.
void riempiVisore(const Dizionario& d, int k, Cedi& cedi, ContenutoVisore& c);

// The count label's text.
std::string testoTotaleVoci(std::int32_t conteggio);

// What a change of Text1 does.
struct PosizioneVisore {
  bool nessunCambio = false;  // slot 1 with an empty text: nothing happens
  bool mostraList3 = false;   // slot 1: the typed initial is "M" or above
  // The selected line of the visible list (List3 when shown, else List2);
  // -1 when that list is empty.
  int riga = -1;
};

// Positions on `testo` (Text1's text as Windows-1252 bytes): upper-cased and
// trimmed, the first line whose first n characters sort at or above it, or,
// for a text longer than 3 characters, whose first n - 1 characters equal the
// text's and whose n-th is "(" (a vowel group shown in place of the final
// vowel); else the last line.
PosizioneVisore posizionaVisore(const ContenutoVisore& c, int k, std::string_view testo);

// The text Command2 puts into Text1: "m" while List3 is hidden, else "a".
std::string_view testoCommand2(bool list3Visibile);

}  // namespace tessaro
