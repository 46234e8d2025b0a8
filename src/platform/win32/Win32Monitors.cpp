// Win32Desktop's monitors: every monitor's rectangle and work area.
#include <windows.h>

#include "platform/win32/Win32Desktop.h"

namespace {

TRect FromRect(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
          static_cast<int>(r.bottom)};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  // A monitor removed while the list is taken is left out.
  if (::GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<TMonitor>*>(list)->push_back(
        {FromRect(info.rcMonitor), FromRect(info.rcWork)});
  return TRUE;
}

}  // namespace

std::vector<TMonitor> Win32Desktop::EnumDisplayMonitors() {
  std::vector<TMonitor> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}
