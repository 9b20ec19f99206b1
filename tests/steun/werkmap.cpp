// Test files and data.
#include "werkmap.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zegelaar::test {

Werkmap::Werkmap() {
    std::string sjabloon =
        (std::filesystem::temp_directory_path() / "zegelaar-test-XXXXXX").string();
    if (mkdtemp(sjabloon.data()) == nullptr) {
        std::abort();
    }
    pad_ = sjabloon;
}

Werkmap::~Werkmap() {
    std::error_code fout;
    std::filesystem::remove_all(pad_, fout);
}

void Schrijf(const std::string& pad, const Bytes& inhoud) {
    std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
    uit.write(reinterpret_cast<const char*>(inhoud.data()),
              static_cast<std::streamsize>(inhoud.size()));
}

Bytes Lees(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Bestaat(const std::string& pad) {
    std::error_code fout;
    return std::filesystem::exists(pad, fout);
}

namespace {

std::uint32_t Volgende(std::uint32_t& x) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return x;
}

}  // namespace

Bytes Tekstgegevens(std::size_t grootte, std::uint32_t zaad) {
    static const char* woorden[] = {"<Journal>", "<Line>",     "</Line>",     "<Amount>",
                                    "</Amount>", "1234.56",    "2008-01-31",  "Kas",
                                    "Bank",      "Debiteuren", "Omzet",       "BTW",
                                    "\n",        "  ",         "Crediteuren", "Memoriaal"};
    Bytes data;
    data.reserve(grootte);
    std::uint32_t x = zaad * 2654435761u + 1;
    while (data.size() < grootte) {
        const char* woord = woorden[Volgende(x) % 16];
        for (const char* p = woord; *p && data.size() < grootte; ++p) {
            data.push_back(static_cast<unsigned char>(*p));
        }
        if (Volgende(x) % 4 == 0 && data.size() < grootte) {
            data.push_back(static_cast<unsigned char>('0' + Volgende(x) % 10));
        }
    }
    return data;
}

Bytes Ruis(std::size_t grootte, std::uint32_t zaad) {
    Bytes data(grootte);
    std::uint32_t x = zaad * 2654435761u + 7;
    for (unsigned char& b : data) {
        b = static_cast<unsigned char>(Volgende(x) >> 7);
    }
    return data;
}

bool Inflate(const unsigned char* data, std::size_t grootte, Bytes& uit) {
    z_stream s{};
    if (inflateInit(&s) != Z_OK) {
        return false;
    }
    s.next_in = const_cast<unsigned char*>(data);
    s.avail_in = static_cast<uInt>(grootte);
    unsigned char stuk[65536];
    int r;
    do {
        s.next_out = stuk;
        s.avail_out = sizeof stuk;
        r = inflate(&s, Z_NO_FLUSH);
        uit.insert(uit.end(), stuk, stuk + (sizeof stuk - s.avail_out));
    } while (r == Z_OK);
    inflateEnd(&s);
    return r == Z_STREAM_END;
}

}  // namespace zegelaar::test
