#include "toolkit/win32/TimerWindow.h"

#include <algorithm>

#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

constexpr const wchar_t* kTimerClass = L"TarnwickTimer";

UINT_PTR IdOf(TTimer& timer) {
  return reinterpret_cast<UINT_PTR>(&timer);
}

LRESULT TimerMessage(TimerWindow& self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return self.Message(window, message, wParam, lParam);
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<TimerWindow, TimerMessage, DefWindowProcW>(window, message, wParam,
                                                                     lParam);
}

}  // namespace

TimerWindow::TimerWindow(HINSTANCE instance) {
  RegisterClassOnce(instance, kTimerClass, TimerWindowProc);
  window_ =
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

TimerWindow::~TimerWindow() {
  if (window_) DestroyWindow(window_);  // its timers go with it
}

void TimerWindow::Apply(TTimer& timer, bool running) {
  if (!window_) return;
  if (running) {
    // Setting an existing timer again restarts its count.
    if (SetTimer(window_, IdOf(timer), timer.Interval(), nullptr)) running_.insert(&timer);
  } else if (running_.erase(&timer)) {
    KillTimer(window_, IdOf(timer));
  }
}

LRESULT TimerWindow::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) window_ = nullptr;
  if (message != WM_TIMER) return DefWindowProcW(window, message, wParam, lParam);
  auto it = std::find_if(running_.begin(), running_.end(),
                         [&](TTimer* timer) { return IdOf(*timer) == wParam; });
  if (it == running_.end()) return 0;
  TTimer* timer = *it;
  Guarded(timer->Application(), [&] { timer->Tick(); });
  return 0;
}

}  // namespace win32tk
