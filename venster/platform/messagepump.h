// Letting the thread's queued messages through without waiting, for work that runs inside a
// message handler and must keep the windows alive.
#pragma once

#include <windows.h>

// Removes and handles every queued message of the thread, offering each first to the keyboard
// handling of `dialog`; returns when the queue is empty.
void PumpWaitingMessages(HWND dialog);
