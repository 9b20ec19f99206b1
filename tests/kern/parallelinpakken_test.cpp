// The parallel pack: round trips at the piece edges, the same stream for every thread count
// above one, a stream that independent inflaters read, a header that matches its stream, and
// a conversation with the user that stays on the calling thread and matches the one-thread one.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "auditfilesoort.h"
#include "blok.h"
#include "gebruikersdialoog.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "stukkenpers.h"
#include "uitpakken.h"

namespace zegelaar {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// Answers every question with no and presses "Sluiten" at once; keeps each call in order with
// the thread it came from, and can run a step of the test when the progress window opens.
class StilleDialoog : public Gebruikersdialoog, public Voortgangsvenster {
  public:
    std::vector<std::string> gesprek;
    std::vector<std::int32_t> posities;
    std::vector<std::thread::id> draden;
    std::function<void()> bijOpenen;

    void ToonMelding(const std::string& tekst) override { Noteer("melding: " + tekst); }
    bool VraagJaNee(const std::string& tekst) override {
        Noteer("vraag: " + tekst);
        return false;
    }
    void ToonFout(const std::string& tekst, const std::string& titel) override {
        Noteer("fout: " + titel + ": " + tekst);
    }
    void BeginWachtcursor() override { Noteer("wacht aan"); }
    void EindigWachtcursor() override { Noteer("wacht uit"); }
    Voortgangsvenster& Voortgang() override { return *this; }

    bool Open() override {
        Noteer("open");
        if (bijOpenen) {
            bijOpenen();
        }
        return true;
    }
    void ZetBereik(std::int32_t onder, std::int32_t boven) override {
        Noteer("bereik " + std::to_string(onder) + " " + std::to_string(boven));
    }
    void SetWindowText(const std::string& tekst) override { Noteer("titel: " + tekst); }
    void ZetStatus(const std::string& tekst) override { Noteer("status: " + tekst); }
    std::int32_t ZetPositie(std::int32_t positie) override {
        Noteer("positie");
        posities.push_back(positie);
        return positie;
    }
    void ActiveerSluiten() override { Noteer("activeer sluiten"); }
    bool IsSluitenGekozen() override {
        Noteer("sluiten gekozen");
        return true;
    }
    void Sluit() override { Noteer("sluit"); }

