// The bytes of a packed file as the unpacker reads them: block by block from one file, or
// from a first diskette piece and the numbered pieces after it in turn.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform.h"

namespace zegelaar {

class Ingepaktinvoer {
  public:
    // Reads from the open `eerste`; with a piece pattern, the pieces after `bron` follow.
    Ingepaktinvoer(const std::string& bron, std::string_view stukPatroon, Bestand eerste,
                   unsigned char* buffer)
        : bron_(bron), stukPatroon_(stukPatroon), bestand_(std::move(eerste)), buffer_(buffer) {}

    // Reads the next block of the file in hand into the buffer and puts the input window over
    // it; a short read ends the input.
    void LeesBlok(z_stream& s);

    // Fills the empty input window from the file in hand or, with pieces, from the next piece;
    // no next piece ends the input. Returns the path of a piece that exists but can't be
    // opened, or an empty string.
    std::string VulAan(z_stream& s);

    bool Einde() const { return einde_; }
    // Files opened so far: the source and the pieces after it.
    std::uint32_t Stukken() const { return geopend_; }
    void Sluit() { bestand_.reset(); }

  private:
    const std::string& bron_;
    std::string_view stukPatroon_;
    Bestand bestand_;
    unsigned char* buffer_;
    bool einde_ = false;
    std::uint32_t volgendStuk_ = 1;
    std::uint32_t geopend_ = 1;
};

}  // namespace zegelaar
