// The parallel pack: round trips at the piece edges, the same stream for every thread count
// above one, a stream that independent inflaters read, a header that matches its stream, and
// a conversation with the user that stays on the calling thread and matches the one-thread one.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "scriptdialoog.h"
#include "stukkenpers.h"
#include "uitpakken.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

// The scripted dialogue that also notes the thread of every call the engine makes while it
// works, and can change the world when the progress window opens.
class Draaddialoog : public test::Scriptdialoog {
  public:
    std::vector<std::thread::id> draden;
    std::function<void()> bijOpenen;

    bool Open() override {
        Noteer();
        if (bijOpenen) {
            bijOpenen();
        }
        return Scriptdialoog::Open();
    }
    void BeginWachtcursor() override {
        Noteer();
        Scriptdialoog::BeginWachtcursor();
    }
    void EindigWachtcursor() override {
        Noteer();
        Scriptdialoog::EindigWachtcursor();
    }
    std::int32_t ZetPositie(std::int32_t positie) override {
        Noteer();
        return Scriptdialoog::ZetPositie(positie);
    }
    void ToonMelding(const std::string& tekst) override {
        Noteer();
        Scriptdialoog::ToonMelding(tekst);
    }
    void Sluit() override {
        Noteer();
        Scriptdialoog::Sluit();
    }

  private:
    void Noteer() { draden.push_back(std::this_thread::get_id()); }
};

// Lines of an export with their numbers, the same for the same seed; it deflates about as
// fast as an audit file, which word salad does not.
Bytes Regels(std::size_t grootte, std::uint32_t zaad = 7) {
    Bytes bron;
    bron.reserve(grootte + 128);
    std::uint32_t x = zaad;
    char regel[128];
    while (bron.size() < grootte) {
        x = x * 1664525u + 1013904223u;
        const int n = std::snprintf(
            regel, sizeof regel,
            "<trLine><nr>%u</nr><accID>%u</accID><amnt>%u.%02u</amnt><desc>Factuur %u</desc>"
            "</trLine>\n",
            x >> 20, 1000 + (x >> 28) * 100, (x >> 8) % 10000, x % 100, (x >> 4) % 100000);
        bron.insert(bron.end(), regel, regel + n);
    }
    bron.resize(grootte);
    return bron;
}

std::uint32_t Adler(const Bytes& data) {
    return static_cast<std::uint32_t>(
        adler32_z(adler32(0, nullptr, 0), data.data(), static_cast<z_size_t>(data.size())));
}

int Pak(test::Scriptdialoog& dialoog, const test::Werkmap& map, const std::string& doel,
        unsigned draden, bool voorVerzending = false) {
    return InpakkenBestand(dialoog, map / "bron.xaf", map / doel, voorVerzending,
                           XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon, draden);
}

// Packs `bron` with `draden` threads and returns the packed file.
Bytes Pak(const test::Werkmap& map, const Bytes& bron, unsigned draden,
          bool voorVerzending = false) {
    test::Schrijf(map / "bron.xaf", bron);
    test::Scriptdialoog dialoog;
    EXPECT_EQ(Pak(dialoog, map, "doel.xfc", draden, voorVerzending), inpakGelukt)
        << "size " << bron.size() << ", threads " << draden;
    EXPECT_EQ(dialoog.openVensters, 0);
    EXPECT_EQ(dialoog.wachtDiepte, 0);
    return test::Lees(map / "doel.xfc");
}

// What this tool's own unpacker makes of the packed file that Pak wrote.
Bytes Terug(const test::Werkmap& map) {
    std::filesystem::remove(map / "terug.xaf");
    test::Scriptdialoog dialoog;
    EXPECT_EQ(
        UitpakkenBestand(dialoog, map / "doel.xfc", map / "terug.xaf", XmlFinancieel.kenmerk, ""),
        uitpakGelukt);
    return test::Lees(map / "terug.xaf");
}

// The header's counts and checksum must describe the stream behind it.
void ControleerKopTegenStroom(const Bytes& ingepakt, const Bytes& bron, std::size_t vulbytes) {
    ASSERT_GE(ingepakt.size(), kopGrootte + vulbytes + 2);
    const InpakKop kop = DecodeerKop(ingepakt.data());
    EXPECT_EQ(static_cast<std::uint32_t>(kop.bronGrootte), bron.size());
    EXPECT_EQ(kop.totaalIn, bron.size());
    EXPECT_EQ(kop.totaalUit, ingepakt.size() - kopGrootte - vulbytes);
    EXPECT_EQ(kop.adler32, Adler(bron));
    EXPECT_EQ(kop.aantalVulbytes, static_cast<std::int32_t>(vulbytes));
    EXPECT_EQ(ingepakt[kopGrootte + vulbytes], 0x78);
    EXPECT_EQ(ingepakt[kopGrootte + vulbytes + 1], 0xDA);
}

