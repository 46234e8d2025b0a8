#pragma once
// The real Desktop: thin calls into user32, kernel32 and the hook library.
#include "platform/Desktop.h"

class Win32Desktop : public Desktop {
 public:
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
};
