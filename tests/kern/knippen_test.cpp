// Cutting a packed file into diskette pieces.
#include "knippen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "auditfilesoort.h"
#include "blok.h"
#include "scriptdialoog.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

Bytes Samengevoegd(const test::Werkmap& map, std::uint32_t aantal) {
    Bytes alles;
    for (std::uint32_t n = 0; n < aantal; ++n) {
        const Bytes stuk = test::Lees(map / ("boek.pbl.xf" + std::to_string(n)));
        alles.insert(alles.end(), stuk.begin(), stuk.end());
    }
    return alles;
}

TEST(Knippen, StukkenVanEenBlokDieSamenHetBestandZijn) {
    struct Geval {
        std::size_t grootte;
        std::uint32_t stukken;
    };
    const Geval gevallen[] = {{blokGrootte + 1, 2}, {11 * blokGrootte + 5, 12}};
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const Bytes ingepakt = test::Ruis(g.grootte, 2);
        test::Schrijf(map / "boek.pbl.xfc", ingepakt);
        test::Scriptdialoog dialoog;
        dialoog.antwoorden = {true};
        EXPECT_EQ(KnippenInStukken(dialoog, map / "boek.pbl.xfc", ".xf%d"), 0) << g.grootte;
        for (std::uint32_t n = 0; n + 1 < g.stukken; ++n) {
            EXPECT_EQ(std::filesystem::file_size(map / ("boek.pbl.xf" + std::to_string(n))),
                      blokGrootte);
        }
        EXPECT_FALSE(test::Bestaat(map / ("boek.pbl.xf" + std::to_string(g.stukken))));
        EXPECT_FALSE(test::Bestaat(map / "boek.pbl.xf01"));
        EXPECT_EQ(Samengevoegd(map, g.stukken), ingepakt) << g.grootte;
        EXPECT_EQ(test::Lees(map / "boek.pbl.xfc"), ingepakt);
        EXPECT_EQ(dialoog.wachtDiepte, 0);
        EXPECT_EQ(dialoog.openVensters, 0);
    }
}

TEST(Knippen, NietGevraagdOfNeeGeeftGeenStukken) {
    struct Geval {
        const char* wat;
        std::size_t grootte;
        bool ja;
        std::size_t vragen;
    };
    const Geval gevallen[] = {
        {"precies een blok", blokGrootte, true, 0},
        {"nee", blokGrootte + 1, false, 1},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.pbl.xfc", test::Ruis(g.grootte));
        test::Scriptdialoog dialoog;
        dialoog.antwoorden = {g.ja};
        EXPECT_EQ(KnippenInStukken(dialoog, map / "boek.pbl.xfc", ".xf%d"), 0) << g.wat;
        EXPECT_EQ(dialoog.verslag.size(), g.vragen) << g.wat;
        EXPECT_FALSE(test::Bestaat(map / "boek.pbl.xf0")) << g.wat;
    }
    test::Scriptdialoog dialoog;
    EXPECT_EQ(KnippenInStukken(dialoog, "/niet/hier.xfc", ".xf%d"), 0);
    EXPECT_TRUE(dialoog.verslag.empty());
}

TEST(Knippen, OudeStukkenMetDezelfdeNaamWordenVervangenHogereBlijven) {
    test::Werkmap map;
    const Bytes ingepakt = test::Ruis(blokGrootte + 10, 6);
    test::Schrijf(map / "boek.pbl.xfc", ingepakt);
    test::Schrijf(map / "boek.pbl.xf0", test::Ruis(5 * blokGrootte / 2, 7));
    test::Schrijf(map / "boek.pbl.xf7", {4, 5, 6});
    test::Scriptdialoog dialoog;
    dialoog.antwoorden = {true};
    EXPECT_EQ(KnippenInStukken(dialoog, map / "boek.pbl.xfc", ".xf%d"), 0);
    EXPECT_EQ(Samengevoegd(map, 2), ingepakt);
    EXPECT_EQ(test::Lees(map / "boek.pbl.xf7"), (Bytes{4, 5, 6}));
}

TEST(Knippen, StukDatNietGemaaktKanWordenBreektAf) {
    test::Werkmap map;
    test::Schrijf(map / "boek.pbl.xfc", test::Ruis(3 * blokGrootte, 8));
    std::filesystem::create_directory(map / "boek.pbl.xf1");
    test::Scriptdialoog dialoog;
    dialoog.antwoorden = {true};
    EXPECT_EQ(KnippenInStukken(dialoog, map / "boek.pbl.xfc", ".xf%d"), 16);
    EXPECT_EQ(dialoog.Meldingen(),
              std::vector<std::string>{"Diskettebestand\n" + map / "boek.pbl.xf1" +
                                       "\nkan niet gemaakt worden."});
    EXPECT_EQ(std::filesystem::file_size(map / "boek.pbl.xf0"), blokGrootte);
    EXPECT_FALSE(test::Bestaat(map / "boek.pbl.xf2"));
    EXPECT_EQ(dialoog.wachtDiepte, 0);
    EXPECT_EQ(dialoog.openVensters, 0);
}

TEST(Knippen, EenStukMetDeNaamVanHetIngepakteBestandWordtNietGewist) {
    test::Werkmap map;
    const Bytes ingepakt = test::Ruis(2 * blokGrootte, 10);
    test::Schrijf(map / "boek.xf0", ingepakt);
    test::Scriptdialoog dialoog;
    dialoog.antwoorden = {true};
    EXPECT_EQ(KnippenInStukken(dialoog, map / "boek.xf0", ".xf%d"), 16);
    EXPECT_EQ(test::Lees(map / "boek.xf0"), ingepakt);
}

}  // namespace
}  // namespace zegelaar
