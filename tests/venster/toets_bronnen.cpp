// The resources as the program file carries them: dialog templates, languages, strings,
// version and manifest, and the application's name.
#include <cstring>

#include "bronnummers.h"
#include "gevallen.h"
#include "platform/app.h"

namespace {

struct Sjabloon {
    DWORD stijl;
    DWORD uitgebreid;
    WORD aantal;
    short x, y, cx, cy;
};

bool LeesSjabloon(int id, WORD taal, Sjabloon& sjabloon) {
    HRSRC bron =
        ::FindResourceExA(nullptr, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id), taal);
    if (!bron) {
        return false;
    }
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(nullptr, bron)));
    std::memcpy(&sjabloon.stijl, bytes, 4);
    std::memcpy(&sjabloon.uitgebreid, bytes + 4, 4);
    std::memcpy(&sjabloon.aantal, bytes + 8, 2);
    std::memcpy(&sjabloon.x, bytes + 10, 2);
    std::memcpy(&sjabloon.y, bytes + 12, 2);
    std::memcpy(&sjabloon.cx, bytes + 14, 2);
    std::memcpy(&sjabloon.cy, bytes + 16, 2);
    return true;
}

const WORD engels = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD nederlands = MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH);

struct Sjabloongeval {
    int id;
    WORD taal;
    DWORD stijl;  // 0: not checked beyond being a child with a caption and DS_SETFONT
    WORD aantal;
    short cx, cy;
};

constexpr Sjabloongeval sjabloongevallen[] = {
    {IDD_OVER, engels, 0x80C800C0, 5, 247, 188},  {IDD_VOORTGANG, engels, 0x90C000C0, 4, 186, 79},
    {IDD_HOOFD, engels, 0x80C800C0, 1, 341, 157}, {IDD_INPAKKEN, nederlands, 0, 10, 320, 108},
    {IDD_UITPAKKEN, nederlands, 0, 9, 320, 108},
};

void Dialoogsjablonen() {
    for (const Sjabloongeval& g : sjabloongevallen) {
        Sjabloon s{};
        if (!LeesSjabloon(g.id, g.taal, s)) {
            toets::Mislukt(__FILE__, __LINE__, "no template " + std::to_string(g.id));
            continue;
        }
        if (g.stijl) {
            CHECK_EQ(g.stijl, s.stijl);
        } else {
            CHECK_EQ(static_cast<DWORD>(WS_CHILD | WS_CAPTION | DS_SETFONT),
                     s.stijl & (WS_CHILD | WS_CAPTION | DS_SETFONT | WS_POPUP));
        }
        CHECK_EQ(0, s.x);
        CHECK_EQ(0, s.y);
        CHECK_EQ(g.cx, s.cx);
        CHECK_EQ(g.cy, s.cy);
        CHECK_EQ(g.aantal, s.aantal);
    }
    // The pages exist in Dutch only.
    Sjabloon s{};
    CHECK(!LeesSjabloon(IDD_INPAKKEN, engels, s));
    CHECK(!LeesSjabloon(IDD_UITPAKKEN, engels, s));
}

void TekstenEnNaam(ToetsToepassing& t) {
    CHECK_EQ(std::string("&Over Zegelaar..."), AfxLoadString(IDS_OVER_ZEGELAAR));
    CHECK_EQ(std::string("Bezig..."), AfxLoadString(IDS_BEZIG));
    CHECK_EQ(std::string(""), AfxLoadString(102));
    // Named after the program file, as every message box's caption.
    CHECK_EQ(std::string("venster-toetsen"), t.m_pszAppName);
    AfxMessageBox("proef");
    REQUIRE(!t.berichten.empty());
    CHECK_EQ(std::string("venster-toetsen"), t.berichten.back().titel);
    CHECK_EQ(static_cast<UINT>(MB_OK), t.berichten.back().soort);
    t.berichten.clear();
    CHECK(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAMMA)) != nullptr);
    CHECK(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_BLADEREN)) != nullptr);
}

std::string Versietekst(const std::vector<char>& blok, const char* sleutel) {
    char* waarde = nullptr;
    UINT lengte = 0;
    const std::string pad = std::string("\\StringFileInfo\\040904b0\\") + sleutel;
    if (!::VerQueryValueA(blok.data(), pad.c_str(), reinterpret_cast<void**>(&waarde), &lengte)) {
        return "<none>";
    }
    return std::string(waarde, lengte > 0 ? std::strlen(waarde) : 0);
}

void Versie() {
    char pad[MAX_PATH];
    ::GetModuleFileNameA(nullptr, pad, MAX_PATH);
    const DWORD grootte = ::GetFileVersionInfoSizeA(pad, nullptr);
    REQUIRE(grootte > 0);
    std::vector<char> blok(grootte);
    REQUIRE(::GetFileVersionInfoA(pad, 0, grootte, blok.data()));
    VS_FIXEDFILEINFO* vast = nullptr;
    UINT lengte = 0;
    REQUIRE(::VerQueryValueA(blok.data(), "\\", reinterpret_cast<void**>(&vast), &lengte));
    CHECK_EQ(static_cast<DWORD>(0x00030000), vast->dwFileVersionMS);
    CHECK_EQ(static_cast<DWORD>(0x0000000A), vast->dwFileVersionLS);
    CHECK_EQ(static_cast<DWORD>(0x00030000), vast->dwProductVersionMS);
    CHECK_EQ(static_cast<DWORD>(0x0000000A), vast->dwProductVersionLS);
    CHECK_EQ(static_cast<DWORD>(0x3F), vast->dwFileFlagsMask);
    CHECK_EQ(static_cast<DWORD>(0), vast->dwFileFlags);
    CHECK_EQ(static_cast<DWORD>(VOS__WINDOWS32), vast->dwFileOS);
    CHECK_EQ(static_cast<DWORD>(VFT_APP), vast->dwFileType);
    CHECK_EQ(static_cast<DWORD>(0), vast->dwFileSubtype);
    CHECK_EQ(std::string("3, 0, 0, 10"), Versietekst(blok, "FileVersion"));
    CHECK_EQ(std::string("3, 0, 0, 10"), Versietekst(blok, "ProductVersion"));
    for (const char* leeg : {"Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild"}) {
        CHECK_EQ(std::string(""), Versietekst(blok, leeg));
    }
    WORD* vertaling = nullptr;
    REQUIRE(::VerQueryValueA(blok.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&vertaling), &lengte));
    CHECK_EQ(0x0409, vertaling[0]);
    CHECK_EQ(1200, vertaling[1]);
}

void Manifest() {
    HRSRC bron = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    REQUIRE(bron);
    const std::string tekst(static_cast<const char*>(::LockResource(::LoadResource(nullptr, bron))),
                            ::SizeofResource(nullptr, bron));
    CHECK(tekst.find("Microsoft.Windows.Common-Controls") != std::string::npos);
    CHECK(tekst.find("version=\"6.0.0.0\"") != std::string::npos);
    CHECK(tekst.find("<dpiAware") != std::string::npos);
}

}  // namespace

std::vector<toets::Geval> BronnenGevallen(ToetsToepassing& t) {
    return {
        {"bronnen: dialoogsjablonen", Dialoogsjablonen},
        {"bronnen: teksten en naam", [&] { TekstenEnNaam(t); }},
        {"bronnen: versie", Versie},
        {"bronnen: manifest", Manifest},
    };
}
