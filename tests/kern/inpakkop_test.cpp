// The header's byte layout and the unpacker's acceptance test.
#include "inpakkop.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zegelaar {
namespace {

InpakKop Voorbeeldkop() {
    InpakKop kop;
    std::memcpy(kop.kenmerk.data(), "AXC003POAIAA", 12);
    kop.voorVerzending = 0;
    kop.versie = 2;
    kop.inpakTijd = 0x11223344;
    kop.bronGrootte = -2;  // the low 32 bits of a 4 GiB - 2 source
    kop.bronAanmaakTijd = 0x01020304;
    kop.bronToegangsTijd = 0x05060708;
    kop.aantalVulbytes = 0;
    kop.adler32 = 0xA1B2C3D4;
    kop.totaalIn = 0xFFFFFFFE;
    kop.totaalUit = 0x00010203;
    kop.toevalsWoord = 0x7FF7;
    return kop;
}

TEST(InpakKop, VeldenStaanLittleEndianOpHunPlaats) {
    const Kopbytes b = CodeerKop(Voorbeeldkop());
    const Kopbytes verwacht = {
        'A',  'X',  'C',  '0',  '0', '3', 'P', 'O', 'A', 'I', 'A', 'A',  // 0 kenmerk
        0,    0,    2,    0,                                             // 12 reserve, 13, 14, 15
        0x44, 0x33, 0x22, 0x11,                                          // 16 inpakTijd
        0,    0,    0,    0,                                             // 20
        0xFE, 0xFF, 0xFF, 0xFF,                                          // 24 bronGrootte
        0x04, 0x03, 0x02, 0x01,                                          // 28
        0x08, 0x07, 0x06, 0x05,                                          // 32
        0,    0,    0,    0,    0,   0,   0,   0,   0,   0,   0,   0,    // 36, 40, 44
        0,    0,    0,    0,                                             // 48 aantalVulbytes
        0xD4, 0xC3, 0xB2, 0xA1,                                          // 52 adler32
        0,    0,    0,    0,                                             // 56
        0xFE, 0xFF, 0xFF, 0xFF,                                          // 60 totaalIn
        0x03, 0x02, 0x01, 0x00,                                          // 64 totaalUit
        0xF7, 0x7F, 0x00, 0x00,                                          // 68 toevalsWoord
        0,    0,    0,    0,                                             // 72
    };
    EXPECT_EQ(b, verwacht);
}

TEST(InpakKop, DecoderenGeeftHetRecordTerug) {
    const InpakKop kop = Voorbeeldkop();
    const Kopbytes b = CodeerKop(kop);
    const InpakKop terug = DecodeerKop(b.data());
    EXPECT_EQ(terug.kenmerk, kop.kenmerk);
    EXPECT_EQ(terug.versie, 2);
    EXPECT_EQ(terug.inpakTijd, kop.inpakTijd);
    EXPECT_EQ(terug.bronGrootte, -2);
    EXPECT_EQ(terug.bronAanmaakTijd, kop.bronAanmaakTijd);
    EXPECT_EQ(terug.bronToegangsTijd, kop.bronToegangsTijd);
    EXPECT_EQ(terug.adler32, kop.adler32);
    EXPECT_EQ(terug.totaalIn, kop.totaalIn);
    EXPECT_EQ(terug.totaalUit, kop.totaalUit);
    EXPECT_EQ(terug.toevalsWoord, kop.toevalsWoord);
}

TEST(ControleerKop, AanvaardtAlleenOnverzondenVersie2VanDeJuisteSoort) {
    struct Geval {
        const char* wat;
        std::size_t offset;  // byte changed, or kopGrootte for none
        unsigned char waarde;
        bool aanvaard;
    };
    const Geval gevallen[] = {
        {"ongewijzigd", kopGrootte, 0, true},
        {"byte 6 van het kenmerk", 6, 'X', true},
        {"byte 11 van het kenmerk", 11, 'X', true},
        {"byte 5 van het kenmerk", 5, '4', false},
        {"byte 0 van het kenmerk", 0, 'a', false},
        {"versie 1", 14, 1, false},
        {"versie 3", 14, 3, false},
        {"voorVerzending 1", 13, 1, false},
        {"voorVerzending 2", 13, 2, false},
        {"bit 3 van toevalsWoord", 68, 0xFF, false},
        {"byte 15 niet 0", 15, 7, true},
        {"andere bits van toevalsWoord", 69, 0xFF, true},
    };
    for (const Geval& g : gevallen) {
        Kopbytes b = CodeerKop(Voorbeeldkop());
        if (g.offset < kopGrootte) {
            b[g.offset] = g.waarde;
        }
        EXPECT_EQ(ControleerKop(b.data(), b.size(), "AXC003POAIAA"), g.aanvaard) << g.wat;
    }
}

TEST(ControleerKop, WeigertKorteInvoerEnAndereSoort) {
    const Kopbytes b = CodeerKop(Voorbeeldkop());
    EXPECT_FALSE(ControleerKop(b.data(), kopGrootte - 1, "AXC003POAIAA"));
    EXPECT_FALSE(ControleerKop(b.data(), 0, "AXC003POAIAA"));
    EXPECT_FALSE(ControleerKop(b.data(), b.size(), "ADC003POAIAA"));
    EXPECT_TRUE(ControleerKop(b.data(), b.size(), "AXC003------"));
}

}  // namespace
}  // namespace zegelaar
