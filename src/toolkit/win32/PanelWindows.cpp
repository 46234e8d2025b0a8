// The panel and the icon image: windows of their own classes that only paint. The panel
// draws its face and bevels beneath the controls on it (which are the form's windows);
// the icon image draws its icon resource stretched to its size.
#include "toolkit/Panels.h"
#include "toolkit/win32/ExtraControls.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

constexpr const wchar_t* kPanelClass = L"TarnwickPanel";
constexpr const wchar_t* kIconClass = L"TarnwickIconImage";

UINT EdgeOf(TBevelCut outer, TBevelCut inner) {
  UINT edge = 0;
  if (outer == TBevelCut::Raised) edge |= BDR_RAISEDOUTER;
  if (outer == TBevelCut::Lowered) edge |= BDR_SUNKENOUTER;
  if (inner == TBevelCut::Raised) edge |= BDR_RAISEDINNER;
  if (inner == TBevelCut::Lowered) edge |= BDR_SUNKENINNER;
  return edge;
}

LRESULT PanelMessage(ControlPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY:
      peer.Forget(window);
      break;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const auto& panel = static_cast<const TPanel&>(*peer.control);
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      if (const UINT edge = EdgeOf(panel.BevelOuter, panel.BevelInner))
        DrawEdge(dc, &client, edge, BF_RECT);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT IconMessage(ControlPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY:
      peer.Forget(window);
      break;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_PAINT: {
      const auto& image = static_cast<const TIconImage&>(*peer.control);
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      // Loaded at the window's size, the system stretches the nearest image it holds.
      auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
      auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(image.IconResource),
                                                 IMAGE_ICON, client.right, client.bottom, 0));
      if (icon) {
        DrawIconEx(dc, 0, 0, icon, client.right, client.bottom, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
      }
      EndPaint(window, &paint);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<ControlPeer, PanelMessage, DefWindowProcW>(window, message, wParam,
                                                                     lParam);
}

LRESULT CALLBACK IconWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<ControlPeer, IconMessage, DefWindowProcW>(window, message, wParam,
                                                                    lParam);
}

HINSTANCE InstanceOf(const ControlPeer& peer) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(peer.form->window, GWLP_HINSTANCE));
}

}  // namespace

HWND CreatePanelWindow(ControlPeer& peer) {
  RegisterClassOnce(InstanceOf(peer), kPanelClass, PanelWindowProc);
  // The controls on it are its siblings above it: it must not paint over them.
  return MakeChildWindow(peer, 0, kPanelClass, WS_CLIPSIBLINGS);
}

HWND CreateIconImageWindow(ControlPeer& peer) {
  RegisterClassOnce(InstanceOf(peer), kIconClass, IconWindowProc, 0, 0,
                    GetSysColorBrush(COLOR_BTNFACE));
  return MakeChildWindow(peer, 0, kIconClass, 0);
}

}  // namespace win32tk
