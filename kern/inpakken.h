// The pack engine: one audit file into one packed file (header, filler bytes, zlib stream),
// with progress, followed by the offer to cut the result into diskette pieces.
#pragma once

#include <string>
#include <string_view>

#include "gebruikersdialoog.h"

namespace zegelaar {

// Results of packing and cutting. 0 is success; every other code has shown its message.
enum Inpakresultaat : int {
    inpakGelukt = 0,               // packed; cut or not
    inpakStukNietGemaakt = 16,     // a diskette piece can't be created
    inpakBronNietOpen = 17,        // source can't be opened for reading, or can't be read on
    inpakDoelNietOpen = 19,        // target can't be opened, or is the source itself
    inpakGeenBuffers = 101,        // input or output buffer can't be allocated
    inpakGeenKopieerbuffer = 102,  // copy buffer for cutting can't be allocated
    inpakInitFout = 201,           // the compressor can't be set up
    inpakSchrijfFout = 202,        // a block or a piece can't be written whole
    inpakKopSchrijfFout = 203,     // the final header can't be written whole
    inpakCompressieFout = 205,     // deflate reported an error
};

// Packs `bron` into `doel` (created or emptied) at level 8, or 9 with the for-sending marks,
// then offers to cut. The caller has checked that the source exists and may replace the
// target. Returns after the user closed the last progress window or saw a failure.
// With more than one thread the source is deflated in independent pieces on worker threads:
// a different stream from the one-thread engine's, the same for every thread count above one.
int InpakkenBestand(Gebruikersdialoog& dialoog, const std::string& bron, const std::string& doel,
                    bool voorVerzending, std::string_view kenmerk, std::string_view stukPatroon,
                    unsigned draden = 1);

}  // namespace zegelaar
