// The workers of a parallel pack: a fixed set of slots, handed out in order and taken by
// whichever worker is free; each worker keeps one deflate stream and resets it per piece.
#include "stukkenpers.h"

#include <zlib.h>

#include <new>
#include <system_error>

#include "blok.h"

namespace zegelaar {

namespace {

// Slots per worker: one being deflated while the next waits, so no worker idles while the
// calling thread writes.
constexpr unsigned stukkenPerDraad = 2;

// Room beyond deflateBound for the empty stored block that ends a piece on a byte boundary.
constexpr std::size_t ruimteVoorSync = 64;

// Deflates one piece; false when zlib reports a fault or the output did not fit.
bool Pers(z_stream& s, Stuk& stuk) {
    if (deflateReset(&s) != Z_OK) {
        return false;
    }
    if (stuk.woordenboek > 0 && deflateSetDictionary(&s, stuk.Data() - stuk.woordenboek,
                                                     static_cast<uInt>(stuk.woordenboek)) != Z_OK) {
        return false;
    }
    s.next_in = stuk.Data();
    s.avail_in = static_cast<uInt>(stuk.lengte);
    s.next_out = stuk.uitvoer.get();
    s.avail_out = static_cast<uInt>(stuk.uitvoerRuimte);
    const int r = deflate(&s, stuk.laatste ? Z_FINISH : Z_SYNC_FLUSH);
    stuk.uitvoerLengte = stuk.uitvoerRuimte - s.avail_out;
    stuk.adler =
        static_cast<std::uint32_t>(adler32(1, stuk.Data(), static_cast<uInt>(stuk.lengte)));
    // A flush is complete only when deflate left output room unused.
    return stuk.laatste ? r == Z_STREAM_END : r == Z_OK && s.avail_in == 0 && s.avail_out > 0;
}

}  // namespace

struct Stukkenpers::Werker {
    z_stream s{};
    bool actief = false;
    ~Werker() {
        if (actief) {
            deflateEnd(&s);
        }
    }
};

Stukkenpers::Stukkenpers() = default;

Stukkenpers::~Stukkenpers() {
    Stop();
}

void Stukkenpers::Stop() {
    {
        std::lock_guard<std::mutex> slot(slot_);
        stoppen_ = true;
    }
    werkKlaar_.notify_all();
    for (std::thread& draad : draden_) {
        draad.join();
    }
    draden_.clear();
    werkers_.clear();
    stukken_.clear();
}

Stukkenpers::Begin Stukkenpers::Start(int niveau, unsigned draden) {
    for (unsigned i = 0; i < draden; ++i) {
        auto werker = std::make_unique<Werker>();
        // Raw deflate (negative window bits): the zlib header and trailer are written once
        // for the whole stream by the caller.
        if (deflateInit2(&werker->s, niveau, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            return Begin::initFout;
        }
        werker->actief = true;
        werkers_.push_back(std::move(werker));
    }
    const std::size_t ruimte = deflateBound(&werkers_.front()->s, blokGrootte) + ruimteVoorSync;
    stukken_.resize(std::size_t{stukkenPerDraad} * draden);
    klaar_.assign(stukken_.size(), false);
    for (Stuk& stuk : stukken_) {
        stuk.invoer.reset(new (std::nothrow) unsigned char[woordenboekGrootte + blokGrootte]);
        stuk.uitvoer.reset(new (std::nothrow) unsigned char[ruimte]);
        stuk.uitvoerRuimte = ruimte;
        if (!stuk.invoer || !stuk.uitvoer) {
            return Begin::geenGeheugen;
        }
    }
    for (auto& werker : werkers_) {
        try {
            draden_.emplace_back(&Stukkenpers::Werk, this, std::ref(*werker));
        } catch (const std::system_error&) {
            break;  // the workers that did start do all the work
        }
    }
    return draden_.empty() ? Begin::initFout : Begin::gelukt;
}

void Stukkenpers::Geef(std::uint64_t n) {
    {
        std::lock_guard<std::mutex> slot(slot_);
        klaar_[n % stukken_.size()] = false;
        gegeven_ = n + 1;
    }
    werkKlaar_.notify_one();
}

Stuk& Stukkenpers::WachtOp(std::uint64_t n) {
    const std::size_t plek = n % stukken_.size();
    std::unique_lock<std::mutex> slot(slot_);
    stukKlaar_.wait(slot, [&] { return static_cast<bool>(klaar_[plek]); });
    return stukken_[plek];
}

void Stukkenpers::Werk(Werker& werker) {
    for (;;) {
        std::uint64_t n;
        {
            std::unique_lock<std::mutex> slot(slot_);
            werkKlaar_.wait(slot, [&] { return stoppen_ || genomen_ < gegeven_; });
            if (stoppen_) {
                return;
            }
            n = genomen_++;
        }
        Stuk& stuk = stukken_[n % stukken_.size()];
        stuk.gelukt = Pers(werker.s, stuk);
        {
            std::lock_guard<std::mutex> slot(slot_);
            klaar_[n % stukken_.size()] = true;
        }
        stukKlaar_.notify_all();
    }
}

}  // namespace zegelaar
