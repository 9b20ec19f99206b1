// The unpack page's rules, in the order the page applies them.
#include "uitpakactie.h"

#include "bestandsnaam.h"
#include "platform.h"
#include "tekst.h"
#include "uitpakken.h"
#include "zelfdebestand.h"

namespace zegelaar {

namespace {

constexpr const char* meldingOnbekendeSoort =
    "Het opgegeven bestand kan niet verwerkt worden.\n\n"
    "Ingepakte Auditfiles kunnen alleen de volgende extensies hebben: \n"
    "'.adc' of '.ad0' voor traditionele auditfiles\n"
    "'.xfc' of '.xf0' voor auditfiles financieel in XML-formaat\n"
    "'.xsc' of '.xs0' voor auditfiles salaris in XML-formaat\n"
    "'.xac' of '.xa0' voor auditfiles afrekensystemen in XML-formaat\n"
    "'.xwc' of '.xw0' voor auditfiles woningcorporaties in XML-formaat\n";

}  // namespace

Uitpakvoorstel StelUitpakkenVoor(const std::string& bron) {
    Uitpakvoorstel voorstel;
    if (bron.size() >= minimaleNaamlengte && BestandBestaat(bron)) {
        voorstel.soort = ZoekSoortVanIngepakt(bron).soort;
    }
    const std::string extensie =
        voorstel.soort ? std::string(voorstel.soort->bronExtensie) : std::string();
    voorstel.doel = VervangExtensie(bron, extensie);
    return voorstel;
}

Actieuitkomst Uitpakken(Gebruikersdialoog& dialoog, const std::string& gekozenBron,
                        std::string& gekozenDoel) {
    const std::string bron = gekozenBron;
    if (bron.size() < minimaleNaamlengte) {
        return Geweigerd(dialoog, meldingGeenNaam);
    }
    if (!BestandBestaat(bron)) {
        return Geweigerd(dialoog, meldingBestaatNiet);
    }
    const IngepaktGevonden gevonden = ZoekSoortVanIngepakt(bron);
    if (!gevonden.soort || !IsVerwerkbaar(*gevonden.soort)) {
        return Geweigerd(dialoog, meldingOnbekendeSoort);
    }
    const Auditfilesoort& soort = *gevonden.soort;
    const std::string_view stukPatroon = gevonden.eersteStuk ? soort.stukPatroon : "";
    if (gekozenDoel.empty()) {
        gekozenDoel = VervangExtensie(bron, std::string(soort.bronExtensie));
    }
    const std::string doel = gekozenDoel;
    if (DoelIsBron(bron, doel, stukPatroon)) {
        return Geweigerd(dialoog, VulIn(meldingDoelIsBron, doel));
    }
    return {Afloop::uitgevoerd, UitpakkenBestand(dialoog, bron, doel, soort.kenmerk, stukPatroon)};
}

}  // namespace zegelaar
