// "info": the header of a packed file in readable Dutch, and whether the unpacker would take it.
#include <ctime>
#include <string>
#include <utility>

#include "bestandsnaam.h"
#include "opdrachten.h"
#include "platform.h"

namespace zegelaar::console {

namespace {

std::string Tijd(std::int32_t seconden) {
    const std::time_t t = seconden;
    const std::tm* lokaal = std::localtime(&t);
    char tekst[64];
    if (lokaal == nullptr || std::strftime(tekst, sizeof tekst, "%d-%m-%Y %H:%M:%S", lokaal) == 0) {
        return "onbekend";
    }
    return tekst;
}

std::string Hex(std::uint32_t w) {
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%08x", static_cast<unsigned>(w));
    return tekst;
}

std::string Uitpakbaar(const std::string& pad, const Kopbytes& bytes) {
    const IngepaktGevonden gevonden = ZoekSoortVanIngepakt(pad);
    if (!gevonden.soort || !IsVerwerkbaar(*gevonden.soort)) {
        return "nee: de extensie noemt geen soort die uitgepakt kan worden";
    }
    if (!ControleerKop(bytes.data(), bytes.size(), gevonden.soort->kenmerk)) {
        return "nee: Zegelaar weigert deze kop (ingepakt voor verzending, een andere soort "
               "of beschadigd)";
    }
    return std::string("ja, als ") + std::string(gevonden.soort->weergaveNaam);
}

}  // namespace

bool LeesKop(const std::string& pad, InpakKop& kop) {
    const Bestand bestand = OpenOmTeLezen(pad);
    Kopbytes bytes{};
    if (!bestand || std::fread(bytes.data(), 1, bytes.size(), bestand.get()) != bytes.size()) {
        return false;
    }
    kop = DecodeerKop(bytes.data());
    return true;
}

int Info(const Opdracht& opdracht, const Omgeving& omgeving) {
    InpakKop kop;
    if (!LeesKop(opdracht.bron, kop)) {
        std::fprintf(omgeving.fouten,
                     "zegelaar: %s heeft geen kop van 76 bytes of kan niet "
                     "gelezen worden.\n",
                     opdracht.bron.c_str());
        return afsluitGeweigerd;
    }
    const Kopbytes bytes = CodeerKop(kop);
    const bool verzending = kop.voorVerzending != 0 || (kop.toevalsWoord & verzendBit) != 0;
    const auto getal = [](auto waarde) { return std::to_string(waarde); };
    const std::pair<const char*, std::string> regels[] = {
        {"Bestand", opdracht.bron},
        {"Kenmerk (kenmerk)", std::string(kop.kenmerk.data(), kop.kenmerk.size())},
        {"Voor verzending (voorVerzending)", getal(kop.voorVerzending)},
        {"Versie (versie)", getal(kop.versie)},
        {"Ingepakt op (inpakTijd)", Tijd(kop.inpakTijd)},
        {"Bron, grootte (bronGrootte)",
         getal(static_cast<std::uint32_t>(kop.bronGrootte)) + " bytes"},
        {"Bron, gemaakt (bronAanmaakTijd)", Tijd(kop.bronAanmaakTijd)},
        {"Bron, gebruikt (bronToegangsTijd)", Tijd(kop.bronToegangsTijd)},
        {"Vulbytes (aantalVulbytes)", getal(kop.aantalVulbytes)},
        {"Controlegetal (adler32)", Hex(kop.adler32)},
        {"Uitgepakt (totaalIn)", getal(kop.totaalIn) + " bytes"},
        {"Ingepakt (totaalUit)", getal(kop.totaalUit) + " bytes"},
        {"Toevalswoord (toevalsWoord)", getal(kop.toevalsWoord)},
        {"Ingepakt voor verzending", verzending ? "ja" : "nee"},
        {"Door Zegelaar uit te pakken", Uitpakbaar(opdracht.bron, bytes)},
    };
    for (const auto& [label, waarde] : regels) {
        std::fprintf(omgeving.uit, "%-34s %s\n", (std::string(label) + ":").c_str(),
                     waarde.c_str());
    }
    return afsluitGelukt;
}

}  // namespace zegelaar::console
