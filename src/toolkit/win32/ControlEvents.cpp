#include "toolkit/win32/ControlEvents.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "toolkit/win32/CommonControls.h"
#include "toolkit/win32/ControlWindows.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/Guard.h"

namespace win32tk {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Fires a key-down or key-up handler for the key in `key`. Returns false when the key is
// to be dropped: the handler set it to 0, or the window went away meanwhile.
bool FireKey(ControlPeer& peer, HWND window, bool down, WPARAM& key) {
  TControl& control = *peer.control;
  TKeyEvent handler = down ? control.OnKeyDown : control.OnKeyUp;
  if (!handler) return true;
  auto code = static_cast<std::uint16_t>(key);
  const TShiftState shift = CurrentShiftState();
  Guarded(AppOf(peer), [&] { handler(control, code, shift); });
  if (!IsWindow(window) || code == 0) return false;
  key = code;
  return true;
}

// Keys that IsDialogMessage acts on itself (moving the focus, pressing the default or the
// cancel button) unless the control's dialog code claims them.
bool DialogManagerTakes(WPARAM key, LRESULT code) {
  if (code & DLGC_WANTMESSAGE) return false;
  switch (key) {
    case VK_TAB:
      return !(code & DLGC_WANTTAB);
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return !(code & DLGC_WANTARROWS);
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

// WM_GETDLGCODE. The dialog manager asks it, with the key message, before it takes Tab,
// Enter or Esc for itself; key-down handlers see those keys first, as they see every
// other key, and can swallow them.
LRESULT DialogCode(ControlPeer& peer, HWND window, WPARAM wParam, LPARAM lParam) {
  LRESULT code = DefaultSubclassProc(window, WM_GETDLGCODE, wParam, lParam);
  // Without DLGC_HASSETSEL the dialog manager leaves the selection alone when the focus
  // enters: memos never select their text that way, edits only with AutoSelect.
  if (peer.kind == ControlKind::Memo ||
      (IsEditKind(peer.kind) && !static_cast<TCustomEdit*>(peer.control)->AutoSelect))
    code &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (!message || message->hwnd != window || message->message != WM_KEYDOWN) return code;
  // A memo claims every key; Tab still moves on, Esc still cancels and Enter presses the
  // default button when the memo does not take returns, as in a single-line edit.
  if (peer.kind == ControlKind::Memo) {
    const WPARAM key = message->wParam;
    if (key == VK_TAB || key == VK_ESCAPE || key == VK_CANCEL ||
        (key == VK_RETURN && !static_cast<TMemo*>(peer.control)->WantReturns))
      code &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE);
  }
  if (!DialogManagerTakes(message->wParam, code) || !peer.control->OnKeyDown) return code;
  WPARAM key = message->wParam;
  if (!FireKey(peer, window, true, key)) {
    if (!IsWindow(window)) return code;
    // Let the message through to this window, which then drops it.
    peer.swallowKey = message->wParam;
    return code | DLGC_WANTMESSAGE;
  }
  message->wParam = key;
  return code;
}

// Whether typing `ch` over the current selection keeps the edit's text within its
// MaxLength in code page 932 bytes.
bool FitsByteLimit(const ControlPeer& peer, HWND window, wchar_t ch) {
  const auto& edit = static_cast<const TCustomEdit&>(*peer.control);
  if (edit.MaxLength() <= 0 || edit.ReadOnly() || ch < 0x20) return true;
  std::wstring text = WindowTextW(window);
  DWORD start = 0, end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
  end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
  text.replace(start, end - start, 1, ch);
  return Cp932Length(text) <= static_cast<std::size_t>(edit.MaxLength());
}

LRESULT CALLBACK ControlSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
  auto& peer = *reinterpret_cast<ControlPeer*>(data);
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCode(peer, window, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const WPARAM swallowed = peer.swallowKey;
      peer.swallowKey = 0;
      if (swallowed && swallowed == wParam) return 0;
      if (!FireKey(peer, window, true, wParam)) return 0;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool wantsKeys = static_cast<bool>(peer.control->OnKeyDown);
      if (!FireKey(peer, window, false, wParam)) return 0;
      // Releasing Alt or F10 alone would put the form into menu mode, which takes the next
      // key stroke; a control that reads raw keys (a hot-key capture field, where Alt
      // alone clears the field) must get that stroke instead.
      if (message == WM_SYSKEYUP && wantsKeys && (wParam == VK_MENU || wParam == VK_F10)) return 0;
      break;
    }
    case WM_CHAR: {
      if (TKeyPressEvent handler = peer.control->OnKeyPress) {
        auto ch = static_cast<char16_t>(wParam);
        Guarded(AppOf(peer), [&] { handler(*peer.control, ch); });
        if (!IsWindow(window) || ch == 0) return 0;
        wParam = ch;
      }
      if (IsEditKind(peer.kind) && !FitsByteLimit(peer, window, static_cast<wchar_t>(wParam))) {
        MessageBeep(MB_OK);
        return 0;
      }
      break;
    }
    case WM_SETFOCUS:
      if (peer.form) peer.form->form->ActiveControl = peer.control;
      break;
    case WM_NCDESTROY:
      RemoveControlSubclass(window, ControlSubclassProc, kSubclassId);
      peer.Forget(window);
      break;
    default:
      break;
  }
  return DefaultSubclassProc(window, message, wParam, lParam);
}

