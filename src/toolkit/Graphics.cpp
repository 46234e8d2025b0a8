#include "toolkit/Graphics.h"

TCanvas::TCanvas(std::unique_ptr<TCanvasDevice> device) : device_(std::move(device)) {}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Rectangle(TRect{left, top, right, bottom});
}

void TCanvas::Rectangle(const TRect& rect) {
  if (device_) device_->Rectangle(Pen, Brush, rect);
}

void TCanvas::MoveTo(int x, int y) {
  PenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  if (device_) device_->Line(Pen, PenPos, {x, y});
  PenPos = {x, y};
}
