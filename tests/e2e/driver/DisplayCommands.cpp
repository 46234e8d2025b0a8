// change-display <width> <height> [settle-ms]: changes the display's resolution with
// ChangeDisplaySettingsExW and reports the call's result, the screen metrics and the
// monitors afterwards, and whether a top-level window of the driver's own received
// WM_DISPLAYCHANGE within the settle time (default 2000 ms).
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

int displayChanges = 0;

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DISPLAYCHANGE) ++displayChanges;
  return DefWindowProcW(window, message, wParam, lParam);
}

BOOL CALLBACK ReportMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  const RECT& w = info.rcWork;
  Report("monitor=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) +
         " work=" + std::to_string(w.left) + "," + std::to_string(w.top) + "," +
         std::to_string(w.right) + "," + std::to_string(w.bottom));
  return TRUE;
}

int ChangeDisplay(const std::vector<std::wstring>& args) {
  if (args.size() != 2 && args.size() != 3) {
    Report("error=usage: change-display <width> <height> [settle-ms]");
    return kUsage;
  }
  auto width = ParseNumber(args[0]);
  auto height = ParseNumber(args[1]);
  auto settle = args.size() == 3 ? ParseNumber(args[2]) : std::optional<unsigned long>(2000);
  if (!width || !height || !settle) {
    Report("error=not a number");
    return kUsage;
  }

  // A hidden top-level window, as the program's own are, to hear the broadcast.
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ListenerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TwDisplayListener";
  RegisterClassW(&windowClass);
  HWND listener = CreateWindowExW(0, L"TwDisplayListener", L"", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!listener) return kFailure;

  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = static_cast<DWORD>(*width);
  mode.dmPelsHeight = static_cast<DWORD>(*height);
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
  Report("change-result=" + std::to_string(result));

  const DWORD end = GetTickCount() + static_cast<DWORD>(*settle);
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  DestroyWindow(listener);
  Report("driver-displaychange=" + std::to_string(displayChanges));
  Report("screen=" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYSCREEN)));
  Report("virtual-screen=" + std::to_string(GetSystemMetrics(SM_XVIRTUALSCREEN)) + "," +
         std::to_string(GetSystemMetrics(SM_YVIRTUALSCREEN)) + "," +
         std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "," +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)));
  EnumDisplayMonitors(nullptr, nullptr, ReportMonitor, 0);
  return result == DISP_CHANGE_SUCCESSFUL ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"change-display", ChangeDisplay);
