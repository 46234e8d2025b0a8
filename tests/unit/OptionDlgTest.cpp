// The options dialog opened from the tray menu: what it switches off while it is open,
// how it closes, and the tray menu around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "OptionDlgTestSupport.h"
#include "OptionDlgTestTexts.h"
#include "SettingsTestSupport.h"
#include "commands/CommandDlg.h"
#include "shell/FormMain.h"
#include "watching/AboutBox.h"
#include "watching/WatchingDlg.h"

namespace {

using option_test::OptionsSession;
namespace expected = option_test::expected;

// Position of the first logged call that begins with `prefix` at or after `from`; the
// log's size when there is none.
std::size_t FindCall(const SimDesktop& desktop, const std::string& prefix, std::size_t from = 0) {
  for (std::size_t i = from; i < desktop.Calls.size(); ++i)
    if (desktop.Calls[i].rfind(prefix, 0) == 0) return i;
  return desktop.Calls.size();
}

bool Holds(const SimSystem& system, unsigned modifiers, unsigned key) {
  return system.HotKeyFor(modifiers, key) != nullptr;
}

// Adds a command through the grid menu and the command dialog, as the user does.
void AddCommandInGrid(OptionsSession& run, const std::string& name, std::uint16_t key,
                      TShiftState shift) {
  TOptionDlg& dlg = run.Dialog();
  dlg.PageControl1->SelectPage(3);
  run.Scripts["CommandDlg"] = [&run, name, key, shift](TForm&) {
    TCommandDlg& entry = *run.program->CommandDlg;
    entry.EditName->SetText(name);
    entry.LabeledEditHotKey->PressKey(key, shift);
    entry.OKBtn->Click();
  };
  run.GridMenu(*dlg.DrawGridCommand, 1, dlg.MenuItemAdd);
  run.Scripts.erase("CommandDlg");
}

TEST(OptionDlg, OpeningShowsTheFileAndSwitchesHotKeysAndHookOffUntilItCloses) {
  OptionsSession run("[Command]\r\nCount=1\r\nName0=\"memo\"\r\nHotKey0=\"Ctrl+Alt+M\"\r\n");
  run.Start();
  ASSERT_TRUE(Holds(*run.desktop.System, 3, 'M'));
  // The file changes behind the program's back; the dialog shows what it holds now.
  run.dir.Write("tarnwick.ini",
                "[Option]\r\nTranslucentAlpha=99\r\n[Command]\r\nCount=1\r\nName0=\"memo\"\r\n"
                "HotKey0=\"Ctrl+Alt+N\"\r\n");
  const std::size_t opened = run.desktop.Calls.size();
  std::size_t shown = 0;
  TModalResult result = run.OpenOptions([&](TOptionDlg& dlg) {
    shown = run.desktop.Calls.size();
    EXPECT_EQ(dlg.LabeledEditTranslucentAlpha->Text(), "99");
    EXPECT_TRUE(run.desktop.System->HotKeys.empty()) << "no hot key fires while the dialog is open";
    EXPECT_FALSE(run.desktop.HookStarted);
    dlg.ComboBoxSnappingKey->Select(3);
    dlg.OKBtn->Click();
  });
  EXPECT_EQ(result, mrOk);
  // The hot keys went before the hook, and the hook comes back before the hot keys.
  EXPECT_LT(FindCall(run.desktop, "UnregisterHotKey", opened),
            FindCall(run.desktop, "EndHook", opened));
  EXPECT_LT(FindCall(run.desktop, "EndHook", opened), shown);
  EXPECT_EQ(FindCall(run.desktop, "StartHook", opened), FindCall(run.desktop, "StartHook", shown));
  EXPECT_LT(FindCall(run.desktop, "StartHook", shown),
            FindCall(run.desktop, "RegisterHotKey", shown));
  EXPECT_TRUE(run.desktop.HookStarted);
  EXPECT_EQ(run.desktop.HookSnappingKey, 3) << "the hook restarts with the new snapping key";
  EXPECT_TRUE(Holds(*run.desktop.System, 3, 'N')) << "the command's hot key as the file now has it";
  EXPECT_FALSE(Holds(*run.desktop.System, 3, 'M'));
  EXPECT_TRUE(Holds(*run.desktop.System, 7, 0x24));
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("SnappingKey=3"), std::string::npos);
}

