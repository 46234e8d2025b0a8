#pragma once
// Bringing a window to the foreground even when the system's foreground lock would
// refuse it (it refuses a process that does not own the foreground window).
#include "platform/Desktop.h"

// Attaches the target's input to the foreground thread, sets the foreground lock time-out
// to 0 for the moment of SetForegroundWindow, then restores both; asks once more if the
// window is still not in front. No result is reported.
void ForceForeground(Desktop& desktop, WindowHandle window);
