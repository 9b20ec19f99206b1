// A small file system that fills up: a tmpfs of a chosen size, mounted for one test and
// removed with it. Mounting needs root; without that right the test is skipped, saying why.
#pragma once

#include <cstddef>
#include <string>

namespace zegelaar::test {

class KleineSchijf {
  public:
    // Mounts a tmpfs of `grootte` bytes (rounded up to whole pages) on a fresh folder.
    explicit KleineSchijf(std::size_t grootte);
    ~KleineSchijf();
    KleineSchijf(const KleineSchijf&) = delete;
    KleineSchijf& operator=(const KleineSchijf&) = delete;

    // Empty when the mount failed; `Reden` says why.
    const std::string& Pad() const { return pad_; }
    const std::string& Reden() const { return reden_; }
    std::string operator/(const std::string& naam) const { return pad_ + "/" + naam; }

  private:
    std::string map_;
    std::string pad_;
    std::string reden_;
};

// Rounds a size up to whole pages of the file system's memory.
std::size_t HeleBladzijden(std::size_t grootte);

}  // namespace zegelaar::test

// Skips the current test when the small disk could not be mounted.
#define ZEGELAAR_VEREIS_SCHIJF(schijf)                                        \
    if ((schijf).Pad().empty()) {                                             \
        GTEST_SKIP() << "geen tmpfs te mounten (" << (schijf).Reden()         \
                     << "); deze fout kan alleen als root worden nagebootst"; \
    }
