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

// A sleep that keeps this thread's windows answering.
void PumpFor(DWORD milliseconds);
