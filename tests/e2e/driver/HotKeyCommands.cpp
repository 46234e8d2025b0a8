// Commands about global hot keys. Windows offers no way to ask who holds a combination, so
// the driver tries to register it on a window of its own: the system refuses a taken one
// with ERROR_HOTKEY_ALREADY_REGISTERED, and a free one is given back at once.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

constexpr int kProbeId = 0x7A00;
constexpr wchar_t kHoldStopEvent[] = L"TwDriverHotKeyHoldStop";

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    Report("fired id=" + std::to_string(wParam) + " modifiers=" + std::to_string(LOWORD(lParam)) +
           " key=" + Hex(HIWORD(lParam)));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden top-level window to register against: a registration belongs to a window (or a
// thread), as the program's belongs to its options dialog.
HWND CreateHotKeyWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = HotKeyWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TwDriverHotKey";
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"hot keys", WS_OVERLAPPED, 0, 0, 100,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
  return window;
}

enum class Probe { Free, Taken, Failed };

// Whether anyone holds the combination; a free one is not kept.
Probe ProbeHotKey(HWND window, UINT modifiers, UINT key, DWORD& error) {
  error = 0;
  if (RegisterHotKey(window, kProbeId, modifiers, key)) {
    UnregisterHotKey(window, kProbeId);
    return Probe::Free;
  }
  error = GetLastError();
  return error == ERROR_HOTKEY_ALREADY_REGISTERED ? Probe::Taken : Probe::Failed;
}

struct Combination {
  UINT modifiers;
  UINT key;
};

std::string Describe(const Combination& c) {
  return "modifiers=" + std::to_string(c.modifiers) + " key=" + Hex(c.key);
}

// Pairs of "<MOD_* flags> <virtual-key code>", each a number (0x for hexadecimal).
bool ParseCombinations(const std::vector<std::wstring>& args, std::vector<Combination>& out) {
  if (args.empty() || args.size() % 2 != 0) return false;
  for (size_t i = 0; i < args.size(); i += 2) {
    auto modifiers = ParseNumber(args[i]);
    auto key = ParseNumber(args[i + 1]);
    if (!modifiers || !key || *modifiers > 0xF || *key == 0 || *key > 0xFE) return false;
    out.push_back({static_cast<UINT>(*modifiers), static_cast<UINT>(*key)});
  }
  return true;
}

// hotkey-free / hotkey-taken <modifiers> <vk> [<modifiers> <vk> ...]: one line per
// combination; the exit code says whether every one is as the command's name says.
int CheckCombinations(const std::vector<std::wstring>& args, bool wantTaken, const char* name) {
  std::vector<Combination> combinations;
  if (!ParseCombinations(args, combinations)) {
    Report(std::string("error=usage: ") + name + " <modifiers> <vk> [<modifiers> <vk> ...]");
    return kUsage;
  }
  HWND window = CreateHotKeyWindow();
  if (!window) return kFailure;
  size_t free = 0, taken = 0, failed = 0;
  for (const Combination& c : combinations) {
    DWORD error = 0;
    const Probe probe = ProbeHotKey(window, c.modifiers, c.key, error);
    const char* state = probe == Probe::Free ? "free" : probe == Probe::Taken ? "taken" : "failed";
    Report("hotkey " + Describe(c) + " state=" + state + " error=" + std::to_string(error));
    (probe == Probe::Free ? free : probe == Probe::Taken ? taken : failed)++;
  }
  DestroyWindow(window);
  Report("free=" + std::to_string(free));
  Report("taken=" + std::to_string(taken));
  Report("failed=" + std::to_string(failed));
  if (failed > 0) return kFailure;
  return (wantTaken ? taken : free) == combinations.size() ? kYes : kNo;
}

int HotKeyFree(const std::vector<std::wstring>& args) {
  return CheckCombinations(args, false, "hotkey-free");
}

int HotKeyTaken(const std::vector<std::wstring>& args) {
  return CheckCombinations(args, true, "hotkey-taken");
}

// hotkey-scan: every combination of Shift, Ctrl and Alt (none included) with every key code,
// one line "taken modifiers=N key=0xKK" for each one somebody holds. Comparing two scans
// shows exactly what a program registered, including what it should not have.
int HotKeyScan(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: hotkey-scan");
    return kUsage;
  }
  HWND window = CreateHotKeyWindow();
  if (!window) return kFailure;
  size_t taken = 0, failed = 0;
  for (UINT modifiers = 0; modifiers <= (MOD_ALT | MOD_CONTROL | MOD_SHIFT); ++modifiers) {
    for (UINT key = 0x01; key <= 0xFE; ++key) {
      DWORD error = 0;
      const Probe probe = ProbeHotKey(window, modifiers, key, error);
      if (probe == Probe::Taken) {
        Report("taken " + Describe({modifiers, key}));
        ++taken;
      } else if (probe == Probe::Failed) {
        Report("failed " + Describe({modifiers, key}) + " error=" + std::to_string(error));
        ++failed;
      }
    }
  }
  DestroyWindow(window);
  Report("taken=" + std::to_string(taken));
  Report("failed=" + std::to_string(failed));
  return failed > 0 ? kFailure : kYes;
}

// hotkey-hold <modifiers> <vk> <seconds>: holds one combination, as another program would,
// until hotkey-release or the time is up, reporting every WM_HOTKEY it gets.
int HotKeyHold(const std::vector<std::wstring>& args) {
  std::vector<Combination> combination;
  auto seconds = args.size() == 3 ? ParseNumber(args[2]) : std::nullopt;
  if (!seconds || !ParseCombinations({args[0], args[1]}, combination)) {
    Report("error=usage: hotkey-hold <modifiers> <vk> <seconds>");
    return kUsage;
  }
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, kHoldStopEvent);
  HWND window = CreateHotKeyWindow();
  if (!stop || !window) return kFailure;
  const Combination& c = combination[0];
  if (!RegisterHotKey(window, kProbeId, c.modifiers, c.key)) {
    Report("held=0 " + Describe(c) + " error=" + std::to_string(GetLastError()));
    return kNo;
  }
  Report("held=1 " + Describe(c));
  const ULONGLONG end = GetTickCount64() + *seconds * 1000ull;
  while (GetTickCount64() < end && WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) PumpFor(50);
  UnregisterHotKey(window, kProbeId);
  DestroyWindow(window);
  CloseHandle(stop);
  Report("released=1");
  return kYes;
}

// hotkey-release: ends a running hotkey-hold.
int HotKeyRelease(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: hotkey-release");
    return kUsage;
  }
  HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, kHoldStopEvent);
  if (!stop) {
    Report("error=no hotkey-hold is running");
    return kNo;
  }
  SetEvent(stop);
  CloseHandle(stop);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"hotkey-free", HotKeyFree);
TW_DRIVER_COMMAND(L"hotkey-taken", HotKeyTaken);
TW_DRIVER_COMMAND(L"hotkey-scan", HotKeyScan);
TW_DRIVER_COMMAND(L"hotkey-hold", HotKeyHold);
TW_DRIVER_COMMAND(L"hotkey-release", HotKeyRelease);
