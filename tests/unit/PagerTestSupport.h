#pragma once
// A started program on a simulated 1024 x 768 screen whose pager is shown with a client
// area of 115 x 213 pixels: a vertical strip of 4 frames, cells 53 pixels high (the first
// one 54). Its canvas records what the pager draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunningProgram.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace pager_test {

constexpr int W = 1024;
constexpr int H = 768;

struct PagerTest : ::testing::Test {
  RunningProgram run;
  TFormVirtualDesktop* pager = nullptr;

  explicit PagerTest(const std::string& settings = "") : run(settings) {
    run.Start();
    pager = &run.Pager();
    pager->SetClientSize(115, 213);
    pager->DrawPager();
  }

  void Set(const char* key, int value) { run.program->OptionSettings[key].SetIntValue(value); }
  HeadlessCanvas& Canvas() {
    return static_cast<HeadlessCanvas&>(*pager->ImageFrame->Canvas().Device());
  }
  WindowHandle Add(TRect rect, const std::string& title = "Window") {
    return run.AddWindow("Foreign", title, rect);
  }
  TRect& Rect(WindowHandle w) { return run.desktop.Windows.at(w).Rect; }
  WindowHandle PagerHandle() { return pager->Handle(); }
  SimWindow& PagerWindow() { return run.desktop.Windows.at(pager->Handle()); }

  // The user with the left button, in the pager's client pixels.
  void Press(int x, int y) { pager->ImageFrame->MouseDown(TMouseButton::Left, 0, x, y); }
  void MoveTo(int x, int y) { pager->ImageFrame->MouseMove(0, x, y); }
  void Release(int x, int y) { pager->ImageFrame->MouseUp(TMouseButton::Left, 0, x, y); }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
};

inline TRect At(int left, int top, int width = 300, int height = 200) {
  return {left, top, left + width, top + height};
}

// The rectangles drawn, in order, with the brush colour each was filled with.
struct Filled {
  TRect Rect;
  TColor Brush;
  bool operator==(const Filled&) const = default;
};
inline std::vector<Filled> FilledRectangles(const HeadlessCanvas& canvas) {
  std::vector<Filled> filled;
  for (const TDrawnShape& shape : canvas.Shapes)
    if (shape.Shape == TDrawnShape::Kind::Rectangle && shape.Brush.Style == TBrushStyle::Solid)
      filled.push_back({shape.Rect, shape.Brush.Color});
  return filled;
}

}  // namespace pager_test
