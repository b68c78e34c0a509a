// The change history: every cell change made by the tools goes through
// aggior, which records the cell's previous character before writing the new
// one. Records are three 16-bit slots (row, column, character code); the row
// of the first record of a group carries + 1000. Undo and redo exchange the
// stored code with the cell's content, so a record always holds what its next
// undo or redo puts back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

class Schema;

inline constexpr int DimStoria = 301;               // slots 0..300
inline constexpr std::int16_t LimiteStoria = 300;   // 100 records
inline constexpr std::int16_t SegnoNuovoGruppo = 1000;

inline constexpr std::string_view MsgStoriaAzzerata = "La memoria delle modifiche viene ora azzerarata";
inline constexpr std::string_view TitoloStoriaAzzerata = "Attenzione!";
inline constexpr std::string_view MsgAnomaliaStoria =
    "Probabile anomalia nella memorizzazione delle modifiche. Possibili errori di Rpristino.";
inline constexpr std::string_view TitoloAnomaliaStoria = "Attenzione !";
inline constexpr std::string_view TestoAnnullo = " Annullo n. ";
inline constexpr std::string_view TestoRipristino = " Ripristino n. ";
// Panels 3 and 4 after an undo or a redo.
inline constexpr std::string_view PannelloVuoto = " ";

struct Casella {
  int riga = 0;
  int colonna = 0;
  friend bool operator==(const Casella&, const Casella&) = default;
};

// The row field of a record that stands for a whole group of cells (an
// accepted fill): its column field holds how many, and the cells with their
// characters sit beside the slots, one list per record position. Ordinary
// records never reach this row (a Schema has at most 25 rows).
inline constexpr std::int16_t RigaGruppoEsteso = 999;

// One cell of such a group: where, and the character that its next undo or
// redo puts back.
struct CellaGruppo {
  std::int16_t riga = 0, colonna = 0;
  char car = '?';
};

// What aggior did.
struct EsitoAggior {
  // The cell already held the character: nothing recorded, written or flagged.
  bool invariata = false;
  // The history was full and has been emptied first: the window shows
  // MsgStoriaAzzerata with TitoloStoriaAzzerata.
  bool azzerata = false;
  // A record was written and the cell changed.
  bool registrata = false;
  // "a7" must be enabled and Modificato set to 1. True whenever the cell did
  // not already hold the character, also for a cell outside the grid (then
  // nothing is recorded nor written).
  bool segnaModifica = false;
};

// The take-back of one group.
struct EsitoAnnullaGruppo {
  // The cells changed back, in the order in which they were changed back.
  std::vector<Casella> toccate;
  // The new current cell (the last cell changed back) when the caller asked
  // to move the cursor and at least one cell was changed.
  std::optional<Casella> corrente;
  // False when a damaged record (a cell outside the grid, a code that is no
  // character, counters out of range) stopped the take-back: the window shows
  // MsgAnomaliaStoria with TitoloAnomaliaStoria. The cells listed in toccate
  // were changed back all the same.
  bool riuscito = true;
};

enum class StatoPulsante : std::int8_t { Invariato, Abilita, Disabilita };

// The outcome of undo ("a7") or redo ("a8").
struct EsitoPasso {
  std::vector<Casella> toccate;      // highlight in this order
  std::optional<Casella> corrente;   // new RigaCorr, ColCorr
  StatoPulsante a7 = StatoPulsante::Invariato;
  StatoPulsante a8 = StatoPulsante::Invariato;
  std::string pannello2;             // empty on failure: panel 2 keeps its text
  bool riuscito = true;              // false: show MsgAnomaliaStoria
};

class Storia {
 public:
  // Records of three slots; slot 300 is never written and reads as 0, so
  // redo may look one record past the last.
  std::array<std::int16_t, DimStoria> Slot{};
  std::int16_t NumStoria = 0;    // slots in effect
  std::int16_t TopStoria = 0;    // NumStoria right after the last recorded change
  std::int16_t SegnoGruppo = 0;  // 1000 when the next record opens a group
  // The cells of the group records, by record position.
  std::array<std::vector<CellaGruppo>, LimiteStoria / 3> Esteso;

  // Set by every click on the grid, key typed in the writing tools and
  // result transfer before its changes.
  void apriGruppo() { SegnoGruppo = SegnoNuovoGruppo; }

  // Reset of a new or opened Schema ("a7" and "a8" are then disabled).
  void azzera();

  // At the limit (NumStoria = 300) every slot is cleared and both counters
  // return to 0. Returns true when it emptied: the window then shows
  // MsgStoriaAzzerata. Run at the start of every toolbar action and by aggior.
  bool svuotaSeAlLimite();

  // Records and performs the change of cell (RigaCorr, ColCorr) to NuovoCar.
  // A cell outside the grid (negative coordinates included) is never read
  // nor written.
  EsitoAggior aggior(Schema& s, int RigaCorr, int ColCorr, char NuovoCar);

  // Records and performs many cell changes as one record of its own group,
  // whatever their number, so that one undo takes them all back: the way an
  // accepted fill is written. Cells outside the grid and cells already
  // holding their character are left out; with none left nothing happens.
  EsitoAggior registraGruppo(Schema& s, const std::vector<CellaGruppo>& cambi);
  // The cells of the group record at slot i (a multiple of 3).
  const std::vector<CellaGruppo>& gruppo(int i) const { return Esteso[static_cast<std::size_t>(i / 3)]; }

  // Takes back the most recent group. Used by undo (muoviCursore = true) and
  // by the revert of a word transferred just before (false: the current cell
  // stays where it is). NumStoria becomes the index of the group's first
  // record, or 0 when the records ran out.
  EsitoAnnullaGruppo annullaGruppo(Schema& s, bool muoviCursore);

  // Undo ("a7"): the group take-back plus the button states and panel text.
  EsitoPasso annulla(Schema& s);
  // Redo ("a8"): restores the next undone group.
  EsitoPasso ripristina(Schema& s);

 private:
  bool contatoriValidi() const;
  // Exchanges the cell of record `i` with its stored code; false for a
  // damaged record, which is left untouched.
  bool scambia(Schema& s, int i, Casella& cella);
  bool eGruppoEsteso(int i) const { return Slot[static_cast<std::size_t>(i)] % SegnoNuovoGruppo == RigaGruppoEsteso; }
  // Exchanges every cell of the group record at slot i; false (nothing
  // touched) when the record does not match its cells.
  bool scambiaGruppo(Schema& s, int i, std::vector<Casella>& toccate);
};

}  // namespace tessaro
