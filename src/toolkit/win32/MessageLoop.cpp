#include "toolkit/win32/MessageLoop.h"

#include "toolkit/win32/Guard.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

void Dispatch(MSG& message) {
  if (message.hwnd) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (IsFormWindow(root) && IsWindowVisible(root) && IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

bool PumpMessages(TApplication* app, const std::function<bool()>& finished, bool nested) {
  MSG message;
  while (!finished()) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        if (nested) PostQuitMessage(static_cast<int>(message.wParam));
        return false;
      }
      Dispatch(message);
      continue;
    }
    bool done = true;
    if (app && app->OnIdle) {
      auto idle = app->OnIdle;  // the handler may remove or replace itself
      Guarded(app, [&] { idle(done); });
    }
    if (finished()) break;
    if (done) WaitMessage();
  }
  return true;
}

void WakeMessageLoop() {
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

WindowDisabler::WindowDisabler(HWND keep) : keep_(keep) {
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK WindowDisabler::DisableWindow(HWND window, LPARAM self) {
  auto& disabler = *reinterpret_cast<WindowDisabler*>(self);
  if (window != disabler.keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabler.disabled_.push_back(window);
  }
  return TRUE;
}

WindowDisabler::~WindowDisabler() {
  Restore();
}

void WindowDisabler::Restore() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  disabled_.clear();
}

}  // namespace win32tk
