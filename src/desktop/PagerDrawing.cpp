// The pager's picture: grey cells, the current one white, with several monitors each one's
// outline in every cell, every window a yellow rectangle (lime for the one in front, red for
// one that refused to move; cloaked ones left out) with the topmost drawn last, and a blue
// outline with the lines between the cells. Drawn into the image's bitmap, which reaches the
// screen whole.
#include "desktop/FormVirtualDesktop.h"
#include "desktop/FrameGeometry.h"
#include "toolkit/Scaling.h"

namespace {

constexpr int kInactiveTransparent = 2;       // "VirtualDesktopInactive"
constexpr TColor kMonitorOutline = 0x800000;  // navy

// A window that refused the last switch's move, drawn where it really stands.
constexpr TColor kRefusedColor = 0x0000FF;  // red

// Clears the drawing guard however the drawing ends.
struct GuardScope {
  bool& flag;
  explicit GuardScope(bool& f) : flag(f) { flag = true; }
  ~GuardScope() { flag = false; }
};

}  // namespace

void TFormVirtualDesktop::DrawPager() {
  const int strip = Setting("VirtualDesktop");
  const int count = Setting("VirtualDesktopCount");
  if (strip == StripNone || drawing_ || count <= 0) return;
  GuardScope guard(drawing_);

  const TSize client{ClientWidth(), ClientHeight()};
  FrameStep = FrameStepFor(strip, ScreenSize);
  CellSize = CellSizeFor(strip, client, count);
  FrameCells = LayoutCells(strip, client, count);
  // Taken once: the loops below use it for every window.
  const CPagerScale scale = ScaleFor(count);
  auto drawn = [&](const TRect& bounds, int frames) {
    return ::VirtualToPager(OffsetByFrames(bounds, FrameStep, frames), scale);
  };

  // Lines as wide as one pixel at 96 DPI.
  const int line = ScaleValue(1, PixelsPerInch());
  TCanvas& canvas = ImageFrame->Canvas();
  canvas.Pen = {clWhite, TPenStyle::Solid, line};
  canvas.Brush = {clGray, TBrushStyle::Solid};
  canvas.Rectangle(0, 0, client.Width, client.Height);
  canvas.Brush = {clWhite, TBrushStyle::Solid};
  if (CurrentFrame >= 0 && CurrentFrame < static_cast<int>(FrameCells.size()))
    canvas.Rectangle(FrameCells[CurrentFrame]);

  // One monitor's outline would be the cell's own: drawn only when there are several.
  if (Monitors.size() > 1) {
    canvas.Pen = {kMonitorOutline, TPenStyle::Solid, line};
    canvas.Brush = {clWhite, TBrushStyle::Clear};
    for (int frame = 0; frame < count; ++frame)
      for (const TMonitor& monitor : Monitors) canvas.Rectangle(drawn(monitor.Bounds, frame));
  }

  if (AnimationStep == -1 || Setting("VirtualDesktopInactive") == kInactiveTransparent) {
    canvas.Pen = {clBlack, TPenStyle::Solid, line};
    // Every window is shifted by the same frames: the shift goes into the origin once.
    CPagerScale windowScale = scale;
    windowScale.Origin = {scale.Origin.X - FrameStep.X * CurrentFrame,
                          scale.Origin.Y - FrameStep.Y * CurrentFrame};
    const CPagerMapper toPager(windowScale);
    // From the bottom of the Z-order up, so that the window in front is drawn last.
    for (auto it = WindowList.rbegin(); it != WindowList.rend(); ++it) {
      if (DragWindow && it->Handle == DragWindow->Handle) continue;
      if (CloakedWindows.count(it->Handle)) continue;
      const TColor fill = RefusedWindows.count(it->Handle) ? kRefusedColor
                          : it->Handle == LastForeground   ? clLime
                                                           : clYellow;
      canvas.Brush = {fill, TBrushStyle::Solid};
      canvas.Rectangle(toPager(it->Bounds));
    }
  }
  if (DragWindow) {
    // The dragged window on top of all others.
    canvas.Brush = {DragWindow->Handle == LastForeground ? clLime : clYellow, TBrushStyle::Solid};
    canvas.Rectangle(DragRect);
  }

  canvas.Pen = {clBlue, TPenStyle::Solid, line};
  canvas.Brush = {clWhite, TBrushStyle::Clear};
  canvas.Rectangle(0, 0, client.Width, client.Height);
  for (const CFrame& cell : FrameCells) {
    if (strip == StripHorizontal) {
      canvas.MoveTo(cell.Right, 0);
      canvas.LineTo(cell.Right, client.Height);
    } else {
      canvas.MoveTo(0, cell.Bottom);
      canvas.LineTo(client.Width, cell.Bottom);
    }
  }
}
