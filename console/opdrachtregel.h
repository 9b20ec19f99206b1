// The console program's command line: which command, its files and its options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zegelaar::console {

enum class Soort { inpakken, uitpakken, info, controleer, hulp, versie };

// How questions are answered: asked on the terminal, or always yes or no.
enum class Antwoord { vragen, ja, nee };

struct Opdracht {
    Soort soort = Soort::hulp;
    std::string bron;
    std::optional<std::string> doel;
    bool voorVerzending = false;
    Antwoord antwoord = Antwoord::vragen;
    // Pack threads as given with -j or --threads; 0 means one per core.
    unsigned draden = 1;
};

// The most pack threads the command line accepts: each one holds a few blocks of memory.
inline constexpr unsigned meesteDraden = 64;

// The command, or the Dutch reason why the arguments are not one.
struct Ontleed {
    std::optional<Opdracht> opdracht;
    std::string fout;
};

Ontleed OntleedArgumenten(const std::vector<std::string>& argumenten);

}  // namespace zegelaar::console
