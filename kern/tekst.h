// Filling the one %s of a Dutch message with a path, for paths of any length.
#pragma once

#include <string>
#include <string_view>

namespace zegelaar {

inline std::string VulIn(std::string_view sjabloon, const std::string& waarde) {
    const std::size_t plek = sjabloon.find("%s");
    if (plek == std::string_view::npos) {
        return std::string(sjabloon);
    }
    std::string tekst(sjabloon.substr(0, plek));
    tekst += waarde;
    tekst += sjabloon.substr(plek + 2);
    return tekst;
}

}  // namespace zegelaar
