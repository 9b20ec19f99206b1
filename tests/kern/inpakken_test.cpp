// The pack engine: the packed file it writes, its conversation with the user, its progress
// and what it leaves on disk when something fails.
#include "inpakken.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakkop.h"
#include "scriptdialoog.h"
#include "uitpakken.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

Bytes Zlib(const Bytes& data, int niveau) {
    uLongf lengte = compressBound(static_cast<uLong>(data.size()));
    Bytes uit(lengte);
    EXPECT_EQ(compress2(uit.data(), &lengte, data.data(), static_cast<uLong>(data.size()), niveau),
              Z_OK);
    uit.resize(lengte);
    return uit;
}

int Inpakken(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel,
             bool voorVerzending = false) {
    return InpakkenBestand(dialoog, bron, doel, voorVerzending, XmlFinancieel.kenmerk,
                           XmlFinancieel.stukPatroon);
}

TEST(Inpakken, RondreisOpDeBlokgrenzen) {
    const std::size_t groottes[] = {
        0, 1, 99, 100, 199, 1399999, 1400000, 1400001, 3 * blokGrootte + 17};
    for (const std::size_t grootte : groottes) {
        test::Werkmap map;
        const Bytes bron = test::Tekstgegevens(grootte, static_cast<std::uint32_t>(grootte));
        test::Schrijf(map / "boek.xaf", bron);
        test::Scriptdialoog dialoog;
        ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0) << grootte;
        EXPECT_EQ(dialoog.openVensters, 0) << grootte;
        EXPECT_EQ(dialoog.wachtDiepte, 0) << grootte;

        const Bytes ingepakt = test::Lees(map / "boek.pbl.xfc");
        ASSERT_GE(ingepakt.size(), kopGrootte) << grootte;
        const InpakKop kop = DecodeerKop(ingepakt.data());
        const Bytes stroom(ingepakt.begin() + kopGrootte, ingepakt.end());
        EXPECT_EQ(stroom, Zlib(bron, 8)) << grootte;
        EXPECT_EQ(std::string(kop.kenmerk.data(), 12), "AXC003POAIAA") << grootte;
        EXPECT_EQ(kop.versie, 2) << grootte;
        EXPECT_EQ(static_cast<std::size_t>(kop.bronGrootte), grootte) << grootte;
        EXPECT_EQ(kop.totaalIn, grootte) << grootte;
        EXPECT_EQ(kop.totaalUit, stroom.size()) << grootte;
        EXPECT_EQ(kop.adler32,
                  adler32(adler32(0, nullptr, 0), bron.data(), static_cast<uInt>(bron.size())))
            << grootte;
        for (const std::int32_t positie : dialoog.posities) {
            EXPECT_GE(positie, 0) << grootte;
            EXPECT_LE(positie, grootte >= 10000 ? 100 : 199) << grootte;
        }

        test::Scriptdialoog terug;
        ASSERT_EQ(UitpakkenBestand(terug, map / "boek.pbl.xfc", map / "terug.xaf",
                                   XmlFinancieel.kenmerk, ""),
                  0)
            << grootte;
        EXPECT_EQ(test::Lees(map / "terug.xaf"), bron) << grootte;
        EXPECT_EQ(terug.openVensters, 0) << grootte;
        EXPECT_EQ(terug.wachtDiepte, 0) << grootte;
    }
}

