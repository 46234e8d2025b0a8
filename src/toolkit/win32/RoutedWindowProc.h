#pragma once
// The one window-procedure pattern of the backend's own windows. The object that handles a
// window is passed as CreateWindowEx's creation parameter, stored in GWLP_USERDATA at
// WM_NCCREATE and forgotten at WM_NCDESTROY, so no message reaches a handler after its
// window is gone. Messages sent before WM_NCCREATE (WM_GETMINMAXINFO) and after
// WM_NCDESTROY take the default path.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

template <class Target, LRESULT (*Handle)(Target&, HWND, UINT, WPARAM, LPARAM),
          LRESULT(WINAPI* Default)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK RoutedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* target = reinterpret_cast<Target*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!target) return Default(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return Handle(*target, window, message, wParam, lParam);
}

}  // namespace win32tk
