// Starts the real Zegelaar.exe, waits for its main window, closes it as Alt+F4 does and checks
// that the program ends. Usage: venster-rook <path of Zegelaar.exe>
#include <windows.h>

#include <cstdio>

namespace {

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

int Zak(const char* waarom) {
    std::printf("FAILED: %s\n0 passed, 1 failed\n", waarom);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Zak("no program given");
    }
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION proces{};
    char opdracht[MAX_PATH + 64];
    std::snprintf(opdracht, sizeof opdracht, "\"%s\" /genegeerd", argv[1]);
    if (!::CreateProcessA(nullptr, opdracht, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                          &proces)) {
        return Zak("program does not start");
    }
    Gezocht gezocht{proces.dwProcessId, nullptr};
    for (int poging = 0; poging < 600 && !gezocht.venster; ++poging) {
        ::Sleep(100);
        ::EnumWindows(Bekijk, reinterpret_cast<LPARAM>(&gezocht));
    }
    if (!gezocht.venster) {
        ::TerminateProcess(proces.hProcess, 1);
        return Zak("main window \"In- en uitpakken van Auditfiles\" not found within 60 s");
    }
    ::PostMessageA(gezocht.venster, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (::WaitForSingleObject(proces.hProcess, 30000) != WAIT_OBJECT_0) {
        ::TerminateProcess(proces.hProcess, 1);
        return Zak("program did not end after Alt+F4");
    }
    DWORD afloop = 1;
    ::GetExitCodeProcess(proces.hProcess, &afloop);
    ::CloseHandle(proces.hThread);
    ::CloseHandle(proces.hProcess);
    if (afloop != 0) {
        return Zak("program ended with a non-zero exit status");
    }
    std::printf("[  OK  ] Zegelaar.exe starts, shows its main window and ends on Alt+F4\n");
    std::printf("1 passed, 0 failed\n");
    return 0;
}
