#pragma once
// The window classes of the application window and of the forms.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

inline constexpr const wchar_t* kApplicationClass = L"TarnwickApplication";
// Forms are dialog-manager windows (DLGWINDOWEXTRA, DefDlgProcW as default handling), so
// Tab order, the default button and focus saving behave as in any Windows dialog.
inline constexpr const wchar_t* kFormClass = L"TarnwickForm";

// Registers a window class unless this instance has it already (a second backend, or a
// second control of the kind, reuses it). The arrow is its cursor.
void RegisterClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style = 0,
                       int windowExtra = 0, HBRUSH background = nullptr);

// Registers both classes once per process; later calls (a second backend) reuse them.
void RegisterWindowClasses(HINSTANCE instance, WNDPROC applicationProc, WNDPROC formProc);

bool IsFormWindow(HWND window);

}  // namespace win32tk
