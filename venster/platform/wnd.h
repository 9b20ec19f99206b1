// A window object: the handle of a window that this object stands for, and the few window
// operations that the program's dialogs use, with narrow (ANSI code page) strings.
#pragma once

#include <windows.h>

#include <string>

// The layer's window operations take narrow strings and call the ANSI functions themselves;
// the system headers' renaming macros would otherwise rename these members too.
#undef GetDlgItemText
#undef GetWindowText
#undef SendMessage
#undef SetDlgItemText
#undef SetWindowText

#include "messagemap.h"

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const { return TextOf(m_hWnd); }
    void SetDlgItemText(int id, const std::string& text) {
        ::SetDlgItemTextA(m_hWnd, id, text.c_str());
    }
    std::string GetDlgItemText(int id) const { return TextOf(GetDlgItem(id)); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }

    // Destroys the window; the object stays and may get a window again.
    virtual BOOL DestroyWindow();

    // The text of any window, in the ANSI code page.
    static std::string TextOf(HWND window);

    // The window that should own a message box or a dialog: `start`, or the application's main
    // window when none is given, leaving child windows for their top-level parent; without a
    // start the last active popup of the main window is taken.
    static HWND GetSafeOwner(HWND start);

    HWND m_hWnd = nullptr;

  protected:
    // Called from a handler: the message still gets the system's default handling.
    void Default() { m_defaultRequested = true; }

    bool m_defaultRequested = false;
};
