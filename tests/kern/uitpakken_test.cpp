// The unpack engine: single packed files and piece sets, the header test, the replace
// question, damaged and incomplete input, and what stays on disk.
#include "uitpakken.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "pakhulp.h"
#include "scriptdialoog.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

constexpr const char* decompressieFout = "Fout bij decompressie";

int Uitpakken(test::Scriptdialoog& dialoog, const std::string& bron, const std::string& doel,
              std::string_view stukPatroon = "") {
    return UitpakkenBestand(dialoog, bron, doel, XmlFinancieel.kenmerk, stukPatroon);
}

// A packed file (header and zlib stream) of exactly `lengte` bytes, made from noise.
Bytes IngepaktVanLengte(std::size_t lengte, Bytes& bron) {
    std::size_t n = lengte - kopGrootte - 100;
    for (int poging = 0; poging < 20; ++poging) {
        bron = test::Ruis(n, 9);
        uLongf z = compressBound(static_cast<uLong>(n));
        Bytes stroom(z);
        compress2(stroom.data(), &z, bron.data(), static_cast<uLong>(n), 8);
        stroom.resize(z);
        if (z + kopGrootte == lengte) {
            InpakKop kop;
            std::memcpy(kop.kenmerk.data(), XmlFinancieel.kenmerk.data(), 12);
            kop.versie = 2;
            kop.bronGrootte = static_cast<std::int32_t>(n);
            const Kopbytes k = CodeerKop(kop);
            Bytes alles(k.begin(), k.end());
            alles.insert(alles.end(), stroom.begin(), stroom.end());
            return alles;
        }
        n = n + lengte - (z + kopGrootte);
    }
    ADD_FAILURE() << "geen lengte " << lengte;
    return {};
}

TEST(Uitpakken, GesprekVanEenKleineUitpak) {
    test::Werkmap map;
    const std::string ingepakt = test::PakIn(map, test::Tekstgegevens(1000));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Uitpakken(dialoog, ingepakt, map / "terug.xaf"), 0);
    const std::vector<std::string> verwacht = {
        "Open",
        "ZetBereik(0,100)",
        "SetWindowText(Uitpakken Auditfile)",
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

TEST(Uitpakken, VoortgangVanEenBronVan250Bytes) {
    test::Werkmap map;
    const std::string ingepakt = test::PakIn(map, test::Tekstgegevens(250));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Uitpakken(dialoog, ingepakt, map / "terug.xaf"), 0);
    const std::vector<std::int32_t> verwacht = {125, 100};
    EXPECT_EQ(dialoog.posities, verwacht);
}

TEST(Uitpakken, KopWordtGeweigerdVoordatIetsGebeurt) {
    const std::string fout =
        "ToonFout(Uitpakken niet mogelijk|Het bestand is versleuteld voor "
        "verzending naar de Tolvaart\nof het bestand is beschadigd.)";
    struct Geval {
        const char* wat;
        bool voorVerzending;
        std::string_view kenmerk;
        std::size_t afkappen;  // keep only this many bytes, 0 for all
    };
    const Geval gevallen[] = {
        {"voor verzending", true, XmlFinancieel.kenmerk, 0},
        {"andere soort", false, KlassiekFinancieel.kenmerk, 0},
        {"korter dan de kop", false, XmlFinancieel.kenmerk, 75},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const std::string ingepakt = test::PakIn(map, test::Tekstgegevens(5000), g.voorVerzending);
        if (g.afkappen) {
            std::filesystem::resize_file(ingepakt, g.afkappen);
        }
        test::Schrijf(map / "terug.xaf", {7, 7, 7});
        test::Scriptdialoog dialoog;
        EXPECT_EQ(UitpakkenBestand(dialoog, ingepakt, map / "terug.xaf", g.kenmerk, ""), 999)
            << g.wat;
        EXPECT_EQ(dialoog.verslag, std::vector<std::string>{fout}) << g.wat;
        EXPECT_EQ(test::Lees(map / "terug.xaf"), (Bytes{7, 7, 7})) << g.wat;
    }
}

TEST(Uitpakken, BestaandDoelAlleenNaJa) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(5000);
    const std::string ingepakt = test::PakIn(map, bron);
    test::Schrijf(map / "terug.xaf", {1, 2});

    test::Scriptdialoog nee;
    EXPECT_EQ(Uitpakken(nee, ingepakt, map / "terug.xaf"), 18);
    const std::vector<std::string> verwacht = {"VraagJaNee(Het bestand\n" + map / "terug.xaf" +
                                                   "\nbestaat al.\n\nMoet dit vervangen worden?)",
                                               "ToonMelding(Verwerking afgebroken)"};
    EXPECT_EQ(nee.verslag, verwacht);
    EXPECT_EQ(test::Lees(map / "terug.xaf"), (Bytes{1, 2}));

    test::Scriptdialoog ja;
    ja.antwoorden = {true};
    EXPECT_EQ(Uitpakken(ja, ingepakt, map / "terug.xaf"), 0);
    EXPECT_EQ(test::Lees(map / "terug.xaf"), bron);
}

