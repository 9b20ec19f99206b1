// Header decoding and the unpacker's acceptance test on arbitrary bytes: no read past the
// bytes given, and an answer that agrees with the fields the test is about.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "auditfilesoort.h"
#include "eis.h"
#include "inpakkop.h"
#include "standaardrun.h"

namespace {

using namespace zegelaar;
using fuzz::Eis;

// The fields that the test reads, taken straight from their offsets.
bool Aanvaardbaar(const unsigned char* b, std::string_view kenmerk) {
    return std::memcmp(b, kenmerk.data(), 6) == 0 && (b[68] & 8) == 0 && b[13] == 0 && b[14] == 2;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::ZetStandaardrun(argc, argv, "kop_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    // An exact-size copy, so that AddressSanitizer sees any read beyond the count.
    const std::vector<unsigned char> bytes(data, data + grootte);
    for (const Auditfilesoort* soort : Auditfilesoorten) {
        const bool aanvaard = ControleerKop(bytes.data(), bytes.size(), soort->kenmerk);
        if (!IsVerwerkbaar(*soort) || bytes.size() < kopGrootte) {
            Eis(!aanvaard);
        } else {
            Eis(aanvaard == Aanvaardbaar(bytes.data(), soort->kenmerk));
        }
    }
    if (bytes.size() < kopGrootte) {
        return 0;
    }
    // Decoding and encoding again gives back every byte but the reserved ones, which are 0.
    const Kopbytes terug = CodeerKop(DecodeerKop(bytes.data()));
    static constexpr int gereserveerd[][2] = {{12, 1},  {15, 1}, {20, 4},
                                              {36, 12}, {56, 4}, {72, 4}};
    std::vector<unsigned char> verwacht(bytes.begin(), bytes.begin() + kopGrootte);
    for (const auto& [plek, lengte] : gereserveerd) {
        std::memset(verwacht.data() + plek, 0, static_cast<std::size_t>(lengte));
    }
    Eis(std::memcmp(terug.data(), verwacht.data(), kopGrootte) == 0);
    return 0;
}
