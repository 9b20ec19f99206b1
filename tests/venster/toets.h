// A small assertion helper for the Windows tests: named cases run in order, every failed check
// prints its file, line and the values it compared, and the run ends with "N passed, N failed".
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace toets {

struct Geval {
    const char* naam;
    std::function<void()> uitvoeren;
};

// Records a failure of the running case.
void Mislukt(const char* bestand, int regel, const std::string& wat);

// Runs the cases (or only those whose name contains the first argument) and returns the
// process's exit status: 0 only when every case passed.
int VoerUit(const std::vector<Geval>& gevallen, int argc, char** argv);

template <class T>
std::string Toon(const T& waarde) {
    std::ostringstream uit;
    uit << waarde;
    return uit.str();
}

inline std::string Toon(const std::string& waarde) {
    std::string uit(1, '"');
    uit.append(waarde).push_back('"');
    return uit;
}
inline std::string Toon(const char* waarde) {
    return Toon(std::string(waarde));
}
inline std::string Toon(bool waarde) {
    return waarde ? "true" : "false";
}
inline std::string Toon(const std::vector<std::string>& waarden) {
    std::string uit = "{";
    for (const std::string& waarde : waarden) {
        uit += (uit.size() > 1 ? ", " : "") + Toon(waarde);
    }
    return uit + "}";
}

}  // namespace toets

#define CHECK(voorwaarde)                                                 \
    do {                                                                  \
        if (!(voorwaarde)) {                                              \
            toets::Mislukt(__FILE__, __LINE__, "CHECK(" #voorwaarde ")"); \
        }                                                                 \
    } while (0)

#define CHECK_EQ(verwacht, gekregen)                                                     \
    do {                                                                                 \
        const auto& verwacht_ = (verwacht);                                              \
        const auto& gekregen_ = (gekregen);                                              \
        if (!(verwacht_ == gekregen_)) {                                                 \
            toets::Mislukt(__FILE__, __LINE__,                                           \
                           #gekregen ": expected " + toets::Toon(verwacht_) + ", got " + \
                               toets::Toon(gekregen_));                                  \
        }                                                                                \
    } while (0)

// Stops the running case when a check fails that later steps depend on.
#define REQUIRE(voorwaarde)                                                 \
    do {                                                                    \
        if (!(voorwaarde)) {                                                \
            toets::Mislukt(__FILE__, __LINE__, "REQUIRE(" #voorwaarde ")"); \
            return;                                                         \
        }                                                                   \
    } while (0)
