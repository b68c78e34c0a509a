// The candidate sets of a Schema's runs and their arc consistency: the layer
// under the fill engine and the live fillability check.
//
// Each run is a constraint over its cells: its word must be one of its
// candidates, the words of the vocabulary of its length that agree with its
// letters. Each cell holds the set of letters it may still take. Arc
// consistency removes every candidate whose letter at some position is no
// longer possible in that cell, and from every cell every letter that no
// candidate of a run through it offers there, until nothing changes.
//
// A candidate set is a bitset over the words of the run's length, kept
// sparse: the list of its non-zero 64-bit words is maintained, so a set of
// ten words costs ten words of work whatever the vocabulary's size.
// Narrowing by a cell is a word-wide AND with the (position, letter)
// bitsets; whether a letter still has support at a position is answered by
// the word where it last found one (most often still valid), else by a scan
// of the non-zero words. Every change is recorded on a trail, so apri() /
// chiudi() take the whole state back to where it was, and no step allocates.
//
// Use (the live check):
//   Rete r(lessico, schema);
//   counts and letters of each run against its own letters: candidati(),
//     offerta(); then
//   r.apri(); bool ok = r.propaga();
//   ok: candidati(), lettere() are the arc-consistent fixed point;
//   !ok: percorsoInConflitto() is where propagation emptied a set;
//     r.chiudi() brings back the own-letters state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "fill/Lessico.h"
#include "fill/Percorsi.h"
#include "schema/Schema.h"

namespace tessaro {

// A rectangle of cells, corners included.
struct Area {
  int riga1 = 0, col1 = 0, riga2 = 0, col2 = 0;
  bool contiene(int r, int c) const { return r >= riga1 && r <= riga2 && c >= col1 && c <= col2; }
};

struct OpzioniRete {
  int minimo = 0;  // words scoring less are no candidates
  // When a run is down to one word, no other run may take it (runs complete
  // in the grid from the start may repeat one another: they are the user's).
  bool tuttiDiversi = false;
  // Only the runs with an empty cell inside the area take part; empty cells
  // of theirs outside it take any letter. Without an area every run does.
  std::optional<Area> area;
};

class Rete {
 public:
  Rete(const Lessico& lessico, const Schema& s, const OpzioniRete& o = {});
  Rete(const Rete&) = delete;
  Rete& operator=(const Rete&) = delete;

  const MappaPercorsi& mappa() const { return mappa_; }
  const Lessico& lessico() const { return *lessico_; }
  std::size_t numeroPercorsi() const { return mappa_.percorsi.size(); }
  const Percorso& percorso(int i) const { return mappa_.percorsi[static_cast<std::size_t>(i)]; }
  // Whether run i takes part (always, without an area).
  bool attivo(int i) const { return nodi_[static_cast<std::size_t>(i)].attivo; }
  // Every cell of run i held a letter when the network was built.
  bool completo(int i) const { return nodi_[static_cast<std::size_t>(i)].completo; }

  // ---- state queries (any time)
  // The candidates of run i now.
  std::uint32_t candidati(int i) const { return nodi_[static_cast<std::size_t>(i)].conta; }
  // The candidates of run i against its own letters only (as built).
  std::uint32_t candidatiPropri(int i) const { return nodi_[static_cast<std::size_t>(i)].contaPropri; }
  // The letters cell (r, c) may still take: a letter cell its letter, a
  // cell of no active run nothing.
  Lettere lettere(int r, int c) const { return celle_[static_cast<std::size_t>(mappa_.indice(r, c))]; }
  // The letters the candidates of run i offer at position p now.
  Lettere offerta(int i, int p) const;
  // The support count: how many candidates of run i have letter l (0 = "A")
  // at position p now.
  std::uint32_t conteggio(int i, int p, int l) const;
  // The candidates of run i now, best score first: f(word position in the
  // vocabulary's class of the run's length); f returns false to stop.
  template <class F>
  void perOgniCandidato(int i, F&& f) const {
    const Nodo& n = nodi_[static_cast<std::size_t>(i)];
    for (std::uint32_t k = 0; k < n.nb; ++k)
      for (std::uint64_t x = parole_[n.base + k]; x != 0; x &= x - 1)
        if (!f(k * 64 + static_cast<std::uint32_t>(__builtin_ctzll(x)))) return;
  }
  std::string_view parola(int i, std::uint32_t w) const { return nodi_[static_cast<std::size_t>(i)].cl->parola(w); }
  bool contiene(int i, std::uint32_t w) const {
    const Nodo& n = nodi_[static_cast<std::size_t>(i)];
    return w / 64 < n.nb && (parole_[n.base + w / 64] >> (w % 64) & 1u) != 0;
  }
  // The best candidate of run i (the lowest position), if any.
  std::optional<std::uint32_t> primo(int i) const;
  // The first candidate at or after position w, if any.
  std::optional<std::uint32_t> prossimo(int i, std::uint32_t w) const;

