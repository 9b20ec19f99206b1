// The 76-byte header at the start of every packed file: its fields, its little-endian byte
// layout and the test by which the unpacker accepts or refuses a file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zegelaar {

inline constexpr std::size_t kopGrootte = 76;
inline constexpr std::uint8_t kopVersie = 2;
inline constexpr std::uint32_t verzendBit = 8;  // bit 3 of toevalsWoord
inline constexpr std::int32_t vulbytesVoorVerzending = 5;

// One header. Reserved fields are not kept: they are always written as 0.
struct InpakKop {
    std::array<char, 12> kenmerk{};
    std::uint8_t voorVerzending = 0;
    std::uint8_t versie = 0;
    std::int32_t inpakTijd = 0;
    std::int32_t bronGrootte = 0;  // low 32 bits for sources of 4 GiB and more
    std::int32_t bronAanmaakTijd = 0;
    std::int32_t bronToegangsTijd = 0;
    std::int32_t aantalVulbytes = 0;
    std::uint32_t adler32 = 0;
    std::uint32_t totaalIn = 0;
    std::uint32_t totaalUit = 0;
    std::uint32_t toevalsWoord = 0;
};

using Kopbytes = std::array<unsigned char, kopGrootte>;

// The header as the 76 bytes of a packed file, integers little-endian, reserved bytes 0.
Kopbytes CodeerKop(const InpakKop& kop);

// The header read back from the first 76 bytes of a packed file.
InpakKop DecodeerKop(const unsigned char* bytes);

// Whether the unpacker may go on with a file that begins with these bytes (at most one
// block), for the kind whose magic is given: enough bytes, the first six magic characters,
// not marked for sending twice over, version 2.
bool ControleerKop(const unsigned char* bytes, std::size_t aantal, std::string_view kenmerk);

}  // namespace zegelaar
