// The simulated window system's show states and placement, which the virtual screens'
// tests rely on; they follow what Wine 8 showed for the program's own windows.
#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"

namespace {

struct SimDesktopWindowsTest : ::testing::Test {
  SimDesktop desktop;
  WindowHandle window = 0;
  SimDesktopWindowsTest() {
    SimWindow w;
    w.Style = win::WsVisible;
    w.Rect = {100, 100, 400, 300};
    window = desktop.AddWindow(w);
  }
  TWindowPlacement Placement(WindowHandle w) {
    TWindowPlacement p;
    EXPECT_TRUE(desktop.GetWindowPlacement(w, p));
    return p;
  }
  TRect Rect() { return desktop.Windows.at(window).Rect; }
};

TEST_F(SimDesktopWindowsTest, MovingAMaximizedOrMinimizedWindowKeepsItsRestoreRectangle) {
  desktop.ShowWindow(window, win::SwShowMaximized);
  EXPECT_EQ(Rect(), (TRect{-4, -4, 1028, 772}));
  desktop.MoveWindow(window, -4, -772, 1032, 776, true);
  EXPECT_EQ(Placement(window).NormalPosition, (TRect{100, 100, 400, 300}));
  EXPECT_EQ(Placement(window).MaxPosition, (TPoint{-4, -772}));

  desktop.ShowWindow(window, win::SwMinimize);
  desktop.MoveWindow(window, 0, -24, 160, 24, true);
  TWindowPlacement p = Placement(window);
  EXPECT_EQ(p.ShowCmd, unsigned(win::SwShowMinimized));
  EXPECT_EQ(p.Flags, win::WpfRestoreToMaximized);
  EXPECT_EQ(p.MinPosition, (TPoint{0, -24}));

  p.NormalPosition = {150, 250, 450, 450};
  EXPECT_TRUE(desktop.SetWindowPlacement(window, p));
  EXPECT_EQ(Rect(), (TRect{0, -24, 160, 0})) << "still minimized where it was";
  desktop.ShowWindow(window, win::SwRestore);
  EXPECT_EQ(Rect(), (TRect{-4, -4, 1028, 772})) << "back to maximized";
  desktop.ShowWindow(window, win::SwRestore);
  EXPECT_EQ(Rect(), (TRect{150, 250, 450, 450}));
}

TEST_F(SimDesktopWindowsTest, ForeignPlacementAsUnderWine) {
  desktop.Windows.at(window).ProcessId = 9;
  desktop.ShowWindow(window, win::SwMinimize);
  desktop.ReportForeignPlacementAsWine = true;
  EXPECT_EQ(Placement(window).NormalPosition, Rect()) << "the iconic rectangle";
  desktop.RefuseForeignPlacement = true;
  EXPECT_FALSE(desktop.SetWindowPlacement(window, Placement(window)));
  desktop.Windows.at(window).ProcessId = desktop.CurrentProcessId;
  EXPECT_TRUE(desktop.SetWindowPlacement(window, Placement(window)));
}

}  // namespace
