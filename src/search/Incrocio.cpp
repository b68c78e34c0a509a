#include "search/Incrocio.h"

#include "dict/GruppiVocalici.h"
#include "schema/Schema.h"
#include "search/Richiesta.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessaro {
namespace {

constexpr std::string_view Vocali = "AEIOU";
constexpr std::uint32_t TutteLettere = (1u << 26) - 1;

bool lettera(char c) { return c >= 'A' && c <= 'Z'; }
std::uint32_t bit(char c) { return 1u << (c - 'A'); }

std::uint32_t bitGruppo(std::string_view vocali) {
  std::uint32_t m = 0;
  for (char v : vocali) m |= bit(v);
  return m;
}

char cella(const std::vector<std::string>& Griglia, int r, int c) {
  if (r < 0 || static_cast<std::size_t>(r) >= Griglia.size()) return CellaVuota;
  const std::string& riga = Griglia[static_cast<std::size_t>(r)];
  if (c < 0 || static_cast<std::size_t>(c) >= riga.size()) return CellaVuota;
  const char x = riga[static_cast<std::size_t>(c)];
  return x == ' ' ? CellaVuota : x;
}

bool nera(char x) { return x == CellaNera || x == CellaNeraAlt; }

bool haLettera(std::string_view m) {
  return std::any_of(m.begin(), m.end(), [](char x) { return x != CellaVuota && x != CellaIncrocio; });
}

// One slot through the crossing cell along a line of `lung` cells; `at(i)` is
// cell i of the line.
template <class F>
std::string modello(F at, int pos, int lung, int& prima, int& ultima) {
  std::string m;
  prima = 0;
  ultima = lung - 1;
  for (int i = pos; i < lung; ++i) {
    const char x = at(i);
    if (nera(x)) {
      ultima = i - 1;
      break;
    }
    m += i == pos ? CellaIncrocio : x;
  }
  for (int i = pos - 1; i >= 0; --i) {
    const char x = at(i);
    if (nera(x)) {
      prima = i + 1;
      break;
    }
    m.insert(m.begin(), x);
  }
  return m;
}

// The shortest length tried: with "Lunghezza Libera" the position of the last
// placed letter (positions 2 on), else the full length.
std::size_t lunghezzaMinima(std::string_view P, bool Accorcia) {
  if (!Accorcia) return P.size();
  for (std::size_t i = P.size(); i >= 2; --i)
    if (P[i - 1] != Jolly) return i;
  return 1;
}

// Whether entry E fits pattern P (same length). The base dictionary lets a
// character at or below "@" stand for any letter, and resolves its final
// vowel group against a fixed final letter.
bool adatta(bool base, std::string_view E, std::string_view P) {
  if (E.empty() || eCommento(E) || E.size() != P.size()) return false;
  for (std::size_t i = 0; i < P.size(); ++i) {
    const char p = P[i];
    if (p == Jolly || (base && eCarattereBasso(E[i])) || p == E[i]) continue;
    return false;
  }
  if (!base || P.back() == Jolly) return true;
  const char u = E.back();
  const std::string_view G = eCodiceGruppo(u) ? testoGruppo(u) : E.substr(E.size() - 1);
  return G.find(P.back()) != std::string_view::npos;
}

// The walk of one dictionary for pattern Pv (q: first "?" of the full pattern).
bool esistePercorrendo(const DizAttivo& da, std::string_view Pv, std::size_t q, Cedi& cedi, bool& interrotto) {
  std::size_t inizio = 0;
  if (Pv.front() != Jolly) {
    const auto run = inizioRun(*da.diz, Pv.front());
    if (!run) return false;  // no run of that initial: nothing of it fits
    inizio = *run;
  }
  const bool base = da.slot == 1;
  const std::string_view fisso = q == 0 ? Pv : Pv.substr(0, q - 1);
  bool trovato = false;
  perOgniVoce(da.diz->testo, inizio, [&](const Voce& v) {
    if (cedi()) {
      interrotto = true;
      return false;
    }
    if (adatta(base, v.testo, Pv)) {
      trovato = true;
      return false;
    }
    return v.testo.substr(0, fisso.size()).compare(fisso) <= 0;
  });
  return trovato;
}

// Patterns of letters and "?" (and the crossing cell): what the grid gives.
// Any other character is left to the walk.
bool patternIndicizzabile(std::string_view P) {
  return P.size() <= IndiceRicerca::LunghezzaMassima &&
         std::all_of(P.begin(), P.end(), [](char x) { return lettera(x) || x == Jolly || x == CellaIncrocio; });
}

bool attivoOra(const DizAttivo& da) { return da.diz != nullptr && (!da.attivo || da.attivo()); }

// The slots active now, one bit per position in `dizionari`.
std::uint32_t attiviOra(std::span<const DizAttivo> dizionari) {
  std::uint32_t m = 0;
  for (std::size_t i = 0; i < dizionari.size(); ++i)
    if (attivoOra(dizionari[i])) m |= 1u << i;
  return m;
}

bool indicizzato(const DizAttivo& da) {
  return da.indice != nullptr && da.diz->inOrdine && da.indice->utilizzabile(*da.diz);
}

// The range of a length class the walk reaches for a pattern whose first f
// characters are letters, from text offset `inizio`: in sorted text a fitting
// entry lies there, or (base dictionary) is an exception before it.
struct Intervallo {
  std::uint32_t a = 0, lo = 0, hi = 0;
};

Intervallo intervallo(const ClasseLunghezza& cl, std::string_view testo, std::size_t inizio, std::string_view fisso) {
  Intervallo r;
  r.a = primaDa(cl, 0, cl.n, inizio);
  r.lo = r.a;
  r.hi = cl.n;
  if (!fisso.empty()) {
    r.lo = primoConPrefisso(cl, testo, r.a, cl.n, fisso, false);
    r.hi = primoConPrefisso(cl, testo, r.lo, cl.n, fisso, true);
  }
  return r;
}

std::size_t testaFissa(std::string_view P, std::size_t limite) {
  std::size_t f = 0;
  while (f < limite && lettera(P[f])) ++f;
  return f;
}

// Calls f(i) on the class entries that may fit P with the crossing cell at
// `salta` (npos when none): exceptions first, then the range, in text order.
template <class F>
void candidati(const ClasseLunghezza& cl, const Intervallo& iv, std::string_view P, std::size_t f,
               std::size_t salta, bool base, Cedi& cedi, F&& fn) {
  if (base && iv.lo > iv.a) {
    for (auto e = std::lower_bound(cl.eccezioni.begin(), cl.eccezioni.end(), iv.a);
         e != cl.eccezioni.end() && *e < iv.lo; ++e)
      if (!fn(*e)) return;
  }
  std::array<Vincolo, IndiceRicerca::LunghezzaMassima> buf;
  std::size_t nv = 0;
  for (std::size_t j = f; j < P.size(); ++j)
    if (j != salta && lettera(P[j])) buf[nv++] = {static_cast<std::uint16_t>(j), static_cast<unsigned char>(P[j]), base};
  std::span<Vincolo> vincoli(buf.data(), nv);
  ordinaVincoli(cl, vincoli);
  scorri(cl, iv.lo, iv.hi, vincoli, cedi, fn);
}

// The index in place of the walk of one dictionary.
bool esisteIndice(const DizAttivo& da, std::string_view Pv, Cedi& cedi) {
  const ClasseLunghezza* cl = da.indice->classe(Pv.size());
  if (cl == nullptr) return false;
  std::size_t inizio = 0;
  if (Pv.front() != Jolly) {
    const auto run = inizioRun(*da.diz, Pv.front());
    if (!run) return false;
    inizio = *run;
  }
  const bool base = da.slot == 1;
  const std::size_t f = testaFissa(Pv, Pv.size() - 1);
  const Intervallo iv = intervallo(*cl, da.diz->testo, inizio, Pv.substr(0, f));
  bool trovato = false;
  candidati(*cl, iv, Pv, f, std::string_view::npos, base, cedi, [&](std::uint32_t i) {
    trovato = adatta(base, std::string_view(da.diz->testo).substr(cl->inizio[i], Pv.size()), Pv);
    return !trovato;
  });
  return trovato;
}

std::string normalizza(std::string_view M) {
  std::string P(M);
  std::replace(P.begin(), P.end(), Libero, Jolly);  // "*" is taken like "?"
  return P;
}

RisultatoSugginc suggincCon(std::string_view ModelloProva, bool Accorcia, std::span<const DizAttivo> dizionari,
                            Cedi& cedi, bool conIndice) {
  RisultatoSugginc r;
  const std::string P = normalizza(ModelloProva);
  if (P.empty()) return r;
  const std::size_t q = P.find(Jolly) == std::string::npos ? 0 : P.find(Jolly) + 1;
  const std::size_t m = lunghezzaMinima(P, Accorcia);
  Cedi mai;  // the index paths are short; the yield is asked per length
  for (std::size_t L = P.size(); L >= m && L >= 1; --L) {
    if (cedi.fermo() || cedi.ora()) {
      r.interrotto = true;
      return r;
    }
    const std::string_view Pv = std::string_view(P).substr(0, L);
    for (const DizAttivo& da : dizionari) {
      if (!attivoOra(da)) continue;
      bool interrotto = false;
      const bool veloce = conIndice && patternIndicizzabile(Pv) && indicizzato(da);
      const bool trovato = veloce ? esisteIndice(da, Pv, mai) : esistePercorrendo(da, Pv, q, cedi, interrotto);
      if (interrotto) {
        r.interrotto = true;
        return r;
      }
      if (trovato) {
        r.Trovato = true;
        r.LungTrovata = static_cast<int>(L);
        return r;
      }
    }
  }
  return r;
}

// Letters that fit entry E at the crossing cell h, given the other cells of P.
std::uint32_t lettereDa(bool base, std::string_view E, std::string_view P, std::size_t h) {
  const std::size_t L = P.size();
  for (std::size_t i = 0; i < L; ++i) {
    if (i == h) continue;
    const char p = P[i];
    if (p == Jolly || (base && eCarattereBasso(E[i])) || p == E[i]) continue;
    return 0;
  }
  const char e = E[h];
  if (!base) return lettera(e) ? bit(e) : 0;
  if (h + 1 == L) {
    if (eCodiceGruppo(e)) return bitGruppo(vocaliGruppo(e));
    return lettera(e) ? bit(e) : 0;
  }
  if (P.back() != Jolly) {
    const char u = E.back();
    const std::string_view G = eCodiceGruppo(u) ? testoGruppo(u) : E.substr(L - 1);
    if (G.find(P.back()) == std::string_view::npos) return 0;
  }
  if (eCarattereBasso(e)) return TutteLettere;
  return lettera(e) ? bit(e) : 0;
}

// Among `cercate`, the letters X for which one dictionary holds an entry
// fitting M (crossing cell at h replaced by X) cut to length L, as its walk
// would find it.
std::uint32_t lettereIndice(const DizAttivo& da, std::string_view M, std::size_t h, std::size_t L,
                            std::uint32_t cercate) {
  const ClasseLunghezza* cl = da.indice->classe(L);
  if (cl == nullptr || cercate == 0) return 0;
  const Dizionario& d = *da.diz;
  const std::string_view P = M.substr(0, L);
  std::array<std::size_t, 26> inizioLettera{};
  std::size_t inizio = 0;
  if (h == 0) {
    // The crossing cell starts the word: each letter walks from its own run.
    inizio = d.testo.size();
    for (int x = 0; x < 26; ++x) {
      if (!(cercate & (1u << x))) continue;
      const auto run = inizioRun(d, static_cast<char>('A' + x));
      if (!run) {
        cercate &= ~(1u << x);
        continue;
      }
      inizioLettera[static_cast<std::size_t>(x)] = *run;
      inizio = std::min(inizio, *run);
    }
    if (cercate == 0) return 0;
  } else if (P.front() != Jolly) {
    const auto run = inizioRun(d, P.front());
    if (!run) return 0;
    inizio = *run;
  }
  const bool base = da.slot == 1;
  // Only letters that some entry of this length has at the crossing cell
  // (any letter, where the base dictionary has codes there).
  const auto& conta = cl->conteggi[h];
  if (!(base && conta[0] > 0)) {
    std::uint32_t presenti = 0;
    for (int x = 0; x < 26; ++x)
      if (conta[static_cast<std::size_t>(x + 1)] > 0) presenti |= 1u << x;
    cercate &= presenti;
    if (cercate == 0) return 0;
  }
  const std::size_t f = testaFissa(P, std::min(h, L - 1));
  const Intervallo iv = intervallo(*cl, d.testo, inizio, P.substr(0, f));
  std::uint32_t trovate = 0;
  const unsigned char* colonnaH = cl->colonne.data() + h * cl->passo;
  auto prova = [&](std::uint32_t i) {
    // The crossing cell first, from its column: most candidates hold a
    // letter already found there.
    const unsigned char e = colonnaH[i];
    if (!(base && e <= '@') && !(e >= 'A' && e <= 'Z' && ((cercate & ~trovate) >> (e - 'A') & 1u))) return true;
    const std::uint32_t off = cl->inizio[i];
    std::uint32_t x = lettereDa(base, std::string_view(d.testo).substr(off, L), P, h) & cercate;
    if (h == 0) {
      for (std::uint32_t y = x; y != 0; y &= y - 1) {
        const int b = __builtin_ctz(y);
        if (inizioLettera[static_cast<std::size_t>(b)] > off) x &= ~(1u << b);
      }
    }
    trovate |= x;
    return trovate != cercate;
  };
  if (base && iv.lo > iv.a) {
    for (auto e = std::lower_bound(cl->eccezioni.begin(), cl->eccezioni.end(), iv.a);
         e != cl->eccezioni.end() && *e < iv.lo; ++e)
      if (!prova(*e)) return trovate;
  }
  std::array<Vincolo, IndiceRicerca::LunghezzaMassima> buf;
  std::size_t nv = 0;
  for (std::size_t j = f; j < L; ++j)
    if (j != h && lettera(P[j])) buf[nv++] = {static_cast<std::uint16_t>(j), static_cast<unsigned char>(P[j]), base};
  ordinaVincoli(*cl, std::span<Vincolo>(buf.data(), nv));
  // The crossing cell itself: one of the letters sought (or, in the base
  // dictionary, a code), tested in the columns while the letters are few.
  const std::size_t nFissi = nv;
  buf[nv++] = {static_cast<std::uint16_t>(h), 0, base && conta[0] > 0, cercate};
  // Word by word (4,096 entries), skipping the blocks that hold none of the
  // letters still sought at the crossing cell.
  std::array<std::uint32_t, 4096> trovati;
  for (std::uint32_t w = iv.lo / 4096; w * 4096 < iv.hi; ++w) {
    const std::uint32_t restanti = cercate & ~trovate;
    buf[nFissi].lettere = restanti;
    const bool insieme = __builtin_popcount(restanti) <= 6;
    const std::span<const Vincolo> vincoli(buf.data(), insieme ? nv : nFissi);
    std::uint64_t filtro = base ? cl->presenza(h, 0)[w] : 0;
    for (std::uint32_t y = restanti; y != 0; y &= y - 1) filtro |= cl->presenza(h, static_cast<std::size_t>(__builtin_ctz(y)) + 1)[w];
    if (filtro == 0) continue;
    const std::uint32_t n = raccogli(*cl, std::max(iv.lo, w * 4096), std::min(iv.hi, (w + 1) * 4096), vincoli, trovati.data(), filtro);
    for (std::uint32_t i = 0; i < n; ++i)
      if (!prova(trovati[i])) return trovate;
  }
  return trovate;
}

// For every letter, the longest length at which the slot fits (0: none), in
// the dictionaries whose bit is set in `attivi`.
std::array<int, 26> lunghezzeIndice(std::string_view M, bool Accorcia, std::uint32_t cercate,
                                    std::span<const DizAttivo> dizionari, std::uint32_t attivi) {
  std::array<int, 26> lung{};
  const std::size_t h = M.find(CellaIncrocio);
  const std::string P = normalizza(M);
  const std::size_t m = std::max(lunghezzaMinima(P, Accorcia), h + 1);
  for (std::size_t L = P.size(); L >= m && cercate != 0; --L) {
    std::uint32_t trovate = 0;
    for (std::size_t i = 0; i < dizionari.size(); ++i)
      if (attivi >> i & 1u) trovate |= lettereIndice(dizionari[i], P, h, L, cercate & ~trovate);
    for (std::uint32_t y = trovate; y != 0; y &= y - 1) lung[static_cast<std::size_t>(__builtin_ctz(y))] = static_cast<int>(L);
    cercate &= ~trovate;
  }
  return lung;
}

std::string conLettera(std::string_view M, char x) {
  std::string P(M);
  const auto h = P.find(CellaIncrocio);
  if (h != std::string::npos) P[h] = x;
  return P;
}

template <class Prova>
RisultatoIncrocio cicloLettere(bool SoloVocali, Cedi& cedi, const std::function<void(char)>& primaDiLettera,
                               Prova prova) {
  RisultatoIncrocio r;
  for (char x = 'A'; x <= 'Z'; ++x) {
    if (SoloVocali && Vocali.find(x) == std::string_view::npos) continue;
    if (primaDiLettera) primaDiLettera(x);
    if (cedi.fermo() || cedi.ora()) break;
    prova(x, r.voci);
  }
  r.interrotto = cedi.fermo();
  return r;
}

bool modelliValidi(const ModelliIncrocio& mi) {
  return mi.esito == EsitoModelli::Ok && mi.ModelloRiga.find(CellaIncrocio) != std::string::npos &&
         mi.ModelloColonna.find(CellaIncrocio) != std::string::npos;
}

RisultatoIncrocio incrocioCon(const ModelliIncrocio& mi, bool SoloVocali, bool Accorcia,
                              std::span<const DizAttivo> dizionari, Cedi& cedi,
                              const std::function<void(char)>& primaDiLettera, bool conIndice) {
  if (!modelliValidi(mi)) return {};
  const int nR = static_cast<int>(mi.ModelloRiga.size());
  const int nC = static_cast<int>(mi.ModelloColonna.size());
  const bool tuttiIndicizzati =
      conIndice && patternIndicizzabile(normalizza(mi.ModelloRiga)) && patternIndicizzabile(normalizza(mi.ModelloColonna)) &&
      std::all_of(dizionari.begin(), dizionari.end(), [](const DizAttivo& da) { return da.diz == nullptr || indicizzato(da); });
  if (tuttiIndicizzati) {
    // Every letter at once per length: one pass over the candidates instead
    // of one per letter. Nothing yields meanwhile, so the dictionaries
    // switched on or off can change only between letters: then the letters
    // still to try are worked out again.
    const std::uint32_t interesse = SoloVocali ? bitGruppo(Vocali) : TutteLettere;
    std::array<int, 26> riga{}, colonna{};
    std::uint32_t attivi = 0;
    const auto calcola = [&](std::uint32_t lettere) {
      attivi = attiviOra(dizionari);
      riga = lunghezzeIndice(mi.ModelloRiga, Accorcia, lettere, dizionari, attivi);
      std::uint32_t inRiga = 0;
      for (int x = 0; x < 26; ++x)
        if (riga[static_cast<std::size_t>(x)] > 0) inRiga |= 1u << x;
      colonna = lunghezzeIndice(mi.ModelloColonna, Accorcia, inRiga, dizionari, attivi);
    };
    calcola(interesse);
    return cicloLettere(SoloVocali, cedi, primaDiLettera, [&](char x, std::vector<std::string>& voci) {
      if (attiviOra(dizionari) != attivi) calcola(interesse & ~((1u << (x - 'A')) - 1));
      const int lr = riga[static_cast<std::size_t>(x - 'A')];
      const int lc = colonna[static_cast<std::size_t>(x - 'A')];
      if (lr > 0 && lc > 0) voci.push_back(voceIncrocio(x, lr, nR, lc, nC));
    });
  }
  return cicloLettere(SoloVocali, cedi, primaDiLettera, [&](char x, std::vector<std::string>& voci) {
    const auto r = suggincCon(conLettera(mi.ModelloRiga, x), Accorcia, dizionari, cedi, conIndice);
    if (!r.Trovato) return;
    const auto c = suggincCon(conLettera(mi.ModelloColonna, x), Accorcia, dizionari, cedi, conIndice);
    if (!c.Trovato) return;
    voci.push_back(voceIncrocio(x, r.LungTrovata, nR, c.LungTrovata, nC));
  });
}

}  // namespace

