// Paths that make trouble: a target folder that is not there, one file under two spellings,
// very long paths, non-ASCII names, and dots and ".pbl." in folder names. Each case ends
// with a clear message or a correct result, and the source is left as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "auditfilesoort.h"
#include "bestandsnaam.h"
#include "blok.h"
#include "inpakactie.h"
#include "inpakken.h"
#include "scriptdialoog.h"
#include "uitpakactie.h"
#include "uitpakken.h"
#include "werkmap.h"
#include "zelfdebestand.h"

namespace zegelaar {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

constexpr const char* doelNietOpen = "Doelbestand kan niet geopend worden.";
constexpr const char* doelNietGemaakt = "Doelbestand kan niet gemaakt worden.";

std::string DoelIsBronMelding(const std::string& doel) {
    return "Het doelbestand\n" + doel +
           "\nis hetzelfde bestand als het bronbestand.\n\nKies een andere naam voor het "
           "doelbestand.";
}

// Packs through the pack action into the given target; the unpack side has its own fixture.
Actieuitkomst PakActie(test::Scriptdialoog& dialoog, const std::string& bron, std::string doel) {
    return Inpakken(dialoog, bron, doel, false);
}

Actieuitkomst PakUitActie(test::Scriptdialoog& dialoog, const std::string& bron, std::string doel) {
    return Uitpakken(dialoog, bron, doel);
}

// The same, handing back the target that the action settled on.
Actieuitkomst PakUitActieNaar(test::Scriptdialoog& dialoog, const std::string& bron,
                              std::string& doel) {
    return Uitpakken(dialoog, bron, doel);
}

TEST(DoelmapOntbreekt, ActiesEnMachinesMeldenHetDoel) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(5000);
    test::Schrijf(map / "boek.xaf", bron);
    test::Scriptdialoog pak;
    ASSERT_EQ(PakActie(pak, map / "boek.xaf", map / "boek.pbl.xfc").resultaat, 0);
    const Bytes ingepakt = test::Lees(map / "boek.pbl.xfc");
    const std::string weg = map / "weg";

    struct Geval {
        const char* wat;
        std::function<int(test::Scriptdialoog&)> doe;
        const char* melding;
    };
    const Geval gevallen[] = {
        {"inpakactie",
         [&](test::Scriptdialoog& d) {
             return PakActie(d, map / "boek.xaf", weg + "/boek.pbl.xfc").resultaat;
         },
         doelNietOpen},
        {"uitpakactie",
         [&](test::Scriptdialoog& d) {
             return PakUitActie(d, map / "boek.pbl.xfc", weg + "/boek.xaf").resultaat;
         },
         doelNietGemaakt},
        {"uitpakken",
         [&](test::Scriptdialoog& d) {
             return UitpakkenBestand(d, map / "boek.pbl.xfc", weg + "/boek.xaf",
                                     XmlFinancieel.kenmerk, "");
         },
         doelNietGemaakt},
    };
    for (const Geval& g : gevallen) {
        test::Scriptdialoog dialoog;
        EXPECT_EQ(g.doe(dialoog), 19) << g.wat;
        EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{g.melding}) << g.wat;
        EXPECT_EQ(dialoog.openVensters, 0) << g.wat;
        // Nothing made: no folder, and source and packed file unchanged.
        EXPECT_FALSE(test::Bestaat(weg)) << g.wat;
        EXPECT_EQ(test::Lees(map / "boek.xaf"), bron) << g.wat;
        EXPECT_EQ(test::Lees(map / "boek.pbl.xfc"), ingepakt) << g.wat;
    }
}

