// The clues of a Schema ("Definizioni"). A clue belongs to a word run and is
// kept under the run's first cell and direction, not under its number:
// numbers change whenever a black cell is added or removed before the run,
// the first cell does not. A clue whose cell no longer starts a run in its
// direction is "senza casella": kept, shown apart, written to the file, and
// back with its run when the run comes back (an undone black cell).
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schema/Schema.h"

namespace tessaro {

enum class Verso : char { Orizzontale = 'O', Verticale = 'V' };

// A word run of two or more cells.
struct Parola {
  Verso verso = Verso::Orizzontale;
  int numero = 0;  // the word number the grid shows at the first cell
  int riga = 0, colonna = 0;
  int lunghezza = 0;
  bool contiene(int r, int c) const {
    return verso == Verso::Orizzontale ? r == riga && c >= colonna && c < colonna + lunghezza
                                       : c == colonna && r >= riga && r < riga + lunghezza;
  }
  bool operator==(const Parola&) const = default;
};

// The runs of a Schema, each list in word-number order.
struct Parole {
  std::vector<Parola> orizzontali, verticali;
  const std::vector<Parola>& di(Verso v) const { return v == Verso::Orizzontale ? orizzontali : verticali; }
  bool operator==(const Parole&) const = default;
};
Parole paroleDi(const Schema& s);

// The letters of a run as the grid holds them ("?" for an empty cell).
std::string lettereDi(const Schema& s, const Parola& p);

// True when (r, c) is inside the grid and starts a run of two or more cells
// in direction v.
bool iniziaRun(const Schema& s, Verso v, int r, int c);

struct PrimaCasella {
  Verso verso;
  int riga, colonna;
  auto operator<=>(const PrimaCasella&) const = default;
};

struct Definizione {
  Verso verso = Verso::Orizzontale;
  int riga = 0, colonna = 0;  // the first cell of its run
  int numero = 0;             // the run's number when last seen
  std::string testo;          // UTF-8, one line, no outer blanks
  bool operator==(const Definizione&) const = default;
};

class Definizioni {
 public:
  // The clue of the run that starts at (r, c) in direction v; "" when none.
  const std::string& testo(Verso v, int r, int c) const;
  // Sets the clue (line breaks, tabs and other control characters become
  // blanks, outer blanks go); an empty text removes it. True when the stored
  // clues changed.
  bool imposta(Verso v, int r, int c, std::string_view testo, int numero = 0);
  bool elimina(Verso v, int r, int c) { return imposta(v, r, c, {}); }
  // Gives every clue whose run still exists that run's current number.
  void allinea(const Schema& s);
  // Clues whose cell no longer starts a run in their direction, across
  // first, by number.
  std::vector<Definizione> senzaCasella(const Schema& s) const;
  // Every clue, in the order of the file: across by number, then down.
  std::vector<Definizione> tutte() const;
  bool vuota() const { return elenco_.empty(); }
  std::size_t size() const { return elenco_.size(); }
  void azzera() { elenco_.clear(); }
  bool operator==(const Definizioni&) const = default;

 private:
  std::map<PrimaCasella, Definizione> elenco_;
};

// A clue's text as it is stored: control characters become blanks, outer
// blanks removed.
std::string testoPulito(std::string_view testo);

}  // namespace tessaro