TEST(ParallelInpakken, RoundTripsAtThePieceEdges) {
    const std::size_t groottes[] = {0,
                                    1,
                                    woordenboekGrootte,
                                    blokGrootte - 1,
                                    blokGrootte,
                                    blokGrootte + 1,
                                    2 * blokGrootte - 1,
                                    2 * blokGrootte,
                                    2 * blokGrootte + 1,
                                    5 * blokGrootte + 12345};
    test::Werkmap map;
    for (const std::size_t grootte : groottes) {
        SCOPED_TRACE("size " + std::to_string(grootte));
        const Bytes bron = Regels(grootte);
        const Bytes ingepakt = Pak(map, bron, 2);
        ControleerKopTegenStroom(ingepakt, bron, 0);
        EXPECT_TRUE(Terug(map) == bron);
    }
}

TEST(ParallelInpakken, IncompressiblePiecesFitTheirOutputRoom) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(3 * blokGrootte + 7);
    const Bytes ingepakt = Pak(map, bron, 3);
    ControleerKopTegenStroom(ingepakt, bron, 0);
    EXPECT_TRUE(Terug(map) == bron);
}

TEST(ParallelInpakken, APieceRefersBackIntoThePieceBeforeIt) {
    // Noise, then its own last 16 KiB again: only a piece primed with the tail of the one
    // before it can pack the repeat into a few bytes.
    test::Werkmap map;
    Bytes bron = test::Ruis(blokGrootte);
    const Bytes staart(bron.end() - woordenboekGrootte / 2, bron.end());
    bron.insert(bron.end(), staart.begin(), staart.end());
    const Bytes ingepakt = Pak(map, bron, 2);
    ControleerKopTegenStroom(ingepakt, bron, 0);
    EXPECT_LT(ingepakt.size(), kopGrootte + blokGrootte + blokGrootte / 1000 + 1000);
    EXPECT_TRUE(Terug(map) == bron);
}

TEST(ParallelInpakken, EveryThreadCountAboveOneGivesTheSameStream) {
    test::Werkmap map;
    const Bytes bron = Regels(4 * blokGrootte + 999);
    const Bytes bij2 = Pak(map, bron, 2);
    for (const unsigned draden : {3u, 4u, 2u}) {
        const Bytes ingepakt = Pak(map, bron, draden);
        // The headers differ in the packing time and the random word only.
        EXPECT_TRUE(
            ingepakt.size() == bij2.size() &&
            std::equal(ingepakt.begin() + kopGrootte, ingepakt.end(), bij2.begin() + kopGrootte))
            << draden << " threads";
    }
    // Pieces are deflated on their own, so this is not the one-thread stream.
    const Bytes eenDraad = Pak(map, bron, 1);
    EXPECT_FALSE(
        eenDraad.size() == bij2.size() &&
        std::equal(eenDraad.begin() + kopGrootte, eenDraad.end(), bij2.begin() + kopGrootte));
}

TEST(ParallelInpakken, ForSendingUsesLevelNineBehindTheFillerBytes) {
    test::Werkmap map;
    const Bytes bron = Regels(2 * blokGrootte + 100);
    const Bytes ingepakt = Pak(map, bron, 2, true);
    ControleerKopTegenStroom(ingepakt, bron, vulbytesVoorVerzending);
    EXPECT_EQ(ingepakt[13], 1);
    EXPECT_NE(ingepakt[68] & verzendBit, 0u);
    // This tool refuses files for sending, so zlib itself reads the stream back.
    const std::size_t begin = kopGrootte + vulbytesVoorVerzending;
    Bytes terug;
    ASSERT_TRUE(test::Inflate(ingepakt.data() + begin, ingepakt.size() - begin, terug));
    EXPECT_TRUE(terug == bron);
}

int Voer(const std::string& opdracht) {
    return std::system(opdracht.c_str());
}

