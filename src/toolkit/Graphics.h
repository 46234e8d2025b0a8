#pragma once
// Drawing: colours, the pen and the brush, and the canvas an image draws on. The canvas
// keeps the drawing state; a device supplied by the backend puts the shapes somewhere (a
// bitmap in memory, or a record a test can read).
#include <cstdint>
#include <memory>

#include "platform/Desktop.h"

// A colour as 0x00BBGGRR, the platform's order.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;

enum class TPenStyle { Solid, Clear };
enum class TBrushStyle { Solid, Clear };

struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = TPenStyle::Solid;
  int Width = 1;  // pixels; a rectangle's outline lies inside its corners
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::Solid;
  bool operator==(const TBrush&) const = default;
};

// What a canvas draws on. Coordinates are pixels of the surface; right and bottom edges
// and the end point of a line are left out, as the platform draws them.
class TCanvasDevice {
 public:
  virtual ~TCanvasDevice() = default;
  // The surface becomes width x height pixels, all white.
  virtual void SetSize(int width, int height) = 0;
  // Filled with the brush (unless clear) and outlined with the pen (unless clear).
  virtual void Rectangle(const TPen& pen, const TBrush& brush, const TRect& rect) = 0;
  virtual void Line(const TPen& pen, TPoint from, TPoint to) = 0;
};

class TCanvas {
 public:
  // A canvas without a device keeps its state and draws nothing.
  explicit TCanvas(std::unique_ptr<TCanvasDevice> device);

  TPen Pen;
  TBrush Brush;
  // Where the next LineTo starts.
  TPoint PenPos;

  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect);
  void MoveTo(int x, int y);
  // A line from PenPos to (x, y) with the pen; PenPos moves there.
  void LineTo(int x, int y);

  TCanvasDevice* Device() const { return device_.get(); }

 private:
  std::unique_ptr<TCanvasDevice> device_;
};
