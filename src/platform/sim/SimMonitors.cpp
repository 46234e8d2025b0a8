// SimDesktop's monitors and display changes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/sim/SimDesktop.h"

std::vector<TMonitor> SimDesktop::EnumDisplayMonitors() {
  Log("EnumDisplayMonitors()");
  if (!Monitors.empty()) return Monitors;
  const TRect primary{0, 0, ScreenSize.Width, ScreenSize.Height};
  return {{primary, primary}};
}

void SimDesktop::SetMonitors(std::vector<TMonitor> monitors) {
  Monitors = std::move(monitors);
  VirtualScreen.reset();
  for (const TMonitor& monitor : Monitors)
    if (monitor.Bounds.Left == 0 && monitor.Bounds.Top == 0)
      ScreenSize = {monitor.Bounds.Width(), monitor.Bounds.Height()};
}

TRect SimDesktop::MonitorNearest(const TRect& r) {
  const std::vector<TMonitor> monitors = EnumDisplayMonitors();
  const int x = r.Left + r.Width() / 2;
  const int y = r.Top + r.Height() / 2;
  // The monitor holding the centre, else the one whose rectangle is nearest to it.
  long long best = -1;
  TRect found = monitors.front().Bounds;
  for (const TMonitor& monitor : monitors) {
    const TRect& m = monitor.Bounds;
    const long long dx = x < m.Left ? m.Left - x : x >= m.Right ? x - m.Right + 1 : 0;
    const long long dy = y < m.Top ? m.Top - y : y >= m.Bottom ? y - m.Bottom + 1 : 0;
    const long long distance = dx * dx + dy * dy;
    if (best < 0 || distance < best) {
      best = distance;
      found = m;
    }
  }
  return found;
}
