// What the one-thread and the parallel pack share: the pack engine's own messages and caption
// (those of several engines are in tekst.h), and the final header written over the
// provisional one.
#pragma once

#include <cstdio>

#include "blok.h"
#include "inpakkop.h"
#include "platform.h"
#include "tekst.h"

namespace zegelaar {

inline constexpr const char* meldingDoelNietOpen = "Doelbestand kan niet geopend worden.";
inline constexpr const char* meldingInitFout = "fout bij deflateInit()";
inline constexpr const char* meldingCompressieFout = "Fout bij compressie";
inline constexpr const char* titelInpakken = "Inpakken Auditfile";

// Writes the header with the stream's checksum and counts over the first 76 bytes and closes
// the target; false when any of it failed. A header that only reached the stream's buffer is
// not written: flush and close count too.
inline bool SchrijfDefinitieveKop(Bestand& doel, InpakKop& kop, std::uint32_t adler,
                                  std::uint64_t totaalIn, std::uint64_t totaalUit) {
    kop.adler32 = adler;
    kop.totaalIn = static_cast<std::uint32_t>(totaalIn);
    kop.totaalUit = static_cast<std::uint32_t>(totaalUit);
    const Kopbytes definitief = CodeerKop(kop);
    return ZoekPositie(doel.get(), 0) &&
           SchrijfAlles(doel.get(), definitief.data(), definitief.size()) &&
           std::fclose(doel.release()) == 0;
}

}  // namespace zegelaar
