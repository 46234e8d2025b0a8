// The owner-drawn grid's window: a class of its own that paints the cells' backgrounds, the
// lines and the selection, lets the program draw each cell's content, and turns the
// mouse, the keyboard and the scroll bar into the grid object's operations.
#include <algorithm>
#include <vector>

#include "toolkit/Grids.h"
#include "toolkit/win32/ControlEvents.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/ExtraControls.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

// <windows.h> renames TextOut after the canvas interface has named its member so.
#undef TextOut

namespace win32tk {

namespace {

constexpr const wchar_t* kGridClass = L"TarnwickDrawGrid";
constexpr int kWheelRows = 3;

TDrawGrid& GridOf(ControlPeer& peer) {
  return static_cast<TDrawGrid&>(*peer.control);
}

// The grid's geometry is in layout units; its window's pixels are those scaled to the
// form's DPI.
int DpiOf(const ControlPeer& peer) {
  return peer.form ? LayoutPixelsPerInch(*peer.form->form) : DesignPixelsPerInch;
}

// Draws on a memory bitmap; remembers every cell for the lines drawn afterwards.
class GdiGridCanvas : public TGridCanvas {
 public:
  GdiGridCanvas(HDC dc, int dpi) : dc_(dc), dpi_(dpi) {}

  void BeginCell(const TRect& rect, TGridDrawState state) override {
    if (saved_) RestoreDC(dc_, saved_);
    RECT r{ScaleValue(rect.Left, dpi_), ScaleValue(rect.Top, dpi_), ScaleValue(rect.Right, dpi_),
           ScaleValue(rect.Bottom, dpi_)};
    int background = COLOR_WINDOW, text = COLOR_WINDOWTEXT;
    if (state & gdFixed) {
      background = COLOR_BTNFACE;
      text = COLOR_BTNTEXT;
    } else if (state & gdSelected) {
      background = COLOR_HIGHLIGHT;
      text = COLOR_HIGHLIGHTTEXT;
    }
    FillRect(dc_, &r, GetSysColorBrush(background));
    if (state & gdFixed) DrawEdge(dc_, &r, BDR_RAISEDINNER, BF_RECT);
    SetTextColor(dc_, GetSysColor(text));
    cells_.push_back({r, state});
    saved_ = SaveDC(dc_);
    IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom);
  }

  void TextOut(int x, int y, const std::string& text) override {
    const std::wstring wide = ToWide(text);
    ::TextOutW(dc_, ScaleValue(x, dpi_), ScaleValue(y, dpi_), wide.c_str(),
               static_cast<int>(wide.size()));
  }

  // Ends the last cell's clipping; the cells drawn, in order.
  const std::vector<std::pair<RECT, TGridDrawState>>& Finish() {
    if (saved_) RestoreDC(dc_, saved_);
    saved_ = 0;
    return cells_;
  }

 private:
  HDC dc_;
  int dpi_;
  int saved_ = 0;
  std::vector<std::pair<RECT, TGridDrawState>> cells_;
};

void FillLine(HDC dc, int left, int top, int right, int bottom, int colour) {
  RECT r{left, top, right, bottom};
  FillRect(dc, &r, GetSysColorBrush(colour));
}

void Paint(ControlPeer& peer, HWND window) {
  TDrawGrid& grid = GridOf(peer);
  PAINTSTRUCT paint;
  HDC target = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // Drawn in memory first, so that a repaint does not flicker.
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1),
                                          std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = peer.form ? SelectObject(dc, peer.form->font.font) : nullptr;
  SetBkMode(dc, TRANSPARENT);

  const bool focused = GetFocus() == window;
  const int dpi = DpiOf(peer);
  GdiGridCanvas canvas(dc, dpi);
  Guarded(AppOf(peer), [&] { grid.PaintCells(canvas, focused); });
  const int line = ScaleValue(grid.GridLineWidth, dpi);
  RECT selection{};
  for (const auto& [r, state] : canvas.Finish()) {
    const int colour = (state & gdFixed) ? COLOR_WINDOWFRAME : COLOR_BTNFACE;
    FillLine(dc, r.right, r.top, r.right + line, r.bottom + line, colour);
    FillLine(dc, r.left, r.bottom, r.right + line, r.bottom + line, colour);
    if (state & gdSelected) {
      if (IsRectEmpty(&selection)) selection = r;
      selection.right = r.right;
    }
  }
  if (focused && !IsRectEmpty(&selection)) DrawFocusRect(dc, &selection);

  BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  if (oldFont) SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(window, &paint);
}

