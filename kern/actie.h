// What a pack or unpack action came to, for the front ends that need more than the engine's
// result (the console program turns it into its exit status).
#pragma once

#include <cstddef>
#include <string>

#include "gebruikersdialoog.h"

namespace zegelaar {

enum class Afloop {
    uitgevoerd,     // the engine ran; `resultaat` is its result
    geweigerd,      // one of the page's own checks stopped the action and said why
    nietVervangen,  // the target exists and the user did not agree to replace it
};

struct Actieuitkomst {
    Afloop afloop = Afloop::uitgevoerd;
    int resultaat = 0;
};

// Shows why a page check stopped the action.
inline Actieuitkomst Geweigerd(Gebruikersdialoog& dialoog, const std::string& melding) {
    dialoog.ToonMelding(melding);
    return {Afloop::geweigerd, 0};
}

inline constexpr const char* meldingGeenNaam = "Er is geen (geldige) bestandsnaam opgegeven!";
inline constexpr const char* meldingBestaatNiet = "Het opgegeven bestand bestaat niet!";

// The shortest path that the pages take for a file name.
inline constexpr std::size_t minimaleNaamlengte = 5;

}  // namespace zegelaar
