#pragma once
// Message loops: the application's main loop and the modal loops of forms share one pump.
#include <functional>
#include <vector>

#include "toolkit/win32/WinApi.h"

namespace win32tk {

// Retrieves and dispatches messages until `finished` holds, calling the application's
// idle handler whenever the queue is empty (and waiting for the next message when the
// handler reports it is done, or there is none). Keyboard messages for a visible form go
// through the dialog manager first, for Tab, Enter and Esc. Returns false when WM_QUIT
// ended the loop; a nested loop leaves WM_QUIT in the queue for the loops around it.
bool PumpMessages(TApplication* app, const std::function<bool()>& finished, bool nested);

// Wakes a loop that waits in WaitMessage, so that it checks its end condition.
void WakeMessageLoop();

// Disables the visible, enabled top-level windows of this thread other than `keep` for
// its lifetime, as a modal window does to the rest of the program.
class WindowDisabler {
 public:
  explicit WindowDisabler(HWND keep);
  ~WindowDisabler();
  WindowDisabler(const WindowDisabler&) = delete;
  WindowDisabler& operator=(const WindowDisabler&) = delete;
  // Enables them again now rather than at the end of the scope.
  void Restore();

 private:
  static BOOL CALLBACK DisableWindow(HWND window, LPARAM self);

  HWND keep_;
  std::vector<HWND> disabled_;
};

}  // namespace win32tk
