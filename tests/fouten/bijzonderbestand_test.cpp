// Names that are not plain files: a pipe (FIFO) as source, piece or target, and a device that
// never ends as source. A pipe can come out of an archive beside real pieces; opening one
// for reading waits for a writer that never comes, and /dev/zero gives bytes forever. Each
// action must end promptly with a message, leaving the real files as they were.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

#include "blok.h"
#include "inpakactie.h"
#include "scriptdialoog.h"
#include "uitpakactie.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::Bytes;

// Runs an action; if it is still busy after a few seconds it hangs on the pipe, so the test
// says so and frees it by playing the pipe's other ends (a writer for a waiting open, a
// reader that drains it for a waiting write) until it returns.
Actieuitkomst ZonderHangen(const std::function<Actieuitkomst()>& actie, const std::string& pijp,
                           const char* wat) {
    std::future<Actieuitkomst> uitkomst = std::async(std::launch::async, actie);
    if (uitkomst.wait_for(10s) == std::future_status::timeout) {
        ADD_FAILURE() << wat << ": hangt op " << pijp;
        while (uitkomst.wait_for(100ms) == std::future_status::timeout) {
            const int fd = open(pijp.c_str(), O_RDWR | O_NONBLOCK);
            if (fd >= 0) {
                char afval[65536];
                while (read(fd, afval, sizeof afval) > 0) {
                }
                close(fd);
            }
        }
    }
    return uitkomst.get();
}

TEST(SpeciaalBestand, PijpOfEindelozeBronHangtNiet) {
    test::Werkmap map;
    const Bytes audit = test::Ruis(blokGrootte + 300000, 8);
    test::Schrijf(map / "boek.xaf", audit);
    std::string ingepakt = map / "boek.pbl.xfc";
    test::Scriptdialoog pak;
    pak.antwoorden = {true};  // cut into boek.pbl.xf0 and boek.pbl.xf1
    ASSERT_EQ(Inpakken(pak, map / "boek.xaf", ingepakt, false).resultaat, 0);
    const Bytes stuk0 = test::Lees(map / "boek.pbl.xf0");

    struct Geval {
        const char* wat;
        bool inpakken;
        std::string bron;
        std::string doel;
        std::string pijp;  // made as a pipe before the action; empty: none
        Afloop afloop;
        int resultaat;
        std::string melding;
    };
    const std::string stuk1 = map / "boek.pbl.xf1";
    const Geval gevallen[] = {
        {"pijp als bron van inpakken", true, map / "pijp.xaf", map / "pijp.pbl.xfc",
         map / "pijp.xaf", Afloop::geweigerd, 0, meldingBestaatNiet},
        {"pijp als ingepakt bestand", false, map / "pijp.pbl.xfc", map / "pijp.xaf",
         map / "pijp.pbl.xfc", Afloop::geweigerd, 0, meldingBestaatNiet},
        // Not a piece that can be read: named, as any piece that exists but can't be opened.
        {"pijp als tweede stuk", false, map / "boek.pbl.xf0", map / "terug.xaf", stuk1,
         Afloop::uitgevoerd, 17, "Diskettebestand\n" + stuk1 + "\nkan niet geopend worden."},
        // A pipe as target is not a file to ask about; writing to it stops when it is full.
        {"pijp als doel van inpakken", true, map / "boek.xaf", map / "doel.pbl.xfc",
         map / "doel.pbl.xfc", Afloop::uitgevoerd, 202, "Fout bij schrijven"},
        {"pijp als doel van uitpakken", false, ingepakt, map / "doel.xaf", map / "doel.xaf",
         Afloop::uitgevoerd, 203, "Fout bij schrijven"},
        {"eindeloos apparaat als bron", true, map / "nul.xaf", map / "nul.pbl.xfc", "",
         Afloop::geweigerd, 0, meldingBestaatNiet},
    };
    fs::create_symlink("/dev/zero", map / "nul.xaf");
    for (const Geval& g : gevallen) {
        if (!g.pijp.empty()) {
            fs::remove(g.pijp);
            ASSERT_EQ(mkfifo(g.pijp.c_str(), 0600), 0) << g.wat;
        }
        test::Scriptdialoog dialoog;
        const Actieuitkomst uitkomst = ZonderHangen(
            [&] {
                std::string doel = g.doel;
                return g.inpakken ? Inpakken(dialoog, g.bron, doel, false)
                                  : Uitpakken(dialoog, g.bron, doel);
            },
            g.pijp, g.wat);
        EXPECT_EQ(uitkomst.afloop, g.afloop) << g.wat;
        EXPECT_EQ(uitkomst.resultaat, g.resultaat) << g.wat;
        EXPECT_EQ(dialoog.Meldingen(), std::vector<std::string>{g.melding}) << g.wat;
        EXPECT_EQ(dialoog.openVensters, 0) << g.wat;
        EXPECT_EQ(test::Lees(map / "boek.xaf"), audit) << g.wat;
        EXPECT_EQ(test::Lees(map / "boek.pbl.xf0"), stuk0) << g.wat;
        if (!g.pijp.empty()) {
            EXPECT_TRUE(fs::is_fifo(g.pijp)) << g.wat << ": the pipe was replaced";
        }
    }
}

}  // namespace
}  // namespace zegelaar
