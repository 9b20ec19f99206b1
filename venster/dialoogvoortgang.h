// The modeless progress window of the engines: status line, percentage, bar and a "Sluiten"
// button that the engine enables at the end and then waits for. It keeps the program's windows
// alive by letting queued messages through at each step, while its owner stays disabled.
#pragma once

#include <cstdint>
#include <string>

// The layer first: it takes back the system headers' SetWindowText macro, which would rename
// the dialogue's operation of that name.
#include "platform/dialog.h"
#include "platform/progressctrl.h"

#include "gebruikersdialoog.h"

class CDialoogVoortgang : public CDialog, public zegelaar::Voortgangsvenster {
  public:
    // `titelTekstId` is the string shown as caption when the window opens; 0 means "Bezig...".
    explicit CDialoogVoortgang(std::uint32_t titelTekstId = 0);
    ~CDialoogVoortgang() override;

    // Disables the owner (the main window when none is given) and shows the window.
    bool Open(CWnd* eigenaar);
    bool Open() override { return Open(nullptr); }
    void ZetBereik(std::int32_t onder, std::int32_t boven) override;
    void SetWindowText(const std::string& tekst) override { CWnd::SetWindowText(tekst); }
    void ZetStatus(const std::string& tekst) override;
    std::int32_t ZetPositie(std::int32_t positie) override;
    void ActiveerSluiten() override;
    bool IsSluitenGekozen() override;
    void Sluit() override { DestroyWindow(); }

    // Sluit: enables the owner again if this object disabled it, then destroys the window.
    BOOL DestroyWindow() override;

    // The label text for a position: percent of the range, kept below 100 by a remainder
    // except for exactly 100; an empty range shows 0%.
    static std::string Procenttekst(std::int32_t positie, std::int32_t onder, std::int32_t boven);

  protected:
    void DoDataExchange(CDataExchange* uitwisseling) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { sluitenGekozen = 1; }

  private:
    CProgressCtrl voortgangsbalk;
    std::uint32_t titelTekstId;
    std::int32_t ondergrens = 0;
    std::int32_t bovengrens = 100;
    std::int32_t stapgrootte = 1;
    std::uint32_t sluitenGekozen = 0;
    std::uint32_t eigenaarUitgeschakeld = 0;
    HWND eigenaarVenster_ = nullptr;  // the window that Open disabled, not owned
};
