// The unpack engine: a packed file, or the whole numbered set of diskette pieces chosen by
// its first piece, back into the audit file, after the header test.
#pragma once

#include <string>
#include <string_view>

#include "gebruikersdialoog.h"

namespace zegelaar {

// Results of unpacking. 0 is success; every other code has shown its message.
enum Uitpakresultaat : int {
    uitpakGelukt = 0,                // unpacked; the user closed the progress window
    uitpakBronNietOpen = 17,         // the source, or a further piece that exists, can't be opened
    uitpakNietVervangen = 18,        // the target exists and the user did not agree to replace it
    uitpakDoelNietGemaakt = 19,      // the target can't be created, or is the source itself
    uitpakGeenBuffers = 101,         // the two buffers can't be allocated
    uitpakInitFout = 201,            // the inflate stream can't be set up
    uitpakSchrijfFout = 203,         // a full output buffer can't be written
    uitpakLaatsteSchrijfFout = 204,  // the last, partly filled output buffer can't be written
    uitpakDecompressieFout = 205,    // damaged, cut short, or asking for a dictionary
    uitpakKopGeweigerd = 999,        // the header test refused the file
};

// Unpacks `bron` into `doel`. With a `stukPatroon` and a source whose path ends in "0", the
// following pieces are read in turn. `kenmerk` is the magic of the kind the extension names.
int UitpakkenBestand(Gebruikersdialoog& dialoog, const std::string& bron, const std::string& doel,
                     std::string_view kenmerk, std::string_view stukPatroon);

}  // namespace zegelaar
