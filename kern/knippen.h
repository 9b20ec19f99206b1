// Cutting a packed file into numbered diskette pieces of one block each, offered after
// every pack of a file larger than a block.
#pragma once

#include <string>
#include <string_view>

#include "gebruikersdialoog.h"

namespace zegelaar {

// Offers to cut `pad` into pieces named by `stukPatroon`, and cuts when the user agrees.
// Returns 0 (cut, not asked, or declined), 16 (a piece can't be created), 17 (the packed
// file can't be read on), 102 (no copy buffer) or 202 (a piece not written whole).
int KnippenInStukken(Gebruikersdialoog& dialoog, const std::string& pad,
                     std::string_view stukPatroon);

}  // namespace zegelaar
