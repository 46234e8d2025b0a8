#pragma once
// The toolkit's timers: window timers of one hidden message-only window, each named by its
// TTimer's address, so that a tick reaches only a timer that is still running.
#include <set>

#include "toolkit/win32/WinApi.h"

class TTimer;

namespace win32tk {

class TimerWindow {
 public:
  explicit TimerWindow(HINSTANCE instance);
  ~TimerWindow();
  TimerWindow(const TimerWindow&) = delete;
  TimerWindow& operator=(const TimerWindow&) = delete;

  // Starts the timer's ticks (afresh when it ran already) or stops them.
  void Apply(TTimer& timer, bool running);

  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  std::set<TTimer*> running_;
};

}  // namespace win32tk
