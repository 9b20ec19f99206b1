// Building a child property sheet with the system's property sheet control.
#include "propertysheet.h"

#include <cstring>

#include "app.h"

namespace {

// The sheet's own buttons, which a sheet inside another window does not show.
constexpr int sheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021 /* Apply */};

// Where the style sits in a dialog template: at the start of a DLGTEMPLATE, after version,
// signature (0xFFFF), help id and extended style in a DLGTEMPLATEEX.
std::size_t StyleOffset(const void* dialogTemplate) {
    WORD signature = 0;
    std::memcpy(&signature, static_cast<const char*>(dialogTemplate) + 2, sizeof signature);
    return signature == 0xFFFF ? 12 : 0;
}

}  // namespace

CPropertyPage::~CPropertyPage() {
    if (m_hWnd) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
    }
}

PROPSHEETPAGEA CPropertyPage::Description() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = AfxGetApp()->m_hInstance;
    page.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        reinterpret_cast<CPropertyPage*>(page->lParam)->Bind(window);
    }
    auto* page = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!page) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
    }
    return page->HandleMessage(message, wParam, lParam);
}

// Turns the sheet's popup template into a child window's before the sheet is created.
int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam) {
        char* dialogTemplate = reinterpret_cast<char*>(lParam);
        const std::size_t offset = StyleOffset(dialogTemplate);
        DWORD style = 0;
        std::memcpy(&style, dialogTemplate + offset, sizeof style);
        style &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                     WS_VISIBLE | DS_CONTEXTHELP | WS_THICKFRAME);
        style |= WS_CHILD;
        std::memcpy(dialogTemplate + offset, &style, sizeof style);
    }
    return 0;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    std::vector<PROPSHEETPAGEA> descriptions;
    for (CPropertyPage* page : pages_) {
        descriptions.push_back(page->Description());
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags =
        PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = parent ? parent->m_hWnd : nullptr;
    header.hInstance = AfxGetApp()->m_hInstance;
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();
    header.pfnCallback = SheetCallback;
    m_hWnd = reinterpret_cast<HWND>(::PropertySheetA(&header));
    if (!m_hWnd || m_hWnd == reinterpret_cast<HWND>(-1)) {
        m_hWnd = nullptr;
        return FALSE;
    }
    DropButtonStrip();
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle);
    const LONG_PTR current = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (current & ~WS_VISIBLE) | (style & ~WS_VISIBLE));
    ::ShowWindow(m_hWnd, (style & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

HWND CPropertySheet::GetTabControl() const {
    return reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

// Hides and disables the buttons and ends the sheet just below the tab strip, keeping below it
// the margin the sheet keeps to its left.
void CPropertySheet::DropButtonStrip() {
    for (int id : sheetButtons) {
        if (HWND button = GetDlgItem(id)) {
            ::ShowWindow(button, SW_HIDE);
            ::EnableWindow(button, FALSE);
        }
    }
    RECT tabs{};
    ::GetWindowRect(GetTabControl(), &tabs);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&tabs), 2);
    RECT sheet{};
    ::GetWindowRect(m_hWnd, &sheet);
    const int height = tabs.bottom + tabs.left;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, sheet.right - sheet.left, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