// EN_CHANGE: the user's text goes to the object. Text that arrived in one piece (pasted,
// from the input method) and overruns MaxLength bytes is cut at the last whole character
// that fits; typing is refused at the limit before it gets here.
void EditChanged(ControlPeer& peer, HWND window) {
  auto& edit = static_cast<TCustomEdit&>(*peer.control);
  std::wstring text = WindowTextW(window);
  if (edit.MaxLength() > 0) {
    const std::size_t fit = Cp932Fit(text, static_cast<std::size_t>(edit.MaxLength()));
    if (fit < text.size()) {
      text.resize(fit);
      ++peer.echo;
      SetWindowTextW(window, text.c_str());
      --peer.echo;
      SendMessageW(window, EM_SETSEL, fit, fit);
    }
  }
  Guarded(AppOf(peer), [&] { edit.StoreText(ToCp932(text)); });
}

void FireNotify(ControlPeer& peer, const TNotifyEvent& event) {
  if (!event) return;
  TNotifyEvent handler = event;  // the handler may replace itself
  Guarded(AppOf(peer), [&] { handler(*peer.control); });
}

}  // namespace

TApplication* AppOf(const ControlPeer& peer) {
  return peer.form ? peer.form->form->Application() : nullptr;
}

TShiftState CurrentShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

void AttachControlEvents(ControlPeer& peer, HWND window) {
  SubclassControl(window, ControlSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&peer));
}

void ControlCommand(ControlPeer& peer, HWND from, WORD code) {
  if (peer.echo > 0) return;
  switch (peer.kind) {
    case ControlKind::Edit:
    case ControlKind::LabeledEdit:
    case ControlKind::Memo:
      if (code == EN_CHANGE && from == peer.window) EditChanged(peer, from);
      break;
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) {
        auto& box = static_cast<TCheckBox&>(*peer.control);
        box.StoreChecked(SendMessageW(from, BM_GETCHECK, 0, 0) == BST_CHECKED);
        FireNotify(peer, box.OnClick);
      }
      break;
    case ControlKind::RadioGroup:
      if (code == BN_CLICKED) {
        auto& group = static_cast<TRadioGroup&>(*peer.control);
        const auto it = std::find(peer.items.begin(), peer.items.end(), from);
        const int index = static_cast<int>(it - peer.items.begin());
        if (it == peer.items.end() || index == group.ItemIndex() ||
            SendMessageW(from, BM_GETCHECK, 0, 0) != BST_CHECKED)
          break;
        group.StoreItemIndex(index);
        ApplyTabStops(peer);  // Tab comes back to the chosen button
        FireNotify(peer, group.OnClick);
      }
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE) {
        auto& combo = static_cast<TComboBox&>(*peer.control);
        const auto index = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
        combo.StoreItemIndex(index < 0 ? -1 : index);
        FireNotify(peer, combo.OnChange);
      }
      break;
    case ControlKind::Button:
      if (code == BN_CLICKED) {
        TControl& button = *peer.control;
        Guarded(AppOf(peer), [&] { button.Click(); });
      }
      break;
    default:
      break;
  }
}

}  // namespace win32tk
