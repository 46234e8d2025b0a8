// The two list grids of the options dialog: what they show, their menu and double click.
#include <gtest/gtest.h>

#include "OptionDlgTestSupport.h"
#include "OptionDlgTestTexts.h"
#include "commands/CommandDlg.h"
#include "watching/WatchingDlg.h"

namespace {

using option_test::OptionsSession;
using option_test::RecordingCanvas;
namespace expected = option_test::expected;

const char* const kThreeCommands =
    "[Command]\r\nCount=3\r\nName0=\"a\"\r\nHotKey0=\"Ctrl+Alt+A\"\r\n"
    "Name1=\"b\"\r\nHotKey1=\"Ctrl+Alt+B\"\r\nName2=\"c\"\r\nHotKey2=\"\"\r\n";

std::vector<std::string> Names(const CCommandOption& commands) {
  std::vector<std::string> names;
  for (int i = 0; i < commands.Count(); ++i) names.push_back(commands.Entry(i).Name);
  return names;
}

// The state of remove, edit, up and down (add is always on offer when there is a list).
using Offer = std::vector<bool>;

TEST(OptionDlgGrid, HeaderAndEntriesAreDrawnTwoPixelsIntoTheirCells) {
  OptionsSession run(std::string(kThreeCommands) + "[Watching]\r\nCount=1\r\nName0=\"" +
                     expected::JapaneseName + "\"\r\nWindowTitle0=\"@Notepad\"\r\n");
  run.Start();
  run.OpenOptions([&](TOptionDlg& dlg) {
    TDrawGrid& grid = *dlg.DrawGridCommand;
    EXPECT_EQ(grid.RowCount(), 4);
    RecordingCanvas canvas;
    grid.PaintCells(canvas, true);
    ASSERT_EQ(canvas.Texts.size(), 8u) << "two header cells, two cells per entry";
    const TRect header = grid.CellRect(1, 0);
    EXPECT_EQ(canvas.Texts[1].X, header.Left + 2);
    EXPECT_EQ(canvas.Texts[1].Y, header.Top + 2);
    EXPECT_EQ(canvas.Texts[1].Value, expected::ColumnHotKey);
    EXPECT_EQ(
        OptionsSession::Shown(grid),
        (std::vector<std::string>{std::string(expected::ColumnName) + "|" + expected::ColumnHotKey,
                                  "a|Ctrl+Alt+A", "b|Ctrl+Alt+B", "c|"}));
    // The selected row and the header are drawn as such.
    EXPECT_EQ(canvas.Cells[0].second, gdFixed);
    EXPECT_EQ(canvas.Cells[2].second, gdSelected | gdFocused);
    EXPECT_EQ(canvas.Cells[4].second, 0u);

    EXPECT_EQ(OptionsSession::Shown(*dlg.DrawGridWatching),
              (std::vector<std::string>{
                  std::string(expected::ColumnName) + "|" + expected::ColumnWindowTitle,
                  std::string(expected::JapaneseName) + "|@Notepad"}));
  });
}

TEST(OptionDlgGrid, EmptyListShowsOneEmptyRowOffersOnlyAddAndIgnoresDoubleClicks) {
  OptionsSession run;
  run.Start();
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.PageControl1->SelectPage(3);
    TDrawGrid& grid = *dlg.DrawGridCommand;
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(OptionsSession::Shown(grid)[1], "|");
    EXPECT_EQ(run.GridMenu(grid, 1, nullptr), (Offer{true, false, false, false, false}));
    const TRect cell = grid.CellRect(0, 1);
    grid.DoubleClick(0, cell.Left + 3, cell.Top + 3);
    // Choosing a greyed item does nothing either.
    run.GridMenu(grid, 1, dlg.MenuItemEdit);
    run.GridMenu(grid, 1, dlg.MenuItemRemove);
  });
  EXPECT_EQ(run.backend.ModalForms, std::vector<std::string>{"OptionDlg"});
  EXPECT_EQ(run.program->CommandSettings.Count(), 0);
}

TEST(OptionDlgGrid, UpIsOffFirstAndDownLastWhateverIsSelected) {
  OptionsSession run(kThreeCommands);
  run.Start();
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.PageControl1->SelectPage(3);
    TDrawGrid& grid = *dlg.DrawGridCommand;
    const Offer first{true, true, true, false, true};
    const Offer middle{true, true, true, true, true};
    const Offer last{true, true, true, true, false};
    OptionsSession::ClickRow(grid, 1);
    EXPECT_EQ(run.GridMenu(grid, 3, nullptr), first) << "a right click does not select";
    OptionsSession::ClickRow(grid, 2);
    EXPECT_EQ(run.GridMenu(grid, 2, nullptr), middle);
    OptionsSession::ClickRow(grid, 3);
    EXPECT_EQ(run.GridMenu(grid, 3, nullptr), last);
    // A click on the header leaves the selection.
    OptionsSession::ClickRow(grid, 0);
    EXPECT_EQ(grid.Row(), 3);
    // One entry: neither up nor down.
    run.GridMenu(grid, 3, dlg.MenuItemRemove);
    run.GridMenu(grid, 2, dlg.MenuItemRemove);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(run.GridMenu(grid, 1, nullptr), (Offer{true, true, true, false, false}));
  });
}

