// The options dialog changing the virtual screens under windows parked on them, and under
// a shrunk pager.
#include <algorithm>

#include "OptionDlgTestSupport.h"
#include "PagerTestSupport.h"

namespace pager_test {
namespace {

// A started program with one window on each of four frames, the last one current.
struct ParkedFrames {
  option_test::OptionsSession run{"[Option]\r\nVirtualDesktop=1\r\n"};
  TFormVirtualDesktop* pager = nullptr;
  std::vector<WindowHandle> windows;  // one on each of the four frames

  ParkedFrames() {
    run.Start();
    pager = &run.Pager();
    pager->SetClientSize(115, 213);
    for (int frame = 0; frame < 4; ++frame)
      windows.push_back(run.AddWindow("Foreign", "w", At(100, 100 + frame * H)));
    pager->RefreshWindowList();
    pager->SwitchToFrame(3);
  }
  TRect Rect(WindowHandle w) { return run.desktop.Windows.at(w).Rect; }
  HeadlessCanvas& Canvas() {
    return static_cast<HeadlessCanvas&>(*pager->ImageFrame->Canvas().Device());
  }
  void ChangeOptions(int strip, const char* count) {
    Canvas().Shapes.clear();
    run.OpenOptions([&](TOptionDlg& dlg) {
      dlg.RadioGroupVirtualDesktop->SetItemIndex(strip);
      dlg.LabeledEditVirtualDesktopCount->SetText(count);
      dlg.OKBtn->Click();
    });
  }
};

TEST(PagerOptionsTest, WindowsOfScreensThatNoLongerExistComeWithinReach) {
  struct Case {
    int strip;
    const char* count;
    int current;
    std::vector<TRect> expected;  // the windows of frames 0 to 3
  };
  const TRect home = At(100, 100);
  for (const Case& c : {
           // Fewer screens: the last one that exists takes those beyond it.
           Case{1, "2", 1, {At(100, 100 - H), home, home, home}},
           // Turned: the same frames along the other axis.
           Case{2, "4", 3, {At(100 - 3 * W, 100), At(100 - 2 * W, 100), At(100 - W, 100), home}},
           Case{0, "4", 3, {home, home, home, home}},
       }) {
    SCOPED_TRACE(c.strip);
    ParkedFrames fresh;
    fresh.ChangeOptions(c.strip, c.count);
    EXPECT_EQ(fresh.pager->CurrentFrame, c.current);
    for (int frame = 0; frame < 4; ++frame)
      EXPECT_EQ(fresh.Rect(fresh.windows[frame]), c.expected[frame]) << "frame " << frame;
    if (c.strip != 0) {
      // Redrawn: the current cell is the white one.
      const auto filled = FilledRectangles(fresh.Canvas());
      EXPECT_NE(std::find(filled.begin(), filled.end(),
                          Filled{fresh.pager->FrameCells.at(c.current), clWhite}),
                filled.end());
    }
  }
}

TEST(PagerOptionsTest, TurningTheStripWhileThePagerIsShrunkBringsItBackWhole) {
  ParkedFrames session;
  auto& run = session.run;
  TFormVirtualDesktop* pager = session.pager;
  run.program->OptionSettings["VirtualDesktopInactive"].SetIntValue(1);
  pager->SetBounds(0, 40, 115, 400);
  pager->FormResize();
  pager->ApplicationEvents1Deactivate();
  while (pager->Timer1->Enabled()) pager->Timer1->Tick();
  ASSERT_EQ(pager->Width(), 31);

  session.ChangeOptions(2, "4");
  pager->ImageFrame->MouseEnter();
  pager->ImageFrame->MouseLeave();  // records the bounds it has as the expanded ones
  EXPECT_EQ(pager->FullBounds, (TRect{0, 40, 115, 440}));
  EXPECT_EQ(pager->Width(), 115);
  EXPECT_EQ(pager->Height(), 400);
}

}  // namespace
}  // namespace pager_test
