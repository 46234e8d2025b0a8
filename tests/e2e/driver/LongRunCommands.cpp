// Commands for long runs and the performance report: what a process holds (handles, GDI
// and USER objects, memory, processor time), thousands of hot-key presses each confirmed
// before the next, moving windows from another process as a yardstick for a frame switch,
// and the time from a program's start to its icon in the notification area.
#include <windows.h>
//
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

// Median, minimum, maximum and sum of a run's times, as result lines with a prefix.
void ReportTimes(const std::string& prefix, std::vector<double> times) {
  if (times.empty()) return;
  double sum = 0;
  for (double t : times) sum += t;
  std::sort(times.begin(), times.end());
  const size_t middle = times.size() / 2;
  const double median =
      times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2.0;
  const size_t p95 = std::min(times.size() - 1, times.size() * 95 / 100);
  Report(prefix + "median-ms=" + Ms(median));
  Report(prefix + "p95-ms=" + Ms(times[p95]));
  Report(prefix + "min-ms=" + Ms(times.front()));
  Report(prefix + "max-ms=" + Ms(times.back()));
  Report(prefix + "total-ms=" + Ms(sum));
}

// After a press that had no effect: which modifiers the system holds down, whether someone
// still holds the combination, and whether one more press takes effect (the first one was
// lost on its way) or not (the program no longer answers it).
template <typename Done>
bool ReportLostPress(const KeyCombination& c, Done done) {
  std::string held;
  for (auto [key, name] : {std::pair{VK_SHIFT, "shift"}, {VK_CONTROL, "ctrl"}, {VK_MENU, "alt"}})
    if (GetAsyncKeyState(key) & 0x8000) held += std::string(held.empty() ? "" : "+") + name;
  Report("held-modifiers=" + (held.empty() ? std::string("none") : held));
  bool registered = false;
  if (RegisterHotKey(nullptr, 0x7A01, c.modifiers, c.key)) {
    UnregisterHotKey(nullptr, 0x7A01);
  } else {
    registered = GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
  }
  Report(std::string("hotkey-registered=") + (registered ? "1" : "0"));
  const bool retried = Press(c) && PollUntil(5000, done);
  Report(std::string("second-press-took-effect=") + (retried ? "1" : "0"));
  return retried;
}

// "lost=N" and the numbers of the presses that had to be repeated.
void ReportLost(const std::vector<unsigned long>& lost) {
  std::string numbers;
  for (unsigned long n : lost) numbers += (numbers.empty() ? "" : ",") + std::to_string(n);
  Report("lost=" + std::to_string(lost.size()));
  if (!lost.empty()) Report("lost-presses=" + numbers);
}

// Comma-separated class names.
std::set<std::wstring> ClassSet(std::wstring_view text) {
  std::set<std::wstring> classes;
  while (!text.empty()) {
    const size_t comma = text.find(L',');
    classes.insert(std::wstring(text.substr(0, comma)));
    text = comma == std::wstring_view::npos ? std::wstring_view() : text.substr(comma + 1);
  }
  return classes;
}

struct Watched {
  HWND window;
  RECT start;
};

// Every shown top-level window of one of the classes, with its rectangle now.
std::vector<Watched> ShownWindowsOf(const std::set<std::wstring>& classes) {
  std::vector<Watched> watched;
  for (HWND window : TopLevelWindows()) {
    if (!IsWindowVisible(window) || !classes.contains(ClassOf(window))) continue;
    RECT rect{};
    GetWindowRect(window, &rect);
    watched.push_back({window, rect});
  }
  return watched;
}

// Whether every window stands at its start rectangle moved by (dx, dy).
bool AllShifted(const std::vector<Watched>& watched, long dx, long dy) {
  for (const Watched& w : watched) {
    RECT wanted = w.start;
    OffsetRect(&wanted, static_cast<int>(dx), static_cast<int>(dy));
    RECT rect{};
    if (!GetWindowRect(w.window, &rect) || !SameRect(rect, wanted)) return false;
  }
  return true;
}

void ReportMisplaced(const std::vector<Watched>& watched, long dx, long dy) {
  for (const Watched& w : watched) {
    RECT wanted = w.start;
    OffsetRect(&wanted, static_cast<int>(dx), static_cast<int>(dy));
    RECT rect{};
    GetWindowRect(w.window, &rect);
    if (!SameRect(rect, wanted))
      Report("misplaced hwnd=" + HexHandle(w.window) + " class=" + Quote(ClassOf(w.window)) +
             " rect=" + RectText(rect) + " wanted=" + RectText(wanted));
  }
}