TEST(Uitpakken, BeschadigdeOfOnvolledigeStroomIsEenFout) {
    const Bytes bron = test::Tekstgegevens(3 * blokGrootte + 5);
    struct Geval {
        const char* wat;
        int byteVanafEind;           // byte flipped, counted from the end; 0 for none
        std::size_t inkorten;        // bytes cut off the end
        bool voorvoegselGeschreven;  // decoded bytes beyond the whole blocks are kept
    };
    const Geval gevallen[] = {
        {"controlegetal klopt niet", 1, 0, false},
        {"afgekapt", 0, 20, true},
        {"alleen de kop", 0, 0, false},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const std::string ingepakt = test::PakIn(map, bron);
        Bytes b = test::Lees(ingepakt);
        if (g.byteVanafEind) {
            b[b.size() - static_cast<std::size_t>(g.byteVanafEind)] ^= 0x55;
        }
        b.resize(std::string(g.wat) == "alleen de kop" ? kopGrootte : b.size() - g.inkorten);
        test::Schrijf(ingepakt, b);
        test::Scriptdialoog dialoog;
        EXPECT_EQ(Uitpakken(dialoog, ingepakt, map / "terug.xaf"), 205) << g.wat;
        EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{decompressieFout}) << g.wat;
        const Bytes terug = test::Lees(map / "terug.xaf");
        EXPECT_TRUE(std::equal(terug.begin(), terug.end(), bron.begin())) << g.wat;
        if (g.voorvoegselGeschreven) {
            EXPECT_NE(terug.size() % blokGrootte, 0u) << g.wat;
            EXPECT_GT(terug.size(), 2 * blokGrootte) << g.wat;
        } else {
            EXPECT_EQ(terug.size() % blokGrootte, 0u) << g.wat;
        }
        EXPECT_EQ(dialoog.openVensters, 0) << g.wat;
        EXPECT_EQ(dialoog.wachtDiepte, 0) << g.wat;
    }
}

TEST(Uitpakken, StroomDieEenWoordenboekVraagtIsEenFout) {
    test::Werkmap map;
    const Bytes data = test::Tekstgegevens(4000);
    z_stream s{};
    ASSERT_EQ(deflateInit(&s, 8), Z_OK);
    const char woordenboek[] = "<Journal><Line><Amount>";
    deflateSetDictionary(&s, reinterpret_cast<const Bytef*>(woordenboek), sizeof woordenboek);
    Bytes stroom(8000);
    s.next_in = const_cast<Bytef*>(data.data());
    s.avail_in = static_cast<uInt>(data.size());
    s.next_out = stroom.data();
    s.avail_out = static_cast<uInt>(stroom.size());
    ASSERT_EQ(deflate(&s, Z_FINISH), Z_STREAM_END);
    stroom.resize(s.total_out);
    deflateEnd(&s);

    InpakKop kop;
    std::memcpy(kop.kenmerk.data(), XmlFinancieel.kenmerk.data(), 12);
    kop.versie = 2;
    kop.bronGrootte = static_cast<std::int32_t>(data.size());
    const Kopbytes k = CodeerKop(kop);
    Bytes bestand(k.begin(), k.end());
    bestand.insert(bestand.end(), stroom.begin(), stroom.end());
    test::Schrijf(map / "boek.pbl.xfc", bestand);

    test::Scriptdialoog dialoog;
    EXPECT_EQ(Uitpakken(dialoog, map / "boek.pbl.xfc", map / "terug.xaf"), 205);
    EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{decompressieFout});
    EXPECT_TRUE(test::Bestaat(map / "terug.xaf"));
}

