// A zlib stream that is ended on every way out of the engine that set it up.
#pragma once

#include <zlib.h>

namespace zegelaar {

template <int (*Beeindig)(z_streamp)>
struct Zlibstroom {
    z_stream s{};
    bool actief = false;  // set once deflateInit or inflateInit succeeded

    Zlibstroom() = default;
    Zlibstroom(const Zlibstroom&) = delete;
    Zlibstroom& operator=(const Zlibstroom&) = delete;
    ~Zlibstroom() { Einde(); }

    void Einde() {
        if (actief) {
            Beeindig(&s);
            actief = false;
        }
    }
};

using Deflatestroom = Zlibstroom<deflateEnd>;
using Inflatestroom = Zlibstroom<inflateEnd>;

}  // namespace zegelaar
