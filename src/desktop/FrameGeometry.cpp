#include "desktop/FrameGeometry.h"

#include <algorithm>
#include <limits>

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

bool Overlaps(TRect a, TRect b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The screen's length along the strip; 0 without one.
int StripLength(int strip, TRect screen) {
  return strip == StripVertical ? screen.Height() : strip == StripHorizontal ? screen.Width() : 0;
}

// Floor of a / b for b > 0.
long long FloorDiv(long long a, long long b) {
  long long q = a / b;
  return a % b < 0 ? q - 1 : q;
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

TRect MonitorsUnion(const std::vector<TMonitor>& monitors) {
  if (monitors.empty()) return {};
  TRect all = monitors.front().Bounds;
  for (const TMonitor& monitor : monitors) {
    all.Left = std::min(all.Left, monitor.Bounds.Left);
    all.Top = std::min(all.Top, monitor.Bounds.Top);
    all.Right = std::max(all.Right, monitor.Bounds.Right);
    all.Bottom = std::max(all.Bottom, monitor.Bounds.Bottom);
  }
  return all;
}

int LargestFrameCount(int strip, TRect screen) {
  const int size = StripLength(strip, screen);
  if (size <= 0) return std::numeric_limits<int>::max();
  const long long low = strip == StripVertical ? screen.Top : screen.Left;
  const long long high = strip == StripVertical ? screen.Bottom : screen.Right;
  // With the first frame current the last one lies count - 1 steps beyond the screen, and
  // the other way round: both sides must stay within the limit.
  const long long room = std::min(kCoordinateLimit + low, kCoordinateLimit - high);
  if (room < 0) return 1;
  return static_cast<int>(std::min<long long>(room / size + 1, std::numeric_limits<int>::max()));
}

TRect Reparked(TRect r, int away, int newAway, int strip, TRect oldScreen, TRect newScreen) {
  const TPoint oldStep = FrameStepFor(strip, {oldScreen.Width(), oldScreen.Height()});
  const TPoint newStep = FrameStepFor(strip, {newScreen.Width(), newScreen.Height()});
  const TRect onScreen = OffsetByFrames(r, oldStep, -away);
  const int width = std::min(onScreen.Width(), newScreen.Width());
  const int height = std::min(onScreen.Height(), newScreen.Height());
  const int left = newScreen.Left + onScreen.Left - oldScreen.Left;
  const int top = newScreen.Top + onScreen.Top - oldScreen.Top;
  const TRect kept = KeptWithin({left, top, left + width, top + height}, newScreen);
  return OffsetByFrames(kept, newStep, newAway);
}

int ClampFrame(int index, int count) {
  return std::min(std::max(index, 0), std::max(count, 1) - 1);
}

TRect OffsetByFrames(TRect r, TPoint step, int times) {
  return {r.Left + step.X * times, r.Top + step.Y * times, r.Right + step.X * times,
          r.Bottom + step.Y * times};
}

int FrameOfRestoreRect(TRect normal, int strip, TRect screen, int current) {
  // Only the coordinate along the strip counts: a window flush with the screen's top-left
  // corner has its invisible border, and so its left or top, a few pixels before it.
  if (strip == StripVertical && screen.Height() > 0) {
    const int offset = normal.Top - screen.Top;
    const int top = offset < 0 ? offset - screen.Height() : offset;
    return current + top / screen.Height();
  }
  if (strip == StripHorizontal && screen.Width() > 0) {
    const int offset = normal.Left - screen.Left;
    const int left = offset < 0 ? offset - screen.Width() : offset;
    return current + left / screen.Width();
  }
  return current;
}

TRect PulledIntoScreen(TRect normal, TRect screen, TAxes axes) {
  TRect r = normal;
  r.Left = screen.Left + FoldOnto(r.Left - screen.Left, screen.Width());
  r.Top = screen.Top + FoldOnto(r.Top - screen.Top, screen.Height());
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

TRect NearestScreenPosition(TRect r, TRect screen, TAxes axes) {
  int dx = axes & AxisX ? NearestMultiple(r.Left - screen.Left, screen.Width()) : 0;
  int dy = axes & AxisY ? NearestMultiple(r.Top - screen.Top, screen.Height()) : 0;
  return {r.Left - dx, r.Top - dy, r.Right - dx, r.Bottom - dy};
}

int FramesAway(TRect r, int strip, TRect screen) {
  const int size = StripLength(strip, screen);
  if (size <= 0) return 0;
  const long long origin = strip == StripVertical ? screen.Top : screen.Left;
  const long long low = (strip == StripVertical ? r.Top : r.Left) - origin;
  const long long high = (strip == StripVertical ? r.Bottom : r.Right) - origin;
  return static_cast<int>(FloorDiv(FloorDiv(low + high, 2), size));
}

TAxes StrandedAxes(TRect r, TRect monitors, TSize screen) {
  if (Overlaps(r, monitors)) return AxisNone;
  // Farther than the longest strip: kept there on purpose (as at -32000), not parked.
  const long long reachX = static_cast<long long>(kMostFrames) * screen.Width;
  const long long reachY = static_cast<long long>(kMostFrames) * screen.Height;
  unsigned axes = AxisNone;
  if (r.Right <= monitors.Left)
    axes |= monitors.Left - static_cast<long long>(r.Right) <= reachX ? AxisX : AxisNone;
  else if (r.Left >= monitors.Right)
    axes |= static_cast<long long>(r.Left) - monitors.Right <= reachX ? AxisX : AxisNone;
  if (r.Bottom <= monitors.Top)
    axes |= monitors.Top - static_cast<long long>(r.Bottom) <= reachY ? AxisY : AxisNone;
  else if (r.Top >= monitors.Bottom)
    axes |= static_cast<long long>(r.Top) - monitors.Bottom <= reachY ? AxisY : AxisNone;
  return TAxes(axes);
}

TRect KeptWithin(TRect r, TRect area) {
  const int left = std::max(std::min(r.Left, area.Right - r.Width()), area.Left);
  const int top = std::max(std::min(r.Top, area.Bottom - r.Height()), area.Top);
  return {left, top, left + r.Width(), top + r.Height()};
}

int StartFrameReaching(const std::vector<TRect>& windows, int strip, TRect screen, TRect monitors,
                       int initial, int count) {
  const int first = ClampFrame(initial, count);
  const int size = StripLength(strip, screen);
  if (size <= 0) return first;
  const long long origin = strip == StripVertical ? screen.Top : screen.Left;
  // Where the first frame begins along the strip, the screen being frame `first`.
  const long long firstEdge = -static_cast<long long>(first) * size;
  long long frame = first;
  for (const TRect& r : windows) {
    const long long low = (strip == StripVertical ? r.Top : r.Left) - origin;
    const long long high = (strip == StripVertical ? r.Bottom : r.Right) - origin;
    if (high > firstEdge || Overlaps(r, monitors)) continue;
    // The screens between the screen and the frame holding the window's centre.
    const long long reach = -FloorDiv(FloorDiv(low + high, 2), size);
    // Farther than the strip is long: no run of the program put it there (some programs
    // keep a window of their own far off the screen on purpose).
    if (reach >= count) continue;
    frame = std::max(frame, reach);
  }
  return ClampFrame(static_cast<int>(frame), count);
}
