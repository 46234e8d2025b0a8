#pragma once
// Pop-up menus: the tray menu, the grid menu, the pager's menu.
#include "toolkit/win32/WinApi.h"

namespace win32tk {
// Builds a menu of the visible items, tracks it for `owner` at screen point (x, y) and
// returns the chosen item (null when the menu was closed without a choice).
TMenuItem* TrackMenu(HWND owner, TPopupMenu& menu, int x, int y);
}  // namespace win32tk
