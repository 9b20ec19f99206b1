#!/usr/bin/env python3
"""Draws Zegelaar's two icons and writes them as 16-colour .ico files (32x32 and 16x16 each).

Icon 128, the program: on a dark blue ground a wide teal triangle standing on its point narrows
into a small bright green triangle that points down at the bottom edge.
Icon 129, the browse buttons: an open folder under a curved arrow, on a transparent ground.

Usage: tools/iconen.py [output folder]   (default: venster/iconen)
Only the Python 3 standard library is used; the output is the same on every run.
"""
import math
import os
import struct
import sys

# The standard 16-colour palette (as RGB); the drawings use its indices.
PALET = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
ZWART, OLIJF, DONKERBLAUW, TEAL, GRIJS = 0, 3, 4, 6, 8
LICHTGROEN, GEEL, BLAUW, WIT = 10, 11, 12, 15


def programma(x, y, n):
    """Pixel (x, y) of the program icon of size n; never transparent."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    boven, punt = 0.16, 0.97          # top edge and point of the large triangle
    halve_breedte = 0.44 * (punt - v) / (punt - boven)
    if boven <= v <= punt and abs(u - 0.5) <= halve_breedte:
        if v >= 0.70:
            return LICHTGROEN
        if v <= boven + 1.0 / n:
            return WIT if n >= 32 else TEAL    # light top edge on the large image
        return TEAL
    return DONKERBLAUW


def in_pijl(u, v, n):
    """Colour of the curved arrow at (u, v), or None."""
    cx, cy, straal, dikte = 0.47, 0.50, 0.30, max(0.085, 1.3 / n)
    afstand = math.hypot(u - cx, v - cy)
    hoek = math.degrees(math.atan2(cy - v, u - cx))   # 0 = right, 90 = up
    if v <= cy and abs(afstand - straal) <= dikte / 2 and 25 <= hoek <= 175:
        return BLAUW
    # Head at the right end of the arc, pointing down into the folder.
    px, py = cx + straal * math.cos(math.radians(20)), cy - 0.02
    breedte = 0.15
    if py - 0.11 <= v <= py + 0.08:
        halve = breedte * (py + 0.08 - v) / 0.19
        if abs(u - px) <= halve:
            return BLAUW
    return None


def in_map(u, v, n):
    """Colour of the open folder at (u, v), or None."""
    rand = 1.0 / n
    # Back of the folder with its tab.
    if 0.05 <= u <= 0.80 and 0.52 <= v <= 0.92:
        if 0.05 <= u <= 0.35 and v < 0.57:
            return OLIJF
        if v >= 0.57 or u <= 0.35:
            binnen = u > 0.05 + rand and u < 0.80 - rand and v > 0.57 + rand
            front = in_voorkant(u, v)
            if front is not None:
                return front
            return GEEL if binnen else OLIJF
    return in_voorkant(u, v)


def in_voorkant(u, v):
    """The front flap, tilted open to the right."""
    if 0.68 <= v <= 0.93:
        t = (v - 0.68) / 0.25
        links = 0.20 - 0.14 * t
        rechts = 0.97 - 0.14 * t
        if links <= u <= rechts:
            if v >= 0.90 or u <= links + 0.04 or u >= rechts - 0.04 or v <= 0.71:
                return OLIJF
            return GEEL
    return None


def bladeren(x, y, n):
    """Pixel (x, y) of the browse icon of size n; None is transparent."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    kleur = in_map(u, v, n)
    if kleur is None:
        kleur = in_pijl(u, v, n)
    return kleur


def beeld(teken, n):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows."""
    kop = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palet = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALET)
    kleuren, masker = b"", b""
    for y in reversed(range(n)):        # bitmaps are stored bottom-up
        pixels = [teken(x, y, n) for x in range(n)]
        rij = bytearray()
        for x in range(0, n, 2):
            hoog, laag = (pixels[x] or 0), (pixels[x + 1] or 0)
            rij.append((hoog << 4) | laag)
        rij += b"\0" * (-len(rij) % 4)
        kleuren += bytes(rij)
        bits = bytearray((n + 7) // 8)
        for x, p in enumerate(pixels):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        bits += b"\0" * (-len(bits) % 4)
        masker += bytes(bits)
    return kop + palet + kleuren + masker


def ico(teken):
    beelden = [beeld(teken, n) for n in (32, 16)]
    uit = struct.pack("<HHH", 0, 1, len(beelden))
    plek = 6 + 16 * len(beelden)
    for n, data in zip((32, 16), beelden):
        uit += struct.pack("<BBBBHHII", n, n, 16, 0, 1, 4, len(data), plek)
        plek += len(data)
    return uit + b"".join(beelden)


def main():
    map_ = sys.argv[1] if len(sys.argv) > 1 else os.path.join("venster", "iconen")
    os.makedirs(map_, exist_ok=True)
    for naam, teken in (("programma.ico", programma), ("bladeren.ico", bladeren)):
        with open(os.path.join(map_, naam), "wb") as f:
            f.write(ico(teken))


if __name__ == "__main__":
    main()
