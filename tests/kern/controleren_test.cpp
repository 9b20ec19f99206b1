// Checking packed files without unpacking them: intact files of every form, and each way a
// file can differ from what the packer wrote.
#include "controleren.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "pakhulp.h"
#include "scriptdialoog.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

std::uint32_t Adler(const Bytes& data) {
    return static_cast<std::uint32_t>(
        adler32(adler32(0, nullptr, 0), data.data(), static_cast<uInt>(data.size())));
}

TEST(Controleren, HeleBestandenInElkeVorm) {
    struct Geval {
        const char* wat;
        std::size_t grootte;
        bool voorVerzending;
        bool knippen;
        const char* controleer;
        std::uint32_t stukken;
    };
    const Geval gevallen[] = {
        {"leeg", 0, false, false, "boek.pbl.xfc", 1},
        {"klein", 5000, false, false, "boek.pbl.xfc", 1},
        {"voor verzending", 5000, true, false, "boek.xfc", 1},
        {"stukken", 3 * blokGrootte, false, true, "boek.pbl.xf0", 4},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const Bytes data = g.knippen ? test::Ruis(g.grootte) : test::Tekstgegevens(g.grootte);
        const std::string ingepakt = test::PakIn(map, data, g.voorVerzending, g.knippen);
        const Controleverslag verslag = ControleerIngepakt(map / g.controleer);
        EXPECT_TRUE(verslag.Heel())
            << g.wat << ": " << (verslag.fouten.empty() ? "" : verslag.fouten[0]);
        EXPECT_EQ(verslag.uitgepakt, data.size()) << g.wat;
        EXPECT_EQ(verslag.adler, Adler(data)) << g.wat;
        EXPECT_EQ(verslag.ingepakt, verslag.kop.totaalUit) << g.wat;
        EXPECT_EQ(verslag.stukken, g.stukken) << g.wat;
        EXPECT_EQ(verslag.kop.voorVerzending, g.voorVerzending ? 1 : 0) << g.wat;
    }
}

TEST(Controleren, ElkeAfwijkingWordtBenoemd) {
    struct Geval {
        const char* wat;
        std::function<void(Bytes&)> wijzig;
        const char* begin;  // start of the one sentence expected
    };
    const Geval gevallen[] = {
        // Depending on where it lands, a flipped byte breaks the stream or only its checksum.
        {"byte in de stroom", [](Bytes& b) { b[b.size() / 2] ^= 0x10; }, ""},
        {"afgekapt", [](Bytes& b) { b.resize(b.size() - 30); },
         "De zlib-stroom houdt op voordat hij af is"},
        {"controlegetal", [](Bytes& b) { b[b.size() - 1] ^= 1; }, "Het controlegetal aan het eind"},
        {"totaalIn in de kop", [](Bytes& b) { b[60] ^= 1; }, "De kop noemt"},
        {"adler32 in de kop", [](Bytes& b) { b[52] ^= 1; }, "Het controlegetal in de kop"},
        {"aanhangsel", [](Bytes& b) { b.push_back(0); }, "Na het einde van de zlib-stroom"},
        {"vulbytes", [](Bytes& b) { b[48] = 3; }, "De kop noemt 3 vulbytes"},
        {"korter dan de kop", [](Bytes& b) { b.resize(40); }, "Het bestand is korter dan de kop"},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const std::string ingepakt = test::PakIn(map, test::Tekstgegevens(200000), false, false);
        Bytes b = test::Lees(ingepakt);
        g.wijzig(b);
        test::Schrijf(ingepakt, b);
        const Controleverslag verslag = ControleerIngepakt(ingepakt);
        ASSERT_EQ(verslag.fouten.size(), 1u) << g.wat;
        EXPECT_EQ(verslag.fouten[0].rfind(g.begin, 0), 0u) << g.wat << ": " << verslag.fouten[0];
    }
}

TEST(Controleren, OntbrekendOfOnleesbaarStuk) {
    test::Werkmap map;
    test::PakIn(map, test::Ruis(4 * blokGrootte), false, true);
    std::filesystem::remove(map / "boek.pbl.xf2");
    Controleverslag verslag = ControleerIngepakt(map / "boek.pbl.xf0");
    ASSERT_EQ(verslag.fouten.size(), 1u);
    EXPECT_NE(verslag.fouten[0].find("ontbreekt een stuk"), std::string::npos);

    std::filesystem::create_directory(map / "boek.pbl.xf2");
    verslag = ControleerIngepakt(map / "boek.pbl.xf0");
    EXPECT_EQ(verslag.fouten, std::vector<std::string>{"Diskettebestand\n" + map / "boek.pbl.xf2" +
                                                       "\nkan niet geopend worden."});
    EXPECT_FALSE(ControleerIngepakt(map / "niet.pbl.xfc").Heel());
}

}  // namespace
}  // namespace zegelaar
