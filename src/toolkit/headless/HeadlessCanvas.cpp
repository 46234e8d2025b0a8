#include "toolkit/headless/HeadlessCanvas.h"

void HeadlessCanvas::SetSize(int width, int height) {
  Size = {width, height};
  Shapes.clear();
}

void HeadlessCanvas::Rectangle(const TPen& pen, const TBrush& brush, const TRect& rect) {
  Shapes.push_back({TDrawnShape::Kind::Rectangle, pen, brush, rect});
}

void HeadlessCanvas::Line(const TPen& pen, TPoint from, TPoint to) {
  Shapes.push_back({TDrawnShape::Kind::Line, pen, TBrush{}, {from.X, from.Y, to.X, to.Y}});
}