  private:
    void Noteer(std::string stap) {
        gesprek.push_back(std::move(stap));
        draden.push_back(std::this_thread::get_id());
    }
};

// Lines of an export with their numbers, the same for the same seed.
Bytes MaakBron(std::size_t grootte, std::uint32_t zaad = 7) {
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

// Bytes that deflate cannot shrink, for the room that a piece's output needs.
Bytes MaakRuis(std::size_t grootte) {
    Bytes bron(grootte);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (unsigned char& b : bron) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        b = static_cast<unsigned char>(x >> 32);
    }
    return bron;
}

Bytes Lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Schrijf(const fs::path& pad, const Bytes& data) {
    std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
    uit.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
}

std::uint32_t Adler(const Bytes& data) {
    return static_cast<std::uint32_t>(
        adler32_z(adler32(0, nullptr, 0), data.data(), static_cast<z_size_t>(data.size())));
}

class ParallelInpakken : public ::testing::Test {
  protected:
    void SetUp() override {
        map_ = fs::temp_directory_path() /
               (std::string("zegelaar-parallel-") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(map_);
        fs::create_directories(map_);
    }
    void TearDown() override { fs::remove_all(map_); }

    fs::path Pad(const std::string& naam) const { return map_ / naam; }

    // Packs `bron` with `draden` threads and returns the packed file; the result must be 0.
    Bytes Pak(const Bytes& bron, unsigned draden, bool voorVerzending = false) {
        Schrijf(Pad("bron.xaf"), bron);
        StilleDialoog dialoog;
        const int r = InpakkenBestand(dialoog, Pad("bron.xaf").string(), Pad("doel.xfc").string(),
                                      voorVerzending, XmlFinancieel.kenmerk,
                                      XmlFinancieel.stukPatroon, draden);
        EXPECT_EQ(r, inpakGelukt) << "size " << bron.size() << ", threads " << draden;
        return Lees(Pad("doel.xfc"));
    }

    fs::path map_;
};

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

TEST_F(ParallelInpakken, RoundTripsAtThePieceEdges) {
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
    for (const std::size_t grootte : groottes) {
        SCOPED_TRACE("size " + std::to_string(grootte));
        const Bytes bron = MaakBron(grootte);
        const Bytes ingepakt = Pak(bron, 2);
        ControleerKopTegenStroom(ingepakt, bron, 0);

        fs::remove(Pad("terug.xaf"));
        StilleDialoog dialoog;
        ASSERT_EQ(UitpakkenBestand(dialoog, Pad("doel.xfc").string(), Pad("terug.xaf").string(),
                                   XmlFinancieel.kenmerk, ""),
                  uitpakGelukt);
        EXPECT_TRUE(Lees(Pad("terug.xaf")) == bron);
    }
}

TEST_F(ParallelInpakken, IncompressiblePiecesFitTheirOutputRoom) {
    const Bytes bron = MaakRuis(3 * blokGrootte + 7);
    const Bytes ingepakt = Pak(bron, 3);
    ControleerKopTegenStroom(ingepakt, bron, 0);
    StilleDialoog dialoog;
    ASSERT_EQ(UitpakkenBestand(dialoog, Pad("doel.xfc").string(), Pad("terug.xaf").string(),
                               XmlFinancieel.kenmerk, ""),
              uitpakGelukt);
    EXPECT_TRUE(Lees(Pad("terug.xaf")) == bron);
}

TEST_F(ParallelInpakken, EveryThreadCountAboveOneGivesTheSameStream) {
    const Bytes bron = MaakBron(4 * blokGrootte + 999);
    const Bytes bij2 = Pak(bron, 2);
    const Bytes eenDraad = Pak(bron, 1);
    for (const unsigned draden : {3u, 4u, 2u}) {
        const Bytes ingepakt = Pak(bron, draden);
        ASSERT_EQ(ingepakt.size(), bij2.size()) << draden << " threads";
        // The header differs in the packing time and the random word only.
        EXPECT_TRUE(
            std::equal(ingepakt.begin() + kopGrootte, ingepakt.end(), bij2.begin() + kopGrootte))
            << draden << " threads";
    }
    // Pieces are deflated on their own, so the stream is not the one-thread stream.
    EXPECT_FALSE(
        eenDraad.size() == bij2.size() &&
        std::equal(eenDraad.begin() + kopGrootte, eenDraad.end(), bij2.begin() + kopGrootte));
}

TEST_F(ParallelInpakken, ForSendingUsesLevelNineBehindTheFillerBytes) {
    const Bytes bron = MaakBron(2 * blokGrootte + 100);
    const Bytes ingepakt = Pak(bron, 2, true);
    ControleerKopTegenStroom(ingepakt, bron, vulbytesVoorVerzending);
    EXPECT_EQ(ingepakt[13], 1);
    EXPECT_NE(ingepakt[68] & verzendBit, 0u);

    // This tool refuses files for sending, so zlib itself reads the stream back.
    Bytes terug(bron.size() + 1);
    uLongf lengte = static_cast<uLongf>(terug.size());
    const std::size_t begin = kopGrootte + vulbytesVoorVerzending;
    ASSERT_EQ(uncompress(terug.data(), &lengte, ingepakt.data() + begin,
                         static_cast<uLong>(ingepakt.size() - begin)),
              Z_OK);
    terug.resize(lengte);
    EXPECT_TRUE(terug == bron);
}

// Runs a command; its exit status.
int Voer(const std::string& opdracht) {
    return std::system(opdracht.c_str());
}

TEST_F(ParallelInpakken, IndependentInflatersReadTheStream) {
    const Bytes bron = MaakBron(3 * blokGrootte + 5);
    const Bytes ingepakt = Pak(bron, 2);
    Schrijf(Pad("stroom.zz"), Bytes(ingepakt.begin() + kopGrootte, ingepakt.end()));
    Schrijf(Pad("bron.xaf"), bron);

    const std::string python =
        "python3 -c \"import sys, zlib; d = zlib.decompressobj(); "
        "u = d.decompress(open(sys.argv[1], 'rb').read()); "
        "sys.exit(0 if d.eof and not d.unused_data and u == open(sys.argv[2], 'rb').read() else "
        "1)\" ";
    if (Voer("python3 -c pass") != 0) {
        GTEST_SKIP() << "python3 is not installed; its zlib cannot check the stream";
    }
    EXPECT_EQ(Voer(python + Pad("stroom.zz").string() + ' ' + Pad("bron.xaf").string()), 0);

    if (Voer("pigz --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pigz is not installed; the stream was checked by Python's zlib only";
    }
    EXPECT_EQ(Voer("pigz -d -z -c " + Pad("stroom.zz").string() + " > " + Pad("pigz.xaf").string()),
              0);
    EXPECT_TRUE(Lees(Pad("pigz.xaf")) == bron);
}

TEST_F(ParallelInpakken, ASourceThatShrinksIsPackedAsFarAsItIsRead) {
    const Bytes bron = MaakBron(4 * blokGrootte);
    const std::size_t over = blokGrootte + 500;
    Schrijf(Pad("bron.xaf"), bron);
    StilleDialoog dialoog;
    // The size is taken before the progress window opens; the reading starts after it.
    dialoog.bijOpenen = [&] { fs::resize_file(Pad("bron.xaf"), over); };
    ASSERT_EQ(InpakkenBestand(dialoog, Pad("bron.xaf").string(), Pad("doel.xfc").string(), false,
                              XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon, 2),
              inpakGelukt);
    const Bytes ingepakt = Lees(Pad("doel.xfc"));
    const InpakKop kop = DecodeerKop(ingepakt.data());
    EXPECT_EQ(static_cast<std::uint32_t>(kop.bronGrootte), bron.size());
    EXPECT_EQ(kop.totaalIn, over);
    EXPECT_EQ(kop.adler32, Adler(Bytes(bron.begin(), bron.begin() + over)));
    EXPECT_EQ(kop.totaalUit, ingepakt.size() - kopGrootte);
}

// The parts of a conversation that do not depend on how the work was divided.
std::vector<std::string> ZonderVoortgang(const std::vector<std::string>& gesprek) {
    std::vector<std::string> rest;
    for (const std::string& stap : gesprek) {
        if (stap != "positie" && stap != "wacht aan" && stap != "wacht uit") {
            rest.push_back(stap);
        }
    }
    return rest;
}

TEST_F(ParallelInpakken, TalksToTheUserAsTheOneThreadEngineDoesFromTheCallingThread) {
    const Bytes bron = MaakRuis(3 * blokGrootte + 1);
    Schrijf(Pad("bron.xaf"), bron);
    StilleDialoog eenDraad;
    StilleDialoog vier;
    ASSERT_EQ(InpakkenBestand(eenDraad, Pad("bron.xaf").string(), Pad("een.xfc").string(), false,
                              XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon),
              inpakGelukt);
    ASSERT_EQ(InpakkenBestand(vier, Pad("bron.xaf").string(), Pad("vier.xfc").string(), false,
                              XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon, 4),
              inpakGelukt);

    EXPECT_EQ(ZonderVoortgang(vier.gesprek), ZonderVoortgang(eenDraad.gesprek));
    for (const std::thread::id draad : vier.draden) {
        EXPECT_EQ(draad, std::this_thread::get_id());
    }
    // Positions never go back and reach 100 before the final one; every position during the
    // work is shown under the wait cursor, as in the one-thread engine.
    ASSERT_GE(vier.posities.size(), 4u);
    EXPECT_TRUE(std::is_sorted(vier.posities.begin(), vier.posities.end() - 1));
    EXPECT_EQ(vier.posities[vier.posities.size() - 2], 100);
    EXPECT_EQ(vier.posities.back(), 100);
    const auto laatste = std::find(vier.gesprek.rbegin(), vier.gesprek.rend(), "positie").base();
    int wacht = 0;
    for (auto stap = vier.gesprek.begin(); stap != laatste - 1; ++stap) {
        wacht += *stap == "wacht aan" ? 1 : *stap == "wacht uit" ? -1 : 0;
        if (*stap == "positie") {
            EXPECT_EQ(wacht, 1) << "a position outside the wait cursor";
        }
    }
    EXPECT_EQ(wacht, 0);
}

TEST_F(ParallelInpakken, AFailedWriteEndsAsInTheOneThreadEngine) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full to make writes fail";
    }
    for (const std::size_t grootte : {std::size_t{1000}, 3 * blokGrootte}) {
        const Bytes bron = MaakRuis(grootte);
        Schrijf(Pad("bron.xaf"), bron);
        for (const unsigned draden : {1u, 2u}) {
            SCOPED_TRACE("size " + std::to_string(grootte) + ", threads " + std::to_string(draden));
            StilleDialoog dialoog;
            EXPECT_EQ(InpakkenBestand(dialoog, Pad("bron.xaf").string(), "/dev/full", false,
                                      XmlFinancieel.kenmerk, XmlFinancieel.stukPatroon, draden),
                      inpakSchrijfFout);
            EXPECT_NE(std::find(dialoog.gesprek.begin(), dialoog.gesprek.end(),
                                "melding: Fout bij schrijven"),
                      dialoog.gesprek.end());
            EXPECT_EQ(dialoog.gesprek.back(), "sluit");
        }
    }
}

}  // namespace
}  // namespace zegelaar
