#pragma once
// Calls that change another thread's window wait until that thread has handled the
// messages they send. One program that stops answering would then freeze every hot key,
// the pager and the tray. Such calls first ask whether the window answers at all.
#include <windows.h>

// True for the program's own windows, and for another thread's window that answers a
// harmless message within a short time.
bool WindowAnswers(HWND window);