TEST(OptionDlgGrid, MovesAndRemovalActOnTheSelectedEntryAndKeepTheRowNumber) {
  OptionsSession run(kThreeCommands);
  run.Start();
  CCommandOption& commands = run.program->CommandSettings;
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.PageControl1->SelectPage(3);
    TDrawGrid& grid = *dlg.DrawGridCommand;
    OptionsSession::ClickRow(grid, 1);
    run.GridMenu(grid, 1, dlg.MenuItemDown);
    EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(grid.Row(), 1) << "the row stays and now shows the neighbour";
    EXPECT_EQ(OptionsSession::Shown(grid)[1], "b|Ctrl+Alt+B");
    OptionsSession::ClickRow(grid, 3);
    run.GridMenu(grid, 3, dlg.MenuItemUp);
    EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(grid.Row(), 3);
    run.GridMenu(grid, 3, dlg.MenuItemRemove);
    EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Row(), 2) << "the selection stays within the rows left";
    dlg.OKBtn->Click();
  });
  // The new order is saved, and the hot keys follow the positions.
  const std::string file = run.dir.Read("tarnwick.ini");
  EXPECT_NE(file.find("Name0=\"b\""), std::string::npos);
  EXPECT_NE(file.find("Count=2"), std::string::npos);
  ASSERT_NE(run.desktop.System->HotKeyFor(3, 'B'), nullptr);
  EXPECT_EQ(run.desktop.System->HotKeyFor(3, 'B')->Id, 0);
  EXPECT_EQ(run.desktop.System->HotKeyFor(3, 'A'), nullptr);
}

TEST(OptionDlgGrid, DoubleClickEditsTheEntryUnderThePointer) {
  OptionsSession run(kThreeCommands);
  run.Start();
  TCommandDlg& entry = *run.program->CommandDlg;
  run.Scripts["CommandDlg"] = [&](TForm&) {
    EXPECT_EQ(entry.OKBtn->Caption(), expected::EditCaption);
    EXPECT_EQ(entry.EditName->Text(), "b");
    entry.EditName->SetText("bee");
    entry.OKBtn->Click();
  };
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.PageControl1->SelectPage(3);
    TDrawGrid& grid = *dlg.DrawGridCommand;
    const TRect cell = grid.CellRect(1, 2);
    grid.DoubleClick(0, cell.Left + 10, cell.Top + 5);
    EXPECT_EQ(OptionsSession::Shown(grid)[2], "bee|Ctrl+Alt+B");
    // Cancelling the entry dialog changes nothing.
    run.Scripts["CommandDlg"] = [&](TForm&) {
      entry.EditName->SetText("changed");
      entry.CancelBtn->Click();
    };
    grid.DoubleClick(0, cell.Left + 10, cell.Top + 5);
    EXPECT_EQ(OptionsSession::Shown(grid)[2], "bee|Ctrl+Alt+B");
  });
  EXPECT_EQ(Names(run.program->CommandSettings), (std::vector<std::string>{"a", "b", "c"}))
      << "the options dialog was cancelled";
}

TEST(OptionDlgGrid, AddAppendsThroughTheEntryDialogAndGrowsTheGrid) {
  OptionsSession run("[Watching]\r\nCount=1\r\nName0=\"first\"\r\nWindowTitle0=\"@Notepad\"\r\n");
  run.Start();
  TWatchingDlg& entry = *run.program->WatchingDlg;
  run.Scripts["WatchingDlg"] = [&](TForm&) {
    EXPECT_EQ(entry.OKBtn->Caption(), expected::AddCaption);
    EXPECT_EQ(entry.EditName->Text(), "");
    entry.EditName->SetText("clock");
    entry.EditWindowTitle->SetText("@CLClass");
    entry.OKBtn->Click();
  };
  run.OpenOptions([&](TOptionDlg& dlg) {
    dlg.PageControl1->SelectPage(4);
    TDrawGrid& grid = *dlg.DrawGridWatching;
    run.GridMenu(grid, 1, dlg.MenuItemAdd);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(OptionsSession::Shown(grid)[2], "clock|@CLClass");
    EXPECT_EQ(grid.Row(), 1) << "adding does not move the selection";
    dlg.OKBtn->Click();
  });
  EXPECT_NE(run.dir.Read("tarnwick.ini").find("WindowTitle1=\"@CLClass\""), std::string::npos);
}

TEST(OptionDlgGrid, TheMenuActsOnTheGridOfTheVisibleTabAlsoFromTheKeyboard) {
  OptionsSession run(kThreeCommands);
  run.Start();
  run.Scripts["WatchingDlg"] = [&](TForm&) {
    run.program->WatchingDlg->EditName->SetText("rule");
    run.program->WatchingDlg->EditWindowTitle->SetText("@Notepad");
    run.program->WatchingDlg->OKBtn->Click();
  };
  run.OpenOptions([&](TOptionDlg& dlg) {
    // Before any press with the mouse: the context key in the watching grid.
    dlg.PageControl1->SelectPage(4);
    EXPECT_EQ(run.GridMenu(*dlg.DrawGridWatching, -1, dlg.MenuItemAdd),
              (Offer{true, false, false, false, false}));
    EXPECT_EQ(run.program->WatchingSettings.Count(), 1);
    // The command grid pressed last, then the watching tab again by keyboard: the
    // watching list it is, with its own enabling.
    dlg.PageControl1->SelectPage(3);
    OptionsSession::ClickRow(*dlg.DrawGridCommand, 2);
    dlg.PageControl1->SelectPage(4);
    EXPECT_EQ(run.GridMenu(*dlg.DrawGridWatching, -1, dlg.MenuItemRemove),
              (Offer{true, true, true, false, false}));
    EXPECT_EQ(run.program->WatchingSettings.Count(), 0);
    EXPECT_EQ(run.program->CommandSettings.Count(), 3);
    EXPECT_EQ(dlg.GridTarget(), dlg.DrawGridWatching);
  });
}

}  // namespace
