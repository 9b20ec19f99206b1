// Building the packed files of one fuzz input and the independent zlib reading of them.
#include "pakket.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "auditfilesoort.h"
#include "bestandsnaam.h"
#include "blok.h"
#include "inpakkop.h"

namespace zegelaar::fuzz {

namespace {

namespace fs = std::filesystem;

// A zlib header and non-final stored blocks holding a little more than one block of data.
const std::vector<unsigned char>& Aanloop() {
    static const std::vector<unsigned char> aanloop = [] {
        std::vector<unsigned char> b{0x78, 0x01};
        std::uint64_t i = 0;
        while (i < blokGrootte) {
            const std::uint64_t rest = blokGrootte - i;
            const auto lengte = static_cast<std::uint16_t>(rest < 65535 ? rest : 65535);
            b.push_back(0x00);
            b.push_back(static_cast<unsigned char>(lengte));
            b.push_back(static_cast<unsigned char>(lengte >> 8));
            b.push_back(static_cast<unsigned char>(~lengte));
            b.push_back(static_cast<unsigned char>(~lengte >> 8));
            for (std::uint16_t k = 0; k < lengte; ++k) {
                b.push_back(AanloopByte(i++));
            }
        }
        return b;
    }();
    return aanloop;
}

void SchrijfBestand(const std::string& pad, const unsigned char* data, std::size_t n) {
    std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
    uit.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(n));
    if (!uit) {
        std::abort();  // the harness itself failed; no finding about the engine
    }
}

}  // namespace

const Auditfilesoort& VerwerkbareSoort(int index) {
    static constexpr const Auditfilesoort* verwerkbaar[] = {
        &KlassiekFinancieel, &XmlFinancieel, &Salaris, &Afrekensystemen, &Woningcorporaties};
    return *verwerkbaar[index % 5];
}

Pakket::Pakket() {
    std::string sjabloon = (fs::temp_directory_path() / "zegelaar-fuzz-XXXXXX").string();
    if (!mkdtemp(sjabloon.data())) {
        std::abort();
    }
    map_ = sjabloon;
    doel_ = (fs::path(map_) / "uit.xaf").string();
}

Pakket::~Pakket() {
    std::error_code fout;
    fs::remove_all(map_, fout);
}

void Pakket::Ruim() {
    std::error_code fout;
    for (const std::string& pad : gemaakt_) {
        fs::remove_all(pad, fout);
    }
    gemaakt_.clear();
    fs::remove(doel_, fout);
}