// The one process of that image, opened for reading its figures.
HANDLE OpenOneProcess(std::wstring_view image, DWORD& pid) {
  const auto found = FindProcesses(image);
  if (found.size() != 1) {
    Report("error=" + std::to_string(found.size()) + " processes of " + Quote(image));
    return nullptr;
  }
  pid = found[0].pid;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, found[0].pid);
  if (!process) Report("error=OpenProcess failed with " + std::to_string(GetLastError()));
  return process;
}

double FileTimeMs(const FILETIME& t) {
  ULARGE_INTEGER value;
  value.LowPart = t.dwLowDateTime;
  value.HighPart = t.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 10000.0;
}

// GDI objects of another process, counted in its GDI handle table. Windows keeps that table
// for the system and GetGuiResources reads it; Wine keeps one per process, pointed to from
// the process environment block, and GetGuiResources there always answers 0.
std::optional<size_t> GdiTableCount(HANDLE process) {
  using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  struct BasicInformation {
    LONG_PTR exitStatus;
    void* peb;
    ULONG_PTR affinity, priority, pid, parentPid;
  } basic{};
  if (!query || query(process, 0, &basic, sizeof basic, nullptr) != 0 || !basic.peb) return {};
  // PEB.GdiSharedHandleTable in a 64-bit process.
  constexpr size_t kTableOffset = 0xF8;
  UINT64 table = 0;
  if (!ReadProcessMemory(process, static_cast<char*>(basic.peb) + kTableOffset, &table,
                         sizeof table, nullptr) ||
      table == 0)
    return {};
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  static_assert(sizeof(Entry) == 24);
  std::vector<Entry> entries(0x10000);
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(),
                         entries.size() * sizeof(Entry), &read))
    return {};
  entries.resize(read / sizeof(Entry));
  return static_cast<size_t>(
      std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.type != 0; }));
}

// Handles of another process, counted in the system's handle list (Wine answers
// GetProcessHandleCount for another process with 0).
std::optional<size_t> SystemHandleCount(DWORD pid) {
  using QuerySystem = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QuerySystem>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return {};
  struct Entry {
    void* object;
    ULONG_PTR pid;
    ULONG_PTR handle;
    ULONG access;
    USHORT backTrace;
    USHORT type;
    ULONG attributes;
    ULONG reserved;
  };
  struct Header {
    ULONG_PTR count;
    ULONG_PTR reserved;
  };
  constexpr int kExtendedHandleInformation = 64;
  constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
  std::vector<char> buffer(1 << 20);
  LONG status = 0;
  for (int attempt = 0; attempt < 6; ++attempt) {
    ULONG needed = 0;
    status = query(kExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                   &needed);
    if (status != kLengthMismatch) break;
    buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
  }
  if (status != 0) return {};
  const auto* header = reinterpret_cast<const Header*>(buffer.data());
  const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(Header));
  size_t count = 0;
  for (ULONG_PTR i = 0; i < header->count; ++i) count += entries[i].pid == pid;
  return count;
}

BOOL CALLBACK CountChildren(HWND, LPARAM count) {
  ++*reinterpret_cast<size_t*>(count);
  return TRUE;
}

// process-resources <image>: handles, GDI and USER objects, private bytes, working set,
// processor time, and the windows (top-level and child) the process owns. A figure the
// system does not give (Wine 8: USER objects, private bytes) is left out.
int ProcessResources(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: process-resources <image>");
    return kUsage;
  }
  DWORD pid = 0;
  HANDLE process = OpenOneProcess(args[0], pid);
  if (!process) return kFailure;
  Report("pid=" + std::to_string(pid));
  // Each figure from the call made for it where the system answers it, otherwise counted
  // where that call would look; "<figure>-source" says which.
  DWORD handles = 0;
  if (GetProcessHandleCount(process, &handles) && handles > 0) {
    Report("handles=" + std::to_string(handles));
    Report("handles-source=GetProcessHandleCount");
  } else if (auto counted = SystemHandleCount(pid)) {
    Report("handles=" + std::to_string(*counted));
    Report("handles-source=system-handle-list");
  }
  if (const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS)) {
    Report("gdi=" + std::to_string(gdi));
    Report("gdi-source=GetGuiResources");
  } else if (auto counted = GdiTableCount(process)) {
    Report("gdi=" + std::to_string(*counted));
    Report("gdi-source=gdi-handle-table");
  }
  // USER objects cannot be counted from outside; windows are the ones listed below.
  if (const DWORD user = GetGuiResources(process, GR_USEROBJECTS)) {
    Report("user=" + std::to_string(user));
    Report("user-source=GetGuiResources");
  }
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    if (memory.PrivateUsage > 0) Report("private-bytes=" + std::to_string(memory.PrivateUsage));
    Report("working-set=" + std::to_string(memory.WorkingSetSize));
    Report("peak-working-set=" + std::to_string(memory.PeakWorkingSetSize));
  } else {
    Report("error=GetProcessMemoryInfo failed with " + std::to_string(GetLastError()));
  }
  FILETIME created{}, exited{}, kernel{}, user{};
  if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    Report("kernel-ms=" + Ms(FileTimeMs(kernel)));
    Report("user-ms=" + Ms(FileTimeMs(user)));
  }
  CloseHandle(process);
  // USER objects as counted from outside: the windows of the process.
  size_t topLevel = 0, children = 0;
  for (HWND window : TopLevelWindows()) {
    if (ProcessOfWindow(window) != pid) continue;
    ++topLevel;
    EnumChildWindows(window, CountChildren, reinterpret_cast<LPARAM>(&children));
  }
  Report("top-level-windows=" + std::to_string(topLevel));
  Report("child-windows=" + std::to_string(children));
  return kYes;
}

