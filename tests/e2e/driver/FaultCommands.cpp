// Commands that make things go wrong at the worst moment for the program: a window that
// closes just as the program acts on it, a window whose program stops answering, and a
// crash of the program itself.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

// Posted to a fault window: its thread stops pumping messages for wParam milliseconds.
constexpr UINT kHangMessage = WM_APP + 0x71;

enum class Trigger {
  None,       // stays until the time is up or someone closes it
  Probe,      // destroys itself on the first WM_NULL sent to it: the question a caller asks
              // just before it moves, shows or activates another program's window; or, for
              // a caller that asks nothing, as the first move that parks it arrives
  Parked,     // destroys itself once it has been moved wholly off the screen
  Activated,  // closes itself when it is activated again after it first lost activation
};

struct FaultState {
  Trigger trigger = Trigger::None;
  bool lostActivation = false;
  bool vanished = false;
  ULONGLONG opened = 0;
};

FaultState g_fault;

void Vanish(HWND window, const char* why) {
  if (g_fault.vanished) return;
  g_fault.vanished = true;
  RECT rect{};
  GetWindowRect(window, &rect);
  Report(std::string("vanished=") + why + " rect=" + RectText(rect) +
         " ms=" + std::to_string(GetTickCount64() - g_fault.opened));
  DestroyWindow(window);
}

bool OffScreen(const RECT& r) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  return r.right <= 0 || r.bottom <= 0 || r.left >= width || r.top >= height;
}