ModelliIncrocio costruisciModelli(const std::vector<std::string>& Griglia, int Righe, int Colonne, int r, int c) {
  ModelliIncrocio mi;
  if (cella(Griglia, r, c) != CellaVuota) {
    mi.esito = EsitoModelli::CasellaPiena;
    return mi;
  }
  mi.ModelloRiga = modello([&](int i) { return cella(Griglia, r, i); }, c, Colonne, mi.PrimaCol, mi.UltimaCol);
  mi.ModelloColonna = modello([&](int i) { return cella(Griglia, i, c); }, r, Righe, mi.PrimaRiga, mi.UltimaRiga);
  if (!haLettera(mi.ModelloRiga) || !haLettera(mi.ModelloColonna) || mi.ModelloRiga.size() < 2 ||
      mi.ModelloColonna.size() < 2)
    mi.esito = EsitoModelli::ErroreCasella;
  return mi;
}

RisultatoSugginc sugginc(std::string_view ModelloProva, bool Accorcia, std::span<const DizAttivo> dizionari,
                         Cedi& cedi) {
  return suggincCon(ModelloProva, Accorcia, dizionari, cedi, true);
}

RisultatoSugginc suggincPercorrendo(std::string_view ModelloProva, bool Accorcia,
                                    std::span<const DizAttivo> dizionari, Cedi& cedi) {
  return suggincCon(ModelloProva, Accorcia, dizionari, cedi, false);
}

