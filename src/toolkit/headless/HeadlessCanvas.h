#pragma once
// A canvas device that draws nothing and records every shape it is asked for, in order,
// with the pen and brush it was drawn with, so that tests can read what was drawn.
#include <vector>

#include "toolkit/Graphics.h"

struct TDrawnShape {
  enum class Kind { Rectangle, Line };
  Kind Shape = Kind::Rectangle;
  TPen Pen;
  TBrush Brush;  // as set; a line does not use it
  // A rectangle's corners, or a line from (Left, Top) to (Right, Bottom).
  TRect Rect;
  bool operator==(const TDrawnShape&) const = default;
};

class HeadlessCanvas : public TCanvasDevice {
 public:
  TSize Size;
  std::vector<TDrawnShape> Shapes;

  void SetSize(int width, int height) override;
  void Rectangle(const TPen& pen, const TBrush& brush, const TRect& rect) override;
  void Line(const TPen& pen, TPoint from, TPoint to) override;
};
