#include <gtest/gtest.h>

#include <filesystem>

#include "SettingsTestSupport.h"
#include "platform/File.h"
#include "settings/Binding.h"
#include "settings/Option.h"
#include "toolkit/Backend.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using namespace settings_test;

// Stands in for the command and watching lists: a file-backed settings object of its own
// section that opens the same file while the general options have it open.
class FakeList : public CIniFileOption {
 public:
  FakeList(TApplication& app, const std::string& path, std::string section,
           std::vector<std::string>& log)
      : CIniFileOption(app, path), form_(app, section + "Dlg"), section_(section), log_(log) {
    Name = Create<TEdit>(&form_, "EditName");
    Title = Create<TMemo>(&form_, "MemoWindowTitle");
    Bind(*this, Name, section_);
    Bind(*this, Title, section_);
  }
  bool ValidateLoaded() override { return true; }
  bool ValidateInput() override { return true; }
  bool Load() override {
    log_.push_back(section_ + " load");
    return CIniFileOption::Load();
  }
  bool Save() override {
    log_.push_back(section_ + " save");
    return CIniFileOption::Save();
  }

  TEdit* Name;
  TMemo* Title;

 private:
  TForm form_;
  std::string section_;
  std::vector<std::string>& log_;
};

struct SettingsOptionTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  ScratchDir dir;
  std::string path = dir.Path("tarnwick.ini");
  OptionTestForm dlg{app};
  COption options{app, path};

  SettingsOptionTest() { dlg.BindTo(options); }
  int Int(const char* key) { return options[key].IntValue(); }
  const std::string& Text(const char* key) { return options[key].TextValue(); }
};

