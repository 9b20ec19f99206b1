// The resources as the program file carries them: strings, icons, version and manifest, and
// the application's name.
#include <cstring>

#include "bronnummers.h"
#include "gevallen.h"
#include "platform/app.h"

namespace {

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
        {"bronnen: teksten en naam", [&] { TekstenEnNaam(t); }},
        {"bronnen: versie", Versie},
        {"bronnen: manifest", Manifest},
    };
}
