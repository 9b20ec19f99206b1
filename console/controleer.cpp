// "controleer": a packed file or piece set inflated in full with nothing written; intact, or
// each fault named.
#include "controleren.h"
#include "getal.h"
#include "opdrachten.h"
#include "platform.h"
#include "voortgangsregel.h"

namespace zegelaar::console {

int Controleer(const Opdracht& opdracht, const Omgeving& omgeving) {
    Voortgangsregel voortgang(omgeving.fouten, omgeving.foutenIsTerminal,
                              [](const std::string&) { return 0; });
    Bestandsstatus status;
    const std::uint64_t omvang = LeesStatus(opdracht.bron, status) ? status.grootte : 0;
    voortgang.Open();
    voortgang.SetWindowText("Controleren");
    const Controleverslag verslag = ControleerIngepakt(opdracht.bron, [&](std::uint64_t gelezen) {
        voortgang.ZetPositie(static_cast<std::int32_t>(
            omvang ? std::min<std::uint64_t>(gelezen * 100 / omvang, 100) : 100));
    });
    voortgang.Sluit();
    if (!verslag.Heel()) {
        std::fprintf(omgeving.fouten, "zegelaar: %s is niet in orde:\n", opdracht.bron.c_str());
        for (const std::string& fout : verslag.fouten) {
            std::fprintf(omgeving.fouten, "zegelaar: %s\n", fout.c_str());
        }
        return afsluitGeweigerd;
    }
    const double verhouding = verslag.uitgepakt ? 100.0 * static_cast<double>(verslag.ingepakt) /
                                                      static_cast<double>(verslag.uitgepakt)
                                                : 0.0;
    std::fprintf(omgeving.uit,
                 "In orde: %s (%u %s): %llu bytes uitgepakt, %llu bytes ingepakt (%s %%), "
                 "controlegetal %08x%s\n",
                 opdracht.bron.c_str(), verslag.stukken,
                 verslag.stukken == 1 ? "bestand" : "stukken",
                 static_cast<unsigned long long>(verslag.uitgepakt),
                 static_cast<unsigned long long>(verslag.ingepakt), Decimaal(verhouding).c_str(),
                 verslag.adler, verslag.kop.voorVerzending ? ", ingepakt voor verzending" : "");
    return afsluitGelukt;
}

}  // namespace zegelaar::console