// frame-switches <modifiers> <vk on> <vk back> <switches> <dx> <dy> <timeout-ms> <classes>:
// presses the "on" combination and then the "back" one, alternately, <switches> times in
// all. After each press it waits until every shown window of the (comma-separated) classes
// stands a whole frame away (dx, dy) or back where it began, so no press is sent before the
// one before has taken effect. A press after which nothing moved within the time-out is
// pressed once more and counted as lost. Exit 0 when every switch completed.
int FrameSwitches(const std::vector<std::wstring>& args) {
  auto on = ParseCombination(Arg(args, 0), Arg(args, 1));
  auto back = ParseCombination(Arg(args, 0), Arg(args, 2));
  auto switches = ParseNumber(Arg(args, 3));
  auto dx = ParseSigned(Arg(args, 4));
  auto dy = ParseSigned(Arg(args, 5));
  auto timeout = ParseNumber(Arg(args, 6));
  if (args.size() != 8 || !on || !back || !switches || !dx || !dy || !timeout) {
    Report(
        "error=usage: frame-switches <modifiers> <vk on> <vk back> <switches> <dx> <dy> "
        "<timeout-ms> <classes>");
    return kUsage;
  }
  const auto watched = ShownWindowsOf(ClassSet(args[7]));
  Report("windows=" + std::to_string(watched.size()));
  if (watched.empty()) return kNo;
  std::vector<double> times;
  std::vector<unsigned long> lost;
  const double began = NowMs();
  for (unsigned long n = 1; n <= *switches; ++n) {
    const bool away = n % 2 == 1;
    const long x = away ? *dx : 0, y = away ? *dy : 0;
    const double pressed = NowMs();
    if (!Press(away ? *on : *back)) return kFailure;
    const auto done = [&] { return AllShifted(watched, x, y); };
    if (!PollUntil(*timeout, done)) {
      Report("error=switch " + std::to_string(n) + " did not complete within " +
             std::to_string(*timeout) + " ms");
      ReportMisplaced(watched, x, y);
      // A press that moved nothing at all may have been lost on its way; one more tells.
      if (AllShifted(watched, away ? 0 : *dx, away ? 0 : *dy) &&
          ReportLostPress(away ? *on : *back, done)) {
        lost.push_back(n);
        continue;
      }
      Report("switches=" + std::to_string(n - 1));
      return kNo;
    }
    times.push_back(NowMs() - pressed);
  }
  ReportLost(lost);
  Report("switches=" + std::to_string(*switches));
  Report("elapsed-ms=" + Ms(NowMs() - began));
  ReportTimes("switch-", times);
  return kYes;
}

// command-presses <modifiers> <vk> <presses> <class> <timeout-ms>: presses a command's
// combination again and again. Each press must bring another window of <class> to the
// front (the command cycles through its windows) before the next one is sent; one that
// changed nothing is pressed once more and counted as lost. Exit 0 when every press took
// effect; reports how many distinct windows the presses visited.
int CommandPresses(const std::vector<std::wstring>& args) {
  auto combination = ParseCombination(Arg(args, 0), Arg(args, 1));
  auto presses = ParseNumber(Arg(args, 2));
  auto timeout = ParseNumber(Arg(args, 4));
  if (args.size() != 5 || !combination || !presses || !timeout) {
    Report("error=usage: command-presses <modifiers> <vk> <presses> <class> <timeout-ms>");
    return kUsage;
  }
  const std::wstring& wanted = args[3];
  std::vector<double> times;
  std::vector<unsigned long> lost;
  std::set<HWND> visited;
  const double began = NowMs();
  for (unsigned long n = 1; n <= *presses; ++n) {
    const HWND before = GetForegroundWindow();
    const double pressed = NowMs();
    if (!Press(*combination)) return kFailure;
    HWND reached = nullptr;
    const bool done = PollUntil(*timeout, [&] {
      const HWND now = GetForegroundWindow();
      if (now == nullptr || now == before || ClassOf(now) != wanted) return false;
      reached = now;
      return true;
    });
    if (!done) {
      Report("error=press " + std::to_string(n) + " had no effect within " +
             std::to_string(*timeout) + " ms");
      if (GetForegroundWindow() == before && ReportLostPress(*combination, [&] {
            const HWND now = GetForegroundWindow();
            if (now == nullptr || now == before || ClassOf(now) != wanted) return false;
            reached = now;
            return true;
          })) {
        lost.push_back(n);
        visited.insert(reached);
        continue;
      }
      const HWND now = GetForegroundWindow();
      Report("error=press " + std::to_string(n) + " brought no other " + Quote(wanted) +
             " window to the front within " + std::to_string(*timeout) + " ms; in front " +
             HexHandle(now) + " class=" + Quote(ClassOf(now)));
      Report("presses=" + std::to_string(n - 1));
      return kNo;
    }
    visited.insert(reached);
    times.push_back(NowMs() - pressed);
  }
  ReportLost(lost);
  Report("presses=" + std::to_string(*presses));
  Report("visited=" + std::to_string(visited.size()));
  Report("elapsed-ms=" + Ms(NowMs() - began));
  ReportTimes("press-", times);
  return kYes;
}

