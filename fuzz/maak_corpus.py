#!/usr/bin/env python3
"""Writes the small seed corpus of each fuzz target into fuzz/corpus/<target>/.

The unpack seeds follow the input layout of fuzz/pakket.h: one byte of choices, four bytes of
bronGrootte, then the compressed data after the header.
"""
import os
import struct
import zlib

HIER = os.path.dirname(os.path.abspath(__file__))
BLOK = 1400000


def schrijf(doel, naam, inhoud):
    map_ = os.path.join(HIER, "corpus", doel)
    os.makedirs(map_, exist_ok=True)
    with open(os.path.join(map_, naam), "wb") as f:
        f.write(inhoud)
    if doel == "uitpakken_fuzz":
        schrijf("controleer_fuzz", naam, inhoud)
        schrijf("controleer_fuzz", naam + "-eerlijk", bytes([inhoud[0] | 0x80]) + inhoud[1:])


def kop(kenmerk, voor_verzending=0, versie=2, woord=0, grootte=0):
    b = bytearray(76)
    b[0:12] = kenmerk
    b[13] = voor_verzending
    b[14] = versie
    struct.pack_into("<i", b, 24, grootte)
    struct.pack_into("<I", b, 68, woord)
    return bytes(b)


def aanloop():
    return bytes(((i * 31 + 7) & 0xFF) for i in range(BLOK))


def kop_seeds():
    schrijf("kop_fuzz", "goed", kop(b"AXC003POAIAA", grootte=1234))
    schrijf("kop_fuzz", "verzending", kop(b"AXC003POAIAA", 1, 2, 8))
    schrijf("kop_fuzz", "versie3", kop(b"ADC003POAIAA", versie=3))
    schrijf("kop_fuzz", "kort", kop(b"ASC003POAIAA")[:75])


def naam_seeds():
    stuk = struct.pack(">I", 12)
    for i, pad in enumerate([
        b"C:\\audit\\boek.xaf",
        b"C:\\audit\\boek.pbl.pbl.xfc",
        b"C:\\oud.pbl.map\\boek.xfc",
        b"/tmp/a.b/boek",
        b"jaar.2008.xaf",
        b".profile",
        b"D:rel.PBL.xsc",
        "C:\\map\\b\u00f6ek.pbl.x\u00e4f".encode("utf-8"),
    ]):
        schrijf("naam_fuzz", "pad%d" % i, stuk + pad)


def uitpak_seeds():
    """Seeds for the unpack target; the check target gets each of them with an honest
    header (bit 7) as well."""
    tekst = b"<auditfile>" + b"regel 1;boeking;100,00\n" * 40 + b"</auditfile>\n"
    stroom = zlib.compress(tekst, 8)
    grootte = struct.pack("<I", len(tekst))
    for soort in range(5):
        schrijf("uitpakken_fuzz", "heel%d" % soort, bytes([soort << 4]) + grootte + stroom)
    schrijf("uitpakken_fuzz", "stuk", bytes([0x11]) + grootte + stroom)
    schrijf("uitpakken_fuzz", "kort", bytes([0x10]) + grootte + stroom[: len(stroom) // 2])
    schrijf("uitpakken_fuzz", "leeg", bytes([0x10]) + struct.pack("<I", 0) + zlib.compress(b""))
    schrijf("uitpakken_fuzz", "woordenboek", bytes([0x10]) + grootte + bytes.fromhex("78bb00000001"))
    # After the stored lead-in: one final fixed block and the Adler-32 of all the data.
    compressor = zlib.compressobj(8, zlib.DEFLATED, -15)
    staart = compressor.compress(tekst) + compressor.flush()
    alles = aanloop() + tekst
    grootte = struct.pack("<I", len(alles))
    trailer = struct.pack(">I", zlib.adler32(alles))
    for keuze, naam in [(0x0B, "aanloop-stukken"), (0x0A, "aanloop-heel"),
                        (0x0D, "aanloop-stuk-weg"), (0x0F, "aanloop-stuk-map")]:
        schrijf("uitpakken_fuzz", naam, bytes([keuze]) + grootte + staart + trailer)


if __name__ == "__main__":
    kop_seeds()
    naam_seeds()
    uitpak_seeds()
