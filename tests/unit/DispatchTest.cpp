#include <gtest/gtest.h>

#include "RunningProgram.h"
#include "shell/CommandCandidates.h"
#include "watching/WatchingDlg.h"

namespace {

constexpr unsigned kHotKey = win::WmHotKey;
constexpr unsigned kCreated = 0x8000;
constexpr unsigned kNotice = 0x8001;
constexpr long kAcceptFiles = 0x10;

TEST(Dispatch, FrameHotKeysFollowTheStripOrientation) {
  RunningProgram run("[Option]\r\nVirtualDesktop=1\r\n");
  run.Start();
  WindowHandle w = run.AddWindow("Notepad", "memo", {100, 100, 500, 400});
  run.Pager().RefreshWindowList();

  run.Send(kHotKey, 0xBFFB);  // Left: not this orientation
  EXPECT_EQ(run.Pager().CurrentFrame, 0);
  EXPECT_EQ(run.desktop.Windows[w].Rect, (TRect{100, 100, 500, 400}));
  run.Send(kHotKey, 0xBFFD);  // Up at the first frame stays there
  EXPECT_EQ(run.Pager().CurrentFrame, 0);
  for (int i = 0; i < 5; ++i) run.Send(kHotKey, 0xBFFC);  // Down, past the last
  EXPECT_EQ(run.Pager().CurrentFrame, 3);
  EXPECT_EQ(run.desktop.Windows[w].Rect, (TRect{100, 100 - 3 * 768, 500, 400 - 3 * 768}));
  run.Send(kHotKey, 0xBFFD);
  EXPECT_EQ(run.desktop.Windows[w].Rect.Top, 100 - 2 * 768);
}

TEST(Dispatch, WatchingRulesApplyInListOrderToMatchingNewWindows) {
  RunningProgram run(
      "[Watching]\r\nCount=3\r\n"
      "Name0=\"a\"\r\nWindowTitle0=\"@Notepad\"\r\nTranslucent0=1\r\nTranslucentAlpha0=100\r\n"
      "Name1=\"b\"\r\nWindowTitle1=\"@notepad\"\r\nPosition1=1\r\nPositionLeft1=7\r\n"
      "Name2=\"c\"\r\nWindowTitle2=\"memo\"\r\nTranslucentAlpha2=200\r\nFrame2=1\r\n"
      "FramePosition2=3\r\nPosition2=0\r\n");
  run.Start();
  WindowHandle w = run.AddWindow("Notepad", "my memo", {100, 100, 500, 400});
  run.Send(kCreated, w);
  const SimWindow& window = run.desktop.Windows[w];
  EXPECT_TRUE(window.ExStyle & win::WsExLayered);
  EXPECT_EQ(window.Alpha, 200) << "the later rule acts after the earlier one";
  EXPECT_EQ(window.Rect, (TRect{0, 2 * 768, 400, 2 * 768 + 300}))
      << "frame 3 at its top-left corner, normal size; the lower-case class did not match";

  WindowHandle other = run.AddWindow("Other", "MEMO", {10, 10, 50, 50});
  // The program's own windows (a message box, say) are left alone, whatever their titles.
  WindowHandle own =
      run.AddWindow("Notepad", "my memo", {10, 10, 50, 50}, run.desktop.CurrentProcessId);
  for (WindowHandle left : {other, own}) {
    run.Send(kCreated, left);
    EXPECT_FALSE(run.desktop.Windows[left].ExStyle & win::WsExLayered);
    EXPECT_EQ(run.desktop.Windows[left].Rect, (TRect{10, 10, 50, 50}));
  }
}

TEST(Dispatch, FrameRuleWithoutVirtualScreensMovesToTheScreensCorner) {
  RunningProgram run(
      "[Option]\r\nVirtualDesktop=0\r\n[Watching]\r\nCount=1\r\nName0=\"a\"\r\n"
      "WindowTitle0=\"memo\"\r\nFrame0=1\r\nFramePosition0=3\r\n");
  run.Start();
  WindowHandle w = run.AddWindow("Notepad", "memo", {100, 100, 500, 400});
  run.Send(kCreated, w);
  EXPECT_EQ(run.desktop.Windows[w].Rect, (TRect{0, 0, 400, 300}));
}

TEST(Dispatch, NoticesAreDroppedForThePagerAndGoneWindowsButNotAfterAClose) {
  RunningProgram run("[VirtualDesktop]\r\nMoveActiveFrame=1\r\n");
  run.Start();
  WindowHandle closed = run.AddWindow("Notepad", "memo", {100, 100, 500, 400});
  WindowHandle below = run.AddWindow("Notepad", "memo", {100, 800, 500, 1100});
  run.Send(kNotice, 5, static_cast<std::intptr_t>(run.Pager().Handle()));
  EXPECT_EQ(run.Pager().LastNoticeType, 0);
  run.desktop.DestroyWindow(closed);
  run.Send(kNotice, 5, static_cast<std::intptr_t>(closed));
  EXPECT_EQ(run.Pager().LastNoticeType, 0) << "an activation of a gone window";

  // The hook reports a destruction once the window is gone; the system then activates a
  // window of its own choosing, which the pager must not follow.
  run.Send(kNotice, 4, static_cast<std::intptr_t>(closed));
  run.Send(kNotice, 5, static_cast<std::intptr_t>(below));
  EXPECT_EQ(run.Pager().CurrentFrame, 0) << "the system's choice after a close was followed";
  run.Send(kNotice, 5, static_cast<std::intptr_t>(below));
  EXPECT_EQ(run.Pager().CurrentFrame, 1) << "the pager follows the activated window";
  EXPECT_EQ(run.desktop.Windows[below].Rect.Top, 32);
}

TEST(Dispatch, TranslucencyToggleUsesTheWindowsOwnLayeredState) {
  RunningProgram run("[Option]\r\nTranslucentAlpha=150\r\n");
  run.Start();
  WindowHandle w = run.AddWindow("Notepad", "memo", {0, 0, 100, 100});
  run.desktop.Foreground = w;
  run.Send(kHotKey, 0xBFFF);
  EXPECT_TRUE(run.desktop.Windows[w].ExStyle & win::WsExLayered);
  EXPECT_EQ(run.desktop.Windows[w].Alpha, 150);
  run.Send(kHotKey, 0xBFFF);
  EXPECT_FALSE(run.desktop.Windows[w].ExStyle & win::WsExLayered);
}

TEST(Dispatch, GetInfoOpensTheWatchingDialogFilledFromTheWindowInFront) {
  RunningProgram run("[VirtualDesktop]\r\nInitialFrame=3\r\n");
  run.desktop.ForegroundLockTimeout = 0;  // the hot key's receiver may take the foreground
  run.Start();
  WindowHandle w = run.AddWindow("WineMine", "Mines", {40, 60, 200, 260});
  run.desktop.Foreground = w;
  run.Send(kHotKey, 0xBFFE);
  TWatchingDlg& dialog = *run.program->WatchingDlg;
  EXPECT_TRUE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(dialog.EditWindowTitle->Text(), "@WineMine");
  EXPECT_EQ(dialog.LabeledEditPositionLeft->Text(), "40");
  EXPECT_EQ(dialog.LabeledEditPositionTop->Text(), "60");
  EXPECT_EQ(dialog.LabeledEditFramePosition->Text(), "3");
  EXPECT_FALSE(dialog.CheckBoxPosition->Checked());
  EXPECT_FALSE(dialog.LabeledEditPositionLeft->Enabled());
  EXPECT_EQ(run.desktop.Foreground, dialog.Handle());
}

struct CommandTest : ::testing::Test {
  RunningProgram run{
      "[Command]\r\nCount=3\r\n"
      "Name0=\"memo\"\r\nWindowTitle0=\"memo\"\r\nProgram0=\"notepad.exe\"\r\n"
      "Name1=\"none\"\r\nWindowTitle1=\"\"\r\nProgram1=\"\"\r\n"
      "Name2=\"run\"\r\nWindowTitle2=\"nothing here\\n  \"\r\n"
      "Program2=\"\"C:\\Program Files\\x.exe\" /a\"\r\n"};
  WindowHandle a = 0, b = 0, c = 0;
  void SetUp() override {
    // The process that receives a hot key may take the foreground; the simulation has no
    // such rule, so its lock is off here.
    run.desktop.ForegroundLockTimeout = 0;
    run.Start();
    a = run.AddWindow("Notepad", "memo A", {0, 0, 100, 100});
    b = run.AddWindow("Notepad", "memo B", {10, 10, 100, 100});
    c = run.AddWindow("Notepad", "memo C", {20, 20, 100, 100});
  }
};

TEST_F(CommandTest, RepeatedPressesVisitEveryMatchingWindowAsTheZOrderChanges) {
  // Activation raises a window, so the candidates' order changes with every press.
  run.desktop.SetForegroundWindow(a);
  std::vector<WindowHandle> visited;
  for (int press = 0; press < 6; ++press) {
    run.Send(kHotKey, 0);
    visited.push_back(run.desktop.Foreground);
  }
  EXPECT_EQ(visited, (std::vector<WindowHandle>{c, b, a, c, b, a}));
  EXPECT_GE(run.desktop.CallCount("ShowWindow(" + std::to_string(a) + ",9"), 1);
  EXPECT_TRUE(run.desktop.StartedProcesses.empty());
}

TEST_F(CommandTest, FirstPressWithoutAMatchInFrontBringsTheMostRecentlyUsedMatch) {
  WindowHandle other = run.AddWindow("Other", "x", {0, 0, 10, 10});
  run.desktop.SetForegroundWindow(b);
  run.desktop.SetForegroundWindow(other);
  run.Send(kHotKey, 0);
  EXPECT_EQ(run.desktop.Foreground, b);
}

TEST_F(CommandTest, ForegroundCandidateParkedOffScreenIsBroughtBackFirst) {
  run.desktop.Windows[b].Rect = {-1500, 10, -1400, 100};
  run.desktop.Foreground = b;
  run.Send(kHotKey, 0);
  EXPECT_EQ(run.desktop.Foreground, b);
}

TEST_F(CommandTest, NoMatchStartsTheCommandLineInANewConsoleAndClosesItsHandles) {
  run.Send(kHotKey, 2);
  run.Send(kHotKey, 2);
  ASSERT_EQ(run.desktop.StartedProcesses.size(), 2u) << "one process per press";
  EXPECT_EQ(run.desktop.StartedProcesses[0], "\"C:\\Program Files\\x.exe\" /a");
  EXPECT_EQ(run.desktop.CallCount("CreateProcessA(\"C:\\Program Files\\x.exe\" /a,16)"), 2);
  EXPECT_EQ(run.desktop.OpenProcessHandles(), 0u);
}

TEST_F(CommandTest, EmptyCommandsAndIdsBeyondTheListDoNothing) {
  run.desktop.Foreground = a;
  auto calls = run.desktop.Calls.size();
  run.Send(kHotKey, 1);
  run.Send(kHotKey, 40);
  EXPECT_TRUE(run.desktop.StartedProcesses.empty());
  EXPECT_EQ(run.desktop.Foreground, a);
  EXPECT_EQ(run.desktop.CallCount("ShowWindow"), 0)
      << "calls: " << run.desktop.Calls.size() - calls;
}

TEST(CommandCandidates, LinesSplitAtEveryKindOfBreakAndBlankLinesAreSkipped) {
  EXPECT_EQ(SplitPatternLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  CWindowList windows{{1, {}, "W title", "W"}, {2, {}, "other", "X"}};
  auto candidates = CollectCandidates({" \t", "@W", "title"}, windows);
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_EQ(candidates[0].line, 1);
  EXPECT_EQ(candidates[1].line, 2);
  // W twice and nothing else: with W in front, W itself.
  ActivationRecord record;
  EXPECT_EQ(ChooseCommandTarget(candidates, 1, std::nullopt, record), 1u);
  EXPECT_EQ(ChooseCommandTarget({}, 1, std::nullopt, record), 0u);
}

TEST(CommandCandidates, WithoutAMatchInFrontTheFirstLinesLatestUsedComes) {
  SimDesktop desktop;
  ActivationRecord record;
  std::vector<HandlePack> candidates{{0, 1, {}, 0}, {0, 2, {}, 1}, {1, 3, {}, 2}};
  EXPECT_EQ(ChooseCommandTarget(candidates, 9, std::nullopt, record), 1u)
      << "never seen activated: the top of the Z order";
  record.Activated(2, desktop);
  record.Activated(3, desktop);
  EXPECT_EQ(ChooseCommandTarget(candidates, 9, std::nullopt, record), 2u);
}

TEST(Dispatch, EndOfSessionBringsParkedWindowsBack) {
  RunningProgram run;
  run.Start();
  WindowHandle w = run.AddWindow("Notepad", "memo", {100, 100, 500, 400});
  run.Pager().RefreshWindowList();
  run.Send(kHotKey, 0xBFFC);
  ASSERT_LT(run.desktop.Windows[w].Rect.Top, 0);
  run.Send(win::WmEndSession, 0);
  EXPECT_LT(run.desktop.Windows[w].Rect.Top, 0) << "a cancelled end of session changes nothing";
  run.Send(win::WmEndSession, 1);
  EXPECT_EQ(run.desktop.Windows[w].Rect.Top, 100);
}

TEST(Dispatch, RuleTranslucencyLostToTheProgramsOwnStyleWriteIsAppliedAgain) {
  RunningProgram run(
      "[Watching]\r\nCount=1\r\nName0=\"a\"\r\nWindowTitle0=\"@Notepad\"\r\n"
      "Translucent0=1\r\nTranslucentAlpha0=120\r\n");
  run.Start();
  TTimer& timer = *run.Dialog().TimerLayering;
  WindowHandle kept = run.AddWindow("Notepad", "one", {0, 0, 100, 100});
  WindowHandle lost = run.AddWindow("Notepad", "two", {0, 0, 100, 100});
  WindowHandle toggled = run.AddWindow("Notepad", "three", {0, 0, 100, 100});
  WindowHandle gone = run.AddWindow("Notepad", "four", {0, 0, 100, 100});
  for (WindowHandle w : {kept, lost, toggled, gone}) run.Send(kCreated, w);
  ASSERT_TRUE(timer.Enabled());

  // The program writes its extended style from what it read before the rule acted.
  run.desktop.SetWindowLongA(lost, win::GwlExStyle, kAcceptFiles);
  run.desktop.SetLayeredWindowAttributes(lost, 0, 0, 0);
  // The person makes one opaque again with the hot key.
  run.desktop.SetForegroundWindow(toggled);
  run.Send(kHotKey, 0xBFFF);
  ASSERT_FALSE(run.desktop.Windows[toggled].ExStyle & win::WsExLayered);
  run.desktop.DestroyWindow(gone);

  timer.Tick();
  EXPECT_EQ(run.desktop.Windows[lost].ExStyle, kAcceptFiles | win::WsExLayered);
  EXPECT_EQ(run.desktop.Windows[lost].Alpha, 120);
  EXPECT_EQ(run.desktop.Windows[kept].Alpha, 120);
  EXPECT_FALSE(run.desktop.Windows[toggled].ExStyle & win::WsExLayered)
      << "the hot key's choice is not undone";

  // A while later the window is left to itself.
  for (int i = 0; i < 5; ++i) timer.Tick();
  EXPECT_FALSE(timer.Enabled());
  run.desktop.SetWindowLongA(lost, win::GwlExStyle, 0);
  timer.Tick();
  EXPECT_EQ(run.desktop.Windows[lost].ExStyle, 0);
}

}  // namespace
