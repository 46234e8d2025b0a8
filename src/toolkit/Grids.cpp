#include "toolkit/Grids.h"

#include <algorithm>

#include "toolkit/Menus.h"

namespace {
// The sunken border the grid's window draws around its cells.
constexpr int kBorder = 2;
}  // namespace

TDrawGrid::TDrawGrid(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TDrawGrid::SetColWidths(std::vector<int> widths) {
  colWidths_ = std::move(widths);
  Invalidate();
}

void TDrawGrid::ClampRows() {
  rowCount_ = std::max(rowCount_, FixedRows + 1);
  row_ = std::clamp(row_, FixedRows, rowCount_ - 1);
  topRow_ = std::clamp(topRow_, FixedRows, MaxTopRow());
}

void TDrawGrid::SetRowCount(int count) {
  rowCount_ = count;
  ClampRows();
  Changed(TProperty::Items);
}

void TDrawGrid::SetRow(int row) {
  row_ = row;
  ClampRows();
  // Scroll just enough to bring the row into view.
  if (row_ < topRow_) topRow_ = row_;
  if (row_ >= topRow_ + VisibleRowCount()) topRow_ = row_ - VisibleRowCount() + 1;
  ClampRows();
  Changed(TProperty::ItemIndex);
}

void TDrawGrid::SetTopRow(int row) {
  topRow_ = row;
  ClampRows();
  Changed(TProperty::ItemIndex);
}

int TDrawGrid::FixedHeight() const {
  return FixedRows * RowStep();
}

int TDrawGrid::VisibleRowCount() const {
  return std::max(1, (ClientHeight() - FixedHeight()) / RowStep());
}

int TDrawGrid::MaxTopRow() const {
  return std::max(FixedRows, rowCount_ - VisibleRowCount());
}

int TDrawGrid::ClientWidth() const {
  return clientWidth_ >= 0 ? clientWidth_ : std::max(0, Width() - 2 * kBorder);
}

int TDrawGrid::ClientHeight() const {
  return clientHeight_ >= 0 ? clientHeight_ : std::max(0, Height() - 2 * kBorder);
}

void TDrawGrid::StoreClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  ClampRows();
}

TRect TDrawGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= rowCount_) return {};
  int top = 0;
  if (row < FixedRows) {
    top = row * RowStep();
  } else {
    if (row < topRow_) return {};
    top = FixedHeight() + (row - topRow_) * RowStep();
  }
  if (top >= ClientHeight()) return {};
  int left = 0;
  for (int c = 0; c < col; ++c) left += colWidths_[static_cast<std::size_t>(c)] + GridLineWidth;
  if (left >= ClientWidth()) return {};
  return {left, top, left + colWidths_[static_cast<std::size_t>(col)], top + DefaultRowHeight};
}

bool TDrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return false;
  row = y < FixedHeight() ? y / RowStep() : topRow_ + (y - FixedHeight()) / RowStep();
  if (row >= rowCount_) return false;
  int left = 0;
  for (col = 0; col < ColCount(); ++col) {
    const int right = left + colWidths_[static_cast<std::size_t>(col)] + GridLineWidth;
    if (x < right) return true;
    left = right;
  }
  return false;
}

void TDrawGrid::PaintCells(TGridCanvas& canvas, bool focused) {
  canvas_ = &canvas;
  auto paintRow = [&](int row) {
    for (int col = 0; col < ColCount(); ++col) {
      const TRect rect = CellRect(col, row);
      if (rect == TRect{}) break;
      TGridDrawState state = 0;
      if (row < FixedRows) {
        state = gdFixed;
      } else if (row == row_) {
        state = gdSelected | (focused ? gdFocused : 0);
      }
      canvas.BeginCell(rect, state);
      if (OnDrawCell) OnDrawCell(*this, col, row, rect, state);
    }
  };
  for (int row = 0; row < FixedRows && row < rowCount_; ++row) paintRow(row);
  for (int row = topRow_; row < rowCount_ && CellRect(0, row) != TRect{}; ++row) paintRow(row);
  canvas_ = nullptr;
}

void TDrawGrid::Invalidate() {
  Changed(TProperty::Other);
}

void TDrawGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  int col = 0, row = 0;
  if (button == TMouseButton::Left && MouseToCell(x, y, col, row) && row >= FixedRows) SetRow(row);
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TDrawGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TDrawGrid::DoubleClick(TShiftState shift, int x, int y) {
  MouseDown(TMouseButton::Left, shift, x, y);
  if (OnDblClick) OnDblClick(*this);
}

bool TDrawGrid::NavigationKey(std::uint16_t key, TShiftState) {
  const int page = VisibleRowCount();
  switch (key) {
    case vk::Up:
      SetRow(row_ - 1);
      return true;
    case vk::Down:
      SetRow(row_ + 1);
      return true;
    case vk::Prior:
      SetRow(row_ - page);
      return true;
    case vk::Next:
      SetRow(row_ + page);
      return true;
    case vk::Home:
      SetRow(FixedRows);
      return true;
    case vk::End:
      SetRow(rowCount_ - 1);
      return true;
    default:
      return false;
  }
}

void TDrawGrid::ScrollBy(int rows) {
  SetTopRow(topRow_ + rows);
}

void TDrawGrid::ContextPopup(int screenX, int screenY) {
  if (!PopupMenu) return;
  PopupMenu->PopupComponent = this;
  PopupMenu->Popup(screenX, screenY);
}