// One file named in several ways. Packing or unpacking into it would empty the file being
// read; every way in refuses before anything is opened for writing.
TEST(ZelfdeBestand, AndereSchrijfwijzeVanDeBronWordtGeweigerd) {
    test::Werkmap map;
    fs::create_directory(map / "map");
    const Bytes audit = test::Tekstgegevens(40000);
    test::Schrijf(map / "map/boek.xaf", audit);
    test::Scriptdialoog pak;
    ASSERT_EQ(PakActie(pak, map / "map/boek.xaf", map / "map/boek.pbl.xfc").resultaat, 0);
    const Bytes ingepakt = test::Lees(map / "map/boek.pbl.xfc");

    struct Schrijfwijze {
        const char* wat;
        std::string (*maak)(const std::string& map, const std::string& naam);
    };
    const Schrijfwijze wijzen[] = {
        {"./", [](const std::string& m, const std::string& n) { return m + "/map/./" + n; }},
        {"..", [](const std::string& m, const std::string& n) { return m + "/map/../map/" + n; }},
        {"//", [](const std::string& m, const std::string& n) { return m + "//map//" + n; }},
        {"relatief", [](const std::string& m,
                        const std::string& n) { return fs::relative(m + "/map/" + n).string(); }},
        {"symbolische koppeling",
         [](const std::string& m, const std::string& n) {
             fs::create_symlink(m + "/map/" + n, m + "/link-" + n);
             return m + "/link-" + n;
         }},
        {"harde koppeling",
         [](const std::string& m, const std::string& n) {
             fs::create_hard_link(m + "/map/" + n, m + "/hard-" + n);
             return m + "/hard-" + n;
         }},
    };
    for (const Schrijfwijze& w : wijzen) {
        const std::string alsAudit = w.maak(map.Pad(), "boek.xaf");
        const std::string alsIngepakt = w.maak(map.Pad(), "boek.pbl.xfc");
        struct Weg {
            const char* wat;
            std::function<int(test::Scriptdialoog&)> doe;
            int resultaat;  // -1: refused by the action itself
            std::string doel;
        };
        const Weg wegen[] = {
            {"inpakactie",
             [&](test::Scriptdialoog& d) {
                 const Actieuitkomst u = PakActie(d, map / "map/boek.xaf", alsAudit);
                 return u.afloop == Afloop::geweigerd ? -1 : u.resultaat;
             },
             -1, alsAudit},
            {"inpakken",
             [&](test::Scriptdialoog& d) {
                 return InpakkenBestand(d, map / "map/boek.xaf", alsAudit, false,
                                        XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon);
             },
             19, alsAudit},
            {"uitpakactie",
             [&](test::Scriptdialoog& d) {
                 const Actieuitkomst u = PakUitActie(d, map / "map/boek.pbl.xfc", alsIngepakt);
                 return u.afloop == Afloop::geweigerd ? -1 : u.resultaat;
             },
             -1, alsIngepakt},
            {"uitpakken",
             [&](test::Scriptdialoog& d) {
                 return UitpakkenBestand(d, map / "map/boek.pbl.xfc", alsIngepakt,
                                         XmlFinancieel.kenmerk, "");
             },
             19, alsIngepakt},
        };
        for (const Weg& weg : wegen) {
            test::Scriptdialoog dialoog;
            dialoog.antwoorden = {true, true};
            EXPECT_EQ(weg.doe(dialoog), weg.resultaat) << w.wat << ", " << weg.wat;
            EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{DoelIsBronMelding(weg.doel)})
                << w.wat << ", " << weg.wat;
            EXPECT_EQ(test::Lees(map / "map/boek.xaf"), audit) << w.wat << ", " << weg.wat;
            EXPECT_EQ(test::Lees(map / "map/boek.pbl.xfc"), ingepakt) << w.wat << ", " << weg.wat;
        }
    }
}

// A path of exactly `lengte` characters under `basis`, ending in `staart`, through folders
// of at most 200 characters that are created on the way.
std::string PadVanLengte(const std::string& basis, std::size_t lengte, const std::string& staart) {
    std::string pad = basis;
    while (pad.size() + 1 + staart.size() < lengte) {
        const std::size_t ruimte = lengte - pad.size() - 1 - staart.size();
        // Leave no room too small for the next folder's "/" and one character.
        const std::size_t deel =
            ruimte <= 200 ? ruimte - 1 : std::min<std::size_t>(200, ruimte - 3);
        if (deel == 0) {
            break;
        }
        pad += "/" + std::string(deel, 'm');
        fs::create_directory(pad);
    }
    pad += "/" + staart;
    return pad;
}

TEST(VijandigeNamen, LangePadenGaanHeenEnTerugOfWordenDuidelijkGeweigerd) {
    for (const std::size_t lengte : {259u, 260u, 3000u}) {
        test::Werkmap map;
        const std::string bron = PadVanLengte(map.Pad(), lengte, "boek.xaf");
        ASSERT_EQ(bron.size(), lengte);
        const Bytes audit = test::Tekstgegevens(3000, static_cast<std::uint32_t>(lengte));
        test::Schrijf(bron, audit);
        const Inpakvoorstel voorstel = StelInpakkenVoor(bron, false);
        ASSERT_EQ(voorstel.soort, &XmlFinancieel) << lengte;
        EXPECT_EQ(voorstel.doel, bron.substr(0, bron.size() - 8) + "boek.pbl.xfc") << lengte;

        test::Scriptdialoog pak;
        EXPECT_EQ(PakActie(pak, bron, voorstel.doel).resultaat, 0) << lengte;
        const Uitpakvoorstel terug = StelUitpakkenVoor(voorstel.doel);
        EXPECT_EQ(terug.doel, bron.substr(0, bron.size() - 8) + "boek.pbl.xaf") << lengte;
        test::Scriptdialoog uit;
        EXPECT_EQ(PakUitActie(uit, voorstel.doel, terug.doel).resultaat, 0) << lengte;
        EXPECT_EQ(test::Lees(terug.doel), audit) << lengte;
        EXPECT_EQ(test::Lees(bron), audit) << lengte;
    }

    // Beyond what the file system takes (4096 bytes on Linux): the file cannot exist, and a
    // target cannot be made.
    test::Werkmap map;
    const Bytes audit = test::Tekstgegevens(3000);
    test::Schrijf(map / "boek.xaf", audit);
    const std::string teLang = map.Pad() + "/" + std::string(5000, 'x') + ".xaf";
    test::Scriptdialoog bestaatNiet;
    EXPECT_EQ(PakActie(bestaatNiet, teLang, "").afloop, Afloop::geweigerd);
    EXPECT_EQ(bestaatNiet.Meldingen(), std::vector<std::string>{meldingBestaatNiet});
    test::Scriptdialoog doelTeLang;
    EXPECT_EQ(PakActie(doelTeLang, map / "boek.xaf", teLang + ".xfc").resultaat, 19);
    EXPECT_EQ(doelTeLang.Meldingen(), std::vector<std::string>{doelNietOpen});
    // A name of 255 bytes, the most a folder entry holds, grows by ".pbl" when packed.
    const std::string vol = map.Pad() + "/" + std::string(251, 'n') + ".xaf";
    test::Schrijf(vol, audit);
    test::Scriptdialoog naamTeLang;
    EXPECT_EQ(PakActie(naamTeLang, vol, StelInpakkenVoor(vol, false).doel).resultaat, 19);
    EXPECT_EQ(naamTeLang.Meldingen(), std::vector<std::string>{doelNietOpen});
    EXPECT_EQ(test::Lees(vol), audit);
    EXPECT_EQ(test::Lees(map / "boek.xaf"), audit);
}

