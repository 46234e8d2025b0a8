#include "toolkit/win32/Dpi.h"

namespace win32tk {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using MetricsForDpiFn = int(WINAPI*)(int, UINT);

// Looked up once: an import would keep the program from starting on Windows 7.
template <class Fn>
Fn User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : DesignPixelsPerInch;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : DesignPixelsPerInch;
}

int WindowDpi(HWND window) {
  static const auto forWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow && window)
    if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  return SystemDpi();
}

void AdjustRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjust = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int MetricForDpi(int index, int dpi) {
  static const auto metrics = User32Function<MetricsForDpiFn>("GetSystemMetricsForDpi");
  if (metrics) return metrics(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

}  // namespace win32tk
