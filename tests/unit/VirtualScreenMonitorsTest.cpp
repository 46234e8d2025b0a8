// Virtual screens over several monitors, display changes and the coordinate limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "OptionDlgTestSupport.h"
#include "RunningProgram.h"
#include "SettingsTestSupport.h"
#include "desktop/FrameGeometry.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace {

TRect At(int left, int top, int width = 300, int height = 200) {
  return {left, top, left + width, top + height};
}

bool Overlaps(TRect a, TRect b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TMonitor Monitor(TRect bounds) {
  return {bounds, {bounds.Left, bounds.Top, bounds.Right, bounds.Bottom - 40}};
}

TEST(FrameGeometry, LargestFrameCountKeepsEveryFrameWithinTheLimitAndNoMore) {
  struct Row {
    int strip;
    TRect screen;
  };
  const Row rows[] = {
      {StripHorizontal, {0, 0, 3840, 2160}},      // ten would pass the limit
      {StripHorizontal, {-1920, 0, 3840, 1080}},  // three monitors, one left of the primary
      {StripVertical, {0, -1200, 1920, 1080}},    // one above
      {StripVertical, {0, 0, 1024, 768}},         // the screen as before: far more than ten
      {StripHorizontal, {-31000, 0, 1000, 768}},  // no room for a second frame
  };
  for (const Row& row : rows) {
    const int n = LargestFrameCount(row.strip, row.screen);
    const bool across = row.strip == StripHorizontal;
    const long long size = across ? row.screen.Width() : row.screen.Height();
    const long long low = across ? row.screen.Left : row.screen.Top;
    const long long high = across ? row.screen.Right : row.screen.Bottom;
    SCOPED_TRACE(n);
    EXPECT_GE(n, 1);
    // With the first frame current the last one's far edge, with the last one current the
    // first one's: both within the limit for n, one of them beyond it for n + 1.
    const auto fits = [&](long long frames) {
      return high + (frames - 1) * size <= kCoordinateLimit &&
             low - (frames - 1) * size >= -kCoordinateLimit;
    };
    if (n > 1) {
      EXPECT_TRUE(fits(n));
    }
    EXPECT_FALSE(fits(n + 1));
  }
  EXPECT_EQ(LargestFrameCount(StripHorizontal, {0, 0, 3840, 2160}), 8);
  EXPECT_GE(LargestFrameCount(StripNone, {0, 0, 3840, 2160}), kMostFrames);
}

TEST(FrameGeometry, AScreenWithItsCornerElsewhereCountsFromThatCorner) {
  const TRect screen{-1280, -200, 1920, 1080};  // 3200 x 1280
  EXPECT_EQ(FramesAway(At(-1280, 1080), StripVertical, screen), 1);
  EXPECT_EQ(FramesAway(At(-1400, 100), StripHorizontal, screen), 0) << "centre on the screen";
  EXPECT_EQ(FramesAway(At(-1800, 100), StripHorizontal, screen), -1);
  EXPECT_EQ(FrameOfRestoreRect(At(-1285, 100), StripHorizontal, screen, 2), 1);
  EXPECT_EQ(FrameOfRestoreRect(At(100, -1480), StripVertical, screen, 2), 0);
  EXPECT_EQ(PulledIntoScreen(At(-1280 - 3200 + 50, 90), screen, AxisX), At(-1230, 90));
  EXPECT_EQ(PulledIntoScreen(At(10, 900 + 1280), screen, AxisY), At(10, 900));
  EXPECT_EQ(NearestScreenPosition({-1284, -204 + 1280, 1924, 1084 + 1280}, screen, AxisY),
            (TRect{-1284, -204, 1924, 1084}));
  EXPECT_EQ(MonitorsUnion({Monitor({0, 0, 1920, 1080}), Monitor({-1280, -200, 0, 824})}), screen);
}

// A program started on the given monitors, with virtual screens in `strip` and `count`.
struct Started : RunningProgram {
  Started(std::vector<TMonitor> monitors, int strip, int count, const std::string& settings = "")
      : RunningProgram(settings) {
    desktop.SetMonitors(std::move(monitors));
    Start();
    program->OptionSettings["VirtualDesktop"].SetIntValue(strip);
    program->OptionSettings["VirtualDesktopCount"].SetIntValue(count);
  }
  TRect Screen() { return Pager().ScreenRect; }
  TRect& Rect(WindowHandle w) { return desktop.Windows.at(w).Rect; }
  // Every window lies wholly outside the monitors except those expected on them.
  void ExpectOnlyShown(const std::vector<WindowHandle>& windows,
                       const std::vector<WindowHandle>& shown) {
    for (WindowHandle w : windows) {
      const bool expected = std::find(shown.begin(), shown.end(), w) != shown.end();
      // A maximized window reaches past its monitor by its (invisible) border.
      TRect seen = Rect(w);
      if (desktop.Windows.at(w).Style & win::WsMaximize)
        seen = {seen.Left + 4, seen.Top + 4, seen.Right - 4, seen.Bottom - 4};
      bool onAny = false;
      for (const TMonitor& m : desktop.Monitors) onAny = onAny || Overlaps(seen, m.Bounds);
      EXPECT_EQ(onAny, expected) << "window " << w << " at " << seen.Left << "," << seen.Top;
      EXPECT_FALSE(!expected && Overlaps(seen, Screen())) << "beside a monitor: " << w;
    }
  }
};

TEST(SeveralMonitors, WindowsParkOffEveryMonitorAndComeBackToTheirPlaceInEveryArrangement) {
  struct Arrangement {
    const char* name;
    std::vector<TMonitor> monitors;
    TRect onSecond;  // a place on a monitor other than the primary
  };
  const Arrangement arrangements[] = {
      {"left, smaller, lower",
       {Monitor({0, 0, 1920, 1080}), Monitor({-1280, 100, 0, 1124})},
       At(-1200, 300)},
      {"above", {Monitor({0, 0, 1920, 1080}), Monitor({0, -1024, 1280, 0})}, At(50, -900)},
      {"three, one standing",
       {Monitor({-1024, 0, 0, 768}), Monitor({0, 0, 1920, 1080}),
        Monitor({1920, -200, 3120, 1720})},
       At(2000, 1400)},
  };
  for (const Arrangement& a : arrangements) {
    for (int strip : {StripVertical, StripHorizontal}) {
      SCOPED_TRACE(std::string(a.name) + (strip == StripVertical ? " column" : " row"));
      Started run(a.monitors, strip, 4);
      run.program->OptionSettings["VirtualDesktopMoveActiveFrame"].SetIntValue(1);
      TFormVirtualDesktop& pager = run.Pager();
      const TRect screen = MonitorsUnion(a.monitors);
      ASSERT_EQ(run.Screen(), screen);
      // On every frame one window on the primary monitor and one on another.
      std::vector<WindowHandle> windows;
      std::vector<TRect> places;
      for (int frame = 0; frame < 4; ++frame) {
        for (TRect place : {At(100 + 10 * frame, 200), a.onSecond}) {
          const WindowHandle w = run.AddWindow("Foreign", "w", At(0, 0));
          pager.MoveWindowToFrame(w, place, frame);
          windows.push_back(w);
          places.push_back(place);
        }
      }
      // Maximized on the other monitor while on the screen.
      const WindowHandle maximized = run.AddWindow("Foreign", "max", a.onSecond);
      run.desktop.ShowWindow(maximized, win::SwShowMaximized);
      const TRect maximizedRect = run.Rect(maximized);
      // Maximized on the other monitor, overlapping the primary by its border at most.
      ASSERT_FALSE(Overlaps(maximizedRect, {4, 4, 1916, 1076}));
      windows.push_back(maximized);

      for (int frame : {1, 3, 2, 0}) {
        pager.RefreshAndSwitchToFrame(frame);
        std::vector<WindowHandle> shown{windows[2 * frame], windows[2 * frame + 1]};
        if (frame == 0) shown.push_back(maximized);
        run.ExpectOnlyShown(windows, shown);
        EXPECT_EQ(run.Rect(windows[2 * frame]), places[2 * frame]);
        EXPECT_EQ(run.Rect(windows[2 * frame + 1]), places[2 * frame + 1]);
      }
      EXPECT_EQ(run.Rect(maximized), maximizedRect) << "back on its own monitor";

      // Following an activation takes the frame of the window on the other monitor.
      pager.NotifyActivation(3, windows[5], true);
      EXPECT_EQ(pager.CurrentFrame, 2);
      // The exit brings every window to its place on the monitors.
      pager.RestoreAllWindows();
      for (size_t i = 0; i < places.size(); ++i) EXPECT_EQ(run.Rect(windows[i]), places[i]);
    }
  }
}

TEST(DisplayChange, ParkedWindowsFollowTheNewScreenBothWaysAndTheCurrentOnesStay) {
  // One 1024 x 768 monitor, a column of four, frame 1 on the screen.
  Started run({Monitor({0, 0, 1024, 768})}, StripVertical, 4);
  TFormVirtualDesktop& pager = run.Pager();
  pager.StartAtFrame(1);
  std::vector<WindowHandle> windows;
  for (int frame = 0; frame < 4; ++frame) {
    const WindowHandle w = run.AddWindow("Foreign", "w", At(0, 0));
    pager.MoveWindowToFrame(w, frame == 1 ? At(100, 100) : At(700, 500 + frame), frame);
    windows.push_back(w);
  }
  // Larger than the later screen.
  const WindowHandle wide = run.AddWindow("Foreign", "wide", At(0, 0));
  pager.MoveWindowToFrame(wide, At(10, 20, 1000, 700), 3);
  const TRect current = run.Rect(windows[1]);

  // Bigger: a second monitor right of the primary.
  run.desktop.SetMonitors({Monitor({0, 0, 1920, 1080}), Monitor({1920, 0, 3200, 1024})});
  run.Send(win::WmDisplayChange, 32, 0);
  EXPECT_EQ(pager.ScreenSize, (TSize{3200, 1080}));
  EXPECT_EQ(run.Rect(windows[1]), current) << "the current frame's windows stay";
  EXPECT_EQ(run.Rect(windows[0]), At(700, 500 - 1080));
  EXPECT_EQ(run.Rect(windows[2]), At(700, 502 + 1080));
  EXPECT_EQ(run.Rect(windows[3]), At(700, 503 + 2160));
  EXPECT_EQ(run.Rect(wide), At(10, 20 + 2160, 1000, 700));
  run.ExpectOnlyShown(windows, {windows[1]});

  // Smaller: the second monitor removed, the primary at 800 x 600. Kept within their frame.
  run.desktop.SetMonitors({Monitor({0, 0, 800, 600})});
  run.Send(win::WmDisplayChange, 32, 0);
  EXPECT_EQ(run.Rect(windows[1]), current);
  EXPECT_EQ(run.Rect(windows[0]), At(500, 400 - 600));
  EXPECT_EQ(run.Rect(windows[3]), At(500, 400 + 1200));
  EXPECT_EQ(run.Rect(wide), At(0, 1200, 800, 600)) << "shrunk to its frame";
  run.ExpectOnlyShown(windows, {windows[1]});
  for (int frame : {0, 2, 3}) {
    pager.RefreshAndSwitchToFrame(frame);
    run.ExpectOnlyShown(windows, {windows[frame]});
  }
  // Exit after the change: everything on the monitor that is there now.
  pager.RestoreAllWindows();
  for (WindowHandle w : windows) EXPECT_TRUE(Overlaps(run.Rect(w), {0, 0, 800, 600}));
  EXPECT_EQ(run.Rect(windows[1]), current);
}

TEST(DisplayChange, AMonitorRemovedLowersTheCountAndGathersTheLostFramesOntoTheLast) {
  // A row of ten on one 1920 monitor; a second one left of it makes the screen 3840
  // wide, where eight frames fit.
  Started run({Monitor({0, 0, 1920, 1080})}, StripHorizontal, 10);
  TFormVirtualDesktop& pager = run.Pager();
  pager.StartAtFrame(2);
  run.desktop.SetMonitors({Monitor({0, 0, 1920, 1080}), Monitor({-1920, 0, 0, 1080})});
  run.Send(win::WmDisplayChange, 32, 0);
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopCount"].IntValue(), 8);

  // On every frame a window on the left monitor, but on the current one on the primary.
  std::vector<WindowHandle> windows;
  for (int frame = 0; frame < 8; ++frame) {
    const WindowHandle w = run.AddWindow("Foreign", "w", At(0, 0));
    pager.MoveWindowToFrame(w, frame == 2 ? At(500, 100) : At(-1800 + frame, 100), frame);
    windows.push_back(w);
  }
  for (WindowHandle w : windows) {
    EXPECT_GE(run.Rect(w).Left, -kCoordinateLimit);
    EXPECT_LE(run.Rect(w).Right, kCoordinateLimit);
  }

  // On the current frame on the left monitor, which the system has not seen to.
  const WindowHandle stranded = run.AddWindow("Foreign", "w", At(-1500, 100));

  // The left monitor goes: each window keeps its frame and its place within it.
  run.desktop.SetMonitors({Monitor({0, 0, 1920, 1080})});
  run.Send(win::WmDisplayChange, 32, 0);
  EXPECT_EQ(run.Rect(windows[2]), At(500, 100));
  EXPECT_EQ(run.Rect(stranded), At(0, 100)) << "brought onto the primary monitor";
  for (int frame : {0, 1, 3, 7})
    EXPECT_EQ(run.Rect(windows[frame]), At(120 + frame + (frame - 2) * 1920, 100)) << frame;
  for (int frame : {7, 0, 5}) {
    pager.RefreshAndSwitchToFrame(frame);
    run.ExpectOnlyShown(windows, {windows[frame]});
  }

  // Two 3840 monitors with frame 5 current: four frames fit. Frames 4 to 7 gather onto
  // the last one, frame 3, which becomes the current one; frames 0 to 2 stay parked.
  run.desktop.SetMonitors({Monitor({0, 0, 3840, 2160}), Monitor({3840, 0, 7680, 2160})});
  run.Send(win::WmDisplayChange, 32, 0);
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopCount"].IntValue(), 4);
  EXPECT_EQ(pager.CurrentFrame, 3);
  run.ExpectOnlyShown(windows, {windows[3], windows[4], windows[5], windows[6], windows[7]});
  EXPECT_EQ(run.Rect(windows[0]), At(120 - 3 * 7680, 100));
  EXPECT_EQ(run.Rect(windows[6]), At(126, 100));
  // A maximized window's detour stays within the limit too, as does every move made.
  const WindowHandle maximized = run.AddWindow("Foreign", "max", At(4000, 100));
  run.desktop.ShowWindow(maximized, win::SwShowMaximized);
  pager.RefreshAndSwitchToFrame(0);
  for (const std::string& call : run.desktop.Calls) {
    int handle = 0, x = 0, y = 0, width = 0, height = 0;
    if (std::sscanf(call.c_str(), "MoveWindow(%d,%d,%d,%d,%d", &handle, &x, &y, &width, &height) !=
        5)
      continue;
    EXPECT_GE(x, -kCoordinateLimit) << call;
    EXPECT_LE(x + width, kCoordinateLimit) << call;
  }
  EXPECT_GT(run.desktop.CallCount("MoveWindow(" + std::to_string(maximized)), 1);

  // Exit: everything on the monitors.
  pager.RestoreAllWindows();
  run.ExpectOnlyShown(windows, windows);
}

TEST(CoordinateLimit, TooManyFramesAreRefusedInTheDialogAndLoweredAtLoad) {
  option_test::OptionsSession run(
      "[Option]\r\nVirtualDesktop=2\r\n[VirtualDesktop]\r\nCount=10\r\n");
  run.desktop.SetMonitors({Monitor({0, 0, 3840, 2160})});
  run.Start();
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopCount"].IntValue(), 8) << "at load";
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.LabeledEditVirtualDesktopCount->SetText("9");
    dlg.OKBtn->Click();
    ASSERT_EQ(run.backend.Boxes.size(), 1u);
    EXPECT_EQ(run.backend.Boxes[0].Text, settings_test::expected::CountTooLarge8);
    EXPECT_EQ(dlg.ModalResult(), mrNone);
    // A column over the same monitor holds nine.
    dlg.RadioGroupVirtualDesktop->Select(1);
    dlg.OKBtn->Click();
    EXPECT_EQ(dlg.ModalResult(), mrOk);
  });
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopCount"].IntValue(), 9);
}

