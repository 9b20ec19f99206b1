// Window operations shared by every dialog.
#include "wnd.h"

#include <vector>

#include "app.h"

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) {
        return FALSE;
    }
    return ::DestroyWindow(m_hWnd);
}

std::string CWnd::TextOf(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    ::GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data());
}

HWND CWnd::GetSafeOwner(HWND start) {
    HWND owner = start;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd) {
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }
    while (owner && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) {
        owner = ::GetParent(owner);
    }
    if (owner && !start) {
        owner = ::GetLastActivePopup(owner);
    }
    return owner;
}
