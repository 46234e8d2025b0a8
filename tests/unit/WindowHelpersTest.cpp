// Collecting the top-level windows and forcing a window to the foreground.
#include <gtest/gtest.h>

#include "general/EnumerateWindows.h"
#include "general/ForceForeground.h"
#include "platform/sim/SimDesktop.h"

namespace {

struct WindowHelpersTest : ::testing::Test {
  SimDesktop desktop;
  WindowHandle Add(std::string className, long style = win::WsVisible, std::string title = "") {
    SimWindow w;
    w.ClassName = std::move(className);
    w.Title = std::move(title);
    w.Style = style;
    w.Rect = {10, 20, 110, 220};
    return desktop.AddWindow(w);
  }
  std::vector<WindowHandle> Collected() {
    CWindowList list{CWindow{}};  // emptied first
    EnumerateWindows(desktop, list);
    std::vector<WindowHandle> handles;
    for (const CWindow& w : list) handles.push_back(w.Handle);
    return handles;
  }
};

TEST_F(WindowHelpersTest, CollectsVisibleEnabledWindowsExceptDesktopAndTaskBar) {
  WindowHandle top = Add("Notepad", win::WsVisible, "memo - Notepad");
  Add("Owner", win::WsVisible | win::WsDisabled);
  Add("Hidden", 0);
  Add("Progman");
  Add("Shell_TrayWnd");
  WindowHandle lower = Add("progman");
  WindowHandle minimized = Add("Icon");
  desktop.ShowWindow(minimized, win::SwMinimize);

  EXPECT_EQ(Collected(), (std::vector<WindowHandle>{top, lower, minimized}));
  CWindowList list;
  EnumerateWindows(desktop, list);
  EXPECT_EQ(list[0].Title, "memo - Notepad");
  EXPECT_EQ(list[0].ClassName, "Notepad");
  EXPECT_EQ(list[0].Bounds, (TRect{10, 20, 110, 220}));
  EXPECT_EQ(list[2].Bounds.Left, -32000) << "at its iconic position";

  desktop.SetForegroundWindow(lower);
  EXPECT_EQ(Collected().front(), lower) << "enumeration follows the Z-order";
}

TEST_F(WindowHelpersTest, TextsAreCutTo258BytesAtACharacterBoundary) {
  WindowHandle ascii = Add("C", win::WsVisible, std::string(300, 'a'));
  // 257 ASCII bytes, then a double-byte character that would end at byte 259.
  WindowHandle japanese = Add("C", win::WsVisible, std::string(257, 'a') + "\x83\x5c" + "b");
  CWindowList list;
  EnumerateWindows(desktop, list);
  EXPECT_EQ(list[0].Handle, ascii);
  EXPECT_EQ(list[0].Title, std::string(258, 'a'));
  EXPECT_EQ(list[1].Handle, japanese);
  EXPECT_EQ(list[1].Title, std::string(257, 'a'));
}

TEST_F(WindowHelpersTest, AWindowGoneDuringTheEnumerationIsLeftOut) {
  WindowHandle first = Add("A");
  WindowHandle gone = Add("B");
  WindowHandle last = Add("C");
  desktop.VanishWhen("GetWindowRect(" + std::to_string(gone), gone);
  EXPECT_EQ(Collected(), (std::vector<WindowHandle>{first, last}));
}

TEST_F(WindowHelpersTest, ForceForegroundLiftsTheLockForOneCallInOrder) {
  SimWindow foreign;
  foreign.ClassName = "Other";
  foreign.Style = win::WsVisible;
  foreign.ThreadId = 40;
  foreign.ProcessId = 41;
  WindowHandle other = desktop.AddWindow(foreign);
  desktop.Foreground = other;
  SimWindow own;
  own.ThreadId = 7;
  WindowHandle mine = desktop.AddWindow(own);
  ASSERT_FALSE(desktop.SetForegroundWindow(mine)) << "the lock holds against a plain call";
  desktop.Calls.clear();

  ForceForeground(desktop, mine);

  std::string m = std::to_string(mine), o = std::to_string(other);
  EXPECT_EQ(desktop.Calls, (std::vector<std::string>{
                               "GetForegroundWindow()", "GetWindowThreadProcessId(" + o + ")",
                               "GetWindowThreadProcessId(" + m + ")", "AttachThreadInput(7,40,1)",
                               "GetForegroundLockTimeout()", "SetForegroundLockTimeout(0)",
                               "SetForegroundWindow(" + m + ")", "SetForegroundLockTimeout(200000)",
                               "AttachThreadInput(7,40,0)", "GetForegroundWindow()"}));
  EXPECT_EQ(desktop.Foreground, mine);
  EXPECT_EQ(desktop.ForegroundLockTimeout, 200000u);
  EXPECT_TRUE(desktop.AttachedInputs.empty());

  // Wine: the detach drops the foreground; the window is asked for once more.
  desktop.DetachDropsForeground = true;
  desktop.Foreground = other;
  desktop.ForegroundLockTimeout = 0;
  ForceForeground(desktop, mine);
  EXPECT_EQ(desktop.Calls.back(), "SetForegroundWindow(" + m + ")");
  EXPECT_EQ(desktop.Foreground, mine);
}

}  // namespace
