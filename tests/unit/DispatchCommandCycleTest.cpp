#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RunningProgram.h"
#include "general/EnumerateWindows.h"
#include "shell/ActivationRecord.h"

namespace {

constexpr unsigned kHotKey = win::WmHotKey;
constexpr unsigned kNotice = 0x8001;

std::string CommandSettings(int virtualScreens, const std::string& pattern) {
  return "[Option]\r\nVirtualDesktop=" + std::to_string(virtualScreens) +
         "\r\n[Command]\r\nCount=1\r\nName0=\"c\"\r\nWindowTitle0=\"" + pattern + "\"\r\n";
}

TEST(CommandCycle, PressesGoByTheRecordOfActivationsAndCountAWindowOnceAcrossLines) {
  RunningProgram run(CommandSettings(0, "@Notepad\\nmemo"));
  run.desktop.ForegroundLockTimeout = 0;
  run.Start();
  // x matches both lines, y the second only, z the first only; three processes.
  WindowHandle x = run.AddWindow("Notepad", "memo x", {0, 0, 100, 100}, 2);
  WindowHandle y = run.AddWindow("Other", "memo y", {10, 10, 100, 100}, 3);
  WindowHandle z = run.AddWindow("Notepad", "z", {20, 20, 100, 100}, 4);
  // Under Wine an activated window of another process stays where it was in the Z order.
  const std::vector<WindowHandle> zOrder = run.desktop.ZOrder;
  // The person uses x, y, z in turn; the hook reports each activation, virtual screens off.
  for (WindowHandle w : {x, y, z}) {
    run.desktop.SetForegroundWindow(w);
    run.desktop.ZOrder = zOrder;
    run.Send(kNotice, 5, static_cast<std::intptr_t>(w));
  }
  std::vector<WindowHandle> visited;
  for (int press = 0; press < 4; ++press) {
    run.Send(kHotKey, 0);
    visited.push_back(run.desktop.Foreground);
    run.desktop.ZOrder = zOrder;
  }
  EXPECT_EQ(visited, (std::vector<WindowHandle>{x, y, z, x}));
}

TEST(CommandCycle, OnlyAWindowWhollyOutsideEveryMonitorWithVirtualScreensOnIsParked) {
  struct Row {
    int virtualScreens;
    TRect monitors;
    TRect front;
    bool parked;
    const char* what;
  };
  const TRect primary{0, 0, 1024, 768};
  const Row rows[] = {
      {1, primary, {-1500, 10, -1400, 100}, true, "on the virtual screen to the left"},
      {1, primary, {1024, 100, 1400, 300}, true, "just past the right edge"},
      {0, primary, {-1500, 10, -1400, 100}, false, "virtual screens off"},
      {1, primary, {-50, 100, 300, 300}, false, "partly past the left edge"},
      {1, primary, {100, -20, 400, 300}, false, "partly past the top edge"},
      {1, primary, {-4, -4, 1028, 772}, false, "maximized"},
      {1, {0, 0, 2048, 768}, {1100, 100, 1400, 300}, false, "on a second monitor"},
      {1, {-1024, 0, 1024, 768}, {-900, 100, -600, 300}, false, "on a monitor to the left"},
  };
  for (const Row& row : rows) {
    RunningProgram run(CommandSettings(row.virtualScreens, "memo"));
    run.desktop.ForegroundLockTimeout = 0;
    run.desktop.VirtualScreen = row.monitors;
    run.Start();
    WindowHandle front = run.AddWindow("Notepad", "memo 1", row.front);
    WindowHandle other = run.AddWindow("Notepad", "memo 2", {10, 10, 100, 100});
    run.desktop.SetForegroundWindow(front);
    run.Send(kHotKey, 0);
    EXPECT_EQ(run.desktop.Foreground, row.parked ? front : other) << row.what;
  }
}

// A press lists the windows once; the pager then shows what a listing after the press
// would: the window restored from the task bar where it now stands, the frame followed to
// a window parked on another one.
TEST(CommandPress, ListsTheWindowsOnceAndThePagerShowsThemAsTheyAreAfterIt) {
  struct Row {
    TRect rect;
    bool minimized;
    int frame;
  };
  for (const Row& row :
       {Row{{100, 100, 400, 300}, true, 0}, Row{{100, 868, 400, 1068}, false, 1}}) {
    RunningProgram run(CommandSettings(1, "memo") + "[VirtualDesktop]\r\nMoveActiveFrame=1\r\n");
    run.desktop.ForegroundLockTimeout = 0;
    run.Start();
    const WindowHandle memo = run.AddWindow("Notepad", "memo", row.rect);
    if (row.minimized) run.desktop.ShowWindow(memo, win::SwMinimize);
    run.AddWindow("Other", "other", {50, 50, 300, 300}, 3);
    const WindowHandle cloaked = run.AddWindow("Other", "cloaked", {60, 60, 300, 300}, 4);
    run.desktop.Windows[cloaked].Cloaked = true;
    run.desktop.Calls.clear();
    run.desktop.CloakQueries.clear();
    run.Send(kHotKey, 0);
    const CVirtualScreen& pager = run.Pager();
    EXPECT_EQ(run.desktop.Foreground, memo);
    EXPECT_EQ(pager.CurrentFrame, row.frame);
    EXPECT_EQ(pager.LastForeground, memo);
    EXPECT_EQ(pager.CloakedWindows, std::set<WindowHandle>{cloaked});
    if (row.frame == 0) {
      // One look at the windows, whichever way it is taken, and no window asked twice
      // whether it is cloaked.
      EXPECT_EQ(run.desktop.CallCount("EnumWindows(") + run.desktop.CallCount("ListWindows("), 1);
      for (const auto& [window, queries] : run.desktop.CloakQueries)
        EXPECT_EQ(queries, 1) << window;
    }
    CWindowList after;
    EnumerateWindows(run.desktop, after);
    std::erase_if(after, [&](const CWindow& w) { return w.Handle == run.Pager().Handle(); });
    ASSERT_EQ(pager.WindowList.size(), after.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(pager.WindowList[i].Handle, after[i].Handle) << i;
      EXPECT_EQ(pager.WindowList[i].Bounds, after[i].Bounds) << i;
    }
  }
}

TEST(ActivationRecord, StaysBoundedDroppingGoneWindowsFirstThenTheOldest) {
  SimDesktop desktop;
  std::vector<WindowHandle> live;
  for (size_t i = 0; i < ActivationRecord::kLimit + 100; ++i)
    live.push_back(desktop.AddWindow(SimWindow{}));
  ActivationRecord record;
  record.Activated(live[0], desktop);
  for (WindowHandle gone = 1; gone <= 5000; ++gone) record.Activated(gone, desktop);
  EXPECT_LE(record.Size(), ActivationRecord::kLimit);
  EXPECT_TRUE(record.LastActivation(live[0])) << "a window still there outlasts gone ones";

  for (WindowHandle w : live) record.Activated(w, desktop);
  EXPECT_LE(record.Size(), ActivationRecord::kLimit);
  EXPECT_FALSE(record.LastActivation(live[1])) << "the oldest make room";
  EXPECT_GT(record.LastActivation(live.back()), record.LastActivation(live[live.size() - 2]));
  record.Forget(live.back());
  EXPECT_FALSE(record.LastActivation(live.back()));
}

}  // namespace
