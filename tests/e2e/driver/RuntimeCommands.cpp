// Commands for the program's resident work: reading and arranging other programs' windows,
// pressing hot keys as key strokes, and timing what the program does in answer (a window
// brought to the front, every window moved to another frame).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

RECT Shifted(RECT r, long dx, long dy) {
  OffsetRect(&r, static_cast<int>(dx), static_cast<int>(dy));
  return r;
}

// Makes a window of another process the foreground window, as a click on it would: the
// foreground lock lets only the foreground thread hand the activation on, so the driver
// shares its input state for the call.
bool BringToFront(HWND window, DWORD milliseconds) {
  const DWORD ours = GetCurrentThreadId();
  const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const bool attached = front != 0 && front != ours && AttachThreadInput(ours, front, TRUE);
  SetForegroundWindow(window);
  BringWindowToTop(window);
  if (attached) AttachThreadInput(ours, front, FALSE);
  return PollUntil(milliseconds, [&] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

std::string ForegroundFacts(HWND foreground) {
  return "foreground=" + HexHandle(foreground) + " class=" + Quote(ClassOf(foreground)) +
         " title=" + Quote(TitleOf(foreground));
}

// window-state <hwnd>...: for each window one line "state ..." and keyed lines
// rect.<hwnd>=l,t,r,b, maximized.<hwnd>, exstyle.<hwnd>, layered.<hwnd> and alpha.<hwnd>
// (the alpha of a layered window, "-" when it has none). Exit 0 when every window exists.
int WindowState(const std::vector<std::wstring>& args) {
  if (args.empty()) {
    Report("error=usage: window-state <hwnd>...");
    return kUsage;
  }
  bool all = true;
  const HWND foreground = GetForegroundWindow();
  for (const auto& arg : args) {
    auto window = ParseWindow(arg);
    if (!window) {
      Report("error=not a window handle: " + Quote(arg));
      return kUsage;
    }
    const std::string key = HexHandle(*window);
    if (!IsWindow(*window)) {
      Report("state hwnd=" + key + " exists=0");
      all = false;
      continue;
    }
    RECT rect{};
    GetWindowRect(*window, &rect);
    const auto exstyle = static_cast<DWORD>(GetWindowLongPtrW(*window, GWL_EXSTYLE));
    const bool layered = (exstyle & WS_EX_LAYERED) != 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF colorKey = 0;
    const bool hasAlpha = layered &&
                          GetLayeredWindowAttributes(*window, &colorKey, &alpha, &flags) &&
                          (flags & LWA_ALPHA);
    const std::string alphaText = hasAlpha ? std::to_string(alpha) : "-";
    Report("state hwnd=" + key + " exists=1 rect=" + RectText(rect) + " maximized=" +
           (IsZoomed(*window) ? "1" : "0") + " minimized=" + (IsIconic(*window) ? "1" : "0") +
           " exstyle=" + Hex(exstyle) + " layered=" + (layered ? "1" : "0") +
           " alpha=" + alphaText + " foreground=" + (*window == foreground ? "1" : "0") +
           " class=" + Quote(ClassOf(*window)) + " title=" + Quote(TitleOf(*window)));
    Report("rect." + key + "=" + RectText(rect));
    Report("maximized." + key + "=" + (IsZoomed(*window) ? "1" : "0"));
    Report("exstyle." + key + "=" + Hex(exstyle));
    Report("layered." + key + "=" + (layered ? "1" : "0"));
    Report("alpha." + key + "=" + alphaText);
  }
  return all ? kYes : kNo;
}

// foreground: the foreground window. Exit 1 when there is none.
int Foreground(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: foreground");
    return kUsage;
  }
  const HWND foreground = GetForegroundWindow();
  Report("foreground=" + HexHandle(foreground));
  if (!foreground) return kNo;
  Report("foreground-class=" + Quote(ClassOf(foreground)));
  Report(DescribeWindow(foreground));
  return kYes;
}

// activate <hwnd> [timeout-ms]: brings the window to the front; exit 0 once it is the
// foreground window.
int Activate(const std::vector<std::wstring>& args) {
  auto window = args.empty() ? std::nullopt : ParseWindow(args[0]);
  auto timeout = args.size() == 2 ? ParseNumber(args[1]) : ParseNumber(L"3000");
  if (!window || !timeout || args.size() > 2) {
    Report("error=usage: activate <hwnd> [timeout-ms]");
    return kUsage;
  }
  const bool done = BringToFront(*window, *timeout);
  Report(ForegroundFacts(GetForegroundWindow()));
  Report(std::string("activated=") + (done ? "1" : "0"));
  return done ? kYes : kNo;
}

// move-window <hwnd> <x> <y> <width> <height>: moves another program's window, as its
// user would; exit 0 when the rectangle reads back.
int MoveWindowCommand(const std::vector<std::wstring>& args) {
  if (args.size() != 5) {
    Report("error=usage: move-window <hwnd> <x> <y> <width> <height>");
    return kUsage;
  }
  auto window = ParseWindow(args[0]);
  auto x = ParseSigned(args[1]), y = ParseSigned(args[2]);
  auto width = ParseSigned(args[3]), height = ParseSigned(args[4]);
  if (!window || !x || !y || !width || !height) {
    Report("error=usage: move-window <hwnd> <x> <y> <width> <height>");
    return kUsage;
  }
  SetWindowPos(*window, nullptr, static_cast<int>(*x), static_cast<int>(*y),
               static_cast<int>(*width), static_cast<int>(*height), SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT wanted{*x, *y, *x + *width, *y + *height};
  RECT rect{};
  const bool placed =
      PollUntil(2000, [&] { return GetWindowRect(*window, &rect) && SameRect(rect, wanted); });
  Report("rect=" + RectText(rect));
  Report(std::string("placed=") + (placed ? "1" : "0"));
  return placed ? kYes : kNo;
}

// show-window <hwnd> <maximize|minimize|restore>: exit 0 once the window is in that state.
int ShowWindowCommand(const std::vector<std::wstring>& args) {
  auto window = ParseWindow(Arg(args, 0));
  int command = -1;
  if (args.size() == 2) {
    if (args[1] == L"maximize") command = SW_MAXIMIZE;
    if (args[1] == L"minimize") command = SW_MINIMIZE;
    if (args[1] == L"restore") command = SW_RESTORE;
  }
  if (args.size() != 2 || !window || command < 0) {
    Report("error=usage: show-window <hwnd> <maximize|minimize|restore>");
    return kUsage;
  }
  // Async: the window's own thread does the work, as for a click on its caption button.
  ShowWindowAsync(*window, command);
  const bool done = PollUntil(3000, [&] {
    switch (command) {
      case SW_MAXIMIZE:
        return IsZoomed(*window) != FALSE;
      case SW_MINIMIZE:
        return IsIconic(*window) != FALSE;
      default:
        return !IsZoomed(*window) && !IsIconic(*window);
    }
  });
  Report(DescribeWindow(*window));
  Report(std::string("shown=") + (done ? "1" : "0"));
  return done ? kYes : kNo;
}

// press-hotkey <modifiers> <vk>: the combination as key strokes (modifiers as for
// RegisterHotKey: 1 Alt, 2 Ctrl, 4 Shift).
int PressHotKey(const std::vector<std::wstring>& args) {
  auto combination = ParseCombination(Arg(args, 0), Arg(args, 1));
  if (args.size() != 2 || !combination) {
    Report("error=usage: press-hotkey <modifiers> <vk>");
    return kUsage;
  }
  Report("before " + ForegroundFacts(GetForegroundWindow()));
  if (!Press(*combination)) return kFailure;
  Report("pressed=1");
  return kYes;
}

// press-and-watch <modifiers> <vk> <presses> <timeout-ms>: presses the combination again
// and again; after each press waits until the foreground window changes (at most the
// time-out), lets it settle and reports "press=N ... changed=0|1" with the window now in
// front. Exit 0 when every press changed the foreground window.
int PressAndWatch(const std::vector<std::wstring>& args) {
  auto combination = ParseCombination(Arg(args, 0), Arg(args, 1));
  auto presses = ParseNumber(Arg(args, 2));
  auto timeout = ParseNumber(Arg(args, 3));
  if (args.size() != 4 || !combination || !presses || !timeout || *presses == 0) {
    Report("error=usage: press-and-watch <modifiers> <vk> <presses> <timeout-ms>");
    return kUsage;
  }
  bool everyChanged = true;
  Report("start " + ForegroundFacts(GetForegroundWindow()));
  for (unsigned long n = 1; n <= *presses; ++n) {
    const HWND before = GetForegroundWindow();
    const double pressed = NowMs();
    if (!Press(*combination)) return kFailure;
    const bool changed = PollUntil(*timeout, [&] {
      HWND now = GetForegroundWindow();
      return now != nullptr && now != before;
    });
    const double ms = NowMs() - pressed;
    // A second activation in answer to the same press would show within this time.
    PumpFor(300);
    const HWND after = GetForegroundWindow();
    Report("press=" + std::to_string(n) + " " + ForegroundFacts(after) +
           " changed=" + (changed ? "1" : "0") + " ms=" + Ms(ms));
    Report("press" + std::to_string(n) + "=" + HexHandle(after));
    if (!changed) everyChanged = false;
  }
  return everyChanged ? kYes : kNo;
}

// foreground-latency <modifiers> <vk> <rounds> <away-hwnd> <class> [timeout-ms]: each
// round brings <away-hwnd> to the front, presses the combination and measures until a
// window of <class> is the foreground window. Reports every round, then median, minimum
// and maximum in milliseconds. Exit 0 when every round reached it.
int ForegroundLatency(const std::vector<std::wstring>& args) {
  auto combination = ParseCombination(Arg(args, 0), Arg(args, 1));
  auto rounds = ParseNumber(Arg(args, 2));
  auto away = ParseWindow(Arg(args, 3));
  auto timeout = args.size() == 6 ? ParseNumber(args[5]) : ParseNumber(L"5000");
  if (args.size() < 5 || args.size() > 6 || !combination || !rounds || *rounds == 0 || !away ||
      !timeout) {
    Report(
        "error=usage: foreground-latency <modifiers> <vk> <rounds> <away-hwnd> <class> "
        "[timeout-ms]");
    return kUsage;
  }
  const std::wstring& wanted = args[4];
  std::vector<double> times;
  for (unsigned long n = 1; n <= *rounds; ++n) {
    if (!BringToFront(*away, 3000)) {
      Report("error=round " + std::to_string(n) + ": the other window did not come to the front");
      return kFailure;
    }
    // The program hears of the activation through the hook; let that settle first, so
    // the press is measured on its own.
    PumpFor(150);
    const double pressed = NowMs();
    if (!Press(*combination)) return kFailure;
    HWND reached = nullptr;
    const bool done = PollUntil(*timeout, [&] {
      HWND now = GetForegroundWindow();
      if (now == nullptr || ClassOf(now) != wanted) return false;
      reached = now;
      return true;
    });
    const double ms = NowMs() - pressed;
    Report("round=" + std::to_string(n) + " reached=" + (done ? "1" : "0") + " ms=" + Ms(ms) + " " +
           ForegroundFacts(reached ? reached : GetForegroundWindow()));
    if (!done) return kNo;
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  const size_t middle = times.size() / 2;
  const double median =
      times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2.0;
  Report("rounds=" + std::to_string(times.size()));
  Report("median-ms=" + Ms(median));
  Report("min-ms=" + Ms(times.front()));
  Report("max-ms=" + Ms(times.back()));
  return kYes;
}

LRESULT CALLBACK ManyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// open-windows <class> <count> <seconds>: <count> ordinary application windows of one
// class in one thread, 240x160 each, spread over the screen, for <seconds>.
int OpenWindows(const std::vector<std::wstring>& args) {
  auto count = ParseNumber(Arg(args, 1));
  auto seconds = ParseNumber(Arg(args, 2));
  if (args.size() != 3 || !count || !seconds || *count == 0 || *count > 500) {
    Report("error=usage: open-windows <class> <count 1-500> <seconds>");
    return kUsage;
  }
  if (!RegisterWindowClass(args[0], ManyWindowProc)) return kFailure;
  std::vector<HWND> windows;
  for (unsigned long i = 0; i < *count; ++i) {
    // Ten columns, rows 60 pixels apart: all inside the 1024x768 screen.
    const int x = static_cast<int>(i % 10) * 70 + 10;
    const int y = static_cast<int>((i / 10) % 9) * 60 + 10;
    const std::wstring title = args[0] + L" " + std::to_wstring(i);
    HWND window = CreateWindowExW(0, args[0].c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, x, y, 240,
                                  160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) {
      Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
      return kFailure;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    windows.push_back(window);
  }
  for (HWND window : windows) Report(DescribeWindow(window));
  Report("opened=" + std::to_string(windows.size()));
  PumpFor(*seconds * 1000);
  for (HWND window : windows) DestroyWindow(window);
  Report("closed=1");
  return kYes;
}

// frame-switch-time <modifiers> <vk> <dx> <dy> <timeout-ms> <class>: every shown top-level
// window of <class> must move by (dx, dy) in answer to one press of the combination;
// measures from the key strokes until every one of them stands there.
int FrameSwitchTime(const std::vector<std::wstring>& args) {
  auto combination = ParseCombination(Arg(args, 0), Arg(args, 1));
  auto dx = ParseSigned(Arg(args, 2));
  auto dy = ParseSigned(Arg(args, 3));
  auto timeout = ParseNumber(Arg(args, 4));
  if (args.size() != 6 || !combination || !dx || !dy || !timeout) {
    Report("error=usage: frame-switch-time <modifiers> <vk> <dx> <dy> <timeout-ms> <class>");
    return kUsage;
  }
  struct Watched {
    HWND window;
    RECT target;
    double reachedMs;
  };
  std::vector<Watched> watched;
  for (HWND window : TopLevelWindows()) {
    if (!IsWindowVisible(window) || ClassOf(window) != args[5]) continue;
    RECT rect{};
    GetWindowRect(window, &rect);
    watched.push_back({window, Shifted(rect, *dx, *dy), -1.0});
  }
  Report("windows=" + std::to_string(watched.size()));
  if (watched.empty()) return kNo;
  SettleAfterStart();
  const double pressed = NowMs();
  if (!Press(*combination)) return kFailure;
  size_t remaining = watched.size();
  double firstMs = -1.0;
  // Every rectangle is read from the server that the moves go through too: a round stops at
  // the first window not yet in place, as the floor's polling does, so that watching costs
  // the moves no more than it costs the floor's.
  PollUntil(*timeout, [&] {
    for (Watched& w : watched) {
      if (w.reachedMs >= 0) continue;
      RECT rect{};
      if (!GetWindowRect(w.window, &rect) || !SameRect(rect, w.target)) return false;
      w.reachedMs = NowMs() - pressed;
      if (firstMs < 0) firstMs = w.reachedMs;
      --remaining;
    }
    return remaining == 0;
  });
  const double lastMs = NowMs() - pressed;
  for (const Watched& w : watched) {
    if (w.reachedMs >= 0) continue;
    RECT rect{};
    GetWindowRect(w.window, &rect);
    Report("not-moved hwnd=" + HexHandle(w.window) + " rect=" + RectText(rect) +
           " wanted=" + RectText(w.target));
  }
  Report("moved=" + std::to_string(watched.size() - remaining));
  Report("first-ms=" + Ms(firstMs));
  if (remaining == 0) Report("all-ms=" + Ms(lastMs));
  return remaining == 0 ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"window-state", WindowState);
TW_DRIVER_COMMAND(L"foreground", Foreground);
TW_DRIVER_COMMAND(L"activate", Activate);
TW_DRIVER_COMMAND(L"move-window", MoveWindowCommand);
TW_DRIVER_COMMAND(L"show-window", ShowWindowCommand);
TW_DRIVER_COMMAND(L"press-hotkey", PressHotKey);
TW_DRIVER_COMMAND(L"press-and-watch", PressAndWatch);
TW_DRIVER_COMMAND(L"foreground-latency", ForegroundLatency);
TW_DRIVER_COMMAND(L"open-windows", OpenWindows);
TW_DRIVER_COMMAND(L"frame-switch-time", FrameSwitchTime);