bool Pakket::Schrijf(const std::uint8_t* data, std::size_t grootte) {
    Ruim();
    if (grootte < 5) {
        return false;
    }
    // Bits 1 to 3 pick the lead-in in three of their eight values only: every input with it
    // moves more than a block through the engine, a hundred times the work of the others.
    const int aanloop = (data[0] >> 1) & 7;
    keuzes_.stukken = (data[0] & 1) != 0;
    keuzes_.metAanloop = aanloop >= 5;
    keuzes_.laatsteWeg = aanloop == 6;
    keuzes_.laatsteIsMap = aanloop == 7;
    keuzes_.soort = (data[0] >> 4) & 7;
    keuzes_.eerlijk = (data[0] & 0x80) != 0;
    const Auditfilesoort& soort = VerwerkbareSoort(keuzes_.soort);

    InpakKop kop;
    std::copy(soort.kenmerk.begin(), soort.kenmerk.end(), kop.kenmerk.begin());
    kop.versie = kopVersie;
    kop.bronGrootte = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(data[1]) | static_cast<std::uint32_t>(data[2]) << 8 |
        static_cast<std::uint32_t>(data[3]) << 16 | static_cast<std::uint32_t>(data[4]) << 24);

    // Buffers of more than a block are kept from one input to the next: fresh ones would
    // cost more page faults than the engine's own work.
    std::vector<unsigned char>& alles = alles_;
    alles.assign(kopGrootte, 0);
    if (keuzes_.metAanloop) {
        alles.insert(alles.end(), Aanloop().begin(), Aanloop().end());
    }
    alles.insert(alles.end(), data + 5, data + grootte);

    // A missing or unreadable last piece hides its bytes from every reader.
    const std::size_t aantal = keuzes_.stukken ? (alles.size() + blokGrootte - 1) / blokGrootte : 1;
    const bool laatsteAnders = aantal > 1 && (keuzes_.laatsteWeg || keuzes_.laatsteIsMap);
    const std::size_t bereikbaar = laatsteAnders ? (aantal - 1) * blokGrootte : alles.size();
    Bereken(alles.data() + kopGrootte, bereikbaar - kopGrootte);
    verwachting_.onleesbaarStuk = laatsteAnders && !keuzes_.laatsteWeg;
    if (keuzes_.eerlijk) {
        kop.adler32 = static_cast<std::uint32_t>(adler32_z(
            adler32(0, nullptr, 0), verwachting_.uitvoer.data(), verwachting_.uitvoer.size()));
        kop.totaalIn = static_cast<std::uint32_t>(verwachting_.uitvoer.size());
        kop.totaalUit = static_cast<std::uint32_t>(verwachting_.ingelezen);
    }
    const Kopbytes kopbytes = CodeerKop(kop);
    std::copy(kopbytes.begin(), kopbytes.end(), alles.begin());

    const std::string basis = (fs::path(map_) / "pak.pbl").string();
    if (!keuzes_.stukken) {
        bron_ = basis + std::string(soort.ingepakteExtensie);
        SchrijfBestand(bron_, alles.data(), alles.size());
        gemaakt_.push_back(bron_);
        return true;
    }
    bron_ = basis + std::string(soort.eersteStukExtensie);
    for (std::size_t n = 0; n < aantal; ++n) {
        const std::string stuk =
            DiskettestukNaam(bron_, soort.stukPatroon, static_cast<std::uint32_t>(n));
        gemaakt_.push_back(stuk);
        const std::size_t begin = n * blokGrootte;
        if (begin >= bereikbaar) {
            if (verwachting_.onleesbaarStuk) {
                fs::create_directory(stuk);
            }
            break;
        }
        SchrijfBestand(stuk, alles.data() + begin, std::min(blokGrootte, alles.size() - begin));
    }
    return true;
}

void Pakket::Bereken(const unsigned char* stroom, std::size_t lengte) {
    Verwachting& v = verwachting_;
    v.uitvoer.clear();
    z_stream s{};
    if (inflateInit(&s) != Z_OK) {
        std::abort();
    }
    s.next_in = const_cast<unsigned char*>(stroom);
    s.avail_in = static_cast<uInt>(lengte);
    int r;
    do {
        const std::size_t klaar = v.uitvoer.size();
        v.uitvoer.resize(klaar + (1 << 16));
        s.next_out = v.uitvoer.data() + klaar;
        s.avail_out = 1 << 16;
        r = inflate(&s, Z_NO_FLUSH);
        v.uitvoer.resize(v.uitvoer.size() - s.avail_out);
    } while (r == Z_OK);
    v.streamKlaar = r == Z_STREAM_END;
    v.ingelezen = s.total_in;
    v.bereikbaar = lengte;
    inflateEnd(&s);
}

bool Pakket::LeesDoel(std::vector<unsigned char>& inhoud) const {
    std::error_code fout;
    const auto lengte = fs::file_size(doel_, fout);
    std::FILE* f = fout ? nullptr : std::fopen(doel_.c_str(), "rb");
    if (!f) {
        return false;
    }
    inhoud.resize(lengte);
    const bool gelezen = std::fread(inhoud.data(), 1, inhoud.size(), f) == inhoud.size();
    std::fclose(f);
    return gelezen;
}

}  // namespace zegelaar::fuzz
