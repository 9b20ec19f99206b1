// The console program run as a user runs it: arguments, exit status, what it prints on
// standard output and standard error, and which files it writes or leaves alone. Standard
// input is closed, as in a script.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "blok.h"
#include "inpakkop.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

struct Uitvoer {
    int status;
    std::string uit;
    std::string fouten;
};

std::string Tekst(const std::string& pad) {
    std::ifstream in(pad);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the program in `map` with the arguments, standard input from /dev/null.
Uitvoer Draai(const test::Werkmap& map, const std::vector<std::string>& argumenten) {
    std::string opdracht = "cd '" + map.Pad() + "' && '" ZEGELAAR_PROGRAMMA "'";
    for (const std::string& a : argumenten) {
        opdracht += " '" + a + "'";
    }
    opdracht += " </dev/null >'" + map / ".uit" + "' 2>'" + map / ".fouten" + "'";
    const int status = std::system(opdracht.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Tekst(map / ".uit"),
            Tekst(map / ".fouten")};
}

bool Bevat(const std::string& tekst, const std::string& deel) {
    return tekst.find(deel) != std::string::npos;
}

TEST(Console, VersieHulpEnVerkeerdGebruik) {
    test::Werkmap map;
    const Uitvoer versie = Draai(map, {"--version"});
    EXPECT_EQ(versie.status, 0);
    EXPECT_EQ(versie.uit, "zegelaar 3.0.0.10\n");
    const Uitvoer hulp = Draai(map, {"--help"});
    EXPECT_EQ(hulp.status, 0);
    for (const char* deel :
         {"inpakken BRON [DOEL]", "--verzending", "--nee", "Afsluitcodes", "99"}) {
        EXPECT_TRUE(Bevat(hulp.uit, deel)) << deel;
    }
    const std::vector<std::vector<std::string>> verkeerd = {
        {},
        {"inpakken"},
        {"pak", "a.xaf"},
        {"inpakken", "a.xaf", "b", "c"},
        {"inpakken", "a.xaf", "--x"},
        {"inpakken", "a.xaf", "--ja", "--nee"},
        {"uitpakken", "a.xfc", "--verzending"},
        {"info", "a.xfc", "--ja"},
    };
    for (const auto& argumenten : verkeerd) {
        const Uitvoer u = Draai(map, argumenten);
        const std::string naam = argumenten.empty() ? "(niets)" : argumenten.back();
        EXPECT_EQ(u.status, 2) << naam;
        EXPECT_EQ(u.fouten.rfind("zegelaar: ", 0), 0u) << naam;
        EXPECT_TRUE(Bevat(u.fouten, "zegelaar --help")) << naam;
        EXPECT_TRUE(u.uit.empty()) << naam;
    }
}

TEST(Console, InpakkenNoemtHetDoelZoalsHetVenster) {
    struct Geval {
        std::vector<std::string> argumenten;
        const char* doel;
        bool verzending;
    };
    const Geval gevallen[] = {
        {{"inpakken", "boek.xaf"}, "boek.pbl.xfc", false},
        {{"inpakken", "boek.xaf", "--verzending"}, "boek.xfc", true},
        {{"inpakken", "--verzending", "boek.xaf", "kopie.pbl.xfc"}, "kopie.xfc", true},
        {{"inpakken", "boek.xaf", "kopie.xfc"}, "kopie.pbl.xfc", false},
        {{"inpakken", "BOEK.XAF"}, "BOEK.pbl.xfc", false},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        const Bytes bron = test::Tekstgegevens(20000);
        test::Schrijf(map / "boek.xaf", bron);
        test::Schrijf(map / "BOEK.XAF", bron);
        const Uitvoer u = Draai(map, g.argumenten);
        EXPECT_EQ(u.status, 0) << g.doel << u.fouten;
        EXPECT_EQ(u.uit.rfind(std::string("Ingepakt: ") + g.doel + " (", 0), 0u) << u.uit;
        EXPECT_TRUE(u.fouten.empty()) << u.fouten;
        const Bytes ingepakt = test::Lees(map / g.doel);
        ASSERT_GE(ingepakt.size(), kopGrootte) << g.doel;
        EXPECT_EQ(ingepakt[13], g.verzending ? 1 : 0) << g.doel;
        EXPECT_EQ(test::Lees(map / "boek.xaf"), bron);
    }
}

TEST(Console, ControlesVoorafStoppenMetStatus1) {
    struct Geval {
        std::vector<std::string> argumenten;
        const char* melding;
    };
    const Geval gevallen[] = {
        {{"inpakken", "a.xa"}, "Er is geen (geldige) bestandsnaam opgegeven!"},
        {{"inpakken", "weg.xaf"}, "Het opgegeven bestand bestaat niet!"},
        {{"inpakken", "notes.txt"}, "Auditfiles kunnen alleen de volgende extensies hebben"},
        {{"inpakken", "boek.xaf", "./boek.xaf", "--verzending", "--ja"},
         "is hetzelfde bestand als het bronbestand"},
        {{"uitpakken", "weg.pbl.xfc"}, "Het opgegeven bestand bestaat niet!"},
        {{"uitpakken", "notes.txt"}, "Ingepakte Auditfiles kunnen alleen"},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.xaf", {1, 2, 3});
        test::Schrijf(map / "notes.txt", {1});
        const Uitvoer u = Draai(map, g.argumenten);
        EXPECT_EQ(u.status, 1) << g.melding;
        EXPECT_EQ(u.fouten.rfind("zegelaar: ", 0), 0u) << u.fouten;
        EXPECT_TRUE(Bevat(u.fouten, g.melding)) << u.fouten;
        EXPECT_TRUE(u.uit.empty());
        EXPECT_EQ(test::Lees(map / "boek.xaf"), (Bytes{1, 2, 3}));
    }
}

TEST(Console, BestaandDoelAlleenVervangenNaJa) {
    struct Geval {
        std::vector<std::string> opties;
        int status;
        bool vervangen;
    };
    const Geval gevallen[] = {
        {{}, 18, false},
        {{"--nee"}, 18, false},
        {{"--ja"}, 0, true},
    };
    for (const Geval& g : gevallen) {
        test::Werkmap map;
        test::Schrijf(map / "boek.xaf", test::Tekstgegevens(5000));
        test::Schrijf(map / "boek.pbl.xfc", {9});
        std::vector<std::string> argumenten = {"inpakken", "boek.xaf"};
        argumenten.insert(argumenten.end(), g.opties.begin(), g.opties.end());
        const Uitvoer u = Draai(map, argumenten);
        EXPECT_EQ(u.status, g.status);
        EXPECT_TRUE(Bevat(u.fouten,
                          "zegelaar: Het bestand\nboek.pbl.xfc\nbestaat al.\n\n"
                          "Moet dit vervangen worden? [j/N]"))
            << u.fouten;
        EXPECT_EQ(Bevat(u.fouten, "zegelaar: Verwerking afgebroken"), !g.vervangen);
        EXPECT_EQ(test::Lees(map / "boek.pbl.xfc").size() > 1, g.vervangen);
    }
}

TEST(Console, RondreisMetKnippenEnUitpakkenVanDeReeks) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(2 * blokGrootte + 5);
    test::Schrijf(map / "boek.xaf", bron);
    const Uitvoer pak = Draai(map, {"inpakken", "boek.xaf", "--ja"});
    ASSERT_EQ(pak.status, 0) << pak.fouten;
    EXPECT_TRUE(Bevat(pak.uit, "Geknipt in 3 stukken: boek.pbl.xf0 t/m boek.pbl.xf2\n")) << pak.uit;
    std::filesystem::remove(map / "boek.xaf");

    const Uitvoer uit = Draai(map, {"uitpakken", "boek.pbl.xf0"});
    ASSERT_EQ(uit.status, 0) << uit.fouten;
    EXPECT_EQ(uit.uit, "Uitgepakt: boek.pbl.xaf (" + std::to_string(bron.size()) + " bytes)\n");
    EXPECT_EQ(test::Lees(map / "boek.pbl.xaf"), bron);

    const Uitvoer eigen = Draai(map, {"uitpakken", "boek.pbl.xfc", "terug.xaf"});
    ASSERT_EQ(eigen.status, 0) << eigen.fouten;
    EXPECT_EQ(test::Lees(map / "terug.xaf"), bron);
}