TEST(OptionDlg, CancelForgetsACommandAddedInTheGridAndNeverRegistersItsHotKey) {
  OptionsSession run;
  run.Start();
  TModalResult result = run.OpenOptions([&](TOptionDlg& dlg) {
    AddCommandInGrid(run, "clock", 'Q', ssCtrl | ssAlt);
    EXPECT_EQ(run.program->CommandSettings.Count(), 1);
    EXPECT_EQ(OptionsSession::Shown(*dlg.DrawGridCommand)[1], "clock|Ctrl+Alt+Q");
    dlg.CancelBtn->Click();
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(run.program->CommandSettings.Count(), 0);
  EXPECT_EQ(
      run.desktop.CallCount("RegisterHotKey(" + std::to_string(run.Dialog().Handle()) + ",0,"), 0);
  EXPECT_FALSE(Holds(*run.desktop.System, 3, 'Q'));
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini")) << "Cancel writes nothing";

  // The next opening shows the empty list again, with nothing but "add" on offer.
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(dlg.DrawGridCommand->RowCount(), 2);
    EXPECT_EQ(OptionsSession::Shown(*dlg.DrawGridCommand)[1], "|");
    EXPECT_EQ(run.GridMenu(*dlg.DrawGridCommand, 1, nullptr),
              (std::vector<bool>{true, false, false, false, false}));
  });
}

TEST(OptionDlg, OkSavesTheListsAndRegistersTheNewCommandsHotKey) {
  OptionsSession run;
  run.Start();
  run.OpenOptions([&](TOptionDlg& dlg) {
    AddCommandInGrid(run, "clock", 'Q', ssCtrl | ssAlt);
    dlg.OKBtn->Click();
  });
  const SimHotKey* held = run.desktop.System->HotKeyFor(3, 'Q');
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->Id, 0);
  EXPECT_EQ(held->Window, run.Dialog().Handle());
  const std::string file = run.dir.Read("tarnwick.ini");
  EXPECT_NE(file.find("Name0=\"clock\""), std::string::npos);
  EXPECT_NE(file.find("TranslucentAlpha=200"), std::string::npos);
}

struct BadInput {
  const char* field;
  const char* text;
  const char* message;
  const char* valid;
};

TEST(OptionDlg, OkWithAValueOutOfRangeShowsItsMessageAndStaysOpenAsTyped) {
  const BadInput cases[] = {
      {"LabeledEditTranslucentAlpha", "256", settings_test::expected::AlphaOutOfRange, "128"},
      {"LabeledEditTranslucentAlpha", "0", settings_test::expected::AlphaOutOfRange, "128"},
      {"LabeledEditVirtualDesktopCount", "11", settings_test::expected::CountOutOfRange, "10"},
      {"LabeledEditVirtualDesktopInitialFrame", "5",
       settings_test::expected::InitialFrameOutOfRange, "4"},
      {"LabeledEditVirtualDesktopMiniWidth", "65", settings_test::expected::MiniWidthOutOfRange,
       "64"},
      {"LabeledEditVirtualDesktopMiniWidth", "", settings_test::expected::NotAnIntegerEmpty, "8"},
  };
  for (const BadInput& bad : cases) {
    SCOPED_TRACE(std::string(bad.field) + "=" + bad.text);
    OptionsSession run;
    run.Start();
    run.OpenOptions([&](TOptionDlg& dlg) {
      TLabeledEdit* edit = nullptr;
      for (TComponent* c : dlg.Components())
        if (c->Name() == bad.field) edit = dynamic_cast<TLabeledEdit*>(c);
      ASSERT_NE(edit, nullptr);
      edit->SetText(bad.text);
      dlg.OKBtn->Click();
      ASSERT_EQ(run.backend.Boxes.size(), 1u) << "only the first failing check speaks";
      EXPECT_EQ(run.backend.Boxes[0].Text, bad.message);
      EXPECT_EQ(run.backend.Boxes[0].Flags & mb::IconError, mb::IconError);
      EXPECT_EQ(dlg.ModalResult(), mrNone) << "the dialog stays open";
      EXPECT_EQ(edit->Text(), bad.text);
      // A valid value then closes it.
      edit->SetText(bad.valid);
      dlg.OKBtn->Click();
      EXPECT_EQ(dlg.ModalResult(), mrOk);
    });
    EXPECT_EQ(run.backend.Boxes.size(), 1u);
    EXPECT_TRUE(run.dir.Exists("tarnwick.ini"));
  }
}

