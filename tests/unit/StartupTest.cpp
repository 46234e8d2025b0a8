#include <gtest/gtest.h>

#include "TempDir.h"
#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "shell/EntryPoint.h"
#include "shell/FormMain.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"
#include "toolkit/SysUtils.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

constexpr WindowHandle kApplicationWindow = 0x10000;

struct StartupTest : ::testing::Test {
  TempDir dir;
  std::shared_ptr<SimSystem> system = std::make_shared<SimSystem>();
  SimDesktop desktop{system};
  HeadlessBackend backend;

  StartupTest() {
    desktop.ExecutablePath = dir.File("tarnwick.exe");
    // The application window as the toolkit creates it, with the task-bar style.
    SimWindow application;
    application.ClassName = "TApplication";
    application.ExStyle = win::WsExAppWindow | 0x100;
    desktop.AddWindow(application, kApplicationWindow);
  }

  // Runs the program; `afterStart` sees it right after the deferred start, then the loop
  // ends (nothing else is queued in the headless loop).
  int Run(const std::function<void(Program&)>& afterStart = {}) {
    return RunProgram(desktop, backend, [&](Program& program) {
      auto idle = program.Application.OnIdle;
      ASSERT_TRUE(idle) << "start-up must be pending once the forms exist";
      program.Application.OnIdle = [&program, idle, afterStart](bool& done) {
        idle(done);
        if (afterStart) afterStart(program);
      };
    });
  }
};

TEST_F(StartupTest, SecondInstanceLeavesAtOnceWithoutTouchingAnything) {
  SimDesktop first(system);
  first.CreateMutexA(kSingleInstanceMutexName, true);

  EXPECT_EQ(Run([](Program&) { FAIL() << "a second instance must not start"; }), 0);
  EXPECT_EQ(desktop.CallCount("SetWindowLongA"), 0);
  EXPECT_EQ(desktop.CallCount("StartHook"), 0);
  EXPECT_EQ(desktop.CallCount("CloseHandle"), 1);
  EXPECT_EQ(system->Mutexes.at(kSingleInstanceMutexName), 1) << "the first keeps its mutex";
}

TEST_F(StartupTest, ApplicationWindowGetsExactlyTheToolWindowStyle) {
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(desktop.Windows[kApplicationWindow].ExStyle, win::WsExToolWindow);
}

TEST_F(StartupTest, DeferredStartLoadsSettingsStartsHookOnceAndRemovesItself) {
  dir.Write("tarnwick.ini",
            "[Option]\r\nTranslucentAlpha=128\r\nSnappingKey=2\r\n"
            "[VirtualDesktop]\r\nInitialFrame=3\r\n");
  WindowHandle optionWindow = 0;
  Run([&](Program& program) {
    optionWindow = program.OptionDlg->Handle();
    EXPECT_FALSE(program.Application.OnIdle) << "start-up must be complete";
    EXPECT_EQ(program.OptionDlg->LabeledEditTranslucentAlpha->Text(), "128");
    EXPECT_EQ(program.OptionDlg->LabeledEditVirtualDesktopCount->Text(), "4");
    EXPECT_EQ(program.FormVirtualDesktop->CurrentFrame, 2);
  });
  ASSERT_NE(optionWindow, 0u);
  EXPECT_EQ(desktop.CallCount("StartHook"), 1);
  EXPECT_EQ(desktop.HookTarget, optionWindow);
  EXPECT_EQ(desktop.HookSnappingKey, 2);
}

TEST_F(StartupTest, DeferredStartRegistersGlobalHotKeysThenCommandsAndExitWithdrawsThem) {
  dir.Write("tarnwick.ini",
            "[Option]\r\nHotKeyGetInfo=\"Ctrl+\"\r\n"
            "[Command]\r\nCount=3\r\nName0=\"a\"\r\nHotKey0=\"alt+ctrl+F7\"\r\n"
            "Name1=\"b\"\r\nHotKey1=\"Shift+Ctrl+Alt+Home\"\r\n"
            "Name2=\"c\"\r\nHotKey2=\"alt+^f7\"\r\n");
  std::vector<SimHotKey> registered;
  WindowHandle window = 0;
  Run([&](Program& program) {
    registered = system->HotKeys;
    window = program.OptionDlg->Handle();
    program.OptionDlg->MenuItemExit->Click();
  });
  auto held = [&](int id) -> const SimHotKey* {
    for (const auto& h : registered)
      if (h.Id == id) return &h;
    return nullptr;
  };
  ASSERT_NE(held(0xBFFF), nullptr);
  EXPECT_EQ(held(0xBFFF)->Window, window);
  EXPECT_EQ(held(0xBFFF)->Modifiers, 7u);
  EXPECT_EQ(held(0xBFFF)->Key, 0x24u);
  EXPECT_EQ(held(0xBFFE), nullptr) << "modifiers without a key register nothing";
  for (int id : {0xBFFD, 0xBFFC, 0xBFFB, 0xBFFA}) EXPECT_NE(held(id), nullptr) << id;
  ASSERT_NE(held(0), nullptr);
  EXPECT_EQ(held(0)->Modifiers, 3u);
  EXPECT_EQ(held(0)->Key, 0x76u);
  EXPECT_EQ(held(1), nullptr) << "the global action keeps its combination";
  EXPECT_EQ(held(2), nullptr) << "an earlier command keeps its combination";
  EXPECT_EQ(desktop.CallCount("RegisterHotKey"), 8);
  EXPECT_TRUE(system->HotKeys.empty()) << "exit withdraws every hot key";
  EXPECT_EQ(desktop.CallCount("UnregisterHotKey"), 9);
}

