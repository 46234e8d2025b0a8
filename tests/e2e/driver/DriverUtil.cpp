#include "DriverUtil.h"

#include <tlhelp32.h>

#include <cstdio>

#include "Commands.h"

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), size);
  return result;
}

std::string Quote(std::wstring_view text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\\' || c == L'"') {
      escaped += L'\\';
      escaped += c;
    } else if (c == L'\n') {
      escaped += L"\\n";
    } else if (c == L'\r') {
      escaped += L"\\r";
    } else if (c == L'\t') {
      escaped += L"\\t";
    } else if (c < 0x20) {
      wchar_t code[8];
      swprintf(code, 8, L"\\x%02x", static_cast<unsigned>(c));
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return "\"" + Utf8(escaped) + "\"";
}

std::string Hex(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", value);
  return text;
}

std::string HexHandle(const void* handle) {
  return Hex(static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
}

std::optional<unsigned long> ParseNumber(std::wstring_view text) {
  unsigned long base = 10;
  if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  // Small enough for 32 bits either way.
  if (text.empty() || text.size() > (base == 16 ? 8u : 9u)) return std::nullopt;
  unsigned long value = 0;
  for (wchar_t c : text) {
    unsigned long digit = 0;
    if (c >= L'0' && c <= L'9') {
      digit = static_cast<unsigned long>(c - L'0');
    } else if (base == 16 && c >= L'a' && c <= L'f') {
      digit = static_cast<unsigned long>(c - L'a' + 10);
    } else if (base == 16 && c >= L'A' && c <= L'F') {
      digit = static_cast<unsigned long>(c - L'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
  }
  return value;
}

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::vector<ProcessEntry> FindProcesses(std::wstring_view image) {
  std::vector<ProcessEntry> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  const DWORD self = GetCurrentProcessId();
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == self) continue;
    if (image == L"*" || SameTextIgnoringCase(entry.szExeFile, image)) {
      found.push_back({entry.th32ProcessID, entry.szExeFile});
    }
  }
  CloseHandle(snapshot);
  return found;
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

DWORD ProcessOfWindow(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring TitleOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring title(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, title.data(), length + 1);
  title.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return title;
}

std::wstring TextByMessage(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

bool HasTaskbarButton(HWND window) {
  if (!IsWindowVisible(window)) return false;
  const auto exstyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  if (exstyle & WS_EX_APPWINDOW) return true;
  return GetWindow(window, GW_OWNER) == nullptr && !(exstyle & WS_EX_TOOLWINDOW);
}

std::string DescribeWindow(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exstyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  RECT rect{};
  GetWindowRect(window, &rect);
  return "window hwnd=" + HexHandle(window) + " pid=" + std::to_string(ProcessOfWindow(window)) +
         " visible=" + (IsWindowVisible(window) ? "1" : "0") + " style=" + Hex(style) +
         " exstyle=" + Hex(exstyle) + " owner=" + HexHandle(GetWindow(window, GW_OWNER)) +
         " taskbar=" + (HasTaskbarButton(window) ? "1" : "0") +
         " rect=" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) +
         " class=" + Quote(ClassOf(window)) + " title=" + Quote(TitleOf(window));
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

std::wstring_view Arg(const std::vector<std::wstring>& args, size_t i) {
  return i < args.size() ? std::wstring_view(args[i]) : std::wstring_view();
}

std::optional<long> ParseSigned(std::wstring_view text) {
  const bool negative = !text.empty() && text[0] == L'-';
  if (negative) text.remove_prefix(1);
  auto value = ParseNumber(text);
  if (!value) return std::nullopt;
  return negative ? -static_cast<long>(*value) : static_cast<long>(*value);
}

std::optional<HWND> ParseWindow(std::wstring_view text) {
  auto value = ParseNumber(text);
  if (!value || *value == 0) return std::nullopt;
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(*value));
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void SettleAfterStart() {
  PumpFor(150);
}

double NowMs() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency);
}

std::string Ms(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", ms);
  return text;
}

std::optional<KeyCombination> ParseCombination(std::wstring_view modifiers, std::wstring_view key) {
  auto m = ParseNumber(modifiers);
  auto k = ParseNumber(key);
  if (!m || !k || *m > 7 || *k == 0 || *k > 0xFE) return std::nullopt;
  return KeyCombination{static_cast<UINT>(*m), static_cast<UINT>(*k)};
}

namespace {

// Keys that come from the extended part of the keyboard (arrows and the block above them).
bool IsExtendedKey(UINT key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
}

INPUT KeyInput(UINT key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(key);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

}  // namespace

bool Press(const KeyCombination& c) {
  std::vector<UINT> held;
  if (c.modifiers & MOD_SHIFT) held.push_back(VK_SHIFT);
  if (c.modifiers & MOD_CONTROL) held.push_back(VK_CONTROL);
  if (c.modifiers & MOD_ALT) held.push_back(VK_MENU);
  std::vector<INPUT> inputs;
  for (UINT k : held) inputs.push_back(KeyInput(k, false));
  inputs.push_back(KeyInput(c.key, false));
  inputs.push_back(KeyInput(c.key, true));
  for (auto k = held.rbegin(); k != held.rend(); ++k) inputs.push_back(KeyInput(*k, true));
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) {
    Report("error=SendInput sent " + std::to_string(sent) + " of " + std::to_string(inputs.size()) +
           " events, error " + std::to_string(GetLastError()));
    return false;
  }
  return true;
}

bool RegisterWindowClass(const std::wstring& name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name.c_str();
  if (RegisterClassExW(&windowClass)) return true;
  Report("error=RegisterClassEx failed with " + std::to_string(GetLastError()));
  return false;
}