// The recorded shapes within the client area painted as Windows would (a rectangle's pen on its
// edge, the brush inside it, a line without its last pixel), into a PPM picture.
void WritePicture(const HeadlessCanvas& canvas, TSize client, const char* path) {
  const int w = client.Width, h = client.Height;
  std::vector<TColor> pixels(static_cast<size_t>(w) * h, clWhite);
  auto put = [&](int x, int y, TColor c) {
    if (x >= 0 && y >= 0 && x < w && y < h) pixels[static_cast<size_t>(y) * w + x] = c;
  };
  for (const TDrawnShape& s : canvas.Shapes) {
    const TRect& r = s.Rect;
    if (s.Shape == TDrawnShape::Kind::Line) {
      for (int x = r.Left; x <= r.Right && r.Top == r.Bottom; ++x)
        if (x < r.Right) put(x, r.Top, s.Pen.Color);
      for (int y = r.Top; y < r.Bottom && r.Left == r.Right; ++y) put(r.Left, y, s.Pen.Color);
      continue;
    }
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const bool edge = x == r.Left || y == r.Top || x == r.Right - 1 || y == r.Bottom - 1;
        if (edge && s.Pen.Style == TPenStyle::Solid)
          put(x, y, s.Pen.Color);
        else if (!edge && s.Brush.Style == TBrushStyle::Solid)
          put(x, y, s.Brush.Color);
      }
  }
  FILE* file = std::fopen(path, "wb");
  if (!file) return;
  std::fprintf(file, "P6\n%d %d\n255\n", w, h);
  for (TColor c : pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(c & 0xFF),
                                  static_cast<unsigned char>((c >> 8) & 0xFF),
                                  static_cast<unsigned char>((c >> 16) & 0xFF)};
    std::fwrite(rgb, 1, 3, file);
  }
  std::fclose(file);
}

