// The toolkit pieces the options dialog is made of: the owner-drawn grid's geometry,
// selection and scrolling, the page control, and the tray icon's life in the backend.
#include <gtest/gtest.h>

#include "OptionDlgTestSupport.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Grids.h"
#include "toolkit/Layout.h"
#include "toolkit/Menus.h"
#include "toolkit/TrayIcon.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using option_test::RecordingCanvas;

// A grid as the options dialog has it: columns 144 and 244, rows 18 high plus a line,
// room for a header and five rows.
struct GridTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "Form"};
  TDrawGrid* grid = Place<TDrawGrid>(&form, &form, "DrawGridCommand", 0, 0, 300, 6 * 19 + 4);

  GridTest() {
    grid->SetColWidths({144, 244});
    grid->SetRowCount(21);
  }
};

TEST_F(GridTest, CellsLieOneLineApartAndTheHeaderStaysWhileRowsScroll) {
  EXPECT_EQ(grid->VisibleRowCount(), 5);
  EXPECT_EQ(grid->CellRect(1, 0), (TRect{145, 0, 389, 18}));
  EXPECT_EQ(grid->CellRect(0, 2), (TRect{0, 38, 144, 56}));
  EXPECT_EQ(grid->CellRect(0, 6), TRect{}) << "below the client area";
  grid->SetTopRow(10);
  EXPECT_EQ(grid->CellRect(1, 0), (TRect{145, 0, 389, 18}));
  EXPECT_EQ(grid->CellRect(0, 9), TRect{}) << "scrolled away above";
  EXPECT_EQ(grid->CellRect(0, 10), (TRect{0, 19, 144, 37}));

  int col = -1, row = -1;
  ASSERT_TRUE(grid->MouseToCell(150, 5, col, row));
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 0);
  ASSERT_TRUE(grid->MouseToCell(144, 40, col, row)) << "the line belongs to the cell before";
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 11);
  EXPECT_FALSE(grid->MouseToCell(10, 500, col, row));
  grid->SetRowCount(3);
  EXPECT_FALSE(grid->MouseToCell(10, 60, col, row)) << "no row there";
}

TEST_F(GridTest, TheSelectionScrollsIntoViewAndStaysWithinTheRows) {
  EXPECT_EQ(grid->Row(), 1) << "the first row below the header";
  grid->NavigationKey(vk::Down, 0);
  grid->NavigationKey(vk::Next, 0);
  EXPECT_EQ(grid->Row(), 7);
  EXPECT_EQ(grid->TopRow(), 3) << "just enough to show row 7 at the bottom";
  grid->NavigationKey(vk::End, 0);
  EXPECT_EQ(grid->Row(), 20);
  EXPECT_EQ(grid->TopRow(), grid->MaxTopRow());
  EXPECT_EQ(grid->MaxTopRow(), 16);
  grid->NavigationKey(vk::Up, 0);
  EXPECT_EQ(grid->TopRow(), 16) << "a row in view needs no scrolling";
  grid->NavigationKey(vk::Home, 0);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->NavigationKey(vk::Up, 0);
  EXPECT_EQ(grid->Row(), 1) << "the header is never selected";
  EXPECT_FALSE(grid->NavigationKey('A', 0));

  grid->SetRow(20);
  grid->SetRowCount(4);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetRowCount(0);
  EXPECT_EQ(grid->RowCount(), 2) << "a header and one row at least";
}

TEST_F(GridTest, OnlyALeftPressOnARowSelectsItBeforeTheHandlerRuns) {
  std::vector<int> seen;
  grid->OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int, int) {
    seen.push_back(grid->Row());
  };
  int doubleClicks = 0;
  grid->OnDblClick = [&](TComponent&) { ++doubleClicks; };
  grid->MouseDown(TMouseButton::Left, 0, 10, 3 * 19 + 5);
  grid->MouseDown(TMouseButton::Right, 0, 10, 1 * 19 + 5);
  grid->MouseDown(TMouseButton::Left, 0, 10, 5);
  grid->DoubleClick(0, 10, 4 * 19 + 5);
  EXPECT_EQ(seen, (std::vector<int>{3, 3, 3, 4}));
  EXPECT_EQ(doubleClicks, 1);
  grid->ScrollBy(2);
  grid->MouseDown(TMouseButton::Left, 0, 10, 1 * 19 + 5);
  EXPECT_EQ(grid->Row(), 3) << "the first row in view is row 3 now";
}

TEST_F(GridTest, PaintingDrawsTheCellsInViewWithTheirStates) {
  grid->SetRowCount(4);
  grid->SetRow(2);
  std::vector<std::pair<int, int>> cells;
  TGridCanvas* during = nullptr;
  grid->OnDrawCell = [&](TComponent&, int col, int row, const TRect&, TGridDrawState) {
    cells.emplace_back(col, row);
    during = grid->Canvas();
  };
  RecordingCanvas canvas;
  grid->PaintCells(canvas, false);
  EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{
                       {0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}}));
  EXPECT_EQ(during, &canvas);
  EXPECT_EQ(grid->Canvas(), nullptr) << "only while drawing";
  EXPECT_EQ(canvas.Cells[1].second, gdFixed);
  EXPECT_EQ(canvas.Cells[4].second, gdSelected) << "not focused";
  EXPECT_EQ(canvas.Cells[2].second, 0u);
}

