#pragma once
// An in-memory window system for tests and benchmarks. It models what the program relies
// on and logs every call it receives, so a test can check the order of the calls.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Desktop.h"

// What simulated processes share: named kernel objects.
struct SimHotKey {
  WindowHandle Window = 0;
  int Id = 0;
  unsigned Modifiers = 0;
  unsigned Key = 0;
};

struct SimSystem {
  std::map<std::string, int> Mutexes;  // name -> open handles
  std::vector<SimHotKey> HotKeys;      // registrations of every simulated process
  // The window and id a combination would fire, or null when nobody holds it.
  const SimHotKey* HotKeyFor(unsigned modifiers, unsigned key) const;
};

// A keyboard layout: virtual key -> (scan code, with the 0xE0 prefix of an extended key;
// key name). Several keys may share a scan code and its name, as the keypad's digits do
// with the keys the keypad sends while Num Lock is off.
std::map<unsigned, std::pair<unsigned, std::string>> SimUsKeyboardLayout();
std::map<unsigned, std::pair<unsigned, std::string>> SimJapaneseKeyboardLayout();

// A keyboard layout that takes a new identity, never used before by any layout, whenever
// a test changes it, as a real layout is told apart by its handle.
class SimKeyboardLayout : public std::map<unsigned, std::pair<unsigned, std::string>> {
 public:
  using Keys = std::map<unsigned, std::pair<unsigned, std::string>>;
  SimKeyboardLayout(Keys keys = SimUsKeyboardLayout());
  SimKeyboardLayout(const SimKeyboardLayout& other);
  SimKeyboardLayout& operator=(const SimKeyboardLayout& other);
  SimKeyboardLayout& operator=(Keys keys);
  // Every way a test changes the keys.
  mapped_type& operator[](unsigned code);
  mapped_type& at(unsigned code);
  size_type erase(unsigned code);
  void clear();
  std::uint64_t Id() const { return id_; }

 private:
  std::uint64_t id_;
};

// One top-level window. Minimized and maximized are the WS_MINIMIZE and WS_MAXIMIZE bits
// of Style, as the program reads them.
struct SimWindow {
  std::string ClassName;
  std::string Title;
  long Style = 0;
  long ExStyle = 0;
  TRect Rect;  // the window rectangle: the iconic one while minimized
  // The restore rectangle while minimized or maximized; a window in the normal state is
  // restored to where it is, whatever this holds.
  TRect NormalRect;
  TPoint MinPosition{-1, -1};  // last iconic position; (-1, -1) before the first
  TPoint MaxPosition{-1, -1};  // set when a maximized window is moved
  bool RestoreToMaximized = false;
  std::uint8_t Alpha = 255;  // SetLayeredWindowAttributes
  unsigned ColorKey = 0;
  unsigned LayeredFlags = 0;
  unsigned ThreadId = 1;
  unsigned ProcessId = 1;
  // The system keeps it out of sight (DWM cloaking); moves still reach it.
  bool Cloaked = false;
  // MoveWindow and SetWindowPos fail on it and leave it where it is (a window of a higher
  // privilege level).
  bool RefusesMoves = false;
};

class SimDesktop : public Desktop {
 public:
  explicit SimDesktop(std::shared_ptr<SimSystem> system = std::make_shared<SimSystem>());

  // The simulated world, for tests to arrange and inspect.
  std::shared_ptr<SimSystem> System;
  std::map<WindowHandle, SimWindow> Windows;
  std::vector<std::string> Calls;  // "StartHook(65552,2)", in order
  // Command lines started, in order; a line in FailingCommandLines fails to start.
  std::vector<std::string> StartedProcesses;
  std::vector<std::string> FailingCommandLines;
  std::filesystem::path ExecutablePath = "C:\\Tarnwick\\tarnwick.exe";
  SimKeyboardLayout KeyboardLayout;
  bool HookStarted = false;
  WindowHandle HookTarget = 0;
  int HookSnappingKey = 0;
  // How often IsWindowCloaked was asked about each window. Counted here rather than logged
  // in Calls: a question asked of every window at every switch would bury the moves there.
  std::map<WindowHandle, int> CloakQueries;
  // Where ClipCursor keeps the pointer; empty while it is free.
  std::optional<TRect> CursorClip;

