// A program that keeps many hidden top-level windows alive (helpers, pre-built dialogs)
// and then shows a new window, as a busy application does.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

LRESULT CALLBACK BusyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// busy-program <hidden> <class> <title> [seconds]: creates <hidden> top-level windows that
// are never shown, then shows one window of <class> with <title>, and keeps them all until
// the time is up (default 30 s). Reports hidden=<n> and the shown window's line.
int BusyProgram(const std::vector<std::wstring>& args) {
  const auto hidden = ParseNumber(Arg(args, 0));
  const auto seconds = args.size() == 4 ? ParseNumber(args[3]) : ParseNumber(L"30");
  if (args.size() < 3 || args.size() > 4 || !hidden || !seconds) {
    Report("error=usage: busy-program <hidden> <class> <title> [seconds]");
    return kUsage;
  }
  const std::wstring hiddenClass = L"TwBusyHidden";
  if (!RegisterWindowClass(hiddenClass, BusyWindowProc) ||
      !RegisterWindowClass(args[1], BusyWindowProc))
    return kFailure;
  std::vector<HWND> windows;
  for (unsigned long i = 0; i < *hidden; ++i) {
    HWND window = CreateWindowExW(0, hiddenClass.c_str(), L"hidden", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) {
      Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()) + " after " +
             std::to_string(i));
      return kFailure;
    }
    windows.push_back(window);
  }
  Report("hidden=" + std::to_string(windows.size()));
  HWND shown = CreateWindowExW(0, args[1].c_str(), args[2].c_str(), WS_OVERLAPPEDWINDOW, 100, 100,
                               400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!shown) {
    Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  ShowWindow(shown, SW_SHOWNORMAL);
  UpdateWindow(shown);
  Report(DescribeWindow(shown));
  PumpFor(*seconds * 1000);
  DestroyWindow(shown);
  for (HWND window : windows) DestroyWindow(window);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"busy-program", BusyProgram);
