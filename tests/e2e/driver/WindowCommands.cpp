// Commands about windows: what a process shows (and hides), what its controls hold, and
// a plain window of our own for the program to act on.
#include <windows.h>

#include <algorithm>
#include <set>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

std::set<DWORD> ReportedProcessIds(std::wstring_view image) {
  std::set<DWORD> pids;
  for (const auto& p : FindProcesses(image)) {
    Report("process pid=" + std::to_string(p.pid) + " image=" + Quote(p.image));
    pids.insert(p.pid);
  }
  return pids;
}

std::vector<HWND> WindowsOf(const std::set<DWORD>& pids) {
  std::vector<HWND> windows = TopLevelWindows();
  std::erase_if(windows, [&](HWND w) { return !pids.contains(ProcessOfWindow(w)); });
  return windows;
}

// windows-of-process <image|*>
int WindowsOfProcess(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: windows-of-process <image|*>");
    return kUsage;
  }
  const auto pids = ReportedProcessIds(args[0]);
  size_t visible = 0, buttons = 0;
  const auto windows = WindowsOf(pids);
  for (HWND window : windows) {
    Report(DescribeWindow(window));
    if (IsWindowVisible(window)) ++visible;
    if (HasTaskbarButton(window)) ++buttons;
  }
  Report("processes=" + std::to_string(pids.size()));
  Report("windows=" + std::to_string(windows.size()));
  Report("visible-windows=" + std::to_string(visible));
  Report("taskbar-buttons=" + std::to_string(buttons));
  return pids.empty() ? kNo : kYes;
}

// find-edit-text <image> <text>: edit controls anywhere in the process's windows, shown or
// not, whose whole text equals <text>.
int FindEditText(const std::vector<std::wstring>& args) {
  if (args.size() != 2) {
    Report("error=usage: find-edit-text <image> <text>");
    return kUsage;
  }
  const auto pids = ReportedProcessIds(args[0]);
  size_t edits = 0, matches = 0;
  for (HWND top : WindowsOf(pids)) {
    for (HWND child : ChildWindows(top)) {
      if (!SameTextIgnoringCase(ClassOf(child), L"Edit")) continue;
      const std::wstring text = TextByMessage(child);
      ++edits;
      const bool match = text == args[1];
      if (match) ++matches;
      Report("edit hwnd=" + HexHandle(child) + " top=" + HexHandle(top) +
             " id=" + std::to_string(GetDlgCtrlID(child)) +
             " visible=" + (IsWindowVisible(child) ? "1" : "0") + " match=" + (match ? "1" : "0") +
             " text=" + Quote(text));
    }
  }
  Report("edits=" + std::to_string(edits));
  Report("matches=" + std::to_string(matches));
  return matches > 0 ? kYes : kNo;
}

// find-window <class|*> [title]: top-level windows of any process by exact class and title.
int FindWindowCommand(const std::vector<std::wstring>& args) {
  if (args.empty() || args.size() > 2) {
    Report("error=usage: find-window <class|*> [title]");
    return kUsage;
  }
  size_t matches = 0;
  for (HWND window : TopLevelWindows()) {
    if (args[0] != L"*" && ClassOf(window) != args[0]) continue;
    if (args.size() == 2 && TitleOf(window) != args[1]) continue;
    Report(DescribeWindow(window));
    ++matches;
  }
  Report("matches=" + std::to_string(matches));
  return matches > 0 ? kYes : kNo;
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

// open-window <class> <title> [seconds [exstyle]]: an ordinary application window (or, with
// an extended style, e.g. 0x80, another kind) that stays until the time is up or someone
// closes it.
int OpenWindow(const std::vector<std::wstring>& args) {
  if (args.size() < 2 || args.size() > 4) {
    Report("error=usage: open-window <class> <title> [seconds [exstyle]]");
    return kUsage;
  }
  unsigned long seconds = 30;
  unsigned long exstyle = 0;
  for (size_t i = 2; i < args.size(); ++i) {
    auto parsed = ParseNumber(args[i]);
    if (!parsed) {
      Report("error=not a number: " + Quote(args[i]));
      return kUsage;
    }
    (i == 2 ? seconds : exstyle) = *parsed;
  }
  if (!RegisterWindowClass(args[0], PlainWindowProc)) return kFailure;
  HWND window =
      CreateWindowExW(exstyle, args[0].c_str(), args[1].c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 400,
                      300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) {
    Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  Report(DescribeWindow(window));

  const UINT_PTR timer = SetTimer(nullptr, 0, seconds * 1000, nullptr);
  bool closed = false;
  MSG message;
  while (true) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      closed = true;
      break;
    }
    if (got == -1) break;
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == timer) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Report(std::string("closed=") + (closed ? "1" : "0"));
  if (!closed) DestroyWindow(window);
  return kYes;
}

// taskbar-buttons [image]: the buttons the virtual desktop's task bar shows. Wine's task bar
// keeps one button per top-level window, a child with the window's handle as its id, and
// shows it while it counts the window as needing one.
int TaskbarButtons(const std::vector<std::wstring>& args) {
  if (args.size() > 1) {
    Report("error=usage: taskbar-buttons [image]");
    return kUsage;
  }
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (tray == nullptr) {
    Report("error=no task bar (is the virtual desktop running?)");
    return kFailure;
  }
  std::set<DWORD> pids;
  if (!args.empty()) {
    for (const auto& p : FindProcesses(args[0])) pids.insert(p.pid);
  }
  size_t shown = 0;
  for (HWND button : ChildWindows(tray)) {
    if (!SameTextIgnoringCase(ClassOf(button), L"Button") || !IsWindowVisible(button)) continue;
    auto window = reinterpret_cast<HWND>(GetWindowLongPtrW(button, GWLP_ID));
    if (window == nullptr) continue;  // the start button
    if (!args.empty() && !pids.contains(ProcessOfWindow(window))) continue;
    Report("button hwnd=" + HexHandle(button) + " for " + DescribeWindow(window));
    ++shown;
  }
  Report("taskbar-buttons=" + std::to_string(shown));
  return shown > 0 ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"taskbar-buttons", TaskbarButtons);
TW_DRIVER_COMMAND(L"windows-of-process", WindowsOfProcess);
TW_DRIVER_COMMAND(L"find-edit-text", FindEditText);
TW_DRIVER_COMMAND(L"find-window", FindWindowCommand);
TW_DRIVER_COMMAND(L"open-window", OpenWindow);
