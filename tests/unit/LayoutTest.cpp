#include <gtest/gtest.h>

#include "ListTestForms.h"
#include "SettingsTestSupport.h"
#include "settings/PagerPlacement.h"
#include "settings/SettingsFile.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using namespace list_test;
using settings_test::ReadFile;
using settings_test::WriteFile;

// The three settings objects as the program wires them: the general options load and
// save both lists inside their own access to the file.
struct LayoutTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  settings_test::ScratchDir dir;
  std::string path = dir.Path("tarnwick.ini");
  settings_test::OptionTestForm optionDlg{app};
  COption options{app, path};
  CCommandOption commands{app, path};
  CWatchingOption watching{app, path};
  CommandTestDialog commandDlg{app, commands};
  WatchingTestDialog watchingDlg{app, watching};

  LayoutTest() {
    optionDlg.BindTo(options);
    options.CommandSettings = &commands;
    options.WatchingSettings = &watching;
  }
};

TEST_F(LayoutTest, OptionsSaveWritesEverySectionInTheOrderOfFirstWriting) {
  options.Initialize();
  commands.LoadEntry(-1);
  commands["Name"].SetTextValue("Terminal");
  commands["WindowTitle"].SetTextValue("Console\r\n@ConsoleClass");
  commands["Program"].SetTextValue("cmd.exe /k");
  commands.StoreEntry(-1);
  commands.LoadEntry(-1);
  commands.StoreEntry(-1);
  watching.LoadEntry(-1);
  watching["Name"].SetTextValue("Clock");
  watching["WindowTitle"].SetTextValue("@ClockClass");
  watching["PositionLeft"].SetIntValue(-40);
  watching.StoreEntry(-1);

  ASSERT_TRUE(options.Save());
  EXPECT_EQ(ReadFile(path),
            "[Option]\r\n"
            "HotKeyGetInfo=\"Shift+Ctrl+Alt+End\"\r\n"
            "HotKeyTranslucent=\"Shift+Ctrl+Alt+Home\"\r\n"
            "SnappingKey=0\r\n"
            "TranslucentAlpha=200\r\n"
            "VirtualDesktop=1\r\n"
            "\r\n"
            "[VirtualDesktop]\r\n"
            "Count=4\r\n"
            "Fixed=0\r\n"
            "HotKeyDown=\"Shift+Ctrl+Alt+Down\"\r\n"
            "HotKeyLeft=\"Shift+Ctrl+Alt+Left\"\r\n"
            "HotKeyRight=\"Shift+Ctrl+Alt+Right\"\r\n"
            "HotKeyUp=\"Shift+Ctrl+Alt+Up\"\r\n"
            "Inactive=0\r\n"
            "InitialFrame=1\r\n"
            "MiniWidth=16\r\n"
            "MoveActiveFrame=0\r\n"
            "\r\n"
            "[Command]\r\n"
            "Count=2\r\n"
            "HotKey0=\"\"\r\n"
            "Name0=\"Terminal\"\r\n"
            "Program0=\"cmd.exe /k\"\r\n"
            "WindowTitle0=\"Console\\n@ConsoleClass\"\r\n"
            "HotKey1=\"\"\r\n"
            "Name1=\"\"\r\n"
            "Program1=\"\"\r\n"
            "WindowTitle1=\"\"\r\n"
            "\r\n"
            "[Watching]\r\n"
            "Count=1\r\n"
            "Frame0=0\r\n"
            "FramePosition0=1\r\n"
            "Name0=\"Clock\"\r\n"
            "Position0=0\r\n"
            "PositionLeft0=-40\r\n"
            "PositionTop0=0\r\n"
            "Translucent0=0\r\n"
            "TranslucentAlpha0=200\r\n"
            "WindowTitle0=\"@ClockClass\"\r\n");
}

TEST_F(LayoutTest, OptionsLoadReplacesBothListsAndCancelStyleReloadDropsEdits) {
  WriteFile(path,
            "[Option]\r\nTranslucentAlpha=128\r\n"
            "[Command]\r\nCount=2\r\nName0=\"a\"\r\nName1=\"b\"\r\n"
            "[Watching]\r\nCount=1\r\nName0=\"w\"\r\nFramePosition0=3\r\n");
  options.Initialize();
  EXPECT_EQ(options["TranslucentAlpha"].IntValue(), 128);
  ASSERT_EQ(commands.Count(), 2);
  EXPECT_EQ(commands.Entry(1).Name, "b");
  ASSERT_EQ(watching.Count(), 1);
  EXPECT_EQ(watching.Entry(0).FramePosition, 3);
  // The list items are not settings of their own: the options load leaves the entry
  // dialogs' controls alone.
  EXPECT_EQ(commandDlg.Name->Text(), "");

  commands.RemoveEntry(0);
  watching.StoreEntry(-1);
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());
  EXPECT_EQ(commands.Count(), 2);
  EXPECT_EQ(watching.Count(), 1);
}

TEST_F(LayoutTest, FixedIsWrittenAtOnceAndOverwritesInPlace) {
  ASSERT_TRUE(WriteVirtualDesktopFixed(path, true));
  EXPECT_EQ(ReadFile(path), "[VirtualDesktop]\r\nFixed=1\r\n");

  WriteFile(path, "[VirtualDesktop]\r\nCount=6\r\nFixed=1\r\nLeft=5\r\n[Option]\r\nx=y\r\n");
  ASSERT_TRUE(WriteVirtualDesktopFixed(path, false));
  EXPECT_EQ(ReadFile(path),
            "[VirtualDesktop]\r\nCount=6\r\nFixed=0\r\nLeft=5\r\n[Option]\r\nx=y\r\n");

  // A folder that does not exist cannot take the file; nothing is shown.
  EXPECT_FALSE(WriteVirtualDesktopFixed(dir.Path("missing/tarnwick.ini"), true));
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(LayoutTest, PagerPlacementReadsWithItsOwnDefaultsAndWritesAllFour) {
  CPagerPlacement placement;
  LoadPagerPlacement(path, placement);
  EXPECT_EQ(placement.Left, 0);
  EXPECT_EQ(placement.Top, 0);
  EXPECT_EQ(placement.Width, 80);
  EXPECT_EQ(placement.Height, 160);
  EXPECT_FALSE(settings_test::PathExists(path));

  WriteFile(path, "[virtualdesktop]\r\nleft=0x20\r\nTop=-12\r\nWidth=wide\r\n");
  placement.Height = 300;
  LoadPagerPlacement(path, placement);
  EXPECT_EQ(placement.Left, 32);
  EXPECT_EQ(placement.Top, -12);
  EXPECT_EQ(placement.Width, 80);
  EXPECT_EQ(placement.Height, 300);

  WriteFile(path, "[VirtualDesktop]\r\nCount=4\r\n");
  ASSERT_TRUE(SavePagerPlacement(path, {-800, 20, 64, 128}));
  EXPECT_EQ(ReadFile(path),
            "[VirtualDesktop]\r\nCount=4\r\nLeft=-800\r\nTop=20\r\nWidth=64\r\nHeight=128\r\n");

  // The general options keep the placement keys they do not own.
  options.Initialize();
  ASSERT_TRUE(options.Save());
  CPagerPlacement read;
  LoadPagerPlacement(path, read);
  EXPECT_EQ(read.Left, -800);
  EXPECT_EQ(read.Height, 128);
}

}  // namespace
