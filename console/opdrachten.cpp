// "inpakken" and "uitpakken": the pages' actions with the terminal as dialogue, and one line
// on standard output that says what was written.
#include "opdrachten.h"

#include <algorithm>
#include <thread>

#include "actie.h"
#include "bestandsnaam.h"
#include "blok.h"
#include "getal.h"
#include "inpakactie.h"
#include "platform.h"
#include "terminaldialoog.h"
#include "uitpakactie.h"

namespace zegelaar::console {

namespace {

std::uint64_t Omvang(const std::string& pad) {
    Bestandsstatus status;
    return LeesStatus(pad, status) ? status.grootte : 0;
}

int AfsluitcodeVan(const Actieuitkomst& uitkomst) {
    switch (uitkomst.afloop) {
        case Afloop::geweigerd:
            return afsluitGeweigerd;
        case Afloop::nietVervangen:
            return afsluitNietVervangen;
        case Afloop::uitgevoerd:
            break;
    }
    return uitkomst.resultaat == 999 ? afsluitKopGeweigerd : uitkomst.resultaat;
}

std::string Verhouding(std::uint64_t ingepakt, std::uint64_t bron) {
    if (bron == 0) {
        return "-";
    }
    return Decimaal(100.0 * static_cast<double>(ingepakt) / static_cast<double>(bron)) + " %";
}

void MeldStukken(std::FILE* uit, const std::string& ingepakt, std::string_view stukPatroon) {
    const std::uint64_t omvang = Omvang(ingepakt);
    const auto aantal = static_cast<std::uint32_t>((omvang + blokGrootte - 1) / blokGrootte);
    std::fprintf(uit, "Geknipt in %u stukken: %s t/m %s\n", aantal,
                 DiskettestukNaam(ingepakt, stukPatroon, 0).c_str(),
                 DiskettestukNaam(ingepakt, stukPatroon, aantal - 1).c_str());
}

// The audit file's size for the progress line. The header keeps only its low 32 bits; a packed
// file more than 2 GiB larger than that must hide a multiple of 4 GiB.
std::uint64_t AuditfileOmvang(const std::string& ingepakt) {
    InpakKop kop;
    if (!LeesKop(ingepakt, kop)) {
        return 0;
    }
    std::uint64_t omvang = static_cast<std::uint32_t>(kop.bronGrootte);
    const std::uint64_t ingepaktOmvang = Omvang(ingepakt);
    while (omvang + (std::uint64_t{1} << 31) < ingepaktOmvang) {
        omvang += std::uint64_t{1} << 32;
    }
    return omvang;
}

// One pack thread per core; 1 where the system does not say.
unsigned AantalKernen() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

int Inpakken(const Opdracht& opdracht, const Omgeving& omgeving) {
    std::string doel = opdracht.doel
                           ? PblRegel(*opdracht.doel, opdracht.voorVerzending)
                           : StelInpakkenVoor(opdracht.bron, opdracht.voorVerzending).doel;
    const std::uint64_t bronOmvang = Omvang(opdracht.bron);
    Voortgangsregel voortgang(omgeving.fouten, omgeving.foutenIsTerminal,
                              [&](const std::string& titel) {
                                  return titel == "Inpakken Auditfile" ? bronOmvang : Omvang(doel);
                              });
    Terminaldialoog dialoog(omgeving.fouten, omgeving.invoer, opdracht.antwoord,
                            omgeving.invoerIsTerminal, voortgang);
    const Actieuitkomst uitkomst =
        zegelaar::Inpakken(dialoog, opdracht.bron, doel, opdracht.voorVerzending,
                           opdracht.draden > 0 ? opdracht.draden : AantalKernen());
    const int code = AfsluitcodeVan(uitkomst);
    if (code == afsluitGelukt) {
        const std::uint64_t omvang = Omvang(doel);
        std::fprintf(omgeving.uit, "Ingepakt: %s (%llu bytes, %s van %llu bytes)\n", doel.c_str(),
                     static_cast<unsigned long long>(omvang),
                     Verhouding(omvang, bronOmvang).c_str(),
                     static_cast<unsigned long long>(bronOmvang));
        const auto& voltooid = voortgang.Voltooid();
        if (std::find(voltooid.begin(), voltooid.end(), "Ingepakte Auditfile knippen") !=
            voltooid.end()) {
            MeldStukken(omgeving.uit, doel, ZoekSoortVanBron(opdracht.bron)->stukPatroon);
        }
    }
    return code;
}

int Uitpakken(const Opdracht& opdracht, const Omgeving& omgeving) {
    std::string doel = opdracht.doel ? *opdracht.doel : StelUitpakkenVoor(opdracht.bron).doel;
    Voortgangsregel voortgang(omgeving.fouten, omgeving.foutenIsTerminal,
                              [&](const std::string&) { return AuditfileOmvang(opdracht.bron); });
    Terminaldialoog dialoog(omgeving.fouten, omgeving.invoer, opdracht.antwoord,
                            omgeving.invoerIsTerminal, voortgang);
    const int code = AfsluitcodeVan(zegelaar::Uitpakken(dialoog, opdracht.bron, doel));
    if (code == afsluitGelukt) {
        std::fprintf(omgeving.uit, "Uitgepakt: %s (%llu bytes)\n", doel.c_str(),
                     static_cast<unsigned long long>(Omvang(doel)));
    }
    return code;
}

}  // namespace zegelaar::console
