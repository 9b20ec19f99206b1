// The console program `zegelaar`: packing, unpacking, inspecting and checking audit files
// from a terminal or a script.
#include <cstdio>
#include <string>
#include <vector>

#include "opdrachten.h"
#include "terminaldialoog.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace zegelaar::console;

int main(int argc, char** argv) {
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    const Ontleed ontleed = OntleedArgumenten(argumenten);
    if (!ontleed.opdracht) {
        std::fprintf(stderr, "%s: %s\nGebruik '%s --help' voor de opdrachten.\n", programmanaam,
                     ontleed.fout.c_str(), programmanaam);
        return afsluitGebruik;
    }
    Omgeving omgeving;
    omgeving.foutenIsTerminal = isatty(fileno(stderr)) != 0;
    omgeving.invoerIsTerminal = isatty(fileno(stdin)) != 0;
    const Opdracht& opdracht = *ontleed.opdracht;
    switch (opdracht.soort) {
        case Soort::inpakken:
            return Inpakken(opdracht, omgeving);
        case Soort::uitpakken:
            return Uitpakken(opdracht, omgeving);
        case Soort::info:
            return Info(opdracht, omgeving);
        case Soort::controleer:
            return Controleer(opdracht, omgeving);
        case Soort::hulp:
            Hulp(stdout);
            return afsluitGelukt;
        case Soort::versie:
            std::puts("zegelaar 3.0.0.10");
            return afsluitGelukt;
    }
    return afsluitGebruik;
}
