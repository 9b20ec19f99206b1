// Numbers as Dutch readers write them: a decimal comma.
#pragma once

#include <cstdio>
#include <string>

namespace zegelaar::console {

inline std::string Decimaal(double waarde, int cijfers = 1) {
    char tekst[48];
    std::snprintf(tekst, sizeof tekst, "%.*f", cijfers, waarde);
    std::string uit = tekst;
    for (char& c : uit) {
        if (c == '.') {
            c = ',';
        }
    }
    return uit;
}

}  // namespace zegelaar::console
