#pragma once
// The seam to the operating system. Everything the program asks of Windows about
// foreign windows, hot keys, processes, the screen, the hook library and its own
// executable goes through this interface, so every behaviour above it can be run
// against SimDesktop. Each function is named and shaped after the Windows call it
// stands for; texts are code page 932 bytes.
#include <cstdint>
#include <string>

using WindowHandle = std::uintptr_t;  // an HWND; 0 is no window
using KernelHandle = std::uintptr_t;  // a HANDLE; 0 is none

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Values of the Windows constants the program passes through the seam.
namespace win {
constexpr int GwlStyle = -16;
constexpr int GwlExStyle = -20;
constexpr long WsExToolWindow = 0x80;
constexpr long WsExAppWindow = 0x40000;
constexpr long WsExLayered = 0x80000;
constexpr unsigned ErrorAlreadyExists = 183;
constexpr unsigned WmHotKey = 0x0312;
constexpr unsigned WmApp = 0x8000;
constexpr unsigned WmEndSession = 0x0016;
constexpr unsigned ModAlt = 1;
constexpr unsigned ModControl = 2;
constexpr unsigned ModShift = 4;
constexpr unsigned NormIgnoreCase = 1;
constexpr int CstrEqual = 2;
}  // namespace win

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Single-instance marker. CreateMutexA returns the handle (0 on failure) and the
  // thread's last error right after the call, so ERROR_ALREADY_EXISTS can be told apart.
  struct MutexResult {
    KernelHandle Handle = 0;
    unsigned LastError = 0;
  };
  virtual MutexResult CreateMutexA(const std::string& name, bool initialOwner) = 0;
  virtual bool ReleaseMutex(KernelHandle mutex) = 0;
  virtual bool CloseHandle(KernelHandle handle) = 0;

  // Window longs (style and extended style).
  virtual long GetWindowLongA(WindowHandle window, int index) = 0;
  virtual long SetWindowLongA(WindowHandle window, int index, long value) = 0;

  // The hook library: notifications go to `target`; `snappingKey` 0 none, 1 Shift,
  // 2 Ctrl, 3 Alt.
  virtual bool StartHook(WindowHandle target, int snappingKey) = 0;
  virtual bool EndHook() = 0;

  // Full path of the program's own executable.
  virtual std::string ModuleFileName() = 0;

  // Global hot keys; `modifiers` are MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4.
  virtual bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) = 0;
  virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;
  // Key names of the keyboard layout: the scan code of a virtual key (map type 0), and
  // the name of a scan code given as GetKeyNameText's lParam ("" when it has none).
  virtual unsigned MapVirtualKeyA(unsigned code, unsigned mapType) = 0;
  virtual std::string GetKeyNameTextA(long lParam) = 0;
  // Compares two texts in the user's locale; returns CSTR_LESS_THAN 1, CSTR_EQUAL 2 or
  // CSTR_GREATER_THAN 3 (0 on failure). `flags` as CompareString's (NORM_IGNORECASE 1).
  virtual int CompareStringA(unsigned flags, const std::string& a, const std::string& b) = 0;
};
