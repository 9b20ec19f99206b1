// Naming rules for audit files, packed files and diskette pieces.
#include "bestandsnaam.h"

#include "platform.h"

namespace zegelaar {

namespace {

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

Paddelen SplitsPad(const std::string& pad) {
    Paddelen delen;
    std::size_t begin = 0;
    if (pad.size() >= 2 && pad[1] == ':') {
        delen.drive = pad.substr(0, 2);
        begin = 2;
    }
    std::size_t naSlash = begin;
    std::size_t laatstePunt = std::string::npos;
    for (std::size_t i = begin; i < pad.size(); ++i) {
        if (IsDubbelbyteVoorloper(pad[i]) && i + 1 < pad.size()) {
            ++i;  // the trailing byte is never a slash or a dot
            continue;
        }
        if (IsSlash(pad[i])) {
            naSlash = i + 1;
        } else if (pad[i] == '.') {
            laatstePunt = i;
        }
    }
    delen.map = pad.substr(begin, naSlash - begin);
    if (laatstePunt != std::string::npos && laatstePunt >= naSlash) {
        delen.naam = pad.substr(naSlash, laatstePunt - naSlash);
        delen.extensie = pad.substr(laatstePunt);
    } else {
        delen.naam = pad.substr(naSlash);
    }
    return delen;
}

std::string MaakPad(const std::string& drive, const std::string& map, const std::string& naam,
                    const std::string& extensie) {
    std::string pad;
    if (!drive.empty()) {
        pad += drive[0];
        pad += ':';
    }
    if (!map.empty()) {
        pad += map;
        if (!IsSlash(map.back())) {
            pad += '\\';
        }
    }
    pad += naam;
    if (!extensie.empty()) {
        if (extensie[0] != '.') {
            pad += '.';
        }
        pad += extensie;
    }
    return pad;
}

std::string VervangExtensie(const std::string& pad, const std::string& extensie) {
    const Paddelen delen = SplitsPad(pad);
    return MaakPad(delen.drive, delen.map, delen.naam, extensie);
}

std::string KleineLetters(std::string tekst) {
    for (char& c : tekst) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return tekst;
}

const Auditfilesoort* ZoekSoortVanBron(const std::string& pad) {
    const std::string extensie = KleineLetters(SplitsPad(pad).extensie);
    for (const Auditfilesoort* soort : Auditfilesoorten) {
        if (IsVerwerkbaar(*soort) && extensie == soort->bronExtensie) {
            return soort;
        }
    }
    return nullptr;
}

IngepaktGevonden ZoekSoortVanIngepakt(const std::string& pad) {
    const std::string extensie = KleineLetters(SplitsPad(pad).extensie);
    for (const Auditfilesoort* soort : Auditfilesoorten) {
        if (extensie == soort->ingepakteExtensie) {
            return {soort, false};
        }
        if (extensie == soort->eersteStukExtensie) {
            return {soort, true};
        }
    }
    return {};
}

std::string PblRegel(const std::string& pad, bool voorVerzending) {
    if (pad.empty()) {
        return pad;
    }
    static constexpr std::string_view merk = ".pbl.";
    std::string huidig = pad;
    for (;;) {
        std::string volgend;
        bool gevonden = false;
        std::size_t i = 0;
        while (i < huidig.size()) {
            if (huidig.compare(i, merk.size(), merk) == 0) {
                volgend += '.';
                i += merk.size();
                gevonden = true;
            } else {
                volgend += huidig[i++];
            }
        }
        huidig = std::move(volgend);
        if (!gevonden) {
            break;
        }
    }
    if (voorVerzending) {
        return huidig;
    }
    const Paddelen delen = SplitsPad(huidig);
    return MaakPad(delen.drive, delen.map, delen.naam + ".pbl", delen.extensie);
}

std::string DiskettestukNaam(const std::string& pad, std::string_view stukPatroon,
                             std::uint32_t n) {
    // The pattern holds exactly one %d; format it by hand so no buffer limits the result.
    std::string extensie;
    const std::size_t plek = stukPatroon.find("%d");
    if (plek == std::string_view::npos) {
        extensie = stukPatroon;
    } else {
        extensie = std::string(stukPatroon.substr(0, plek)) + std::to_string(n) +
                   std::string(stukPatroon.substr(plek + 2));
    }
    const Paddelen delen = SplitsPad(pad);
    return MaakPad(delen.drive, delen.map, delen.naam, extensie);
}

}  // namespace zegelaar
