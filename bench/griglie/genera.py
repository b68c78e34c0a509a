#!/usr/bin/env python3
"""Makes the black-cell patterns of the fill benchmark (classes a, b, c, s) as
.tes files. Deterministic: the same seeds give the same grids. Classes d and e
are made from these by hand or with tessaro-diz riempi (see README)."""
import random
import sys
from pathlib import Path

NERA = "\x10"


def runs(g, R, C):
    """Lengths of the maximal white runs across and down."""
    out = []
    for r in range(R):
        n = 0
        for c in range(C + 1):
            if c < C and g[r][c] != NERA:
                n += 1
            else:
                if n:
                    out.append(n)
                n = 0
    for c in range(C):
        n = 0
        for r in range(R + 1):
            if r < R and g[r][c] != NERA:
                n += 1
            else:
                if n:
                    out.append(n)
                n = 0
    return out


def connesso(g, R, C):
    bianche = [(r, c) for r in range(R) for c in range(C) if g[r][c] != NERA]
    if not bianche:
        return False
    visti = {bianche[0]}
    pila = [bianche[0]]
    while pila:
        r, c = pila.pop()
        for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            q = (r + dr, c + dc)
            if 0 <= q[0] < R and 0 <= q[1] < C and g[q[0]][q[1]] != NERA and q not in visti:
                visti.add(q)
                pila.append(q)
    return len(visti) == len(bianche)


def simmetrica(R, C, nere_min, nere_max, rng, massimo, scarto):
    """Black cells in pairs symmetric about the centre, each pair kept only if
    every run stays 3 or longer and the whites stay connected; every other try
    breaks a run longer than `massimo`, near its middle (within `scarto`)."""
    g = [["?"] * C for _ in range(R)]
    obiettivo = rng.randint(nere_min, nere_max)
    nere = 0
    tentativi = 0
    while nere < obiettivo and tentativi < 4000:
        tentativi += 1
        lunga = corsa_lunga(g, R, C, massimo) if tentativi % 2 == 0 else None
        if lunga is not None:
            r, c = lunga[0], min(C - 1, max(0, lunga[1] + rng.randint(-scarto, scarto)))
        else:
            r, c = rng.randrange(R), rng.randrange(C)
        s = (R - 1 - r, C - 1 - c)
        if g[r][c] == NERA:
            continue
        g[r][c] = NERA
        g[s[0]][s[1]] = NERA
        if min(runs(g, R, C)) >= 3 and connesso(g, R, C):
            nere += 1 if (r, c) == s else 2
        else:
            g[r][c] = "?"
            g[s[0]][s[1]] = "?"
    return g, nere


def americana(R, C, nere_min, nere_max, rng, massimo=15):
    """Rotationally symmetric, every run 3 or longer (and at most `massimo`),
    whites connected."""
    while True:
        g, nere = simmetrica(R, C, nere_min, nere_max, rng, massimo, 1)
        if nere_min <= nere <= nere_max and max(runs(g, R, C)) <= massimo:
            return g


def corsa_lunga(g, R, C, massimo):
    """A cell inside a run longer than `massimo`, or None."""
    for r in range(R):
        n = 0
        for c in range(C + 1):
            if c < C and g[r][c] != NERA:
                n += 1
                continue
            if n > massimo:
                return r, c - n + 2 + (n - 4) * 3 // 5
            n = 0
    for c in range(C):
        n = 0
        for r in range(R + 1):
            if r < R and g[r][c] != NERA:
                n += 1
                continue
            if n > massimo:
                return r - n + 2 + (n - 4) * 2 // 5, c
            n = 0
    return None


def segmenti(g, R, C):
    """(direction, line, start, length) of every run."""
    out = []
    for r in range(R):
        c = 0
        while c < C:
            if g[r][c] == NERA:
                c += 1
                continue
            d = c
            while d < C and g[r][d] != NERA:
                d += 1
            out.append(("o", r, c, d - c))
            c = d
    for c in range(C):
        r = 0
        while r < R:
            if g[r][c] == NERA:
                r += 1
                continue
            d = r
            while d < R and g[d][c] != NERA:
                d += 1
            out.append(("v", c, r, d - r))
            r = d
    return out