std::string voceIncrocio(char lettera, int LungRiga, int lunghezzaRiga, int LungColonna, int lunghezzaColonna) {
  std::string voce(1, lettera);
  if (LungRiga == lunghezzaRiga && LungColonna == lunghezzaColonna) return voce;
  std::string nota;
  if (LungRiga != lunghezzaRiga) nota += "Oriz.-" + std::to_string(lunghezzaRiga - LungRiga);
  if (LungRiga != lunghezzaRiga && LungColonna != lunghezzaColonna) nota += " / ";
  if (LungColonna != lunghezzaColonna) nota += "Vert.-" + std::to_string(lunghezzaColonna - LungColonna);
  return voce + " (" + nota + ")";
}

RisultatoIncrocio incrocio(const ModelliIncrocio& modelli, bool SoloVocali, bool Accorcia,
                           std::span<const DizAttivo> dizionari, Cedi& cedi,
                           const std::function<void(char)>& primaDiLettera) {
  return incrocioCon(modelli, SoloVocali, Accorcia, dizionari, cedi, primaDiLettera, true);
}

RisultatoIncrocio incrocioPercorrendo(const ModelliIncrocio& modelli, bool SoloVocali, bool Accorcia,
                                      std::span<const DizAttivo> dizionari, Cedi& cedi,
                                      const std::function<void(char)>& primaDiLettera) {
  return incrocioCon(modelli, SoloVocali, Accorcia, dizionari, cedi, primaDiLettera, false);
}

}  // namespace tessaro
