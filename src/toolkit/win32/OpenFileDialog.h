#pragma once
// The system's file-open dialog.
#include "toolkit/win32/WinApi.h"

class TOpenDialog;

namespace win32tk {
// Runs the dialog owned by `owner`; on a choice stores the full path and returns true.
bool RunOpenFileDialog(HWND owner, TOpenDialog& dialog);
}  // namespace win32tk
