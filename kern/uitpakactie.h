// The unpack page's rules, shared by both front ends: the audit file proposed for a chosen
// packed file or first piece, and the checks that come before the unpack engine is called.
#pragma once

#include <string>

#include "actie.h"
#include "auditfilesoort.h"
#include "gebruikersdialoog.h"

namespace zegelaar {

// The kind shown for a chosen packed file (any of the six, stock included; none for a short,
// unreadable or unknown one) and the proposed audit file.
struct Uitpakvoorstel {
    const Auditfilesoort* soort = nullptr;
    std::string doel;
};

Uitpakvoorstel StelUitpakkenVoor(const std::string& bron);

// "Uitpakken": checks the source name, its existence and its kind, refuses a target that is
// the source or one of its pieces, then unpacks (the engine asks before replacing). A first
// piece unpacks the whole set. An empty `gekozenDoel` is settled to the proposal first.
Actieuitkomst Uitpakken(Gebruikersdialoog& dialoog, const std::string& gekozenBron,
                        std::string& gekozenDoel);

}  // namespace zegelaar
