#pragma once
// The owner-drawn grid: fixed header rows at the top, the other rows scrolling below them,
// selection of whole rows, and every cell's content drawn by the program in OnDrawCell.
// The geometry, the selection and the answers to the mouse and the keyboard live here, so
// that both backends behave alike; a backend paints the cells' backgrounds and the lines.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "toolkit/Control.h"

// How a cell is drawn.
using TGridDrawState = unsigned;
constexpr TGridDrawState gdSelected = 1;
constexpr TGridDrawState gdFocused = 2;
constexpr TGridDrawState gdFixed = 4;

// What a cell handler draws with; valid only while OnDrawCell runs.
class TGridCanvas {
 public:
  virtual ~TGridCanvas() = default;
  // Prepares the cell for drawing: its background, the colour of its text and clipping
  // to its rectangle.
  virtual void BeginCell(const TRect& rect, TGridDrawState state) = 0;
  // Text (code page 932) with its top-left corner at (x, y), in the grid's client pixels.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

using TDrawCellEvent = std::function<void(TComponent& sender, int col, int row, const TRect& rect,
                                          TGridDrawState state)>;

// Navigation keys, with the Windows virtual-key codes.
namespace vk {
constexpr std::uint16_t Prior = 0x21;
constexpr std::uint16_t Next = 0x22;
constexpr std::uint16_t End = 0x23;
constexpr std::uint16_t Home = 0x24;
constexpr std::uint16_t Up = 0x26;
constexpr std::uint16_t Down = 0x28;
}  // namespace vk

class TDrawGrid : public TControl {
 public:
  TDrawGrid(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TDrawGrid"; }

  // Design-time geometry, set before the grid is shown.
  int FixedRows = 1;
  int DefaultRowHeight = 18;
  int GridLineWidth = 1;

  // One width per column; their number is the column count.
  const std::vector<int>& ColWidths() const { return colWidths_; }
  void SetColWidths(std::vector<int> widths);
  int ColCount() const { return static_cast<int>(colWidths_.size()); }

  int RowCount() const { return rowCount_; }
  // Never below FixedRows + 1; the selection and the scrolling stay within the rows.
  void SetRowCount(int count);
  // The selected row, FixedRows to RowCount - 1; setting it scrolls it into view.
  int Row() const { return row_; }
  void SetRow(int row);
  // The first scrolling row shown below the fixed ones.
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  // Scrolling rows that fit wholly below the fixed ones (at least 1).
  int VisibleRowCount() const;
  // The highest TopRow: the last row then shows at the bottom.
  int MaxTopRow() const;

  // The area the cells are drawn in: the bounds less the border, until the backend
  // reports the real one (less its scroll bar, for instance).
  int ClientWidth() const;
  int ClientHeight() const;
  void StoreClientSize(int width, int height);

  // The cell's rectangle in client pixels; an empty one (all 0) when it is out of view.
  TRect CellRect(int col, int row) const;
  // The cell under a client point; false outside every cell.
  bool MouseToCell(int x, int y, int& col, int& row) const;

  TDrawCellEvent OnDrawCell;
  TGridCanvas* Canvas() const { return canvas_; }
  // Draws every cell in view: BeginCell, then OnDrawCell; fixed rows first.
  void PaintCells(TGridCanvas& canvas, bool focused);
  // The content changed: draw again.
  void Invalidate();

  // What the user does, as the backend reports it (tests play it the same way).
  // A left press selects the row under it (fixed rows are not selectable) before
  // OnMouseDown runs; other buttons select nothing.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The second press of a double click: as a press, then OnDblClick.
  void DoubleClick(TShiftState shift, int x, int y);
  // Up, Down, Page Up, Page Down, Home and End move the selection; returns whether the
  // key was one of them.
  bool NavigationKey(std::uint16_t key, TShiftState shift);
  // Scrolls by whole rows (negative: up).
  void ScrollBy(int rows);
  // A right click or the context-menu key: PopupMenu at the screen point.
  void ContextPopup(int screenX, int screenY);

 private:
  int FixedHeight() const;
  int RowStep() const { return DefaultRowHeight + GridLineWidth; }
  void ClampRows();

  std::vector<int> colWidths_;
  int rowCount_ = 2;
  int row_ = 1;
  int topRow_ = 1;
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  TGridCanvas* canvas_ = nullptr;
};
