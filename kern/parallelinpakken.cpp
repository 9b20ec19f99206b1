// The calling thread's half of a parallel pack: it reads the pieces, hands them to the
// workers, and joins their output in order into whole blocks of the target, with the zlib
// header in front, the combined Adler-32 behind, and the progress after each step.
#include "parallelinpakken.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "blok.h"
#include "inpakken.h"
#include "inpakstappen.h"
#include "stukkenpers.h"

namespace zegelaar {

namespace {

// The zlib header as deflate writes it at levels 8 and 9 with a 32 KiB window: deflate
// method, maximum compression flag, and the check bits that make it a multiple of 31.
constexpr unsigned char zlibKop[2] = {0x78, 0xDA};

// The output buffer as it fills; whole blocks go to the target.
class Uitvoerblok {
  public:
    Uitvoerblok(std::FILE* doel, unsigned char* buffer, std::size_t gevuld)
        : doel_(doel), buffer_(buffer), gevuld_(gevuld) {}

    // Copies what fits of n bytes and returns how many that were.
    std::size_t Vul(const unsigned char* data, std::size_t n) {
        const std::size_t deel = std::min(n, blokGrootte - gevuld_);
        std::memcpy(buffer_ + gevuld_, data, deel);
        gevuld_ += deel;
        return deel;
    }
    bool Vol() const { return gevuld_ == blokGrootte; }
    // Writes what the buffer holds and empties it.
    bool Schrijf() {
        const bool gelukt = SchrijfAlles(doel_, buffer_, gevuld_);
        gevuld_ = 0;
        return gelukt;
    }

  private:
    std::FILE* doel_;
    unsigned char* buffer_;
    std::size_t gevuld_;
};

// Reads piece n into its slot, with the tail of piece n - 1 in front as its dictionary. Every
// piece but the last is a whole block, so that tail is always 32 KiB; a short read ends the
// source.
void LeesStuk(std::FILE* bron, Stukkenpers& pers, std::uint64_t n) {
    Stuk& stuk = pers.Plek(n);
    stuk.woordenboek = 0;
    if (n > 0) {
        Stuk& vorig = pers.Plek(n - 1);
        std::memcpy(stuk.Data() - woordenboekGrootte,
                    vorig.Data() + blokGrootte - woordenboekGrootte, woordenboekGrootte);
        stuk.woordenboek = woordenboekGrootte;
    }
    stuk.lengte = std::fread(stuk.Data(), 1, blokGrootte, bron);
    stuk.laatste = stuk.lengte < blokGrootte;
}

// The zlib trailer: the Adler-32 of the whole source, big-endian.
void CodeerAdler(std::uint32_t adler, unsigned char* uit) {
    uit[0] = static_cast<unsigned char>(adler >> 24);
    uit[1] = static_cast<unsigned char>(adler >> 16);
    uit[2] = static_cast<unsigned char>(adler >> 8);
    uit[3] = static_cast<unsigned char>(adler);
}

}  // namespace

int InpakkenParallel(Gebruikersdialoog& dialoog, const Inpakbegin& begin, int niveau,
                     unsigned draden) {
    Stukkenpers pers;
    switch (pers.Start(niveau, draden)) {
        case Stukkenpers::Begin::gelukt:
            break;
        case Stukkenpers::Begin::geenGeheugen:
            dialoog.ToonMelding(meldingGeenBuffers);
            return inpakGeenBuffers;
        case Stukkenpers::Begin::initFout:
            dialoog.ToonMelding(meldingInitFout);
            return inpakInitFout;
    }

    OpenVoortgang voortgang(dialoog.Voortgang(), titelInpakken);
    Uitvoerblok blok(begin.doel.get(), begin.uitvoer.get(), begin.kopEnVul);
    std::uint64_t totaalIn = 0;
    std::uint64_t totaalUit = 0;
    // Adds stream bytes, writing each block as it fills, with the progress after it.
    const auto voeg = [&](const unsigned char* data, std::size_t n) {
        totaalUit += n;
        for (std::size_t gedaan = 0; gedaan < n;) {
            gedaan += blok.Vul(data + gedaan, n - gedaan);
            if (blok.Vol()) {
                if (!blok.Schrijf()) {
                    return false;
                }
                voortgang.ZetPositie(Voortgangspositie(totaalIn, begin.bronGrootte));
            }
        }
        return true;
    };
    voeg(zlibKop, sizeof zlibKop);  // fits: the block holds no more than the header yet

    std::uint32_t adler = 1;
    std::uint64_t gegeven = 0;
    bool eindeBron = false;
    for (std::uint64_t n = 0;; ++n) {
        Wachtcursor wacht(dialoog);
        // Keep every slot busy: refill the ones whose pieces have been joined.
        while (!eindeBron && gegeven - n < pers.Capaciteit()) {
            LeesStuk(begin.bron.get(), pers, gegeven);
            eindeBron = pers.Plek(gegeven).laatste;
            pers.Geef(gegeven++);
        }
        if (n == gegeven) {
            break;
        }
        const Stuk& stuk = pers.WachtOp(n);
        if (!stuk.gelukt) {
            dialoog.ToonMelding(meldingCompressieFout);
            return inpakCompressieFout;
        }
        adler = static_cast<std::uint32_t>(
            adler32_combine(adler, stuk.adler, static_cast<z_off_t>(stuk.lengte)));
        totaalIn += stuk.lengte;
        if (!voeg(stuk.uitvoer.get(), stuk.uitvoerLengte)) {
            dialoog.ToonMelding(meldingSchrijfFout);
            return inpakSchrijfFout;
        }
        voortgang.ZetPositie(Voortgangspositie(totaalIn, begin.bronGrootte));
    }

    unsigned char slot[4];
    CodeerAdler(adler, slot);
    if (!voeg(slot, sizeof slot) || !blok.Schrijf() || std::fflush(begin.doel.get()) != 0) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return inpakSchrijfFout;
    }
    if (!SchrijfDefinitieveKop(begin.doel, begin.kop, adler, totaalIn, totaalUit)) {
        dialoog.ToonMelding(meldingSchrijfFout);
        return inpakKopSchrijfFout;
    }
    pers.Stop();
    begin.bron.reset();
    begin.invoer.reset();
    begin.uitvoer.reset();
    voortgang.ZetPositie(100);
    voortgang.WachtOpSluiten();
    return inpakGelukt;
}

}  // namespace zegelaar
