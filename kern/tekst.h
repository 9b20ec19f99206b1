// The Dutch messages that more than one engine or action shows, and filling the one %s of a
// message with a path of any length.
#pragma once

#include <string>
#include <string_view>

namespace zegelaar {

inline constexpr const char* meldingBronNietOpen =
    "Bronbestand kan niet geopend worden om te lezen.";
inline constexpr const char* meldingGeenBuffers = "Onvoldoende geheugen voor tijdelijke buffers";
inline constexpr const char* meldingSchrijfFout = "Fout bij schrijven";
inline constexpr const char* vraagVervangen =
    "Het bestand\n%s\nbestaat al.\n\nMoet dit vervangen worden?";
inline constexpr const char* meldingAfgebroken = "Verwerking afgebroken";

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
