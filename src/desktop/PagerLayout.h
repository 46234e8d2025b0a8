#pragma once
// Where things are in the pager: the cells of the frames, and the mapping between virtual
// coordinates (screen coordinates plus CurrentFrame frame steps) and the pager's client
// pixels. Every division truncates toward zero.
#include <vector>

#include "platform/Desktop.h"

// One frame's cell, in client pixels.
using CFrame = TRect;

// What the mapping needs: the screen, one cell, the client area, the number of frames and
// the screen's top-left corner, which maps to the first cell's.
struct CPagerScale {
  TSize Screen;
  TSize Cell;
  TSize Client;
  int Count = 1;
  TPoint Origin = {};
};

// (client width, client height / n) for a vertical strip, (client width / n, client
// height) for a horizontal one.
TSize CellSizeFor(int strip, TSize client, int count);

// The cells cover the client area exactly along the strip: the first (size mod n) cells are
// one pixel larger than the rest.
std::vector<CFrame> LayoutCells(int strip, TSize client, int count);

// A rectangle in virtual coordinates, in client pixels. Each axis is scaled by cell over
// screen, plus one pixel for each larger cell passed (at most as many as there are).
TRect VirtualToPager(const TRect& r, const CPagerScale& scale);

// VirtualToPager for many rectangles of one scale, as the picture maps every window: what
// depends on the scale alone is worked out once.
class CPagerMapper {
 public:
  explicit CPagerMapper(const CPagerScale& scale);
  TRect operator()(const TRect& r) const;

 private:
  struct Axis {
    int Screen = 1;
    int Cell = 0;
    int Extra = 0;      // the number of cells one pixel larger
    bool Empty = true;  // a screen of no pixels maps everything to 0
    int Origin = 0;
  };
  static void Map(const Axis& axis, int low, int high, int& mappedLow, int& mappedHigh);
  Axis x_, y_;
};

// Client pixels back to virtual coordinates, by the plain scale.
TRect PagerToVirtual(const TRect& p, const CPagerScale& scale);

// `p` lies in `r` or on its edge.
bool ContainsInclusive(const TRect& r, TPoint p);
// The cell holding `p`, edges included; on the line two cells share, the later one. When
// no cell holds it, `none`.
int CellAt(const std::vector<CFrame>& cells, TPoint p, int none);
