// The pager while the program is inactive: shrinking and fading step by step, and coming
// back when the pointer enters.
#include "PagerTestSupport.h"

namespace pager_test {
namespace {

struct PagerAnimationTest : PagerTest {
  // Ticks the timer until it stops (at most `limit` times); the pager's bounds after each.
  std::vector<TRect> RunAnimation(int limit = 40) {
    std::vector<TRect> steps;
    for (int i = 0; i < limit && pager->Timer1->Enabled(); ++i) {
      pager->Timer1->Tick();
      steps.push_back({pager->Left(), pager->Top(), pager->Left() + pager->Width(),
                       pager->Top() + pager->Height()});
    }
    return steps;
  }
  std::vector<int> Alphas() {
    std::vector<int> alphas;
    const std::string prefix =
        "SetLayeredWindowAttributes(" + std::to_string(PagerHandle()) + ",0,";
    for (const std::string& call : run.desktop.Calls)
      if (call.rfind(prefix, 0) == 0 && call.back() == ')' && call.find(",2)") != std::string::npos)
        alphas.push_back(std::stoi(call.substr(prefix.size())));
    return alphas;
  }
  void Expand(int left, int top, int width, int height) {
    pager->SetBounds(left, top, width, height);
    pager->FormResize();  // as the resize does: the expanded bounds are recorded
  }
};

TEST_F(PagerAnimationTest, ShrinksInSevenStepsOfAnEighthTowardTheShrunkWidth) {
  Set("VirtualDesktopInactive", 1);
  Expand(0, 40, 115, 400);
  run.program->Application.OnDeactivate();
  EXPECT_EQ(pager->Timer1->Interval(), 10u);
  EXPECT_EQ(pager->AnimationStep, 7);

  const auto steps = RunAnimation();
  std::vector<int> widths;
  for (const TRect& r : steps) {
    widths.push_back(r.Width());
    EXPECT_EQ(r.Left, 0) << "in the left half the left edge stays";
    EXPECT_EQ(r.Height(), 400);
  }
  // d = (115 - 16) / 8 = 12; the last width is 115 - 7 * 12, not 16.
  EXPECT_EQ(widths, (std::vector<int>{103, 91, 79, 67, 55, 43, 31}));
  EXPECT_EQ(pager->AnimationStep, 0);
  EXPECT_FALSE(pager->Timer1->Enabled());
  EXPECT_EQ(pager->FullBounds, (TRect{0, 40, 115, 440})) << "the expanded bounds are kept";
  // Every step keeps the pager on top without taking the activation.
  const std::string onTop = "SetWindowPos(" + std::to_string(PagerHandle()) + ",-1,0,0,0,0,19)";
  EXPECT_GE(run.desktop.CallCount(onTop), 7);
}

TEST_F(PagerAnimationTest, ShrinksTowardTheNearerScreenEdge) {
  Set("VirtualDesktopInactive", 1);
  Expand(900, 40, 115, 400);  // right half: the right edge stays at 1015
  pager->ApplicationEvents1Deactivate();
  auto steps = RunAnimation();
  ASSERT_EQ(steps.size(), 7u);
  EXPECT_EQ(steps[0], (TRect{912, 40, 1015, 440}));
  EXPECT_EQ(steps[6], (TRect{984, 40, 1015, 440}));

  Set("VirtualDesktop", 2);  // horizontal: the height shrinks, in the lower half upward
  Set("VirtualDesktopMiniWidth", 8);
  pager->ImageFrameMouseEnter();
  Expand(100, 600, 400, 100);
  pager->ApplicationEvents1Deactivate();
  steps = RunAnimation();
  ASSERT_EQ(steps.size(), 7u);
  EXPECT_EQ(steps[0], (TRect{100, 611, 500, 700}));  // d = (100 - 8) / 8 = 11
  EXPECT_EQ(steps[6], (TRect{100, 677, 500, 700}));
}

TEST_F(PagerAnimationTest, FadesAfterAPauseThenShrinksAtTheLastStep) {
  Set("VirtualDesktopInactive", 2);
  Expand(0, 40, 115, 400);
  run.desktop.Calls.clear();
  pager->ApplicationEvents1Deactivate();
  EXPECT_EQ(pager->Timer1->Interval(), 50u);
  EXPECT_EQ(pager->AnimationStep, 23);

  for (int i = 0; i < 7; ++i) pager->Timer1->Tick();
  EXPECT_TRUE(Alphas().empty()) << "seven steps only keep the pager on top";
  EXPECT_EQ(pager->Width(), 115);

  const auto steps = RunAnimation();
  ASSERT_EQ(steps.size(), 16u);
  std::vector<int> expected;
  for (int alpha = 241; alpha >= 17; alpha -= 16) expected.push_back(alpha);
  expected.push_back(1);  // never fully transparent
  EXPECT_EQ(Alphas(), expected);
  for (size_t i = 0; i + 1 < steps.size(); ++i) EXPECT_EQ(steps[i].Width(), 115);
  EXPECT_EQ(steps.back().Width(), 31) << "the last step shrinks like the last shrink step";
  EXPECT_TRUE(PagerWindow().ExStyle & win::WsExLayered);
  EXPECT_EQ(PagerWindow().Alpha, 1);
  EXPECT_FALSE(pager->Timer1->Enabled());
}

TEST_F(PagerAnimationTest, EnteringDuringTheAnimationExpandsAndTheNextStepStopsIt) {
  Set("VirtualDesktopInactive", 1);
  Add(At(100, 100));
  Expand(0, 40, 115, 400);
  pager->ApplicationEvents1Deactivate();
  for (int i = 0; i < 3; ++i) pager->Timer1->Tick();
  ASSERT_EQ(pager->Width(), 79);
  run.desktop.Foreground = run.AddWindow("Other", "Other", At(500, 500));

  pager->ImageFrame->MouseEnter();
  EXPECT_EQ(pager->AnimationStep, -1);
  EXPECT_EQ(pager->Width(), 115);
  EXPECT_EQ(run.desktop.Foreground, PagerHandle()) << "the pager takes the foreground";
  EXPECT_TRUE(pager->Timer1->Enabled()) << "the timer runs on";

  pager->Timer1->Tick();
  EXPECT_EQ(pager->AnimationStep, 0);
  EXPECT_FALSE(pager->Timer1->Enabled());
  EXPECT_EQ(pager->Width(), 115) << "it stays expanded";
  // With the counter at 0 the windows are not drawn in this mode until the pointer enters.
  Canvas().Shapes.clear();
  pager->DrawPager();
  EXPECT_EQ(FilledRectangles(Canvas()).size(), 2u);
}

TEST_F(PagerAnimationTest, APagerMovedByTheUserWithItsCounterAt0ShrinksWhereItNowIs) {
  Set("VirtualDesktopInactive", 1);
  Expand(900, 40, 115, 400);
  pager->ApplicationEvents1Deactivate();
  pager->Timer1->Tick();
  pager->ImageFrame->MouseEnter();
  pager->Timer1->Tick();
  ASSERT_EQ(pager->AnimationStep, 0);
  // The system's move loop, as for a drag on an empty spot.
  pager->SetBounds(700, 60, 115, 400);
  std::intptr_t result = 0;
  for (unsigned message : {0x0003u /* WM_MOVE */, 0x0232u /* WM_EXITSIZEMOVE */})
    pager->HandleMessage(message, 0, 0, result);
  EXPECT_EQ(pager->FullBounds, (TRect{700, 60, 815, 460}));

  pager->ApplicationEvents1Deactivate();
  const auto steps = RunAnimation();
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back(), (TRect{784, 60, 815, 460})) << "the right edge stays where it was put";
}

TEST_F(PagerAnimationTest, EnteringMakesAFadedPagerOpaque) {
  Set("VirtualDesktopInactive", 2);
  Expand(0, 40, 115, 400);
  pager->ApplicationEvents1Deactivate();
  RunAnimation();
  ASSERT_TRUE(PagerWindow().ExStyle & win::WsExLayered);
  pager->ImageFrame->MouseEnter();
  EXPECT_FALSE(PagerWindow().ExStyle & win::WsExLayered);
  EXPECT_EQ(pager->Width(), 115);
}

TEST_F(PagerAnimationTest, NothingHappensWhenTheOptionSaysSoOrThePagerIsClosed) {
  Expand(0, 40, 115, 400);
  pager->ApplicationEvents1Deactivate();  // "VirtualDesktopInactive" 0
  EXPECT_FALSE(pager->Timer1->Enabled());
  EXPECT_EQ(pager->AnimationStep, -1);

  // Switched off while running: the steps do nothing and the timer is left on.
  Set("VirtualDesktopInactive", 1);
  pager->ApplicationEvents1Deactivate();
  Set("VirtualDesktopInactive", 0);
  pager->Timer1->Tick();
  EXPECT_EQ(pager->AnimationStep, 7);
  EXPECT_TRUE(pager->Timer1->Enabled());

  // A closed pager is left alone, so that it comes back at full size.
  pager->ImageFrameMouseEnter();
  pager->Timer1->SetEnabled(false);
  Set("VirtualDesktopInactive", 1);
  pager->Close();
  run.program->Application.OnDeactivate();
  EXPECT_EQ(pager->AnimationStep, -1);
  EXPECT_FALSE(pager->Timer1->Enabled());
}

TEST_F(PagerAnimationTest, AnotherProgramsWindowBecomingActiveStartsTheAnimation) {
  Set("VirtualDesktopInactive", 1);
  Set("VirtualDesktopMoveActiveFrame", 0);
  // One of the program's own windows in front: the program is still the active one.
  WindowHandle dialog = run.Dialog().Handle();
  run.desktop.Foreground = dialog;
  run.Send(win::WmApp + 1, 5, static_cast<std::intptr_t>(dialog));
  EXPECT_EQ(pager->AnimationStep, -1);
  EXPECT_FALSE(pager->Timer1->Enabled());

  WindowHandle w = Add(At(100, 100));
  run.desktop.Foreground = w;
  run.Send(win::WmApp + 1, 5, static_cast<std::intptr_t>(w));
  EXPECT_EQ(pager->AnimationStep, 7);
  EXPECT_TRUE(pager->Timer1->Enabled());
}

TEST_F(PagerAnimationTest, ResizingRecordsTheExpandedBoundsOnlyWhileExpanded) {
  Expand(10, 20, 115, 400);
  EXPECT_EQ(pager->FullBounds, (TRect{10, 20, 125, 420}));
  pager->AnimationStep = 3;
  run.desktop.Calls.clear();
  pager->SetBounds(10, 20, 60, 400);
  pager->FormResize();
  EXPECT_EQ(pager->FullBounds, (TRect{10, 20, 125, 420}));
  EXPECT_EQ(
      run.desktop.CallCount("SetWindowPos(" + std::to_string(PagerHandle()) + ",-1,0,0,0,0,19)"), 1)
      << "it only keeps the pager on top";
}

}  // namespace
}  // namespace pager_test