TEST(Inpakken, VoorVerzendingMerktDeKopTweemaalEnZetVulbytes) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(5000);
    test::Schrijf(map / "boek.xaf", bron);
    for (const bool verzending : {false, true}) {
        test::Scriptdialoog dialoog;
        const std::string doel = map / (verzending ? "boek.xfc" : "boek.pbl.xfc");
        ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", doel, verzending), 0);
        const Bytes b = test::Lees(doel);
        const std::size_t vul = verzending ? 5 : 0;
        EXPECT_EQ(b[13], verzending ? 1 : 0);
        EXPECT_EQ(b[48], vul);
        EXPECT_EQ(b[49] | b[50] | b[51], 0);
        EXPECT_EQ((b[68] & 8) != 0, verzending);
        EXPECT_EQ(b[70] | b[71], 0);  // bits 16 to 31 of toevalsWoord
        EXPECT_EQ(b[69] & 0x80, 0);   // bit 15
        for (std::size_t i = kopGrootte; i < kopGrootte + vul; ++i) {
            EXPECT_LE(b[i], 254);
        }
        const Bytes stroom(b.begin() + static_cast<std::ptrdiff_t>(kopGrootte + vul), b.end());
        EXPECT_EQ(stroom, Zlib(bron, verzending ? 9 : 8));
        EXPECT_EQ(DecodeerKop(b.data()).totaalUit, stroom.size());
    }
    const Bytes ingepakt = test::Lees(map / "boek.pbl.xfc");
    EXPECT_EQ(ingepakt[76], 0x78);
    EXPECT_EQ(ingepakt[77], 0xDA);
}

TEST(Inpakken, TweeKeerInpakkenVerschiltNietVanafByte76) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(20000));
    test::Scriptdialoog a;
    test::Scriptdialoog b;
    ASSERT_EQ(Inpakken(a, map / "boek.xaf", map / "a.pbl.xfc"), 0);
    ASSERT_EQ(Inpakken(b, map / "boek.xaf", map / "b.pbl.xfc"), 0);
    const Bytes x = test::Lees(map / "a.pbl.xfc");
    const Bytes y = test::Lees(map / "b.pbl.xfc");
    ASSERT_EQ(x.size(), y.size());
    EXPECT_TRUE(std::equal(x.begin() + kopGrootte, x.end(), y.begin() + kopGrootte));
    EXPECT_TRUE(std::equal(x.begin(), x.begin() + 16, y.begin()));
}

TEST(Inpakken, GesprekVanEenKleinePak) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(1000));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    const std::vector<std::string> verwacht = {
        "Open",
        "ZetBereik(0,100)",
        "SetWindowText(Inpakken Auditfile)",
        "ZetStatus(Bezig...)",
        "BeginWachtcursor",
        "ZetPositie(100)",
        "EindigWachtcursor",
        "ZetPositie(100)",
        "ZetStatus(Klaar. Klik op 'Sluiten' om verder te gaan)",
        "ActiveerSluiten",
        "IsSluitenGekozen",
        "Sluit",
    };
    EXPECT_EQ(dialoog.verslag, verwacht);
}

TEST(Inpakken, GesprekMetHetAanbodOmTeKnippen) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Ruis(2 * blokGrootte));
    test::Scriptdialoog dialoog;
    dialoog.antwoorden = {true};
    ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    const std::vector<std::string> verwacht = {
        "Open",
        "ZetBereik(0,100)",
        "SetWindowText(Inpakken Auditfile)",
        "ZetStatus(Bezig...)",
        "ZetPositie(100)",
        "ZetStatus(Klaar. Klik op 'Sluiten' om verder te gaan)",
        "ActiveerSluiten",
        "IsSluitenGekozen",
        "Sluit",
        "VraagJaNee(Het ingepakte bestand is groter dan 1,4 MB.\nWilt u dat dit bestand in "
        "stukken van 1,4 MB\nwordt geknipt voor verzending op diskettes?)",
        "Open",
        "ZetBereik(0,100)",
        "SetWindowText(Ingepakte Auditfile knippen)",
        "ZetStatus(Bezig...)",
        "ZetPositie(100)",
        "ZetStatus(Klaar. Klik op 'Sluiten' om verder te gaan)",
        "ActiveerSluiten",
        "IsSluitenGekozen",
        "Sluit",
    };
    std::vector<std::string> gesprek = dialoog.Gesprek();
    // The last piece's own position may also read 100; only the final one is checked here.
    gesprek.erase(std::unique(gesprek.begin(), gesprek.end()), gesprek.end());
    EXPECT_EQ(gesprek, verwacht);
    EXPECT_TRUE(test::Bestaat(map / "boek.pbl.xf0"));
    EXPECT_TRUE(test::Bestaat(map / "boek.pbl.xf1"));
}

