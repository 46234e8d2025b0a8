#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

void RegisterClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style,
                       int windowExtra, HBRUSH background) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = windowExtra;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

void RegisterWindowClasses(HINSTANCE instance, WNDPROC applicationProc, WNDPROC formProc) {
  auto* face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  RegisterClassOnce(instance, kApplicationClass, applicationProc, 0, 0, face);
  RegisterClassOnce(instance, kFormClass, formProc, 0, DLGWINDOWEXTRA, face);
}

bool IsFormWindow(HWND window) {
  wchar_t name[32] = {};
  if (!window || !GetClassNameW(window, name, 32)) return false;
  return lstrcmpW(name, kFormClass) == 0;
}

}  // namespace win32tk
