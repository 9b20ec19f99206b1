// The console program's pack threads: -j and --threads in all their spellings give the same
// packed stream, which unpacks to the source, and a wrong count is wrong usage.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "blok.h"
#include "inpakkop.h"
#include "werkmap.h"

namespace zegelaar {
namespace {

using test::Bytes;

// Runs the program in `map`, standard input from /dev/null; its exit status and its
// standard error.
std::pair<int, std::string> Draai(const test::Werkmap& map, const std::vector<std::string>& args) {
    std::string opdracht = "cd '" + map.Pad() + "' && '" ZEGELAAR_PROGRAMMA "'";
    for (const std::string& a : args) {
        opdracht += " '" + a + "'";
    }
    opdracht += " </dev/null >/dev/null 2>'" + map / ".fouten" + "'";
    const int status = std::system(opdracht.c_str());
    std::ifstream in(map / ".fouten");
    std::stringstream fouten;
    fouten << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fouten.str()};
}

TEST(ConsoleDraden, ElkeSchrijfwijzeGeeftDezelfdeStroom) {
    test::Werkmap map;
    const Bytes bron = test::Ruis(2 * blokGrootte + 5);
    test::Schrijf(map / "boek.xaf", bron);
    const std::vector<std::vector<std::string>> schrijfwijzen = {
        {"-j", "2"}, {"-j3"}, {"--threads", "4"}, {"--threads=2"}};
    Bytes eerste;
    for (const auto& optie : schrijfwijzen) {
        std::vector<std::string> args{"inpakken", "boek.xaf", "uit.xfc", "--ja"};
        args.insert(args.begin() + 1, optie.begin(), optie.end());
        const auto [status, fouten] = Draai(map, args);
        ASSERT_EQ(status, 0) << optie[0] << ": " << fouten;
        const Bytes ingepakt = test::Lees(map / "uit.pbl.xfc");
        ASSERT_GT(ingepakt.size(), kopGrootte) << optie[0];
        if (eerste.empty()) {
            eerste = ingepakt;
        }
        EXPECT_TRUE(
            ingepakt.size() == eerste.size() &&
            std::equal(ingepakt.begin() + kopGrootte, ingepakt.end(), eerste.begin() + kopGrootte))
            << optie[0];
    }
    // -j 0 takes one thread per core, whatever this machine has.
    ASSERT_EQ(Draai(map, {"inpakken", "boek.xaf", "uit.xfc", "-j", "0", "--ja"}).first, 0);
    ASSERT_EQ(Draai(map, {"uitpakken", "uit.pbl.xfc", "terug.xaf", "--ja"}).first, 0);
    EXPECT_TRUE(test::Lees(map / "terug.xaf") == bron);
}

TEST(ConsoleDraden, VerkeerdAantalIsVerkeerdGebruik) {
    test::Werkmap map;
    const std::vector<std::vector<std::string>> verkeerd = {
        {"inpakken", "a.xaf", "-j"},         {"inpakken", "a.xaf", "-j", "x"},
        {"inpakken", "a.xaf", "-j", "65"},   {"inpakken", "a.xaf", "-j", "-1"},
        {"inpakken", "a.xaf", "--threads="}, {"uitpakken", "a.xfc", "-j", "2"},
        {"info", "a.xfc", "--threads", "2"},
    };
    for (const auto& args : verkeerd) {
        const auto [status, fouten] = Draai(map, args);
        EXPECT_EQ(status, 2) << args[0] << " " << args.back();
        EXPECT_EQ(fouten.rfind("zegelaar: ", 0), 0u) << args[0] << " " << args.back();
    }
}

}  // namespace
}  // namespace zegelaar
