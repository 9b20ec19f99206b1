// Test files: a fresh temporary folder per test, and deterministic data to fill files with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zegelaar::test {

using Bytes = std::vector<unsigned char>;

// A temporary folder, removed with everything in it when the test ends.
class Werkmap {
  public:
    Werkmap();
    ~Werkmap();
    Werkmap(const Werkmap&) = delete;
    Werkmap& operator=(const Werkmap&) = delete;

    const std::string& Pad() const { return pad_; }
    // Path of a name inside the folder.
    std::string operator/(const std::string& naam) const { return pad_ + "/" + naam; }

  private:
    std::string pad_;
};

// Writes bytes to a file, replacing it.
void Schrijf(const std::string& pad, const Bytes& inhoud);
// The whole file; empty when it can't be read.
Bytes Lees(const std::string& pad);
bool Bestaat(const std::string& pad);

// Text-like bytes that compress about as well as an audit file, the same for the same seed.
Bytes Tekstgegevens(std::size_t grootte, std::uint32_t zaad = 1);
// Bytes that do not compress, the same for the same seed.
Bytes Ruis(std::size_t grootte, std::uint32_t zaad = 1);

// zlib's own inflate of a zlib stream; false when the stream is not whole and valid.
bool Inflate(const unsigned char* data, std::size_t grootte, Bytes& uit);

}  // namespace zegelaar::test
