// Turns a fuzz input into a packed file or a set of diskette pieces on disk, behind a header
// that passes the unpacker's test, and works out independently with zlib what a correct
// unpack of those bytes gives. Shared by the targets that read packed files.
//
// Input layout: byte 0 holds the choices below (bit 0 pieces, bits 1 to 3 the lead-in and
// what happens to the last piece, bits 4 to 6 the kind, bit 7 an honest header), bytes 1 to
// 4 the header's bronGrootte (little-endian), and the rest is the compressed data after the
// header. With `metAanloop` the data starts with a fixed zlib header and stored blocks of a
// little over one block in all, so that the input continues a stream that already spans two
// pieces; without it the input is the whole stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "auditfilesoort.h"

namespace zegelaar::fuzz {

struct Keuzes {
    bool stukken = false;       // unpack the set by its first piece
    bool metAanloop = false;    // a stored-block lead-in of more than one block
    bool laatsteWeg = false;    // the last piece of a set of two or more is missing
    bool laatsteIsMap = false;  // the last piece of a set of two or more is a folder
    int soort = 0;              // index among the kinds that can be unpacked
    bool eerlijk = false;       // the header's checksum and counts match the stream
};

// What zlib makes of the bytes that the engine can reach.
struct Verwachting {
    bool streamKlaar = false;            // the stream ends within the reachable bytes
    std::vector<unsigned char> uitvoer;  // inflated up to the end or the first error
    std::uint64_t ingelezen = 0;         // stream bytes consumed up to there
    std::uint64_t bereikbaar = 0;        // stream bytes that a reader can reach
    bool onleesbaarStuk = false;         // a piece exists that cannot be opened
};

// The kind that `Keuzes::soort` names: one of the five that can be packed and unpacked.
const Auditfilesoort& VerwerkbareSoort(int index);

// The byte of the lead-in at position i; the seed generator knows the same rule.
constexpr unsigned char AanloopByte(std::uint64_t i) {
    return static_cast<unsigned char>((i * 31 + 7) & 0xFF);
}

class Pakket {
  public:
    // Sets up a fresh temporary folder for this process.
    Pakket();
    ~Pakket();
    Pakket(const Pakket&) = delete;
    Pakket& operator=(const Pakket&) = delete;

    // Writes the files for one input; false when the input is too short to mean anything.
    bool Schrijf(const std::uint8_t* data, std::size_t grootte);

    const Keuzes& keuzes() const { return keuzes_; }
    const std::string& bron() const { return bron_; }
    const std::string& doel() const { return doel_; }
    const Verwachting& verwachting() const { return verwachting_; }

    // The target as the engine left it; false when there is none.
    bool LeesDoel(std::vector<unsigned char>& inhoud) const;

  private:
    void Ruim();
    // What zlib makes of the stream bytes that the engine can reach.
    void Bereken(const unsigned char* stroom, std::size_t lengte);

    std::string map_;
    std::string bron_;
    std::string doel_;
    Keuzes keuzes_;
    Verwachting verwachting_;
    std::vector<std::string> gemaakt_;
    std::vector<unsigned char> alles_;
};

}  // namespace zegelaar::fuzz