TEST(Uitpakken, StukkenWordenOpVolgordeGelezen) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(12 * blokGrootte, 3);  // packs into 13 pieces: xf0 to xf12
    const std::string ingepakt = test::PakIn(map, bron, false, true);
    ASSERT_TRUE(test::Bestaat(map / "boek.pbl.xf12"));
    test::Scriptdialoog dialoog;
    ASSERT_EQ(Uitpakken(dialoog, map / "boek.pbl.xf0", map / "terug.xaf", ".xf%d"), 0);
    EXPECT_EQ(test::Lees(map / "terug.xaf"), bron);
    for (const std::int32_t positie : dialoog.posities) {
        EXPECT_LE(positie, 100);
    }

    // A piece missing from the middle of the set: the file is not whole.
    std::filesystem::remove(map / "boek.pbl.xf5");
    test::Scriptdialoog zonder;
    zonder.antwoorden = {true};
    EXPECT_EQ(Uitpakken(zonder, map / "boek.pbl.xf0", map / "terug.xaf", ".xf%d"), 205);
    EXPECT_EQ(zonder.Meldingen(), std::vector<std::string>{decompressieFout});
    const Bytes deel = test::Lees(map / "terug.xaf");
    EXPECT_GE(deel.size(), 4 * blokGrootte);
    EXPECT_LT(deel.size(), 6 * blokGrootte);
    EXPECT_TRUE(std::equal(deel.begin(), deel.end(), bron.begin()));
}

TEST(Uitpakken, StukDatNietGeopendKanWordenWordtGenoemd) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(3 * blokGrootte, 4);
    test::PakIn(map, bron, false, true);
    std::filesystem::remove(map / "boek.pbl.xf1");
    std::filesystem::create_directory(map / "boek.pbl.xf1");
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Uitpakken(dialoog, map / "boek.pbl.xf0", map / "terug.xaf", ".xf%d"), 17);
    EXPECT_EQ(dialoog.Meldingen(),
              std::vector<std::string>{"Diskettebestand\n" + map / "boek.pbl.xf1" +
                                       "\nkan niet geopend worden."});
    const Bytes deel = test::Lees(map / "terug.xaf");
    EXPECT_EQ(deel.size() % blokGrootte, 0u);
    EXPECT_TRUE(std::equal(deel.begin(), deel.end(), bron.begin()));
}

TEST(Uitpakken, LaatsteStukPreciesEenBlok) {
    test::Werkmap map;
    Bytes bron;
    const Bytes ingepakt = IngepaktVanLengte(2 * blokGrootte, bron);
    ASSERT_EQ(ingepakt.size(), 2 * blokGrootte);
    // As one file whose size is a multiple of the block.
    test::Schrijf(map / "heel.pbl.xfc", ingepakt);
    test::Scriptdialoog heel;
    EXPECT_EQ(Uitpakken(heel, map / "heel.pbl.xfc", map / "heel.xaf"), 0);
    EXPECT_EQ(test::Lees(map / "heel.xaf"), bron);
    // As two full pieces: the engine looks for a third, finds none and ends normally.
    test::Schrijf(map / "boek.pbl.xf0", Bytes(ingepakt.begin(), ingepakt.begin() + blokGrootte));
    test::Schrijf(map / "boek.pbl.xf1", Bytes(ingepakt.begin() + blokGrootte, ingepakt.end()));
    test::Scriptdialoog stukken;
    EXPECT_EQ(Uitpakken(stukken, map / "boek.pbl.xf0", map / "terug.xaf", ".xf%d"), 0);
    EXPECT_EQ(test::Lees(map / "terug.xaf"), bron);
}

TEST(Uitpakken, NaamOpNulZonderPatroonIsEenBestand) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(7000);
    const std::string ingepakt = test::PakIn(map, bron);
    std::filesystem::copy_file(ingepakt, map / "los.xf0");
    test::Schrijf(map / "los.xf1", {1, 2, 3});
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Uitpakken(dialoog, map / "los.xf0", map / "terug.xaf", ""), 0);
    EXPECT_EQ(test::Lees(map / "terug.xaf"), bron);
}

TEST(Uitpakken, DoelDatDeBronOfEenStukIsWordtGeweigerd) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(2 * blokGrootte, 5);
    test::PakIn(map, bron, false, true);
    const Bytes stuk0 = test::Lees(map / "boek.pbl.xf0");
    const Bytes stuk1 = test::Lees(map / "boek.pbl.xf1");
    for (const char* doel : {"boek.pbl.xf0", "./boek.pbl.xf1"}) {
        test::Scriptdialoog dialoog;
        dialoog.antwoorden = {true};
        EXPECT_EQ(Uitpakken(dialoog, map / "boek.pbl.xf0", map / doel, ".xf%d"), 19) << doel;
        ASSERT_EQ(dialoog.Meldingen().size(), 1u);
        EXPECT_NE(dialoog.Meldingen()[0].find("hetzelfde bestand"), std::string::npos);
        EXPECT_EQ(test::Lees(map / "boek.pbl.xf0"), stuk0);
        EXPECT_EQ(test::Lees(map / "boek.pbl.xf1"), stuk1);
    }
}

}  // namespace
}  // namespace zegelaar
