// Packing on several threads: the source is cut into pieces of one block that workers deflate
// side by side, and the calling thread joins them into one zlib stream. The stream differs
// from the one-thread engine's but is the same for every number of threads above one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "blok.h"
#include "gebruikersdialoog.h"
#include "inpakkop.h"
#include "platform.h"

namespace zegelaar {

// What the pack engine has prepared before the compression starts; all of it is released
// before the wait for "Sluiten", as in the one-thread engine.
struct Inpakbegin {
    Bestand& bron;              // open, nothing read yet
    Bestand& doel;              // open and empty
    Blokbuffer& invoer;         // not needed here
    Blokbuffer& uitvoer;        // starts with the header and filler bytes
    std::size_t kopEnVul;       // bytes already in `uitvoer`
    InpakKop& kop;              // the provisional header, completed at the end
    std::uint64_t bronGrootte;  // 100 % of the progress
};

// Deflates the source with `draden` workers (at least 2) at `niveau`, writes the final
// header and waits for "Sluiten", with the same messages, progress and results as the
// one-thread engine. Every dialogue call stays on the calling thread. Returns an
// Inpakresultaat; on 0 the caller offers the cutting.
int InpakkenParallel(Gebruikersdialoog& dialoog, const Inpakbegin& begin, int niveau,
                     unsigned draden);

}  // namespace zegelaar
