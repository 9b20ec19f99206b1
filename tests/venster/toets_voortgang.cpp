// The progress window: its percentage label, its texts and button, the remembered "Sluiten",
// and the owner it disables and enables again.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <limits>

#include "bronnummers.h"
#include "dialoogvoortgang.h"
#include "gevallen.h"

namespace {

struct Procentgeval {
    std::int32_t onder, boven, positie;
    const char* tekst;
};

constexpr Procentgeval procentgevallen[] = {
    {0, 100, 0, "0%"},
    {0, 100, 37, "37%"},
    {0, 100, 100, "100%"},
    {0, 100, 150, "50%"},
    {0, 100, 200, "0%"},
    {0, 100, -5, "-5%"},
    {0, 200, 200, "100%"},
    {0, 200, 100, "50%"},
    {0, 200, 199, "99%"},
    {0, 200, 1, "0%"},
    {50, 150, 100, "50%"},
    {0, 3, 1, "33%"},
    // An empty range must not fail.
    {7, 7, 7, "0%"},
    {0, 0, 100, "0%"},
};

void ProcenttekstPerBereik() {
    for (const Procentgeval& g : procentgevallen) {
        CHECK_EQ(std::string(g.tekst),
                 CDialoogVoortgang::Procenttekst(g.positie, g.onder, g.boven));
    }
    // The widest range and positions far outside it still give some text.
    constexpr auto minste = std::numeric_limits<std::int32_t>::min();
    constexpr auto meeste = std::numeric_limits<std::int32_t>::max();
    CHECK(!CDialoogVoortgang::Procenttekst(meeste, minste, meeste).empty());
    CHECK(!CDialoogVoortgang::Procenttekst(minste, 0, 1).empty());
}

// A plain window standing in for the main window that owns the progress window.
struct Eigenaar {
    explicit Eigenaar(ToetsToepassing& toepassing) : toepassing(toepassing) {
        venster.Create(IDD_OVER);
        toepassing.m_pMainWnd = &venster;
    }
    ~Eigenaar() {
        toepassing.m_pMainWnd = nullptr;
        venster.DestroyWindow();
    }
    ToetsToepassing& toepassing;
    CDialog venster;
};

// Counts how often the percentage label is given a text.
struct Tekstteller {
    explicit Tekstteller(HWND label) : label(label) {
        ::SetWindowSubclass(label, Tel, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Tekstteller() { ::RemoveWindowSubclass(label, Tel, 1); }
    static LRESULT CALLBACK Tel(HWND venster, UINT bericht, WPARAM w, LPARAM l, UINT_PTR,
                                DWORD_PTR teller) {
        if (bericht == WM_SETTEXT) {
            ++reinterpret_cast<Tekstteller*>(teller)->keer;
        }
        return ::DefSubclassProc(venster, bericht, w, l);
    }
    HWND label;
    int keer = 0;
};

void OpenToontSjabloonEnSchakeltEigenaarUit(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    CDialoogVoortgang voortgang;
    REQUIRE(voortgang.Open());
    HWND v = voortgang.m_hWnd;
    CHECK(!::IsWindowEnabled(eigenaar.venster.m_hWnd));
    CHECK(::IsWindowVisible(v));
    CHECK_EQ(eigenaar.venster.m_hWnd, ::GetWindow(v, GW_OWNER));
    CHECK_EQ(std::string("Bezig..."), Tekst(v));
    CHECK_EQ(std::string(" 0 %"), Tekst(v, IDC_PROCENT));
    CHECK_EQ(std::string(""), Tekst(v, IDC_STATUS));
    CHECK(!Ingeschakeld(v, IDCANCEL));

    voortgang.ZetBereik(0, 100);
    voortgang.SetWindowText("Inpakken");
    voortgang.ZetStatus("Bezig...");
    CHECK_EQ(std::string("Inpakken"), Tekst(v));
    CHECK_EQ(std::string("Bezig..."), Tekst(v, IDC_STATUS));
    voortgang.ZetPositie(0);
    CHECK_EQ(std::string("0%"), Tekst(v, IDC_PROCENT));
    CHECK_EQ(0, voortgang.ZetPositie(37));
    CHECK_EQ(std::string("37%"), Tekst(v, IDC_PROCENT));
    CHECK_EQ(37, static_cast<int>(::SendDlgItemMessageA(v, IDC_VOORTGANGSBALK, PBM_GETPOS, 0, 0)));
    // Above the range the label goes round while the bar stays at its end.
    voortgang.ZetPositie(150);
    CHECK_EQ(std::string("50%"), Tekst(v, IDC_PROCENT));
    CHECK_EQ(100, static_cast<int>(::SendDlgItemMessageA(v, IDC_VOORTGANGSBALK, PBM_GETPOS, 0, 0)));
    voortgang.ActiveerSluiten();
    CHECK(Ingeschakeld(v, IDCANCEL));

    voortgang.Sluit();
    CHECK(!::IsWindow(v));
    CHECK(::IsWindowEnabled(eigenaar.venster.m_hWnd));
}

void LabelAlleenBijVerandering(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    CDialoogVoortgang voortgang;
    REQUIRE(voortgang.Open());
    voortgang.ZetBereik(0, 1000);
    Tekstteller teller(::GetDlgItem(voortgang.m_hWnd, IDC_PROCENT));
    for (int positie : {0, 1, 5, 9, 10, 11, 19}) {  // 0%, 0%, 0%, 0%, 1%, 1%, 1%
        voortgang.ZetPositie(positie);
    }
    CHECK_EQ(2, teller.keer);
    CHECK_EQ(std::string("1%"), Tekst(voortgang.m_hWnd, IDC_PROCENT));
}

void SluitenWordtOnthouden(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    CDialoogVoortgang voortgang;
    REQUIRE(voortgang.Open());
    HWND v = voortgang.m_hWnd;
    voortgang.ActiveerSluiten();
    CHECK(!voortgang.IsSluitenGekozen());

    // A press during the work is kept until the engine asks.
    Klik(v, IDCANCEL);
    voortgang.ZetPositie(50);
    CHECK(voortgang.IsSluitenGekozen());
    CHECK(!voortgang.IsSluitenGekozen());

    // A queued press arrives through the pump of the next question.
    ::PostMessageA(v, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    CHECK(voortgang.IsSluitenGekozen());

    // OK neither closes the window nor counts as "Sluiten"; the cancel command only marks.
    ::SendMessageA(v, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    CHECK(::IsWindow(v));
    CHECK(!voortgang.IsSluitenGekozen());
    ::SendMessageA(v, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    CHECK(::IsWindow(v));
    CHECK(voortgang.IsSluitenGekozen());
}

void UitgeschakeldeEigenaarBlijftUitgeschakeld(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    ::EnableWindow(eigenaar.venster.m_hWnd, FALSE);
    CDialoogVoortgang voortgang;
    REQUIRE(voortgang.Open());
    voortgang.Sluit();
    CHECK(!::IsWindowEnabled(eigenaar.venster.m_hWnd));
}

void EindeVanHetObjectSluitHetVenster(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    HWND v = nullptr;
    {
        CDialoogVoortgang voortgang;
        REQUIRE(voortgang.Open());
        v = voortgang.m_hWnd;
    }
    CHECK(!::IsWindow(v));
    CHECK(::IsWindowEnabled(eigenaar.venster.m_hWnd));
}

void TweedeOpeningBegintOpnieuw(ToetsToepassing& toepassing) {
    Eigenaar eigenaar(toepassing);
    CDialoogVoortgang voortgang;
    REQUIRE(voortgang.Open());
    voortgang.ZetBereik(0, 100);
    voortgang.SetWindowText("Inpakken");
    voortgang.ZetStatus("Klaar");
    voortgang.ZetPositie(80);
    voortgang.ActiveerSluiten();
    voortgang.Sluit();

    REQUIRE(voortgang.Open());
    HWND v = voortgang.m_hWnd;
    CHECK_EQ(std::string("Bezig..."), Tekst(v));
    CHECK_EQ(std::string(" 0 %"), Tekst(v, IDC_PROCENT));
    CHECK_EQ(std::string(""), Tekst(v, IDC_STATUS));
    CHECK(!Ingeschakeld(v, IDCANCEL));
    CHECK(!::IsWindowEnabled(eigenaar.venster.m_hWnd));
    voortgang.Sluit();
    CHECK(::IsWindowEnabled(eigenaar.venster.m_hWnd));
}

}  // namespace

std::vector<toets::Geval> VoortgangGevallen(ToetsToepassing& t) {
    return {
        {"voortgang: procenttekst per bereik", ProcenttekstPerBereik},
        {"voortgang: open toont sjabloon, schakelt eigenaar uit",
         [&] { OpenToontSjabloonEnSchakeltEigenaarUit(t); }},
        {"voortgang: label alleen bij verandering", [&] { LabelAlleenBijVerandering(t); }},
        {"voortgang: sluiten wordt onthouden", [&] { SluitenWordtOnthouden(t); }},
        {"voortgang: uitgeschakelde eigenaar blijft uit",
         [&] { UitgeschakeldeEigenaarBlijftUitgeschakeld(t); }},
        {"voortgang: einde object sluit venster", [&] { EindeVanHetObjectSluitHetVenster(t); }},
        {"voortgang: tweede opening begint opnieuw", [&] { TweedeOpeningBegintOpnieuw(t); }},
    };
}