TEST(ParallelInpakken, IndependentInflatersReadTheStream) {
    test::Werkmap map;
    const Bytes bron = Regels(3 * blokGrootte + 5);
    const Bytes ingepakt = Pak(map, bron, 2);
    test::Schrijf(map / "stroom.zz", Bytes(ingepakt.begin() + kopGrootte, ingepakt.end()));

    if (Voer("python3 -c pass") != 0) {
        GTEST_SKIP() << "python3 is not installed; its zlib cannot check the stream";
    }
    const std::string python =
        "python3 -c \"import sys, zlib; d = zlib.decompressobj(); "
        "u = d.decompress(open(sys.argv[1], 'rb').read()); "
        "sys.exit(0 if d.eof and not d.unused_data and u == open(sys.argv[2], 'rb').read() else "
        "1)\" ";
    EXPECT_EQ(Voer(python + (map / "stroom.zz") + ' ' + (map / "bron.xaf")), 0);

    if (Voer("pigz --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pigz is not installed; only Python's zlib checked the stream";
    }
    ASSERT_EQ(Voer("pigz -d -z -c " + (map / "stroom.zz") + " > " + (map / "pigz.xaf")), 0);
    EXPECT_TRUE(test::Lees(map / "pigz.xaf") == bron);
}

TEST(ParallelInpakken, ASourceThatShrinksIsPackedAsFarAsItIsRead) {
    test::Werkmap map;
    const Bytes bron = Regels(4 * blokGrootte);
    const std::size_t over = blokGrootte + 500;
    test::Schrijf(map / "bron.xaf", bron);
    Draaddialoog dialoog;
    // The size is taken before the progress window opens; the reading starts after it.
    dialoog.bijOpenen = [&] { std::filesystem::resize_file(map / "bron.xaf", over); };
    ASSERT_EQ(Pak(dialoog, map, "doel.xfc", 2), inpakGelukt);
    const Bytes ingepakt = test::Lees(map / "doel.xfc");
    const InpakKop kop = DecodeerKop(ingepakt.data());
    EXPECT_EQ(static_cast<std::uint32_t>(kop.bronGrootte), bron.size());
    EXPECT_EQ(kop.totaalIn, over);
    EXPECT_EQ(kop.adler32, Adler(Bytes(bron.begin(), bron.begin() + over)));
    EXPECT_EQ(kop.totaalUit, ingepakt.size() - kopGrootte);
    EXPECT_TRUE(Terug(map) == Bytes(bron.begin(), bron.begin() + over));
}

// A conversation without its positions: how often the work reaches 100 % before the end
// depends on how it was divided.
std::vector<std::string> ZonderPosities(std::vector<std::string> gesprek) {
    std::erase_if(gesprek,
                  [](const std::string& stap) { return stap.rfind("ZetPositie(", 0) == 0; });
    return gesprek;
}

TEST(ParallelInpakken, TalksToTheUserAsTheOneThreadEngineDoesFromTheCallingThread) {
    test::Werkmap map;
    test::Schrijf(map / "bron.xaf", test::Ruis(3 * blokGrootte + 1));
    test::Scriptdialoog eenDraad;
    Draaddialoog vier;
    ASSERT_EQ(Pak(eenDraad, map, "een.xfc", 1), inpakGelukt);
    ASSERT_EQ(Pak(vier, map, "vier.xfc", 4), inpakGelukt);

    EXPECT_EQ(ZonderPosities(vier.Gesprek()), ZonderPosities(eenDraad.Gesprek()));
    EXPECT_EQ(vier.openVensters, 0);
    EXPECT_EQ(vier.wachtDiepte, 0);
    for (const std::thread::id draad : vier.draden) {
        EXPECT_EQ(draad, std::this_thread::get_id());
    }
    // Positions never go back and end at 100; each one during the work is shown under the
    // wait cursor, as in the one-thread engine.
    ASSERT_GE(vier.posities.size(), 4u);
    EXPECT_TRUE(std::is_sorted(vier.posities.begin(), vier.posities.end()));
    EXPECT_EQ(vier.posities.back(), 100);
    int wacht = 0;
    std::size_t posities = 0;
    for (const std::string& stap : vier.verslag) {
        wacht += stap == "BeginWachtcursor" ? 1 : stap == "EindigWachtcursor" ? -1 : 0;
        if (stap.rfind("ZetPositie(", 0) == 0 && ++posities < vier.posities.size()) {
            EXPECT_EQ(wacht, 1) << "position " << posities << " outside the wait cursor";
        }
    }
}

TEST(ParallelInpakken, AFailedWriteEndsAsInTheOneThreadEngine) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full to make writes fail";
    }
    test::Werkmap map;
    for (const std::size_t grootte : {std::size_t{1000}, 3 * blokGrootte}) {
        test::Schrijf(map / "bron.xaf", test::Ruis(grootte));
        for (const unsigned draden : {1u, 2u}) {
            SCOPED_TRACE("size " + std::to_string(grootte) + ", threads " + std::to_string(draden));
            test::Scriptdialoog dialoog;
            EXPECT_EQ(InpakkenBestand(dialoog, map / "bron.xaf", "/dev/full", false,
                                      XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon, draden),
                      inpakSchrijfFout);
            EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{"Fout bij schrijven"});
            EXPECT_EQ(dialoog.verslag.back(), "Sluit");
            EXPECT_EQ(dialoog.openVensters, 0);
            EXPECT_EQ(dialoog.wachtDiepte, 0);
        }
    }
}

}  // namespace
}  // namespace zegelaar
