#include "toolkit/win32/FormWindow.h"

#include "toolkit/win32/ControlEvents.h"
#include "toolkit/win32/ControlWindows.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/ExtraControls.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

constexpr UINT kWmDpiChanged = 0x02E0;

struct Styles {
  DWORD style;
  DWORD exStyle;
};

Styles FormStyles(const TForm& form) {
  Styles s{WS_POPUP, 0};
  const bool icons = form.BorderIcons;
  switch (form.BorderStyle) {
    case TBorderStyle::None:
      break;
    case TBorderStyle::Single:
      s.style |= WS_CAPTION | (icons ? WS_SYSMENU | WS_MINIMIZEBOX : 0);
      break;
    case TBorderStyle::Dialog:
      s.style |= WS_CAPTION | DS_MODALFRAME | (icons ? WS_SYSMENU : 0);
      s.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TBorderStyle::Sizeable:
      s.style |=
          WS_CAPTION | WS_THICKFRAME | (icons ? WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX : 0);
      break;
    case TBorderStyle::SizeToolWin:
      // Without border icons the tool window has a sizing frame and no caption at all.
      s.style |= WS_THICKFRAME | (icons ? WS_CAPTION | WS_SYSMENU : 0);
      s.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (form.FormStyle == TFormStyle::StayOnTop) s.exStyle |= WS_EX_TOPMOST;
  return s;
}

// The outer rectangle the object asks for, in pixels. `byClient` prefers ClientWidth and
// ClientHeight. A scaled form's sizes are layout units; its frame is the system's at the
// window's DPI.
RECT WantedRect(const TForm& form, const Styles& styles, bool byClient) {
  const int dpi = LayoutPixelsPerInch(form);
  RECT rect{form.Left(), form.Top(), form.Left() + ScaleValue(form.Width(), dpi),
            form.Top() + ScaleValue(form.Height(), dpi)};
  if (byClient && form.ClientWidth() > 0 && form.ClientHeight() > 0) {
    RECT frame{0, 0, ScaleValue(form.ClientWidth(), dpi), ScaleValue(form.ClientHeight(), dpi)};
    AdjustRectForDpi(frame, styles.style, styles.exStyle, form.PixelsPerInch());
    rect.right = rect.left + (frame.right - frame.left);
    rect.bottom = rect.top + (frame.bottom - frame.top);
  }
  return rect;
}

// The window moved or changed size (by the user or by this backend): the object follows,
// in layout units.
void StoreFormBounds(FormPeer& peer) {
  if (!peer.window || IsIconic(peer.window)) return;
  RECT rect{}, client{};
  GetWindowRect(peer.window, &rect);
  GetClientRect(peer.window, &client);
  TForm& form = *peer.form;
  const int dpi = LayoutPixelsPerInch(form);
  const int width = UnscaleValue(rect.right - rect.left, dpi);
  const int height = UnscaleValue(rect.bottom - rect.top, dpi);
  // Recorded first, so that the object's setters below find nothing to apply.
  peer.bounds = {rect.left, rect.top, rect.left + width, rect.top + height};
  peer.client = {UnscaleValue(client.right, dpi), UnscaleValue(client.bottom, dpi)};
  form.StoreBounds(rect.left, rect.top, width, height);
  if (form.ClientWidth() != peer.client.cx || form.ClientHeight() != peer.client.cy)
    form.SetClientSize(peer.client.cx, peer.client.cy);
}

// The form's window is gone: its controls' windows went with it.
void FormWindowGone(FormPeer& peer) {
  peer.window = nullptr;
  for (ControlPeer* control : peer.controls) {
    control->window = nullptr;
    control->label = nullptr;
    control->items.clear();
  }
  if (peer.modal) peer.modal->ended = true;
}

TButton* FindButton(const FormPeer& peer, bool cancel) {
  for (ControlPeer* control : peer.controls) {
    if (control->kind != ControlKind::Button) continue;
    auto* button = static_cast<TButton*>(control->control);
    if (cancel ? button->Cancel : button->Default) return button;
  }
  return nullptr;
}

// Esc, and IDCANCEL from the dialog manager: the Cancel button when the form has one
// (and only while it can be pressed), otherwise a modal form closes with mrCancel.
void PressCancel(FormPeer& peer) {
  TForm& form = *peer.form;
  if (TButton* button = FindButton(peer, true)) {
    if (ShownOnForm(*button) && EnabledOnForm(*button)) button->Click();
    return;
  }
  if (form.Modal()) form.CloseWith(mrCancel);
}

bool OnCommand(FormPeer& peer, WPARAM wParam, LPARAM lParam) {
  const auto from = reinterpret_cast<HWND>(lParam);
  if (from) {
    ControlPeer* control = ControlPeerOfWindow(from);
    if (control && control->form == &peer) {
      ControlCommand(*control, from, HIWORD(wParam));
      return true;
    }
  }
  if (LOWORD(wParam) == IDCANCEL) {
    Guarded(peer.form->Application(), [&] { PressCancel(peer); });
    return true;
  }
  return false;
}

// Read-only edits keep the window colour, as editable ones do; they are capture fields
// and value displays, not disabled ones.
bool ReadOnlyEditColour(WPARAM dc, LPARAM control, LRESULT& brush) {
  ControlPeer* peer = ControlPeerOfWindow(reinterpret_cast<HWND>(control));
  if (!peer || peer->window != reinterpret_cast<HWND>(control)) return false;
  if (!IsEditKind(peer->kind) || !IsWindowEnabled(peer->window)) return false;
  auto* hdc = reinterpret_cast<HDC>(dc);
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
  brush = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  return true;
}

LRESULT FormMessage(FormPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) peer.window = window;
  if (message == WM_NCDESTROY) {
    FormWindowGone(peer);
    return DefDlgProcW(window, message, wParam, lParam);
  }
  TApplication* app = peer.form->Application();
  if (!peer.releasing) {
    std::intptr_t result = 0;
    bool handled = false;
    Guarded(app, [&] { handled = peer.form->HandleMessage(message, wParam, lParam, result); });
    // The handler may have released the form; then nothing of it may be touched.
    if (handled || !IsWindow(window)) return result;
  }
  switch (message) {
    case WM_COMMAND:
      if (!peer.releasing && OnCommand(peer, wParam, lParam)) return 0;
      break;
    case WM_NOTIFY:
      // The common controls (the page control's tabs) report this way.
      if (!peer.releasing && lParam &&
          ExtraControlNotify(peer, *reinterpret_cast<const NMHDR*>(lParam)))
        return 0;
      break;
    case WM_CLOSE:
      // The title bar's close button, Alt+F4, or Esc in a memo.
      if (!peer.releasing) Guarded(app, [&] { peer.form->CloseWith(mrCancel); });
      return 0;
    case WM_WINDOWPOSCHANGED:
      if (!peer.releasing) Guarded(app, [&] { StoreFormBounds(peer); });
      break;
    case kWmDpiChanged:
      // Moved to a monitor of another DPI (or the user changed its scale).
      if (!peer.releasing && lParam)
        Guarded(app, [&] {
          ApplyFormScale(peer, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        });
      return 0;
    case WM_ACTIVATE:
      // ActiveControl follows the focus (see ControlEvents), so it is what comes back when
      // the form is activated again; the dialog manager's own memory of the focus could
      // disagree with a control the program chose meanwhile.
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && !peer.releasing)
        FocusActiveControl(peer, false);
      return 0;
    case WM_SETFOCUS:
      if (!peer.releasing) FocusActiveControl(peer, false);
      return 0;
    case WM_CTLCOLORSTATIC: {
      LRESULT brush = 0;
      if (ReadOnlyEditColour(wParam, lParam, brush)) return brush;
      break;
    }
    default:
      break;
  }
  return DefDlgProcW(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<FormPeer, FormMessage, DefDlgProcW>(window, message, wParam, lParam);
}

HWND CreateFormWindow(FormPeer& peer, HWND owner, HINSTANCE instance) {
  const TForm& form = *peer.form;
  const Styles styles = FormStyles(form);
  const RECT rect = WantedRect(form, styles, true);
  peer.bounds = {form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()};
  peer.client = {form.ClientWidth(), form.ClientHeight()};
  HWND window = CreateWindowExW(styles.exStyle, kFormClass, ToWide(form.Caption()).c_str(),
                                styles.style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, owner, nullptr, instance, &peer);
  if (!window) return nullptr;
  StoreFormBounds(peer);
  // Made at the screen's DPI; its monitor may have another.
  const int dpi = WindowDpi(window);
  const int was = form.PixelsPerInch();
  if (dpi != was) {
    RECT now{};
    GetWindowRect(window, &now);
    ApplyFormScale(peer, dpi,
                   {now.left, now.top, now.left + MulDiv(now.right - now.left, dpi, was),
                    now.top + MulDiv(now.bottom - now.top, dpi, was)});
  }
  return window;
}

void ApplyFormScale(FormPeer& peer, int dpi, const RECT& suggested) {
  if (!peer.window || dpi <= 0) return;
  TForm& form = *peer.form;
  form.ChangeScale(dpi, {suggested.left, suggested.top, suggested.right, suggested.bottom});
  if (form.Scaled && peer.font.font) {
    FormFont old = peer.font;
    peer.font = CreateFormFont(form.Font, dpi);
    // The font goes to every control, which places it again at the new scale.
    for (ControlPeer* control : peer.controls) ApplyFont(*control);
    DeleteFormFont(old);
  }
  // A scaled form takes the suggested corner and the size its layout has at the new DPI,
  // so that moving between monitors never changes the layout by rounding.
  Styles styles{static_cast<DWORD>(GetWindowLongPtrW(peer.window, GWL_STYLE)),
                static_cast<DWORD>(GetWindowLongPtrW(peer.window, GWL_EXSTYLE))};
  const RECT rect = form.Scaled ? WantedRect(form, styles, true) : suggested;
  SetWindowPos(peer.window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(peer.window, nullptr, TRUE);
}

void ApplyFormStyle(FormPeer& peer) {
  if (!peer.window) return;
  const Styles styles = FormStyles(*peer.form);
  // Only the frame bits change; WS_VISIBLE and WS_DISABLED stay as they are.
  const DWORD keep = WS_VISIBLE | WS_DISABLED;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(peer.window, GWL_STYLE));
  SetWindowLongPtrW(peer.window, GWL_STYLE, (style & keep) | styles.style);
  SetWindowLongPtrW(peer.window, GWL_EXSTYLE, styles.exStyle & ~DWORD{WS_EX_TOPMOST});
  SetWindowPos(peer.window, (styles.exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ApplyFormBounds(FormPeer& peer) {
  if (!peer.window) return;
  const TForm& form = *peer.form;
  const bool clientChanged =
      form.ClientWidth() != peer.client.cx || form.ClientHeight() != peer.client.cy;
  const bool outerChanged = form.Left() != peer.bounds.left || form.Top() != peer.bounds.top ||
                            form.Width() != peer.bounds.right - peer.bounds.left ||
                            form.Height() != peer.bounds.bottom - peer.bounds.top;
  if (!clientChanged && !outerChanged) return;
  Styles styles{static_cast<DWORD>(GetWindowLongPtrW(peer.window, GWL_STYLE)),
                static_cast<DWORD>(GetWindowLongPtrW(peer.window, GWL_EXSTYLE))};
  const RECT rect = WantedRect(form, styles, clientChanged);
  SetWindowPos(peer.window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnScreen(FormPeer& peer) {
  if (!peer.window) return;
  RECT rect{};
  GetWindowRect(peer.window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(peer.window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SyncDefaultButton(FormPeer& peer) {
  if (!peer.window) return;
  TButton* button = FindButton(peer, false);
  ControlPeer* control = button ? ControlPeerOf(*button) : nullptr;
  if (control && control->window)
    SendMessageW(peer.window, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(control->window)), 0);
}

void FocusActiveControl(FormPeer& peer, bool entering) {
  if (!peer.window) return;
  HWND target = nullptr;
  if (TControl* active = peer.form->ActiveControl)
    if (ControlPeer* control = ControlPeerOf(*active); control && control->form == &peer)
      target = control->FocusWindow();
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = GetNextDlgTabItem(peer.window, nullptr, FALSE);
  if (target && !IsChild(peer.window, target)) target = nullptr;
  if (!target)
    SetFocus(peer.window);
  else if (entering)
    SendMessageW(peer.window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  else
    SetFocus(target);
}

}  // namespace win32tk
