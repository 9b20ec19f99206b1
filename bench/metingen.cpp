// The measured operations. The plain loops use zlib as simply as a program can: two blocks,
// read, deflate or inflate, write whole blocks; the engines must come close to them.
#include "metingen.h"

#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "auditfilesoort.h"
#include "blok.h"
#include "inpakken.h"
#include "stilledialoog.h"
#include "uitpakken.h"

namespace zegelaar::bank {

namespace {

using Klok = std::chrono::steady_clock;

struct SluitBestand {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Bestand = std::unique_ptr<std::FILE, SluitBestand>;

std::string Pad(const std::string& map, const std::string& naam) {
    return map + "/" + naam;
}

std::uint64_t Grootte(const std::string& pad) {
    std::error_code fout;
    const auto n = std::filesystem::file_size(pad, fout);
    return fout ? 0 : n;
}

// Writes whatever the output buffer holds and puts the window back over it.
bool Leeg(std::FILE* doel, unsigned char* buffer, z_stream& s) {
    const std::size_t n = blokGrootte - s.avail_out;
    if (std::fwrite(buffer, 1, n, doel) != n) {
        return false;
    }
    s.next_out = buffer;
    s.avail_out = static_cast<uInt>(blokGrootte);
    return true;
}

bool ZlibInpakken(const std::string& bron, const std::string& doel, int niveau) {
    Bestand in(std::fopen(bron.c_str(), "rb"));
    Bestand uit(std::fopen(doel.c_str(), "wb"));
    auto invoer = std::make_unique<unsigned char[]>(blokGrootte);
    auto uitvoer = std::make_unique<unsigned char[]>(blokGrootte);
    z_stream s{};
    if (!in || !uit || deflateInit2(&s, niveau, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return false;
    }
    s.next_out = uitvoer.get();
    s.avail_out = static_cast<uInt>(blokGrootte);
    int r = Z_OK;
    bool einde = false;
    while (r != Z_STREAM_END) {
        if (s.avail_in == 0 && !einde) {
            s.avail_in = static_cast<uInt>(std::fread(invoer.get(), 1, blokGrootte, in.get()));
            s.next_in = invoer.get();
            einde = s.avail_in < blokGrootte;
        }
        r = deflate(&s, einde ? Z_FINISH : Z_NO_FLUSH);
        if ((s.avail_out == 0 || r == Z_STREAM_END) && !Leeg(uit.get(), uitvoer.get(), s)) {
            r = Z_ERRNO;
        }
        if (r != Z_OK && r != Z_STREAM_END) {
            break;
        }
    }
    deflateEnd(&s);
    return r == Z_STREAM_END;
}

bool ZlibUitpakken(const std::string& bron, const std::string& doel) {
    Bestand in(std::fopen(bron.c_str(), "rb"));
    Bestand uit(std::fopen(doel.c_str(), "wb"));
    auto invoer = std::make_unique<unsigned char[]>(blokGrootte);
    auto uitvoer = std::make_unique<unsigned char[]>(blokGrootte);
    z_stream s{};
    if (!in || !uit || inflateInit(&s) != Z_OK) {
        return false;
    }
    s.next_out = uitvoer.get();
    s.avail_out = static_cast<uInt>(blokGrootte);
    int r = Z_OK;
    while (r == Z_OK) {
        if (s.avail_in == 0) {
            s.avail_in = static_cast<uInt>(std::fread(invoer.get(), 1, blokGrootte, in.get()));
            s.next_in = invoer.get();
        }
        r = inflate(&s, Z_NO_FLUSH);
        if ((s.avail_out == 0 || r == Z_STREAM_END) && !Leeg(uit.get(), uitvoer.get(), s)) {
            r = Z_ERRNO;
        }
    }
    inflateEnd(&s);
    return r == Z_STREAM_END;
}

}  // namespace

long PiekgeheugenKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) {
        return 0;
    }
    char regel[256];
    long kib = 0;
    while (std::fgets(regel, sizeof regel, status)) {
        if (std::sscanf(regel, "VmHWM: %ld kB", &kib) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kib;
}

Meetuitkomst Meet(const std::string& soort, const std::string& map, int niveau, unsigned draden) {
    const std::string bron = Pad(map, "bron.xaf");
    const std::string kern =
        Pad(map, "kern-" + std::to_string(niveau) + "-j" + std::to_string(draden) + ".xfc");
    const std::string zlib = Pad(map, "zlib-" + std::to_string(niveau) + ".zz");
    std::string doel;
    // Every target starts from nothing, so that no run pays for truncating an earlier one.
    const auto begin = [&](const std::string& pad) {
        doel = pad;
        std::remove(pad.c_str());
        return Klok::now();
    };

    Meetuitkomst uitkomst;
    test::StilleDialoog dialoog(false);
    Klok::time_point start;
    if (soort == "kern-inpakken") {
        start = begin(kern);
        uitkomst.gelukt = InpakkenBestand(dialoog, bron, kern, niveau == 9, XmlFinancieel.kenmerk,
                                          XmlFinancieel.stukPatroon, draden) == inpakGelukt;
    } else if (soort == "kern-uitpakken") {
        start = begin(Pad(map, "kern-terug.xaf"));
        uitkomst.gelukt =
            UitpakkenBestand(dialoog, kern, doel, XmlFinancieel.kenmerk, "") == uitpakGelukt;
    } else if (soort == "zlib-inpakken") {
        start = begin(zlib);
        uitkomst.gelukt = ZlibInpakken(bron, zlib, niveau);
    } else if (soort == "zlib-uitpakken") {
        start = begin(Pad(map, "zlib-terug.xaf"));
        uitkomst.gelukt = ZlibUitpakken(zlib, doel);
    } else if (soort == "leeg") {
        start = Klok::now();
        uitkomst.gelukt = true;
    } else {
        return uitkomst;
    }
    uitkomst.seconden = std::chrono::duration<double>(Klok::now() - start).count();
    uitkomst.gelukt = uitkomst.gelukt && dialoog.meldingen == 0;
    uitkomst.uitvoer = doel.empty() ? 0 : Grootte(doel);
    return uitkomst;
}

}  // namespace zegelaar::bank
