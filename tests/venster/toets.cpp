// Running the cases and counting them.
#include "toets.h"

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
        geval.uitvoeren();
        std::printf("[%s] %s\n", mislukkingen == 0 ? "  OK  " : "FAILED", geval.naam);
        std::fflush(stdout);
        (mislukkingen == 0 ? geslaagd : gezakt)++;
    }
    std::printf("%d passed, %d failed\n", geslaagd, gezakt);
    return gezakt == 0 && geslaagd > 0 ? 0 : 1;
}

}  // namespace toets