TEST_F(SettingsOptionTest, FreshStartTakesTheDesignValuesAndWritesNothing) {
  options.Initialize();
  EXPECT_EQ(Int("TranslucentAlpha"), 200);
  EXPECT_EQ(Int("VirtualDesktopCount"), 4);
  EXPECT_EQ(Int("VirtualDesktopInitialFrame"), 1);
  EXPECT_EQ(Int("VirtualDesktopMiniWidth"), 16);
  EXPECT_EQ(Int("VirtualDesktop"), 1);
  EXPECT_EQ(Int("SnappingKey"), 0);
  EXPECT_EQ(Int("VirtualDesktopFixed"), 0);
  EXPECT_EQ(Text("HotKeyTranslucent"), "Shift+Ctrl+Alt+Home");
  EXPECT_EQ(Text("VirtualDesktopHotKeyRight"), "Shift+Ctrl+Alt+Right");
  EXPECT_FALSE(PathExists(path));
  // Apply: virtual screens are in use by design.
  EXPECT_TRUE(dlg.Pager.Visible());
  EXPECT_TRUE(dlg.SaveSize->Visible());
  EXPECT_TRUE(dlg.Fixed->Visible());
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(SettingsOptionTest, PartialFileOverridesOnlyItsKeys) {
  WriteFile(path, "[Option]\r\nTranslucentAlpha=128\r\n");
  options.Initialize();
  EXPECT_EQ(Int("TranslucentAlpha"), 128);
  EXPECT_EQ(dlg.TranslucentAlpha->Text(), "128");
  EXPECT_EQ(Int("VirtualDesktopCount"), 4);
  EXPECT_EQ(dlg.Count->Text(), "4");
  EXPECT_EQ(Text("HotKeyGetInfo"), "Shift+Ctrl+Alt+End");
  EXPECT_EQ(dlg.VirtualDesktop->ItemIndex(), 1);
}

TEST_F(SettingsOptionTest, HandEditedFileIsReadAsTheProfileFunctionsWould) {
  WriteFile(path,
            "; edited by hand\n"
            "[option]\n"
            "translucentalpha = 0x40\n"
            "HOTKEYGETINFO=Ctrl+F1\n"
            "snappingkey=\"2\"\n"
            "[VIRTUALDESKTOP]\n"
            "count=  6 \n"
            "MiniWidth=wide\n"
            "HotKeyUp=\"\"\n"
            "VirtualDesktopCount=9\n");
  options.Initialize();
  EXPECT_EQ(Int("TranslucentAlpha"), 64);
  EXPECT_EQ(Text("HotKeyGetInfo"), "Ctrl+F1");
  EXPECT_EQ(Int("SnappingKey"), 2);
  EXPECT_EQ(dlg.SnappingKey->ItemIndex(), 2);
  EXPECT_EQ(Int("VirtualDesktopCount"), 6);       // stored as Count, not VirtualDesktopCount
  EXPECT_EQ(Int("VirtualDesktopMiniWidth"), 16);  // not a number: the default stands
  EXPECT_EQ(Text("VirtualDesktopHotKeyUp"), "");  // present but empty: no hot key
  EXPECT_EQ(Text("VirtualDesktopHotKeyDown"), "Shift+Ctrl+Alt+Down");
}

TEST_F(SettingsOptionTest, SaveWritesEveryKeyInKeyOrderTextsInQuotes) {
  options.Initialize();
  dlg.Count->SetText("6");
  dlg.HotKeyUp->SetText("");
  dlg.HotKeyGetInfo->SetText("  spaced  ");
  dlg.Fixed->SetChecked(true);
  ASSERT_TRUE(options.Save());
  EXPECT_EQ(ReadFile(path),
            "[Option]\r\n"
            "HotKeyGetInfo=\"  spaced  \"\r\n"
            "HotKeyTranslucent=\"Shift+Ctrl+Alt+Home\"\r\n"
            "SnappingKey=0\r\n"
            "TranslucentAlpha=200\r\n"
            "VirtualDesktop=1\r\n"
            "\r\n"
            "[VirtualDesktop]\r\n"
            "Count=6\r\n"
            "Fixed=1\r\n"
            "HotKeyDown=\"Shift+Ctrl+Alt+Down\"\r\n"
            "HotKeyLeft=\"Shift+Ctrl+Alt+Left\"\r\n"
            "HotKeyRight=\"Shift+Ctrl+Alt+Right\"\r\n"
            "HotKeyUp=\"\"\r\n"
            "Inactive=0\r\n"
            "InitialFrame=1\r\n"
            "MiniWidth=16\r\n"
            "MoveActiveFrame=0\r\n");

  // What was saved comes back, spaces included.
  dlg.HotKeyGetInfo->SetText("changed");
  dlg.Count->SetText("2");
  ASSERT_TRUE(options.Load());
  EXPECT_EQ(dlg.HotKeyGetInfo->Text(), "  spaced  ");
  EXPECT_EQ(dlg.Count->Text(), "6");
  EXPECT_EQ(dlg.HotKeyUp->Text(), "");
}

TEST_F(SettingsOptionTest, SaveKeepsWhatItDoesNotKnowAndOverwritesInPlace) {
  WriteFile(path,
            "[Pager notes]\r\nnote=mine\r\n"
            "[VirtualDesktop]\r\nLeft=10\r\nCount=3\r\n"
            "[Option]\r\n; comment\r\nTranslucentAlpha=128\r\n");
  options.Initialize();
  ASSERT_TRUE(options.Save());
  std::string file = ReadFile(path);
  EXPECT_TRUE(
      file.starts_with("[Pager notes]\r\nnote=mine\r\n"
                       "[VirtualDesktop]\r\nLeft=10\r\nCount=3\r\nFixed=0\r\n"))
      << file;
  EXPECT_NE(file.find("[Option]\r\n; comment\r\nTranslucentAlpha=128\r\nHotKeyGetInfo="),
            std::string::npos)
      << file;
}

struct ValidationCase {
  const char* alpha;
  const char* count;
  const char* initialFrame;
  const char* miniWidth;
  const char* const* message;  // null: the input is accepted
};

class SettingsValidationTest : public SettingsOptionTest,
                               public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(SettingsValidationTest, FirstFailingCheckShowsItsMessageAndChangesNothing) {
  const ValidationCase& c = GetParam();
  options.Initialize();
  dlg.TranslucentAlpha->SetText(c.alpha);
  dlg.Count->SetText(c.count);
  dlg.InitialFrame->SetText(c.initialFrame);
  dlg.MiniWidth->SetText(c.miniWidth);

  bool saved = options.Save();
  if (!c.message) {
    EXPECT_TRUE(saved);
    EXPECT_TRUE(backend.Boxes.empty());
    EXPECT_EQ(std::to_string(Int("VirtualDesktopInitialFrame")), c.initialFrame);
    return;
  }
  EXPECT_FALSE(saved);
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Text, *c.message);
  EXPECT_EQ(backend.Boxes[0].Flags, mb::OK | mb::IconError);
  EXPECT_FALSE(PathExists(path));
  EXPECT_EQ(Int("TranslucentAlpha"), 200);
  EXPECT_EQ(Int("VirtualDesktopCount"), 4);
  EXPECT_EQ(Int("VirtualDesktopInitialFrame"), 1);
  EXPECT_EQ(Int("VirtualDesktopMiniWidth"), 16);
  EXPECT_EQ(dlg.TranslucentAlpha->Text(), c.alpha);  // the input stays as typed
}