TEST(Inpakken, VoortgangVolgtDeBytesVanDeBron) {
    struct Geval {
        std::size_t grootte;
        std::int32_t hoogste;  // highest position before the final 100
    };
    const Geval gevallen[] = {{199, 199}, {50, 100}, {1, 100}, {0, 100}, {10000, 100}};
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.xaf", test::Tekstgegevens(g.grootte));
        test::Scriptdialoog dialoog;
        ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
        ASSERT_GE(dialoog.posities.size(), 2u);
        const auto werk =
            std::vector<std::int32_t>(dialoog.posities.begin(), dialoog.posities.end() - 1);
        EXPECT_EQ(*std::max_element(werk.begin(), werk.end()), g.hoogste) << g.grootte;
    }
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(4 * blokGrootte + 3));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    EXPECT_TRUE(std::is_sorted(dialoog.posities.begin(), dialoog.posities.end()));
    EXPECT_GE(dialoog.posities.size(), 5u);
}

TEST(Inpakken, BestaandDoelWordtGeleegd) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(3000));
    test::Schrijf(map / "boek.pbl.xfc", test::Ruis(100000));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    const Bytes b = test::Lees(map / "boek.pbl.xfc");
    EXPECT_EQ(b.size(), kopGrootte + DecodeerKop(b.data()).totaalUit);
}

TEST(Inpakken, FoutenMeldenEnLatenDeBronHeel) {
    struct Geval {
        const char* wat;
        std::string bron;  // relative to the folder, or absolute
        std::string doel;
        int resultaat;
        const char* melding;
    };
    const Geval gevallen[] = {
        {"bron ontbreekt", "weg.xaf", "boek.pbl.xfc", 17,
         "Bronbestand kan niet geopend worden om te lezen."},
        {"bron is een map", "map.xaf", "boek.pbl.xfc", 17,
         "Bronbestand kan niet geopend worden om te lezen."},
        {"doelmap ontbreekt", "boek.xaf", "geen/map/boek.pbl.xfc", 19,
         "Doelbestand kan niet geopend worden."},
        {"schijf vol", "boek.xaf", "/dev/full", 202, "Fout bij schrijven"},
        {"doel is de bron", "boek.xaf", "./boek.xaf", 19, nullptr},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const Bytes bron = test::Tekstgegevens(30000);
        test::Schrijf(map / "boek.xaf", bron);
        std::filesystem::create_directory(map / "map.xaf");
        const std::string doel = g.doel[0] == '/' ? g.doel : map / g.doel;
        test::Scriptdialoog dialoog;
        EXPECT_EQ(Inpakken(dialoog, map / g.bron, doel), g.resultaat) << g.wat;
        ASSERT_EQ(dialoog.Meldingen().size(), 1u) << g.wat;
        if (g.melding) {
            EXPECT_EQ(dialoog.Meldingen()[0], g.melding) << g.wat;
        } else {
            EXPECT_NE(dialoog.Meldingen()[0].find("hetzelfde bestand"), std::string::npos);
        }
        EXPECT_EQ(test::Lees(map / "boek.xaf"), bron) << g.wat;
        EXPECT_EQ(dialoog.openVensters, 0) << g.wat;
        EXPECT_EQ(dialoog.wachtDiepte, 0) << g.wat;
    }
}

TEST(Inpakken, ZonderVoortgangsvensterGaatHetWerkDoor) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(3000));
    test::Scriptdialoog dialoog;
    dialoog.openLukt = false;
    EXPECT_EQ(Inpakken(dialoog, map / "boek.xaf", map / "boek.pbl.xfc"), 0);
    EXPECT_TRUE(dialoog.posities.empty());
    EXPECT_EQ(std::count(dialoog.verslag.begin(), dialoog.verslag.end(), "IsSluitenGekozen"), 0);
}

}  // namespace
}  // namespace zegelaar
