// Switching frames and placing windows into frames.
#include <algorithm>

#include "RunningProgram.h"
#include "VirtualScreenTestSupport.h"
#include "commands/HotKeyRegistration.h"

namespace vs_test {
namespace {

using SwitchTest = VirtualScreenTest;

TEST_F(SwitchTest, MovesTheListedWindowsByWholeScreensAndOnlyThose) {
  WindowHandle below = Add(At(100, 800));
  WindowHandle visible = Add(At(100, 100));
  WindowHandle own = Add(At(10, 10), 0, "TWatchingDlg");
  desktop.Windows.at(own).ProcessId = desktop.CurrentProcessId;
  WindowHandle pagerWindow = AddPagerWindow();
  WindowHandle desk = Add(At(0, 0, W, H), 0, "Progman");
  WindowHandle bar = Add(At(0, H - 30, W, 30), 0, "Shell_TrayWnd");
  pager->RefreshWindowList();
  WindowHandle late = Add(At(5, 5));  // created after the enumeration

  pager->SwitchToFrame(1);

  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(Rect(below), At(100, 32));
  EXPECT_EQ(Rect(visible), At(100, -668));
  EXPECT_EQ(Rect(own), At(10, 10 - H)) << "the program's own windows move with the frames";
  EXPECT_EQ(Rect(pagerWindow), (TRect{0, 0, 80, 160}));
  EXPECT_EQ(Rect(desk), At(0, 0, W, H));
  EXPECT_EQ(Rect(bar), At(0, H - 30, W, 30));
  EXPECT_EQ(Rect(late), At(5, 5));
  ASSERT_EQ(pager->WindowList.size(), 3u);
  EXPECT_EQ(pager->WindowList[0].Bounds, At(100, 32)) << "the list follows the moves";
  EXPECT_EQ(pager->Draws, 1);

  Set("VirtualDesktop", 2);  // turned: the same list now moves along x
  pager->SwitchToFrame(3);
  EXPECT_EQ(Rect(visible), At(100 - 2 * W, -668));
}

TEST_F(SwitchTest, ShowingThePagerTakesTheListAHotKeySwitchMoves) {
  WindowHandle w = Add(At(100, 100));
  TFormVirtualDesktop& shown = *program.FormVirtualDesktop;
  shown.Close();  // loading the settings showed it already; it takes the list as it appears
  shown.Show();
  shown.SwitchToFrame(1);
  EXPECT_EQ(Rect(w), At(100, 100 - H));
}

TEST_F(SwitchTest, ClampsAtBothEndsWithoutWrapping) {
  WindowHandle w = Add(At(100, 100));
  pager->RefreshWindowList();
  desktop.Calls.clear();

  pager->SwitchToFrame(pager->CurrentFrame - 1);  // Up at the first frame
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_EQ(desktop.CallCount("MoveWindow"), 0);
  EXPECT_EQ(pager->Draws, 1) << "the pager is still redrawn";

  for (int i = 0; i < 4; ++i) pager->SwitchToFrame(pager->CurrentFrame + 1);
  EXPECT_EQ(pager->CurrentFrame, 3);
  EXPECT_EQ(Rect(w), At(100, 100 - 3 * H));
  pager->SwitchToFrame(12);
  EXPECT_EQ(desktop.CallCount("MoveWindow"), 3);
}

TEST_F(SwitchTest, DoesNothingWhileVirtualScreensAreOff) {
  Add(At(100, 100));
  pager->RefreshWindowList();
  Set("VirtualDesktop", 0);
  desktop.Calls.clear();
  pager->SwitchToFrame(2);
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_TRUE(desktop.Calls.empty());
  EXPECT_EQ(pager->Draws, 0);
}

TEST_F(SwitchTest, PlacesWindowsRelativeToTheirRecordedRectangles) {
  WindowHandle w = Add(At(100, 100));
  pager->RefreshWindowList();
  desktop.MoveWindow(w, 400, 300, 300, 200, true);  // by the user, no enumeration since
  pager->SwitchToFrame(1);
  EXPECT_EQ(Rect(w), At(100, 100 - H));
}

TEST_F(SwitchTest, MovesAMaximizedWindowFarAwayFirst) {
  WindowHandle w = Add({-4, -4, W + 4, H + 4}, win::WsMaximize);
  pager->RefreshWindowList();
  desktop.Calls.clear();
  pager->SwitchToFrame(1);
  EXPECT_EQ(desktop.Calls, (std::vector<std::string>{
                               Move(w, {-4 + 10 * W, -4 - H + 10 * H, W + 4 + 10 * W, 4 + 10 * H}),
                               Move(w, {-4, -4 - H, W + 4, 4})}));
}

TEST_F(SwitchTest, AHotKeySwitchListsTheWindowsInOnePassAndMovesThemInOneBatch) {
  WindowHandle a = Add(At(100, 100));
  WindowHandle hidden = Add(At(200, 100));
  desktop.Windows.at(hidden).Style = 0;
  WindowHandle maximized = Add({-4, -4, W + 4, H + 4}, win::WsMaximize);
  desktop.Calls.clear();

  pager->RefreshAndSwitchToFrame(1);
  // The style that says which window is maximized comes with the list.
  const std::string list = "ListWindows(" + std::to_string(win::WsVisible) + "," +
                           std::to_string(win::WsDisabled) + ",0,259)";
  EXPECT_EQ(desktop.Calls,
            (std::vector<std::string>{
                "GetForegroundWindow()", list, Move(a, At(100, 100 - H)),
                Move(maximized, {-4 + 10 * W, -4 - H + 10 * H, W + 4 + 10 * W, 4 + 10 * H}),
                Move(maximized, {-4, -4 - H, W + 4, 4})}));
  ASSERT_EQ(pager->WindowList.size(), 2u);
  EXPECT_EQ(pager->WindowList[1].Bounds, (TRect{-4, -4 - H, W + 4, 4}));
  EXPECT_EQ(Rect(hidden), At(200, 100));
}

TEST_F(SwitchTest, SkipsAWindowThatVanishedAndMovesTheRest) {
  WindowHandle a = Add(At(0, 0)), b = Add(At(100, 0)), c = Add(At(200, 0));
  pager->RefreshWindowList();
  desktop.VanishWhen("MoveWindow(" + std::to_string(a), b);
  pager->SwitchToFrame(2);
  EXPECT_EQ(desktop.Windows.count(b), 0u);
  EXPECT_EQ(Rect(a), At(0, -2 * H));
  EXPECT_EQ(Rect(c), At(200, -2 * H));
  EXPECT_EQ(pager->WindowList[1].Bounds, At(100, -2 * H)) << "keeps the computed rectangle";
  EXPECT_EQ(pager->CurrentFrame, 2);
}

TEST_F(SwitchTest, TransparentModeBringsThePagerBackEvenWithoutAMove) {
  Set("VirtualDesktopInactive", 2);
  WindowHandle pagerWindow = AddPagerWindow();
  desktop.Windows.at(pagerWindow).ExStyle = win::WsExLayered | win::WsExToolWindow;
  pager->FullBounds = {900, 40, 1015, 253};
  pager->SetBounds(990, 40, 25, 213);  // shrunk against the right edge

  pager->SwitchToFrame(pager->CurrentFrame);  // e.g. Left in a vertical strip

  EXPECT_EQ(desktop.Windows.at(pagerWindow).ExStyle, win::WsExToolWindow);
  EXPECT_EQ(
      desktop.CallCount("SetLayeredWindowAttributes(" + std::to_string(pagerWindow) + ",0,0,0)"),
      1);
  EXPECT_EQ(pager->Left(), 900);
  EXPECT_EQ(pager->Width(), 115);
  EXPECT_EQ(desktop.CallCount("MoveWindow"), 0);
}

TEST_F(SwitchTest, MoveWindowToFrameShiftsByClampedFrameOrNotAtAll) {
  WindowHandle w = Add(At(0, 0));
  pager->StartAtFrame(1);
  pager->MoveWindowToFrame(w, At(50, 60), 12);
  EXPECT_EQ(Rect(w), At(50, 60 + 2 * H)) << "frame 12 of 4 is frame 3";
  pager->MoveWindowToFrame(w, At(50, 60), -1);
  EXPECT_EQ(Rect(w), At(50, 60));
  Set("VirtualDesktop", 0);
  pager->MoveWindowToFrame(w, At(50, 60), 2);
  EXPECT_EQ(Rect(w), At(50, 60)) << "no frames, no shift";
}

TEST_F(SwitchTest, CurrentFrameStaysWithinTheFrames) {
  WindowHandle w = Add(At(100, 100));
  pager->StartAtFrame(7 - 1);
  EXPECT_EQ(pager->CurrentFrame, 3);
  EXPECT_EQ(Rect(w), At(100, 100)) << "the screen as found is declared that frame";
  Set("VirtualDesktopCount", 2);
  pager->ClampCurrentFrame();
  EXPECT_EQ(pager->CurrentFrame, 1);
  pager->StartAtFrame(-5);
  EXPECT_EQ(pager->CurrentFrame, 0);
}

TEST(HotKeySwitchTest, GoesFromWhereTheWindowsAreNowAndARuleMoveIsListed) {
  RunningProgram run(
      "[Option]\r\nVirtualDesktop=1\r\n[Watching]\r\nCount=1\r\nName0=\"a\"\r\n"
      "WindowTitle0=\"@Notepad\"\r\nFrame0=1\r\nFramePosition0=3\r\n");
  WindowHandle w = run.AddWindow("Foreign", "w", At(100, 100));
  run.Start();                                          // the pager takes the list as it is shown
  run.desktop.MoveWindow(w, 400, 300, 350, 250, true);  // then the user moves and sizes it
  run.Send(win::WmHotKey, kHotKeyIdDown);
  EXPECT_EQ(run.desktop.Windows.at(w).Rect, At(400, 300 - H, 350, 250));
  run.Send(win::WmHotKey, kHotKeyIdUp);
  EXPECT_EQ(run.desktop.Windows.at(w).Rect, At(400, 300, 350, 250));

  // A rule puts a new window on frame 3; the pager's list holds it there at once.
  WindowHandle created = run.AddWindow("Notepad", "memo", At(50, 60));
  run.Send(win::WmApp, created);
  const TRect moved = At(0, 2 * H, 300, 200);
  EXPECT_EQ(run.desktop.Windows.at(created).Rect, moved);
  const CWindowList& listed = run.Pager().WindowList;
  EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const CWindow& entry) {
    return entry.Handle == created && entry.Bounds == moved;
  }));
}

}  // namespace
}  // namespace vs_test
