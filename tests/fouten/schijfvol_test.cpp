// A disk that fills while the engines write: the packed file, a diskette piece, the final
// header, the unpacked audit file. Each failure is reported with its code, the source stays
// as it was, and what was written so far stays on disk as far as it got.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <string>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "kleineschijf.h"
#include "scriptdialoog.h"
#include "uitpakken.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;
constexpr std::size_t MiB = 1024 * 1024;

int Pak(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel) {
    return InpakkenBestand(dialoog, bron, doel, false, XmlFinancieel.kenmerk,
                           XmlFinancieel.stukPatroon);
}

int PakUit(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel) {
    return UitpakkenBestand(dialoog, bron, doel, XmlFinancieel.kenmerk, "");
}

bool BeginGelijk(const Bytes& deel, const Bytes& geheel) {
    return deel.size() <= geheel.size() && std::equal(deel.begin(), deel.end(), geheel.begin());
}

// The packed file of incompressible data of this size, made on an ordinary disk.
Bytes IngepaktVan(const Bytes& bron) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", bron);
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Pak(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    return test::Lees(map / "boek.pbl.xfc");
}

// Everything after the header, which alone differs between two packs of the same data.
Bytes NaKop(const Bytes& ingepakt) {
    return ingepakt.size() < kopGrootte ? Bytes{}
                                        : Bytes(ingepakt.begin() + kopGrootte, ingepakt.end());
}

void ControleerAfloop(const test::Scriptdialoog& dialoog, int resultaat, const char* wat) {
    if (resultaat == 0) {
        EXPECT_TRUE(dialoog.Meldingen().empty()) << wat;
    } else {
        EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{"Fout bij schrijven"}) << wat;
    }
    EXPECT_EQ(dialoog.openVensters, 0) << wat;
    EXPECT_EQ(dialoog.wachtDiepte, 0) << wat;
}

TEST(SchijfVol, TijdensHetInpakken) {
    const Bytes bron = test::Ruis(2000000);
    const Bytes ingepakt = IngepaktVan(bron);
    ASSERT_GT(ingepakt.size(), bron.size());
    struct Geval {
        const char* wat;
        std::size_t schijf;
        int resultaat;
    };
    const Geval gevallen[] = {
        // The first block of 1,400,000 bytes does not fit: part of it is left.
        {"eerste blok", 1 * MiB, 202},
        // The first block fits, the last part does not: the block and part of the rest.
        {"laatste deel", 1536 * 1024, 202},
        // The disk is full with the last byte; the final header overwrites bytes already
        // there and needs no room, so the pack succeeds.
        {"vol bij de kop", test::HeleBladzijden(ingepakt.size()), 0},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.xaf", bron);
        test::KleineSchijf schijf(g.schijf);
        ZEGELAAR_VEREIS_SCHIJF(schijf);
        test::Scriptdialoog dialoog;
        EXPECT_EQ(Pak(dialoog, map / "boek.xaf", schijf / "boek.pbl.xfc"), g.resultaat) << g.wat;
        ControleerAfloop(dialoog, g.resultaat, g.wat);
        EXPECT_EQ(test::Lees(map / "boek.xaf"), bron) << g.wat;

        const Bytes over = test::Lees(schijf / "boek.pbl.xfc");
        if (g.resultaat == 0) {
            struct statvfs vrij {};
            ASSERT_EQ(statvfs(schijf.Pad().c_str(), &vrij), 0);
            EXPECT_EQ(vrij.f_bavail, 0u) << g.wat << ": the disk was not full after all";
            EXPECT_EQ(NaKop(over), NaKop(ingepakt)) << g.wat;
            test::Scriptdialoog uitpakken;
            ASSERT_EQ(PakUit(uitpakken, schijf / "boek.pbl.xfc", map / "terug.xaf"), 0);
            EXPECT_EQ(test::Lees(map / "terug.xaf"), bron) << g.wat;
        } else {
            // A beginning of the packed file under the provisional header, cut short.
            EXPECT_LT(over.size(), ingepakt.size()) << g.wat;
            EXPECT_LE(over.size(), g.schijf) << g.wat;
            EXPECT_TRUE(BeginGelijk(NaKop(over), NaKop(ingepakt))) << g.wat;
            if (over.size() >= kopGrootte) {
                EXPECT_EQ(DecodeerKop(over.data()).totaalUit, 0u) << g.wat;
            }
        }
        EXPECT_FALSE(test::Bestaat(schijf / "boek.pbl.xf0")) << g.wat;
    }
}

