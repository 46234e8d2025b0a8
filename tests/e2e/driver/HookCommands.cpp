// Commands about the hook library: the driver loads twhook.dll itself, as the program
// does, names a hidden window of its own as the target and watches what arrives there
// while other processes open, minimize and close windows, or while the user drags them.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

constexpr UINT kWindowCreated = WM_APP;
constexpr UINT kWindowEvent = WM_APP + 1;
constexpr wchar_t kStopEvent[] = L"TwDriverHookHoldStop";

struct Notice {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  // Read the moment the notice is handled: the program reads them no later.
  std::wstring className;
  std::wstring title;
};

std::vector<Notice> notices;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWindowCreated || message == kWindowEvent) {
    auto subject = reinterpret_cast<HWND>(message == kWindowCreated ? wParam : lParam);
    notices.push_back({message, wParam, lParam, ClassOf(subject), TitleOf(subject)});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

struct HookLibrary {
  using StartHookFn = BOOL (*)(HWND, int);
  using EndHookFn = BOOL (*)();
  HMODULE module = nullptr;
  StartHookFn start = nullptr;
  EndHookFn end = nullptr;

  template <typename Fn>
  Fn Export(const char* name) const {
    // Through void(*)(), the one function type any other may be cast from without warning.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  }

  // The exported names are the ones the program imports.
  bool Load() {
    const std::wstring path = DriverFolder() + L"twhook.dll";
    module = LoadLibraryW(path.c_str());
    if (!module) {
      Report("error=LoadLibrary " + Quote(path) + " failed with " + std::to_string(GetLastError()));
      return false;
    }
    start = Export<StartHookFn>("_StartHook");
    end = Export<EndHookFn>("_EndHook");
    if (!start || !end) {
      Report("error=twhook.dll does not export _StartHook and _EndHook");
      return false;
    }
    return true;
  }
};

// A hidden top-level window, made before the hook starts, as the program's options dialog.
HWND CreateTarget() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TwDriverHookTarget";
  RegisterClassExW(&windowClass);
  HWND target = CreateWindowExW(0, windowClass.lpszClassName, L"hook target", WS_OVERLAPPED, 0, 0,
                                100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!target) Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
  return target;
}

PROCESS_INFORMATION Start(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Report("error=CreateProcess failed with " + std::to_string(GetLastError()));
  }
  return process;
}

// Another driver process showing a window of <className> titled <title> for <seconds>. Its
// result lines go to a file of its own beside ours.
PROCESS_INFORMATION OpenWindowElsewhere(const std::wstring& className, const std::wstring& title,
                                        int seconds, const std::wstring& tag) {
  wchar_t ours[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableW(L"TW_RESULT", ours, MAX_PATH * 2);
  const bool redirect = length > 0 && length < MAX_PATH * 2;
  if (redirect) {
    std::wstring theirs(ours, length);
    if (theirs.ends_with(L".txt")) theirs.resize(theirs.size() - 4);
    SetEnvironmentVariableW(L"TW_RESULT", (theirs + L"-" + tag + L".txt").c_str());
  }
  wchar_t self[MAX_PATH * 2];
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  auto process = Start(L"\"" + std::wstring(self) + L"\" open-window \"" + className + L"\" \"" +
                       title + L"\" " + std::to_wstring(seconds));
  if (redirect) SetEnvironmentVariableW(L"TW_RESULT", ours);
  return process;
}

// Pumps until `done` holds or the time is up; true when it held.
template <typename Done>
bool PumpUntil(DWORD milliseconds, Done done) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() >= end) return false;
    PumpFor(20);
  }
  return true;
}