TEST(OptionDlg, NotUsingVirtualScreensGreysTheirControlsAtOnceAndOkClosesThePager) {
  OptionsSession run;
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  ASSERT_TRUE(run.Pager().Visible());
  ASSERT_TRUE(dlg.MenuItemVirtualDesktopFixed->Visible());
  std::vector<TControl*> dependent = {
      dlg.LabeledEditVirtualDesktopCount,       dlg.LabeledEditVirtualDesktopInitialFrame,
      dlg.LabeledEditVirtualDesktopMiniWidth,   dlg.RadioGroupVirtualDesktopInactive,
      dlg.LabeledEditVirtualDesktopHotKeyUp,    dlg.LabeledEditVirtualDesktopHotKeyDown,
      dlg.LabeledEditVirtualDesktopHotKeyLeft,  dlg.LabeledEditVirtualDesktopHotKeyRight,
      dlg.CheckBoxVirtualDesktopMoveActiveFrame};
  run.OpenOptions([&](TOptionDlg&) {
    dlg.PageControl1->SelectPage(1);
    dlg.RadioGroupVirtualDesktop->Select(0);
    for (TControl* control : dependent) EXPECT_FALSE(control->Enabled()) << control->Name();
    EXPECT_TRUE(dlg.LabeledEditTranslucentAlpha->Enabled());
    EXPECT_TRUE(dlg.RadioGroupVirtualDesktop->Enabled());
    EXPECT_TRUE(dlg.MenuItemVirtualDesktopFixed->Enabled()) << "a menu item is no control";
    EXPECT_TRUE(run.Pager().Visible()) << "nothing applies before OK";
    dlg.RadioGroupVirtualDesktop->Select(2);
    for (TControl* control : dependent) EXPECT_TRUE(control->Enabled()) << control->Name();
    dlg.RadioGroupVirtualDesktop->Select(0);
    dlg.OKBtn->Click();
  });
  EXPECT_FALSE(run.Pager().Visible());
  EXPECT_FALSE(dlg.MenuItemVirtualDesktopSaveSize->Visible());
  EXPECT_FALSE(dlg.MenuItemVirtualDesktopFixed->Visible());
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("VirtualDesktop=0"), std::string::npos);
  // Opening again shows them greyed, as stored.
  run.OpenOptions([&](TOptionDlg&) {
    for (TControl* control : dependent) EXPECT_FALSE(control->Enabled()) << control->Name();
  });
}

TEST(OptionDlg, NumericFieldsIgnoreEverythingButDigitsAndBackspace) {
  OptionsSession run;
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  for (TLabeledEdit* edit :
       {dlg.LabeledEditTranslucentAlpha, dlg.LabeledEditVirtualDesktopCount,
        dlg.LabeledEditVirtualDesktopInitialFrame, dlg.LabeledEditVirtualDesktopMiniWidth}) {
    const std::string before = edit->Text();
    for (char16_t c : std::u16string(u"a-+ .x")) edit->TypeChar(c);
    EXPECT_EQ(edit->Text(), before) << edit->Name();
    edit->TypeChar(u'7');
    edit->TypeChar(8);
    edit->TypeChar(8);
    EXPECT_EQ(edit->Text(), before.substr(0, before.size() - 1)) << edit->Name();
  }
}

