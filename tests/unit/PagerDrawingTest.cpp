// What the pager draws: colours, places and order of the shapes.
#include "PagerTestSupport.h"

namespace pager_test {
namespace {

using PagerDrawingTest = PagerTest;

TEST_F(PagerDrawingTest, CellsWindowsAndOutlineInTheirColoursAndOrder) {
  pager->StartAtFrame(1);
  // Top of the Z-order first: the foreground window, then two others.
  WindowHandle front = Add({100, 32, 400, 332});  // virtual 100,800-400,1100
  Add(At(0, 0));                                  // frame 1 at the top-left
  Add(At(0, -768));                               // frame 0
  run.desktop.Foreground = front;
  pager->RefreshWindowList();
  Canvas().Shapes.clear();
  pager->DrawPager();

  const auto& shapes = Canvas().Shapes;
  ASSERT_EQ(shapes.size(), 2u + 3u + 1u + 4u);
  const TPen white{clWhite, TPenStyle::Solid}, black{clBlack, TPenStyle::Solid};
  EXPECT_EQ(
      shapes[0],
      (TDrawnShape{
          TDrawnShape::Kind::Rectangle, white, {clGray, TBrushStyle::Solid}, {0, 0, 115, 213}}));
  EXPECT_EQ(
      shapes[1],
      (TDrawnShape{
          TDrawnShape::Kind::Rectangle, white, {clWhite, TBrushStyle::Solid}, {0, 54, 115, 107}}))
      << "the current frame's cell";
  // The bottom of the Z-order first, the foreground window last and in lime.
  EXPECT_EQ(shapes[2].Rect, (TRect{0, 0, 33, 13}));   // 200 * 53 / 768
  EXPECT_EQ(shapes[3].Rect, (TRect{0, 54, 33, 67}));  // 968 * 53 / 768 + 1
  EXPECT_EQ(shapes[4].Rect, (TRect{11, 56, 44, 76}));
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(shapes[i].Pen, black);
    EXPECT_EQ(shapes[i].Brush.Color, i == 4 ? clLime : clYellow);
  }
  EXPECT_EQ(shapes[5].Pen.Color, clBlue);
  EXPECT_EQ(shapes[5].Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(shapes[5].Rect, (TRect{0, 0, 115, 213}));
  for (int i = 0; i < 4; ++i) {
    const int bottom = pager->FrameCells[i].Bottom;
    EXPECT_EQ(shapes[6 + i].Shape, TDrawnShape::Kind::Line);
    EXPECT_EQ(shapes[6 + i].Pen.Color, clBlue);
    EXPECT_EQ(shapes[6 + i].Rect, (TRect{0, bottom, 115, bottom}));
  }
}

TEST_F(PagerDrawingTest, HorizontalStripDrawsColumnsAndVerticalLines) {
  Set("VirtualDesktop", 2);
  pager->SetClientSize(201, 60);
  pager->StartAtFrame(3);
  Add(At(3100 - 3 * W, 10));
  pager->RefreshWindowList();
  Canvas().Shapes.clear();
  pager->DrawPager();

  const auto filled = FilledRectangles(Canvas());
  ASSERT_EQ(filled.size(), 3u);
  EXPECT_EQ(filled[1], (Filled{{151, 0, 201, 60}, clWhite}));
  EXPECT_EQ(filled[2].Rect.Left, 152) << "frame 3's window inside the last cell";
  const TDrawnShape& firstLine = Canvas().Shapes[4];
  EXPECT_EQ(firstLine.Rect, (TRect{51, 0, 51, 60}));
}

TEST_F(PagerDrawingTest, WindowsShowWhileShrunkOnlyWhenFading) {
  Add(At(100, 100));
  pager->RefreshWindowList();
  pager->AnimationStep = 0;  // the animation has run

  Set("VirtualDesktopInactive", 1);
  Canvas().Shapes.clear();
  pager->DrawPager();
  EXPECT_EQ(FilledRectangles(Canvas()).size(), 2u) << "shrunk: the cells only";

  Set("VirtualDesktopInactive", 2);
  Canvas().Shapes.clear();
  pager->DrawPager();
  EXPECT_EQ(FilledRectangles(Canvas()).size(), 3u) << "faded: the windows still show";
}

TEST_F(PagerDrawingTest, DrawsNothingWithoutVirtualScreensOrFrames) {
  Add(At(100, 100));
  pager->RefreshWindowList();
  for (auto [key, value] : {std::pair{"VirtualDesktop", 0}, std::pair{"VirtualDesktopCount", 0}}) {
    Set("VirtualDesktop", 1);
    Set("VirtualDesktopCount", 4);
    Set(key, value);
    Canvas().Shapes.clear();
    pager->DrawPager();
    EXPECT_TRUE(Canvas().Shapes.empty()) << key;
  }
}

}  // namespace
}  // namespace pager_test
