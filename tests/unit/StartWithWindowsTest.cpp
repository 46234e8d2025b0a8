// The tray menu's start-with-Windows item: its check mark is what the current user's Run
// value holds each time the menu opens, in the tray and in the pager's copy alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "OptionDlgTestTexts.h"
#include "RunningProgram.h"

namespace {

namespace expected = option_test::expected;

struct StartWithWindows : ::testing::Test {
  RunningProgram run;
  std::filesystem::path ours;
  std::filesystem::path other = "\"C:\\Other copy\\tarnwick.exe\"";

  void SetUp() override {
    run.Start();
    ours = "\"" + run.dir.File("tarnwick.exe") + "\"";
  }
  TMenuItem& Item() { return *run.Dialog().MenuItemStartWithWindows; }
  // Opens the tray menu and chooses the item (or nothing); returns the check it showed.
  bool OpenTray(bool choose) {
    bool shown = false;
    run.backend.PopupScript = [&](TPopupMenu&) -> TMenuItem* {
      shown = Item().Checked();
      return choose ? &Item() : nullptr;
    };
    run.Dialog().TrayIcon1->RightClick(1000, 740);
    return shown;
  }
  // The same through the pager's copy of the tray menu.
  bool OpenPager(bool choose) {
    bool shown = false;
    run.backend.PopupScript = [&](TPopupMenu& menu) -> TMenuItem* {
      for (TMenuItem* copy : menu.Items)
        if (copy->Caption() == expected::MenuStartWithWindows) {
          shown = copy->Checked();
          return choose ? copy : nullptr;
        }
      ADD_FAILURE() << "the pager's menu has no start-with-Windows item";
      return nullptr;
    };
    run.Pager().ImageFrame->ContextPopup(950, 100);
    return shown;
  }
  const std::filesystem::path* Value() {
    auto found = run.desktop.RunValues.find("Tarnwick");
    return found == run.desktop.RunValues.end() ? nullptr : &found->second;
  }
};

TEST_F(StartWithWindows, TheCheckIsWhatTheRegistryHoldsWheneverEitherMenuOpens) {
  EXPECT_EQ(Item().Caption(), expected::MenuStartWithWindows);
  EXPECT_FALSE(Item().AutoCheck);
  // Each row changes the value behind the program's back, then opens one menu.
  const struct {
    const char* what;
    std::optional<std::filesystem::path> value;
    bool checked;
  } rows[] = {
      {"no value", std::nullopt, false},
      {"this copy", ours, true},
      {"another copy", other, false},
      {"this copy again", ours, true},
      {"removed elsewhere", std::nullopt, false},
  };
  for (bool pager : {false, true})
    for (const auto& row : rows) {
      run.desktop.RunValues.erase("Tarnwick");
      if (row.value) run.desktop.RunValues["Tarnwick"] = *row.value;
      EXPECT_EQ(pager ? OpenPager(false) : OpenTray(false), row.checked)
          << row.what << (pager ? " (pager)" : " (tray)");
      EXPECT_EQ(Item().Checked(), row.checked) << row.what;
    }
  EXPECT_TRUE(run.backend.Boxes.empty());
}

TEST_F(StartWithWindows, TickingWritesThisCopyInQuotesReplacingAnotherAndUntickingDeletes) {
  run.desktop.RunValues["Tarnwick"] = other;
  EXPECT_FALSE(OpenTray(true));
  ASSERT_TRUE(Value());
  EXPECT_EQ(Value()->native(), ours.native()) << "the other copy's value is replaced";
  EXPECT_TRUE(Item().Checked());
  EXPECT_TRUE(OpenTray(true)) << "untick";
  EXPECT_FALSE(Value());
  EXPECT_FALSE(Item().Checked());
  // The pager's copy does the same, and its own check follows.
  EXPECT_FALSE(OpenPager(true));
  ASSERT_TRUE(Value());
  EXPECT_EQ(Value()->native(), ours.native());
  EXPECT_TRUE(OpenPager(true));
  EXPECT_FALSE(Value());
  EXPECT_TRUE(run.backend.Boxes.empty());
}

TEST_F(StartWithWindows, AFailedWriteIsReportedAndTheCheckStaysAsTheRegistryIs) {
  run.desktop.RunValueWriteFails = true;
  for (bool ticked : {false, true}) {
    run.backend.Boxes.clear();
    run.desktop.RunValues["Tarnwick"] = ticked ? ours : other;
    EXPECT_EQ(OpenTray(true), ticked);
    ASSERT_EQ(run.backend.Boxes.size(), 1u) << "ticked before: " << ticked;
    EXPECT_EQ(run.backend.Boxes[0].Text, expected::StartWithWindowsFailed);
    EXPECT_EQ(Item().Checked(), ticked);
    ASSERT_TRUE(Value());
    EXPECT_EQ(Value()->native(), (ticked ? ours : other).native()) << "nothing changed";
  }
}

}  // namespace
