// Setting up the main window and its system menu, and drawing it when minimised.
#include "dialooghoofd.h"

#include <iterator>
#include <string>

#include "bronnummers.h"
#include "dialoogover.h"
#include "platform/app.h"

CDialoogHoofd::CDialoogHoofd(CWnd* ouder)
    : CDialog(IDD_HOOFD, ouder),
      pictogram(::LoadIconA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(IDI_PROGRAMMA))) {}

const MessageMap* CDialoogHoofd::Map() {
    static const MessageMapEntry entries[] = {
        MapMessage(WM_SYSCOMMAND, &CDialoogHoofd::OnSysCommand),
        MapMessage(WM_PAINT, &CDialoogHoofd::OnPaint),
        MapMessage(WM_QUERYDRAGICON, &CDialoogHoofd::OnQueryDragIcon),
    };
    static const MessageMap map{CDialog::Map(), entries, std::size(entries)};
    return &map;
}

BOOL CDialoogHoofd::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU systeemmenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        const std::string over = AfxLoadString(IDS_OVER_ZEGELAAR);
        if (!over.empty()) {
            ::AppendMenuA(systeemmenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systeemmenu, MF_STRING, IDM_OVER, over.c_str());
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictogram));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictogram));

    tabbladen.AddPage(&paginaInpakken);
    tabbladen.AddPage(&paginaUitpakken);
    tabbladen.Create(this, WS_CHILD | WS_VISIBLE, 0);
    if (HWND blad = tabbladen.m_hWnd) {
        // Lets Tab and the mnemonics of the main window reach the controls on the pages.
        ::SetWindowLongPtrA(blad, GWL_EXSTYLE,
                            ::GetWindowLongPtrA(blad, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        ::SetWindowLongPtrA(blad, GWL_STYLE, ::GetWindowLongPtrA(blad, GWL_STYLE) | WS_TABSTOP);
    }
    return TRUE;
}

void CDialoogHoofd::OnSysCommand(UINT opdracht, LPARAM) {
    if ((opdracht & 0xFFF0) == IDM_OVER) {
        CDialoogOver over;
        over.DoModal();
    } else {
        Default();
    }
}

void CDialoogHoofd::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT verf;
    HDC dc = ::BeginPaint(m_hWnd, &verf);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int breedte = ::GetSystemMetrics(SM_CXICON);
    const int hoogte = ::GetSystemMetrics(SM_CYICON);
    RECT vlak;
    ::GetClientRect(m_hWnd, &vlak);
    const int x = (vlak.right - vlak.left - breedte + 1) / 2;
    const int y = (vlak.bottom - vlak.top - hoogte + 1) / 2;
    ::DrawIcon(dc, x, y, pictogram);
    ::EndPaint(m_hWnd, &verf);
}

HCURSOR CDialoogHoofd::OnQueryDragIcon() {
    return static_cast<HCURSOR>(pictogram);
}
