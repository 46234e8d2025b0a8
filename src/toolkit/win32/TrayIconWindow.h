#pragma once
// The notification-area icons of the program.
#include "toolkit/win32/WinApi.h"

class TTrayIcon;

namespace win32tk {

// Adds, changes or removes the icon as the object now says. Each shown icon has a hidden
// window of its own that receives the notification area's messages.
void UpdateTrayIconWindow(HINSTANCE instance, TTrayIcon& icon);

}  // namespace win32tk
