#pragma once
// An image's bitmap in memory. Shapes go into the bitmap at once; the window showing it
// copies it to the screen only when it paints, so the screen never shows a picture half
// drawn and nothing flickers.
#include "toolkit/win32/WinApi.h"

namespace win32tk {

class GdiCanvas : public TCanvasDevice {
 public:
  GdiCanvas();
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void SetSize(int width, int height) override;
  void Rectangle(const TPen& pen, const TBrush& brush, const TRect& rect) override;
  void Line(const TPen& pen, TPoint from, TPoint to) override;

  // The window that shows the bitmap (null: none). The first shape drawn after it last
  // painted asks it to paint again; one request covers any number of shapes.
  void SetView(HWND window);
  // Copies the part of the bitmap under `rect` to the same place on `dc`; what lies
  // beyond the bitmap is white.
  void PaintTo(HDC dc, const RECT& rect);

 private:
  void SelectPen(const TPen& pen);
  void Touched();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ initialBitmap_ = nullptr;
  SIZE size_{};
  HWND view_ = nullptr;
  bool repaintAsked_ = false;
  HPEN wide_ = nullptr;  // the pen for lines wider than one pixel, and what it draws
  TPen widePen_;
};

}  // namespace win32tk
