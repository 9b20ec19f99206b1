// A property that a fuzz target demands: when it fails, the target stops so that libFuzzer
// keeps the input that broke it.
#pragma once

#include <cstdlib>

namespace zegelaar::fuzz {

inline void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

}  // namespace zegelaar::fuzz
