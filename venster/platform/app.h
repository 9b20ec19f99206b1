// The application object: start-up, the application's name, the main window, the wait cursor,
// message boxes, and the seams through which tests answer message boxes and file dialogs.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <functional>
#include <string>

#include "messagemap.h"

class CWnd;

// The standard help command.
inline constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
  public:
    // The one application object of the process; without a name the program file's name
    // without its extension is used.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start; FALSE ends the program without a message loop.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // Opens the help file beside the program (its path with ".HLP"); for ID_HELP rows.
    void OnHelp();

    // Busy pointer between the two, nesting; the layer's windows keep it while the mouse moves.
    void BeginWaitCursor();
    void EndWaitCursor();
    bool IsWaitCursorShown() const { return waitCount_ > 0; }

    // Sets instance handle and name; called once before InitInstance.
    void Initialize(HINSTANCE instance);

    // How message boxes and file dialogs are shown. They start as the system's own; a test
    // replaces them to answer without a person at the screen.
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>
        showMessageBox;
    std::function<BOOL(OPENFILENAMEA& request, bool open)> showFileDialog;

    HINSTANCE m_hInstance = nullptr;
    std::string m_pszAppName;
    CWnd* m_pMainWnd = nullptr;

    DECLARE_MESSAGE_MAP()

  private:
    int waitCount_ = 0;
    HCURSOR cursorBeforeWait_ = nullptr;
};

// The application object that was constructed last and still exists.
CWinApp* AfxGetApp();

// A message box owned by the main window with the application's name as caption.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// A string of the program's string table; empty when there is none.
std::string AfxLoadString(UINT id);

// Start-up of a window program: initialises the application and runs InitInstance.
int AfxWinMain(HINSTANCE instance);

// No dialog of the program hosts an ActiveX control and the system draws controls in 3-D
// itself, so these two ask nothing of the layer; they exist so start-up reads as designed.
inline void AfxEnableControlContainer() {}
inline BOOL Enable3dControlsStatic() {
    return TRUE;
}

// Busy pointer for the lifetime of the object.
class CWaitCursor {
  public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
