#pragma once
// An in-memory window system for tests and benchmarks. It models what the program relies
// on and logs every call it receives, so a test can check the order of the calls.
#include <map>
#include <memory>
#include <string>
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

// A keyboard layout: virtual key -> (scan code, key name). Names may be shared by
// several keys, as "/" is by the slash key and the keypad's divide key.
std::map<unsigned, std::pair<unsigned, std::string>> SimUsKeyboardLayout();

struct SimWindow {
  std::string ClassName;
  std::string Title;
  long Style = 0;
  long ExStyle = 0;
  TRect Rect;
  unsigned ThreadId = 1;
  unsigned ProcessId = 1;
};

class SimDesktop : public Desktop {
 public:
  explicit SimDesktop(std::shared_ptr<SimSystem> system = std::make_shared<SimSystem>());

  // The simulated world, for tests to arrange and inspect.
  std::shared_ptr<SimSystem> System;
  std::map<WindowHandle, SimWindow> Windows;
  std::vector<std::string> Calls;  // "StartHook(65552,2)", in order
  std::string ExecutablePath = "C:\\Tarnwick\\tarnwick.exe";
  std::map<unsigned, std::pair<unsigned, std::string>> KeyboardLayout = SimUsKeyboardLayout();
  bool HookStarted = false;
  WindowHandle HookTarget = 0;
  int HookSnappingKey = 0;

  // Adds a window (or gives an existing handle its state) and returns its handle.
  WindowHandle AddWindow(SimWindow window, WindowHandle handle = 0);
  // How many logged calls begin with `prefix`.
  int CallCount(const std::string& prefix) const;

  MutexResult CreateMutexA(const std::string& name, bool initialOwner) override;
  bool ReleaseMutex(KernelHandle mutex) override;
  bool CloseHandle(KernelHandle handle) override;
  long GetWindowLongA(WindowHandle window, int index) override;
  long SetWindowLongA(WindowHandle window, int index, long value) override;
  bool StartHook(WindowHandle target, int snappingKey) override;
  bool EndHook() override;
  std::string ModuleFileName() override;
  bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) override;
  bool UnregisterHotKey(WindowHandle window, int id) override;
  unsigned MapVirtualKeyA(unsigned code, unsigned mapType) override;
  std::string GetKeyNameTextA(long lParam) override;
  int CompareStringA(unsigned flags, const std::string& a, const std::string& b) override;

 private:
  void Log(std::string call) { Calls.push_back(std::move(call)); }
  SimWindow* Find(WindowHandle window);

  std::map<KernelHandle, std::string> heldMutexes_;
  KernelHandle nextKernelHandle_ = 0x100;
  WindowHandle nextWindow_ = 0x20000;
};
