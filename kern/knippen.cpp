// Cutting a packed file into diskette pieces. The packed file itself stays; each piece is a
// plain slice of it, so joining the pieces gives the packed file back.
#include "knippen.h"

#include <optional>

#include "bestandsnaam.h"
#include "blok.h"
#include "inpakken.h"
#include "platform.h"
#include "tekst.h"

namespace zegelaar {

namespace {

constexpr const char* vraagKnippen =
    "Het ingepakte bestand is groter dan 1,4 MB.\nWilt u dat dit bestand in stukken van 1,4 MB\n"
    "wordt geknipt voor verzending op diskettes?";
constexpr const char* meldingGeenKopieerbuffer = "Onvoldoende geheugen voor kopieerbuffer";
constexpr const char* meldingStukNietGemaakt = "Diskettebestand\n%s\nkan niet gemaakt worden.";
constexpr const char* meldingNietTeLezen =
    "Het ingepakte bestand\n%s\nkan niet verder gelezen worden.";
constexpr const char* titelKnippen = "Ingepakte Auditfile knippen";

}  // namespace

int KnippenInStukken(Gebruikersdialoog& dialoog, const std::string& pad,
                     std::string_view stukPatroon) {
    if (!BestandBestaat(pad)) {
        return inpakGelukt;
    }
    Bestand ingepakt = OpenOmTeLezen(pad);
    Bestandsstatus status;
    if (!ingepakt || !LeesStatus(ingepakt.get(), status) || status.grootte <= blokGrootte) {
        return inpakGelukt;
    }
    if (!dialoog.VraagJaNee(vraagKnippen)) {
        return inpakGelukt;
    }
    Blokbuffer buffer = MaakBlokbuffer();
    if (!buffer) {
        dialoog.ToonMelding(meldingGeenKopieerbuffer);
        return inpakGeenKopieerbuffer;
    }

    OpenVoortgang voortgang(dialoog.Voortgang(), titelKnippen);
    std::optional<Wachtcursor> wacht(std::in_place, dialoog);
    std::uint64_t gekopieerd = 0;
    for (std::uint32_t n = 0; gekopieerd < status.grootte; ++n) {
        const std::string stuk = DiskettestukNaam(pad, stukPatroon, n);
        // A piece named like the packed file itself would be deleted before it is read.
        if (ZelfdeBestand(stuk, pad)) {
            dialoog.ToonMelding(VulIn(meldingStukNietGemaakt, stuk));
            return inpakStukNietGemaakt;
        }
        // Read first, so that a packed file that shrank leaves no empty piece behind.
        const std::size_t aantal = std::fread(buffer.get(), 1, blokGrootte, ingepakt.get());
        if (aantal == 0) {
            dialoog.ToonMelding(VulIn(meldingNietTeLezen, pad));
            return inpakBronNietOpen;
        }
        if (BestandBestaat(stuk)) {
            VerwijderBestand(stuk);
        }
        Bestand stukBestand = OpenBestand(stuk, "wb");
        if (!stukBestand) {
            dialoog.ToonMelding(VulIn(meldingStukNietGemaakt, stuk));
            return inpakStukNietGemaakt;
        }
        if (!SchrijfAlles(stukBestand.get(), buffer.get(), aantal) ||
            std::fclose(stukBestand.release()) != 0) {
            dialoog.ToonMelding(meldingSchrijfFout);
            return inpakSchrijfFout;
        }
        gekopieerd += aantal;
        voortgang.ZetPositie(Voortgangspositie(gekopieerd, status.grootte));
    }
    wacht.reset();
    buffer.reset();
    voortgang.ZetPositie(100);
    voortgang.WachtOpSluiten();
    return inpakGelukt;
}

}  // namespace zegelaar
