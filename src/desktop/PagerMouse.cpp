// The pager under the mouse: a press on a window's rectangle picks the window up and the
// pointer stays inside the pager until it is let go; the release drops it (into another
// frame, too) and switches to the frame under the pointer. A press where no window is
// drawn, followed by a move, lets the system move the pager unless its position is fixed.
#include "desktop/FormVirtualDesktop.h"
#include "desktop/FrameGeometry.h"

void TFormVirtualDesktop::ImageFrameMouseDown(TMouseButton button, int x, int y) {
  if (button != TMouseButton::Left || DragWindow) return;
  PagerDragArmed = false;
  RefreshWindowList();
  DrawPager();
  DragWindow.reset();

  const TPoint at{x, y};
  // The window in front first; a cloaked one is not drawn and cannot be picked up.
  for (const CWindow& window : WindowList) {
    if (CloakedWindows.count(window.Handle)) continue;
    const TRect drawn = PagerRectOf(window.Bounds);
    if (!ContainsInclusive(drawn, at)) continue;
    DragWindow = window;
    DragRect = drawn;
    DragOrigin = at;
    dragScale_ = Scale();
    const TRect pager{Left(), Top(), Left() + Width(), Top() + Height()};
    desktop_.ClipCursor(&pager);
    return;
  }
  PagerDragArmed = true;
}

void TFormVirtualDesktop::ImageFrameMouseMove(int x, int y) {
  if (Setting("VirtualDesktopFixed") == 0 && PagerDragArmed) {
    // The system moves the pager as if its caption had been grabbed.
    desktop_.ReleaseCapture();
    desktop_.PostMessageA(PagerWindow(), win::WmNcLButtonDown, win::HtCaption, 0);
    PagerDragArmed = false;
  } else if (DragWindow) {
    const TRect from =
        ::VirtualToPager(OffsetByFrames(DragWindow->Bounds, FrameStep, CurrentFrame), dragScale_);
    const int dx = x - DragOrigin.X;
    const int dy = y - DragOrigin.Y;
    DragRect = {from.Left + dx, from.Top + dy, from.Right + dx, from.Bottom + dy};
    DrawPager();
  }
}

void TFormVirtualDesktop::ImageFrameMouseUp(TMouseButton button, int x, int y) {
  if (button != TMouseButton::Left) return;
  // The press is over: a later move with no button held must not move the pager.
  PagerDragArmed = false;
  RefreshWindowList();
  const TPoint at{x, y};
  const int target = CellAt(FrameCells, at, CurrentFrame);

  if (DragWindow && !(at == DragOrigin)) {
    TRect r = OffsetByFrames(::PagerToVirtual(DragRect, dragScale_), FrameStep, -CurrentFrame);
    // Scaling back loses pixels; the window keeps its own size.
    r.Right = r.Left + DragWindow->Bounds.Width();
    r.Bottom = r.Top + DragWindow->Bounds.Height();
    // Released on the pager's border, the drop would lie beyond the strip's screens: the
    // window stays within the screen of the frame its centre was dropped on.
    const int strip = Setting("VirtualDesktop");
    const int frame =
        ClampFrame(CurrentFrame + FramesAway(r, strip, ScreenRect), Setting("VirtualDesktopCount"));
    r = KeptWithin(r, OffsetByFrames(ScreenRect, FrameStep, frame - CurrentFrame));
    MoveWindowToFrame(DragWindow->Handle, r, -1);
    for (CWindow& window : WindowList)
      if (window.Handle == DragWindow->Handle) {
        window.Bounds = r;
        break;
      }
  }
  SwitchToFrame(target);
  // A press on a window, dropped or not, also activates it.
  if (DragWindow) desktop_.SetForegroundWindow(DragWindow->Handle);

  RefreshWindowList();
  DragWindow.reset();
  DrawPager();
  desktop_.ClipCursor(nullptr);
}

void TFormVirtualDesktop::CancelDrag() {
  if (!DragWindow) return;
  DragWindow.reset();
  desktop_.ClipCursor(nullptr);
  DrawPager();
}
