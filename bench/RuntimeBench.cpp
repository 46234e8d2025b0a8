// The program's resident work on the simulated desktop, started as a whole from a settings
// file and sent what Windows and the hook library send it:
//  - a command's hot key (WM_HOTKEY with the command's id) with n windows on the desktop
//    and a pattern of k lines. Each press enumerates the windows, matches every line
//    against every window, brings the chosen window to the front and tells the pager,
//    which redraws from the press's list; the simulator's call log is part of the time.
//  - a new window (0x8000) tried against r watching rules, of which the last two match.
// Beside the press, one enumeration of the same windows: the part of a press that no
// choice of a window can avoid.
#include <benchmark/benchmark.h>

#include <string>

// The same start-up the unit tests use: the forms on the simulated desktop, the deferred
// start run as at the first idle moment.
#include "../tests/unit/RunningProgram.h"
#include "general/EnumerateWindows.h"
#include "shell/OptionDlg.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace {

constexpr unsigned kHotKey = win::WmHotKey;
constexpr unsigned kWindowCreated = 0x8000;
constexpr int kMatchingWindows = 3;

// "メモ帳" (notepad) and "無題" (untitled) as code page 932 bytes: titles with double-byte
// characters make the substring search step by characters.
const std::string kMemo = "\x83\x81\x83\x82\x92\xa0";
const std::string kUntitled = "\x96\xb3\x91\xe8";

// A pattern of `lines` lines in the file's encoding (a backslash and "n" between lines):
// the ones before the last name classes and title pieces no window has; the last names
// the class of the matching windows.
std::string PatternText(int lines) {
  std::string text;
  for (int i = 0; i < lines - 1; ++i) {
    text += i % 2 ? "@NoSuchClass" + std::to_string(i) : kMemo + " piece " + std::to_string(i);
    text += "\\n";
  }
  return text + "@Notepad";
}

// Windows as a desktop has them: titles of some length, a few classes shared by many.
void AddDesktopWindows(RunningProgram& run, int count) {
  static const char* const kClasses[] = {"CabinetWClass", "Chrome_WidgetWin_1", "XLMAIN", "OpusApp",
                                         "ConsoleWindowClass"};
  for (int i = 0; i < count - kMatchingWindows; ++i) {
    const int x = (i * 37) % 700, y = (i * 23) % 500;
    run.AddWindow(kClasses[i % 5],
                  "Document " + std::to_string(i) + " - " + kUntitled + " - Application " +
                      std::to_string(i % 7),
                  {x, y, x + 300, y + 200});
  }
  for (int i = 0; i < kMatchingWindows; ++i)
    run.AddWindow("Notepad", kUntitled + " - " + kMemo,
                  {40 * i, 30 * i, 40 * i + 400, 30 * i + 300});
}