  // Top-level windows, top of the Z-order first. A window put straight into `Windows`
  // joins at the bottom when the windows are next enumerated.
  std::vector<WindowHandle> ZOrder;
  TSize ScreenSize{1024, 768};
  // The monitors; empty: the primary screen alone, (0, 0) to ScreenSize, its work area the
  // same. SetMonitors changes them as a display change does.
  std::vector<TMonitor> Monitors;
  // The rectangle around every monitor as GetSystemMetrics gives it; empty: the one around
  // Monitors.
  std::optional<TRect> VirtualScreen;
  WindowHandle Foreground = 0;
  // While it is not 0, only a process that owns the foreground window may take the
  // foreground (Windows' default is 200000 ms).
  unsigned ForegroundLockTimeout = 200000;
  // The process and thread the program runs as; windows of other processes are foreign.
  unsigned CurrentProcessId = 1;
  unsigned CurrentThreadId = 1;
  std::set<std::pair<unsigned, unsigned>> AttachedInputs;  // (attach, attachTo)
  // Detaching thread input leaves no foreground window (Wine 8).
  bool DetachDropsForeground = false;
  // SetWindowPlacement fails on foreign windows (Wine; Windows across privilege levels).
  bool RefuseForeignPlacement = false;
  // GetWindowPlacement of a foreign window reports the window rectangle as the normal
  // one, with no iconic or maximized position (Wine).
  bool ReportForeignPlacementAsWine = false;
  // The version resource of the executable: each value under the sub-block VerQueryValue
  // finds it by, e.g. "\\VarFileInfo\\Translation" (its bytes) and
  // "\\StringFileInfo\\041103a4\\ProductName" (its text). Empty: the file has none.
  std::map<std::string, std::string> VersionResource;
  bool VersionReadFails = false;  // GetFileVersionInfoW fails although there is one
  // The current user's Run values by name; a set or delete fails while RunValueWriteFails.
  std::map<std::string, std::filesystem::path> RunValues;
  bool RunValueWriteFails = false;

  // Adds a window (or gives an existing handle its state) and returns its handle. A new
  // window goes to the bottom of the Z-order, so windows enumerate in the order added.
  WindowHandle AddWindow(SimWindow window, WindowHandle handle = 0);
  // The window is gone, as if its program had closed it.
  void DestroyWindow(WindowHandle window);
  // Destroys `window` as the first logged call beginning with `callPrefix` arrives, before
  // that call acts: e.g. VanishWhen("MoveWindow(" + std::to_string(a), b).
  void VanishWhen(std::string callPrefix, WindowHandle window);
  // A display change: the monitors become `monitors`, the primary screen (the one at
  // (0, 0)) gives ScreenSize. The program hears of it only when WM_DISPLAYCHANGE is
  // delivered, which is the test's to do.
  void SetMonitors(std::vector<TMonitor> monitors);
  // Process and thread handles not closed yet.
  size_t OpenProcessHandles() const { return heldProcessHandles_.size(); }
  // How many logged calls begin with `prefix`.
  int CallCount(const std::string& prefix) const;