TEST(OptionDlg, TabAndGridSelectionStayForTheNextOpening) {
  OptionsSession run("[Command]\r\nCount=3\r\nName0=\"a\"\r\nName1=\"b\"\r\nName2=\"c\"\r\n");
  run.Start();
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(dlg.PageControl1->ActivePage(), dlg.TabSheet1) << "the first tab at start";
    dlg.PageControl1->SelectPage(3);
    OptionsSession::ClickRow(*dlg.DrawGridCommand, 3);
  });
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(dlg.PageControl1->ActivePage(), dlg.TabSheet4);
    EXPECT_EQ(dlg.DrawGridCommand->Row(), 3);
  });
  // A list that shrank in the file meanwhile keeps the selection within its rows.
  run.dir.Write("tarnwick.ini", "[Command]\r\nCount=1\r\nName0=\"a\"\r\n");
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(dlg.DrawGridCommand->RowCount(), 2);
    EXPECT_EQ(dlg.DrawGridCommand->Row(), 1);
  });
}

TEST(OptionDlg, TrayMenuOffersSixItemsInOrderOrFourWithoutVirtualScreens) {
  for (const char* strip : {"1", "0"}) {
    OptionsSession run(std::string("[Option]\r\nVirtualDesktop=") + strip + "\r\n");
    run.Start();
    TOptionDlg& dlg = run.Dialog();
    EXPECT_TRUE(dlg.TrayIcon1->Visible()) << "the icon is there from the start";
    std::vector<std::string> offered;
    run.backend.PopupScript = [&](TPopupMenu& menu) -> TMenuItem* {
      for (TMenuItem* item : menu.Items)
        if (item->Visible()) offered.push_back(item->Caption());
      return nullptr;
    };
    dlg.TrayIcon1->RightClick(1000, 740);
    ASSERT_EQ(run.backend.PoppedMenus, std::vector<std::string>{"PopupMenuContext"});
    std::vector<std::string> all = {
        expected::MenuOption, expected::MenuSaveSize,         expected::MenuFixed,
        expected::MenuAbout,  expected::MenuStartWithWindows, "-",
        expected::MenuExit};
    if (std::string(strip) == "0")
      all = {expected::MenuOption, expected::MenuAbout, expected::MenuStartWithWindows, "-",
             expected::MenuExit};
    EXPECT_EQ(offered, all) << "VirtualDesktop=" << strip;
  }
}

TEST(OptionDlg, OptionsChosenAgainWhileOpenBringTheOpenDialogToTheFront) {
  OptionsSession run;
  run.Start();
  WindowHandle other = run.AddWindow("Notepad", "memo", {0, 0, 100, 100});
  int openings = 0;
  run.OpenOptions([&](TOptionDlg& dlg) {
    ++openings;
    run.desktop.SetForegroundWindow(other);
    dlg.MenuItemOption->Click();
    EXPECT_EQ(run.desktop.Foreground, dlg.Handle());
    dlg.OKBtn->Click();
  });
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(std::count(run.backend.ModalForms.begin(), run.backend.ModalForms.end(), "OptionDlg"),
            1);
  EXPECT_EQ(run.desktop.CallCount("StartHook"), 2) << "one start, one restart";
}