// move-windows-time <dx> <dy> <timeout-ms> <classes>: moves every shown window of the
// classes by (dx, dy) from this process, one SetWindowPos each, as a frame switch moves
// them, and measures until every one reads back at its place.
int MoveWindowsTime(const std::vector<std::wstring>& args) {
  auto dx = ParseSigned(Arg(args, 0));
  auto dy = ParseSigned(Arg(args, 1));
  auto timeout = ParseNumber(Arg(args, 2));
  if (args.size() != 4 || !dx || !dy || !timeout) {
    Report("error=usage: move-windows-time <dx> <dy> <timeout-ms> <classes>");
    return kUsage;
  }
  const auto watched = ShownWindowsOf(ClassSet(args[3]));
  Report("windows=" + std::to_string(watched.size()));
  if (watched.empty()) return kNo;
  SettleAfterStart();
  const double began = NowMs();
  for (const Watched& w : watched)
    SetWindowPos(w.window, nullptr, w.start.left + static_cast<int>(*dx),
                 w.start.top + static_cast<int>(*dy), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const double calls = NowMs() - began;
  const bool done = PollUntil(*timeout, [&] { return AllShifted(watched, *dx, *dy); });
  const double all = NowMs() - began;
  if (!done) ReportMisplaced(watched, *dx, *dy);
  Report("calls-ms=" + Ms(calls));
  if (done) Report("all-ms=" + Ms(all));
  return done ? kYes : kNo;
}

// The icon the program adds to the notification area: a modification that changes nothing
// succeeds only for an icon that exists.
bool TrayIconExists(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// startup-time <exe> <icon window class> <icon id> <timeout-ms>: starts the program and
// measures until a window of the class in its process owns a notification-area icon
// with that id. Reports the time to its first window of that class and to the icon.
int StartupTime(const std::vector<std::wstring>& args) {
  auto id = ParseNumber(Arg(args, 2));
  auto timeout = ParseNumber(Arg(args, 3));
  if (args.size() != 4 || !id || !timeout) {
    Report("error=usage: startup-time <exe> <icon window class> <icon id> <timeout-ms>");
    return kUsage;
  }
  std::wstring commandLine = L"\"" + args[0] + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double began = NowMs();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Report("error=CreateProcess failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  CloseHandle(process.hThread);
  Report("pid=" + std::to_string(process.dwProcessId));
  double windowMs = -1;
  const bool done = PollUntil(*timeout, [&] {
    for (HWND window : TopLevelWindows()) {
      if (ProcessOfWindow(window) != process.dwProcessId || ClassOf(window) != args[1]) continue;
      if (windowMs < 0) windowMs = NowMs() - began;
      if (TrayIconExists(window, static_cast<UINT>(*id))) return true;
    }
    return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
  });
  const double iconMs = NowMs() - began;
  const bool ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
  CloseHandle(process.hProcess);
  if (windowMs >= 0) Report("window-ms=" + Ms(windowMs));
  if (!done || ended) {
    Report(std::string("error=") + (ended ? "the program ended" : "no icon appeared"));
    return kNo;
  }
  Report("icon-ms=" + Ms(iconMs));
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"process-resources", ProcessResources);
TW_DRIVER_COMMAND(L"frame-switches", FrameSwitches);
TW_DRIVER_COMMAND(L"command-presses", CommandPresses);
TW_DRIVER_COMMAND(L"move-windows-time", MoveWindowsTime);
TW_DRIVER_COMMAND(L"startup-time", StartupTime);
