// The pager while the program is inactive. Shrinking takes 7 steps 10 ms apart, each
// narrowing the pager across the strip by an eighth of the way to the width when shrunk
// (the right or bottom edge stays put in the far half of the screen). Fading takes 23
// steps 50 ms apart: a pause of 7 steps, then alphas 241 down to 17, and at the last step
// alpha 1 and the last shrink step. The pointer entering brings the pager back at once.
#include "desktop/FormVirtualDesktop.h"
#include "desktop/FrameGeometry.h"
#include "general/ForceForeground.h"

namespace {

// "VirtualDesktopInactive".
constexpr int kInactiveShrink = 1;
constexpr int kInactiveTransparent = 2;

constexpr int kShrinkSteps = 7;
constexpr unsigned kShrinkInterval = 10;  // ms
constexpr int kFadeSteps = 23;
constexpr unsigned kFadeInterval = 50;  // ms
// Fading steps above this one only keep the pager on top.
constexpr int kFirstFadeStep = 15;

}  // namespace

void TFormVirtualDesktop::ApplicationEvents1Deactivate() {
  // A closed pager stays as it is, so that it shows at full size when it comes back.
  if (!Visible()) return;
  const int mode = Setting("VirtualDesktopInactive");
  if (mode == kInactiveShrink) {
    Timer1->SetInterval(kShrinkInterval);
    AnimationStep = kShrinkSteps;
  } else if (mode == kInactiveTransparent) {
    Timer1->SetInterval(kFadeInterval);
    AnimationStep = kFadeSteps;
  } else {
    return;
  }
  Timer1->SetEnabled(true);
}

void TFormVirtualDesktop::StartInactiveAnimation() {
  // The program's own windows are announced like any other; one of them becoming active
  // (the application's window at start, a dialog) leaves the program active.
  if (ForegroundIsOwn()) return;
  ApplicationEvents1Deactivate();
}

bool TFormVirtualDesktop::ForegroundIsOwn() {
  WindowHandle pager = PagerWindow();
  WindowHandle front = desktop_.GetForegroundWindow();
  if (pager == 0 || front == 0) return false;
  unsigned own = 0, frontProcess = 0;
  desktop_.GetWindowThreadProcessId(pager, &own);
  desktop_.GetWindowThreadProcessId(front, &frontProcess);
  return own != 0 && own == frontProcess;
}

void TFormVirtualDesktop::Timer1Timer() {
  const int mode = Setting("VirtualDesktopInactive");
  if (mode == 0) return;
  const int old = AnimationStep--;
  if (old < 0) {
    // The pointer entered meanwhile: the pager stays expanded.
    AnimationStep = 0;
    Timer1->SetEnabled(false);
    return;
  }
  KeepOnTop();

  if (mode == kInactiveTransparent) {
    RestoreShrinkAxis();
    if (AnimationStep > kFirstFadeStep) return;
    SetTransparency(static_cast<std::uint8_t>(16 * AnimationStep + 1));
    if (AnimationStep > 0) return;
  }

  const int strip = Setting("VirtualDesktop");
  const bool horizontal = strip == StripHorizontal;
  const int full = horizontal ? FullBounds.Height() : FullBounds.Width();
  const int step = (full - Setting("VirtualDesktopMiniWidth")) / 8;
  const int e = step * (kShrinkSteps - AnimationStep);
  shrunk_ = strip == StripHorizontal || strip == StripVertical;
  if (horizontal) {
    // In the lower half of the screen the bottom edge stays put.
    const int top = Top() > ScreenRect.Top + ScreenSize.Height / 2 ? FullBounds.Top + e : Top();
    SetBounds(Left(), top, Width(), full - e);
  } else if (strip == StripVertical) {
    const int left = Left() > ScreenRect.Left + ScreenSize.Width / 2 ? FullBounds.Left + e : Left();
    SetBounds(left, Top(), full - e, Height());
  }
  DrawPager();

  if (AnimationStep > 0) return;
  AnimationStep = 0;
  Timer1->SetEnabled(false);
}

void TFormVirtualDesktop::ImageFrameMouseEnter() {
  if (Setting("VirtualDesktop") != 0) {
    ForceForeground(desktop_, PagerWindow());
    AnimationStep = -1;
    if (Setting("VirtualDesktopInactive") == kInactiveTransparent) RemoveTransparency();
  }
  RestoreShrinkAxis();
  RefreshWindowList();
  DrawPager();
}
