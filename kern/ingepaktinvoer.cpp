// Reading a packed file or a set of pieces. Every piece but the last is exactly one block, so
// a short read ends the input and a full one is followed by a look for the next piece.
#include "ingepaktinvoer.h"

#include "bestandsnaam.h"
#include "blok.h"

namespace zegelaar {

void Ingepaktinvoer::LeesBlok(z_stream& s) {
    const std::size_t n = std::fread(buffer_, 1, blokGrootte, bestand_.get());
    s.next_in = buffer_;
    s.avail_in = static_cast<uInt>(n);
    einde_ = n < blokGrootte;
}

std::string Ingepaktinvoer::VulAan(z_stream& s) {
    if (stukPatroon_.empty()) {
        LeesBlok(s);
        return {};
    }
    bestand_.reset();
    const std::string stuk = DiskettestukNaam(bron_, stukPatroon_, volgendStuk_++);
    // Existence, not readability, decides whether a piece is there: an unreadable piece must
    // be reported, not taken for the end of the set.
    if (!PadBestaat(stuk)) {
        einde_ = true;
        return {};
    }
    bestand_ = OpenOmTeLezen(stuk);
    if (!bestand_) {
        return stuk;
    }
    ++geopend_;
    LeesBlok(s);
    return {};
}

}  // namespace zegelaar
