// Packing a test file the way most tests need it, through the real pack engine.
#pragma once

#include <string>

#include "werkmap.h"

namespace zegelaar::test {

// Writes `data` to map/boek.xaf and packs it as an XML financial file into map/boek.pbl.xfc
// (map/boek.xfc for sending), answering the offer to cut with `knippen`. Returns the packed
// file's path; a failed pack fails the test.
std::string PakIn(const Werkmap& map, const Bytes& data, bool voorVerzending = false,
                  bool knippen = false);

}  // namespace zegelaar::test
