// The dialog procedure and the default behaviour of dialogs.
#include "dialog.h"

#include <iterator>

#include "app.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    control.m_hWnd = exchange->m_pDlgWnd->GetDlgItem(id);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_nIDTemplate(templateId) {}

CDialog::~CDialog() {
    if (m_hWnd) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

const MessageMap* CDialog::Map() {
    static const MessageMapEntry entries[] = {
        MapCommand(0, IDOK, &CDialog::OnOK),
        MapCommand(0, IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageMap map{nullptr, entries, std::size(entries)};
    return &map;
}

INT_PTR CDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && app->m_pMainWnd != this) {
        owner = GetSafeOwner(nullptr);
    }
    modal_ = true;
    const INT_PTR result = ::DialogBoxParamA(app->m_hInstance, MAKEINTRESOURCEA(m_nIDTemplate),
                                             owner, DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    CWinApp* app = AfxGetApp();
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    HWND owner = parent ? parent->m_hWnd : (app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr);
    modal_ = false;
    HWND window = ::CreateDialogParamA(app->m_hInstance, MAKEINTRESOURCEA(templateId), owner,
                                       DialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange{saveAndValidate, this};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    if (modal_) {
        ::EndDialog(m_hWnd, result);
    } else {
        DestroyWindow();
    }
}

void CDialog::Bind(HWND window) {
    m_hWnd = window;
    ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

// A top-level dialog whose template leaves its place open appears centred over its owner,
// or over the screen's work area when it has none.
void CDialog::CenterOnOwner() {
    if (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CHILD) {
        return;
    }
    RECT area{};
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    ::GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CenterOnOwner();
        return OnInitDialog();
    }
    if (message == WM_NCDESTROY) {
        m_hWnd = nullptr;
        return FALSE;
    }
    if (message == WM_SETCURSOR && AfxGetApp() && AfxGetApp()->IsWaitCursorShown()) {
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514) /* IDC_WAIT */));
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    m_defaultRequested = false;
    INT_PTR result = 0;
    bool handled = Dispatch(message, wParam, lParam, result);
    if (!handled && message == WM_COMMAND && AfxGetApp()) {
        handled = AfxGetApp()->Dispatch(message, wParam, lParam, result);
    }
    if (!handled || m_defaultRequested) {
        return FALSE;
    }
    if (message == WM_QUERYDRAGICON) {
        return result;
    }
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, 0);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<CDialog*>(lParam)->Bind(window);
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
    }
    return dialog->HandleMessage(message, wParam, lParam);
}
