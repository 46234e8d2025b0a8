// The program's hot keys while the options dialog is open.
#include <gtest/gtest.h>

#include "OptionDlgTestSupport.h"

namespace {

// The file loses commands by hand while the program runs: opening the dialog withdraws
// the hot keys of every command registered, not only of those the file still lists.
TEST(HotKeyRegistration, OpeningTheOptionsWithdrawsEveryCommandRegisteredBefore) {
  option_test::OptionsSession run(
      "[Command]\r\nCount=3\r\nName0=\"a\"\r\nHotKey0=\"Ctrl+Alt+A\"\r\nName1=\"b\"\r\n"
      "HotKey1=\"Ctrl+Alt+B\"\r\nName2=\"c\"\r\nHotKey2=\"Ctrl+Alt+C\"\r\n");
  run.Start();
  ASSERT_NE(run.desktop.System->HotKeyFor(3, 'C'), nullptr);
  run.dir.Write("tarnwick.ini",
                "[Command]\r\nCount=1\r\nName0=\"a\"\r\nHotKey0=\"Ctrl+Alt+A\"\r\n");
  run.OpenOptions([&](TOptionDlg&) {
    EXPECT_TRUE(run.desktop.System->HotKeys.empty()) << "no hot key fires while the dialog is open";
  });
  EXPECT_NE(run.desktop.System->HotKeyFor(3, 'A'), nullptr);
  EXPECT_EQ(run.desktop.System->HotKeyFor(3, 'B'), nullptr);
  EXPECT_EQ(run.desktop.System->HotKeyFor(3, 'C'), nullptr);
}

}  // namespace
