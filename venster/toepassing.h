// The application object: shows the main window modally and ends the program when it closes.
#pragma once

#include "platform/app.h"

class CToepassing : public CWinApp {
  public:
    CToepassing() = default;

    // Runs the main window and returns FALSE, so the program ends with it.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