TEST_F(GridTest, ContextPopupOpensTheGridsMenuForIt) {
  auto* menu = Create<TPopupMenu>(&form, "PopupMenuGrid");
  grid->ContextPopup(5, 5);
  EXPECT_TRUE(backend.PoppedMenus.empty()) << "no menu, nothing opens";
  grid->PopupMenu = menu;
  grid->ContextPopup(5, 5);
  EXPECT_EQ(backend.PoppedMenus, std::vector<std::string>{"PopupMenuGrid"});
  EXPECT_EQ(menu->PopupComponent, grid);
}

TEST(PageControl, OnePageShowsAtATimeAndOnlyTheUsersChoiceFiresOnChange) {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "Form"};
  auto* pages = Place<TPageControl>(&form, &form, "PageControl1", 8, 8, 346, 216);
  std::vector<TTabSheet*> sheets;
  for (const char* name : {"TabSheet1", "TabSheet2", "TabSheet3"}) {
    auto* sheet = Create<TTabSheet>(&form, name);
    sheet->SetPageControl(pages);
    sheets.push_back(sheet);
  }
  auto* edit = Place<TEdit>(&form, sheets[1], "EditOnPage2", 4, 4, 50, 20);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_TRUE(sheets[0]->Visible());
  EXPECT_FALSE(sheets[1]->Visible());
  const TRect area = pages->PageRect();
  EXPECT_EQ(sheets[2]->Left(), area.Left);
  EXPECT_EQ(sheets[2]->Top(), area.Top);
  EXPECT_EQ(sheets[2]->Width(), 346 - 2 * TPageControl::PageMargin);
  EXPECT_EQ(sheets[2]->Height(), 216 - TPageControl::TabHeight - 2 * TPageControl::PageMargin);
  EXPECT_EQ(edit->Parent(), sheets[1]);

  int changes = 0;
  pages->OnChange = [&](TComponent&) { ++changes; };
  pages->SelectPage(1);
  pages->SelectPage(1);
  pages->SelectPage(7);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(sheets[0]->Visible());
  EXPECT_TRUE(sheets[1]->Visible());
  pages->SetActivePage(sheets[2]);
  EXPECT_EQ(changes, 1) << "the program's own choice is no event";
  EXPECT_EQ(sheets[2]->PageIndex(), 2);

  // A page that goes takes its tab along; the next page shows in its place.
  delete sheets[2];
  EXPECT_EQ(pages->Pages().size(), 2u);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_TRUE(sheets[1]->Visible());
}

// Records what the toolkit asks of the notification area.
struct TrayBackend : HeadlessBackend {
  std::vector<std::string> Updates;
  void UpdateTrayIcon(TTrayIcon& icon) override {
    Updates.push_back(icon.Name() + (icon.Visible() ? " shown " + icon.Hint() : " removed"));
  }
};

TEST(TrayIcon, IsAddedChangedAndRemovedAlsoWhenItGoesWithItsForm) {
  TrayBackend backend;
  TApplication app{backend};
  {
    TForm form{app, "OptionDlg"};
    auto* icon = Create<TTrayIcon>(&form, "TrayIcon1");
    icon->SetHint("Tarnwick");
    icon->SetVisible(true);
    icon->SetHint("Tarnwick 2");
    icon->SetVisible(false);
    icon->SetHint("unseen");
    icon->SetVisible(true);
  }
  EXPECT_EQ(backend.Updates,
            (std::vector<std::string>{"TrayIcon1 shown Tarnwick", "TrayIcon1 shown Tarnwick 2",
                                      "TrayIcon1 removed", "TrayIcon1 shown unseen",
                                      "TrayIcon1 removed"}));
}

TEST(TrayIcon, ARightClickOpensItsMenuAtThePointerWithoutAControl) {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "OptionDlg"};
  auto* icon = Create<TTrayIcon>(&form, "TrayIcon1");
  auto* menu = Create<TPopupMenu>(&form, "PopupMenuContext");
  auto* item = Create<TMenuItem>(&form, "MenuItemAbout");
  menu->Items.push_back(item);
  int chosen = 0;
  item->OnClick = [&](TComponent&) { ++chosen; };
  icon->RightClick(1000, 740);
  EXPECT_TRUE(backend.PoppedMenus.empty());
  icon->PopupMenu = menu;
  menu->PopupComponent = &form;
  backend.PopupScript = [&](TPopupMenu&) { return item; };
  icon->RightClick(1000, 740);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(menu->PopupComponent, nullptr);
}

}  // namespace