  MutexResult CreateMutexA(const std::string& name, bool initialOwner) override;
  bool ReleaseMutex(KernelHandle mutex) override;
  bool CloseHandle(KernelHandle handle) override;
  long GetWindowLongA(WindowHandle window, int index) override;
  long SetWindowLongA(WindowHandle window, int index, long value) override;
  bool CreateProcessA(const std::string& commandLine, unsigned creationFlags,
                      ProcessInformation& info) override;
  bool StartHook(WindowHandle target, int snappingKey) override;
  bool EndHook() override;
  std::filesystem::path ModuleFileName() override;
  unsigned GetFileVersionInfoSizeW(const std::filesystem::path& path) override;
  bool GetFileVersionInfoW(const std::filesystem::path& path, unsigned size,
                           std::vector<std::uint8_t>& block) override;
  bool VerQueryValueA(const std::vector<std::uint8_t>& block, const std::string& subBlock,
                      std::string& value) override;
  bool RegGetRunValue(const std::string& name, std::filesystem::path& commandLine) override;
  bool RegSetRunValue(const std::string& name, const std::filesystem::path& commandLine) override;
  bool RegDeleteRunValue(const std::string& name) override;
  void SetUnhandledExceptionFilter(std::function<void()> handler) override;
  // What the program registered to run when it crashes.
  std::function<void()> CrashHandler;
  bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) override;
  bool UnregisterHotKey(WindowHandle window, int id) override;
  unsigned MapVirtualKeyA(unsigned code, unsigned mapType) override;
  std::string GetKeyNameTextA(long lParam) override;
  std::uint64_t KeyboardLayoutId() override;
  int CompareStringA(unsigned flags, const std::string& a, const std::string& b) override;

  bool EnumWindows(const EnumWindowsProc& callback) override;
  std::string GetWindowTextA(WindowHandle window, int maxCount) override;
  std::string GetClassNameA(WindowHandle window, int maxCount) override;
  bool IsWindow(WindowHandle window) override;
  bool GetWindowRect(WindowHandle window, TRect& rect) override;
  bool GetWindowPlacement(WindowHandle window, TWindowPlacement& placement) override;
  bool SetWindowPlacement(WindowHandle window, const TWindowPlacement& placement) override;
  bool MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override;
  // Logged once for the whole list; each move of a batch is logged as its MoveWindow.
  void ListWindows(long withStyle, long withoutStyle, int titleCount, int classCount,
                   std::vector<TListedWindow>& windows) override;
  std::vector<std::size_t> MoveWindows(const std::vector<TWindowMove>& moves) override;
  bool IsWindowCloaked(WindowHandle window) override;
  bool ShowWindow(WindowHandle window, int command) override;
  bool SetLayeredWindowAttributes(WindowHandle window, unsigned colorKey, std::uint8_t alpha,
                                  unsigned flags) override;
  WindowHandle GetForegroundWindow() override;
  bool SetForegroundWindow(WindowHandle window) override;
  unsigned GetWindowThreadProcessId(WindowHandle window, unsigned* processId) override;
  bool AttachThreadInput(unsigned attach, unsigned attachTo, bool doAttach) override;
  bool GetForegroundLockTimeout(unsigned& timeout) override;
  bool SetForegroundLockTimeout(unsigned timeout) override;
  int GetDeviceCaps(int index) override;
  int GetSystemMetrics(int index) override;
  std::vector<TMonitor> EnumDisplayMonitors() override;
  bool ClipCursor(const TRect* rect) override;
  bool ReleaseCapture() override;
  bool PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;

 private:
  void Log(std::string call);
  SimWindow* Find(WindowHandle window);
  bool Foreign(const SimWindow& window) const { return window.ProcessId != CurrentProcessId; }
  void SyncZOrder();
  void Raise(WindowHandle window);
  // The rectangle of the monitor nearest to `r`'s centre (SimMonitors.cpp).
  TRect MonitorNearest(const TRect& r);
  void Maximize(SimWindow& window);
  void Minimize(SimWindow& window);
  void Restore(SimWindow& window);

  std::vector<std::pair<std::string, WindowHandle>> vanishings_;

  std::map<KernelHandle, std::string> heldMutexes_;
  std::set<KernelHandle> heldProcessHandles_;
  KernelHandle nextKernelHandle_ = 0x100;
  WindowHandle nextWindow_ = 0x20000;
};