TEST_F(StartupTest, FreshStartShowsDesignValuesAndWritesNoSettingsFile) {
  Run([&](Program& program) {
    EXPECT_EQ(program.OptionSettings["TranslucentAlpha"].IntValue(), 200);
    EXPECT_EQ(program.OptionSettings["VirtualDesktopCount"].IntValue(), 4);
    EXPECT_EQ(program.OptionSettings["HotKeyTranslucent"].TextValue(), "Shift+Ctrl+Alt+Home");
    EXPECT_EQ(program.FormVirtualDesktop->CurrentFrame, 0);
  });
  EXPECT_FALSE(dir.Exists("tarnwick.ini"));
  EXPECT_EQ(dir.File("tarnwick.ini"), SettingsPathFor(desktop.ExecutablePath));
}

TEST_F(StartupTest, ExitStopsTheHookEndsTheLoopAndReleasesTheMutex) {
  Run([&](Program& program) { program.OptionDlg->MenuItemExit->Click(); });
  EXPECT_TRUE(desktop.Calls.back().rfind("CloseHandle", 0) == 0);
  EXPECT_EQ(desktop.CallCount("EndHook"), 1);
  EXPECT_TRUE(system->Mutexes.empty()) << "a new instance can start";
  SimDesktop next(system);
  EXPECT_EQ(next.CreateMutexA(kSingleInstanceMutexName, true).LastError, 0u);
}

TEST_F(StartupTest, EscapingExceptionIsShownAndTheMutexStillReleased) {
  Run([&](Program&) { throw Exception("boom"); });
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Text, "boom");
  EXPECT_EQ(backend.Boxes[0].Caption, "Tarnwick");
  EXPECT_TRUE(system->Mutexes.empty());

  backend.Boxes.clear();
  Run([&](Program&) { throw std::logic_error("not ours"); });
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Text, "") << "foreign exceptions show an empty message";
}

// A foreign window on the screen, then the view switched one frame down, so it is parked.
WindowHandle ParkOneWindow(SimDesktop& desktop, Program& program) {
  SimWindow window;
  window.ClassName = "Notepad";
  window.Style = win::WsVisible;
  window.Rect = window.NormalRect = {100, 100, 500, 400};
  window.ProcessId = 2;
  WindowHandle handle = desktop.AddWindow(window);
  program.FormVirtualDesktop->RefreshWindowList();
  program.OptionDlg->OnHotKey(0xBFFC);
  EXPECT_EQ(desktop.Windows[handle].Rect.Top, 100 - 768);
  return handle;
}

TEST_F(StartupTest, ProgramEndingOnAnExceptionBringsParkedWindowsBack) {
  WindowHandle parked = 0;
  Run([&](Program& program) {
    parked = ParkOneWindow(desktop, program);
    throw Exception("boom");
  });
  EXPECT_EQ(desktop.Windows[parked].Rect.Top, 100);
}

TEST_F(StartupTest, CrashHandlerBringsParkedWindowsBackAndIsRemovedAtTheEnd) {
  WindowHandle parked = 0;
  Run([&](Program& program) {
    parked = ParkOneWindow(desktop, program);
    ASSERT_TRUE(desktop.CrashHandler);
    desktop.CrashHandler();
    EXPECT_EQ(desktop.Windows[parked].Rect.Top, 100);
  });
  EXPECT_FALSE(desktop.CrashHandler) << "no handler may outlive the program object";
}

TEST(SettingsPath, ReplacesOnlyTheFileExtension) {
  EXPECT_EQ(SettingsPathFor("C:\\Tools\\tarnwick.exe"), "C:\\Tools\\tarnwick.ini");
  EXPECT_EQ(SettingsPathFor("C:\\v1.2\\tarnwick"), "C:\\v1.2\\tarnwick.ini");
  EXPECT_EQ(SettingsPathFor("/opt/tw.x/tarnwick.exe"), "/opt/tw.x/tarnwick.ini");
}

}  // namespace
