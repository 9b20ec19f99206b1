// The main window: its system menu and about box, its icon, and the end of its modal run by
// "Sluiten", the close box and Alt+F4.
#include <functional>

#include "dialoogover.h"
#include "gevallen.h"
#include "hoofdvensteropstelling.h"

namespace {

const char* const overTekst =
    "Programma voor het in- en uitpakken van auditfiles.\nDeze versie verwerkt:\n"
    "- classic auditfiles financieel (*.adf)\n- XML-auditfiles financieel (*.xaf)\n"
    "- XML-auditfiles salaris (*.xas)\n- XML-auditfiles afrekensystemen (*.xaa)\n"
    "- XML-auditfiles woningcorporaties (*.xaw)\n";

std::string Menutekst(HMENU menu, int plek, UINT* id, UINT* soort) {
    char tekst[128] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    item.dwTypeData = tekst;
    item.cch = sizeof tekst;
    ::GetMenuItemInfoA(menu, static_cast<UINT>(plek), TRUE, &item);
    *id = item.wID;
    *soort = item.fType;
    return tekst;
}

void SysteemmenuKrijgtOverItem(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    HMENU menu = ::GetSystemMenu(o.hoofd.m_hWnd, FALSE);
    REQUIRE(menu);
    const int aantal = ::GetMenuItemCount(menu);
    REQUIRE(aantal >= 3);
    UINT id = 0;
    UINT soort = 0;
    CHECK_EQ(std::string("&Over Zegelaar..."), Menutekst(menu, aantal - 1, &id, &soort));
    CHECK_EQ(static_cast<UINT>(IDM_OVER), id);
    Menutekst(menu, aantal - 2, &id, &soort);
    CHECK((soort & MFT_SEPARATOR) != 0);
    // Above them the same items as a plain window of the same template has.
    CDialog kaal(IDD_HOOFD);
    REQUIRE(kaal.Create(IDD_HOOFD));
    HMENU standaard = ::GetSystemMenu(kaal.m_hWnd, FALSE);
    CHECK_EQ(::GetMenuItemCount(standaard) + 2, aantal);
    for (int plek = 0; plek < aantal - 2; ++plek) {
        CHECK_EQ(::GetMenuItemID(standaard, plek), ::GetMenuItemID(menu, plek));
    }
    kaal.DestroyWindow();
}

void TabsEnPictogram(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(o.blad, PSM_GETTABCONTROL, 0, 0));
    REQUIRE(tabs);
    CHECK_EQ(2, static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)));
    const char* verwacht[] = {"Inpakken", "Uitpakken"};
    for (int i = 0; i < 2; ++i) {
        char tekst[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = tekst;
        item.cchTextMax = sizeof tekst;
        ::SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        CHECK_EQ(std::string(verwacht[i]), std::string(tekst));
    }
    CHECK_EQ(0, static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0)));
    // The sheet's own buttons are hidden; the sheet ends above "Sluiten".
    HWND blad = o.blad;
    for (int knop : {IDOK, IDCANCEL, IDHELP}) {
        CHECK(!::GetDlgItem(blad, knop) || !::IsWindowVisible(::GetDlgItem(blad, knop)));
    }
    CHECK((::GetWindowLongPtrA(blad, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0);
    CHECK((::GetWindowLongPtrA(blad, GWL_STYLE) & (WS_CHILD | WS_TABSTOP)) ==
          (WS_CHILD | WS_TABSTOP));
    RECT bladVlak;
    RECT sluiten;
    ::GetWindowRect(blad, &bladVlak);
    ::GetWindowRect(::GetDlgItem(o.hoofd.m_hWnd, IDCANCEL), &sluiten);
    CHECK(bladVlak.bottom <= sluiten.top);

    const LRESULT groot = ::SendMessageA(o.hoofd.m_hWnd, WM_GETICON, ICON_BIG, 0);
    CHECK(groot != 0);
    CHECK_EQ(groot, ::SendMessageA(o.hoofd.m_hWnd, WM_GETICON, ICON_SMALL, 0));
    CHECK_EQ(groot, ::SendMessageA(o.hoofd.m_hWnd, WM_QUERYDRAGICON, 0, 0));
}

void WachtcursorNestEnBlijft(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    HCURSOR wachten = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514) /* IDC_WAIT */);
    auto muisBeweegt = [&] {
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */));
        ::SendMessageA(o.hoofd.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(o.hoofd.m_hWnd),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    t.BeginWaitCursor();
    t.BeginWaitCursor();
    CHECK_EQ(wachten, ::GetCursor());
    t.EndWaitCursor();
    CHECK_EQ(wachten, muisBeweegt());
    t.EndWaitCursor();
    CHECK(::GetCursor() != wachten);
    CHECK(muisBeweegt() != wachten);
}

