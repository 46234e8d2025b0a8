#pragma once
// A started program on a simulated 1024 x 768 screen with a pager that records what the
// model asks of it, for the tests of the virtual screens.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Program.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace vs_test {

constexpr int W = 1024;
constexpr int H = 768;

struct RecordingPager : TFormVirtualDesktop {
  explicit RecordingPager(Program& p)
      : TFormVirtualDesktop(p.Application, p.Platform, p.OptionSettings, p.SettingsPath, nullptr) {}
  void DrawPager() override { ++Draws; }
  void StartInactiveAnimation() override { ++Animations; }
  int Draws = 0;
  int Animations = 0;
};

struct VirtualScreenTest : ::testing::Test {
  SimDesktop desktop;
  HeadlessBackend backend;
  Program program{desktop, backend};
  std::unique_ptr<RecordingPager> pager;

  VirtualScreenTest() {
    program.CreateForms();
    program.OptionSettings.Initialize();   // the dialog's design values: no file here
    program.Application.OnIdle = nullptr;  // the deferred start has run
    Set("VirtualDesktop", 1);
    Set("VirtualDesktopCount", 4);
    Set("VirtualDesktopMoveActiveFrame", 1);
    pager = std::make_unique<RecordingPager>(program);
  }

  void Set(const char* key, int value) { program.OptionSettings[key].SetIntValue(value); }

  // A visible window of another program.
  WindowHandle Add(TRect rect, long style = 0, std::string className = "Foreign") {
    SimWindow w;
    w.ClassName = std::move(className);
    w.Style = win::WsVisible | style;
    w.Rect = w.NormalRect = rect;
    w.ProcessId = w.ThreadId = 77;
    return desktop.AddWindow(w);
  }
  TRect& Rect(WindowHandle w) { return desktop.Windows.at(w).Rect; }
  TRect Normal(WindowHandle w) {
    TWindowPlacement p;
    desktop.GetWindowPlacement(w, p);
    return p.NormalPosition;
  }
  // The pager's own window, which the model must leave alone.
  WindowHandle AddPagerWindow() {
    SimWindow w;
    w.ClassName = "TFormVirtualDesktop";
    w.Style = win::WsVisible;
    w.Rect = {0, 0, 80, 160};
    return desktop.AddWindow(w, pager->Handle());
  }
};

inline TRect At(int left, int top, int width = 300, int height = 200) {
  return {left, top, left + width, top + height};
}

inline std::string Move(WindowHandle w, TRect r) {
  return "MoveWindow(" + std::to_string(w) + "," + std::to_string(r.Left) + "," +
         std::to_string(r.Top) + "," + std::to_string(r.Width()) + "," +
         std::to_string(r.Height()) + ",1)";
}

}  // namespace vs_test
