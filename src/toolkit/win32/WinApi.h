#pragma once
// The one way win32 toolkit files reach the Windows headers.
//
// The portable headers come first on purpose: Desktop.h names constants such as GWL_STYLE
// that <windows.h> defines as macros, and the toolkit's MessageBox members would be
// renamed by the MessageBox macro. Including them before <windows.h> and dropping that
// macro afterwards keeps both usable in one translation unit; call ::MessageBoxW.
// clang-format off
#include "platform/Desktop.h"
#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

#include <windows.h>
#include <commctrl.h>
// clang-format on

#undef MessageBox
