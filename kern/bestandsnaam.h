// Naming rules for audit files, packed files and diskette pieces. Pure string work: nothing
// here touches the file system, and paths of any length are handled without fixed buffers.
#pragma once

#include <cstdint>
#include <string>

#include "auditfilesoort.h"

namespace zegelaar {

// A path taken apart; joining the four parts with MaakPad gives an equivalent path.
struct Paddelen {
    std::string drive;
    std::string map;
    std::string naam;
    std::string extensie;
};

// Drive ("C:"), directory up to its last slash, name, and extension from the last dot that
// lies after the directory. No part is cut short: a shortened directory would name another
// folder.
Paddelen SplitsPad(const std::string& pad);

// Joins the parts, adding the colon, the directory's backslash and the extension's dot
// where they are missing.
std::string MaakPad(const std::string& drive, const std::string& map, const std::string& naam,
                    const std::string& extensie);

// The path with its extension replaced; an empty extension removes it.
std::string VervangExtensie(const std::string& pad, const std::string& extensie);

// The packable kind whose source extension the path has, case-insensitively; never stock.
const Auditfilesoort* ZoekSoortVanBron(const std::string& pad);

// A kind found by a packed file's extension, and whether it was the first-piece extension.
struct IngepaktGevonden {
    const Auditfilesoort* soort = nullptr;
    bool eersteStuk = false;
};

// The kind (any of the six) whose packed or first-piece extension the path has.
IngepaktGevonden ZoekSoortVanIngepakt(const std::string& pad);

// Removes every ".pbl." from the path and, unless the file is packed for sending, puts
// ".pbl" before its extension.
std::string PblRegel(const std::string& pad, bool voorVerzending);

// Path of diskette piece n of a packed file (or of its first piece).
std::string DiskettestukNaam(const std::string& pad, std::string_view stukPatroon, std::uint32_t n);

// ASCII capitals to small letters; no other byte changes.
std::string KleineLetters(std::string tekst);

}  // namespace zegelaar