void ExecuteCommand(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  const int lines = static_cast<int>(state.range(1));
  RunningProgram run("[Command]\r\nCount=1\r\nName0=\"memo\"\r\nHotKey0=\"\"\r\nWindowTitle0=\"" +
                     PatternText(lines) + "\"\r\nProgram0=\"notepad.exe\"\r\n");
  // The process that receives a hot key may take the foreground.
  run.desktop.ForegroundLockTimeout = 0;
  run.Start();
  AddDesktopWindows(run, windows);
  // The headless canvas records every shape drawn, for the tests; like the simulator's
  // call log it is emptied at each press, or its growth would be timed with the press.
  auto& canvas = static_cast<HeadlessCanvas&>(*run.Pager().ImageFrame->Canvas().Device());

  for (auto _ : state) {
    run.desktop.Calls.clear();
    canvas.Shapes.clear();
    run.Send(kHotKey, 0);
  }

  // Every press must have found a notepad, never started one.
  const WindowHandle front = run.desktop.GetForegroundWindow();
  if (run.desktop.GetClassNameA(front, 260) != "Notepad")
    state.SkipWithError("the command did not bring a notepad to the front");
  if (!run.desktop.StartedProcesses.empty())
    state.SkipWithError("the command started its program although windows matched");
  const double presses = static_cast<double>(state.iterations());
  state.counters["per_window_and_line"] = benchmark::Counter(
      presses * windows * lines, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ExecuteCommand)
    ->ArgNames({"windows", "lines"})
    ->ArgsProduct({{50, 500, 2000}, {1, 10, 50}})
    ->Unit(benchmark::kMicrosecond);

// The yardstick for a press: one enumeration of the same desktop into a window list (class,
// title, rectangle and style of every window), as a press makes it before matching.
void EnumerateWindowsOnce(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  RunningProgram run;
  run.Start();
  AddDesktopWindows(run, windows);
  CWindowList list;
  for (auto _ : state) {
    run.desktop.Calls.clear();
    EnumerateWindows(run.desktop, list);
    benchmark::DoNotOptimize(list.data());
  }
  // Every added window is listed, beside the program's own shown forms (the pager).
  if (list.size() < static_cast<size_t>(windows))
    state.SkipWithError("the enumeration did not list every window");
  state.counters["listed"] = static_cast<double>(list.size());
  state.counters["per_window"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * windows,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(EnumerateWindowsOnce)
    ->ArgName("windows")
    ->Arg(50)
    ->Arg(500)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);

// The list a press takes now, alone, on the same desktop: one pass through the seam with
// each window's cloaking, into the pager's kept storage. The press beside it is its own cost.
void ListWindowsForPress(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  RunningProgram run;
  run.Start();
  AddDesktopWindows(run, windows);
  size_t listed = 0;
  for (auto _ : state) {
    run.desktop.Calls.clear();
    listed = run.Pager().ListWindowsForPress().size();
  }
  if (listed < static_cast<size_t>(windows)) state.SkipWithError("not every window listed");
}
BENCHMARK(ListWindowsForPress)
    ->ArgName("windows")
    ->Arg(50)
    ->Arg(500)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);

// `rules` watching rules; none but the last two matches the new notepad window: the one
// before the last by its title (translucency 120), the last by its class (translucency
// 150, position 100, 50).
std::string WatchingRules(int rules) {
  std::string text = "[Watching]\r\nCount=" + std::to_string(rules) + "\r\n";
  for (int i = 0; i < rules; ++i) {
    const std::string n = std::to_string(i);
    std::string pattern = i % 2 ? "@NoSuchClass" + n : kMemo + " piece " + n;
    if (i == rules - 2) pattern = kMemo;
    if (i == rules - 1) pattern = "@Notepad";
    text += "Name" + n + "=\"rule " + n + "\"\r\nWindowTitle" + n + "=\"" + pattern + "\"\r\n";
    text +=
        "Translucent" + n + "=1\r\nTranslucentAlpha" + n + "=" + (i == rules - 1 ? "150" : "120");
    text += "\r\nPosition" + n + "=1\r\nPositionLeft" + n + "=100\r\nPositionTop" + n + "=50\r\n";
  }
  return text;
}

void OnWindowCreated(benchmark::State& state) {
  const int rules = static_cast<int>(state.range(0));
  RunningProgram run(WatchingRules(rules));
  run.Start();
  AddDesktopWindows(run, 50);
  const WindowHandle window =
      run.AddWindow("Notepad", kUntitled + " - " + kMemo, {300, 200, 700, 500});

  for (auto _ : state) {
    run.desktop.Calls.clear();
    run.Send(kWindowCreated, window);
  }

  const SimWindow& result = run.desktop.Windows[window];
  if (!(result.ExStyle & win::WsExLayered) || result.Alpha != 150)
    state.SkipWithError("the last matching rule's translucency was not applied");
  if (result.Rect != TRect{100, 50, 500, 350})
    state.SkipWithError("the window was not moved to the rules' position at its own size");
  state.counters["per_rule"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * rules,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(OnWindowCreated)
    ->ArgName("rules")
    ->Arg(20)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