TEST(SchijfVol, TijdensHetKnippen) {
    const Bytes bron = test::Ruis(2000000);
    const Bytes ingepakt = IngepaktVan(bron);
    ASSERT_GT(ingepakt.size(), blokGrootte);
    const std::size_t ruimteVoorPak = test::HeleBladzijden(ingepakt.size());
    struct Geval {
        const char* wat;
        std::size_t schijf;
        std::size_t heleStukken;  // pieces written whole before the disk filled
    };
    const Geval gevallen[] = {
        {"eerste stuk", ruimteVoorPak + 1 * MiB, 0},
        {"tweede stuk", ruimteVoorPak + test::HeleBladzijden(blokGrootte) + 256 * 1024, 1},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.xaf", bron);
        test::KleineSchijf schijf(g.schijf);
        ZEGELAAR_VEREIS_SCHIJF(schijf);
        test::Scriptdialoog dialoog;
        dialoog.antwoorden = {true};  // yes, cut it
        EXPECT_EQ(Pak(dialoog, map / "boek.xaf", schijf / "boek.pbl.xfc"), 202) << g.wat;
        ControleerAfloop(dialoog, 202, g.wat);
        EXPECT_EQ(test::Lees(map / "boek.xaf"), bron) << g.wat;

        // The packed file is whole and the pieces before the failing one are exact slices.
        const Bytes over = test::Lees(schijf / "boek.pbl.xfc");
        EXPECT_EQ(NaKop(over), NaKop(ingepakt)) << g.wat;
        for (std::size_t n = 0; n < g.heleStukken; ++n) {
            const Bytes stuk = test::Lees(schijf / ("boek.pbl.xf" + std::to_string(n)));
            ASSERT_EQ(stuk.size(), blokGrootte) << g.wat;
            EXPECT_TRUE(std::equal(stuk.begin(), stuk.end(), over.begin() + n * blokGrootte));
        }
        const std::string kapot = schijf / ("boek.pbl.xf" + std::to_string(g.heleStukken));
        const Bytes deel = test::Lees(kapot);
        EXPECT_LT(deel.size(), std::min(blokGrootte, over.size() - g.heleStukken * blokGrootte));
        EXPECT_TRUE(
            std::equal(deel.begin(), deel.end(), over.begin() + g.heleStukken * blokGrootte));
        EXPECT_FALSE(test::Bestaat(schijf / ("boek.pbl.xf" + std::to_string(g.heleStukken + 1))));
    }
}

TEST(SchijfVol, TijdensHetUitpakken) {
    struct Geval {
        const char* wat;
        std::size_t bron;
        std::size_t schijf;
        int resultaat;
    };
    const Geval gevallen[] = {
        // A full block of output cannot be written whole.
        {"vol blok", 3000000, 2 * MiB, 203},
        // Only the last, partly filled block remains to be written, and it does not fit.
        {"laatste deel", 1000000, 512 * 1024, 204},
        // Exactly room for the audit file.
        {"precies genoeg", 1000000, 1000000, 0},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const Bytes bron = test::Ruis(g.bron);
        test::Schrijf(map / "boek.xaf", bron);
        test::Scriptdialoog inpakken;
        ASSERT_EQ(Pak(inpakken, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
        const Bytes ingepakt = test::Lees(map / "boek.pbl.xfc");
        test::KleineSchijf schijf(g.schijf);
        ZEGELAAR_VEREIS_SCHIJF(schijf);

        test::Scriptdialoog dialoog;
        EXPECT_EQ(PakUit(dialoog, map / "boek.pbl.xfc", schijf / "boek.xaf"), g.resultaat) << g.wat;
        ControleerAfloop(dialoog, g.resultaat, g.wat);
        EXPECT_EQ(test::Lees(map / "boek.pbl.xfc"), ingepakt) << g.wat;
        const Bytes over = test::Lees(schijf / "boek.xaf");
        if (g.resultaat == 0) {
            EXPECT_EQ(over, bron) << g.wat;
        } else {
            EXPECT_TRUE(BeginGelijk(over, bron)) << g.wat;
            EXPECT_LT(over.size(), bron.size()) << g.wat;
            EXPECT_LE(over.size(), g.schijf) << g.wat;
        }
    }
}

// A final header that cannot be put back at the start: the target is a pipe, which takes
// the data but cannot be positioned.
TEST(KopSchrijven, DoelZonderBeginIsEenFout) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(20000);
    test::Schrijf(map / "boek.xaf", bron);
    ASSERT_EQ(mkfifo((map / "pijp.xfc").c_str(), 0600), 0);
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Pak(dialoog, map / "boek.xaf", map / "pijp.xfc"), 203);
    ControleerAfloop(dialoog, 203, "pijp");
    EXPECT_EQ(test::Lees(map / "boek.xaf"), bron);
}

}  // namespace
}  // namespace zegelaar