// Sends a system command and reports what the user would have seen of an about box meanwhile.
struct OverGezien {
    int keer = 0;
    std::string titel;
    std::string tekst;
    bool hoofdvensterUitgeschakeld = false;
};

OverGezien StuurSysteemopdracht(HWND hoofd, WPARAM opdracht) {
    OverGezien gezien;
    Bediener bediener([&] {
        HWND over = ZoekVenster("Over Zegelaar");
        if (!over) {
            return;
        }
        ++gezien.keer;
        gezien.titel = Tekst(over);
        gezien.tekst = Tekst(over, IDC_OVER_TEKST);
        gezien.hoofdvensterUitgeschakeld = !::IsWindowEnabled(hoofd);
        Klik(over, IDOK);
    });
    ::SendMessageA(hoofd, WM_SYSCOMMAND, opdracht, 0);
    return gezien;
}

void OverVensterUitSysteemmenu(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    struct Geval {
        WPARAM opdracht;
        int keer;
    };
    const Geval gevallen[] = {{0x0010, 1}, {0x0013, 1}, {0x001F, 1},
                              {0x0010, 1}, {0x0020, 0}, {0x000F, 0}};
    for (const Geval& g : gevallen) {
        const OverGezien gezien = StuurSysteemopdracht(o.hoofd.m_hWnd, g.opdracht);
        CHECK_EQ(g.keer, gezien.keer);
        if (g.keer == 1) {
            CHECK_EQ(std::string("Over Zegelaar"), gezien.titel);
            CHECK_EQ(std::string(overTekst), gezien.tekst);
            CHECK(gezien.hoofdvensterUitgeschakeld);
        }
        CHECK(::IsWindowEnabled(o.hoofd.m_hWnd));
        CHECK(::IsWindow(o.hoofd.m_hWnd));
    }
}

// Runs the main window modally as the program does and ends it the given way once it shows.
INT_PTR DraaiEnBeeindig(ToetsToepassing& t, const std::function<void(HWND)>& beeindig) {
    CDialoogHoofd hoofd;
    t.m_pMainWnd = &hoofd;
    bool gedaan = false;
    Bediener bediener([&] {
        HWND venster = ZoekVenster("In- en uitpakken van Auditfiles");
        if (venster && !gedaan) {
            gedaan = true;
            beeindig(venster);
        }
    });
    const INT_PTR resultaat = hoofd.DoModal();
    t.m_pMainWnd = nullptr;
    CHECK(gedaan);
    CHECK(!hoofd.m_hWnd);
    return resultaat;
}

void HoofdvensterEindigt(ToetsToepassing& t) {
    struct Manier {
        const char* naam;
        std::function<void(HWND)> beeindig;
    };
    const Manier manieren[] = {
        {"Sluiten", [](HWND v) { Klik(v, IDCANCEL); }},
        {"sluitvak", [](HWND v) { ::PostMessageA(v, WM_CLOSE, 0, 0); }},
        {"Alt+F4", [](HWND v) { ::PostMessageA(v, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Escape", [](HWND v) { ::PostMessageA(v, WM_KEYDOWN, VK_ESCAPE, 0); }},
    };
    for (const Manier& m : manieren) {
        const INT_PTR resultaat = DraaiEnBeeindig(t, m.beeindig);
        if (resultaat != IDCANCEL) {
            toets::Mislukt(__FILE__, __LINE__, std::string("ending by ") + m.naam);
        }
    }
}

}  // namespace

std::vector<toets::Geval> HoofdvensterGevallen(ToetsToepassing& t) {
    return {
        {"hoofdvenster: systeemmenu krijgt over-item", [&] { SysteemmenuKrijgtOverItem(t); }},
        {"hoofdvenster: tabs en pictogram", [&] { TabsEnPictogram(t); }},
        {"hoofdvenster: wachtcursor nest en blijft", [&] { WachtcursorNestEnBlijft(t); }},
        {"hoofdvenster: over-venster uit systeemmenu", [&] { OverVensterUitSysteemmenu(t); }},
        {"hoofdvenster: eindigt op sluiten, sluitvak, Alt+F4", [&] { HoofdvensterEindigt(t); }},
    };
}
