// Following the frame of a window that becomes active.
#include "VirtualScreenTestSupport.h"

namespace vs_test {
namespace {

using NoticeTest = VirtualScreenTest;

TEST_F(NoticeTest, FollowsTheFrameOfTheRestoreRectangle) {
  struct Case {
    TRect normal;
    int frame;
  };
  // Vertical strip, frame 2 on the screen (the arithmetic in full: FrameGeometry's test).
  // Only the coordinate along the strip counts: a window flush at the top-left whose
  // invisible border reaches left of the screen stays where it is.
  for (Case c :
       {Case{At(100, -100), 1}, Case{At(-5, 800), 3}, Case{At(-7, 0), 2}, Case{At(100, 5000), 3}}) {
    SCOPED_TRACE(c.normal.Left);
    SCOPED_TRACE(c.normal.Top);
    pager->StartAtFrame(2);
    WindowHandle w = Add(c.normal);
    pager->NotifyActivation(5, w, false);
    EXPECT_EQ(pager->CurrentFrame, c.frame);
    EXPECT_EQ(Rect(w).Top, c.normal.Top + (2 - c.frame) * H);
    desktop.DestroyWindow(w);
  }
}

TEST_F(NoticeTest, StateNoticesAreRememberedAndStopTheNextImplicitFollow) {
  WindowHandle other = Add(At(100, 800));
  pager->NotifyActivation(4, other, false);
  EXPECT_EQ(pager->LastNoticeType, 4);
  EXPECT_EQ(pager->CurrentFrame, 0) << "type 4 is never followed";

  pager->NotifyActivation(5, other, false);
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_EQ(pager->Animations, 0);

  pager->NotifyActivation(1, other, false);
  pager->NotifyActivation(5, other, true);  // a command activated it
  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(pager->Animations, 1);
  EXPECT_EQ(pager->LastNoticeType, 5);
}

TEST_F(NoticeTest, IgnoredEntirelyBeforeTheDeferredStart) {
  WindowHandle w = Add(At(100, 800));
  pager->LastNoticeType = 4;
  program.Application.OnIdle = [](bool&) {};
  desktop.Calls.clear();
  pager->NotifyActivation(5, w, true);
  EXPECT_TRUE(desktop.Calls.empty());
  EXPECT_EQ(pager->LastNoticeType, 4);
  EXPECT_EQ(pager->CurrentFrame, 0);
}

TEST_F(NoticeTest, WithoutFollowingOnlyThePagerReacts) {
  Set("VirtualDesktopMoveActiveFrame", 0);
  WindowHandle w = Add(At(100, 800));
  WindowHandle before = Add(At(100, 100));
  // The hook tells of the activation before the system has put the window in front.
  desktop.Foreground = before;
  pager->NotifyActivation(5, w, false);
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_EQ(pager->Animations, 1);
  EXPECT_EQ(pager->Draws, 1);
  EXPECT_EQ(pager->LastForeground, w) << "the pager shows the window being activated in front";
  pager->NotifyActivation(1, before, false);  // a state notice tells of no activation
  EXPECT_EQ(pager->LastForeground, before);
}

TEST_F(NoticeTest, TransparentPagerFadesAgainAfterTheSwitch) {
  Set("VirtualDesktopInactive", 2);
  WindowHandle w = Add(At(100, 800));
  pager->AnimationStep = 0;  // already faded: the animation starts only after the switch
  pager->NotifyActivation(5, w, false);
  EXPECT_EQ(pager->CurrentFrame, 1);
  EXPECT_EQ(pager->Animations, 1);
}

TEST_F(NoticeTest, AMinimizedWindowIsPulledInNotFollowed) {
  WindowHandle w = Add({-32000, -32000, -31840, -31972}, win::WsMinimize);
  desktop.Windows.at(w).NormalRect = At(100, -700);
  pager->NotifyActivation(5, w, false);
  EXPECT_EQ(pager->CurrentFrame, 0);
  EXPECT_EQ(Normal(w), At(100, 68));
  EXPECT_EQ(pager->Animations, 0);
}

}  // namespace
}  // namespace vs_test
