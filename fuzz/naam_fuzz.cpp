// The naming rules on arbitrary path strings: taking a path apart and joining it again gives
// it back, the ".pbl" rule is stable and leaves no ".pbl." of its own making, and piece names
// grow with the piece number.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "auditfilesoort.h"
#include "bestandsnaam.h"
#include "eis.h"
#include "standaardrun.h"

namespace {

using namespace zegelaar;
using fuzz::Eis;

bool HeeftSlash(const std::string& tekst) {
    return tekst.find_first_of("\\/") != std::string::npos;
}

void ControleerDelen(const std::string& pad) {
    const Paddelen delen = SplitsPad(pad);
    Eis(MaakPad(delen.drive, delen.map, delen.naam, delen.extensie) == pad);
    Eis(delen.drive.empty() || (delen.drive.size() == 2 && delen.drive[1] == ':'));
    Eis(delen.map.empty() || delen.map.back() == '\\' || delen.map.back() == '/');
    Eis(!HeeftSlash(delen.naam) && !HeeftSlash(delen.extensie));
    Eis(delen.extensie.empty() ||
        (delen.extensie[0] == '.' && delen.extensie.find('.', 1) == std::string::npos));
}

void ControleerPbl(const std::string& pad) {
    const std::string verzending = PblRegel(pad, true);
    const std::string bewaren = PblRegel(pad, false);
    Eis(verzending.find(".pbl.") == std::string::npos);
    if (pad.empty()) {
        Eis(verzending.empty() && bewaren.empty());
        return;
    }
    // The kept form is the sending form with ".pbl" put before the extension, and nothing else.
    const std::string extensie = SplitsPad(verzending).extensie;
    Eis(bewaren.size() == verzending.size() + 4);
    Eis(bewaren.compare(bewaren.size() - extensie.size() - 4, 4, ".pbl") == 0);
    Eis(bewaren.substr(0, bewaren.size() - extensie.size() - 4) + extensie == verzending);
    // Removing ".pbl." can change the extension itself (".pbl.:x" becomes the drive ".:"
    // with the name x), so stability is asked of paths whose extension survives the removal.
    if (extensie.empty() || extensie == ".pbl" || extensie != SplitsPad(pad).extensie) {
        return;  // such paths change on every application, as the rule says
    }
    Eis(PblRegel(verzending, true) == verzending);
    Eis(PblRegel(bewaren, false) == bewaren);
    Eis(PblRegel(bewaren, true) == verzending);
    Eis(PblRegel(verzending, false) == bewaren);
}

void ControleerStukken(const std::string& pad, std::uint32_t n) {
    for (const Auditfilesoort* soort : Auditfilesoorten) {
        if (!IsVerwerkbaar(*soort)) {
            continue;
        }
        const std::string eerste = DiskettestukNaam(pad, soort->stukPatroon, 0);
        const std::string stuk = DiskettestukNaam(pad, soort->stukPatroon, n);
        const std::string volgend = DiskettestukNaam(pad, soort->stukPatroon, n + 1);
        Eis(SplitsPad(eerste).extensie == soort->eersteStukExtensie);
        const std::string cijfers = std::to_string(n);
        Eis(stuk.size() == eerste.size() - 1 + cijfers.size());
        Eis(stuk.compare(stuk.size() - cijfers.size(), cijfers.size(), cijfers) == 0);
        Eis(stuk.compare(0, stuk.size() - cijfers.size(), eerste, 0, eerste.size() - 1) == 0);
        Eis(volgend.size() >= stuk.size() && volgend != stuk);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::ZetStandaardrun(argc, argv, "naam_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    // The first four bytes pick a piece number; the rest is the path.
    std::uint32_t n = 0;
    const std::size_t kop = grootte < 4 ? grootte : 4;
    for (std::size_t i = 0; i < kop; ++i) {
        n = n << 8 | data[i];
    }
    const std::string pad(reinterpret_cast<const char*>(data) + kop, grootte - kop);
    ControleerDelen(pad);
    ControleerPbl(pad);
    ControleerStukken(pad, n == UINT32_MAX ? n - 1 : n);
    return 0;
}
