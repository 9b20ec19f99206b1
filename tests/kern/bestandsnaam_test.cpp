// The naming rules: taking paths apart, joining them, kinds by extension, the ".pbl" marking
// and piece names.
#include "bestandsnaam.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

TEST(SplitsPad, DeeltInVierStukken) {
    struct Geval {
        const char* pad;
        const char* drive;
        const char* map;
        const char* naam;
        const char* extensie;
    };
    const Geval gevallen[] = {
        {"C:\\audit\\boek.xaf", "C:", "\\audit\\", "boek", ".xaf"},
        {"C:boek.xaf", "C:", "", "boek", ".xaf"},
        {"C:\\a.b\\boek", "C:", "\\a.b\\", "boek", ""},
        {"jaar.2008.xaf", "", "", "jaar.2008", ".xaf"},
        {"/home/a/.profile", "", "/home/a/", "", ".profile"},
        {"map/sub\\boek.", "", "map/sub\\", "boek", "."},
        {"", "", "", "", ""},
        {"x", "", "", "x", ""},
        {"C:", "C:", "", "", ""},
    };
    for (const Geval& g : gevallen) {
        const Paddelen d = SplitsPad(g.pad);
        EXPECT_EQ(d.drive, g.drive) << g.pad;
        EXPECT_EQ(d.map, g.map) << g.pad;
        EXPECT_EQ(d.naam, g.naam) << g.pad;
        EXPECT_EQ(d.extensie, g.extensie) << g.pad;
    }
}

TEST(SplitsPad, LangeDelenBlijvenHeel) {
    const std::string map(3000, 'm');
    const std::string pad = "/" + map + "/" + std::string(400, 'n') + ".xaf";
    const Paddelen d = SplitsPad(pad);
    EXPECT_EQ(MaakPad(d.drive, d.map, d.naam, d.extensie), pad);
}

TEST(MaakPad, VoegtScheidingstekensToeWaarZeOntbreken) {
    struct Geval {
        const char* drive;
        const char* map;
        const char* naam;
        const char* extensie;
        const char* pad;
    };
    const Geval gevallen[] = {
        {"C:", "\\audit", "boek", "xaf", "C:\\audit\\boek.xaf"},
        {"C", "\\audit\\", "boek", ".xaf", "C:\\audit\\boek.xaf"},
        {"", "/tmp/", "boek", "", "/tmp/boek"},
        {"", "", "", ".profile", ".profile"},
        {"", "", "", "", ""},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(MaakPad(g.drive, g.map, g.naam, g.extensie), g.pad) << g.pad;
    }
}

TEST(VervangExtensie, VervangtOfVerwijdert) {
    EXPECT_EQ(VervangExtensie("C:\\audit\\boek.xaf", ".xfc"), "C:\\audit\\boek.xfc");
    EXPECT_EQ(VervangExtensie("C:\\audit\\boek.xaf", ""), "C:\\audit\\boek");
    EXPECT_EQ(VervangExtensie("BOEK.ADC", ".adf"), "BOEK.adf");
    EXPECT_EQ(VervangExtensie("C:\\a.b\\boek", ".xaf"), "C:\\a.b\\boek.xaf");
}

TEST(ZoekSoort, HerkentExtensiesZonderHoofdletterverschil) {
    struct Geval {
        const char* pad;
        const Auditfilesoort* bron;
        const Auditfilesoort* ingepakt;
        bool eersteStuk;
    };
    const Geval gevallen[] = {
        {"boek.adf", &KlassiekFinancieel, nullptr, false},
        {"BOEK.XAF", &XmlFinancieel, nullptr, false},
        {"boek.xas", &Salaris, nullptr, false},
        {"boek.xaa", &Afrekensystemen, nullptr, false},
        {"boek.xaw", &Woningcorporaties, nullptr, false},
        {"boek.xav", nullptr, nullptr, false},
        {"boek.adc", nullptr, &KlassiekFinancieel, false},
        {"boek.pbl.xfc", nullptr, &XmlFinancieel, false},
        {"BOEK.XF0", nullptr, &XmlFinancieel, true},
        {"boek.xsc", nullptr, &Salaris, false},
        {"boek.xvc", nullptr, &Voorraad, false},
        {"boek.xv0", nullptr, &Voorraad, true},
        {"boek.xa0", nullptr, &Afrekensystemen, true},
        {"boek.xwc", nullptr, &Woningcorporaties, false},
        {"boek.xf1", nullptr, nullptr, false},
        {"boek.xaf.bak", nullptr, nullptr, false},
        {"C:\\m.xaf\\boek", nullptr, nullptr, false},
        {"boek.xAf ", nullptr, nullptr, false},
        {"", nullptr, nullptr, false},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(ZoekSoortVanBron(g.pad), g.bron) << g.pad;
        const IngepaktGevonden gevonden = ZoekSoortVanIngepakt(g.pad);
        EXPECT_EQ(gevonden.soort, g.ingepakt) << g.pad;
        EXPECT_EQ(gevonden.eersteStuk, g.eersteStuk) << g.pad;
    }
}

