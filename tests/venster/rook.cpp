// Starts the real Zegelaar.exe twice, side by side and with an argument it must ignore, waits
// for both main windows, closes them as Alt+F4 does and checks that both programs end with
// status 0. Usage: venster-rook <path of Zegelaar.exe>
#include <windows.h>

#include <cstdio>

namespace {

constexpr int aantalKopieen = 2;

struct Gezocht {
    DWORD proces;
    HWND venster;
};

BOOL CALLBACK Bekijk(HWND venster, LPARAM lParam) {
    auto* gezocht = reinterpret_cast<Gezocht*>(lParam);
    char titel[128] = {};
    DWORD proces = 0;
    ::GetWindowThreadProcessId(venster, &proces);
    ::GetWindowTextA(venster, titel, sizeof titel);
    if (proces == gezocht->proces && lstrcmpA(titel, "In- en uitpakken van Auditfiles") == 0 &&
        ::IsWindowVisible(venster)) {
        gezocht->venster = venster;
        return FALSE;
    }
    return TRUE;
}

void Meld(const char* waarom) {
    std::printf("FAILED: %s\n", waarom);
}

int Zak(const char* waarom) {
    Meld(waarom);
    std::printf("0 passed, 1 failed\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Zak("no program given");
    }
    PROCESS_INFORMATION processen[aantalKopieen]{};
    Gezocht gezocht[aantalKopieen]{};
    for (int i = 0; i < aantalKopieen; ++i) {
        STARTUPINFOA start{};
        start.cb = sizeof start;
        char opdracht[MAX_PATH + 64];
        std::snprintf(opdracht, sizeof opdracht, "\"%s\" /genegeerd", argv[1]);
        if (!::CreateProcessA(nullptr, opdracht, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &start, &processen[i])) {
            return Zak("program does not start");
        }
        gezocht[i].proces = processen[i].dwProcessId;
    }
    int gevonden = 0;
    for (int poging = 0; poging < 600 && gevonden < aantalKopieen; ++poging) {
        ::Sleep(100);
        gevonden = 0;
        for (Gezocht& g : gezocht) {
            if (!g.venster) {
                ::EnumWindows(Bekijk, reinterpret_cast<LPARAM>(&g));
            }
            gevonden += g.venster != nullptr;
        }
    }
    int fouten = 0;
    if (gevonden < aantalKopieen) {
        Meld("not every copy showed \"In- en uitpakken van Auditfiles\" within 60 s");
        ++fouten;
    }
    for (int i = 0; i < aantalKopieen; ++i) {
        if (gezocht[i].venster) {
            ::PostMessageA(gezocht[i].venster, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        DWORD afloop = 1;
        if (::WaitForSingleObject(processen[i].hProcess, 30000) != WAIT_OBJECT_0) {
            ::TerminateProcess(processen[i].hProcess, 1);
        }
        ::GetExitCodeProcess(processen[i].hProcess, &afloop);
        ::CloseHandle(processen[i].hThread);
        ::CloseHandle(processen[i].hProcess);
        if (gezocht[i].venster && afloop != 0) {
            Meld("a copy did not end with status 0 after Alt+F4");
            ++fouten;
        }
    }
    if (fouten > 0) {
        std::printf("0 passed, 1 failed\n");
        return 1;
    }
    std::printf("[  OK  ] two copies of Zegelaar.exe show their main windows and end on Alt+F4\n");
    std::printf("1 passed, 0 failed\n");
    return 0;
}
