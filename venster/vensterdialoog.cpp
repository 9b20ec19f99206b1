// Each operation of the engines' dialogue as the Windows program shows it.
#include "vensterdialoog.h"

#include "platform/app.h"
#include "platform/wnd.h"

void Vensterdialoog::ToonMelding(const std::string& tekst) {
    AfxMessageBox(tekst, MB_OK | MB_ICONEXCLAMATION);
}

bool Vensterdialoog::VraagJaNee(const std::string& tekst) {
    return AfxMessageBox(tekst, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Vensterdialoog::ToonFout(const std::string& tekst, const std::string& titel) {
    CWinApp* app = AfxGetApp();
    HWND hoofdvenster = app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    app->showMessageBox(hoofdvenster, tekst, titel, MB_OK | MB_ICONERROR);
}

void Vensterdialoog::BeginWachtcursor() {
    AfxGetApp()->BeginWaitCursor();
}

void Vensterdialoog::EindigWachtcursor() {
    AfxGetApp()->EndWaitCursor();
}
