#!/usr/bin/env python3
"""Makes the grids of classes d (s and b patterns with 3 to 6 words already
placed, taken from a fill, so a fill exists) and e (impossible grids) with
tessaro-diz riempi. Usage: genera-de.py TESSARO-DIZ BASE.diz NOMI.diz"""
import random
import subprocess
import sys
from pathlib import Path

from genera import segmenti

NERA = "\x10"
CARTELLA = Path(__file__).parent


def leggi(nome):
    righe = (CARTELLA / nome).read_bytes().decode("latin-1").split("\r\n")
    return [list(r.strip('"')) for r in righe[1:] if r]


def scrivi(nome, g):
    testo = f"{len(g)},{len(g[0])}\r\n" + "".join('"' + "".join(r) + '"\r\n' for r in g)
    (CARTELLA / nome).write_bytes(testo.encode("latin-1"))


def percorsi(g):
    """The cells of every run of two or more, across then down."""
    return [[(l, s + k) if d == "o" else (s + k, l) for k in range(n)]
            for d, l, s, n in segmenti(g, len(g), len(g[0])) if n >= 2]


def riempi(strumento, diz, g, seme, tempo=30):
    scrivi("_prova.tes", g)
    p = subprocess.run([strumento, "riempi", "--seme", str(seme), "--tempo", str(tempo),
                        str(CARTELLA / "_prova.tes")] + diz, capture_output=True)
    (CARTELLA / "_prova.tes").unlink()
    if p.returncode != 0:
        return None, p.stderr.decode()
    righe = p.stdout.decode("latin-1").split("\r\n")
    return [list(r.strip('"')) for r in righe[1:] if r], ""


def main():
    strumento, diz = sys.argv[1], sys.argv[2:]
    rng = random.Random(500)
    fatte = 0
    for sorgente in ["s02-15x15.tes", "s03-15x15.tes", "s05-15x15.tes", "s06-15x15.tes", "s08-15x15.tes",
                     "b01-13x15.tes", "b02-13x15.tes", "b03-13x15.tes", "b04-13x15.tes", "b05-15x21.tes"]:
        g = leggi(sorgente)
        piena = None
        for seme in range(1, 4):
            piena, _ = riempi(strumento, diz, g, seme)
            if piena:
                break
        if not piena:
            print("nessun riempimento per", sorgente)
            continue
        scelti = rng.sample(percorsi(g), rng.randint(3, 6))
        for p in scelti:
            for r, c in p:
                g[r][c] = piena[r][c]
        fatte += 1
        scrivi(f"d{fatte:02d}-da-{sorgente}", g)
    # Class e: a run whose fixed letters no word has, then corners that cannot
    # close (each run has words, no combination fits).
    g = leggi("s01-15x15.tes")
    g[0][0], g[0][1] = "Q", "X"
    scrivi("e01-lettere-15x15.tes", g)
    g = leggi("b01-13x15.tes")
    p = [x for x in percorsi(g) if len(x) >= 5][2]
    for (r, c), ch in zip(p, "ZQKJ"):
        g[r][c] = ch
    scrivi("e02-lettere-13x15.tes", g)
    g = leggi("c05-11x11.tes")
    g[5][4], g[5][5], g[5][6] = "W", "W", "Y"
    scrivi("e03-lettere-11x11.tes", g)
    trovate = 0
    for sorgente in ["s04-15x15.tes", "s07-15x15.tes", "b02-13x15.tes", "b06-15x21.tes", "s09-15x15.tes",
                     "s10-15x15.tes", "b03-13x15.tes"]:
        base = leggi(sorgente)
        for prova in range(60):
            g = [r[:] for r in base]
            # Two letters in the top-left corner: the runs through each have
            # words, the corner's crossings do not.
            bianche = [(r, c) for r in range(3) for c in range(3) if g[r][c] != NERA]
            for (r, c) in rng.sample(bianche, min(2, len(bianche))):
                g[r][c] = rng.choice("BCDFGHLMNPQRSTVZ")
            _, errore = riempi(strumento, diz, g, 1, tempo=10)
            if "esaurite" in errore:
                trovate += 1
                scrivi(f"e{3 + trovate:02d}-angolo-da-{sorgente}", g)
                break
    print("d:", fatte, "e angoli:", trovate)


if __name__ == "__main__":
    main()