// Pumps until the process has ended (or the time is up), then closes its handles.
bool PumpUntilExited(PROCESS_INFORMATION& process, DWORD milliseconds) {
  if (!process.hProcess) return false;
  const bool exited = PumpUntil(
      milliseconds, [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
  return exited;
}

// The first window announced as created that `matches`.
template <typename Matches>
HWND CreatedWindow(Matches matches) {
  for (const Notice& n : notices) {
    if (n.message == kWindowCreated && matches(n)) return reinterpret_cast<HWND>(n.wParam);
  }
  return nullptr;
}

// Every notice about one window, in arrival order, and a summary of them.
void ReportNoticesFor(const std::string& prefix, HWND window) {
  int created = 0, activated = 0, minmax = 0, destroyed = 0, other = 0;
  std::string order;
  for (const Notice& n : notices) {
    if (n.message == kWindowCreated && reinterpret_cast<HWND>(n.wParam) == window) {
      ++created;
      order += order.empty() ? "created" : ",created";
      Report(prefix + "-created class=" + Quote(n.className) + " title=" + Quote(n.title));
    } else if (n.message == kWindowEvent && reinterpret_cast<HWND>(n.lParam) == window) {
      const char* name = "other";
      switch (n.wParam) {
        case HCBT_ACTIVATE:
          ++activated;
          name = "activate";
          break;
        case HCBT_MINMAX:
          ++minmax;
          name = "minmax";
          break;
        case HCBT_DESTROYWND:
          ++destroyed;
          name = "destroy";
          break;
        default:
          ++other;
      }
      order += (order.empty() ? "" : ",") + std::string(name);
    }
  }
  Report(prefix + "-order=" + order);
  Report(prefix + "-created=" + std::to_string(created));
  Report(prefix + "-activate=" + std::to_string(activated));
  Report(prefix + "-minmax=" + std::to_string(minmax));
  Report(prefix + "-destroy=" + std::to_string(destroyed));
  Report(prefix + "-other-codes=" + std::to_string(other));
}

std::optional<int> SnappingKeyArgument(const std::vector<std::wstring>& args, size_t index) {
  if (args.size() <= index) return 0;
  auto key = ParseNumber(args[index]);
  if (!key || *key > 3) return std::nullopt;
  return static_cast<int>(*key);
}

// hook-observe <seconds> <class> [key [program]]: the library's notifications end to end.
//  1. StartHook twice (the second call must not install a second set of hooks); another
//     process opens a window of <class>, which is then minimized, restored and closed. That
//     process is <program> when given (closed with WM_CLOSE), another driver otherwise.
//  2. The target stops answering (a hung program) while another process opens a window:
//     it must appear at once, and its notification arrive once the target answers again.
//  3. EndHook twice; nothing may arrive afterwards, whatever other processes do.
int HookObserve(const std::vector<std::wstring>& args) {
  auto seconds = args.size() >= 2 ? ParseNumber(args[0]) : std::nullopt;
  auto key = SnappingKeyArgument(args, 2);
  if (!seconds || !key || args.size() > 4) {
    Report("error=usage: hook-observe <seconds> <class> [key 0-3 [program]]");
    return kUsage;
  }
  const DWORD limit = *seconds * 1000;
  const std::wstring& className = args[1];
  HookLibrary hook;
  if (!hook.Load()) return kFailure;
  HWND target = CreateTarget();
  if (!target) return kFailure;

  Report("start-first=" + std::to_string(hook.start(target, *key)));
  Report("start-again=" + std::to_string(hook.start(target, *key)));

  // 1. An ordinary window's life.
  const bool program = args.size() == 4;
  const std::wstring title = L"Observed " + className;
  auto child = program ? Start(args[3]) : OpenWindowElsewhere(className, title, 3, L"open");
  if (!child.hProcess) return kFailure;
  HWND seen = nullptr;
  PumpUntil(limit, [&] {
    seen = CreatedWindow(
        [&](const Notice& n) { return program ? n.className == className : n.title == title; });
    return seen != nullptr;
  });
  if (seen) {
    PumpFor(500);
    ShowWindowAsync(seen, SW_MINIMIZE);
    PumpFor(700);
    ShowWindowAsync(seen, SW_RESTORE);
    PumpFor(700);
    // What the title had become by now: the one announced must not be an earlier one.
    Report("observed-title-now=" + Quote(TitleOf(seen)));
    if (program) PostMessageW(seen, WM_CLOSE, 0, 0);
  }
  Report(std::string("observed-exited=") + (PumpUntilExited(child, limit) ? "1" : "0"));
  PumpFor(500);
  Report("observed-hwnd=" + HexHandle(seen));
  ReportNoticesFor("observed", seen);

  // 2. A hung target: a hook that waited for it would hold the other process up.
  const std::wstring hungTitle = L"While hung " + className;
  child = OpenWindowElsewhere(className, hungTitle, 2, L"hung");
  if (!child.hProcess) return kFailure;
  const ULONGLONG hungFrom = GetTickCount64();
  HWND shown = nullptr;
  while (GetTickCount64() - hungFrom < limit) {
    shown = FindWindowW(className.c_str(), hungTitle.c_str());
    if (shown && IsWindowVisible(shown)) break;
    shown = nullptr;
    Sleep(50);  // deliberately not pumping
  }
  Report("hung-window-shown=" + std::string(shown ? "1" : "0"));
  Report("hung-window-ms=" + std::to_string(GetTickCount64() - hungFrom));
  PumpUntilExited(child, limit);
  PumpFor(500);
  ReportNoticesFor("hung", shown);

  // 3. After EndHook.
  Report("end-first=" + std::to_string(hook.end()));
  Report("end-again=" + std::to_string(hook.end()));
  const size_t before = notices.size();
  child = OpenWindowElsewhere(className, L"After end " + className, 1, L"after");
  if (!child.hProcess) return kFailure;
  Report(std::string("after-exited=") + (PumpUntilExited(child, limit) ? "1" : "0"));
  PumpFor(1000);
  Report("after-end-notices=" + std::to_string(notices.size() - before));
  for (const Notice& n : notices) {
    Report("notice message=" + Hex(n.message) + " wparam=" + Hex(n.wParam) +
           " lparam=" + Hex(static_cast<unsigned long long>(n.lParam)) +
           " class=" + Quote(n.className) + " title=" + Quote(n.title));
  }
  Report("total-notices=" + std::to_string(notices.size()));
  DestroyWindow(target);
  return kYes;
}

// hook-hold <key> <seconds>: runs the hook with that snapping key (0 none, 1 Shift, 2 Ctrl,
// 3 Alt) until hook-release or the time is up, as the resident program would.
int HookHold(const std::vector<std::wstring>& args) {
  auto key = SnappingKeyArgument(args, 0);
  auto seconds = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
  if (!key || !seconds) {
    Report("error=usage: hook-hold <key 0-3> <seconds>");
    return kUsage;
  }
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, kStopEvent);
  HookLibrary hook;
  if (!stop || !hook.Load()) return kFailure;
  HWND target = CreateTarget();
  if (!target) return kFailure;
  if (!hook.start(target, *key)) {
    Report("error=StartHook failed");
    return kFailure;
  }
  Report("pid=" + std::to_string(GetCurrentProcessId()));
  Report("hook-started=1");
  PumpUntil(*seconds * 1000, [&] { return WaitForSingleObject(stop, 0) == WAIT_OBJECT_0; });
  Report("hook-ended=" + std::to_string(hook.end()));
  Report("notices=" + std::to_string(notices.size()));
  DestroyWindow(target);
  CloseHandle(stop);
  return kYes;
}

// hook-release: ends a running hook-hold.
int HookRelease(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: hook-release");
    return kUsage;
  }
  HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, kStopEvent);
  if (!stop) {
    Report("released=0");
    return kNo;
  }
  SetEvent(stop);
  CloseHandle(stop);
  Report("released=1");
  return kYes;
}