using namespace settings_test::expected;
INSTANTIATE_TEST_SUITE_P(
    SettingsRanges, SettingsValidationTest,
    ::testing::Values(
        // Only the first failing check speaks, even when later fields are wrong too.
        ValidationCase{"256", "11", "0", "", &AlphaOutOfRange},
        ValidationCase{"0", "4", "1", "16", &AlphaOutOfRange},
        ValidationCase{"", "4", "1", "16", &NotAnIntegerEmpty},
        ValidationCase{"255", "11", "1", "16", &CountOutOfRange},
        ValidationCase{"1", "0", "1", "16", &CountOutOfRange},
        ValidationCase{"200", "4", "5", "16", &InitialFrameOutOfRange},
        ValidationCase{"200", "4", "0", "16", &InitialFrameOutOfRange},
        ValidationCase{"200", "4", "1", "7", &MiniWidthOutOfRange},
        ValidationCase{"200", "4", "1", "65", &MiniWidthOutOfRange},
        ValidationCase{"200", "4", "1", "", &NotAnIntegerEmpty},
        // The initial position is bounded by the number of screens being entered.
        ValidationCase{"200", "6", "6", "16", nullptr},
        ValidationCase{"200", "3", "4", "16", &InitialFrameOutOfRange},
        ValidationCase{"1", "10", "10", "8", nullptr},
        ValidationCase{"255", "1", "1", "64", nullptr}));

