// The unpack engine. Input comes block by block from the packed file or from its pieces in
// turn; output goes to the target in whole blocks. Input that ends before the zlib stream
// does is reported, never taken for a finished file.
#include "uitpakken.h"

#include <zlib.h>

#include "blok.h"
#include "ingepaktinvoer.h"
#include "inpakkop.h"
#include "platform.h"
#include "tekst.h"
#include "zelfdebestand.h"
#include "zlibstroom.h"

namespace zegelaar {

namespace {

constexpr const char* foutKopGeweigerd =
    "Het bestand is versleuteld voor verzending naar de Tolvaart\nof het bestand is beschadigd.";
constexpr const char* titelKopGeweigerd = "Uitpakken niet mogelijk";
constexpr const char* meldingDoelNietGemaakt = "Doelbestand kan niet gemaakt worden.";
constexpr const char* meldingInitFout = "Interne fout:\nfout bij inflateInit()";
constexpr const char* meldingStukNietOpen = "Diskettebestand\n%s\nkan niet geopend worden.";
constexpr const char* meldingDecompressieFout = "Fout bij decompressie";
constexpr const char* titelUitpakken = "Uitpakken Auditfile";

// The audit file's size for the progress: the header keeps only its low 32 bits, so a source
// of 4 GiB or more counts as the smallest size with those bits that is not yet passed.
std::uint64_t Bronomvang(std::uint32_t laag, std::uint64_t gedaan) {
    std::uint64_t omvang = laag;
    while (omvang < gedaan) {
        omvang += std::uint64_t{1} << 32;
    }
    return omvang;
}

// Before anything happens to the target: is it the source, may it be replaced, can it be made.
int MaakDoel(Gebruikersdialoog& dialoog, const std::string& bron, const std::string& doel,
             std::string_view stukPatroon, Bestand& doelBestand) {
    if (DoelIsBron(bron, doel, stukPatroon)) {
        dialoog.ToonMelding(VulIn(meldingDoelIsBron, doel));
        return uitpakDoelNietGemaakt;
    }
    if (BestandBestaat(doel)) {
        if (!dialoog.VraagJaNee(VulIn(vraagVervangen, doel))) {
            dialoog.ToonMelding(meldingAfgebroken);
            return uitpakNietVervangen;
        }
        VerwijderBestand(doel);
    }
    doelBestand = OpenBestand(doel, "w+b");
    if (!doelBestand) {
        dialoog.ToonMelding(meldingDoelNietGemaakt);
        return uitpakDoelNietGemaakt;
    }
    return uitpakGelukt;
}

}  // namespace

int UitpakkenBestand(Gebruikersdialoog& dialoog, const std::string& bron, const std::string& doel,
                     std::string_view kenmerk, std::string_view stukPatroon) {
    Bestand bronBestand = OpenOmTeLezen(bron);
    if (!bronBestand) {
        dialoog.ToonMelding(meldingBronNietOpen);
        return uitpakBronNietOpen;
    }
    const bool stukModus = !bron.empty() && bron.back() == '0' && !stukPatroon.empty();
    Blokbuffer invoerBuffer = MaakBlokbuffer();
    Blokbuffer uitvoer = MaakBlokbuffer();
    if (!invoerBuffer || !uitvoer) {
        dialoog.ToonMelding(meldingGeenBuffers);
        return uitpakGeenBuffers;
    }
    Inflatestroom stroom;
    z_stream& s = stroom.s;
    s.next_out = uitvoer.get();
    s.avail_out = static_cast<uInt>(blokGrootte);
    const std::string_view patroon = stukModus ? stukPatroon : std::string_view{};
    Ingepaktinvoer invoer(bron, patroon, std::move(bronBestand), invoerBuffer.get());
    invoer.LeesBlok(s);

    if (!ControleerKop(s.next_in, s.avail_in, kenmerk)) {
        dialoog.ToonFout(foutKopGeweigerd, titelKopGeweigerd);
        return uitpakKopGeweigerd;
    }
    const InpakKop kop = DecodeerKop(s.next_in);

    Bestand doelBestand;
    if (const int r = MaakDoel(dialoog, bron, doel, patroon, doelBestand); r != 0) {
        return r;
    }
    s.next_in += kopGrootte;
    s.avail_in -= static_cast<uInt>(kopGrootte);
    OpenVoortgang voortgang(dialoog.Voortgang(), titelUitpakken);
    if (inflateInit(&s) != Z_OK) {
        dialoog.ToonMelding(meldingInitFout);
        return uitpakInitFout;
    }
    stroom.actief = true;

    std::uint64_t geschreven = 0;  // bytes of whole output blocks already in the target
    const auto schrijfRest = [&] {
        return SchrijfAlles(doelBestand.get(), uitvoer.get(), blokGrootte - s.avail_out);
    };
    for (;;) {
        int r;
        bool uitvoerVol;
        {
            Wachtcursor wacht(dialoog);
            r = inflate(&s, Z_NO_FLUSH);
            uitvoerVol = s.avail_out == 0;
            if (s.avail_in == 0 && !invoer.Einde()) {
                if (const std::string stuk = invoer.VulAan(s); !stuk.empty()) {
                    dialoog.ToonMelding(VulIn(meldingStukNietOpen, stuk));
                    return uitpakBronNietOpen;
                }
            }
            if (uitvoerVol) {
                if (!SchrijfAlles(doelBestand.get(), uitvoer.get(), blokGrootte)) {
                    dialoog.ToonMelding(meldingSchrijfFout);
                    return uitpakSchrijfFout;
                }
                geschreven += blokGrootte;
                s.next_out = uitvoer.get();
                s.avail_out = static_cast<uInt>(blokGrootte);
            }
            const std::uint64_t gedaan = geschreven + (blokGrootte - s.avail_out);
            voortgang.ZetPositie(Voortgangspositie(
                gedaan, Bronomvang(static_cast<std::uint32_t>(kop.bronGrootte), gedaan)));
        }
        if (r == Z_STREAM_END) {
            break;
        }
        // More to do while input is left, or while a full output block may hold back more.
        if (r == Z_OK && (s.avail_in != 0 || uitvoerVol)) {
            continue;
        }
        // Input that ran out before the stream ended, or a stream that wants a dictionary:
        // keep what was decoded, then say that the file is not whole.
        const bool afgebroken = r == Z_OK || r == Z_BUF_ERROR || r == Z_NEED_DICT;
        if (afgebroken && !schrijfRest()) {
            dialoog.ToonMelding(meldingSchrijfFout);
            return uitpakLaatsteSchrijfFout;
        }
        dialoog.ToonMelding(meldingDecompressieFout);
        return uitpakDecompressieFout;
    }
    if (!schrijfRest()) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return uitpakLaatsteSchrijfFout;
    }
    voortgang.ZetPositie(100);
    if (std::fflush(doelBestand.get()) != 0 || std::fclose(doelBestand.release()) != 0) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return uitpakLaatsteSchrijfFout;
    }
    stroom.Einde();
    invoer.Sluit();
    invoerBuffer.reset();
    uitvoer.reset();
    voortgang.WachtOpSluiten();
    return uitpakGelukt;
}

}  // namespace zegelaar
