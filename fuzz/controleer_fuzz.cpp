// The check of packed files (`controleer`) over the same packed files and piece sets as the
// unpack target. It must end with a report, call a file whole only when zlib finds the same
// stream, data and counts, and call a file whose header tells the truth whole.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>

#include "controleren.h"
#include "eis.h"
#include "pakket.h"
#include "standaardrun.h"

namespace {

using namespace zegelaar;
using fuzz::Eis;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::ZetStandaardrun(argc, argv, "controleer_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    static fuzz::Pakket pakket;
    if (!pakket.Schrijf(data, grootte)) {
        return 0;
    }
    const Controleverslag verslag = ControleerIngepakt(pakket.bron());
    const fuzz::Verwachting& v = pakket.verwachting();
    Eis(verslag.kopGelezen && verslag.stukken >= 1);
    if (verslag.Heel()) {
        Eis(v.streamKlaar);
        Eis(verslag.uitgepakt == v.uitvoer.size() && verslag.ingepakt == v.ingelezen);
        Eis(verslag.adler == adler32_z(adler32(0, nullptr, 0), v.uitvoer.data(), v.uitvoer.size()));
        Eis(verslag.kop.totaalIn == static_cast<std::uint32_t>(v.uitvoer.size()));
    }
    // An honest header over a stream that ends exactly where the reachable bytes end.
    const std::size_t stroomlengte = v.ingelezen;
    const bool sluitendeStroom = v.streamKlaar && !v.onleesbaarStuk && stroomlengte == v.bereikbaar;
    if (pakket.keuzes().eerlijk && sluitendeStroom) {
        Eis(verslag.Heel());
    }
    return 0;
}
