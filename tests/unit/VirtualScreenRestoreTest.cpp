// Bringing parked windows back onto the screen.
#include "VirtualScreenTestSupport.h"

namespace vs_test {
namespace {

using RestoreTest = VirtualScreenTest;

TEST_F(RestoreTest, FoldsEveryRestoreRectangleOntoTheScreenAlongTheStrip) {
  WindowHandle below = Add(At(-50, 1600));
  WindowHandle above = Add(At(100, -700));
  WindowHandle edge = Add(At(100, -20));
  WindowHandle minimized = Add({-32000, -32000, -31840, -31972}, win::WsMinimize);
  desktop.Windows.at(minimized).NormalRect = At(30, 2 * H + 10);

  pager->RestoreAllWindows();

  EXPECT_EQ(Rect(below), At(-50, 64)) << "the left edge stays";
  EXPECT_EQ(Rect(above), At(100, 68));
  EXPECT_EQ(Rect(edge), At(100, 748));
  EXPECT_EQ(Normal(minimized), At(30, 10));
  EXPECT_TRUE(desktop.Windows.at(minimized).Style & win::WsMinimize);

  pager->RestoreAllWindows();  // exit after the session's end: nothing moves again
  EXPECT_EQ(Rect(below), At(-50, 64));
  EXPECT_EQ(Rect(edge), At(100, 748));
  EXPECT_EQ(Normal(minimized), At(30, 10));
}

TEST_F(RestoreTest, BringsBackWindowsBesideTheMonitorsAcrossTheStripToo) {
  desktop.VirtualScreen = TRect{-1280, 0, W, H};  // a second monitor on the left
  WindowHandle right = Add(At(1050, 100));        // dropped past the screen's edge
  WindowHandle both = Add(At(1050, 1600));
  WindowHandle onMonitor = Add(At(-1000, 100));
  WindowHandle farAway = Add(At(-32000, 100));  // kept there by its program on purpose
  WindowHandle minimized = Add({-32000, -32000, -31840, -31972}, win::WsMinimize);
  desktop.Windows.at(minimized).NormalRect = At(1100, 10);

  pager->RestoreAllWindows();

  EXPECT_EQ(Rect(right), At(26, 100));
  EXPECT_EQ(Rect(both), At(26, 64));
  EXPECT_EQ(Rect(onMonitor), At(-1000, 100));
  EXPECT_EQ(Rect(farAway), At(-32000, 100));
  EXPECT_EQ(Normal(minimized), At(1100, 10));
}

TEST_F(RestoreTest, MovesTheWindowItselfWhenItsPlacementIsRefused) {
  desktop.RefuseForeignPlacement = true;
  desktop.ReportForeignPlacementAsWine = true;
  WindowHandle parked = Add(At(100, -700));
  WindowHandle onScreen = Add(At(100, 100));
  WindowHandle maximized = Add({-4, -4 - H, W + 4, 4}, win::WsMaximize);
  WindowHandle minimized = Add({0, 744 - H, 160, 768 - H}, win::WsMinimize);

  pager->RestoreAllWindows();

  EXPECT_EQ(Rect(parked), At(100, 68));
  EXPECT_EQ(Rect(maximized), (TRect{-4, -4, W + 4, H + 4}))
      << "to its own screen, not folded to the far edge";
  EXPECT_EQ(desktop.CallCount("MoveWindow(" + std::to_string(maximized)), 2);
  EXPECT_EQ(desktop.CallCount("MoveWindow(" + std::to_string(onScreen)), 0);
  EXPECT_EQ(desktop.CallCount("MoveWindow(" + std::to_string(minimized)), 0)
      << "moving it would move only its icon";
}

TEST_F(RestoreTest, BringsWindowsBackEvenAfterVirtualScreensWereSwitchedOff) {
  WindowHandle w = Add(At(100, 100));
  pager->RefreshWindowList();
  pager->SwitchToFrame(2);
  Set("VirtualDesktop", 0);
  pager->RestoreAllWindows();
  EXPECT_EQ(Rect(w), At(100, 100));
}

TEST_F(RestoreTest, LeavesEverythingAloneWhenVirtualScreensWereNeverUsed) {
  Set("VirtualDesktop", 0);
  Add(At(100, -20));
  desktop.Calls.clear();
  pager->RestoreAllWindows();
  EXPECT_TRUE(desktop.Calls.empty());
}

TEST_F(RestoreTest, SafeAtTheSessionsEndBeforeTheStartAndWithoutAPagerWindow) {
  program.Application.OnIdle = [](bool&) {};
  WindowHandle w = Add(At(100, -700));
  pager->RestoreAllWindows();
  EXPECT_FALSE(pager->HandleAllocated()) << "no window is created on the way out";
  EXPECT_EQ(Rect(w), At(100, 68));
}

}  // namespace
}  // namespace vs_test
