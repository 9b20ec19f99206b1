// The "Inpakken" tab: choose an audit file, see its kind, choose or accept the packed file's
// name, tick whether it is packed for sending, and pack. The rules behind the buttons are the
// shared pack action's.
#pragma once

#include <string>

#include "auditfilesoort.h"
#include "platform/propertysheet.h"

class CDialoogInpakken : public CPropertyPage {
  public:
    CDialoogInpakken();

  protected:
    void DoDataExchange(CDataExchange*) override {}
    BOOL OnInitDialog() override;

  private:
    void OnChangeBron();
    void OnBladerBron();
    void OnBladerDoel();
    void OnInpakken();
    void OnVoorVerzending();
    bool IsVoorVerzending() const;

    // The page values; the page object lives as long as the main window, for the whole run.
    std::string gekozenBron;
    std::string gekozenDoel;
    const zegelaar::Auditfilesoort* gekozenSoort = nullptr;

    DECLARE_MESSAGE_MAP()
};