TEST(OptionDlg, ExitWhileOpenClosesItAsCancelAndThenEndsWithoutRestartingAnything) {
  OptionsSession run;
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  std::size_t exitChosen = 0;
  TModalResult result = run.OpenOptions([&](TOptionDlg&) {
    AddCommandInGrid(run, "clock", 'Q', ssCtrl | ssAlt);
    exitChosen = run.desktop.Calls.size();
    dlg.MenuItemExit->Click();
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(run.program->CommandSettings.Count(), 0) << "the lists were reloaded as on Cancel";
  EXPECT_EQ(FindCall(run.desktop, "StartHook", exitChosen), run.desktop.Calls.size());
  EXPECT_EQ(FindCall(run.desktop, "RegisterHotKey", exitChosen), run.desktop.Calls.size());
  EXPECT_TRUE(run.desktop.System->HotKeys.empty());
  EXPECT_FALSE(run.desktop.HookStarted);
  EXPECT_FALSE(dlg.TrayIcon1->Visible());
  EXPECT_TRUE(run.program->Application.Terminated());
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini"));
}

TEST(OptionDlg, ExitWhileAnEntryDialogIsOpenClosesBothDialogsFirst) {
  OptionsSession run;
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  bool entryClosedByExit = false;
  run.OpenOptions([&](TOptionDlg&) {
    dlg.PageControl1->SelectPage(3);
    run.Scripts["CommandDlg"] = [&](TForm& entry) {
      dlg.MenuItemExit->Click();
      entryClosedByExit = entry.ModalResult() == mrCancel;
      EXPECT_FALSE(run.program->Application.Terminated()) << "not while a dialog still runs";
    };
    run.GridMenu(*dlg.DrawGridCommand, 1, dlg.MenuItemAdd);
    EXPECT_EQ(dlg.ModalResult(), mrCancel);
  });
  EXPECT_TRUE(entryClosedByExit);
  EXPECT_EQ(run.program->CommandSettings.Count(), 0);
  EXPECT_TRUE(run.program->Application.Terminated());
}

TEST(OptionDlg, ExitBringsParkedWindowsBackThenWithdrawsHotKeysHookAndIcon) {
  OptionsSession run;
  run.Start();
  WindowHandle parked = run.AddWindow("Notepad", "memo", {100, 100, 500, 400});
  run.Pager().RefreshWindowList();
  run.Send(win::WmHotKey, 0xBFFC);  // the next frame down: the window goes up and away
  ASSERT_EQ(run.desktop.Windows[parked].Rect.Top, 100 - 768);
  run.desktop.Calls.clear();
  run.Dialog().MenuItemExit->Click();
  const std::size_t moved = FindCall(run.desktop, "MoveWindow(" + std::to_string(parked));
  const std::size_t placed = FindCall(run.desktop, "SetWindowPlacement(" + std::to_string(parked));
  EXPECT_LT(std::min(moved, placed), FindCall(run.desktop, "UnregisterHotKey"));
  EXPECT_LT(FindCall(run.desktop, "UnregisterHotKey"), FindCall(run.desktop, "EndHook"));
  EXPECT_EQ(run.desktop.Windows[parked].Rect.Top, 100);
  EXPECT_FALSE(run.Dialog().TrayIcon1->Visible());
  EXPECT_TRUE(run.program->Application.Terminated());
}

TEST(OptionDlg, VersionBoxOpensFromTheTrayWithHotKeysAndHookStillOn) {
  OptionsSession run;
  run.Start();
  bool shown = false;
  run.Scripts["AboutBox"] = [&](TForm&) {
    shown = true;
    EXPECT_FALSE(run.desktop.System->HotKeys.empty());
    EXPECT_TRUE(run.desktop.HookStarted);
    run.program->AboutBox->OKButton->Click();
  };
  run.backend.PopupScript = [&](TPopupMenu&) { return run.Dialog().MenuItemAbout; };
  run.Dialog().TrayIcon1->RightClick(1000, 740);
  EXPECT_TRUE(shown);
  EXPECT_EQ(run.desktop.CallCount("UnregisterHotKey"), 0);
  EXPECT_EQ(run.desktop.CallCount("EndHook"), 0);
}

TEST(OptionDlg, PagerItemsOfTheTrayMenuWriteTheSettingsFileAtOnce) {
  OptionsSession run;
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  run.Pager().SetBounds(30, 40, 90, 170);
  dlg.MenuItemVirtualDesktopSaveSize->Click();
  std::string file = run.dir.Read("tarnwick.ini");
  for (const char* line : {"Left=30", "Top=40", "Width=90", "Height=170"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
  dlg.MenuItemVirtualDesktopFixed->Click();
  EXPECT_TRUE(dlg.MenuItemVirtualDesktopFixed->Checked());
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("Fixed=1"), std::string::npos);
  EXPECT_EQ(run.program->OptionSettings["VirtualDesktopFixed"].IntValue(), 1);
  EXPECT_EQ(run.backend.ModalForms.size(), 0u) << "without the options dialog";
}

}  // namespace

namespace {

const char* const kFileWithLists =
    "[Option]\r\nTranslucentAlpha=150\r\n"
    "[Command]\r\nCount=1\r\nName0=\"memo\"\r\nHotKey0=\"Ctrl+Alt+F7\"\r\n"
    "WindowTitle0=\"@Notepad\"\r\nProgram0=\"notepad.exe\"\r\n"
    "[Watching]\r\nCount=1\r\nName0=\"mines rule\"\r\nWindowTitle0=\"@WineMine\"\r\n";

bool Has(const std::string& file, const std::string& text) {
  return file.find(text) != std::string::npos;
}

TEST(OptionDlg, SettingsFileDeletedWhileRunningIsWrittenAgainInFullBeforeTheDialogReadsIt) {
  OptionsSession run(kFileWithLists);
  run.Start();
  std::filesystem::remove(run.dir.File("tarnwick.ini"));
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(run.program->CommandSettings.Count(), 1) << "the lists are not read as empty";
    EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
    dlg.CancelBtn->Click();
  });
  // Cancel reads the lists again from the file written anew: nothing is lost.
  EXPECT_EQ(run.program->CommandSettings.Count(), 1);
  const std::string file = run.dir.Read("tarnwick.ini");
  for (const char* text : {"[Option]", "TranslucentAlpha=150", "[VirtualDesktop]", "[Command]",
                           "Name0=\"memo\"", "[Watching]", "Name0=\"mines rule\""})
    EXPECT_TRUE(Has(file, text)) << text;
  EXPECT_TRUE(run.backend.Boxes.empty());
}

TEST(OptionDlg, PagerItemsAfterTheFileWasDeletedWriteACompleteFile) {
  OptionsSession run(kFileWithLists);
  run.Start();
  TOptionDlg& dlg = run.Dialog();
  std::filesystem::remove(run.dir.File("tarnwick.ini"));
  dlg.MenuItemVirtualDesktopSaveSize->Click();
  std::string file = run.dir.Read("tarnwick.ini");
  for (const char* text : {"TranslucentAlpha=150", "Width=", "Name0=\"memo\"", "[Watching]"})
    EXPECT_TRUE(Has(file, text)) << text;
  std::filesystem::remove(run.dir.File("tarnwick.ini"));
  dlg.MenuItemVirtualDesktopFixed->Click();
  file = run.dir.Read("tarnwick.ini");
  for (const char* text : {"TranslucentAlpha=150", "Fixed=1", "Name0=\"memo\"", "[Watching]"})
    EXPECT_TRUE(Has(file, text)) << text;
  EXPECT_TRUE(run.backend.Boxes.empty());
}

TEST(OptionDlg, WithoutAFileEverSeenOpeningTheDialogWritesNothing) {
  OptionsSession run;
  run.Start();
  run.OpenOptions([](TOptionDlg& dlg) { dlg.CancelBtn->Click(); });
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini"));
}

TEST(OptionDlg, ReadOnlySettingsFileRefusesOkAndThePagerItemsWithTheErrorBox) {
  OptionsSession run(kFileWithLists);
  run.Start();
  const std::string path = run.dir.File("tarnwick.ini");
  const std::string before = run.dir.Read("tarnwick.ini");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.LabeledEditTranslucentAlpha->SetText("77");
    dlg.OKBtn->Click();
    ASSERT_EQ(run.backend.Boxes.size(), 1u);
    EXPECT_NE(run.backend.Boxes[0].Text.find(path), std::string::npos) << "names the file";
    EXPECT_EQ(dlg.ModalResult(), mrNone) << "the dialog stays open";
    EXPECT_EQ(dlg.LabeledEditTranslucentAlpha->Text(), "77");
    dlg.CancelBtn->Click();
  });
  EXPECT_EQ(run.program->OptionSettings["TranslucentAlpha"].IntValue(), 150);
  run.Dialog().MenuItemVirtualDesktopFixed->Click();
  run.Dialog().MenuItemVirtualDesktopSaveSize->Click();
  EXPECT_EQ(run.backend.Boxes.size(), 3u) << "each failed write is reported";
  EXPECT_EQ(run.dir.Read("tarnwick.ini"), before);
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini.tmp"));
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

