// The scripted application, the timed user and the scratch folder of the window tests.
#include "toetsomgeving.h"

// After windows.h (through toetsomgeving.h), which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/wnd.h"

ToetsToepassing::ToetsToepassing() {
    Initialize(::GetModuleHandleA(nullptr));
    showMessageBox = [this](HWND eigenaar, const std::string& tekst, const std::string& titel,
                            UINT soort) {
        berichten.push_back({eigenaar, tekst, titel, soort});
        if (antwoorden.empty()) {
            return IDOK;
        }
        const int antwoord = antwoorden.front();
        antwoorden.pop_front();
        return antwoord;
    };
    showFileDialog = [this](OPENFILENAMEA& vraag, bool openen) {
        std::string filter;
        if (vraag.lpstrFilter) {
            // The list ends at the first double NUL.
            for (const char* p = vraag.lpstrFilter; *p || p[1]; ++p) {
                filter += *p ? *p : '|';
            }
            filter += "||";
        }
        bestandsvragen.push_back({openen, filter, vraag.lpstrFile,
                                  vraag.lpstrDefExt ? vraag.lpstrDefExt : "", vraag.Flags,
                                  vraag.hwndOwner});
        if (gekozenBestanden.empty() || !gekozenBestanden.front()) {
            if (!gekozenBestanden.empty()) {
                gekozenBestanden.pop_front();
            }
            return FALSE;
        }
        const std::string pad = *gekozenBestanden.front();
        gekozenBestanden.pop_front();
        lstrcpynA(vraag.lpstrFile, pad.c_str(), static_cast<int>(vraag.nMaxFile));
        return TRUE;
    };
}

std::vector<std::string> ToetsToepassing::NeemBerichten() {
    std::vector<std::string> teksten;
    for (const Berichtvak& b : berichten) {
        teksten.push_back(b.tekst);
    }
    berichten.clear();
    return teksten;
}

Bediener::Bediener(std::function<void()> handeling) : handeling_(std::move(handeling)) {
    WNDCLASSA klasse{};
    klasse.lpfnWndProc = Procedure;
    klasse.hInstance = ::GetModuleHandleA(nullptr);
    klasse.lpszClassName = "ZegelaarToetsBediener";
    ::RegisterClassA(&klasse);  // fails harmlessly when already registered
    venster_ = ::CreateWindowA("ZegelaarToetsBediener", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               klasse.hInstance, nullptr);
    ::SetWindowLongPtrA(venster_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetTimer(venster_, 1, 15, nullptr);
}

Bediener::~Bediener() {
    ::KillTimer(venster_, 1);
    ::DestroyWindow(venster_);
}

LRESULT CALLBACK Bediener::Procedure(HWND venster, UINT bericht, WPARAM w, LPARAM l) {
    if (bericht == WM_TIMER) {
        auto* bediener = reinterpret_cast<Bediener*>(::GetWindowLongPtrA(venster, GWLP_USERDATA));
        if (bediener) {
            bediener->handeling_();
        }
        return 0;
    }
    return ::DefWindowProcA(venster, bericht, w, l);
}

SluitenDrukker::SluitenDrukker(HWND hoofdvenster)
    : hoofdvenster_(hoofdvenster), bediener_([this] { Kijk(); }) {}

void SluitenDrukker::Kijk() {
    HWND voortgang = ZoekDialoogMet(1003, "msctls_progress32");
    if (!voortgang || voortgang == gedrukt_) {
        return;
    }
    if (!Ingeschakeld(voortgang, IDCANCEL)) {
        ++keerUitgeschakeldTijdensWerk;
        return;
    }
    gezien.push_back({Tekst(voortgang), Tekst(voortgang, 1005), Tekst(voortgang, 1004),
                      static_cast<int>(::SendDlgItemMessageA(voortgang, 1003, PBM_GETPOS, 0, 0)),
                      !::IsWindowEnabled(hoofdvenster_)});
    gedrukt_ = voortgang;
    Klik(voortgang, IDCANCEL);
}

Werkmap::Werkmap() {
    char tijdelijk[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tijdelijk);
    for (unsigned n = ::GetTickCount();; ++n) {
        map_ = std::string(tijdelijk) + "zegelaar-toets-" + std::to_string(n);
        if (::CreateDirectoryA(map_.c_str(), nullptr)) {
            break;
        }
    }
}

Werkmap::~Werkmap() {
    WIN32_FIND_DATAA gevonden;
    HANDLE zoek = ::FindFirstFileA((map_ + "\\*").c_str(), &gevonden);
    if (zoek != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFileA(Pad(gevonden.cFileName).c_str());
        } while (::FindNextFileA(zoek, &gevonden));
        ::FindClose(zoek);
    }
    ::RemoveDirectoryA(map_.c_str());
}

std::string Werkmap::Maak(const std::string& naam, std::size_t grootte) const {
    std::string inhoud;
    inhoud.reserve(grootte);
    std::uint32_t toestand = 12345;
    while (inhoud.size() < grootte) {
        toestand = toestand * 1103515245u + 12345u;
        inhoud += "<regel nr=\"" + std::to_string(inhoud.size()) + "\" w=\"" +
                  std::to_string(toestand >> 8) + "\"/>\r\n";
    }
    inhoud.resize(grootte);
    std::ofstream(Pad(naam), std::ios::binary) << inhoud;
    return Pad(naam);
}

std::string LeesBestand(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream inhoud;
    inhoud << in.rdbuf();
    return inhoud.str();
}

bool Bestaat(const std::string& pad) {
    return ::GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

struct Zoektocht {
    std::function<bool(HWND)> past;
    HWND gevonden = nullptr;
};

BOOL CALLBACK BekijkVenster(HWND venster, LPARAM lParam) {
    auto* zoektocht = reinterpret_cast<Zoektocht*>(lParam);
    if (::IsWindowVisible(venster) && zoektocht->past(venster)) {
        zoektocht->gevonden = venster;
        return FALSE;
    }
    return TRUE;
}

HWND ZoekVensterDat(std::function<bool(HWND)> past) {
    Zoektocht zoektocht{std::move(past)};
    ::EnumThreadWindows(::GetCurrentThreadId(), BekijkVenster,
                        reinterpret_cast<LPARAM>(&zoektocht));
    return zoektocht.gevonden;
}

}  // namespace

HWND ZoekDialoogMet(int id, const char* klasse) {
    return ZoekVensterDat([&](HWND venster) {
        HWND control = ::GetDlgItem(venster, id);
        if (!control) {
            return false;
        }
        char naam[64] = {};
        ::GetClassNameA(control, naam, sizeof naam);
        return !*klasse || lstrcmpiA(naam, klasse) == 0;
    });
}

HWND ZoekVenster(const std::string& titel) {
    return ZoekVensterDat([&](HWND venster) { return Tekst(venster) == titel; });
}

std::string Tekst(HWND venster) {
    return CWnd::TextOf(venster);
}
std::string Tekst(HWND dialoog, int id) {
    return CWnd::TextOf(::GetDlgItem(dialoog, id));
}
bool Ingeschakeld(HWND dialoog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialoog, id));
}
bool Zichtbaar(HWND dialoog, int id) {
    return (::GetWindowLongPtrA(::GetDlgItem(dialoog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}
void Klik(HWND dialoog, int id) {
    ::SendMessageA(::GetDlgItem(dialoog, id), BM_CLICK, 0, 0);
}

void Verwerk() {
    for (int ronde = 0; ronde < 5; ++ronde) {
        MSG bericht;
        while (::PeekMessageA(&bericht, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&bericht);
            ::DispatchMessageA(&bericht);
        }
    }
}
