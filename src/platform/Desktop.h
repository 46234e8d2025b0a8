#pragma once
// The seam to the operating system. Everything the program asks of Windows about
// foreign windows, hot keys, processes, the screen, the hook library and its own
// executable goes through this interface, so every behaviour above it can be run
// against SimDesktop. Each function is named and shaped after the Windows call it
// stands for; texts are code page 932 bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

struct TSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TSize&) const = default;
};

// WINDOWPLACEMENT without its length field. NormalPosition is the restore rectangle.
struct TWindowPlacement {
  unsigned Flags = 0;
  unsigned ShowCmd = 0;
  TPoint MinPosition;
  TPoint MaxPosition;
  TRect NormalPosition;
  bool operator==(const TWindowPlacement&) const = default;
};

// One monitor as GetMonitorInfo gives it: its rectangle and its work area (without the task
// bar), in screen coordinates.
struct TMonitor {
  TRect Bounds;
  TRect WorkArea;
  bool operator==(const TMonitor&) const = default;
};

// One top-level window as ListWindows gives it.
struct TListedWindow {
  WindowHandle Handle = 0;
  long Style = 0;  // GWL_STYLE
  TRect Bounds;    // the window rectangle
  std::string Title;
  std::string ClassName;  // "" when the window has gone
  bool Cloaked = false;
};

// One move of a batch: the window to `To`, as MoveWindow with repaint sends it; with `Via`,
// first there, and on to `To` only if that move succeeded.
struct TWindowMove {
  WindowHandle Window = 0;
  TRect To;
  std::optional<TRect> Via;
};

// Values of the Windows constants the program passes through the seam.
namespace win {
constexpr int GwlStyle = -16;
constexpr int GwlExStyle = -20;
constexpr long WsMaximize = 0x01000000;
constexpr long WsMinimize = 0x20000000;
constexpr long WsVisible = 0x10000000;
constexpr long WsDisabled = 0x08000000;
constexpr long WsCaption = 0x00C00000;
constexpr long WsExTopMost = 0x8;
constexpr long WsExToolWindow = 0x80;
constexpr long WsExAppWindow = 0x40000;
constexpr long WsExLayered = 0x80000;
constexpr unsigned ErrorAlreadyExists = 183;
constexpr unsigned WmHotKey = 0x0312;
constexpr unsigned WmApp = 0x8000;
constexpr unsigned WmEndSession = 0x0016;
// The monitors or their resolution changed; sent to every top-level window.
constexpr unsigned WmDisplayChange = 0x007E;
constexpr unsigned CreateNewConsole = 0x10;
constexpr unsigned ModAlt = 1;
constexpr unsigned ModControl = 2;
constexpr unsigned ModShift = 4;
constexpr unsigned NormIgnoreCase = 1;
constexpr unsigned MapVkVkToVsc = 0;
constexpr unsigned MapVkVscToVk = 1;
constexpr unsigned MapVkVkToVscEx = 4;  // with the 0xE0 prefix of an extended key
constexpr long KeyNameExtended = 1L << 24;
constexpr int CstrEqual = 2;
// ShowWindow commands (also GetWindowPlacement's showCmd).
constexpr int SwHide = 0;
constexpr int SwShowNormal = 1;
constexpr int SwShowMinimized = 2;
constexpr int SwShowMaximized = 3;
constexpr int SwShowNoActivate = 4;
constexpr int SwShow = 5;
constexpr int SwMinimize = 6;
constexpr int SwShowMinNoActive = 7;
constexpr int SwShowNa = 8;
constexpr int SwRestore = 9;
constexpr unsigned WpfSetMinPosition = 1;
constexpr unsigned WpfRestoreToMaximized = 2;
// SetWindowPos.
constexpr WindowHandle HwndTop = 0;
constexpr WindowHandle HwndBottom = 1;
constexpr WindowHandle HwndTopMost = static_cast<WindowHandle>(-1);
constexpr WindowHandle HwndNoTopMost = static_cast<WindowHandle>(-2);
constexpr unsigned SwpNoSize = 0x1;
constexpr unsigned SwpNoMove = 0x2;
constexpr unsigned SwpNoZOrder = 0x4;
constexpr unsigned SwpNoActivate = 0x10;
constexpr unsigned LwaColorKey = 1;
constexpr unsigned LwaAlpha = 2;
// GetDeviceCaps indexes.
constexpr int HorzRes = 8;
constexpr int VertRes = 10;
// GetSystemMetrics indexes: the virtual screen, the rectangle around every monitor.
constexpr int SmXVirtualScreen = 76;
constexpr int SmYVirtualScreen = 77;
constexpr int SmCxVirtualScreen = 78;
constexpr int SmCyVirtualScreen = 79;
// Starting the system's move of a window as if its caption had been grabbed.
constexpr unsigned WmNcLButtonDown = 0x00A1;
constexpr std::uintptr_t HtCaption = 2;
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

