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
        // The sheet makes a page's window when its tab is first chosen.
        KiesTab(1);
        KiesTab(0);
        inpakken = hoofd.PaginaInpakken().m_hWnd;
        uitpakken = hoofd.PaginaUitpakken().m_hWnd;
    }
    ~Hoofdvensteropstelling() {
        toepassing.m_pMainWnd = nullptr;
        hoofd.DestroyWindow();
        toepassing.antwoorden.clear();
        toepassing.gekozenBestanden.clear();
    }
    void KiesTab(int tab) {
        ::SendMessageA(hoofd.Tabbladen().m_hWnd, PSM_SETCURSEL, tab, 0);
        Verwerk();
    }

    ToetsToepassing& toepassing;
    CDialoogHoofd hoofd;
    HWND inpakken = nullptr;
    HWND uitpakken = nullptr;
};