// A hand-edited file may hold numbers the dialog would refuse; the program takes the
// nearest allowed one, shows it, and leaves the file alone until the user saves.
TEST_F(SettingsOptionTest, NumbersOutOfRangeInTheFileLoadAsTheNearestAllowed) {
  struct Case {
    const char *alpha, *count, *initialFrame, *miniWidth;
    int expectedAlpha, expectedCount, expectedInitialFrame, expectedMiniWidth;
  };
  for (const Case& c : {Case{"0", "2147483647", "-2147483648", "7", 1, 10, 1, 8},
                        Case{"256", "0", "2", "65", 255, 1, 1, 64},
                        Case{"-1", "0x7fffffff", "2147483647", "0xffffffff", 1, 10, 10, 8},
                        Case{"255", "3", "4", "64", 255, 3, 3, 64}}) {
    const std::string file = std::string("[Option]\r\nTranslucentAlpha=") + c.alpha +
                             "\r\n[VirtualDesktop]\r\nCount=" + c.count +
                             "\r\nInitialFrame=" + c.initialFrame + "\r\nMiniWidth=" + c.miniWidth +
                             "\r\n";
    WriteFile(path, file);
    ASSERT_TRUE(options.Load()) << file;
    EXPECT_EQ(Int("TranslucentAlpha"), c.expectedAlpha) << file;
    EXPECT_EQ(Int("VirtualDesktopCount"), c.expectedCount) << file;
    EXPECT_EQ(Int("VirtualDesktopInitialFrame"), c.expectedInitialFrame) << file;
    EXPECT_EQ(Int("VirtualDesktopMiniWidth"), c.expectedMiniWidth) << file;
    EXPECT_EQ(dlg.Count->Text(), std::to_string(c.expectedCount));
    EXPECT_EQ(ReadFile(path), file);
  }
  // What is loaded passes the dialog's own checks unchanged.
  EXPECT_TRUE(options.Save());
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(SettingsOptionTest, VirtualScreensOffGreysTheirControlsButNotTheMenuItem) {
  WriteFile(path, "[Option]\r\nVirtualDesktop=0\r\n");
  dlg.Pager.Show();
  options.Initialize();
  EXPECT_FALSE(dlg.Count->Enabled());
  EXPECT_FALSE(dlg.Inactive->Enabled());
  EXPECT_FALSE(dlg.HotKeyLeft->Enabled());
  EXPECT_FALSE(dlg.MoveActiveFrame->Enabled());
  EXPECT_TRUE(dlg.Fixed->Enabled());
  EXPECT_TRUE(dlg.TranslucentAlpha->Enabled());
  EXPECT_FALSE(dlg.Pager.Visible());
  EXPECT_FALSE(dlg.SaveSize->Visible());
  EXPECT_FALSE(dlg.Fixed->Visible());

  WriteFile(path, "[Option]\r\nVirtualDesktop=2\r\n");
  ASSERT_TRUE(options.Load());
  EXPECT_TRUE(dlg.Count->Enabled());
  EXPECT_TRUE(dlg.Pager.Visible());
  EXPECT_TRUE(dlg.Fixed->Visible());
}

TEST_F(SettingsOptionTest, ListsLoadAndSaveInsideTheOptionsAccessWithoutLosingWrites) {
  std::vector<std::string> log;
  FakeList commands(app, path, "Command", log);
  FakeList watching(app, path, "Watching", log);
  options.CommandSettings = &commands;
  options.WatchingSettings = &watching;
  options.Initialize();
  EXPECT_EQ(log, (std::vector<std::string>{"Command load", "Watching load"}));

  commands.Name->SetText("editor");
  commands.Title->SetText(expected::JapaneseMemoText);
  watching.Title->SetText("one\ntwo");  // a lone LF is stored as a line break
  dlg.TranslucentAlpha->SetText("99");
  log.clear();
  ASSERT_TRUE(options.Save());
  EXPECT_EQ(log, (std::vector<std::string>{"Command save", "Watching save"}));

  std::string file = ReadFile(path);
  EXPECT_NE(file.find("TranslucentAlpha=99\r\n"), std::string::npos);
  EXPECT_NE(file.find("[Command]\r\nName=\"editor\"\r\nWindowTitle=\""), std::string::npos);
  EXPECT_NE(file.find("[Watching]\r\nName=\"\"\r\nWindowTitle=\"one\\ntwo\"\r\n"),
            std::string::npos);
  EXPECT_FALSE(PathExists(TemporaryPathFor(path)));

  commands.Title->SetText("");
  watching.Title->SetText("");
  ASSERT_TRUE(options.Load());
  EXPECT_EQ(commands.Name->Text(), "editor");
  EXPECT_EQ(commands.Title->Text(), expected::JapaneseMemoText);
  EXPECT_EQ(watching.Title->Text(), "one\r\ntwo");
}

TEST_F(SettingsOptionTest, MemoKeepsItsValueWhenItsKeyIsMissing) {
  std::vector<std::string> log;
  FakeList commands(app, path, "Command", log);
  commands.Title->SetText("design\r\ntime");
  commands.FromControls();
  WriteFile(path, "[Command]\r\nName=\"n\"\r\n");
  ASSERT_TRUE(commands.Load());
  EXPECT_EQ(commands.Title->Text(), "design\r\ntime");
  EXPECT_EQ(commands.Name->Text(), "n");
}

// The options dialog's close query saves; a save that cannot be written keeps it open
// with the input, leaves the file alone and tells the user which file it was.
TEST_F(SettingsOptionTest, FailedWriteIsReportedAndKeepsTheDialogAndTheFile) {
  const std::string before = "[Option]\r\nTranslucentAlpha=128\r\n; keep\r\n";
  WriteFile(path, before);
  options.Initialize();
  std::filesystem::create_directory(TemporaryPathFor(path));

  auto* ok = Create<TButton>(&dlg.Form, "OKBtn");
  ok->SetParent(&dlg.Form);
  ok->ModalResult = mrOk;
  dlg.Form.OnCloseQuery = [&](TComponent&, bool& canClose) {
    if (dlg.Form.ModalResult() == mrOk) canClose = options.Save();
  };
  dlg.Pager.Hide();
  backend.ModalScript = [&](TForm& form) {
    dlg.TranslucentAlpha->SetText("100");
    dlg.VirtualDesktop->SetItemIndex(0);
    ok->Click();
    EXPECT_EQ(form.ModalResult(), mrNone);  // still open
  };
  EXPECT_EQ(dlg.Form.ShowModal(), mrCancel);

  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Flags, mb::OK | mb::IconError);
  EXPECT_NE(backend.Boxes[0].Text.find(path), std::string::npos);
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(dlg.TranslucentAlpha->Text(), "100");  // the input is still there
  EXPECT_EQ(Int("TranslucentAlpha"), 128);         // memory still matches the file
  EXPECT_EQ(Int("VirtualDesktop"), 1);
  EXPECT_FALSE(dlg.Pager.Visible());  // nothing applied

  // Once the file can be written, the same input is saved.
  std::filesystem::remove(TemporaryPathFor(path));
  backend.ModalScript = [&](TForm&) { ok->Click(); };
  EXPECT_EQ(dlg.Form.ShowModal(), mrOk);
  EXPECT_EQ(backend.Boxes.size(), 1u);
  EXPECT_NE(ReadFile(path).find("TranslucentAlpha=100\r\n"), std::string::npos);
  EXPECT_EQ(Int("VirtualDesktop"), 0);
}

TEST_F(SettingsOptionTest, SaveIntoMissingFolderFailsLikeAnyWrite) {
  COption elsewhere(app, dir.Path("missing/tarnwick.ini"));
  OptionTestForm other(app);
  other.BindTo(elsewhere);
  elsewhere.Initialize();
  EXPECT_FALSE(elsewhere.Save());
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_NE(backend.Boxes[0].Text.find(dir.Path("missing/tarnwick.ini")), std::string::npos);
}

}  // namespace
