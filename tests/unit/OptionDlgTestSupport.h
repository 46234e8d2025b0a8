#pragma once
// A running program whose options dialog a test opens and plays: modal forms run the
// script registered under their name, grid menus are chosen from as a user does.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "RunningProgram.h"
#include "toolkit/Grids.h"

namespace option_test {

// Records what a grid draws.
struct RecordingCanvas : TGridCanvas {
  struct Text {
    int X = 0;
    int Y = 0;
    std::string Value;
  };
  std::vector<Text> Texts;
  std::vector<std::pair<TRect, TGridDrawState>> Cells;

  void BeginCell(const TRect& rect, TGridDrawState state) override {
    Cells.emplace_back(rect, state);
  }
  void TextOut(int x, int y, const std::string& text) override { Texts.push_back({x, y, text}); }
  // The texts drawn with their corner inside `cell`, joined by "|".
  std::string In(const TRect& cell) const {
    std::string joined;
    for (const Text& text : Texts)
      if (text.X >= cell.Left && text.X < cell.Right && text.Y >= cell.Top && text.Y < cell.Bottom)
        joined += (joined.empty() ? "" : "|") + text.Value;
    return joined;
  }
};

struct OptionsSession : RunningProgram {
  // Scripts of the modal forms by form name; a form without one is left open (Cancel).
  std::map<std::string, std::function<void(TForm&)>> Scripts;

  explicit OptionsSession(const std::string& settings = "") : RunningProgram(settings) {
    backend.ModalScript = [this](TForm& form) {
      auto found = Scripts.find(form.Name());
      if (found == Scripts.end()) return;
      auto script = found->second;  // the script may replace itself
      script(form);
    };
  }

  // Opens the options dialog from its tray menu item and plays `inside` while it is open.
  TModalResult OpenOptions(std::function<void(TOptionDlg&)> inside) {
    TModalResult result = mrNone;
    Scripts["OptionDlg"] = [this, inside, &result](TForm&) {
      if (inside) inside(Dialog());
      result = Dialog().ModalResult();
    };
    Dialog().MenuItemOption->Click();
    Scripts.erase("OptionDlg");
    return result;
  }

  // A left click on the grid's row (first column).
  static void ClickRow(TDrawGrid& grid, int row) {
    const TRect cell = grid.CellRect(0, row);
    grid.MouseDown(TMouseButton::Left, 0, cell.Left + 3, cell.Top + 3);
    grid.MouseUp(TMouseButton::Left, 0, cell.Left + 3, cell.Top + 3);
  }

  // Opens the grid menu with a right click on the grid's row (row < 0: with the context
  // key, no mouse) and chooses `item` (null: closes it). Returns the enabled state of
  // every item, in menu order, as the menu showed them.
  std::vector<bool> GridMenu(TDrawGrid& grid, int row, TMenuItem* item) {
    if (row >= 0) {
      const TRect cell = grid.CellRect(0, row);
      grid.MouseDown(TMouseButton::Right, 0, cell.Left + 3, cell.Top + 3);
      grid.MouseUp(TMouseButton::Right, 0, cell.Left + 3, cell.Top + 3);
    }
    std::vector<bool> enabled;
    backend.PopupScript = [&](TPopupMenu& menu) -> TMenuItem* {
      for (TMenuItem* entry : menu.Items)
        if (!entry->IsSeparator()) enabled.push_back(entry->Enabled());
      return item;
    };
    grid.ContextPopup(200, 200);
    backend.PopupScript = nullptr;
    return enabled;
  }

  // What the grid shows, row by row: its cells' texts joined by "|" per row.
  static std::vector<std::string> Shown(TDrawGrid& grid) {
    RecordingCanvas canvas;
    grid.PaintCells(canvas, false);
    std::vector<std::string> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
      std::string line;
      for (int col = 0; col < grid.ColCount(); ++col)
        line += (col ? "|" : "") + canvas.In(grid.CellRect(col, row));
      rows.push_back(line);
    }
    return rows;
  }
};

}  // namespace option_test
