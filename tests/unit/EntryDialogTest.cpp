#include <gtest/gtest.h>

#include "RunningProgram.h"
#include "commands/CommandDlg.h"
#include "commands/CommandDlgTexts.h"
#include "toolkit/ToolkitTexts.h"
#include "watching/WatchingDlg.h"
#include "watching/WatchingDlgTexts.h"

namespace {

struct CommandDialogTest : ::testing::Test {
  RunningProgram run;
  TCommandDlg* dialog = nullptr;
  void SetUp() override {
    run.Start();
    dialog = run.program->CommandDlg.get();
  }
  // Adds a command through the dialog, typing `name`, pressing OK until `attempts` run out.
  bool Add(const std::string& name, int attempts = 1) {
    run.backend.ModalScript = [&](TForm&) {
      dialog->EditName->SetText(name);
      for (int i = 0; i < attempts && dialog->ModalResult() != mrOk; ++i) dialog->OKBtn->Click();
    };
    return run.program->CommandSettings.EditEntry(-1);
  }
};

TEST_F(CommandDialogTest, BlankNamesAreRefusedAndTheDialogStaysOpen) {
  EXPECT_FALSE(Add(""));
  EXPECT_FALSE(Add(" \t "));
  ASSERT_EQ(run.backend.Boxes.size(), 2u);
  EXPECT_EQ(run.backend.Boxes[0].Text, texts::command::NameEmpty);
  EXPECT_EQ(run.program->CommandSettings.Count(), 0);
  EXPECT_TRUE(Add("\x81\x40")) << "a double-byte space is a name";
  EXPECT_TRUE(Add("second"));
  ASSERT_EQ(run.program->CommandSettings.Count(), 2);
  EXPECT_EQ(run.program->CommandSettings.Entry(1).Name.Str(), "second") << "added at the end";
}

TEST_F(CommandDialogTest, FileChooserQuotesPathsWithSpacesAndKeepsTheLineOnCancel) {
  dialog->LabeledEditProgram->SetText("old");
  run.backend.OpenFileScript = [](TOpenDialog&) { return std::string(); };
  dialog->ButtonCommand->Click();
  EXPECT_EQ(dialog->LabeledEditProgram->Text(), "old");
  run.backend.OpenFileScript = [](TOpenDialog&) { return std::string("C:\\Tools\\x.exe"); };
  dialog->ButtonCommand->Click();
  EXPECT_EQ(dialog->LabeledEditProgram->Text(), "C:\\Tools\\x.exe");
  run.backend.OpenFileScript = [](TOpenDialog& open) {
    EXPECT_NE(open.Filter.find("|*.exe"), std::string::npos);
    return std::string("C:\\Program Files\\My App\\app.exe");
  };
  dialog->ButtonCommand->Click();
  EXPECT_EQ(dialog->LabeledEditProgram->Text(), "\"C:\\Program Files\\My App\\app.exe\"");
}

struct WatchingDialogTest : ::testing::Test {
  RunningProgram run;
  TWatchingDlg* dialog = nullptr;
  void SetUp() override {
    run.desktop.ForegroundLockTimeout = 0;
    run.Start();
    dialog = run.program->WatchingDlg.get();
  }
  // The message of the first refusal when OK is pressed with these fields, or "".
  std::string Refusal(const std::string& name, const std::string& title, const std::string& alpha,
                      const std::string& frame) {
    run.backend.Boxes.clear();
    run.backend.ModalScript = [&](TForm&) {
      dialog->EditName->SetText(name);
      dialog->EditWindowTitle->SetText(title);
      dialog->LabeledEditTranslucentAlpha->SetText(alpha);
      dialog->LabeledEditFramePosition->SetText(frame);
      dialog->OKBtn->Click();
    };
    bool stored = run.program->WatchingSettings.EditEntry(-1);
    if (run.backend.Boxes.empty()) {
      EXPECT_TRUE(stored);
      return "";
    }
    EXPECT_FALSE(stored);
    EXPECT_EQ(run.backend.Boxes.size(), 1u) << "only the first failing check speaks";
    return run.backend.Boxes[0].Text;
  }
};

TEST_F(WatchingDialogTest, ChecksRunInOrderAndTheFirstFailureIsReported) {
  namespace t = texts::watching;
  EXPECT_EQ(Refusal(" ", "", "0", "11"), t::NameEmpty);
  EXPECT_EQ(Refusal("n", "  ", "0", "11"), t::WindowTitleEmpty);
  EXPECT_EQ(Refusal("n", "memo", "0", "11"), t::AlphaOutOfRange) << "even with translucency off";
  EXPECT_EQ(Refusal("n", "memo", "", "1"), texts::NotAnInteger(""));
  EXPECT_EQ(Refusal("n", "memo", "255", "11"), t::FrameOutOfRange);
  EXPECT_EQ(Refusal("n", "memo", "255", "10"), "") << "10 frames are allowed whatever is set";
  EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
}

TEST_F(WatchingDialogTest, GetInfoRuleIsAppendedAndSavedAtOnceOnlyOnOk) {
  WindowHandle w = run.AddWindow("WineMine", "Mines", {40, 60, 200, 260});
  run.desktop.SetForegroundWindow(w);
  run.Send(win::WmHotKey, 0xBFFE);
  ASSERT_TRUE(dialog->Visible());
  dialog->CancelBtn->Click();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(run.program->WatchingSettings.Count(), 0);
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini"));

  run.desktop.SetForegroundWindow(w);
  run.Send(win::WmHotKey, 0xBFFE);
  dialog->OKBtn->Click();
  EXPECT_TRUE(dialog->Visible()) << "a rule needs a name";
  ASSERT_EQ(run.backend.Boxes.size(), 1u);
  // Opening the dialog from the options while it is shown is refused, and changes nothing.
  EXPECT_FALSE(run.program->WatchingSettings.EditEntry(-1));
  EXPECT_EQ(run.backend.Boxes.back().Text, texts::watching::AlreadyShown);

  dialog->EditName->SetText("mines");
  dialog->OKBtn->Click();
  EXPECT_FALSE(dialog->Visible());
  ASSERT_EQ(run.program->WatchingSettings.Count(), 1);
  std::string file = run.dir.Read("tarnwick.ini");
  EXPECT_NE(file.find("WindowTitle0=\"@WineMine\""), std::string::npos) << file;
  EXPECT_NE(file.find("Count=1"), std::string::npos);
}

TEST_F(WatchingDialogTest, GetInfoRuleThatCannotBeSavedStaysInTheDialogOnly) {
  run.program->WatchingSettings.Load();
  WindowHandle w = run.AddWindow("WineMine", "Mines", {40, 60, 200, 260});
  run.desktop.SetForegroundWindow(w);
  run.Send(win::WmHotKey, 0xBFFE);
  dialog->EditName->SetText("mines");
  // A directory where the settings file's temporary file would go: the write fails.
  std::filesystem::create_directories(run.dir.File("tarnwick.ini.tmp"));
  dialog->OKBtn->Click();
  EXPECT_TRUE(dialog->Visible());
  EXPECT_EQ(run.program->WatchingSettings.Count(), 0) << "not added twice on the next OK";
  ASSERT_FALSE(run.backend.Boxes.empty());
  EXPECT_NE(run.backend.Boxes.back().Text.find("tarnwick.ini"), std::string::npos);
  std::filesystem::remove(run.dir.File("tarnwick.ini.tmp"));
  dialog->OKBtn->Click();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
}

}  // namespace
