#pragma once
// The interface of twhook.dll. Between StartHook and EndHook the library posts to the
// target window:
//   0x8000 (WM_APP)     wParam = a new top-level window, once, when it is first shown or
//                       activated, so its title and class can be read
//   0x8001 (WM_APP + 1) wParam = event code, lParam = the window: 5 activation, 1 minimize,
//                       maximize or restore, 4 destruction of a visible top-level window
// Windows of every process count, the target's own included. While the user drags a window
// with the snapping key held (0 none, 1 Shift, 2 Ctrl, 3 Alt), its edges snap to the work
// area's and to other windows' edges. Both calls return TRUE on success; calling either
// again is harmless (StartHook then only changes the target and the key).
#ifdef _WIN32
#include <windows.h>
extern "C" {
// Exported as _StartHook and _EndHook (cdecl) by the library's .def file.
__declspec(dllimport) BOOL _StartHook(HWND target, int snappingKey);
__declspec(dllimport) BOOL _EndHook();
}
#endif
