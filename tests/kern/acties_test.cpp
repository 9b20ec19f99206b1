// The pages' shared rules: proposed targets, the order of the checks and their messages,
// and the question before an existing packed file is replaced.
#include <gtest/gtest.h>

#include <filesystem>

#include "blok.h"
#include "inpakactie.h"
#include "inpakkop.h"
#include "scriptdialoog.h"
#include "uitpakactie.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

const std::string langeInpakMelding =
    "Het opgegeven bestand kan niet verwerkt worden.\n\nAuditfiles kunnen alleen de volgende "
    "extensies hebben: \n'.adf' voor traditionele auditfiles\n'.xaf' voor auditfiles fiancieel "
    "in XML-formaat\n'.xas' voor auditfiles in XML-formaat\n'.xaa' voor auditfiles "
    "afrekensystemen in XML-formaat\n'.xaw' voor auditfiles woningcorporaties in XML-formaat\n";
const std::string langeUitpakMelding =
    "Het opgegeven bestand kan niet verwerkt worden.\n\nIngepakte Auditfiles kunnen alleen de "
    "volgende extensies hebben: \n'.adc' of '.ad0' voor traditionele auditfiles\n'.xfc' of "
    "'.xf0' voor auditfiles financieel in XML-formaat\n'.xsc' of '.xs0' voor auditfiles "
    "salaris in XML-formaat\n'.xac' of '.xa0' voor auditfiles afrekensystemen in "
    "XML-formaat\n'.xwc' of '.xw0' voor auditfiles woningcorporaties in XML-formaat\n";

TEST(Inpakvoorstel, SoortEnDoelNaarDeGekozenBron) {
    test::Werkmap map;
    for (const char* naam : {"boek.xaf", "BOEK.XAF", "notes.txt", "v.xav", "a.adf"}) {
        test::Schrijf(map / naam, {1});
    }
    struct Geval {
        const char* bron;
        bool verzending;
        const Auditfilesoort* soort;
        const char* doel;
    };
    const Geval gevallen[] = {
        {"boek.xaf", false, &XmlFinancieel, "boek.pbl.xfc"},
        {"boek.xaf", true, &XmlFinancieel, "boek.xfc"},
        {"BOEK.XAF", false, &XmlFinancieel, "BOEK.pbl.xfc"},
        {"notes.txt", false, nullptr, "notes.pbl"},
        {"v.xav", false, nullptr, "v.pbl"},
        {"weg.xaf", false, nullptr, "weg.pbl"},
        {"a.adf", false, &KlassiekFinancieel, "a.pbl.adc"},
    };
    for (const Geval& g : gevallen) {
        const Inpakvoorstel voorstel = StelInpakkenVoor(map / g.bron, g.verzending);
        EXPECT_EQ(voorstel.soort, g.soort) << g.bron;
        EXPECT_EQ(voorstel.doel, map / g.doel) << g.bron;
    }
    EXPECT_EQ(StelInpakkenVoor("a.xa", false).soort, nullptr);
}

TEST(Uitpakvoorstel, SoortEnDoelNaarHetGekozenIngepakteBestand) {
    test::Werkmap map;
    for (const char* naam : {"boek.pbl.xfc", "boek.pbl.xf0", "BOEK.ADC", "boek.xvc", "notes.txt"}) {
        test::Schrijf(map / naam, {1});
    }
    struct Geval {
        const char* bron;
        const Auditfilesoort* soort;
        const char* doel;
    };
    const Geval gevallen[] = {
        {"boek.pbl.xfc", &XmlFinancieel, "boek.pbl.xaf"},
        {"boek.pbl.xf0", &XmlFinancieel, "boek.pbl.xaf"},
        {"BOEK.ADC", &KlassiekFinancieel, "BOEK.adf"},
        {"boek.xvc", &Voorraad, "boek.xav"},
        {"notes.txt", nullptr, "notes"},
    };
    for (const Geval& g : gevallen) {
        const Uitpakvoorstel voorstel = StelUitpakkenVoor(map / g.bron);
        EXPECT_EQ(voorstel.soort, g.soort) << g.bron;
        EXPECT_EQ(voorstel.doel, map / g.doel) << g.bron;
    }
}

TEST(InpakActie, ControlesInVolgordeMetHunMelding) {
    test::Werkmap map;
    test::Schrijf(map / "notes.txt", {1});
    test::Schrijf(map / "v.xav", {1});
    test::Schrijf(map / "boek.xaf", {1, 2, 3});
    struct Geval {
        std::string bron;
        std::string doel;
        bool verzending;
        std::string melding;
    };
    const Geval gevallen[] = {
        {"", "", false, meldingGeenNaam},
        {"a.xa", "", false, meldingGeenNaam},
        {map / "weg.xaf", map / "weg.pbl.xfc", false, meldingBestaatNiet},
        {map.Pad(), map / "x.xfc", false, meldingBestaatNiet},
        {map / "notes.txt", map / "notes.pbl", false, langeInpakMelding},
        {map / "v.xav", map / "v.pbl", false, langeInpakMelding},
        {map / "boek.xaf", map / "./boek.xaf", true,
         "Het doelbestand\n" + map / "./boek.xaf" +
             "\nis hetzelfde bestand als het bronbestand.\n\nKies een andere naam voor het "
             "doelbestand."},
    };
    for (const Geval& g : gevallen) {
        test::Scriptdialoog dialoog;
        std::string doel = g.doel;
        const Actieuitkomst uitkomst = Inpakken(dialoog, g.bron, doel, g.verzending);
        EXPECT_EQ(uitkomst.afloop, Afloop::geweigerd) << g.bron;
        EXPECT_EQ(dialoog.verslag, std::vector<std::string>{"ToonMelding(" + g.melding + ")"})
            << g.bron;
    }
    EXPECT_EQ(test::Lees(map / "boek.xaf"), (Bytes{1, 2, 3}));
}

