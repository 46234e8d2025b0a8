#include "desktop/PagerLayout.h"

#include <algorithm>

#include "desktop/FrameGeometry.h"

namespace {

struct Span {
  int Low = 0;
  int High = 0;
};

// One axis of VirtualToPager: `extra` is the number of cells one pixel larger.
Span ToPager(int low, int high, int screen, int cell, int extra) {
  if (screen <= 0) return {};
  const long long a = low / screen;
  const long long b = high / screen;
  long long mappedLow = static_cast<long long>(low) * cell / screen + a;
  long long mappedHigh = static_cast<long long>(high) * cell / screen + b;
  if (extra < a) {
    mappedLow -= a - extra;
    mappedHigh -= a - extra;
  }
  return {static_cast<int>(mappedLow), static_cast<int>(mappedHigh)};
}

int ToVirtual(int pixel, int screen, int cell) {
  // A cell of no pixels (a pager squeezed to nothing) maps as one of one pixel.
  return static_cast<int>(static_cast<long long>(pixel) * screen / std::max(cell, 1));
}

}  // namespace

TSize CellSizeFor(int strip, TSize client, int count) {
  count = std::max(count, 1);
  if (strip == StripHorizontal) return {client.Width / count, client.Height};
  return {client.Width, client.Height / count};
}

std::vector<CFrame> LayoutCells(int strip, TSize client, int count) {
  std::vector<CFrame> cells;
  if (count <= 0) return cells;
  const bool horizontal = strip == StripHorizontal;
  const int length = horizontal ? client.Width : client.Height;
  const int base = length / count;
  const int larger = length % count;
  int start = 0;
  for (int i = 0; i < count; ++i) {
    const int end = start + base + (i < larger ? 1 : 0);
    if (horizontal)
      cells.push_back({start, 0, end, client.Height});
    else
      cells.push_back({0, start, client.Width, end});
    start = end;
  }
  return cells;
}

TRect VirtualToPager(const TRect& r, const CPagerScale& scale) {
  const int count = std::max(scale.Count, 1);
  const int left = r.Left - scale.Origin.X, right = r.Right - scale.Origin.X;
  const int top = r.Top - scale.Origin.Y, bottom = r.Bottom - scale.Origin.Y;
  const Span x =
      ToPager(left, right, scale.Screen.Width, scale.Cell.Width, scale.Client.Width % count);
  const Span y =
      ToPager(top, bottom, scale.Screen.Height, scale.Cell.Height, scale.Client.Height % count);
  return {x.Low, y.Low, x.High, y.High};
}

TRect PagerToVirtual(const TRect& p, const CPagerScale& scale) {
  return {scale.Origin.X + ToVirtual(p.Left, scale.Screen.Width, scale.Cell.Width),
          scale.Origin.Y + ToVirtual(p.Top, scale.Screen.Height, scale.Cell.Height),
          scale.Origin.X + ToVirtual(p.Right, scale.Screen.Width, scale.Cell.Width),
          scale.Origin.Y + ToVirtual(p.Bottom, scale.Screen.Height, scale.Cell.Height)};
}

bool ContainsInclusive(const TRect& r, TPoint p) {
  return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

int CellAt(const std::vector<CFrame>& cells, TPoint p, int none) {
  int found = none;
  for (size_t i = 0; i < cells.size(); ++i)
    if (ContainsInclusive(cells[i], p)) found = static_cast<int>(i);
  return found;
}
