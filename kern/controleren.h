// Checking a packed file or a set of pieces without writing anything: the whole zlib stream
// is inflated and its checksum and byte counts are compared with the header. Files packed for
// sending are checked too, which the unpacker refuses by design.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "inpakkop.h"

namespace zegelaar {

// What a check found. `fouten` holds one Dutch sentence per problem; none means intact.
struct Controleverslag {
    bool kopGelezen = false;
    InpakKop kop;
    std::uint32_t stukken = 0;    // files read: 1, or the pieces of a set
    std::uint64_t ingepakt = 0;   // bytes of the zlib stream
    std::uint64_t uitgepakt = 0;  // bytes it inflates to
    std::uint32_t adler = 0;      // Adler-32 of those bytes
    std::vector<std::string> fouten;

    bool Heel() const { return fouten.empty(); }
};

// Checks `pad`; a first piece (such as .xf0) brings the rest of its set. `bijBlok`, when
// given, hears after each block how many bytes of the stream have been read.
Controleverslag ControleerIngepakt(const std::string& pad,
                                   const std::function<void(std::uint64_t)>& bijBlok = {});

}  // namespace zegelaar
