// The "Uitpakken" tab: choose a packed file or the first diskette piece of a cut one, see its
// kind, choose or accept the audit file's name, and unpack. The rules behind the buttons are
// the shared unpack action's.
#pragma once

#include <string>

#include "auditfilesoort.h"
#include "platform/propertysheet.h"

class CDialoogUitpakken : public CPropertyPage {
  public:
    CDialoogUitpakken();

  protected:
    void DoDataExchange(CDataExchange*) override {}
    BOOL OnInitDialog() override;

  private:
    void OnChangeBron();
    void OnBladerBron();
    void OnBladerDoel();
    void OnUitpakken();

    // The page values, apart from the pack page's; they live for the whole run.
    std::string gekozenBron;
    std::string gekozenDoel;
    const zegelaar::Auditfilesoort* gekozenSoort = nullptr;

    DECLARE_MESSAGE_MAP()
};