TEST(SeveralMonitors, ThePagerOutlinesEveryMonitorInEveryCellAndPlacesWindowsOnThem) {
  // A larger monitor left of the primary: the screen is 2304 x 1024 from (-1280, 0).
  RunningProgram run("[VirtualDesktop]\r\nCount=3\r\n");
  run.desktop.SetMonitors({Monitor({0, 0, 1024, 768}), Monitor({-1280, 0, 0, 1024})});
  run.Start();
  TFormVirtualDesktop& pager = run.Pager();
  pager.SetClientSize(144, 192);  // cells of 144 x 64: 16 pixels to 256 of the screen
  run.AddWindow("Foreign", "w", At(-1280, 0, 512, 256));
  const WindowHandle parked = run.AddWindow("Foreign", "w", At(0, 0, 256, 256));
  pager.MoveWindowToFrame(parked, At(512, 512, 256, 256), 2);
  pager.RefreshWindowList();
  auto& canvas = static_cast<HeadlessCanvas&>(*pager.ImageFrame->Canvas().Device());
  canvas.Shapes.clear();
  pager.DrawPager();

  std::vector<TRect> outlines;
  for (const TDrawnShape& shape : canvas.Shapes)
    if (shape.Pen.Color == 0x800000) outlines.push_back(shape.Rect);
  // An edge on a screen's far side maps one pixel on, as a window's always has.
  const std::vector<TRect> expected = {
      {80, 0, 145, 48},    {0, 0, 80, 65},     // frame 0: the primary, then the left one
      {80, 64, 145, 112},  {0, 64, 80, 129},   // frame 1
      {80, 128, 145, 176}, {0, 128, 80, 193},  // frame 2
  };
  EXPECT_EQ(outlines, expected);
  std::vector<TRect> filled;  // the windows: filled, outlined in black
  for (const TDrawnShape& shape : canvas.Shapes)
    if (shape.Pen.Color == clBlack && shape.Brush.Style == TBrushStyle::Solid)
      filled.push_back(shape.Rect);
  EXPECT_NE(std::find(filled.begin(), filled.end(), TRect{0, 0, 32, 16}), filled.end())
      << "the window on the left monitor at the cell's left edge";
  EXPECT_NE(std::find(filled.begin(), filled.end(), TRect{112, 160, 128, 176}), filled.end())
      << "the window parked on frame 2, on the primary monitor there";
  if (const char* path = std::getenv("TW_PAGER_PICTURE")) WritePicture(canvas, {144, 192}, path);
}

}  // namespace
