// Refusing a target that is the source itself: packing or unpacking into it would destroy
// the file being read, whichever spelling of its path the user gave.
#pragma once

#include <string>
#include <string_view>

namespace zegelaar {

inline constexpr const char* meldingDoelIsBron =
    "Het doelbestand\n%s\nis hetzelfde bestand als het bronbestand.\n\n"
    "Kies een andere naam voor het doelbestand.";

// True when the target names the source, or, when a piece pattern is given, one of the
// source's further pieces that exist.
bool DoelIsBron(const std::string& bron, const std::string& doel, std::string_view stukPatroon);

}  // namespace zegelaar
