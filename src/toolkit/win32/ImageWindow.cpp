#include "toolkit/win32/ImageWindow.h"

#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/ControlEvents.h"
#include "toolkit/win32/GdiCanvas.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

constexpr const wchar_t* kImageClass = L"TarnwickImage";

// Window extra bytes: whether the pointer is being tracked for leaving, and the position
// of the last button or move reported (valid when the second slot is 1).
constexpr int kTracking = 0;
constexpr int kHaveLast = sizeof(LONG_PTR);
constexpr int kLastPosition = 2 * sizeof(LONG_PTR);
constexpr int kExtraBytes = 3 * sizeof(LONG_PTR);

// Set while an image lets the capture go at the left button's release: that is no loss.
bool releasingCapture = false;

TImage& ImageOf(ControlPeer& peer) {
  return static_cast<TImage&>(*peer.control);
}

TMouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return TMouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return TMouseButton::Middle;
    default:
      return TMouseButton::Left;
  }
}

void RememberPosition(HWND window, LPARAM lParam) {
  SetWindowLongPtrW(window, kHaveLast, 1);
  SetWindowLongPtrW(window, kLastPosition, static_cast<LONG_PTR>(lParam & 0xFFFFFFFF));
}

// The system also sends a move when nothing moved (after a click, when windows change
// under the pointer); a handler must not take that for the user dragging.
bool MovedSinceLast(HWND window, LPARAM lParam) {
  return GetWindowLongPtrW(window, kHaveLast) == 0 ||
         GetWindowLongPtrW(window, kLastPosition) != static_cast<LONG_PTR>(lParam & 0xFFFFFFFF);
}

void Paint(ControlPeer& peer, HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  auto* canvas = dynamic_cast<GdiCanvas*>(ImageOf(peer).Canvas().Device());
  if (canvas)
    canvas->PaintTo(dc, paint.rcPaint);
  else
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EndPaint(window, &paint);
}

LRESULT ImageMessage(ControlPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TImage& image = ImageOf(peer);
  TApplication* app = AppOf(peer);
  switch (message) {
    case WM_NCDESTROY:
      if (auto* canvas = dynamic_cast<GdiCanvas*>(image.Canvas().Device()))
        canvas->SetView(nullptr);
      peer.Forget(window);
      break;
    case WM_ERASEBKGND:
      return 1;  // the bitmap covers everything
    case WM_PAINT:
      Paint(peer, window);
      return 0;
    case WM_MOUSEMOVE:
      if (!GetWindowLongPtrW(window, kTracking)) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        SetWindowLongPtrW(window, kTracking, 1);
        Guarded(app, [&] { image.MouseEnter(); });
        if (!IsWindow(window)) return 0;
      }
      if (!MovedSinceLast(window, lParam)) return 0;
      RememberPosition(window, lParam);
      Guarded(app, [&] { image.MouseMove(CurrentShiftState(), MouseX(lParam), MouseY(lParam)); });
      return 0;
    case WM_MOUSELEAVE:
      SetWindowLongPtrW(window, kTracking, 0);
      SetWindowLongPtrW(window, kHaveLast, 0);
      Guarded(app, [&] { image.MouseLeave(); });
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      RememberPosition(window, lParam);
      // The left button's drag goes on when the pointer leaves the image.
      if (message == WM_LBUTTONDOWN) SetCapture(window);
      Guarded(app, [&] {
        image.MouseDown(ButtonOf(message), CurrentShiftState(), MouseX(lParam), MouseY(lParam));
      });
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (message == WM_LBUTTONUP && GetCapture() == window) {
        releasingCapture = true;
        ReleaseCapture();
        releasingCapture = false;
      }
      Guarded(app, [&] {
        image.MouseUp(ButtonOf(message), CurrentShiftState(), MouseX(lParam), MouseY(lParam));
      });
      if (!IsWindow(window)) return 0;
      // The default handling of the right button's release asks for the context menu.
      if (message == WM_RBUTTONUP) break;
      return 0;
    case WM_CAPTURECHANGED:
      // Taken away during a press (a system dialog, another window): the form ends what
      // the press began.
      if (!releasingCapture && peer.form && !peer.form->releasing) {
        std::intptr_t result = 0;
        Guarded(app, [&] { peer.form->form->HandleMessage(message, wParam, lParam, result); });
        return 0;
      }
      break;
    case WM_CONTEXTMENU: {
      POINT at{MouseX(lParam), MouseY(lParam)};
      if (lParam == -1) GetCursorPos(&at);  // from the keyboard
      Guarded(app, [&] { image.ContextPopup(at.x, at.y); });
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<ControlPeer, ImageMessage, DefWindowProcW>(window, message, wParam,
                                                                     lParam);
}

void RegisterImageClass(HINSTANCE instance) {
  RegisterClassOnce(instance, kImageClass, ImageWindowProc, 0, kExtraBytes);
}

}  // namespace

HWND CreateImageWindow(ControlPeer& peer) {
  FormPeer& form = *peer.form;
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form.window, GWLP_HINSTANCE));
  RegisterImageClass(instance);
  const int id = form.nextId++;
  HWND window =
      CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form.window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, &peer);
  if (!window) return nullptr;
  if (auto* canvas = dynamic_cast<GdiCanvas*>(ImageOf(peer).Canvas().Device()))
    canvas->SetView(window);
  return window;
}

}  // namespace win32tk