def impilate(seg, lunga=8):
    """Pairs of runs of `lunga` or more on adjacent parallel lines that lie
    side by side over `lunga` or more cells."""
    lunghe = [s for s in seg if s[3] >= lunga]
    n = 0
    for a in lunghe:
        for b in lunghe:
            if a[0] == b[0] and b[1] == a[1] + 1 and min(a[2] + a[3], b[2] + b[3]) - max(a[2], b[2]) >= lunga:
                n += 1
    return n


def quotidiana(R, C, nere_min, nere_max, rng):
    """The newspaper shape: rotationally symmetric, every run 3 or longer,
    whites connected, 72-78 words, at most four runs of 11 or more (the
    theme entries) and no two runs of 8 or more side by side (corners
    stack runs of 7 at most)."""
    while True:
        g, nere = simmetrica(R, C, nere_min, nere_max, rng, 9, 2)
        seg = segmenti(g, R, C)
        if not (nere_min <= nere <= nere_max and 72 <= len(seg) <= 78):
            continue
        if sum(1 for s in seg if s[3] >= 11) <= 4 and impilate(seg) == 0:
            return g


def italiana(R, C, quota_min, quota_max, rng, massimo=12):
    """Asymmetric, runs of two allowed, some lone white cells, whites
    connected, no run longer than `massimo`."""
    while True:
        g = [["?"] * C for _ in range(R)]
        obiettivo = int(R * C * rng.uniform(quota_min, quota_max))
        nere = 0
        tentativi = 0
        while nere < obiettivo and tentativi < 20000:
            tentativi += 1
            lunga = corsa_lunga(g, R, C, massimo)
            if lunga is not None and tentativi % 2 == 0:
                r, c = lunga[0], min(C - 1, lunga[1] + rng.randint(-1, 1))
            else:
                r, c = rng.randrange(R), rng.randrange(C)
            if g[r][c] == NERA:
                continue
            # No two black cells side by side: Italian grids scatter them.
            vicine = sum(1 for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1))
                         if 0 <= r + dr < R and 0 <= c + dc < C and g[r + dr][c + dc] == NERA)
            if vicine > 0 and rng.random() < 0.9:
                continue
            g[r][c] = NERA
            if connesso(g, R, C):
                nere += 1
            else:
                g[r][c] = "?"
        if quota_min * R * C <= nere <= quota_max * R * C and corsa_lunga(g, R, C, massimo) is None:
            return g


def aperta(R, C, nere, rng, massimo=15):
    """Few black cells, symmetric, runs of three or more."""
    return americana(R, C, nere, nere + 2, rng, massimo)


def scrivi(percorso, g):
    R, C = len(g), len(g[0])
    testo = f"{R},{C}\r\n" + "".join('"' + "".join(riga) + '"\r\n' for riga in g)
    Path(percorso).write_bytes(testo.encode("latin-1"))


def main():
    cartella = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    for i in range(10):
        scrivi(cartella / f"a{i + 1:02d}-15x15.tes", quotidiana(15, 15, 36, 42, random.Random(500 + i)))
    # Class s (hard): the same counts, but random patterns that keep up to six
    # runs of 15 and stack them on adjacent rows.
    for i in range(10):
        scrivi(cartella / f"s{i + 1:02d}-15x15.tes", americana(15, 15, 36, 42, random.Random(100 + i)))
    forme = [(13, 15)] * 4 + [(15, 21)] * 3 + [(21, 25)] * 3
    for i, (R, C) in enumerate(forme):
        scrivi(cartella / f"b{i + 1:02d}-{R}x{C}.tes", italiana(R, C, 0.12, 0.18, random.Random(200 + i)))
    for i in range(4):
        scrivi(cartella / f"c{i + 1:02d}-9x9.tes", aperta(9, 9, 8 + 2 * i, random.Random(300 + i)))
    for i in range(4):
        scrivi(cartella / f"c{i + 5:02d}-11x11.tes", aperta(11, 11, 14 + 2 * i, random.Random(400 + i), massimo=9))


if __name__ == "__main__":
    main()
