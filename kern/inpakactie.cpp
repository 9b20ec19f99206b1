// The pack page's rules, in the order the page applies them.
#include "inpakactie.h"

#include "bestandsnaam.h"
#include "inpakken.h"
#include "platform.h"
#include "tekst.h"
#include "zelfdebestand.h"

namespace zegelaar {

namespace {

constexpr const char* meldingOnbekendeSoort =
    "Het opgegeven bestand kan niet verwerkt worden.\n\n"
    "Auditfiles kunnen alleen de volgende extensies hebben: \n"
    "'.adf' voor traditionele auditfiles\n"
    "'.xaf' voor auditfiles fiancieel in XML-formaat\n"
    "'.xas' voor auditfiles in XML-formaat\n"
    "'.xaa' voor auditfiles afrekensystemen in XML-formaat\n"
    "'.xaw' voor auditfiles woningcorporaties in XML-formaat\n";

}  // namespace

Inpakvoorstel StelInpakkenVoor(const std::string& bron, bool voorVerzending) {
    Inpakvoorstel voorstel;
    if (bron.size() >= minimaleNaamlengte && BestandBestaat(bron)) {
        voorstel.soort = ZoekSoortVanBron(bron);
    }
    const std::string extensie =
        voorstel.soort ? std::string(voorstel.soort->ingepakteExtensie) : std::string();
    voorstel.doel = PblRegel(VervangExtensie(bron, extensie), voorVerzending);
    return voorstel;
}

Actieuitkomst Inpakken(Gebruikersdialoog& dialoog, const std::string& gekozenBron,
                       std::string& gekozenDoel, bool voorVerzending, unsigned draden) {
    if (gekozenBron.size() < minimaleNaamlengte) {
        return Geweigerd(dialoog, meldingGeenNaam);
    }
    if (!BestandBestaat(gekozenBron)) {
        return Geweigerd(dialoog, meldingBestaatNiet);
    }
    const std::string bron = PadVoorOpenen(gekozenBron);
    const Auditfilesoort* soort = ZoekSoortVanBron(bron);
    if (!soort) {
        return Geweigerd(dialoog, meldingOnbekendeSoort);
    }
    if (gekozenDoel.empty()) {
        gekozenDoel = VervangExtensie(bron, std::string(soort->ingepakteExtensie));
    }
    const std::string doel = gekozenDoel;
    if (DoelIsBron(bron, doel, {})) {
        return Geweigerd(dialoog, VulIn(meldingDoelIsBron, doel));
    }
    if (BestandBestaat(doel)) {
        if (!dialoog.VraagJaNee(VulIn(vraagVervangen, doel))) {
            dialoog.ToonMelding(meldingAfgebroken);
            return {Afloop::nietVervangen, 0};
        }
        VerwijderBestand(doel);
    }
    return {Afloop::uitgevoerd, InpakkenBestand(dialoog, bron, doel, voorVerzending, soort->kenmerk,
                                                soort->stukPatroon, draden)};
}

}  // namespace zegelaar
