// Renders one view of the program for the documentation and writes it as a BMP file:
//   venster-schermafdruk inpakken|uitpakken|voortgang|over <file.bmp>
// The windows are the program's own, set up through the same scripted application as the
// tests; the files chosen live in C:\audit, which exists only while the picture is taken.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dialoogover.h"
#include "dialoogvoortgang.h"
#include "hoofdvensteropstelling.h"

namespace {

const char* const auditmap = "C:\\audit";

// Lets the windows paint themselves completely.
void LaatTekenen() {
    for (int ronde = 0; ronde < 20; ++ronde) {
        Verwerk();
        ::Sleep(25);
    }
}

bool SchrijfVenster(HWND venster, const std::string& pad) {
    RECT vlak;
    ::GetWindowRect(venster, &vlak);
    const int breedte = vlak.right - vlak.left;
    const int hoogte = vlak.bottom - vlak.top;
    HDC scherm = ::GetDC(nullptr);
    HDC geheugen = ::CreateCompatibleDC(scherm);
    HBITMAP beeld = ::CreateCompatibleBitmap(scherm, breedte, hoogte);
    HGDIOBJ vorig = ::SelectObject(geheugen, beeld);
    ::BitBlt(geheugen, 0, 0, breedte, hoogte, scherm, vlak.left, vlak.top, SRCCOPY);
    ::SelectObject(geheugen, vorig);

    BITMAPINFOHEADER kop{};
    kop.biSize = sizeof kop;
    kop.biWidth = breedte;
    kop.biHeight = hoogte;
    kop.biPlanes = 1;
    kop.biBitCount = 24;
    kop.biCompression = BI_RGB;
    const DWORD rij = ((breedte * 3) + 3) & ~3;
    std::vector<char> punten(static_cast<std::size_t>(rij) * hoogte);
    ::GetDIBits(geheugen, beeld, 0, hoogte, punten.data(), reinterpret_cast<BITMAPINFO*>(&kop),
                DIB_RGB_COLORS);
    ::DeleteObject(beeld);
    ::DeleteDC(geheugen);
    ::ReleaseDC(nullptr, scherm);

    BITMAPFILEHEADER bestandskop{};
    bestandskop.bfType = 0x4D42;
    bestandskop.bfOffBits = sizeof bestandskop + sizeof kop;
    bestandskop.bfSize = bestandskop.bfOffBits + static_cast<DWORD>(punten.size());
    std::ofstream uit(pad, std::ios::binary);
    uit.write(reinterpret_cast<const char*>(&bestandskop), sizeof bestandskop);
    uit.write(reinterpret_cast<const char*>(&kop), sizeof kop);
    uit.write(punten.data(), static_cast<std::streamsize>(punten.size()));
    return static_cast<bool>(uit);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: venster-schermafdruk inpakken|uitpakken|voortgang|over "
                     "<file.bmp>\n");
        return 2;
    }
    const std::string beeld = argv[1];
    ToetsToepassing toepassing;
    ::CreateDirectoryA(auditmap, nullptr);
    const std::string boek = std::string(auditmap) + "\\boek.xaf";
    const std::string ingepakt = std::string(auditmap) + "\\boek.pbl.xfc";
    std::ofstream(boek) << "<auditfile/>\n";
    std::ofstream(ingepakt) << "ingepakt\n";

    HWND vastleggen = nullptr;
    bool gelukt = false;
    {
        Hoofdvensteropstelling o(toepassing);
        toepassing.gekozenBestanden.push_back(boek);
        Klik(o.inpakken, IDC_BLADER_BRON);
        o.KiesTab(1);
        toepassing.gekozenBestanden.push_back(ingepakt);
        Klik(o.uitpakken, IDC_BLADER_BRON);
        o.KiesTab(beeld == "uitpakken" ? 1 : 0);
        ::SetForegroundWindow(o.hoofd.m_hWnd);
        vastleggen = o.hoofd.m_hWnd;

        CDialoogVoortgang voortgang;
        CDialoogOver over;
        if (beeld == "voortgang") {
            voortgang.Open();
            voortgang.ZetBereik(0, 100);
            voortgang.SetWindowText("Inpakken Auditfile");
            voortgang.ZetStatus("Bezig...");
            voortgang.ZetPositie(37);
            vastleggen = voortgang.m_hWnd;
        } else if (beeld == "over") {
            over.Create(IDD_OVER, &o.hoofd);
            ::ShowWindow(over.m_hWnd, SW_SHOW);
            vastleggen = over.m_hWnd;
        }
        LaatTekenen();
        gelukt = SchrijfVenster(vastleggen, argv[2]);
    }
    ::DeleteFileA(boek.c_str());
    ::DeleteFileA(ingepakt.c_str());
    ::RemoveDirectoryA(auditmap);
    return gelukt ? 0 : 1;
}
