// Windows the frames leave where they are: those the system cloaks, and those that refuse
// to be moved.
#include <map>
#include <set>
#include <vector>

#include "OptionDlgTestTexts.h"
#include "PagerTestSupport.h"
#include "VirtualScreenTestSupport.h"

namespace vs_test {
namespace {

using RefusalTest = VirtualScreenTest;

TEST_F(RefusalTest, CloakedWindowsAreAskedOnceASwitchAndNeitherMovedNorFollowed) {
  WindowHandle plain = Add(At(100, 100));
  WindowHandle cloaked = Add(At(200, 150));
  desktop.Windows.at(cloaked).Cloaked = true;
  desktop.Calls.clear();
  desktop.CloakQueries.clear();

  pager->RefreshAndSwitchToFrame(1);
  EXPECT_EQ(Rect(plain), At(100, 100 - H));
  EXPECT_EQ(Rect(cloaked), At(200, 150));
  EXPECT_EQ(desktop.CallCount(Move(cloaked, At(200, 150 - H))), 0);
  EXPECT_EQ(desktop.CloakQueries, (std::map<WindowHandle, int>{{plain, 1}, {cloaked, 1}}));
  EXPECT_EQ(pager->CloakedWindows, (std::set<WindowHandle>{cloaked}));

  // Activated while cloaked, with its restore rectangle on frame 3: no switch follows it.
  desktop.Windows.at(cloaked).Rect = desktop.Windows.at(cloaked).NormalRect = At(200, 150 + 2 * H);
  pager->NotifyActivation(5, cloaked, true);
  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(Rect(plain), At(100, 100 - H));

  // Shown again by the system: the next switch asks afresh and moves it with the others.
  desktop.Windows.at(cloaked).Cloaked = false;
  pager->RefreshAndSwitchToFrame(2);
  EXPECT_EQ(Rect(cloaked), At(200, 150 + H));
  EXPECT_TRUE(pager->CloakedWindows.empty());
}

TEST_F(RefusalTest, ARefusedMoveCostsOneCallIsNotCountedAndIsToldOnce) {
  std::vector<bool> told;
  pager->OnMovesRefused = [&told](bool refused) { told.push_back(refused); };
  WindowHandle plain = Add(At(100, 100));
  // Maximized: the one refused call is its detour; its place is not asked for after that.
  WindowHandle stubborn = Add(At(-4, -4, W + 8, H + 8), win::WsMaximize);
  desktop.Windows.at(stubborn).RefusesMoves = true;
  WindowHandle closing = Add(At(300, 300));
  desktop.VanishWhen("MoveWindow(" + std::to_string(closing), closing);
  desktop.Calls.clear();

  pager->RefreshAndSwitchToFrame(1);
  EXPECT_EQ(Rect(plain), At(100, 100 - H));
  EXPECT_EQ(Rect(stubborn), At(-4, -4, W + 8, H + 8));
  EXPECT_EQ(desktop.CallCount("MoveWindow(" + std::to_string(stubborn)), 1);
  EXPECT_EQ(desktop.CallCount("MoveWindow("), 3);
  ASSERT_EQ(pager->WindowList.size(), 3u);
  EXPECT_EQ(pager->WindowList[1].Bounds, At(-4, -4, W + 8, H + 8)) << "where it really is";
  EXPECT_EQ(pager->RefusedWindows, (std::set<WindowHandle>{stubborn}))
      << "a window that went is not reported";
  EXPECT_EQ(told, (std::vector<bool>{true}));

  pager->RefreshAndSwitchToFrame(2);  // the same window again: nothing more to tell
  EXPECT_EQ(told, (std::vector<bool>{true}));
  EXPECT_EQ(pager->RefusedWindows, (std::set<WindowHandle>{stubborn}));

  desktop.Windows.at(stubborn).RefusesMoves = false;
  pager->RefreshAndSwitchToFrame(3);
  EXPECT_EQ(told, (std::vector<bool>{true, false}));
  EXPECT_TRUE(pager->RefusedWindows.empty());
  EXPECT_EQ(Rect(plain), At(100, 100 - 3 * H));
}

}  // namespace
}  // namespace vs_test

namespace pager_test {
namespace {

using RefusalPagerTest = PagerTest;

TEST_F(RefusalPagerTest, RefusedWindowsAreMarkedWhereTheyStandCloakedOnesLeftOutAndTheTipTells) {
  WindowHandle stubborn = Add(At(100, 100));
  run.desktop.Windows.at(stubborn).RefusesMoves = true;
  WindowHandle cloaked = Add(At(600, 400));
  run.desktop.Windows.at(cloaked).Cloaked = true;
  WindowHandle plain = Add(At(300, 500));
  const std::string title = run.program->Application.Title;
  ASSERT_EQ(run.Dialog().TrayIcon1->Hint(), title);

  pager->RefreshAndSwitchToFrame(1);
  Canvas().Shapes.clear();
  pager->DrawPager();
  // Bottom of the Z-order first: the plain window parked on frame 0, then the refused one
  // still on the screen, which frame 1 now is.
  const auto filled = FilledRectangles(Canvas());
  ASSERT_EQ(filled.size(), 2u + 2u) << "two cells, two windows";
  EXPECT_EQ(filled[2], (Filled{pager->VirtualToPager(At(300, 500)), clYellow}));
  EXPECT_EQ(filled[3], (Filled{pager->VirtualToPager(At(100, 100 + H)), TColor{0x0000FF}}));
  EXPECT_EQ(run.Dialog().TrayIcon1->Hint(), title + "\n" + option_test::expected::TipMovesRefused);

  // Where the cloaked window would be drawn, a press picks nothing up.
  const TRect hidden = pager->VirtualToPager(At(600, 400 + H));
  Press((hidden.Left + hidden.Right) / 2, (hidden.Top + hidden.Bottom) / 2);
  EXPECT_FALSE(pager->DragWindow.has_value());

  run.desktop.Windows.at(stubborn).RefusesMoves = false;
  pager->RefreshAndSwitchToFrame(0);
  EXPECT_EQ(Rect(plain), At(300, 500));
  EXPECT_EQ(run.Dialog().TrayIcon1->Hint(), title);
}

}  // namespace
}  // namespace pager_test
