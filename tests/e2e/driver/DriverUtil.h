#pragma once
// Helpers shared by the driver's commands: text conversion for the result file, argument
// parsing, and looking at processes and windows of the desktop the driver runs on.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of every command, so that scenarios can use a command as a condition:
// 0 the thing looked for is there or happened, 1 it is not, 2 bad arguments, 3 the system
// refused something the command needed.
inline constexpr int kYes = 0;
inline constexpr int kNo = 1;
inline constexpr int kUsage = 2;
inline constexpr int kFailure = 3;

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);

// A value for a result line: in double quotes, with \ " and control characters escaped so
// that one fact stays on one line whatever a window title holds.
std::string Quote(std::wstring_view text);
std::string Hex(unsigned long long value);
std::string HexHandle(const void* handle);

// A non-negative decimal number, or hexadecimal with a leading 0x.
std::optional<unsigned long> ParseNumber(std::wstring_view text);

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);

struct ProcessEntry {
  DWORD pid;
  std::wstring image;
};

// Processes whose image name (e.g. "tarnwick.exe") matches, case-insensitively; "*" matches
// every process. The driver itself is never included.
std::vector<ProcessEntry> FindProcesses(std::wstring_view image);

// Top-level windows of the driver's desktop, top of the Z-order first.
std::vector<HWND> TopLevelWindows();
// All descendants of a window.
std::vector<HWND> ChildWindows(HWND parent);

DWORD ProcessOfWindow(HWND window);
std::wstring ClassOf(HWND window);
std::wstring TitleOf(HWND window);
// The text of a window of any process, asked for with WM_GETTEXT, which a caption read
// does not cover (edit controls keep their text themselves).
std::wstring TextByMessage(HWND window);

// Whether the shell gives this top-level window a task-bar button: shown, and either
// forced with WS_EX_APPWINDOW or unowned and not a tool window.
bool HasTaskbarButton(HWND window);

// One line with every attribute of a top-level window that the scenarios look at.
std::string DescribeWindow(HWND window);

// Registers an ordinary application window class (arrow cursor, window-coloured
// background); reports an error line and returns false when the system refuses.
bool RegisterWindowClass(const std::wstring& name, WNDPROC procedure);

// A sleep that keeps this thread's windows answering.
void PumpFor(DWORD milliseconds);

// Argument i, or nothing when there are fewer (which no parser accepts).
std::wstring_view Arg(const std::vector<std::wstring>& args, size_t i);
// A decimal number with an optional sign (window coordinates may be negative).
std::optional<long> ParseSigned(std::wstring_view text);
// A window handle as the result files write it; 0 is none.
std::optional<HWND> ParseWindow(std::wstring_view text);

// "left,top,right,bottom", as the result files write rectangles.
std::string RectText(const RECT& r);
bool SameRect(const RECT& a, const RECT& b);

// Milliseconds from a high-resolution clock; what is measured here lies below the 10 to
// 16 ms steps of GetTickCount.
double NowMs();
// Milliseconds with one decimal, for result lines.
std::string Ms(double ms);

// Waits, keeping this thread's windows answering, until what the start of this driver
// process set off in the system has passed: a timing begun at once measured that too (the
// program's list and moves in a frame switch then took about twice as long).
void SettleAfterStart();

// Polls every `interval` ms until `done` holds or the time is up, keeping this thread's
// windows answering; true when it held.
template <typename Done>
bool PollUntil(DWORD milliseconds, Done done, DWORD interval = 1) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() >= end) return false;
    PumpFor(interval);
  }
  return true;
}

// A hot-key combination as RegisterHotKey takes it.
struct KeyCombination {
  UINT modifiers = 0;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
  UINT key = 0;
};
std::optional<KeyCombination> ParseCombination(std::wstring_view modifiers, std::wstring_view key);
// The combination as a user types it: modifiers down, the key down and up, modifiers up, in
// one SendInput call so that no other input comes between them. Reports an error line and
// returns false when the system took fewer events.
bool Press(const KeyCombination& c);