// Opens the watching dialog with the get-info hot key on a new window in front, types a
// name and presses OK.
TWatchingDlg& AddRuleFromGetInfo(OptionsSession& run, const std::string& name) {
  run.desktop.ForegroundLockTimeout = 0;
  run.desktop.Foreground = run.AddWindow("Notepad", "memo", {40, 60, 200, 260});
  run.Send(win::WmHotKey, 0xBFFE);
  TWatchingDlg& rule = *run.program->WatchingDlg;
  rule.EditName->SetText(name);
  rule.OKBtn->Click();
  return rule;
}

TEST(OptionDlg, RuleFromGetInfoAfterTheFileWasDeletedWritesACompleteFile) {
  OptionsSession run(kFileWithLists);
  run.Start();
  std::filesystem::remove(run.dir.File("tarnwick.ini"));
  EXPECT_FALSE(AddRuleFromGetInfo(run, "memo rule").Visible());
  const std::string file = run.dir.Read("tarnwick.ini");
  for (const char* text : {"TranslucentAlpha=150", "[Command]", "Name0=\"memo\"", "[Watching]",
                           "Count=2", "Name0=\"mines rule\"", "Name1=\"memo rule\""})
    EXPECT_TRUE(Has(file, text)) << text;
  run.OpenOptions([&](TOptionDlg& dlg) {
    EXPECT_EQ(run.program->CommandSettings.Count(), 1);
    dlg.OKBtn->Click();
  });
  EXPECT_TRUE(Has(run.dir.Read("tarnwick.ini"), "Name0=\"memo\""));
  EXPECT_TRUE(run.backend.Boxes.empty());
}

