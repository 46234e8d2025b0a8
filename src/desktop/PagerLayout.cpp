#include "desktop/PagerLayout.h"

#include <algorithm>

#include "desktop/FrameGeometry.h"

namespace {

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
  return CPagerMapper(scale)(r);
}

CPagerMapper::CPagerMapper(const CPagerScale& scale) {
  const int count = std::max(scale.Count, 1);
  auto axis = [count](int screen, int cell, int client, int origin) {
    Axis a;
    a.Empty = screen <= 0;
    if (!a.Empty) a.Screen = screen;
    a.Cell = cell;
    a.Extra = client % count;
    a.Origin = origin;
    return a;
  };
  x_ = axis(scale.Screen.Width, scale.Cell.Width, scale.Client.Width, scale.Origin.X);
  y_ = axis(scale.Screen.Height, scale.Cell.Height, scale.Client.Height, scale.Origin.Y);
}

void CPagerMapper::Map(const Axis& axis, int low, int high, int& mappedLow, int& mappedHigh) {
  if (axis.Empty) {
    mappedLow = mappedHigh = 0;
    return;
  }
  low -= axis.Origin;
  high -= axis.Origin;
  // The frames passed, and the plain scale plus one pixel per frame passed...
  const long long a = low / axis.Screen;
  const long long b = high / axis.Screen;
  long long l = static_cast<long long>(low) * axis.Cell / axis.Screen + a;
  long long h = static_cast<long long>(high) * axis.Cell / axis.Screen + b;
  // ...but no more pixels than there are larger cells.
  if (axis.Extra < a) {
    l -= a - axis.Extra;
    h -= a - axis.Extra;
  }
  mappedLow = static_cast<int>(l);
  mappedHigh = static_cast<int>(h);
}

TRect CPagerMapper::operator()(const TRect& r) const {
  TRect mapped;
  Map(x_, r.Left, r.Right, mapped.Left, mapped.Right);
  Map(y_, r.Top, r.Bottom, mapped.Top, mapped.Bottom);
  return mapped;
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
