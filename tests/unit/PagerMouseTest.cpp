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

TEST_F(PagerMouseTest, ADropStaysOnItsScreenAtTheScaleOfThePress) {
  WindowHandle w = Add(At(100, 100));  // 11,6-44,20
  // Released on the pager's border, past the client area: the window stays on the screen.
  Press(20, 10);
  MoveTo(125, 10);
  Release(125, 10);
  EXPECT_EQ(Rect(w), At(W - 300, 86));

  // The pager shrinks while the window is dragged: the drop keeps the scale of the press.
  Rect(w) = At(100, 100);
  Press(20, 10);
  pager->SetClientSize(31, 213);
  pager->DrawPager();
  MoveTo(25, 10);
  Release(25, 10);
  EXPECT_EQ(Rect(w), At(16 * W / 115, 86));
}

TEST_F(PagerMouseTest, LosingTheCaptureEndsTheDragWhereItBegan) {
  WindowHandle w = Add(At(100, 100));
  Press(20, 10);
  MoveTo(20, 64);
  std::intptr_t result = 0;
  pager->HandleMessage(0x0215, 0, 0, result);  // WM_CAPTURECHANGED, e.g. a system dialog
  EXPECT_FALSE(pager->DragWindow);
  EXPECT_FALSE(run.desktop.CursorClip) << "the pointer is free again";
  EXPECT_EQ(Rect(w), At(100, 100));
  // The next click is a plain click on the empty cell below, not a drop.
  Click(20, 64);
  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(Rect(w), At(100, 100 - H));
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

// Owned by a menu item: tells when the item is deleted.
struct DeletionWitness : TComponent {
  DeletionWitness(TComponent* owner, bool& deleted)
      : TComponent(owner, "Witness"), deleted_(deleted) {}
  ~DeletionWitness() override { deleted_ = true; }
  std::string ClassName() const override { return "DeletionWitness"; }
  bool& deleted_;
};

TEST_F(PagerMouseTest, TheMenuIsACopyOfTheTrayMenuAsItIsWhenItOpens) {
  TOptionDlg& dialog = run.Dialog();
  const auto& items = pager->PopupMenu1->Items;
  const auto& tray = dialog.PopupMenuContext->Items;
  // Opens the pager's menu and chooses the copy of `original` (null: nothing).
  auto choose = [&](TMenuItem* original, bool* copyDeleted = nullptr) {
    run.backend.PopupScript = [&, original, copyDeleted](TPopupMenu&) -> TMenuItem* {
      for (size_t i = 0; i < tray.size() && i < items.size(); ++i)
        if (tray[i] == original) {
          if (copyDeleted) Create<DeletionWitness>(items[i], *copyDeleted);
          return items[i];
        }
      return nullptr;
    };
    pager->ImageFrame->ContextPopup(950, 100);
  };

  dialog.MenuItemVirtualDesktopFixed->SetChecked(true);
  choose(nullptr);
  EXPECT_EQ(run.backend.PoppedMenus.back(), "PopupMenu1");
  ASSERT_EQ(items.size(), tray.size());
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_NE(items[i], tray[i]);
    EXPECT_EQ(items[i]->Owner(), pager);
    EXPECT_EQ(items[i]->Caption(), tray[i]->Caption());
    EXPECT_EQ(items[i]->Visible(), tray[i]->Visible());
    EXPECT_EQ(items[i]->Checked(), tray[i]->Checked());
    EXPECT_EQ(items[i]->AutoCheck, tray[i]->AutoCheck);
  }

  // Choosing the copy of "fix position" does what the tray's item does.
  dialog.MenuItemVirtualDesktopFixed->SetChecked(false);
  choose(dialog.MenuItemVirtualDesktopFixed);
  EXPECT_TRUE(dialog.MenuItemVirtualDesktopFixed->Checked());
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopFixed"].IntValue(), 1);
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("Fixed=1"), std::string::npos);

  // "Options" from the pager's menu, with the file turning virtual screens off: the pager
  // closes when the dialog loads it and shows again at OK, while the copy's handler runs.
  run.dir.Write("tarnwick.ini", "[Option]\r\nVirtualDesktop=0\r\n");
  run.backend.ModalScript = [&](TForm& form) {
    if (&form != &dialog) return;
    EXPECT_FALSE(pager->Visible());
    dialog.RadioGroupVirtualDesktop->SetItemIndex(1);
    dialog.OKBtn->Click();
  };
  bool copyDeleted = false;
  choose(dialog.MenuItemOption, &copyDeleted);
  EXPECT_TRUE(pager->Visible());
  EXPECT_FALSE(copyDeleted) << "the item whose handler ran was deleted under it";

  // Opened again: a fresh copy, none left over.
  choose(nullptr);
  EXPECT_TRUE(copyDeleted);
  EXPECT_EQ(items.size(), tray.size());
  EXPECT_EQ(pager->Components().size(), 3u + tray.size());
}

}  // namespace
}  // namespace pager_test
