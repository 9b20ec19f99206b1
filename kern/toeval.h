// The random numbers of the header and the filler bytes: the same linear congruential
// sequence, 0 to 32767, on every platform, so packed files look alike wherever they are made.
#pragma once

#include <cstdint>

namespace zegelaar {

class Toeval {
  public:
    explicit Toeval(std::uint32_t zaad) : toestand_(zaad) {}

    // The next number, 0 to 32767.
    std::uint32_t Volgende() {
        toestand_ = toestand_ * 214013u + 2531011u;
        return (toestand_ >> 16) & 0x7FFFu;
    }

  private:
    std::uint32_t toestand_;
};

}  // namespace zegelaar
