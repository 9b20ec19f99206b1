// Start-up and the application-wide services of the layer.
#include "app.h"

// After windows.h (through app.h), which it needs.
#include <commctrl.h>

#include <vector>

#include "wnd.h"

namespace {

// The layer's one piece of process state, as every window program has one application.
CWinApp* currentApp = nullptr;

std::string ModuleNameWithoutExtension(HINSTANCE instance) {
    std::vector<char> path(MAX_PATH + 1, '\0');
    const DWORD length = ::GetModuleFileNameA(instance, path.data(), MAX_PATH);
    std::string name(path.data(), length);
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

}  // namespace

CWinApp::CWinApp(const char* appName) {
    if (appName) {
        m_pszAppName = appName;
    }
    showMessageBox = [](HWND owner, const std::string& text, const std::string& caption,
                        UINT type) {
        return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    };
    showFileDialog = [](OPENFILENAMEA& request, bool open) {
        return open ? ::GetOpenFileNameA(&request) : ::GetSaveFileNameA(&request);
    };
    currentApp = this;
}

CWinApp::~CWinApp() {
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

const MessageMap* CWinApp::Map() {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

void CWinApp::Initialize(HINSTANCE instance) {
    m_hInstance = instance;
    if (m_pszAppName.empty()) {
        m_pszAppName = ModuleNameWithoutExtension(instance);
    }
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void CWinApp::OnHelp() {
    std::vector<char> path(MAX_PATH + 1, '\0');
    const DWORD length = ::GetModuleFileNameA(m_hInstance, path.data(), MAX_PATH);
    std::string helpFile(path.data(), length);
    const std::size_t dot = helpFile.find_last_of('.');
    if (dot != std::string::npos && helpFile.find_last_of("\\/") < dot) {
        helpFile.erase(dot);
    }
    helpFile += ".HLP";
    ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

void CWinApp::BeginWaitCursor() {
    HCURSOR wait = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514) /* IDC_WAIT */);
    HCURSOR before = ::SetCursor(wait);
    if (waitCount_++ == 0) {
        cursorBeforeWait_ = before;
    }
}

void CWinApp::EndWaitCursor() {
    if (waitCount_ == 0) {
        return;
    }
    if (--waitCount_ == 0) {
        ::SetCursor(cursorBeforeWait_ ? cursorBeforeWait_
                                      : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    }
}

CWinApp* AfxGetApp() {
    return currentApp;
}

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    return app->showMessageBox(CWnd::GetSafeOwner(nullptr), text, app->m_pszAppName, type);
}

std::string AfxLoadString(UINT id) {
    char text[1024] = {};
    const HINSTANCE instance = AfxGetApp() ? AfxGetApp()->m_hInstance : nullptr;
    const int length = ::LoadStringA(instance, id, text, static_cast<int>(sizeof text));
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return 1;
    }
    app->Initialize(instance);
    if (app->InitInstance()) {
        MSG message;
        while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return app->ExitInstance();
}
