// The pack engine. The zlib stream's windows move over two block buffers; the first block
// written carries the provisional header and the filler bytes, and the final header is
// written over the first 76 bytes once the stream has ended.
#include "inpakken.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <ctime>

#include "blok.h"
#include "inpakkop.h"
#include "inpakstappen.h"
#include "knippen.h"
#include "parallelinpakken.h"
#include "platform.h"
#include "tekst.h"
#include "toeval.h"
#include "zelfdebestand.h"
#include "zlibstroom.h"

namespace zegelaar {

namespace {

InpakKop VoorlopigeKop(std::string_view kenmerk, bool voorVerzending, const Bestandsstatus& status,
                       Toeval& toeval) {
    InpakKop kop;
    std::memcpy(kop.kenmerk.data(), kenmerk.data(), std::min(kenmerk.size(), kop.kenmerk.size()));
    kop.voorVerzending = voorVerzending ? 1 : 0;
    kop.versie = kopVersie;
    kop.inpakTijd = static_cast<std::int32_t>(std::time(nullptr));
    kop.bronGrootte = static_cast<std::int32_t>(static_cast<std::uint32_t>(status.grootte));
    kop.bronAanmaakTijd = static_cast<std::int32_t>(status.wijzigTijd);
    kop.bronToegangsTijd = static_cast<std::int32_t>(status.toegangsTijd);
    kop.aantalVulbytes = voorVerzending ? vulbytesVoorVerzending : 0;
    const std::uint32_t woord = toeval.Volgende();
    kop.toevalsWoord = voorVerzending ? (woord | verzendBit) : (woord & ~verzendBit);
    return kop;
}

// Reads the next source block into the input window; a short read ends the source.
void LeesBlok(std::FILE* bron, unsigned char* buffer, z_stream& s, std::uint64_t& gelezen,
              bool& eindeBron) {
    const std::size_t n = std::fread(buffer, 1, blokGrootte, bron);
    s.next_in = buffer;
    s.avail_in = static_cast<uInt>(n);
    gelezen += n;
    eindeBron = n < blokGrootte;
}

// Writes the full output buffer and puts the output window back over it.
bool LegeUitvoer(std::FILE* doel, unsigned char* buffer, z_stream& s) {
    if (!SchrijfAlles(doel, buffer, blokGrootte)) {
        return false;
    }
    s.next_out = buffer;
    s.avail_out = static_cast<uInt>(blokGrootte);
    return true;
}

}  // namespace

int InpakkenBestand(Gebruikersdialoog& dialoog, const std::string& bron, const std::string& doel,
                    bool voorVerzending, std::string_view kenmerk, std::string_view stukPatroon,
                    unsigned draden) {
    Toeval toeval(static_cast<std::uint32_t>(std::time(nullptr)));
    Bestandsstatus status;
    const bool statusBekend = LeesStatus(bron, status);
    InpakKop kop = VoorlopigeKop(kenmerk, voorVerzending, status, toeval);

    Bestand bronBestand = OpenOmTeLezen(bron);
    if (!bronBestand) {
        dialoog.ToonMelding(meldingBronNietOpen);
        return inpakBronNietOpen;
    }
    if (!statusBekend && !LeesStatus(bronBestand.get(), status)) {
        dialoog.ToonMelding(meldingBronNietOpen);
        return inpakBronNietOpen;
    }
    if (DoelIsBron(bron, doel, {})) {
        dialoog.ToonMelding(VulIn(meldingDoelIsBron, doel));
        return inpakDoelNietOpen;
    }
    Bestand doelBestand = OpenBestand(doel, "w+b");
    if (!doelBestand) {
        dialoog.ToonMelding(meldingDoelNietOpen);
        return inpakDoelNietOpen;
    }
    Blokbuffer invoer = MaakBlokbuffer();
    Blokbuffer uitvoer = MaakBlokbuffer();
    if (!invoer || !uitvoer) {
        dialoog.ToonMelding(meldingGeenBuffers);
        return inpakGeenBuffers;
    }

    const Kopbytes voorlopig = CodeerKop(kop);
    std::memcpy(uitvoer.get(), voorlopig.data(), voorlopig.size());
    std::size_t kopEnVul = voorlopig.size();
    for (std::int32_t i = 0; i < kop.aantalVulbytes; ++i) {
        uitvoer[kopEnVul++] = static_cast<unsigned char>(toeval.Volgende() % 255);
    }
    const int niveau = voorVerzending ? 9 : 8;
    if (draden > 1) {
        const Inpakbegin begin{bronBestand, doelBestand, invoer,        uitvoer,
                               kopEnVul,    kop,         status.grootte};
        const int r = InpakkenParallel(dialoog, begin, niveau, draden);
        return r == inpakGelukt ? KnippenInStukken(dialoog, doel, stukPatroon) : r;
    }

    Deflatestroom stroom;
    z_stream& s = stroom.s;
    s.next_in = invoer.get();
    s.avail_in = 0;
    s.next_out = uitvoer.get() + kopEnVul;
    s.avail_out = static_cast<uInt>(blokGrootte - kopEnVul);

    std::uint64_t gelezen = 0;
    bool eindeBron = false;
    LeesBlok(bronBestand.get(), invoer.get(), s, gelezen, eindeBron);

    if (deflateInit2(&s, niveau, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        dialoog.ToonMelding(meldingInitFout);
        return inpakInitFout;
    }
    stroom.actief = true;

    OpenVoortgang voortgang(dialoog.Voortgang(), titelInpakken);
    int r;
    do {
        Wachtcursor wacht(dialoog);
        r = deflate(&s, Z_NO_FLUSH);
        voortgang.ZetPositie(Voortgangspositie(gelezen - s.avail_in, status.grootte));
        if (s.avail_in == 0 && !eindeBron) {
            LeesBlok(bronBestand.get(), invoer.get(), s, gelezen, eindeBron);
        }
        if (s.avail_out == 0 && !LegeUitvoer(doelBestand.get(), uitvoer.get(), s)) {
            dialoog.ToonMelding(meldingSchrijfFout);
            return inpakSchrijfFout;
        }
    } while (r == Z_OK && s.avail_in != 0);
    // Z_BUF_ERROR only says that no input was left to consume; anything else is a fault.
    if (r != Z_OK && r != Z_BUF_ERROR) {
        dialoog.ToonMelding(meldingCompressieFout);
        return inpakCompressieFout;
    }

    do {
        r = deflate(&s, Z_FINISH);
        if (s.avail_out == 0 && !LegeUitvoer(doelBestand.get(), uitvoer.get(), s)) {
            dialoog.ToonMelding(meldingSchrijfFout);
            return inpakSchrijfFout;
        }
    } while (r == Z_OK);
    if (r != Z_STREAM_END) {
        dialoog.ToonMelding(meldingCompressieFout);
        return inpakCompressieFout;
    }
    if (!SchrijfAlles(doelBestand.get(), uitvoer.get(), blokGrootte - s.avail_out) ||
        std::fflush(doelBestand.get()) != 0) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return inpakSchrijfFout;
    }

    if (!SchrijfDefinitieveKop(doelBestand, kop, static_cast<std::uint32_t>(s.adler), s.total_in,
                               s.total_out)) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return inpakKopSchrijfFout;
    }
    stroom.Einde();
    bronBestand.reset();
    invoer.reset();
    uitvoer.reset();

    voortgang.ZetPositie(100);
    voortgang.WachtOpSluiten();
    return KnippenInStukken(dialoog, doel, stukPatroon);
}

}  // namespace zegelaar
