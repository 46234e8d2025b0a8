#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, int windowExtra) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = windowExtra;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance, WNDPROC applicationProc, WNDPROC formProc) {
  Register(instance, kApplicationClass, applicationProc, 0);
  Register(instance, kFormClass, formProc, DLGWINDOWEXTRA);
}

bool IsFormWindow(HWND window) {
  wchar_t name[32] = {};
  if (!window || !GetClassNameW(window, name, 32)) return false;
  return lstrcmpW(name, kFormClass) == 0;
}

}  // namespace win32tk
