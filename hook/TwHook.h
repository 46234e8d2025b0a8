#pragma once
// The interface of twhook.dll. The library posts to the target window:
//   0x8000 (WM_APP)     wParam = a new top-level window
//   0x8001 (WM_APP + 1) wParam = event code (5 activate, 1 min/max/restore, 4 destroy),
//                       lParam = the window
#ifdef _WIN32
#include <windows.h>
extern "C" {
// Exported as _StartHook and _EndHook (cdecl) by the library's .def file.
__declspec(dllimport) BOOL _StartHook(HWND target, int snappingKey);
__declspec(dllimport) BOOL _EndHook();
}
#endif
