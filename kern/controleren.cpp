// Checking a packed file: the same reading as the unpacker's, with nothing written, and a
// sentence for each way the file differs from what the packer writes.
#include "controleren.h"

#include <zlib.h>

#include <cstdio>

#include "bestandsnaam.h"
#include "blok.h"
#include "ingepaktinvoer.h"
#include "platform.h"
#include "tekst.h"
#include "zlibstroom.h"

namespace zegelaar {

namespace {

std::string Hex(std::uint32_t w) {
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%08x", static_cast<unsigned>(w));
    return tekst;
}

std::string StroomFout(int r, const z_stream& s) {
    if (r == Z_NEED_DICT) {
        return "De zlib-stroom vraagt om een woordenboek; zo'n stroom schrijft Zegelaar nooit.";
    }
    if (r == Z_OK || r == Z_BUF_ERROR) {
        return "De zlib-stroom houdt op voordat hij af is: het bestand is afgekapt of er "
               "ontbreekt een stuk.";
    }
    if (s.msg != nullptr && std::string(s.msg) == "incorrect data check") {
        return "Het controlegetal aan het eind van de zlib-stroom klopt niet met de "
               "uitgepakte gegevens.";
    }
    return "De zlib-stroom is beschadigd.";
}

// Skips the filler bytes, inflates the stream to its end and counts what it read and wrote.
void Inflateer(Ingepaktinvoer& invoer, z_stream& s, Controleverslag& verslag,
               const std::function<void(std::uint64_t)>& bijBlok) {
    std::uint32_t vul = static_cast<std::uint32_t>(verslag.kop.aantalVulbytes);
    std::uint64_t gelezen = s.avail_in;  // input bytes after the header
    Blokbuffer uitvoer = MaakBlokbuffer();
    verslag.adler = static_cast<std::uint32_t>(adler32(0, nullptr, 0));
    int r = Z_OK;
    for (;;) {
        const uInt overslaan = std::min<uInt>(vul, s.avail_in);
        s.next_in += overslaan;
        s.avail_in -= overslaan;
        vul -= overslaan;
        if (vul == 0) {
            s.next_out = uitvoer.get();
            s.avail_out = static_cast<uInt>(blokGrootte);
            r = inflate(&s, Z_NO_FLUSH);
            const std::size_t n = blokGrootte - s.avail_out;
            verslag.adler = static_cast<std::uint32_t>(
                adler32(verslag.adler, uitvoer.get(), static_cast<uInt>(n)));
            verslag.uitgepakt += n;
            if (r != Z_OK) {
                break;
            }
        }
        if (s.avail_in == 0) {
            if (invoer.Einde()) {
                if (vul != 0 || s.avail_out != 0) {
                    break;
                }
                continue;  // a full output block may hold back more
            }
            if (const std::string stuk = invoer.VulAan(s); !stuk.empty()) {
                verslag.fouten.push_back(
                    VulIn("Diskettebestand\n%s\nkan niet geopend worden.", stuk));
                return;
            }
            gelezen += s.avail_in;
            if (bijBlok) {
                bijBlok(gelezen);
            }
        }
    }
    // Bytes behind the stream, in the file in hand only: a later piece may be left over from
    // an earlier, larger cut and belongs to no set.
    std::uint64_t rest = s.avail_in;
    while (r == Z_STREAM_END && !invoer.Einde()) {
        invoer.LeesBlok(s);
        rest += s.avail_in;
    }
    verslag.stukken = invoer.Stukken();
    verslag.ingepakt = gelezen - rest - static_cast<std::uint32_t>(verslag.kop.aantalVulbytes);
    if (r != Z_STREAM_END) {
        verslag.fouten.push_back(StroomFout(r, s));
    } else if (rest != 0) {
        verslag.fouten.push_back("Na het einde van de zlib-stroom volgen nog " +
                                 std::to_string(rest) + " bytes.");
    }
}

void VergelijkMetKop(Controleverslag& verslag) {
    const InpakKop& kop = verslag.kop;
    if (kop.adler32 != verslag.adler) {
        verslag.fouten.push_back("Het controlegetal in de kop (" + Hex(kop.adler32) +
                                 ") wijkt af van dat van de uitgepakte gegevens (" +
                                 Hex(verslag.adler) + ").");
    }
    if (kop.totaalIn != static_cast<std::uint32_t>(verslag.uitgepakt)) {
        verslag.fouten.push_back("De kop noemt " + std::to_string(kop.totaalIn) +
                                 " uitgepakte bytes (totaalIn); de stroom geeft er " +
                                 std::to_string(verslag.uitgepakt) + ".");
    }
    if (kop.totaalUit != static_cast<std::uint32_t>(verslag.ingepakt)) {
        verslag.fouten.push_back("De kop noemt " + std::to_string(kop.totaalUit) +
                                 " ingepakte bytes (totaalUit); de stroom telt er " +
                                 std::to_string(verslag.ingepakt) + ".");
    }
}

}  // namespace

Controleverslag ControleerIngepakt(const std::string& pad,
                                   const std::function<void(std::uint64_t)>& bijBlok) {
    Controleverslag verslag;
    Bestand bestand = OpenOmTeLezen(pad);
    Blokbuffer invoerBuffer = MaakBlokbuffer();
    if (!bestand || !invoerBuffer) {
        verslag.fouten.push_back(bestand ? meldingGeenBuffers
                                         : "Het bestand kan niet geopend worden om te lezen.");
        return verslag;
    }
    const IngepaktGevonden gevonden = ZoekSoortVanIngepakt(pad);
    const bool stukken =
        gevonden.eersteStuk && pad.back() == '0' && !gevonden.soort->stukPatroon.empty();
    Ingepaktinvoer invoer(pad, stukken ? gevonden.soort->stukPatroon : std::string_view{},
                          std::move(bestand), invoerBuffer.get());
    Inflatestroom inflater;
    z_stream& s = inflater.s;
    invoer.LeesBlok(s);
    verslag.stukken = 1;
    if (s.avail_in < kopGrootte) {
        verslag.fouten.push_back("Het bestand is korter dan de kop van 76 bytes.");
        return verslag;
    }
    verslag.kop = DecodeerKop(s.next_in);
    verslag.kopGelezen = true;
    if (verslag.kop.aantalVulbytes != 0 && verslag.kop.aantalVulbytes != vulbytesVoorVerzending) {
        verslag.fouten.push_back("De kop noemt " + std::to_string(verslag.kop.aantalVulbytes) +
                                 " vulbytes; Zegelaar schrijft er 0 of 5.");
        return verslag;
    }
    s.next_in += kopGrootte;
    s.avail_in -= static_cast<uInt>(kopGrootte);
    if (inflateInit(&s) != Z_OK) {
        verslag.fouten.push_back("Interne fout:\nfout bij inflateInit()");
        return verslag;
    }
    inflater.actief = true;
    Inflateer(invoer, s, verslag, bijBlok);
    if (verslag.fouten.empty()) {
        VergelijkMetKop(verslag);
    }
    return verslag;
}

}  // namespace zegelaar
