// The progress window's operations, in the order an engine calls them.
#include "dialoogvoortgang.h"

#include <cstdio>

#include "bronnummers.h"
#include "platform/app.h"
#include "platform/messagepump.h"

CDialoogVoortgang::CDialoogVoortgang(std::uint32_t titelTekstId)
    : titelTekstId(titelTekstId != 0 ? titelTekstId : IDS_BEZIG) {}

CDialoogVoortgang::~CDialoogVoortgang() {
    if (m_hWnd) {
        Sluit();
    }
}

bool CDialoogVoortgang::Open(CWnd* eigenaar) {
    HWND owner = GetSafeOwner(eigenaar ? eigenaar->m_hWnd : nullptr);
    m_pParentWnd = nullptr;
    eigenaarUitgeschakeld = 0;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        eigenaarUitgeschakeld = 1;
    }
    eigenaarVenster_ = owner;
    if (!Create(IDD_VOORTGANG, eigenaar)) {
        if (eigenaarUitgeschakeld) {
            ::EnableWindow(owner, TRUE);
        }
        eigenaarUitgeschakeld = 0;
        return false;
    }
    return true;
}

void CDialoogVoortgang::DoDataExchange(CDataExchange* uitwisseling) {
    CDialog::DoDataExchange(uitwisseling);
    DDX_Control(uitwisseling, IDC_VOORTGANGSBALK, voortgangsbalk);
}

BOOL CDialoogVoortgang::OnInitDialog() {
    CDialog::OnInitDialog();
    voortgangsbalk.SetRange(static_cast<short>(ondergrens), static_cast<short>(bovengrens));
    voortgangsbalk.SetStep(stapgrootte);
    voortgangsbalk.SetPos(ondergrens);
    CWnd::SetWindowText(AfxLoadString(titelTekstId));
    return TRUE;
}

void CDialoogVoortgang::ZetBereik(std::int32_t onder, std::int32_t boven) {
    ondergrens = onder;
    bovengrens = boven;
    voortgangsbalk.SetRange32(onder, boven);
}

void CDialoogVoortgang::ZetStatus(const std::string& tekst) {
    SetDlgItemText(IDC_STATUS, tekst);
}

std::string CDialoogVoortgang::Procenttekst(std::int32_t positie, std::int32_t onder,
                                            std::int32_t boven) {
    std::int32_t procent = 0;
    if (boven != onder) {
        // Wide enough for any pair of 32-bit values; the result is what 32 bits hold.
        const std::int64_t teller = (static_cast<std::int64_t>(positie) - onder) * 100;
        procent = static_cast<std::int32_t>(teller / (static_cast<std::int64_t>(boven) - onder));
    }
    if (procent != 100) {
        procent %= 100;
    }
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%d%c", static_cast<int>(procent), '%');
    return tekst;
}

std::int32_t CDialoogVoortgang::ZetPositie(std::int32_t positie) {
    PumpWaitingMessages(m_hWnd);
    if (!m_hWnd) {
        return 0;
    }
    const std::int32_t vorige = voortgangsbalk.SetPos(positie);
    const std::string tekst = Procenttekst(positie, ondergrens, bovengrens);
    // Rewriting an unchanged label would only make it flicker.
    if (GetDlgItemText(IDC_PROCENT) != tekst) {
        SetDlgItemText(IDC_PROCENT, tekst);
    }
    return vorige;
}

void CDialoogVoortgang::ActiveerSluiten() {
    ::EnableWindow(GetDlgItem(IDCANCEL), TRUE);
}

bool CDialoogVoortgang::IsSluitenGekozen() {
    PumpWaitingMessages(m_hWnd);
    const bool gekozen = sluitenGekozen != 0;
    sluitenGekozen = 0;
    return gekozen;
}

BOOL CDialoogVoortgang::DestroyWindow() {
    if (eigenaarUitgeschakeld && eigenaarVenster_) {
        ::EnableWindow(eigenaarVenster_, TRUE);
    }
    eigenaarUitgeschakeld = 0;
    return CDialog::DestroyWindow();
}
