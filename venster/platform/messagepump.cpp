// The one message pump of the layer outside the system's modal loops.
#include "messagepump.h"

void PumpWaitingMessages(HWND dialog) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog && ::IsDialogMessageA(dialog, &message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}
