// The about box: program icon, version, the kinds of audit file this version handles and the
// maker's lines.
#pragma once

#include "platform/dialog.h"

class CDialoogOver : public CDialog {
  public:
    CDialoogOver();

  protected:
    void DoDataExchange(CDataExchange* uitwisseling) override;
};
