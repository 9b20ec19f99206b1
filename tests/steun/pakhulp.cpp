// Packing a test file through the real pack engine.
#include "pakhulp.h"

#include <gtest/gtest.h>

#include "auditfilesoort.h"
#include "inpakken.h"
#include "scriptdialoog.h"

namespace zegelaar::test {

std::string PakIn(const Werkmap& map, const Bytes& data, bool voorVerzending, bool knippen) {
    Schrijf(map / "boek.xaf", data);
    const std::string doel = map / (voorVerzending ? "boek.xfc" : "boek.pbl.xfc");
    Scriptdialoog dialoog;
    dialoog.antwoorden = {knippen};
    EXPECT_EQ(InpakkenBestand(dialoog, map / "boek.xaf", doel, voorVerzending,
                              XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon),
              0);
    return doel;
}

}  // namespace zegelaar::test
