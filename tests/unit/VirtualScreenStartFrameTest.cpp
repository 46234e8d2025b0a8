// The frame the program starts at when an earlier run was killed while a later frame was on
// the screen: windows it had parked before the first frame must stay within reach.
#include <gtest/gtest.h>

#include <string>

#include "RunningProgram.h"
#include "desktop/FrameGeometry.h"

namespace {

constexpr int H = 768;

TRect At(int left, int top, int width = 300, int height = 200) {
  return {left, top, left + width, top + height};
}

std::string Settings(int strip, int count, int initialFrame) {
  return "[Option]\r\nVirtualDesktop=" + std::to_string(strip) +
         "\r\n[VirtualDesktop]\r\nCount=" + std::to_string(count) +
         "\r\nInitialFrame=" + std::to_string(initialFrame) + "\r\n";
}

TEST(StartFrame, WithNothingParkedBeforeTheFirstFrameTheInitialFrameStays) {
  RunningProgram run(Settings(1, 3, 2));
  run.AddWindow("OnScreen", "", At(100, 100));
  run.AddWindow("Later", "", At(100, 2 * H + 100));
  // Frame 1 is on the screen, so frame 0 lies one screen up: these are on it or reach in,
  // the second with its centre already before it.
  run.AddWindow("FirstFrame", "", At(100, -H + 50));
  run.AddWindow("AcrossTheEdge", "", At(100, -H - 150));
  run.Start();
  EXPECT_EQ(run.Pager().CurrentFrame, 1);
}

TEST(StartFrame, WindowsLeftBeforeTheFirstFrameComeBackWithinReach) {
  RunningProgram run(Settings(1, 3, 1));
  // As a run killed on frame 1 leaves them: the first frame's window one screen up.
  WindowHandle first = run.AddWindow("First", "", At(100, 100 - H));
  WindowHandle second = run.AddWindow("Second", "", At(200, 300));
  run.Start();
  ASSERT_EQ(run.Pager().CurrentFrame, 1);

  run.Pager().SwitchToFrame(0);
  EXPECT_EQ(run.desktop.Windows.at(first).Rect, At(100, 100)) << "exactly its old place";
  EXPECT_EQ(run.desktop.Windows.at(second).Rect, At(200, 300 + H));
}

TEST(StartFrame, TheFarthestWindowByItsCentreDecidesWithinTheStripsLength) {
  {
    RunningProgram run(Settings(1, 4, 1));
    run.AddWindow("OneBack", "", At(100, 100 - H));
    // Its top is three screens up, its centre only two.
    run.AddWindow("TwoBack", "", At(100, -2 * H - 64, 300, 400));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 2);
  }
  {
    RunningProgram run(Settings(1, 3, 1));
    run.AddWindow("OneBack", "", At(100, 100 - H));
    // Farther than three frames: a program's own window kept off the screen, not parked.
    run.AddWindow("FiveBack", "", At(100, 100 - 5 * H));
    run.AddWindow("FarOff", "", At(-32000, -32000));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 1) << "only the window within the strip counts";
  }
}

TEST(StartFrame, HorizontalStripCountsFromTheInitialFramesFirstEdge) {
  {
    RunningProgram run(Settings(2, 4, 2));
    // Frame 1 on the screen: frame 0 spans -1024..0 and is within reach.
    run.AddWindow("FirstFrame", "", At(100 - 1024, 100));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 1);
  }
  {
    RunningProgram run(Settings(2, 4, 2));
    run.AddWindow("BeforeTheFirst", "", At(100 - 3 * 1024, 100));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 3);
  }
}

TEST(StartFrame, WindowsOnAMonitorBeforeThePrimaryAreNotTakenForParked) {
  // The same window left of the screen, with and without a monitor there.
  {
    RunningProgram run(Settings(2, 3, 1));
    run.desktop.VirtualScreen = TRect{-1280, -200, 1024, 824};
    run.AddWindow("LeftMonitor", "", At(-900, 100));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 0);
  }
  {
    RunningProgram run(Settings(2, 3, 1));
    run.AddWindow("Parked", "", At(-900, 100));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 1);
  }
  {
    // Vertically too: a monitor above the primary one.
    RunningProgram run(Settings(1, 3, 1));
    run.desktop.VirtualScreen = TRect{0, -1080, 1920, H};
    run.AddWindow("UpperMonitor", "", At(100, -600));
    run.Start();
    EXPECT_EQ(run.Pager().CurrentFrame, 0);
  }
}

TEST(StartFrame, MinimizedAndHiddenWindowsDoNotCount) {
  RunningProgram run(Settings(1, 3, 1));
  WindowHandle minimized = run.AddWindow("Minimized", "", {-32000, -32000, -31840, -31972});
  run.desktop.Windows.at(minimized).Style |= win::WsMinimize;
  WindowHandle hidden = run.AddWindow("Hidden", "", At(100, 100 - H));
  run.desktop.Windows.at(hidden).Style &= ~win::WsVisible;
  run.Start();
  EXPECT_EQ(run.Pager().CurrentFrame, 0);
}

TEST(StartFrame, WithoutVirtualScreensNothingIsLookedAt) {
  RunningProgram run(Settings(0, 3, 1));
  run.AddWindow("FarUp", "", At(100, 100 - H));
  run.Start();
  EXPECT_EQ(run.Pager().CurrentFrame, 0);
}

TEST(StartFrameReaching, AWindowEndingExactlyAtTheFirstFrameCounts) {
  constexpr TSize screen{1024, H};
  constexpr TRect primary{0, 0, 1024, H};
  EXPECT_EQ(StartFrameReaching({At(0, -200)}, StripVertical, screen, primary, 0, 3), 1);
  EXPECT_EQ(StartFrameReaching({At(0, -199)}, StripVertical, screen, primary, 0, 3), 0)
      << "one pixel into the first frame";
  EXPECT_EQ(StartFrameReaching({At(0, -H - 200)}, StripVertical, screen, primary, 1, 3), 2);
  EXPECT_EQ(StartFrameReaching({At(0, -200)}, StripVertical, TSize{}, primary, 0, 3), 0)
      << "no screen size";
}

}  // namespace
