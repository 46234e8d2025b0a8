#include <gtest/gtest.h>

#include "ListTestForms.h"
#include "SettingsTestSupport.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using namespace list_test;

struct ListEditTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  settings_test::ScratchDir dir;
  std::string path = dir.Path("tarnwick.ini");
  CCommandOption commands{app, path};
  CWatchingOption watching{app, path};
  CommandTestDialog commandDlg{app, commands};
  WatchingTestDialog watchingDlg{app, watching};

  void AddCommand(const std::string& name, const std::string& program) {
    commands.LoadEntry(-1);
    commands["Name"].SetTextValue(name);
    commands["Program"].SetTextValue(program);
    commands.StoreEntry(-1);
  }
};

TEST_F(ListEditTest, AddingShowsAddCaptionAndDesignDefaultsThenAppendsOnOk) {
  watching.LoadEntry(-1);
  watching["Name"].SetTextValue("existing");
  watching.StoreEntry(-1);
  // The dialog still shows what an earlier use left in it.
  watchingDlg.Name->SetText("left over");
  watchingDlg.TranslucentAlpha->SetText("7");
  watchingDlg.Frame->SetChecked(true);
  watchingDlg.Ok->SetCaption("");

  backend.ModalScript = [&](TForm& form) {
    EXPECT_EQ(&form, &watchingDlg.Form);
    EXPECT_EQ(watchingDlg.Ok->Caption(), expected::AddCaption);
    EXPECT_EQ(watchingDlg.Name->Text(), "");
    EXPECT_EQ(watchingDlg.WindowTitle->Text(), "");
    EXPECT_EQ(watchingDlg.TranslucentAlpha->Text(), "200");
    EXPECT_EQ(watchingDlg.PositionLeft->Text(), "0");
    EXPECT_EQ(watchingDlg.PositionTop->Text(), "0");
    EXPECT_EQ(watchingDlg.FramePosition->Text(), "1");
    EXPECT_FALSE(watchingDlg.Translucent->Checked());
    EXPECT_FALSE(watchingDlg.Position->Checked());
    EXPECT_FALSE(watchingDlg.Frame->Checked());
    watchingDlg.Name->SetText("Clock");
    watchingDlg.WindowTitle->SetText("@ClockClass");
    watchingDlg.Position->SetChecked(true);
    watchingDlg.PositionTop->SetText("-30");
    watchingDlg.Ok->Click();
  };
  EXPECT_TRUE(watching.EditEntry(-1));

  ASSERT_EQ(watching.Count(), 2);
  EXPECT_EQ(watching.Entry(0).Name, "existing");
  const auto& added = watching.Entry(1);
  EXPECT_EQ(added.Name, "Clock");
  EXPECT_EQ(added.WindowTitle, "@ClockClass");
  EXPECT_EQ(added.Position, 1);
  EXPECT_EQ(added.PositionTop, -30);
  EXPECT_EQ(added.TranslucentAlpha, 200);
  EXPECT_EQ(added.FramePosition, 1);
}

TEST_F(ListEditTest, EditingShowsTheEntryWithEditCaptionAndOverwritesItOnOk) {
  AddCommand("first", "one.exe");
  AddCommand("second", "two.exe");
  backend.ModalScript = [&](TForm&) {
    EXPECT_EQ(commandDlg.Ok->Caption(), expected::EditCaption);
    EXPECT_EQ(commandDlg.Name->Text(), "second");
    EXPECT_EQ(commandDlg.Program->Text(), "two.exe");
    commandDlg.Program->SetText("three.exe");
    commandDlg.WindowTitle->SetText("A\r\nB");
    commandDlg.Ok->Click();
  };
  EXPECT_TRUE(commands.EditEntry(1));
  ASSERT_EQ(commands.Count(), 2);
  EXPECT_EQ(commands.Entry(0).Program, "one.exe");
  EXPECT_EQ(commands.Entry(1).Name, "second");
  EXPECT_EQ(commands.Entry(1).Program, "three.exe");
  EXPECT_EQ(commands.Entry(1).WindowTitle, "A\r\nB");
}

