// Refusing a target that is the source itself.
#include "zelfdebestand.h"

#include "bestandsnaam.h"
#include "platform.h"

namespace zegelaar {

bool DoelIsBron(const std::string& bron, const std::string& doel, std::string_view stukPatroon) {
    if (ZelfdeBestand(bron, doel)) {
        return true;
    }
    if (stukPatroon.empty()) {
        return false;
    }
    for (std::uint32_t n = 1;; ++n) {
        const std::string stuk = DiskettestukNaam(bron, stukPatroon, n);
        if (!BestandBestaat(stuk)) {
            return false;
        }
        if (ZelfdeBestand(stuk, doel)) {
            return true;
        }
    }
}

}  // namespace zegelaar
