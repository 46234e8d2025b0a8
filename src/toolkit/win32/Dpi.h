#pragma once
// The DPI of a window's monitor and the metrics at a DPI. The calls that know about DPI
// per monitor (Windows 10 1607 and later) are looked up at run time; without them the
// program runs at the system's DPI, which the screen's device context reports.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

// The system's DPI (LOGPIXELSY of the screen).
int SystemDpi();
// The DPI the window is shown at; the system's where that cannot be asked.
int WindowDpi(HWND window);
// AdjustWindowRectEx with the frame's metrics at `dpi`.
void AdjustRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// GetSystemMetrics at `dpi`.
int MetricForDpi(int index, int dpi);

}  // namespace win32tk