TEST(Console, UitpakkenWeigertBestandVoorVerzendingMet99) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(3000));
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf", "--verzending"}).status, 0);
    const Uitvoer u = Draai(map, {"uitpakken", "boek.xfc", "terug.xaf", "--ja"});
    EXPECT_EQ(u.status, 99);
    EXPECT_EQ(u.fouten,
              "zegelaar: Uitpakken niet mogelijk: Het bestand is versleuteld voor "
              "verzending naar de Tolvaart\nof het bestand is beschadigd.\n");
    EXPECT_FALSE(test::Bestaat(map / "terug.xaf"));
}

TEST(Console, InfoToontDeKop) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(3000));
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf"}).status, 0);
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf", "--verzending"}).status, 0);
    test::Schrijf(map / "kort.xfc", {1, 2, 3});
    struct Geval {
        const char* bestand;
        int status;
        std::vector<const char*> regels;
    };
    const Geval gevallen[] = {
        {"boek.pbl.xfc",
         0,
         {"Kenmerk (kenmerk):                 AXC003POAIAA\n",
          "Bron, grootte (bronGrootte):       3000 bytes\n",
          "Uitgepakt (totaalIn):              3000 bytes\n",
          "Ingepakt voor verzending:          nee\n",
          "Door Zegelaar uit te pakken:       ja, als Auditfile financieel, XML\n"}},
        {"boek.xfc",
         0,
         {"Vulbytes (aantalVulbytes):         5\n", "Ingepakt voor verzending:          ja\n",
          "Door Zegelaar uit te pakken:       nee: Zegelaar weigert deze kop"}},
        {"kort.xfc", 1, {}},
    };
    for (const Geval& g : gevallen) {
        const Uitvoer u = Draai(map, {"info", g.bestand});
        EXPECT_EQ(u.status, g.status) << g.bestand;
        for (const char* regel : g.regels) {
            EXPECT_TRUE(Bevat(u.uit, regel)) << g.bestand << ": " << regel << "\n" << u.uit;
        }
    }
}

