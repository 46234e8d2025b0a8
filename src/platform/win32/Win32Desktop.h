#pragma once
// The real Desktop: thin calls into user32, kernel32 and the hook library.
#include "platform/Desktop.h"
#include "platform/PostedMoves.h"

class Win32Desktop : public Desktop {
 public:
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
  // The version resource (Win32Version.cpp).
  unsigned GetFileVersionInfoSizeW(const std::filesystem::path& path) override;
  bool GetFileVersionInfoW(const std::filesystem::path& path, unsigned size,
                           std::vector<std::uint8_t>& block) override;
  bool VerQueryValueA(const std::vector<std::uint8_t>& block, const std::string& subBlock,
                      std::string& value) override;
  // The log-on Run value (Win32Registry.cpp).
  bool RegGetRunValue(const std::string& name, std::filesystem::path& commandLine) override;
  bool RegSetRunValue(const std::string& name, const std::filesystem::path& commandLine) override;
  bool RegDeleteRunValue(const std::string& name) override;
  void SetUnhandledExceptionFilter(std::function<void()> handler) override;
  bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) override;
  bool UnregisterHotKey(WindowHandle window, int id) override;
  unsigned MapVirtualKeyA(unsigned code, unsigned mapType) override;
  std::string GetKeyNameTextA(long lParam) override;
  std::uint64_t KeyboardLayoutId() override;
  int CompareStringA(unsigned flags, const std::string& a, const std::string& b) override;
  int GetSystemMetrics(int index) override;
  std::vector<TMonitor> EnumDisplayMonitors() override;  // Win32Monitors.cpp

  // Window calls (Win32Windows.cpp).
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
  bool ClipCursor(const TRect* rect) override;
  bool ReleaseCapture() override;
  bool PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;

 private:
  // Sends the window to `r` without waiting for its program; false if the system refuses.
  bool PostMove(WindowHandle window, const TRect& r);
  // Moves posted to windows that did not answer: they read as standing where they were sent.
  CPostedMoves postedMoves_;
};
