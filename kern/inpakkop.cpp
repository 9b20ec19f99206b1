// Byte layout of the packed-file header; written field by field at fixed offsets so that
// neither struct layout nor host byte order can change a packed file.
#include "inpakkop.h"

#include <algorithm>
#include <cstring>

namespace zegelaar {

namespace {

void Zet32(unsigned char* p, std::uint32_t w) {
    p[0] = static_cast<unsigned char>(w);
    p[1] = static_cast<unsigned char>(w >> 8);
    p[2] = static_cast<unsigned char>(w >> 16);
    p[3] = static_cast<unsigned char>(w >> 24);
}

std::uint32_t Lees32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t LeesS32(const unsigned char* p) {
    return static_cast<std::int32_t>(Lees32(p));
}

}  // namespace

Kopbytes CodeerKop(const InpakKop& kop) {
    Kopbytes b{};  // reserved bytes stay 0
    std::memcpy(b.data() + 0, kop.kenmerk.data(), kop.kenmerk.size());
    b[13] = kop.voorVerzending;
    b[14] = kop.versie;
    Zet32(b.data() + 16, static_cast<std::uint32_t>(kop.inpakTijd));
    Zet32(b.data() + 24, static_cast<std::uint32_t>(kop.bronGrootte));
    Zet32(b.data() + 28, static_cast<std::uint32_t>(kop.bronAanmaakTijd));
    Zet32(b.data() + 32, static_cast<std::uint32_t>(kop.bronToegangsTijd));
    Zet32(b.data() + 48, static_cast<std::uint32_t>(kop.aantalVulbytes));
    Zet32(b.data() + 52, kop.adler32);
    Zet32(b.data() + 60, kop.totaalIn);
    Zet32(b.data() + 64, kop.totaalUit);
    Zet32(b.data() + 68, kop.toevalsWoord);
    return b;
}

InpakKop DecodeerKop(const unsigned char* b) {
    InpakKop kop;
    std::memcpy(kop.kenmerk.data(), b + 0, kop.kenmerk.size());
    kop.voorVerzending = b[13];
    kop.versie = b[14];
    kop.inpakTijd = LeesS32(b + 16);
    kop.bronGrootte = LeesS32(b + 24);
    kop.bronAanmaakTijd = LeesS32(b + 28);
    kop.bronToegangsTijd = LeesS32(b + 32);
    kop.aantalVulbytes = LeesS32(b + 48);
    kop.adler32 = Lees32(b + 52);
    kop.totaalIn = Lees32(b + 60);
    kop.totaalUit = Lees32(b + 64);
    kop.toevalsWoord = Lees32(b + 68);
    return kop;
}

bool ControleerKop(const unsigned char* bytes, std::size_t aantal, std::string_view kenmerk) {
    if (aantal < kopGrootte || kenmerk.size() < 6) {
        return false;
    }
    const InpakKop kop = DecodeerKop(bytes);
    return std::equal(kenmerk.begin(), kenmerk.begin() + 6, kop.kenmerk.begin()) &&
           (kop.toevalsWoord & verzendBit) == 0 && kop.voorVerzending == 0 &&
           kop.versie == kopVersie;
}

}  // namespace zegelaar