void SyncScrollBar(ControlPeer& peer) {
  if (!peer.window) return;
  const TDrawGrid& grid = GridOf(peer);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = grid.FixedRows;
  info.nMax = std::max(grid.RowCount() - 1, grid.FixedRows);
  info.nPage = static_cast<UINT>(grid.VisibleRowCount());
  info.nPos = grid.TopRow();
  // The bar hides itself while every row fits.
  SetScrollInfo(peer.window, SB_VERT, &info, TRUE);
}

void Scroll(ControlPeer& peer, HWND window, WORD request) {
  TDrawGrid& grid = GridOf(peer);
  const int page = grid.VisibleRowCount();
  switch (request) {
    case SB_LINEUP:
      grid.ScrollBy(-1);
      break;
    case SB_LINEDOWN:
      grid.ScrollBy(1);
      break;
    case SB_PAGEUP:
      grid.ScrollBy(-page);
      break;
    case SB_PAGEDOWN:
      grid.ScrollBy(page);
      break;
    case SB_TOP:
      grid.SetTopRow(grid.FixedRows);
      break;
    case SB_BOTTOM:
      grid.SetTopRow(grid.MaxTopRow());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(window, SB_VERT, &info);
      grid.SetTopRow(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

// Where the menu opens from the keyboard: below the selected row's first cell.
POINT KeyboardMenuPoint(TDrawGrid& grid, HWND window, int dpi) {
  const TRect cell = grid.CellRect(0, grid.Row());
  POINT at{ScaleValue(cell.Left + 4, dpi), ScaleValue(cell == TRect{} ? 4 : cell.Bottom, dpi)};
  ClientToScreen(window, &at);
  return at;
}

LRESULT GridMessage(ControlPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TDrawGrid& grid = GridOf(peer);
  TApplication* app = AppOf(peer);
  const int dpi = DpiOf(peer);
  // The pointer's place in the grid's units.
  const int x = UnscaleValue(MouseX(lParam), dpi);
  const int y = UnscaleValue(MouseY(lParam), dpi);
  switch (message) {
    case WM_NCDESTROY:
      peer.Forget(window);
      break;
    case WM_ERASEBKGND:
      return 1;  // the painting covers everything
    case WM_PAINT:
      Paint(peer, window);
      return 0;
    case WM_SIZE:
      grid.StoreClientSize(UnscaleValue(LOWORD(lParam), dpi), UnscaleValue(HIWORD(lParam), dpi));
      SyncScrollBar(peer);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: {
      bool used = false;
      Guarded(app, [&] {
        used = grid.NavigationKey(static_cast<std::uint16_t>(wParam), CurrentShiftState());
      });
      if (used) return 0;
      break;
    }
    case WM_VSCROLL:
      Guarded(app, [&] { Scroll(peer, window, LOWORD(wParam)); });
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      Guarded(app, [&] { grid.ScrollBy(-notches * kWheelRows); });
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (GetFocus() != window) SetFocus(window);
      Guarded(app, [&] {
        grid.MouseDown(message == WM_LBUTTONDOWN ? TMouseButton::Left : TMouseButton::Right,
                       CurrentShiftState(), x, y);
      });
      return 0;
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != window) SetFocus(window);
      Guarded(app, [&] { grid.DoubleClick(CurrentShiftState(), x, y); });
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      Guarded(app, [&] {
        grid.MouseUp(message == WM_LBUTTONUP ? TMouseButton::Left : TMouseButton::Right,
                     CurrentShiftState(), x, y);
      });
      if (!IsWindow(window)) return 0;
      // The default handling of the right button's release asks for the context menu.
      if (message == WM_RBUTTONUP) break;
      return 0;
    case WM_CONTEXTMENU: {
      POINT at{MouseX(lParam), MouseY(lParam)};
      if (lParam == -1) at = KeyboardMenuPoint(grid, window, dpi);
      Guarded(app, [&] { grid.ContextPopup(at.x, at.y); });
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<ControlPeer, GridMessage, DefWindowProcW>(window, message, wParam,
                                                                    lParam);
}

}  // namespace

HWND CreateDrawGridWindow(ControlPeer& peer) {
  auto* instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(peer.form->window, GWLP_HINSTANCE));
  RegisterClassOnce(instance, kGridClass, GridWindowProc, CS_DBLCLKS);
  HWND window = MakeChildWindow(peer, WS_EX_CLIENTEDGE, kGridClass, WS_VSCROLL | WS_GROUP);
  if (window) SyncScrollBar(peer);
  return window;
}

void UpdateDrawGrid(ControlPeer& peer, TProperty what) {
  if (!peer.window) return;
  switch (what) {
    case TProperty::Items:
    case TProperty::ItemIndex:
    case TProperty::Other:
    case TProperty::Font:
      SyncScrollBar(peer);
      InvalidateRect(peer.window, nullptr, FALSE);
      break;
    default:
      break;
  }
}

}  // namespace win32tk
