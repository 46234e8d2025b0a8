#include "toolkit/win32/GdiCanvas.h"

#include <algorithm>

namespace win32tk {

namespace {

COLORREF ToColorRef(TColor color) {
  return static_cast<COLORREF>(color & 0x00FFFFFF);
}

}  // namespace

GdiCanvas::GdiCanvas() {
  dc_ = CreateCompatibleDC(nullptr);
  // The DC pen and brush take any colour without creating a GDI object per shape.
  SelectObject(dc_, GetStockObject(DC_PEN));
  SelectObject(dc_, GetStockObject(DC_BRUSH));
}

GdiCanvas::~GdiCanvas() {
  if (dc_) SelectObject(dc_, GetStockObject(DC_PEN));
  if (wide_) DeleteObject(wide_);
  if (initialBitmap_) SelectObject(dc_, initialBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void GdiCanvas::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
  ReleaseDC(nullptr, screen);
  if (!bitmap) return;
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (!initialBitmap_) initialBitmap_ = previous;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = bitmap;
  size_ = {width, height};
  RECT all{0, 0, width, height};
  FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Touched();
}

void GdiCanvas::SelectPen(const TPen& pen) {
  if (pen.Style == TPenStyle::Clear) {
    SelectObject(dc_, GetStockObject(NULL_PEN));
    return;
  }
  if (pen.Width <= 1) {
    SelectObject(dc_, GetStockObject(DC_PEN));
    SetDCPenColor(dc_, ToColorRef(pen.Color));
    return;
  }
  // Wider lines (at a higher DPI) need a pen of their own, kept while it stays the same.
  if (!wide_ || widePen_.Color != pen.Color || widePen_.Width != pen.Width) {
    HPEN made = CreatePen(PS_SOLID | PS_INSIDEFRAME, pen.Width, ToColorRef(pen.Color));
    if (!made) return;
    SelectObject(dc_, made);
    if (wide_) DeleteObject(wide_);
    wide_ = made;
    widePen_ = pen;
  }
  SelectObject(dc_, wide_);
}

void GdiCanvas::Rectangle(const TPen& pen, const TBrush& brush, const TRect& rect) {
  SelectPen(pen);
  if (brush.Style == TBrushStyle::Clear) {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
  } else {
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, ToColorRef(brush.Color));
  }
  ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
  Touched();
}

void GdiCanvas::Line(const TPen& pen, TPoint from, TPoint to) {
  SelectPen(pen);
  MoveToEx(dc_, from.X, from.Y, nullptr);
  LineTo(dc_, to.X, to.Y);
  Touched();
}

void GdiCanvas::SetView(HWND window) {
  view_ = window;
  repaintAsked_ = false;
  Touched();
}

void GdiCanvas::Touched() {
  if (!view_ || repaintAsked_) return;
  repaintAsked_ = true;
  InvalidateRect(view_, nullptr, FALSE);
}

void GdiCanvas::PaintTo(HDC dc, const RECT& rect) {
  repaintAsked_ = false;
  const LONG right = std::min(rect.right, size_.cx);
  const LONG bottom = std::min(rect.bottom, size_.cy);
  if (right > rect.left && bottom > rect.top)
    BitBlt(dc, rect.left, rect.top, right - rect.left, bottom - rect.top, dc_, rect.left, rect.top,
           SRCCOPY);
  auto* white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  if (right < rect.right) {
    RECT beyond{std::max(right, rect.left), rect.top, rect.right, rect.bottom};
    FillRect(dc, &beyond, white);
  }
  if (bottom < rect.bottom) {
    RECT beyond{rect.left, std::max(bottom, rect.top), rect.right, rect.bottom};
    FillRect(dc, &beyond, white);
  }
}

}  // namespace win32tk
