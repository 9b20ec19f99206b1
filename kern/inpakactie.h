// The pack page's rules, shared by both front ends: the target proposed for a chosen audit
// file, and the checks and question that come before the pack engine is called.
#pragma once

#include <string>

#include "actie.h"
#include "auditfilesoort.h"
#include "gebruikersdialoog.h"

namespace zegelaar {

// The kind shown for a chosen source (none for a short, unreadable or unknown one) and the
// proposed packed file, with the ".pbl" marking for the for-sending state.
struct Inpakvoorstel {
    const Auditfilesoort* soort = nullptr;
    std::string doel;
};

Inpakvoorstel StelInpakkenVoor(const std::string& bron, bool voorVerzending);

// "Inpakken": checks the source name, its existence and its kind, refuses a target that is
// the source, asks before an existing target is replaced (and deletes it on yes), then packs.
// An empty `gekozenDoel` is settled to the lower-case proposal first. `draden` goes to the
// engine: above 1 it packs on that many worker threads.
Actieuitkomst Inpakken(Gebruikersdialoog& dialoog, const std::string& gekozenBron,
                       std::string& gekozenDoel, bool voorVerzending, unsigned draden = 1);

}  // namespace zegelaar