LRESULT CALLBACK FaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NULL:
      if (g_fault.trigger == Trigger::Probe) {
        Vanish(window, "probe");
        return 0;
      }
      break;
    case WM_WINDOWPOSCHANGING: {
      // A caller that asks nothing: it goes as the move that would park it arrives (not at
      // the moves that place it on the screen).
      const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
      if (g_fault.trigger != Trigger::Probe || (pos.flags & SWP_NOMOVE)) break;
      RECT rect{};
      GetWindowRect(window, &rect);
      const int width = pos.flags & SWP_NOSIZE ? rect.right - rect.left : pos.cx;
      const int height = pos.flags & SWP_NOSIZE ? rect.bottom - rect.top : pos.cy;
      if (OffScreen({pos.x, pos.y, pos.x + width, pos.y + height})) {
        Vanish(window, "probe");
        return 0;
      }
      break;
    }
    case WM_WINDOWPOSCHANGED:
      if (g_fault.trigger == Trigger::Parked) {
        RECT rect{};
        GetWindowRect(window, &rect);
        // Destroyed from the queue, after the mover's call has returned: a window does not
        // go away inside its own move.
        if (OffScreen(rect)) PostMessageW(window, WM_CLOSE, 0, 0);
      }
      break;
    case WM_ACTIVATE:
      if (g_fault.trigger != Trigger::Activated) break;
      if (LOWORD(wParam) == WA_INACTIVE) {
        g_fault.lostActivation = true;
      } else if (g_fault.lostActivation) {
        PostMessageW(window, WM_CLOSE, 0, 0);
      }
      break;
    case WM_CLOSE:
      Vanish(window, g_fault.trigger == Trigger::Parked      ? "parked"
                     : g_fault.trigger == Trigger::Activated ? "activated"
                                                             : "closed");
      return 0;
    case kHangMessage: {
      RECT rect{};
      GetWindowRect(window, &rect);
      Report("hung=1 rect=" + RectText(rect));
      Sleep(static_cast<DWORD>(wParam));
      GetWindowRect(window, &rect);
      Report("answering=1 rect=" + RectText(rect));
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// fault-window <class> <title> <none|probe|parked|activated> [seconds]: an ordinary
// application window at (100, 100, 400 x 300) that goes away by itself at the moment the
// trigger names, reporting "vanished=<trigger> rect=<where it stood>" then; it also obeys
// hang-window.
int FaultWindow(const std::vector<std::wstring>& args) {
  const auto seconds = args.size() == 4 ? ParseNumber(args[3]) : ParseNumber(L"60");
  Trigger trigger = Trigger::None;
  bool known = args.size() >= 3;
  if (known) {
    if (args[2] == L"probe") {
      trigger = Trigger::Probe;
    } else if (args[2] == L"parked") {
      trigger = Trigger::Parked;
    } else if (args[2] == L"activated") {
      trigger = Trigger::Activated;
    } else {
      known = args[2] == L"none";
    }
  }
  if (!known || args.size() > 4 || !seconds) {
    Report("error=usage: fault-window <class> <title> <none|probe|parked|activated> [seconds]");
    return kUsage;
  }
  g_fault.trigger = trigger;
  g_fault.opened = GetTickCount64();

  if (!RegisterWindowClass(args[0], FaultWindowProc)) return kFailure;
  HWND window = CreateWindowExW(0, args[0].c_str(), args[1].c_str(), WS_OVERLAPPEDWINDOW, 100, 100,
                                400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) {
    Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  Report(DescribeWindow(window));

  const UINT_PTR timer = SetTimer(nullptr, 0, *seconds * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == timer) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Report(std::string("closed=") + (g_fault.vanished ? "1" : "0"));
  if (IsWindow(window)) DestroyWindow(window);
  return kYes;
}

// hang-window <hwnd> <ms>: the window's thread stops pumping messages for that long (a fault
// window only). Exit 0 once the window no longer answers a message within 50 ms.
int HangWindow(const std::vector<std::wstring>& args) {
  const auto window = args.size() == 2 ? ParseWindow(args[0]) : std::nullopt;
  const auto ms = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
  if (!window || !ms) {
    Report("error=usage: hang-window <hwnd> <ms>");
    return kUsage;
  }
  if (!PostMessageW(*window, kHangMessage, *ms, 0)) {
    Report("error=PostMessage failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  const ULONGLONG end = GetTickCount64() + 5000;
  while (GetTickCount64() < end) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(*window, WM_NULL, 0, 0, SMTO_BLOCK, 50, &result)) {
      Report("hung=1");
      return kYes;
    }
    Sleep(20);
  }
  Report("hung=0");
  return kNo;
}

// close-window <hwnd>: asks the window to close, as its close box would; exit 0 once it is
// gone.
int CloseWindowCommand(const std::vector<std::wstring>& args) {
  const auto window = args.size() == 1 ? ParseWindow(args[0]) : std::nullopt;
  if (!window) {
    Report("error=usage: close-window <hwnd>");
    return kUsage;
  }
  PostMessageW(*window, WM_CLOSE, 0, 0);
  const ULONGLONG end = GetTickCount64() + 5000;
  while (IsWindow(*window) && GetTickCount64() < end) Sleep(10);
  const bool gone = !IsWindow(*window);
  Report(std::string("gone=") + (gone ? "1" : "0"));
  return gone ? kYes : kNo;
}

// crash-process <image>: makes the process fail with an unhandled exception, as a fault in
// its own code would: a thread started in it at an address that holds no code. Exit 0 once
// the thread has been started; what the process does then is for the scenario to watch.
int CrashProcess(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: crash-process <image>");
    return kUsage;
  }
  const auto processes = FindProcesses(args[0]);
  if (processes.size() != 1) {
    Report("error=expected one process, found " + std::to_string(processes.size()));
    return kNo;
  }
  HANDLE process =
      OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                      PROCESS_VM_WRITE | PROCESS_VM_READ | SYNCHRONIZE,
                  FALSE, processes[0].pid);
  if (!process) {
    Report("error=OpenProcess failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  // A page of the process that is readable but not executable: jumping there faults with
  // an access violation inside the process.
  void* page = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!page) {
    Report("error=VirtualAllocEx failed with " + std::to_string(GetLastError()));
    CloseHandle(process);
    return kFailure;
  }
  DWORD threadId = 0;
  HANDLE thread = CreateRemoteThread(
      process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(page), nullptr, 0, &threadId);
  if (!thread) {
    Report("error=CreateRemoteThread failed with " + std::to_string(GetLastError()));
    CloseHandle(process);
    return kFailure;
  }
  Report("pid=" + std::to_string(processes[0].pid) + " thread=" + std::to_string(threadId) +
         " start=" + Hex(reinterpret_cast<uintptr_t>(page)));
  CloseHandle(thread);
  CloseHandle(process);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"fault-window", FaultWindow);
TW_DRIVER_COMMAND(L"hang-window", HangWindow);
TW_DRIVER_COMMAND(L"close-window", CloseWindowCommand);
TW_DRIVER_COMMAND(L"crash-process", CrashProcess);
