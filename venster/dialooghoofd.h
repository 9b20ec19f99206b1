// The main window: the sheet with the pack and unpack tabs, the program icon, the about item of
// the system menu and "Sluiten", which ends the program.
#pragma once

#include "dialooginpakken.h"
#include "dialooguitpakken.h"
#include "platform/dialog.h"
#include "platform/propertysheet.h"

class CDialoogHoofd : public CDialog {
  public:
    explicit CDialoogHoofd(CWnd* ouder = nullptr);

  protected:
    BOOL OnInitDialog() override;

  private:
    void OnSysCommand(UINT opdracht, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    HICON pictogram;  // shared resource icon, never destroyed
    CPropertySheet tabbladen;
    CDialoogInpakken paginaInpakken;
    CDialoogUitpakken paginaUitpakken;

    DECLARE_MESSAGE_MAP()
};
