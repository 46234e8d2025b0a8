#include "desktop/FrameGeometry.h"

#include <algorithm>

namespace {

// The coordinate modulo the screen size, never negative. (Adding ten screens to a negative
// coordinate and taking the truncating remainder gives the same for the ten frames there
// can be; this also brings back a window parked further out.)
int FoldOnto(int coordinate, int size) {
  if (size <= 0) return coordinate;
  int folded = coordinate % size;
  return folded < 0 ? folded + size : folded;
}

int NearestMultiple(int coordinate, int size) {
  if (size <= 0) return 0;
  // Floor of coordinate / size + 1/2, for negative coordinates too.
  int twice = 2 * coordinate + size;
  int q = twice / (2 * size);
  if (twice % (2 * size) < 0) --q;
  return q * size;
}

}  // namespace

TAxes AxesOf(int strip) {
  return strip == StripVertical ? AxisY : strip == StripHorizontal ? AxisX : AxisNone;
}

TPoint FrameStepFor(int strip, TSize screen) {
  if (strip == StripVertical) return {0, screen.Height};
  if (strip == StripHorizontal) return {screen.Width, 0};
  return {0, 0};
}

int ClampFrame(int index, int count) {
  return std::min(std::max(index, 0), std::max(count, 1) - 1);
}

TRect OffsetByFrames(TRect r, TPoint step, int times) {
  return {r.Left + step.X * times, r.Top + step.Y * times, r.Right + step.X * times,
          r.Bottom + step.Y * times};
}

int FrameOfRestoreRect(TRect normal, int strip, TSize screen, int current) {
  TPoint step = FrameStepFor(strip, screen);
  if (normal.Left < 0 || normal.Top < 0) normal = OffsetByFrames(normal, step, -1);
  if (strip == StripVertical && screen.Height > 0) return current + normal.Top / screen.Height;
  if (strip == StripHorizontal && screen.Width > 0) return current + normal.Left / screen.Width;
  return current;
}

TRect PulledIntoScreen(TRect normal, TSize screen, TAxes axes) {
  TRect r = normal;
  r.Left = FoldOnto(r.Left, screen.Width);
  r.Top = FoldOnto(r.Top, screen.Height);
  r.Right = r.Left + normal.Width();
  r.Bottom = r.Top + normal.Height();
  if (!(axes & AxisX)) {
    r.Left = normal.Left;
    r.Right = normal.Right;
  }
  if (!(axes & AxisY)) {
    r.Top = normal.Top;
    r.Bottom = normal.Bottom;
  }
  return r;
}

TRect NearestScreenPosition(TRect r, TSize screen, TAxes axes) {
  int dx = axes & AxisX ? NearestMultiple(r.Left, screen.Width) : 0;
  int dy = axes & AxisY ? NearestMultiple(r.Top, screen.Height) : 0;
  return {r.Left - dx, r.Top - dy, r.Right - dx, r.Bottom - dy};
}
