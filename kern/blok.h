// The block of 1,400,000 bytes: the engines' read and write size and the size of one
// diskette piece, and the buffers of that size that each engine call owns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>

namespace zegelaar {

inline constexpr std::size_t blokGrootte = 1400000;

using Blokbuffer = std::unique_ptr<unsigned char[]>;

// A block-sized buffer, or null when memory runs out (reported by the caller, not thrown).
inline Blokbuffer MaakBlokbuffer() {
    return Blokbuffer(new (std::nothrow) unsigned char[blokGrootte]);
}

// Progress position of `gedaan` out of `totaal`: gedaan ÷ (totaal ÷ 100) as the engines have
// always shown it (a 199-byte source can reach 199), computed in 64 bits. Below 100 bytes
// that divisor is 0, so such sizes use the plain percentage; an empty source is done at once.
inline std::int32_t Voortgangspositie(std::uint64_t gedaan, std::uint64_t totaal) {
    std::uint64_t positie;
    if (totaal >= 100) {
        positie = gedaan / (totaal / 100);
    } else if (totaal > 0) {
        positie = gedaan * 100 / totaal;
    } else {
        positie = 100;
    }
    constexpr auto grens = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(positie < grens ? positie : grens);
}

// Writes n bytes; true only when all were written.
inline bool SchrijfAlles(std::FILE* bestand, const unsigned char* data, std::size_t n) {
    return n == 0 || std::fwrite(data, 1, n, bestand) == n;
}

}  // namespace zegelaar