TEST(OptionDlg, RewriteThatFailsKeepsTheListsInMemoryAndSaysSo) {
  OptionsSession run(kFileWithLists);
  run.Start();
  const std::string path = run.dir.File("tarnwick.ini");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path + ".tmp");  // the rename over it cannot happen
  run.OpenOptions([&](TOptionDlg& dlg) {
    ASSERT_EQ(run.backend.Boxes.size(), 1u) << "the failed rewrite is reported";
    EXPECT_NE(run.backend.Boxes[0].Text.find(path), std::string::npos);
    EXPECT_EQ(run.program->CommandSettings.Count(), 1);
    EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
    AddCommandInGrid(run, "clock", 'Q', ssCtrl | ssAlt);
    dlg.CancelBtn->Click();
  });
  // Cancel drops the command added in the grid, not the lists the file held.
  ASSERT_EQ(run.program->CommandSettings.Count(), 1);
  EXPECT_EQ(run.program->CommandSettings.Entry(0).Name.Str(), "memo");
  EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
  EXPECT_FALSE(run.dir.Exists("tarnwick.ini"));

  std::filesystem::remove(path + ".tmp");
  run.OpenOptions([](TOptionDlg& dlg) { dlg.OKBtn->Click(); });
  const std::string file = run.dir.Read("tarnwick.ini");
  EXPECT_TRUE(Has(file, "Name0=\"memo\"")) << file;
  EXPECT_TRUE(Has(file, "Name0=\"mines rule\"")) << file;
}

TEST(OptionDlg, AddingToAFullListSaysSoInsteadOfDroppingTheEntry) {
  OptionsSession run("[Watching]\r\nCount=49146\r\nName0=\"w\"\r\nWindowTitle0=\"@w\"\r\n");
  run.Start();
  bool entryDialogShown = false;
  run.Scripts["WatchingDlg"] = [&](TForm&) { entryDialogShown = true; };
  // The grid's "add", then a rule from get-info.
  EXPECT_FALSE(run.program->WatchingSettings.EditEntry(-1));
  EXPECT_FALSE(entryDialogShown) << "nothing is typed that could not be kept";
  EXPECT_TRUE(AddRuleFromGetInfo(run, "one more").Visible()) << "the rule typed stays";
  ASSERT_EQ(run.backend.Boxes.size(), 2u);
  for (const auto& box : run.backend.Boxes) EXPECT_EQ(box.Text, expected::ListFull);
  EXPECT_EQ(run.program->WatchingSettings.Count(), kMaxListEntries);
}

}  // namespace
