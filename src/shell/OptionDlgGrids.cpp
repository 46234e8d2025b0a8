// The grids of the command list and the watching list, and the menu that edits them.
#include <algorithm>

#include "shell/OptionDlg.h"
#include "shell/OptionDlgTexts.h"
#include "shell/Program.h"

namespace {
// The grid menu items' tags.
constexpr int kAdd = 0;
constexpr int kRemove = 1;
constexpr int kEdit = 2;
constexpr int kUp = 3;
constexpr int kDown = 4;
}  // namespace

CGridOption& TOptionDlg::ListOf(const TDrawGrid& grid) {
  if (&grid == DrawGridCommand) return program_.CommandSettings;
  return program_.WatchingSettings;
}

void TOptionDlg::ShowRowCount(TDrawGrid& grid) {
  grid.SetRowCount(std::max(ListOf(grid).Count() + 1, 2));
  grid.Invalidate();
}

void TOptionDlg::DrawListCell(TDrawGrid& grid, int col, int row, const TRect& rect) {
  namespace t = texts::option;
  std::string text;
  if (row == 0) {
    text = col == 0                   ? t::ColumnName
           : &grid == DrawGridCommand ? t::ColumnHotKey
                                      : t::ColumnWindowTitle;
  } else if (&grid == DrawGridCommand) {
    const CCommandOption& commands = program_.CommandSettings;
    if (row > commands.Count()) return;  // the empty row of an empty list
    const auto& entry = commands.Entry(row - 1);
    text = col == 0 ? entry.Name.Str() : entry.HotKey.Str();
  } else {
    const CWatchingOption& rules = program_.WatchingSettings;
    if (row > rules.Count()) return;
    const auto& entry = rules.Entry(row - 1);
    text = col == 0 ? entry.Name.Str() : entry.WindowTitle.Str();
  }
  if (TGridCanvas* canvas = grid.Canvas()) canvas->TextOut(rect.Left + 2, rect.Top + 2, text);
}

void TOptionDlg::DrawGridCommandDrawCell(TComponent&, int col, int row, const TRect& rect,
                                         TGridDrawState) {
  DrawListCell(*DrawGridCommand, col, row, rect);
}

void TOptionDlg::DrawGridWatchingDrawCell(TComponent&, int col, int row, const TRect& rect,
                                          TGridDrawState) {
  DrawListCell(*DrawGridWatching, col, row, rect);
}

void TOptionDlg::DrawGridCommandMouseDown(TComponent&, TMouseButton, TShiftState, int, int) {
  gridTarget_ = DrawGridCommand;
  listTarget_ = &program_.CommandSettings;
}

void TOptionDlg::DrawGridWatchingMouseDown(TComponent&, TMouseButton, TShiftState, int, int) {
  gridTarget_ = DrawGridWatching;
  listTarget_ = &program_.WatchingSettings;
}

void TOptionDlg::TargetVisibleGrid() {
  // Each grid has a tab of its own: the menu, also when opened from the keyboard, acts on
  // the one the user sees.
  TTabSheet* page = PageControl1->ActivePage();
  if (page == TabSheet4) {
    gridTarget_ = DrawGridCommand;
    listTarget_ = &program_.CommandSettings;
  } else if (page == TabSheet5) {
    gridTarget_ = DrawGridWatching;
    listTarget_ = &program_.WatchingSettings;
  }
}

void TOptionDlg::PopupMenuGridPopup(TComponent&) {
  TargetVisibleGrid();
  for (TMenuItem* item : PopupMenuGrid->Items) item->SetEnabled(true);
  if (!listTarget_) return;
  const int count = listTarget_->Count();
  if (count == 0) {
    for (TMenuItem* item : {MenuItemRemove, MenuItemEdit, MenuItemUp, MenuItemDown})
      item->SetEnabled(false);
    return;
  }
  const int row = gridTarget_->Row();
  if (row == 1) MenuItemUp->SetEnabled(false);
  if (row == count) MenuItemDown->SetEnabled(false);
}

void TOptionDlg::MenuItemClick(TComponent& sender) {
  if (auto* grid = dynamic_cast<TDrawGrid*>(&sender)) {
    // A double click: on the grid it happened in, and only on an entry.
    gridTarget_ = grid;
    listTarget_ = &ListOf(*grid);
    if (listTarget_->Count() < 1) return;
  }
  if (!gridTarget_ || !listTarget_) return;
  CGridOption& list = *listTarget_;
  const int tag = sender.Tag;
  const int index = tag == kAdd ? -1 : gridTarget_->Row() - 1;
  switch (tag) {
    case kAdd:
    case kEdit:
      list.EditEntry(index);
      break;
    case kRemove:
      list.RemoveEntry(index);
      break;
    case kUp:
      list.MoveEntryUp(index);
      break;
    case kDown:
      list.MoveEntryDown(index);
      break;
    default:
      break;
  }
  // The selected row number stays: after a move it shows the neighbouring entry.
  ShowRowCount(*gridTarget_);
}
