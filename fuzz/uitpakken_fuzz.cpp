// The unpack engine over packed files and piece sets that pass the header test but hold
// anything after it. It must end with a result, write exactly what zlib makes of the stream
// when it reports success, and never report success for a stream that did not end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "auditfilesoort.h"
#include "eis.h"
#include "pakket.h"
#include "standaardrun.h"
#include "stilledialoog.h"
#include "uitpakken.h"

namespace {

using namespace zegelaar;
using fuzz::Eis;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::ZetStandaardrun(argc, argv, "uitpakken_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    static fuzz::Pakket pakket;
    if (!pakket.Schrijf(data, grootte)) {
        return 0;
    }
    const Auditfilesoort& soort = fuzz::VerwerkbareSoort(pakket.keuzes().soort);
    test::StilleDialoog dialoog(true);
    const int resultaat =
        UitpakkenBestand(dialoog, pakket.bron(), pakket.doel(), soort.kenmerk,
                         pakket.keuzes().stukken ? soort.stukPatroon : std::string_view{});
    const fuzz::Verwachting& v = pakket.verwachting();

    Eis(dialoog.wachtcursors == 0 && !dialoog.venstersOpen);
    Eis(dialoog.laagstePositie >= 0);
    static std::vector<unsigned char> inhoud;
    const bool doelBestaat = pakket.LeesDoel(inhoud);
    if (resultaat == uitpakGelukt) {
        Eis(v.streamKlaar && dialoog.meldingen == 0);
        Eis(doelBestaat && inhoud == v.uitvoer);
        return 0;
    }
    // Every failure says so once. A whole stream fails only on a piece that can't be read.
    Eis(dialoog.meldingen == 1);
    if (resultaat == uitpakBronNietOpen) {
        Eis(v.onleesbaarStuk);
    } else {
        Eis(resultaat == uitpakDecompressieFout && !v.streamKlaar);
    }
    // What was written is a beginning of what zlib makes of the stream, never more.
    Eis(doelBestaat && inhoud.size() <= v.uitvoer.size() &&
        std::equal(inhoud.begin(), inhoud.end(), v.uitvoer.begin()));
    return 0;
}