TEST(PblRegel, MarkeertOfVerwijdertPbl) {
    struct Geval {
        const char* pad;
        const char* nietVoorVerzending;
        const char* voorVerzending;
    };
    const Geval gevallen[] = {
        {"C:\\audit\\boek.xfc", "C:\\audit\\boek.pbl.xfc", "C:\\audit\\boek.xfc"},
        {"C:\\audit\\boek.pbl.xfc", "C:\\audit\\boek.pbl.xfc", "C:\\audit\\boek.xfc"},
        {"C:\\audit\\boek.pbl.pbl.xfc", "C:\\audit\\boek.pbl.xfc", "C:\\audit\\boek.xfc"},
        {"C:\\audit\\boek", "C:\\audit\\boek.pbl", "C:\\audit\\boek"},
        {"C:\\audit\\boek.pbl", "C:\\audit\\boek.pbl.pbl", "C:\\audit\\boek.pbl"},
        {"C:\\oud.pbl.map\\boek.xfc", "C:\\oud.map\\boek.pbl.xfc", "C:\\oud.map\\boek.xfc"},
        {"", "", ""},
        {"boek.PBL.xfc", "boek.PBL.pbl.xfc", "boek.PBL.xfc"},
        {"a.pbl.pbl.pbl.pbl.xfc", "a.pbl.xfc", "a.xfc"},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(PblRegel(g.pad, false), g.nietVoorVerzending) << g.pad;
        EXPECT_EQ(PblRegel(g.pad, true), g.voorVerzending) << g.pad;
    }
}

TEST(PblRegel, IsStabielEnWisseltHeenEnWeer) {
    for (const char* pad : {"C:\\audit\\boek.xfc", "/a.pbl./b.pbl.pbl.xsc", "x.pbl.pbl.y"}) {
        for (const bool verzending : {false, true}) {
            const std::string eenmaal = PblRegel(pad, verzending);
            EXPECT_EQ(PblRegel(eenmaal, verzending), eenmaal) << pad;
            EXPECT_EQ(PblRegel(PblRegel(eenmaal, !verzending), verzending), eenmaal) << pad;
        }
    }
}

TEST(DiskettestukNaam, NummertZonderVoorloopnullen) {
    struct Geval {
        const char* pad;
        std::uint32_t n;
        const char* stuk;
    };
    const Geval gevallen[] = {
        {"C:\\audit\\boek.pbl.xfc", 0, "C:\\audit\\boek.pbl.xf0"},
        {"C:\\audit\\boek.pbl.xfc", 1, "C:\\audit\\boek.pbl.xf1"},
        {"C:\\audit\\boek.pbl.xfc", 10, "C:\\audit\\boek.pbl.xf10"},
        {"D:\\map\\boek.pbl.xf0", 12, "D:\\map\\boek.pbl.xf12"},
        {"/tmp/boek", 3, "/tmp/boek.xf3"},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(DiskettestukNaam(g.pad, XmlFinancieel.stukPatroon, g.n), g.stuk) << g.n;
    }
    EXPECT_EQ(DiskettestukNaam("a.adc", KlassiekFinancieel.stukPatroon, 4294967295u),
              "a.ad4294967295");
}

TEST(Soortentabel, KenmerkenEnPatronenPassenBijElkaar) {
    for (const Auditfilesoort* soort : Auditfilesoorten) {
        if (!IsVerwerkbaar(*soort)) {
            EXPECT_EQ(soort, &Voorraad);
            continue;
        }
        EXPECT_EQ(soort->kenmerk.size(), 12u) << soort->weergaveNaam;
        EXPECT_EQ(DiskettestukNaam("a.x", soort->stukPatroon, 0),
                  "a" + std::string(soort->eersteStukExtensie))
            << soort->weergaveNaam;
    }
}

TEST(BestandBestaat, AlleenVoorLeesbareBestanden) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", {1, 2, 3});
    std::filesystem::create_directory(map / "map.xaf");
    EXPECT_TRUE(BestandBestaat(map / "boek.xaf"));
    EXPECT_FALSE(BestandBestaat(map / "map.xaf"));
    EXPECT_FALSE(BestandBestaat(map / "niet.xaf"));
    EXPECT_FALSE(BestandBestaat(""));
}

TEST(ZelfdeBestand, HerkentAndereSchrijfwijzen) {
    test::Werkmap map;
    test::Schrijf(map / "a.xaf", {1});
    test::Schrijf(map / "b.xaf", {1});
    std::filesystem::create_symlink(map / "a.xaf", map / "link.xaf");
    std::filesystem::create_hard_link(map / "a.xaf", map / "hard.xaf");
    EXPECT_TRUE(ZelfdeBestand(map / "a.xaf", map.Pad() + "/./a.xaf"));
    EXPECT_TRUE(ZelfdeBestand(map / "a.xaf", map / "link.xaf"));
    EXPECT_TRUE(ZelfdeBestand(map / "a.xaf", map / "hard.xaf"));
    EXPECT_FALSE(ZelfdeBestand(map / "a.xaf", map / "b.xaf"));
    EXPECT_FALSE(ZelfdeBestand(map / "a.xaf", map / "nieuw.xaf"));
}

}  // namespace
}  // namespace zegelaar
