// A progress bar control, through its window messages.
#pragma once

#include "wnd.h"
// After windows.h (through wnd.h), which it needs.
#include <commctrl.h>

class CProgressCtrl : public CWnd {
  public:
    void SetRange(short lower, short upper) {
        SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
    }
    void SetRange32(int lower, int upper) {
        SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
    int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, step)); }
    // Returns the previous position.
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
};