TEST(VijandigeNamen, NietAsciiEnPuntenInMapnamen) {
    struct Geval {
        std::string map;       // created under the work folder
        std::string naam;      // the audit file in it
        std::string voorstel;  // proposed packed file, relative to the work folder
        int resultaat;         // of packing into the proposal
    };
    const Geval gevallen[] = {
        {"jaarwerk 2008/B\xc5\x93khouding \xe2\x82\xac",
         "b\xc3\xb6"
         "ek.2008.v2.xaf",
         "jaarwerk 2008/B\xc5\x93khouding \xe2\x82\xac/b\xc3\xb6"
         "ek.2008.v2.pbl.xfc",
         0},
        {"\xe6\x97\xa5\xe6\x9c\xac/\xd0\xba\xd0\xbd\xd0\xb8\xd0\xb3\xd0\xb0", "BOEK.XAS",
         "\xe6\x97\xa5\xe6\x9c\xac/\xd0\xba\xd0\xbd\xd0\xb8\xd0\xb3\xd0\xb0/BOEK.pbl.xsc", 0},
        // The ".pbl" rule rewrites folder names as well: the proposal points into a folder
        // that does not exist, and packing there says that the target cannot be opened.
        {"oud.pbl.map", "boek.xaf", "oud.map/boek.pbl.xfc", 19},
        {"a.pbl.b/c.pbl.pbl.d.e", "boek.pbl.xaw", "a.b/c.d.e/boek.pbl.xwc", 19},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap werk;
        fs::create_directories(werk / g.map);
        const std::string bron = werk / (g.map + "/" + g.naam);
        const Bytes audit = test::Tekstgegevens(2000);
        test::Schrijf(bron, audit);
        const Inpakvoorstel voorstel = StelInpakkenVoor(bron, false);
        EXPECT_EQ(voorstel.doel, werk / g.voorstel) << g.naam;
        test::Scriptdialoog pak;
        const Actieuitkomst uitkomst = PakActie(pak, bron, voorstel.doel);
        EXPECT_EQ(uitkomst.afloop, Afloop::uitgevoerd) << g.naam;
        EXPECT_EQ(uitkomst.resultaat, g.resultaat) << g.naam;
        EXPECT_EQ(test::Lees(bron), audit) << g.naam;
        if (g.resultaat != 0) {
            EXPECT_EQ(pak.Meldingen(), std::vector<std::string>{doelNietOpen}) << g.naam;
            EXPECT_FALSE(test::Bestaat(voorstel.doel)) << g.naam;
            continue;
        }
        std::string terug;
        test::Scriptdialoog uit;
        EXPECT_EQ(PakUitActieNaar(uit, voorstel.doel, terug).resultaat, 0) << g.naam;
        EXPECT_EQ(terug, StelUitpakkenVoor(voorstel.doel).doel) << g.naam;
        EXPECT_EQ(test::Lees(terug), audit) << g.naam;
    }
}

// Pieces cut in a folder whose name holds dots and ".pbl." are found again from the first.
TEST(VijandigeNamen, StukkenInEenMapMetPuntenEnPbl) {
    test::Werkmap werk;
    const std::string map = werk / "x.pbl.y/z.q \xc3\xa9\xc3\xa9n";
    fs::create_directories(map);
    const Bytes audit = test::Ruis(blokGrootte + 5000);
    test::Schrijf(map + "/boek.xaf", audit);
    test::Scriptdialoog pak;
    pak.antwoorden = {true};
    ASSERT_EQ(PakActie(pak, map + "/boek.xaf", map + "/boek.pbl.xfc").resultaat, 0);
    ASSERT_TRUE(test::Bestaat(map + "/boek.pbl.xf1"));
    fs::remove(map + "/boek.xaf");
    std::string doel;
    test::Scriptdialoog uit;
    EXPECT_EQ(PakUitActieNaar(uit, map + "/boek.pbl.xf0", doel).resultaat, 0);
    EXPECT_EQ(doel, map + "/boek.pbl.xaf");
    EXPECT_EQ(test::Lees(doel), audit);
}

}  // namespace
}  // namespace zegelaar
