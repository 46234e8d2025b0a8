// Commands about the pager: where it is and how it looks to the system, and a timing of its
// bitmap canvas under the real GDI.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

// The pager's own canvas, compiled in here because the driver does not link the program's
// library: the timing below measures exactly the code the pager draws with.
#include "toolkit/win32/GdiCanvas.cpp"

namespace {

// The pager: the program's visible tool window of its form class.
std::vector<HWND> PagerWindows() {
  std::vector<DWORD> pids;
  for (const auto& p : FindProcesses(L"tarnwick.exe")) pids.push_back(p.pid);
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows()) {
    if (std::find(pids.begin(), pids.end(), ProcessOfWindow(window)) == pids.end()) continue;
    if (ClassOf(window) != L"TarnwickForm" || !IsWindowVisible(window)) continue;
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) continue;
    found.push_back(window);
  }
  return found;
}

// pager-info: the pager's window rectangle, its client area in screen coordinates, its
// styles and its translucency, and the foreground window.
int PagerInfo(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: pager-info");
    return kUsage;
  }
  const auto pagers = PagerWindows();
  for (HWND pager : pagers) {
    RECT window{}, client{};
    GetWindowRect(pager, &window);
    GetClientRect(pager, &client);
    MapWindowPoints(pager, nullptr, reinterpret_cast<POINT*>(&client), 2);
    BYTE alpha = 255;
    DWORD flags = 0;
    const bool layered = GetWindowLongPtrW(pager, GWL_EXSTYLE) & WS_EX_LAYERED;
    if (layered) GetLayeredWindowAttributes(pager, nullptr, &alpha, &flags);
    Report(DescribeWindow(pager));
    Report("pager-rect=" + RectText(window));
    Report("pager-client=" + RectText(client));
    Report("pager-width=" + std::to_string(window.right - window.left));
    Report("pager-height=" + std::to_string(window.bottom - window.top));
    Report(std::string("pager-caption=") +
           ((GetWindowLongPtrW(pager, GWL_STYLE) & WS_CAPTION) == WS_CAPTION ? "1" : "0"));
    Report(std::string("pager-sizing=") +
           (GetWindowLongPtrW(pager, GWL_STYLE) & WS_THICKFRAME ? "1" : "0"));
    Report(std::string("pager-topmost=") +
           (GetWindowLongPtrW(pager, GWL_EXSTYLE) & WS_EX_TOPMOST ? "1" : "0"));
    Report(std::string("pager-layered=") + (layered ? "1" : "0"));
    Report("pager-alpha=" + std::to_string(alpha));
  }
  HWND front = GetForegroundWindow();
  Report("foreground=" + (front ? DescribeWindow(front) : std::string("none")));
  Report("pagers=" + std::to_string(pagers.size()));
  return pagers.size() == 1 ? kYes : kNo;
}

LRESULT CALLBACK CanvasViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* canvas = reinterpret_cast<win32tk::GdiCanvas*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_PAINT && canvas) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    canvas->PaintTo(dc, paint.rcPaint);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

// pager-draw-time <windows> <rounds>: draws a pager picture of that many windows into the
// pager's bitmap canvas and shows it in a window of the pager's size, `rounds` times;
// reports the mean time per picture (drawing and copying to the screen).
int PagerDrawTime(const std::vector<std::wstring>& args) {
  const auto windows = args.size() == 2 ? ParseNumber(args[0]) : std::nullopt;
  const auto rounds = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
  if (!windows || !rounds || *rounds == 0) {
    Report("error=usage: pager-draw-time <windows> <rounds>");
    return kUsage;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = CanvasViewProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TwCanvasView";
  RegisterClassExW(&wc);
  const int cw = 152, ch = 472, count = 4;  // a 160 x 480 pager's client area
  HWND view = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"",
                              WS_POPUP | WS_VISIBLE, 600, 100, cw, ch, nullptr, nullptr,
                              wc.hInstance, nullptr);
  if (!view) return kFailure;
  win32tk::GdiCanvas canvas;
  SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&canvas));
  canvas.SetSize(1024, 768);
  canvas.SetView(view);

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const TPen white{clWhite, TPenStyle::Solid}, black{clBlack, TPenStyle::Solid};
  const TPen blue{clBlue, TPenStyle::Solid};
  for (unsigned long round = 0; round < *rounds; ++round) {
    canvas.Rectangle(white, {clGray, TBrushStyle::Solid}, {0, 0, cw, ch});
    canvas.Rectangle(white, {clWhite, TBrushStyle::Solid}, {0, 0, cw, ch / count});
    for (unsigned long i = 0; i < *windows; ++i) {
      const int x = static_cast<int>(i * 7 % 110), y = static_cast<int>(i * 13 % 420);
      canvas.Rectangle(black, {i == 0 ? clLime : clYellow, TBrushStyle::Solid},
                       {x, y, x + 40, y + 30});
    }
    canvas.Rectangle(blue, {clWhite, TBrushStyle::Clear}, {0, 0, cw, ch});
    for (int k = 1; k <= count; ++k) canvas.Line(blue, {0, k * ch / count}, {cw, k * ch / count});
    UpdateWindow(view);  // the copy to the screen, as the image window paints
  }
  GdiFlush();
  QueryPerformanceCounter(&end);
  const double us = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                    static_cast<double>(frequency.QuadPart) / static_cast<double>(*rounds);
  Report("windows=" + std::to_string(*windows));
  Report("rounds=" + std::to_string(*rounds));
  Report("per-draw-us=" + std::to_string(static_cast<long long>(us)));
  DestroyWindow(view);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"pager-info", PagerInfo);
TW_DRIVER_COMMAND(L"pager-draw-time", PagerDrawTime);
