// The arithmetic of the strip: negative coordinates and truncating divisions.
#include <gtest/gtest.h>

#include "desktop/FrameGeometry.h"

namespace {

constexpr TSize kScreen{1024, 768};

TRect At(int left, int top) {
  return {left, top, left + 300, top + 200};
}

TEST(FrameGeometry, FrameOfRestoreRectTruncatesTowardZero) {
  // Vertical strip, frame 2 on the screen.
  EXPECT_EQ(FrameOfRestoreRect(At(100, -100), StripVertical, kScreen, 2), 1);
  EXPECT_EQ(FrameOfRestoreRect(At(100, 800), StripVertical, kScreen, 2), 3);
  EXPECT_EQ(FrameOfRestoreRect(At(100, -768), StripVertical, kScreen, 2), 0);
  EXPECT_EQ(FrameOfRestoreRect(At(-5, 800), StripVertical, kScreen, 2), 3)
      << "only the coordinate along the strip counts";
  EXPECT_EQ(FrameOfRestoreRect(At(-1, 100), StripHorizontal, kScreen, 2), 1);
  EXPECT_EQ(FrameOfRestoreRect(At(100, -7), StripHorizontal, kScreen, 2), 2);
  EXPECT_EQ(FrameOfRestoreRect(At(2100, 100), StripHorizontal, kScreen, 0), 2);
  EXPECT_EQ(FrameOfRestoreRect(At(100, 800), StripVertical, TSize{}, 2), 2) << "no screen size";
}

TEST(FrameGeometry, PulledIntoScreenFoldsOnlyTheFrameAxis) {
  EXPECT_EQ(PulledIntoScreen(At(-40, 1600), kScreen, AxisY), At(-40, 64));
  EXPECT_EQ(PulledIntoScreen(At(100, -700), kScreen, AxisY), At(100, 68));
  EXPECT_EQ(PulledIntoScreen(At(100, -20), kScreen, AxisY), At(100, 748));
  EXPECT_EQ(PulledIntoScreen(At(-1500, 3000), kScreen, AxisX), At(548, 3000));
  EXPECT_EQ(PulledIntoScreen(At(100, -8000), kScreen, AxisY), At(100, 448))
      << "more than ten screens out still lands on the screen";
  EXPECT_EQ(PulledIntoScreen(At(-20, -20), kScreen, TAxes(AxisX | AxisY)), At(1004, 748));
}

TEST(FrameGeometry, ClampAndNearestScreen) {
  EXPECT_EQ(ClampFrame(12, 4), 3);
  EXPECT_EQ(ClampFrame(-1, 4), 0);
  EXPECT_EQ(ClampFrame(3, 0), 0) << "no frames count as one";
  TRect maximizedAbove{-4, -772, 1028, 4};
  EXPECT_EQ(NearestScreenPosition(maximizedAbove, kScreen, AxisY), (TRect{-4, -4, 1028, 772}));
  TRect maximizedRight{2044, -4, 3076, 772};
  EXPECT_EQ(NearestScreenPosition(maximizedRight, kScreen, AxisX), (TRect{-4, -4, 1028, 772}));
}

}  // namespace
