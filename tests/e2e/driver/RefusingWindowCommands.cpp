// A window that will not be moved by anyone else, and a move as another program makes it,
// reporting what the system answered.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

enum class Refusal {
  Keep,    // WM_WINDOWPOSCHANGING takes the move and the size out of every change
  Vanish,  // the window destroys itself inside WM_WINDOWPOSCHANGING of a move
};

Refusal g_refusal = Refusal::Keep;
int g_refused = 0;

LRESULT CALLBACK RefusingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (pos->flags & SWP_NOMOVE) break;
      ++g_refused;
      if (g_refusal == Refusal::Vanish) {
        Report("vanished=changing");
        DestroyWindow(window);
        return 0;
      }
      pos->flags |= SWP_NOMOVE | SWP_NOSIZE;
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// refusing-window <class> <title> <keep|vanish> <x> <y> [seconds]: an ordinary application
// window of 300 x 200 at (x, y) that no move reaches: "keep" stays where it is, "vanish"
// destroys itself as the first move arrives. Reports "refused=N" (moves turned away) at the
// end.
int RefusingWindow(const std::vector<std::wstring>& args) {
  const auto seconds = args.size() == 6 ? ParseNumber(args[5]) : ParseNumber(L"60");
  const bool known = args.size() >= 5 && (args[2] == L"keep" || args[2] == L"vanish");
  const auto x = ParseSigned(Arg(args, 3)), y = ParseSigned(Arg(args, 4));
  if (!known || args.size() > 6 || !seconds || !x || !y) {
    Report("error=usage: refusing-window <class> <title> <keep|vanish> <x> <y> [seconds]");
    return kUsage;
  }
  g_refusal = args[2] == L"vanish" ? Refusal::Vanish : Refusal::Keep;
  if (!RegisterWindowClass(args[0], RefusingWindowProc)) return kFailure;
  HWND window = CreateWindowExW(0, args[0].c_str(), args[1].c_str(), WS_OVERLAPPEDWINDOW,
                                static_cast<int>(*x), static_cast<int>(*y), 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) {
    Report("error=CreateWindowEx failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  Report(DescribeWindow(window));
  const UINT_PTR timer = SetTimer(nullptr, 0, *seconds * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == timer) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Report("refused=" + std::to_string(g_refused));
  if (IsWindow(window)) DestroyWindow(window);
  return kYes;
}

// try-move <hwnd> <x> <y>: MoveWindow on another program's window, keeping its size, as
// the program moves windows between virtual screens. Reports the call's result, the last
// error after it, how long it took and where the window stands then; exit 0 when the call
// succeeded.
int TryMove(const std::vector<std::wstring>& args) {
  const auto window = ParseWindow(Arg(args, 0));
  const auto x = ParseSigned(Arg(args, 1)), y = ParseSigned(Arg(args, 2));
  if (args.size() != 3 || !window || !x || !y) {
    Report("error=usage: try-move <hwnd> <x> <y>");
    return kUsage;
  }
  RECT before{};
  GetWindowRect(*window, &before);
  SetLastError(0);
  const double began = NowMs();
  const BOOL moved = MoveWindow(*window, static_cast<int>(*x), static_cast<int>(*y),
                                before.right - before.left, before.bottom - before.top, TRUE);
  const double took = NowMs() - began;
  const DWORD error = GetLastError();
  RECT after{};
  const bool exists = GetWindowRect(*window, &after);
  Report("result=" + std::to_string(moved) + " error=" + std::to_string(error) + " ms=" + Ms(took));
  Report(std::string("exists=") + (exists ? "1" : "0") + " rect=" + RectText(after));
  return moved ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"refusing-window", RefusingWindow);
TW_DRIVER_COMMAND(L"try-move", TryMove);
