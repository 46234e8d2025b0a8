#pragma once
// The window classes of the application window and of the forms.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

inline constexpr const wchar_t* kApplicationClass = L"TarnwickApplication";
// Forms are dialog-manager windows (DLGWINDOWEXTRA, DefDlgProcW as default handling), so
// Tab order, the default button and focus saving behave as in any Windows dialog.
inline constexpr const wchar_t* kFormClass = L"TarnwickForm";

// Registers both classes once per process; later calls (a second backend) reuse them.
void RegisterWindowClasses(HINSTANCE instance, WNDPROC applicationProc, WNDPROC formProc);

bool IsFormWindow(HWND window);

}  // namespace win32tk
