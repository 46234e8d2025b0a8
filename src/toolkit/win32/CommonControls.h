#pragma once
// The common controls library, loaded when the first control that needs it is made rather
// than imported: a program that shows no dialog never maps it. With the manifest's
// dependency on version 6, the process's activation context makes the load pick that one.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

// Loads the library and registers its control classes; later calls only answer. False:
// it could not be loaded, and controls fall back to the system's own classes.
bool LoadCommonControls();

// The library's subclassing calls; each loads the library first.
BOOL SubclassControl(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL RemoveControlSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
LRESULT DefaultSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win32tk