// work-area: the work area of the primary monitor (the screen less the task bar).
int WorkArea(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: work-area");
    return kUsage;
  }
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return kFailure;
  Report("work-area=" + std::to_string(work.left) + "," + std::to_string(work.top) + "," +
         std::to_string(work.right) + "," + std::to_string(work.bottom));
  return kYes;
}

// place-window <class> <left> <top> [<width> <height>]: moves a window of any process.
int PlaceWindow(const std::vector<std::wstring>& args) {
  if (args.size() != 3 && args.size() != 5) {
    Report("error=usage: place-window <class> <left> <top> [<width> <height>]");
    return kUsage;
  }
  std::vector<int> numbers;
  for (size_t i = 1; i < args.size(); ++i) {
    auto n = ParseNumber(args[i]);
    if (!n) {
      Report("error=not a number: " + Quote(args[i]));
      return kUsage;
    }
    numbers.push_back(static_cast<int>(*n));
  }
  HWND window = FindWindowW(args[0].c_str(), nullptr);
  if (!window) {
    Report("error=no window of class " + Quote(args[0]));
    return kNo;
  }
  const bool resize = numbers.size() == 4;
  SetWindowPos(window, nullptr, numbers[0], numbers[1], resize ? numbers[2] : 0,
               resize ? numbers[3] : 0, SWP_NOZORDER | SWP_NOACTIVATE | (resize ? 0 : SWP_NOSIZE));
  Report(DescribeWindow(window));
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"hook-observe", HookObserve);
TW_DRIVER_COMMAND(L"hook-hold", HookHold);
TW_DRIVER_COMMAND(L"hook-release", HookRelease);
TW_DRIVER_COMMAND(L"work-area", WorkArea);
TW_DRIVER_COMMAND(L"place-window", PlaceWindow);
