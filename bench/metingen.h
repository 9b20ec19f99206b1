// One measured operation, run in a process of its own so that its peak memory is its own:
// packing or unpacking with Zegelaar's engines, or the plain zlib loop they are held against.
#pragma once

#include <cstdint>
#include <string>

namespace zegelaar::bank {

struct Meetuitkomst {
    bool gelukt = false;
    double seconden = 0;
    std::uint64_t uitvoer = 0;  // bytes written
};

// Runs operation `soort` on the files in `map`: "kern-inpakken", "kern-uitpakken",
// "zlib-inpakken", "zlib-uitpakken", or "leeg" (nothing, for the bare process's memory).
// `niveau` 9 packs for sending; `draden` goes to the pack engine.
Meetuitkomst Meet(const std::string& soort, const std::string& map, int niveau, unsigned draden);

// This process's peak resident memory so far (VmHWM), in KiB; 0 when unknown.
long PiekgeheugenKiB();

}  // namespace zegelaar::bank
