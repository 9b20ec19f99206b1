// The main window created modelessly as the application's main window, with both pages
// created, for tests that drive the pages as a user would.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "bronnummers.h"
#include "dialooghoofd.h"
#include "toetsomgeving.h"

struct Hoofdvensteropstelling {
    explicit Hoofdvensteropstelling(ToetsToepassing& toepassing) : toepassing(toepassing) {
        toepassing.berichten.clear();
        toepassing.bestandsvragen.clear();
        hoofd.Create(IDD_HOOFD);
        toepassing.m_pMainWnd = &hoofd;
        ::ShowWindow(hoofd.m_hWnd, SW_SHOW);
        // The main window's one child dialog is the sheet; it makes a page's window when its tab
        // is first chosen.
        blad = ::FindWindowExA(hoofd.m_hWnd, nullptr, MAKEINTATOM(0x8002) /* dialog */, nullptr);
        KiesTab(1);
        KiesTab(0);
        inpakken = reinterpret_cast<HWND>(::SendMessageA(blad, PSM_INDEXTOHWND, 0, 0));
        uitpakken = reinterpret_cast<HWND>(::SendMessageA(blad, PSM_INDEXTOHWND, 1, 0));
    }
    ~Hoofdvensteropstelling() {
        toepassing.m_pMainWnd = nullptr;
        hoofd.DestroyWindow();
        toepassing.antwoorden.clear();
        toepassing.gekozenBestanden.clear();
    }
    void KiesTab(int tab) {
        ::SendMessageA(blad, PSM_SETCURSEL, tab, 0);
        Verwerk();
    }

    ToetsToepassing& toepassing;
    CDialoogHoofd hoofd;
    HWND blad = nullptr;
    HWND inpakken = nullptr;
    HWND uitpakken = nullptr;
};