TEST_F(ListEditTest, AnythingButOkLeavesTheListUnchanged) {
  AddCommand("keep", "keep.exe");
  backend.ModalScript = [&](TForm&) {
    commandDlg.Name->SetText("changed");
    commandDlg.Cancel->Click();
  };
  EXPECT_FALSE(commands.EditEntry(0));
  EXPECT_FALSE(commands.EditEntry(-1));
  backend.ModalScript = [&](TForm&) { commandDlg.Name->SetText("left open"); };
  EXPECT_FALSE(commands.EditEntry(-1));

  ASSERT_EQ(commands.Count(), 1);
  EXPECT_EQ(commands.Entry(0).Name, "keep");
  EXPECT_EQ(backend.ModalForms.size(), 3u);
}

TEST_F(ListEditTest, BeforeEditRunsWithTheEntryInTheControlsBeforeTheDialogShows) {
  watching.LoadEntry(-1);
  watching["Position"].SetIntValue(1);
  watching.StoreEntry(-1);
  std::vector<std::string> log;
  watching.BeforeEdit = [&] {
    log.push_back(watchingDlg.Position->Checked() ? "before: checked" : "before: clear");
  };
  backend.ModalScript = [&](TForm&) { log.push_back("shown"); };
  watching.EditEntry(0);
  watching.EditEntry(-1);
  EXPECT_EQ(log, (std::vector<std::string>{"before: checked", "shown", "before: clear", "shown"}));
}

TEST_F(ListEditTest, DialogAlreadyOnScreenIsRefusedAndKeepsWhatIsTypedThere) {
  AddCommand("entry", "");
  watching.LoadEntry(-1);
  watching.StoreEntry(-1);
  watchingDlg.Form.Show();  // opened by the get-info hot key
  watchingDlg.Name->SetText("being typed");

  EXPECT_FALSE(watching.EditEntry(0));
  EXPECT_FALSE(watching.EditEntry(-1));
  EXPECT_EQ(watchingDlg.Name->Text(), "being typed");
  EXPECT_TRUE(backend.ModalForms.empty());
  ASSERT_EQ(backend.Boxes.size(), 2u);
  EXPECT_EQ(backend.Boxes[0].Text, expected::DialogAlreadyShown);
  EXPECT_EQ(watching.Count(), 1);
}

TEST_F(ListEditTest, EditingNeedsADialogAndAnExistingEntry) {
  AddCommand("only", "");
  EXPECT_FALSE(commands.EditEntry(1));
  commands.EntryDialog = nullptr;
  EXPECT_FALSE(commands.EditEntry(-1));
  EXPECT_TRUE(backend.ModalForms.empty());
  EXPECT_EQ(commands.Count(), 1);
}

TEST_F(ListEditTest, InitializeTakesTheDesignValuesAsDefaultsAndReadsNoFile) {
  settings_test::WriteFile(path, "[Command]\r\nCount=1\r\nName0=\"in file\"\r\n");
  CCommandOption fresh(app, path);
  TForm form(app, "CommandDlg");
  auto* name = Create<TEdit>(&form, "EditName");
  auto* program = Create<TLabeledEdit>(&form, "LabeledEditProgram");
  name->SetText("design name");
  program->SetText("design.exe");
  Bind(fresh, name, "Command");
  Bind(fresh, program, "Command");
  fresh.Initialize();

  EXPECT_EQ(fresh.Count(), 0);
  EXPECT_EQ(fresh.DefaultEntry.Name, "design name");
  EXPECT_EQ(fresh.DefaultEntry.Program, "design.exe");
  EXPECT_EQ(fresh.DefaultEntry.HotKey, "");  // not bound here
  fresh.LoadEntry(-1);
  EXPECT_EQ(fresh["Name"].TextValue(), "design name");

  // Run again over a list that holds entries: the controls still decide.
  fresh.StoreEntry(-1);
  name->SetText("redesigned");
  fresh.Initialize();
  EXPECT_EQ(fresh.Count(), 0);
  EXPECT_EQ(fresh.DefaultEntry.Name, "redesigned");
}

}  // namespace