  // Top-level windows, from the top of the Z-order down; the callback returns false to
  // stop. The handles are taken before the first callback, so a window that goes
  // meanwhile is still passed (and calls on it fail).
  using EnumWindowsProc = std::function<bool(WindowHandle window)>;
  virtual bool EnumWindows(const EnumWindowsProc& callback) = 0;
  // Title and class name as the A functions give them into a buffer of `maxCount` bytes:
  // at most maxCount - 1 bytes, never ending inside a double-byte character. "" when the
  // window has gone (a class name is never empty otherwise).
  virtual std::string GetWindowTextA(WindowHandle window, int maxCount) = 0;
  virtual std::string GetClassNameA(WindowHandle window, int maxCount) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  // On failure `rect` and `placement` are left as they were.
  virtual bool GetWindowRect(WindowHandle window, TRect& rect) = 0;
  virtual bool GetWindowPlacement(WindowHandle window, TWindowPlacement& placement) = 0;
  virtual bool SetWindowPlacement(WindowHandle window, const TWindowPlacement& placement) = 0;
  // Both are false when the window was not moved: it has gone, or the system refused the
  // move (a window of a higher privilege level than this program's).
  virtual bool MoveWindow(WindowHandle window, int x, int y, int width, int height,
                          bool repaint) = 0;
  virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                            int cy, unsigned flags) = 0;
  // EnumWindows, and of each window whose style (GWL_STYLE) has every bit of `withStyle` and
  // none of `withoutStyle` what GetWindowRect, GetWindowTextA (a buffer of `titleCount`
  // bytes; with 0 the title is not asked for and stays empty), GetClassNameA (`classCount`
  // bytes) and IsWindowCloaked say, in one pass; the other windows are left out. From the
  // top of the Z-order down; `windows` is emptied first.
  virtual void ListWindows(long withStyle, long withoutStyle, int titleCount, int classCount,
                           std::vector<TListedWindow>& windows) = 0;
  // Makes every move as MoveWindow would (the Z-order stays), each window's in order, as
  // fast as the system allows: a window of another thread may carry its moves out after the
  // call has returned, when its program next reads its messages, and reads as standing
  // where it was sent until then. Returns the indexes of the moves that failed (the window
  // has gone, or the system refused the move), in order.
  virtual std::vector<std::size_t> MoveWindows(const std::vector<TWindowMove>& moves) = 0;
  // DwmGetWindowAttribute(DWMWA_CLOAKED): the system keeps the window out of sight while it
  // stays visible to its program (a window of another of the system's own desktops, a
  // suspended store application). False where the call is missing or fails (Windows 7, Wine).
  virtual bool IsWindowCloaked(WindowHandle window) = 0;
  // Returns whether the window was visible before.
  virtual bool ShowWindow(WindowHandle window, int command) = 0;
  virtual bool SetLayeredWindowAttributes(WindowHandle window, unsigned colorKey,
                                          std::uint8_t alpha, unsigned flags) = 0;

  // Activation and the foreground lock.
  virtual WindowHandle GetForegroundWindow() = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  // The thread that created the window (0 when it has gone); its process into `processId`.
  virtual unsigned GetWindowThreadProcessId(WindowHandle window, unsigned* processId = nullptr) = 0;
  virtual bool AttachThreadInput(unsigned attach, unsigned attachTo, bool doAttach) = 0;
  // SystemParametersInfoA with SPI_GETFOREGROUNDLOCKTIMEOUT and
  // SPI_SETFOREGROUNDLOCKTIMEOUT; the new value is neither written to the user profile
  // nor broadcast.
  virtual bool GetForegroundLockTimeout(unsigned& timeout) = 0;
  virtual bool SetForegroundLockTimeout(unsigned timeout) = 0;

  // GetDeviceCaps of the screen, GetDC(GetDesktopWindow()): HORZRES, VERTRES.
  virtual int GetDeviceCaps(int index) = 0;
  // GetSystemMetrics; the program asks only for the virtual screen (SM_*VIRTUALSCREEN).
  virtual int GetSystemMetrics(int index) = 0;
  // EnumDisplayMonitors over the whole desktop with GetMonitorInfo of each: every monitor
  // as the system has them now (empty only if the calls fail).
  virtual std::vector<TMonitor> EnumDisplayMonitors() = 0;

  // The pointer: ClipCursor keeps it inside `rect` (screen coordinates; null frees it);
  // ReleaseCapture ends the mouse capture of this thread's window.
  virtual bool ClipCursor(const TRect* rect) = 0;
  virtual bool ReleaseCapture() = 0;
  virtual bool PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) = 0;

  // The hook library: notifications go to `target`; `snappingKey` 0 none, 1 Shift,
  // 2 Ctrl, 3 Alt.
  virtual bool StartHook(WindowHandle target, int snappingKey) = 0;
  virtual bool EndHook() = 0;

  // Starts a command line as a new process (no application name, handles not inherited,
  // the program's own environment and current directory); `info` receives the handles,
  // which the caller closes.
  struct ProcessInformation {
    KernelHandle Process = 0;
    KernelHandle Thread = 0;
    unsigned ProcessId = 0;
    unsigned ThreadId = 0;
  };
  virtual bool CreateProcessA(const std::string& commandLine, unsigned creationFlags,
                              ProcessInformation& info) = 0;

  // Full path of the program's own executable, with every character of its folder's name
  // (GetModuleFileNameW): the settings file and the version resource are found by it.
  virtual std::filesystem::path ModuleFileName() = 0;

  // The version resource of a file. GetFileVersionInfoSizeW gives its size (0: none);
  // GetFileVersionInfoW reads it into `block`, which only VerQueryValueA interprets. A
  // string value ("\StringFileInfo\041103a4\ProductName") arrives as its text
  // (code page 932, no terminating zero), "\VarFileInfo\Translation" as its bytes.
  virtual unsigned GetFileVersionInfoSizeW(const std::filesystem::path& path) = 0;
  virtual bool GetFileVersionInfoW(const std::filesystem::path& path, unsigned size,
                                   std::vector<std::uint8_t>& block) = 0;
  virtual bool VerQueryValueA(const std::vector<std::uint8_t>& block, const std::string& subBlock,
                              std::string& value) = 0;

  // The current user's programs started at log-on: value `name` under
  // HKCU\Software\Microsoft\Windows\CurrentVersion\Run, a command line. It names a
  // program's path, so it is carried like one, with every character. RegGetValueW: false
  // when the value is absent or cannot be read. RegSetKeyValueW writes it as REG_SZ;
  // RegDeleteKeyValueW is true also when there was no such value.
  virtual bool RegGetRunValue(const std::string& name, std::filesystem::path& commandLine) = 0;
  virtual bool RegSetRunValue(const std::string& name,
                              const std::filesystem::path& commandLine) = 0;
  virtual bool RegDeleteRunValue(const std::string& name) = 0;

  // Runs `handler` once when the process is about to die of an unhandled exception (a
  // crash, or a C++ exception nobody caught), before it ends; an empty handler removes it.
  virtual void SetUnhandledExceptionFilter(std::function<void()> handler) = 0;

  // Global hot keys; `modifiers` are MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4.
  virtual bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) = 0;
  virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;
  // Key names of the keyboard layout: the scan code of a virtual key (map type 0, or 4 for
  // one with the 0xE0 prefix of an extended key), the virtual key of a scan code (map type
  // 1), and the name of a scan code given as GetKeyNameText's lParam, bit 24 for an
  // extended key ("" when it has none).
  virtual unsigned MapVirtualKeyA(unsigned code, unsigned mapType) = 0;
  virtual std::string GetKeyNameTextA(long lParam) = 0;
  // What tells the calling thread's keyboard layout from any other (its layout handle):
  // while it stays the same, so do the key names above.
  virtual std::uint64_t KeyboardLayoutId() = 0;
  // Compares two texts in the user's locale; returns CSTR_LESS_THAN 1, CSTR_EQUAL 2 or
  // CSTR_GREATER_THAN 3 (0 on failure). `flags` as CompareString's (NORM_IGNORECASE 1).
  virtual int CompareStringA(unsigned flags, const std::string& a, const std::string& b) = 0;
};