TEST(InpakActie, VraagtVoordatEenBestaandDoelWordtVervangen) {
    test::Werkmap map;
    const Bytes bron = test::Tekstgegevens(4000);
    test::Schrijf(map / "boek.xaf", bron);
    test::Schrijf(map / "boek.pbl.xfc", {9, 9});
    std::string doel = map / "boek.pbl.xfc";
    const std::string vraag =
        "VraagJaNee(Het bestand\n" + doel + "\nbestaat al.\n\nMoet dit vervangen worden?)";

    test::Scriptdialoog nee;
    const Actieuitkomst geweigerd = Inpakken(nee, map / "boek.xaf", doel, false);
    EXPECT_EQ(geweigerd.afloop, Afloop::nietVervangen);
    EXPECT_EQ(nee.verslag, (std::vector<std::string>{vraag, "ToonMelding(Verwerking afgebroken)"}));
    EXPECT_EQ(test::Lees(doel), (Bytes{9, 9}));

    test::Scriptdialoog ja;
    ja.antwoorden = {true};
    const Actieuitkomst gedaan = Inpakken(ja, map / "boek.xaf", doel, false);
    EXPECT_EQ(gedaan.afloop, Afloop::uitgevoerd);
    EXPECT_EQ(gedaan.resultaat, 0);
    EXPECT_EQ(ja.verslag.front(), vraag);
    EXPECT_EQ(DecodeerKop(test::Lees(doel).data()).totaalIn, bron.size());
}

TEST(InpakActie, LeegDoelWordtHetVoorstelZonderPbl) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xaf", test::Tekstgegevens(100));
    std::string doel;
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Inpakken(dialoog, map / "boek.xaf", doel, false).resultaat, 0);
    EXPECT_EQ(doel, map / "boek.xfc");
    EXPECT_TRUE(test::Bestaat(doel));
}

TEST(UitpakActie, ControlesInVolgordeMetHunMelding) {
    test::Werkmap map;
    test::Schrijf(map / "boek.xvc", {1});
    test::Schrijf(map / "notes.txt", {1});
    struct Geval {
        std::string bron;
        std::string melding;
    };
    const Geval gevallen[] = {
        {"a.xf", meldingGeenNaam},
        {map / "weg.pbl.xfc", meldingBestaatNiet},
        {map / "boek.xvc", langeUitpakMelding},
        {map / "notes.txt", langeUitpakMelding},
    };
    for (const Geval& g : gevallen) {
        test::Scriptdialoog dialoog;
        std::string doel = map / "uit.xaf";
        EXPECT_EQ(Uitpakken(dialoog, g.bron, doel).afloop, Afloop::geweigerd) << g.bron;
        EXPECT_EQ(dialoog.verslag, std::vector<std::string>{"ToonMelding(" + g.melding + ")"})
            << g.bron;
        EXPECT_FALSE(test::Bestaat(map / "uit.xaf"));
    }
}

TEST(UitpakActie, EersteStukPaktDeHeleReeksUit) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(2 * blokGrootte, 11);
    test::Schrijf(map / "boek.xaf", bron);
    std::string ingepakt = map / "boek.pbl.xfc";
    test::Scriptdialoog pak;
    pak.antwoorden = {true};
    ASSERT_EQ(Inpakken(pak, map / "boek.xaf", ingepakt, false).resultaat, 0);
    std::filesystem::remove(map / "boek.xaf");

    std::string doel;
    test::Scriptdialoog uit;
    const Actieuitkomst uitkomst = Uitpakken(uit, map / "boek.pbl.xf0", doel);
    EXPECT_EQ(uitkomst.afloop, Afloop::uitgevoerd);
    EXPECT_EQ(uitkomst.resultaat, 0);
    EXPECT_EQ(doel, map / "boek.pbl.xaf");
    EXPECT_EQ(test::Lees(doel), bron);

    std::string stukAlsDoel = map / "boek.pbl.xf1";
    const Bytes stuk = test::Lees(stukAlsDoel);
    test::Scriptdialoog weiger;
    EXPECT_EQ(Uitpakken(weiger, map / "boek.pbl.xf0", stukAlsDoel).afloop, Afloop::geweigerd);
    EXPECT_EQ(test::Lees(stukAlsDoel), stuk);
}

}  // namespace
}  // namespace zegelaar
