// Running the cases and counting them.
#include "toets.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace toets {

namespace {

// Failures of the case that is running; reset before each case.
int mislukkingen = 0;
const char* lopendGeval = "";

}  // namespace

void Mislukt(const char* bestand, int regel, const std::string& wat) {
    ++mislukkingen;
    std::printf("%s:%d: in %s: %s\n", bestand, regel, lopendGeval, wat.c_str());
    std::fflush(stdout);
}

int VoerUit(const std::vector<Geval>& gevallen, int argc, char** argv) {
    const char* filter = argc > 1 ? argv[1] : "";
    int geslaagd = 0;
    int gezakt = 0;
    for (const Geval& geval : gevallen) {
        if (std::strstr(geval.naam, filter) == nullptr) {
            continue;
        }
        lopendGeval = geval.naam;
        mislukkingen = 0;
        const auto begin = std::chrono::steady_clock::now();
        geval.uitvoeren();
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - begin)
                            .count();
        std::printf("[%s] %s (%lld ms)\n", mislukkingen == 0 ? "  OK  " : "FAILED", geval.naam,
                    static_cast<long long>(ms));
        std::fflush(stdout);
        (mislukkingen == 0 ? geslaagd : gezakt)++;
    }
    std::printf("%d passed, %d failed\n", geslaagd, gezakt);
    return gezakt == 0 && geslaagd > 0 ? 0 : 1;
}

}  // namespace toets