  // ---- propagation
  // Arc consistency until nothing changes. False when a run lost its last
  // candidate (percorsoInConflitto() says which); the state is then partial
  // and is to be taken back with chiudi().
  bool propaga();
  int percorsoInConflitto() const { return conflitto_; }

  // ---- changes, each undone by the chiudi() of an apri() before it
  void apri();
  void chiudi();
  int livello() const { return static_cast<int>(livelli_.size()); }
  // Run i takes word w (which must be a candidate); propaga() carries it on.
  void fissa(int i, std::uint32_t w);
  // Word w is no candidate of run i any more; propaga() carries it on.
  void togli(int i, std::uint32_t w);

 private:
  struct Nodo {
    const ClasseParole* cl = nullptr;
    bool attivo = false;
    bool completo = false;
    bool inCoda = false;
    // Words went since its supports were last checked (by fissa, togli or
    // at the start); never cleared by chiudi, which only makes a check more.
    bool sporco = false;
    int L = 0;
    std::uint32_t nb = 0;
    std::size_t base = 0;       // into parole_, indice_, posIndice_, timbriParola_
    std::size_t baseRes = 0;    // into residui_ (L * 26)
    std::size_t baseCelle = 0;  // into celleNodo_, pendenti_ (L)
    std::uint32_t limite = 0;   // non-zero words: indice_[base .. base + limite)
    std::uint32_t conta = 0;    // candidates
    std::uint32_t contaPropri = 0;
    std::uint32_t timbro = 0;
  };
  struct Traccia {
    enum Tipo : std::uint8_t { SuParola, SuNodo, SuCella } tipo;
    std::uint32_t a = 0, b = 0;
    std::uint64_t v = 0;
  };

  void tocca(Nodo& n, int i);
  void scriviParola(Nodo& n, int i, std::uint32_t pos, std::uint32_t k, std::uint64_t x);
  void scriviCella(int cella, Lettere l);
  void accoda(int i);
  void svuotaCoda();
  bool revisiona(int i);
  void filtra(Nodo& n, int i, int p, Lettere rimosse, Lettere tieni);
  bool sostenuta(const Nodo& n, int p, int l);
  bool tuttiDiversi(int i);
  // The other run through `cella` and the cell's position in it (-1: none).
  int altroPercorso(int i, int cella, int& pos) const;

  const Lessico* lessico_;
  OpzioniRete opzioni_;
  MappaPercorsi mappa_;
  std::vector<Nodo> nodi_;
  std::vector<std::uint64_t> parole_;
  std::vector<std::uint32_t> indice_, posIndice_, timbriParola_;
  std::vector<std::uint32_t> residui_;
  std::vector<int> celleNodo_;
  std::vector<Lettere> pendenti_;
  std::vector<Lettere> celle_;
  std::vector<std::uint32_t> timbriCella_;
  static constexpr std::uint32_t PochiCandidati = 48;
  std::array<Lettere, Lessico::LunghezzaMassima> offerte_{};
  std::vector<std::vector<int>> perLunghezza_;  // active runs of each length
  std::vector<int> coda_;
  std::size_t testa_ = 0, numInCoda_ = 0;
  std::vector<Traccia> traccia_;
  std::vector<std::size_t> livelli_;
  std::uint32_t timbro_ = 1;
  int conflitto_ = -1;
};

}  // namespace tessaro
