// Forms at other DPIs: the arithmetic the win32 backend places every control with, a
// form moved to a monitor of another DPI, and the pager's stored size and its lines.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "RunningProgram.h"
#include "commands/CommandDlg.h"
#include "settings/PagerPlacement.h"
#include "toolkit/Scaling.h"
#include "toolkit/headless/HeadlessCanvas.h"
#include "watching/WatchingDlg.h"

namespace {

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

void ForEachControl(TControl& parent, const std::function<void(TControl&)>& visit) {
  for (TControl* child : parent.Children()) {
    visit(*child);
    ForEachControl(*child, visit);
  }
}

}  // namespace

TEST(ScalingTest, ValuesRoundToTheNearestPixelAndReadBackWhole) {
  struct Case {
    int value, dpi, pixels;
  };
  for (const auto& [value, dpi, pixels] : {Case{12, 96, 12},
                                           {12, 120, 15},
                                           {12, 144, 18},
                                           {75, 144, 113},
                                           {1, 120, 1},
                                           {1, 144, 2},
                                           {362, 192, 724},
                                           {-7, 144, -11}})
    EXPECT_EQ(ScaleValue(value, dpi), pixels) << value << " at " << dpi;
  // A window's size read back gives the layout's units again: a form never drifts.
  for (int dpi : {96, 120, 144, 168, 192, 288})
    for (int value = 0; value <= 1200; ++value)
      ASSERT_EQ(UnscaleValue(ScaleValue(value, dpi), dpi), value) << value << " at " << dpi;
}

// Every dialog made at the screen's DPI: at 96 each control stands exactly where it stood
// before; at any DPI, controls apart stay apart and each stays within its parent.
TEST(ScalingTest, DialogsScaleByEdgesWithoutNewOverlapsAndStayExactAt96) {
  for (int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    RunningProgram run;
    run.backend.Dpi = dpi;
    Program& program = run.Start();
    TOptionDlg& options = *program.OptionDlg;
    EXPECT_EQ(LayoutPixelsPerInch(options), dpi);
    const TRect ok = ScaledBoundsOnForm(*options.OKBtn, dpi);
    const TRect cancel = ScaledBoundsOnForm(*options.CancelBtn, dpi);
    if (dpi == 96) {
      EXPECT_EQ(ok, (TRect{196, 232, 271, 257}));
      EXPECT_EQ(cancel, (TRect{279, 232, 354, 257}));
    } else if (dpi == 144) {
      EXPECT_EQ(ok, (TRect{294, 348, 407, 386}));
      EXPECT_EQ(cancel, (TRect{419, 348, 531, 386}));
    }
    TForm* forms[] = {&options, program.CommandDlg.get(), program.WatchingDlg.get(),
                      program.AboutBox.get()};
    for (TForm* form : forms) {
      ASSERT_EQ(form->PixelsPerInch(), dpi);
      ForEachControl(*form, [&](TControl& control) {
        const TRect at96 = ScaledBoundsOnForm(control, 96);
        const TRect scaled = ScaledBoundsOnForm(control, dpi);
        TControl* parent = control.Parent();
        if (parent != form && Inside(at96, ScaledBoundsOnForm(*parent, 96))) {
          EXPECT_TRUE(Inside(scaled, ScaledBoundsOnForm(*parent, dpi))) << control.Name();
        }
        for (TControl* sibling : parent->Children()) {
          if (sibling == &control || Overlap(at96, ScaledBoundsOnForm(*sibling, 96))) continue;
          EXPECT_FALSE(Overlap(scaled, ScaledBoundsOnForm(*sibling, dpi)))
              << control.Name() << " and " << sibling->Name();
        }
      });
    }
  }
}

// WM_DPICHANGED: a dialog keeps its layout and takes the suggested corner; the pager, sized
// in pixels, takes the suggested rectangle and still stores its size in 96-DPI pixels.
TEST(ScalingTest, AMoveToAnotherDpiRescalesDialogsAndGivesThePagerTheSuggestedRectangle) {
  RunningProgram run("[VirtualDesktop]\r\nLeft=10\r\nTop=20\r\nWidth=100\r\nHeight=200\r\n");
  Program& program = run.Start();
  TOptionDlg& options = *program.OptionDlg;
  options.Handle();
  const int width = options.Width(), clientWidth = options.ClientWidth();
  options.ChangeScale(144, {500, 300, 1100, 750});
  EXPECT_EQ(options.PixelsPerInch(), 144);
  EXPECT_EQ(options.Left(), 500);
  EXPECT_EQ(options.Top(), 300);
  EXPECT_EQ(options.Width(), width);
  EXPECT_EQ(options.ClientWidth(), clientWidth);
  EXPECT_EQ(ScaledBoundsOnForm(*options.OKBtn, LayoutPixelsPerInch(options)),
            (TRect{294, 348, 407, 386}));

  TFormVirtualDesktop& pager = run.Pager();
  auto bounds = [&] {
    return TRect{pager.Left(), pager.Top(), pager.Left() + pager.Width(),
                 pager.Top() + pager.Height()};
  };
  EXPECT_EQ(bounds(), (TRect{10, 20, 110, 220}));
  pager.ChangeScale(144, {10, 20, 160, 320});
  EXPECT_EQ(pager.PixelsPerInch(), 144);
  EXPECT_EQ(LayoutPixelsPerInch(pager), 96);  // its sizes are pixels already
  EXPECT_EQ(bounds(), (TRect{10, 20, 160, 320}));
  ASSERT_TRUE(pager.SavePlacement());
  CPagerPlacement saved;
  LoadPagerPlacement(run.dir.File("tarnwick.ini"), saved);
  EXPECT_EQ(saved.Width, 100);
  EXPECT_EQ(saved.Height, 200);
}

// The pager at the screen's DPI: the file's size (or the default) in 96-DPI pixels, its
// lines one 96-DPI pixel wide.
TEST(ScalingTest, PagerSizeAndLinesFollowTheDpiWhileTheFileKeeps96DpiPixels) {
  struct Case {
    const char* settings;
    int dpi;
    TSize size;
    int line;
  };
  const char* stored = "[VirtualDesktop]\r\nWidth=100\r\nHeight=200\r\n";
  for (const auto& [settings, dpi, size, line] : {Case{"", 96, {80, 160}, 1},
                                                  {"", 144, {120, 240}, 2},
                                                  {stored, 96, {100, 200}, 1},
                                                  {stored, 144, {150, 300}, 2},
                                                  {stored, 192, {200, 400}, 2}}) {
    SCOPED_TRACE(dpi);
    RunningProgram run(settings);
    run.backend.Dpi = dpi;
    Program& program = run.Start();
    TFormVirtualDesktop& pager = *program.FormVirtualDesktop;
    EXPECT_EQ(pager.Width(), size.Width);
    EXPECT_EQ(pager.Height(), size.Height);
    pager.DrawPager();
    const auto& shapes = static_cast<HeadlessCanvas&>(*pager.ImageFrame->Canvas().Device()).Shapes;
    ASSERT_FALSE(shapes.empty());
    for (const TDrawnShape& shape : shapes) EXPECT_EQ(shape.Pen.Width, line);
    ASSERT_TRUE(pager.SavePlacement());
    CPagerPlacement saved;
    LoadPagerPlacement(run.dir.File("tarnwick.ini"), saved);
    EXPECT_EQ(saved.Width, *settings ? 100 : 80);
    EXPECT_EQ(saved.Height, *settings ? 200 : 160);
  }
}