TEST(Console, ControleerZegtInOrdeOfWatErMisIs) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Ruis(blokGrootte + 1000));
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf", "--ja"}).status, 0);
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf", "--verzending", "--nee"}).status, 0);
    Bytes b = test::Lees(map / "boek.pbl.xfc");
    b[b.size() / 2] ^= 1;
    test::Schrijf(map / "omgezet.pbl.xfc", b);
    b = test::Lees(map / "boek.pbl.xfc");
    b.resize(b.size() - 100);
    test::Schrijf(map / "afgekapt.pbl.xfc", b);
    struct Geval {
        const char* bestand;
        int status;
        const char* tekst;
    };
    const Geval gevallen[] = {
        {"boek.pbl.xfc", 0, "In orde: boek.pbl.xfc (1 bestand)"},
        {"boek.xfc", 0, ", ingepakt voor verzending\n"},
        {"boek.pbl.xf0", 0, "In orde: boek.pbl.xf0 (2 stukken)"},
        {"omgezet.pbl.xfc", 1, "zegelaar: omgezet.pbl.xfc is niet in orde:\n"},
        {"afgekapt.pbl.xfc", 1, "houdt op voordat hij af is"},
    };
    for (const Geval& g : gevallen) {
        const Uitvoer u = Draai(map, {"controleer", g.bestand});
        EXPECT_EQ(u.status, g.status) << g.bestand;
        EXPECT_TRUE(Bevat(g.status == 0 ? u.uit : u.fouten, g.tekst)) << g.bestand << "\n"
                                                                      << u.uit << u.fouten;
    }
}

}  // namespace
}  // namespace zegelaar
