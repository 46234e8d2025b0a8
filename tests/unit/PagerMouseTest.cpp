// The pager under the mouse: picking a window up, dropping it into a frame, switching by a
// click, and dragging the pager itself.
#include "PagerTestSupport.h"

namespace pager_test {
namespace {

using PagerMouseTest = PagerTest;

std::string PostedCaptionDrag(WindowHandle pager) {
  return "PostMessageA(" + std::to_string(pager) + ",161,2,0)";
}

TEST_F(PagerMouseTest, DropIntoTheNextCellMovesTheWindowThereAndTheViewFollows) {
  WindowHandle dragged = Add(At(100, 100));  // drawn at 11,6-44,20
  WindowHandle other = Add(At(600, 400));
  pager->SetBounds(900, 40, 123, 221);

  Press(20, 10);
  ASSERT_TRUE(pager->DragWindow);
  EXPECT_EQ(pager->DragWindow->Handle, dragged);
  EXPECT_EQ(run.desktop.CursorClip, (TRect{900, 40, 1023, 261})) << "held inside the pager";

  MoveTo(20, 64);
  EXPECT_EQ(pager->DragRect, (TRect{11, 60, 44, 74}));
  const auto filled = FilledRectangles(Canvas());
  EXPECT_EQ(filled.back().Rect, pager->DragRect) << "the dragged window is drawn on top";
  EXPECT_EQ(Rect(dragged), At(100, 100)) << "nothing moves before the drop";

  Release(20, 64);
  // 11,60 in the pager is 97,869 virtual (frame 1); the window keeps its size, and the
  // switch to frame 1 brings it up by one screen.
  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(Rect(dragged), At(97, 869 - H));
  EXPECT_EQ(Rect(other), At(600, 400 - H));
  EXPECT_EQ(run.desktop.Foreground, dragged);
  EXPECT_FALSE(pager->DragWindow);
  EXPECT_FALSE(run.desktop.CursorClip) << "the pointer is free again";
}

TEST_F(PagerMouseTest, PressAndReleaseOnAWindowActivatesItWithoutMovingIt) {
  WindowHandle w = Add(At(100, 2 * H + 100));  // frame 2, drawn at y 110..124
  run.desktop.Calls.clear();
  Click(20, 115);
  EXPECT_EQ(pager->CurrentFrame, 2);
  EXPECT_EQ(Rect(w), At(100, 100));
  EXPECT_EQ(run.desktop.CallCount("MoveWindow(" + std::to_string(w)), 1) << "only the switch";
  EXPECT_EQ(run.desktop.Foreground, w);
}

TEST_F(PagerMouseTest, PressPicksTheWindowInFrontAndCountsTheEdges) {
  WindowHandle front = Add(At(100, 100));  // 11,6-44,20
  WindowHandle behind = Add(At(50, 50));   // 5,3-38,17
  Press(44, 20);
  ASSERT_TRUE(pager->DragWindow);
  EXPECT_EQ(pager->DragWindow->Handle, front) << "bottom-right corner included";
  Release(44, 20);

  Press(6, 4);
  ASSERT_TRUE(pager->DragWindow);
  EXPECT_EQ(pager->DragWindow->Handle, behind);
  // A second press while dragging is ignored.
  Press(30, 12);
  EXPECT_EQ(pager->DragWindow->Handle, behind);
  Release(6, 4);
}

TEST_F(PagerMouseTest, PlainClickSwitchesToTheCellUnderThePointer) {
  WindowHandle w = Add(At(100, 100));
  WindowHandle before = run.desktop.Foreground;
  Click(60, 180);
  EXPECT_EQ(pager->CurrentFrame, 3);
  EXPECT_EQ(Rect(w), At(100, 100 - 3 * H));
  EXPECT_EQ(run.desktop.Foreground, before) << "no window was pressed";
  Click(60, 54);  // the line between cells 0 and 1
  EXPECT_EQ(pager->CurrentFrame, 1);
  Click(200, 500);  // outside every cell (the pointer was captured)
  EXPECT_EQ(pager->CurrentFrame, 1);
}

TEST_F(PagerMouseTest, OnlyTheLeftButtonActs) {
  Add(At(100, 100));
  run.desktop.Calls.clear();
  pager->ImageFrame->MouseDown(TMouseButton::Right, 0, 20, 10);
  pager->ImageFrame->MouseUp(TMouseButton::Right, 0, 60, 180);
  EXPECT_FALSE(pager->DragWindow);
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_EQ(run.desktop.CallCount("MoveWindow"), 0);
}

TEST_F(PagerMouseTest, DraggingAnEmptySpotMovesThePagerUnlessItIsFixed) {
  const std::string posted = PostedCaptionDrag(PagerHandle());
  Press(100, 100);
  EXPECT_TRUE(pager->PagerDragArmed);
  MoveTo(101, 100);
  EXPECT_EQ(run.desktop.CallCount("ReleaseCapture()"), 1);
  EXPECT_EQ(run.desktop.CallCount(posted), 1);
  EXPECT_FALSE(pager->PagerDragArmed);
  MoveTo(102, 100);
  EXPECT_EQ(run.desktop.CallCount(posted), 1) << "one system move per press";

  Set("VirtualDesktopFixed", 1);
  Press(100, 100);
  MoveTo(110, 100);
  EXPECT_EQ(run.desktop.CallCount(posted), 1);
  Release(110, 100);
  EXPECT_EQ(pager->CurrentFrame, 1) << "with the position fixed the release still switches";

  // A click ends the armed state: moving over the pager afterwards drags nothing.
  Set("VirtualDesktopFixed", 0);
  Click(100, 30);
  MoveTo(105, 30);
  EXPECT_EQ(run.desktop.CallCount(posted), 1);
}

TEST_F(PagerMouseTest, TheMenuIsACopyOfTheTrayMenuAsItWasWhenShown) {
  TOptionDlg& dialog = run.Dialog();
  dialog.MenuItemVirtualDesktopFixed->SetChecked(true);
  pager->Close();
  pager->Show();
  const auto& items = pager->PopupMenu1->Items;
  const auto& tray = dialog.PopupMenuContext->Items;
  ASSERT_EQ(items.size(), tray.size());
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_NE(items[i], tray[i]);
    EXPECT_EQ(items[i]->Owner(), pager);
    EXPECT_EQ(items[i]->Caption(), tray[i]->Caption());
    EXPECT_EQ(items[i]->Visible(), tray[i]->Visible());
    EXPECT_EQ(items[i]->Checked(), tray[i]->Checked());
    EXPECT_EQ(items[i]->AutoCheck, tray[i]->AutoCheck);
  }
  // Not kept in step afterwards, and showing it while visible copies nothing again.
  dialog.MenuItemVirtualDesktopFixed->SetChecked(false);
  const TMenuItem* first = items.front();
  pager->Show();
  EXPECT_EQ(items.front(), first);

  // Choosing the copy of "fix position" does what the tray's item does.
  TMenuItem* fixedCopy = nullptr;
  for (size_t i = 0; i < tray.size(); ++i)
    if (tray[i] == dialog.MenuItemVirtualDesktopFixed) fixedCopy = items[i];
  ASSERT_NE(fixedCopy, nullptr);
  run.backend.PopupScript = [&](TPopupMenu&) { return fixedCopy; };
  pager->ImageFrame->ContextPopup(950, 100);
  EXPECT_EQ(run.backend.PoppedMenus.back(), "PopupMenu1");
  EXPECT_TRUE(dialog.MenuItemVirtualDesktopFixed->Checked());
  EXPECT_TRUE(fixedCopy->Checked());
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopFixed"].IntValue(), 1);
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("Fixed=1"), std::string::npos);

  // Shown again after being closed: a fresh copy, no items left over.
  pager->Close();
  pager->Show();
  EXPECT_EQ(items.size(), tray.size());
  EXPECT_EQ(pager->Components().size(), 3u + tray.size());
}

}  // namespace
}  // namespace pager_test
