// A source of more than 4 GiB: the round trip keeps every byte, the header keeps the low 32
// bits of each count, the progress stays within 0 to 100, and the engines need no more
// memory than for a small file. Slow (about a minute), so it carries the ctest label groot.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "auditfilesoort.h"
#include "inpakken.h"
#include "inpakkop.h"
#include "stilledialoog.h"
#include "uitpakken.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

namespace fs = std::filesystem;

// Exit codes of one measured round trip.
enum Uitkomst { goed = 0, inpakFout = 1, uitpakFout = 2, positieBuitenBereik = 3, geenKind = 9 };

struct Meting {
    int uitkomst = geenKind;
    long piekKiB = 0;
    double seconden = 0;
};

// Packs and unpacks in a child process, so that its peak memory is its own.
Meting RondreisInKind(const std::string& bron, const std::string& ingepakt,
                      const std::string& terug) {
    const auto begin = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        test::StilleDialoog pak(false);
        if (InpakkenBestand(pak, bron, ingepakt, false, XmlFinancieel.kenmerk,
                            XmlFinancieel.stukPatroon) != 0) {
            _exit(inpakFout);
        }
        test::StilleDialoog uit(false);
        if (UitpakkenBestand(uit, ingepakt, terug, XmlFinancieel.kenmerk, "") != 0) {
            _exit(uitpakFout);
        }
        const bool binnen = pak.laagstePositie >= 0 && pak.hoogstePositie <= 100 &&
                            uit.laagstePositie >= 0 && uit.hoogstePositie <= 100;
        _exit(binnen ? goed : positieBuitenBereik);
    }
    Meting meting;
    int status = 0;
    rusage gebruik{};
    if (kind > 0 && wait4(kind, &status, 0, &gebruik) == kind && WIFEXITED(status)) {
        meting.uitkomst = WEXITSTATUS(status);
        meting.piekKiB = gebruik.ru_maxrss;
    }
    meting.seconden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return meting;
}

struct Controlesom {
    std::uint64_t lengte = 0;
    std::uint32_t crc = 0;
    std::uint32_t adler = 0;
};

Controlesom Som(const std::string& pad) {
    Controlesom som;
    som.crc = static_cast<std::uint32_t>(crc32(0, nullptr, 0));
    som.adler = static_cast<std::uint32_t>(adler32(0, nullptr, 0));
    std::FILE* f = std::fopen(pad.c_str(), "rb");
    if (!f) {
        return som;
    }
    std::vector<unsigned char> buffer(1 << 20);
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
        som.crc = static_cast<std::uint32_t>(crc32_z(som.crc, buffer.data(), n));
        som.adler = static_cast<std::uint32_t>(adler32_z(som.adler, buffer.data(), n));
        som.lengte += n;
    }
    std::fclose(f);
    return som;
}

// A sparse file of zeros with a few marked places, among them both sides of 4 GiB.
void MaakBron(const std::string& pad, std::uint64_t grootte) {
    std::FILE* f = std::fopen(pad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::uint64_t plekken[] = {0, (std::uint64_t{1} << 32) - 3, grootte - 5};
    for (const std::uint64_t plek : plekken) {
        ASSERT_EQ(fseeko(f, static_cast<off_t>(plek), SEEK_SET), 0);
        ASSERT_EQ(std::fwrite("merk!", 1, 5, f), 5u);
    }
    ASSERT_EQ(std::fclose(f), 0);
    ASSERT_EQ(fs::file_size(pad), grootte);
}

TEST(Groot, BronVanMeerDan4GiBHeenEnTerug) {
    test::Werkmap map;
    const std::uint64_t grootte = (std::uint64_t{1} << 32) + 123457;
    MaakBron(map / "groot.xaf", grootte);
    // Small, but large enough to fill both block buffers, as every larger file does.
    test::Schrijf(map / "klein.xaf", test::Ruis(3000000));

    const Meting klein =
        RondreisInKind(map / "klein.xaf", map / "klein.pbl.xfc", map / "klein2.xaf");
    ASSERT_EQ(klein.uitkomst, goed);
    const Meting groot =
        RondreisInKind(map / "groot.xaf", map / "groot.pbl.xfc", map / "groot2.xaf");
    ASSERT_EQ(groot.uitkomst, goed) << "1 pack, 2 unpack, 3 progress outside 0 to 100";
    std::printf("rondreis van %llu bytes: %.1f s, piekgeheugen %ld KiB (3 MB: %ld KiB, %.1f s)\n",
                static_cast<unsigned long long>(grootte), groot.seconden, groot.piekKiB,
                klein.piekKiB, klein.seconden);
    // The two block buffers and zlib's state, whatever the size; a little slack for the
    // allocator and the stream buffers.
    EXPECT_LE(groot.piekKiB, klein.piekKiB + 512);

    // Left on disk: the source as it was, the packed file and the unpacked copy.
    const Controlesom bron = Som(map / "groot.xaf");
    const Controlesom terug = Som(map / "groot2.xaf");
    EXPECT_EQ(bron.lengte, grootte);
    EXPECT_EQ(terug.lengte, grootte);
    EXPECT_EQ(terug.crc, bron.crc);

    std::FILE* f = std::fopen((map / "groot.pbl.xfc").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char kopbytes[kopGrootte];
    ASSERT_EQ(std::fread(kopbytes, 1, kopGrootte, f), kopGrootte);
    std::fclose(f);
    const InpakKop kop = DecodeerKop(kopbytes);
    const auto laag = static_cast<std::uint32_t>(grootte);
    EXPECT_EQ(static_cast<std::uint32_t>(kop.bronGrootte), laag);
    EXPECT_EQ(kop.totaalIn, laag);
    EXPECT_EQ(kop.totaalUit, fs::file_size(map / "groot.pbl.xfc") - kopGrootte);
    EXPECT_EQ(kop.adler32, bron.adler);
}

}  // namespace
}  // namespace zegelaar
