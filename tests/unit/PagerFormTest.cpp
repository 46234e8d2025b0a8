// The pager as a window: its creation and placement, what showing it does, and its share
// of the application's deactivation.
#include <optional>

#include "PagerTestSupport.h"
#include "settings/PagerPlacement.h"

namespace pager_test {
namespace {

using PagerFormTest = PagerTest;

TRect BoundsOf(const TForm& form) {
  return {form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()};
}

TEST(PagerPlacementTest, StartsAtTheDefaultsOrWhereTheFileSays) {
  RunningProgram fresh;
  fresh.Start();
  EXPECT_EQ(BoundsOf(fresh.Pager()), (TRect{0, 0, 80, 160}));
  EXPECT_EQ(fresh.Pager().FullBounds, (TRect{0, 0, 80, 160}));
  const TFormVirtualDesktop& shown = fresh.Pager();
  EXPECT_EQ(shown.ImageFrame->BitmapSize(), (TSize{shown.ClientWidth(), shown.ClientHeight()}))
      << "what the pager shows, not the screen";
  EXPECT_FALSE(fresh.dir.Exists("tarnwick.ini")) << "reading writes nothing";

  RunningProgram placed("[VirtualDesktop]\r\nLeft=900\r\nTop=40\r\nHeight=400\r\n");
  placed.Start();
  EXPECT_EQ(BoundsOf(placed.Pager()), (TRect{900, 40, 980, 440})) << "the width as designed";
  EXPECT_EQ(placed.Pager().FullBounds, (TRect{900, 40, 980, 440}));
}

TEST(PagerBitmapTest, FollowsTheClientAreaOnceShownAndIsNotMadeWithoutThePager) {
  RunningProgram off("[Option]\r\nVirtualDesktop=0\r\n");
  off.Start();
  EXPECT_EQ(off.Pager().ImageFrame->BitmapSize(), (TSize{0, 0})) << "no pager, no bitmap";

  RunningProgram run;
  run.Start();
  TFormVirtualDesktop& pager = run.Pager();
  auto resize = [&](TSize size) {
    pager.SetClientSize(size.Width, size.Height);
    std::intptr_t result = 0;
    pager.HandleMessage(0x0005 /* WM_SIZE */, 0, 0, result);
  };
  // The user's sizing and the animation's steps: each size that reaches the pager.
  for (const TSize size : {TSize{115, 213}, TSize{300, 600}, TSize{30, 600}, TSize{115, 213}}) {
    resize(size);
    EXPECT_EQ(pager.ImageFrame->BitmapSize(), size);
  }
  // Closed, it keeps what it has; shown again, it takes the size it has then.
  pager.Close();
  resize({90, 100});
  EXPECT_EQ(pager.ImageFrame->BitmapSize(), (TSize{115, 213}));
  pager.Show();
  EXPECT_EQ(pager.ImageFrame->BitmapSize(), (TSize{90, 100}));
}

TEST(PagerPlacementTest, APagerOffEveryMonitorIsBroughtOntoThemAtStart) {
  struct Case {
    const char* placement;
    std::optional<TRect> monitors;
    TRect expected;
  };
  const TRect twoMonitors{-1280, 0, 1024, 768};
  for (const Case& c : {
           Case{"Left=5000\r\nTop=-900", {}, {944, 0, 1024, 160}},
           Case{"Left=-300\r\nTop=2000", {}, {0, 608, 80, 768}},
           Case{"Left=-1400\r\nTop=100", twoMonitors, {-1280, 100, -1200, 260}},
           Case{"Left=-1000\r\nTop=100", twoMonitors, {-1000, 100, -920, 260}},
           Case{"Left=1000\r\nTop=700", {}, {1000, 700, 1080, 860}},  // partly on: reachable
       }) {
    SCOPED_TRACE(c.placement);
    RunningProgram run(std::string("[VirtualDesktop]\r\n") + c.placement + "\r\n");
    run.desktop.VirtualScreen = c.monitors;
    run.Start();
    EXPECT_EQ(BoundsOf(run.Pager()), c.expected);
    EXPECT_EQ(run.Pager().FullBounds, c.expected);
  }
}

TEST(PagerPlacementTest, SavesTheBoundsAsTheyAreAndTheNextStartUsesThem) {
  RunningProgram first;
  first.Start();
  TFormVirtualDesktop& pager = first.Pager();
  pager.SetBounds(850, 30, 31, 400);  // shrunk at the moment of saving
  ASSERT_TRUE(pager.SavePlacement());
  CPagerPlacement read{};
  LoadPagerPlacement(first.dir.File("tarnwick.ini"), read);
  EXPECT_EQ(read.Left, 850);
  EXPECT_EQ(read.Top, 30);
  EXPECT_EQ(read.Width, 31);
  EXPECT_EQ(read.Height, 400);

  RunningProgram second(first.dir.Read("tarnwick.ini"));
  second.Start();
  EXPECT_EQ(BoundsOf(second.Pager()), (TRect{850, 30, 881, 430}));
}

TEST_F(PagerFormTest, ShowingMakesItOpaqueInFrontOnTopAndListsTheOtherWindows) {
  WindowHandle w = Add(At(100, 100));
  pager->Close();
  PagerWindow().ExStyle |= win::WsExLayered;
  run.desktop.Foreground = w;
  run.desktop.ForegroundLockTimeout = 0;
  run.desktop.Calls.clear();
  Canvas().Shapes.clear();

  pager->Show();
  const std::string h = std::to_string(PagerHandle());
  EXPECT_FALSE(PagerWindow().ExStyle & win::WsExLayered);
  EXPECT_EQ(run.desktop.CallCount("SetLayeredWindowAttributes(" + h + ",0,0,0)"), 1);
  EXPECT_EQ(run.desktop.Foreground, PagerHandle());
  EXPECT_EQ(run.desktop.CallCount("SetWindowPos(" + h + ",-1,0,0,0,0,3)"), 1);
  EXPECT_TRUE(PagerWindow().ExStyle & win::WsExTopMost);
  ASSERT_FALSE(pager->WindowList.empty());
  for (const CWindow& listed : pager->WindowList) EXPECT_NE(listed.Handle, PagerHandle());
  EXPECT_FALSE(Canvas().Shapes.empty());
  EXPECT_EQ(pager->ImageFrame->Width(), 115) << "the image fills the client area";
  EXPECT_EQ(pager->ImageFrame->Height(), 213);
}

TEST(PagerDeactivateTest, TheApplicationsHandlerRunsTooAndComesBackWithThePager) {
  TempDir dir;
  SimDesktop desktop;
  desktop.ExecutablePath = dir.File("tarnwick.exe");
  HeadlessBackend backend;
  Program program(desktop, backend);
  int before = 0;
  program.Application.OnDeactivate = [&] { ++before; };
  program.CreateForms();
  program.OptionSettings.Initialize();
  program.OptionSettings["VirtualDesktopInactive"].SetIntValue(1);

  program.Application.OnDeactivate();
  EXPECT_EQ(before, 1);
  EXPECT_TRUE(program.FormVirtualDesktop->Timer1->Enabled());

  program.FormVirtualDesktop.reset();
  program.OptionSettings.FormVirtualDesktop = nullptr;
  program.Application.OnDeactivate();
  EXPECT_EQ(before, 2);
}

}  // namespace
}  // namespace pager_test
