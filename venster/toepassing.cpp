// Start-up of the program.
#include "toepassing.h"

#include <iterator>

#include "dialooghoofd.h"

const MessageMap* CToepassing::Map() {
    static const MessageMapEntry entries[] = {
        MapCommand(0, ID_HELP, &CWinApp::OnHelp),
    };
    static const MessageMap map{CWinApp::Map(), entries, std::size(entries)};
    return &map;
}

BOOL CToepassing::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    CDialoogHoofd hoofdvenster;
    m_pMainWnd = &hoofdvenster;
    hoofdvenster.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
