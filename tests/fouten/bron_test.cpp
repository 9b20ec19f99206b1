// Sources that change or fail under the engines: an audit file that shrinks while it is
// packed, and diskette pieces that exist but cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "scriptdialoog.h"
#include "uitpakactie.h"
#include "uitpakken.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

int Pak(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel) {
    return InpakkenBestand(dialoog, bron, doel, false, XmlFinancieel.kenmerk,
                           XmlFinancieel.stukPatroon);
}

int PakUit(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel) {
    return UitpakkenBestand(dialoog, bron, doel, XmlFinancieel.kenmerk, "");
}

// The header counts what was really read; the packed file unpacks to exactly that.
TEST(KrimpendeBron, KopTeltWatGelezenIs) {
    const std::size_t grootte = 4000000;
    // The size the source is cut to once its first block has been read.
    for (const std::size_t tot : {std::size_t{1500000}, blokGrootte, std::size_t{0}}) {
        test::Werkmap map;
        const Bytes bron = test::Tekstgegevens(grootte, 3);
        test::Schrijf(map / "boek.xaf", bron);
        test::Scriptdialoog dialoog;
        bool gekrompen = false;
        dialoog.bijPositie = [&](std::int32_t) {
            if (!gekrompen) {
                fs::resize_file(map / "boek.xaf", tot);
                gekrompen = true;
            }
        };
        ASSERT_EQ(Pak(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0) << tot;
        ASSERT_TRUE(gekrompen);
        const Bytes ingepakt = test::Lees(map / "boek.pbl.xfc");
        const InpakKop kop = DecodeerKop(ingepakt.data());
        EXPECT_EQ(static_cast<std::size_t>(kop.bronGrootte), grootte) << tot;
        EXPECT_EQ(kop.totaalUit, ingepakt.size() - kopGrootte) << tot;
        // The first block was read before the cut; the stream's read-ahead may have taken a
        // few kilobytes more of the old contents with it. Whatever was read is what the
        // header counts and what comes back.
        const std::size_t minstens = std::max(tot, blokGrootte);
        EXPECT_GE(kop.totaalIn, minstens) << tot;
        EXPECT_LT(kop.totaalIn, minstens + 65536) << tot;

        test::Scriptdialoog uit;
        EXPECT_EQ(PakUit(uit, map / "boek.pbl.xfc", map / "terug.xaf"), 0) << tot;
        const Bytes terug = test::Lees(map / "terug.xaf");
        EXPECT_EQ(terug.size(), kop.totaalIn) << tot;
        EXPECT_TRUE(std::equal(terug.begin(), terug.end(), bron.begin())) << tot;
        // Left on disk: the shrunken source, the packed file of what was read, its unpacking.
        EXPECT_EQ(fs::file_size(map / "boek.xaf"), tot);
    }
}

// Piece 1 of a set of three is replaced by something that is there but gives no data. The
// set is unpacked from its first piece through the unpack action.
TEST(OnleesbaarStuk, MeldtHetStukOfDatDeStroomNietHeelIs) {
    struct Geval {
        const char* wat;
        std::function<void(const std::string&)> maak;
        const char* melding;  // %s: the piece
        int resultaat;
        // Whether the output decoded from piece 0, less than a block, is kept: it is when
        // the input merely ended, not when a piece could not be opened.
        bool restBewaard;
    };
    const Geval gevallen[] = {
        {"map", [](const std::string& p) { fs::create_directory(p); },
         "Diskettebestand\n%s\nkan niet geopend worden.", 17, false},
        // A link that leads nowhere is no piece: the input ends early.
        {"koppeling in een kring", [](const std::string& p) { fs::create_symlink(p, p); },
         "Fout bij decompressie", 205, true},
        // Opens, but every read fails: the input ends early.
        {"leesfout", [](const std::string& p) { fs::create_symlink("/proc/self/mem", p); },
         "Fout bij decompressie", 205, true},
        {"leeg", [](const std::string& p) { test::Schrijf(p, {}); }, "Fout bij decompressie", 205,
         true},
    };
    test::Werkmap bronmap;
    const Bytes audit = test::Ruis(2 * blokGrootte + 1000, 4);
    test::Schrijf(bronmap / "boek.xaf", audit);
    test::Scriptdialoog pak;
    pak.antwoorden = {true};
    ASSERT_EQ(Pak(pak, bronmap / "boek.xaf", bronmap / "boek.pbl.xfc"), 0);
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        for (const char* stuk : {"boek.pbl.xf0", "boek.pbl.xf2"}) {
            fs::copy_file(bronmap / stuk, map / stuk);
        }
        const std::string stuk1 = map / "boek.pbl.xf1";
        g.maak(stuk1);
        std::string doel;
        test::Scriptdialoog dialoog;
        const Actieuitkomst uitkomst = Uitpakken(dialoog, map / "boek.pbl.xf0", doel);
        EXPECT_EQ(uitkomst.afloop, Afloop::uitgevoerd) << g.wat;
        EXPECT_EQ(uitkomst.resultaat, g.resultaat) << g.wat;
        std::string melding = g.melding;
        if (const auto plek = melding.find("%s"); plek != std::string::npos) {
            melding.replace(plek, 2, stuk1);
        }
        EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{melding}) << g.wat;
        EXPECT_EQ(dialoog.openVensters, 0) << g.wat;
        EXPECT_EQ(dialoog.wachtDiepte, 0) << g.wat;
        // Left: the target, empty or with what piece 0 gave, always a beginning of the audit.
        const Bytes over = test::Lees(doel);
        EXPECT_TRUE(test::Bestaat(doel)) << g.wat;
        EXPECT_EQ(over.empty(), !g.restBewaard) << g.wat;
        EXPECT_LT(over.size(), blokGrootte) << g.wat;
        EXPECT_TRUE(std::equal(over.begin(), over.end(), audit.begin())) << g.wat;
        EXPECT_EQ(test::Lees(map / "boek.pbl.xf0"), test::Lees(bronmap / "boek.pbl.xf0")) << g.wat;
    }
}

}  // namespace
}  // namespace zegelaar
