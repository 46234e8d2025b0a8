// Commands of the settings-file fault scenarios: a start timed to the moment the program is
// ready for its hot keys, and the DOS attributes of a file as Windows programs see them.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

constexpr int kProbeId = 0x7A01;

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

std::string Milliseconds(double ms) {
  return std::to_string(static_cast<long long>(ms + 0.5));
}

// The program's hidden application window, of the started process, is in front: the
// start-up brings it there as its last step, after the hot keys are registered and the
// hook is started (TOptionDlg::IdleStart).
bool ApplicationInFront(DWORD pid) {
  HWND front = GetForegroundWindow();
  return front != nullptr && ProcessOfWindow(front) == pid &&
         ClassOf(front) == L"TarnwickApplication";
}

// start-until-ready <exe> <timeout-ms> <modifiers> <vk> [<modifiers> <vk> ...]
// Starts the program and watches, every 2 ms and without touching the hot keys (a probe
// registering a combination in the very instant the program registers it would take it
// away from the program), for the last step of its start-up. Then every combination given
// must be held by somebody. Reports pid, ready-ms (process creation to that moment),
// taken/free for each combination, and whether the process still runs.
int StartUntilReady(const std::vector<std::wstring>& args) {
  const auto timeout = args.size() >= 4 ? ParseNumber(args[1]) : std::nullopt;
  if (!timeout || args.size() % 2 != 0) {
    Report("error=usage: start-until-ready <exe> <timeout-ms> <modifiers> <vk> [...]");
    return kUsage;
  }
  struct Combination {
    UINT modifiers, key;
  };
  std::vector<Combination> combinations;
  for (size_t i = 2; i + 1 < args.size(); i += 2) {
    auto modifiers = ParseNumber(args[i]);
    auto key = ParseNumber(args[i + 1]);
    if (!modifiers || !key || *modifiers > 0xF || *key == 0 || *key > 0xFE) {
      Report("error=bad combination");
      return kUsage;
    }
    combinations.push_back({static_cast<UINT>(*modifiers), static_cast<UINT>(*key)});
  }

  std::wstring commandLine = L"\"" + args[0] + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER started{};
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Report("error=CreateProcess failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  Report("pid=" + std::to_string(process.dwProcessId));
  double readyMs = -1;
  bool exited = false;
  while (MillisecondsSince(started) < *timeout) {
    if (ApplicationInFront(process.dwProcessId)) {
      readyMs = MillisecondsSince(started);
      break;
    }
    if (WaitForSingleObject(process.hProcess, 2) == WAIT_OBJECT_0) {
      exited = true;
      break;
    }
  }
  Report("ready-ms=" + (readyMs < 0 ? std::string("none") : Milliseconds(readyMs)));

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TwDriverReadyProbe";
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"probe", WS_OVERLAPPED, 0, 0, 10, 10,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
  size_t taken = 0;
  for (const Combination& c : combinations) {
    DWORD error = 0;
    if (RegisterHotKey(window, kProbeId, c.modifiers, c.key)) {
      UnregisterHotKey(window, kProbeId);
    } else {
      error = GetLastError();
    }
    const bool isTaken = error == ERROR_HOTKEY_ALREADY_REGISTERED;
    if (isTaken) ++taken;
    Report("hotkey modifiers=" + std::to_string(c.modifiers) + " key=" + Hex(c.key) +
           " state=" + (isTaken ? "taken" : "free") + " error=" + std::to_string(error));
  }
  if (window) DestroyWindow(window);
  if (!exited) exited = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
  Report("taken=" + std::to_string(taken));
  Report(std::string("running=") + (exited ? "0" : "1"));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return readyMs >= 0 && !exited && taken == combinations.size() ? kYes : kNo;
}

// file-attributes <path> [+r|-r]: the file's DOS attributes as GetFileAttributes reports
// them (after setting or clearing FILE_ATTRIBUTE_READONLY as attrib would).
int FileAttributes(const std::vector<std::wstring>& args) {
  if (args.empty() || args.size() > 2 ||
      (args.size() == 2 && args[1] != L"+r" && args[1] != L"-r")) {
    Report("error=usage: file-attributes <path> [+r|-r]");
    return kUsage;
  }
  DWORD attributes = GetFileAttributesW(args[0].c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    Report("exists=0 error=" + std::to_string(GetLastError()));
    return kNo;
  }
  if (args.size() == 2) {
    DWORD wanted = args[1] == L"+r" ? (attributes | FILE_ATTRIBUTE_READONLY)
                                    : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (wanted == 0) wanted = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileAttributesW(args[0].c_str(), wanted)) {
      Report("error=SetFileAttributes failed with " + std::to_string(GetLastError()));
      return kFailure;
    }
    attributes = GetFileAttributesW(args[0].c_str());
  }
  Report("exists=1");
  Report("attributes=" + Hex(attributes));
  Report(std::string("readonly=") + (attributes & FILE_ATTRIBUTE_READONLY ? "1" : "0"));
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"start-until-ready", StartUntilReady);
TW_DRIVER_COMMAND(L"file-attributes", FileAttributes);
