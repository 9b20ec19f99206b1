// Writes a made-up XML financial audit file of a given size, for benchmarks and samples:
//   maakauditfile DOEL GROOTTE [ZAAD]     (GROOTTE in bytes, or with k, M or G)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "auditfilegenerator.h"

namespace {

// "200M" and the like; 0 for anything that is not a size.
std::uint64_t LeesGrootte(const std::string& tekst) {
    char* eind = nullptr;
    const unsigned long long n = std::strtoull(tekst.c_str(), &eind, 10);
    const std::string rest(eind);
    if (rest.empty()) {
        return n;
    }
    if (rest == "k" || rest == "K") {
        return n << 10;
    }
    if (rest == "M") {
        return n << 20;
    }
    if (rest == "G") {
        return n << 30;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "gebruik: %s DOEL GROOTTE [ZAAD]\n", argv[0]);
        return 2;
    }
    const std::uint64_t grootte = LeesGrootte(argv[2]);
    const std::uint64_t zaad = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (grootte == 0) {
        std::fprintf(stderr, "ongeldige grootte: %s\n", argv[2]);
        return 2;
    }
    std::FILE* uit = std::fopen(argv[1], "wb");
    if (!uit) {
        std::perror(argv[1]);
        return 1;
    }
    const std::uint64_t geschreven = zegelaar::gereedschap::SchrijfAuditfile(uit, grootte, zaad);
    if (std::fclose(uit) != 0 || geschreven == 0) {
        std::fprintf(stderr, "schrijven mislukt: %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %llu bytes\n", argv[1], static_cast<unsigned long long>(geschreven));
    return 0;
}
