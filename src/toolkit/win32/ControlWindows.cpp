#include "toolkit/win32/ControlWindows.h"

#include <algorithm>
#include <string>

#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/ControlEvents.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/ExtraControls.h"
#include "toolkit/win32/FormFont.h"
#include "toolkit/win32/ImageWindow.h"
#include "toolkit/win32/RadioLayout.h"

namespace win32tk {

namespace {

constexpr int kLabelSpacing = 3;      // between a labelled edit's caption and the edit
constexpr int kComboDropItems = 8;    // rows the drop-down list shows before it scrolls
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr int kLastControlId = 0xFFF0;

HWND MakeWindow(ControlPeer& peer, DWORD exStyle, const wchar_t* windowClass,
                const std::wstring& text, DWORD style) {
  FormPeer& form = *peer.form;
  if (form.nextId > kLastControlId) form.nextId = kFirstControlId;
  const int id = form.nextId++;
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form.window, GWLP_HINSTANCE));
  HWND window =
      CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, form.window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!window) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&peer));
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(form.font.font), FALSE);
  return window;
}

// Puts `windows` one after the other in the tab order, the first right after `previous`.
HWND ChainAfter(const std::vector<HWND>& windows, HWND previous) {
  for (HWND window : windows) {
    // A null `previous` is HWND_TOP: the first in the tab order.
    SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = window;
  }
  return previous;
}

void SetStyleBit(HWND window, LONG_PTR bit, bool on) {
  if (!window) return;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongPtrW(window, GWL_STYLE, wanted);
}

void Move(HWND window, int left, int top, int width, int height) {
  if (!window) return;
  SetWindowPos(window, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

const TCustomEdit& EditOf(const ControlPeer& peer) {
  return static_cast<const TCustomEdit&>(*peer.control);
}

DWORD EditStyle(const ControlPeer& peer) {
  const TCustomEdit& edit = EditOf(peer);
  DWORD style = WS_GROUP | ES_LEFT;
  if (peer.kind == ControlKind::Memo) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    if (static_cast<const TMemo&>(edit).WantReturns) style |= ES_WANTRETURN;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (edit.ReadOnly()) style |= ES_READONLY;
  return style;
}

// EM_LIMITTEXT counts characters, MaxLength bytes; as no character is shorter than a
// byte, the character limit never refuses text that fits. The byte limit itself is
// enforced as the user types (see ControlEvents).
void ApplyMaxLength(const ControlPeer& peer) {
  const int maxLength = EditOf(peer).MaxLength();
  SendMessageW(peer.window, EM_LIMITTEXT, maxLength > 0 ? static_cast<WPARAM>(maxLength) : 0, 0);
}

void SetEditText(ControlPeer& peer) {
  ++peer.echo;
  SetWindowTextCp932(peer.window, EditOf(peer).Text());
  --peer.echo;
}

void FillCombo(ControlPeer& peer) {
  const auto& combo = static_cast<const TComboBox&>(*peer.control);
  ++peer.echo;
  SendMessageW(peer.window, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo.Items())
    SendMessageW(peer.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
  SendMessageW(peer.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
  --peer.echo;
}

void CheckRadioItems(ControlPeer& peer) {
  const int index = static_cast<const TRadioGroup&>(*peer.control).ItemIndex();
  ++peer.echo;
  for (std::size_t i = 0; i < peer.items.size(); ++i)
    if (peer.items[i])
      SendMessageW(peer.items[i], BM_SETCHECK,
                   static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
  --peer.echo;
}

void CreateRadioItems(ControlPeer& peer) {
  const auto& group = static_cast<const TRadioGroup&>(*peer.control);
  const auto& captions = group.Items();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    // The first button opens the group in which the arrow keys move the choice.
    const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
    HWND item = MakeWindow(peer, 0, L"BUTTON", ToWide(captions[i]), style);
    if (item) AttachControlEvents(peer, item);
    peer.items.push_back(item);  // null too, so that positions match the item indices
  }
  CheckRadioItems(peer);
}

void DestroyRadioItems(ControlPeer& peer) {
  const std::vector<HWND> items = peer.items;
  for (HWND item : items)
    if (item) DestroyWindow(item);
  peer.items.clear();
}

// Visible and enabled as the control and every control it sits in.
void ApplyState(ControlPeer& peer) {
  const bool shown = ShownOnForm(*peer.control);
  const bool enabled = EnabledOnForm(*peer.control);
  for (HWND window : peer.Windows()) {
    if (!enabled && GetFocus() == window && peer.form) SetFocus(peer.form->window);
    EnableWindow(window, enabled);
    ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
  }
}

template <class Action>
void ForSubtree(ControlPeer& peer, Action&& action) {
  action(peer);
  for (TControl* child : peer.control->Children())
    if (ControlPeer* inner = ControlPeerOf(*child)) ForSubtree(*inner, action);
}

void PlaceOne(ControlPeer& peer) {
  if (!peer.form) return;
  const TControl& control = *peer.control;
  // The layout's units scaled to the form's pixels, here and nowhere else for controls.
  const int dpi = LayoutPixelsPerInch(*peer.form->form);
  const TRect r = ScaledBoundsOnForm(control, dpi);
  const POINT at{r.Left, r.Top};
  const int width = r.Width(), height = r.Height();
  const HFONT font = peer.form->font.font;
  switch (peer.kind) {
    case ControlKind::LabeledEdit: {
      const SIZE size =
          MeasureText(font, ToWide(static_cast<const TLabeledEdit&>(control).LabelCaption()));
      // Rounded down: a line of text grows a little faster than the scale, and at 96 DPI
      // the caption fills the room above its edit exactly in places.
      const int spacing = kLabelSpacing * dpi / DesignPixelsPerInch;
      if (static_cast<const TLabeledEdit&>(control).LabelPosition == TLabelPosition::Left)
        Move(peer.label, at.x - size.cx - spacing, at.y + (height - size.cy) / 2, size.cx, size.cy);
      else
        Move(peer.label, at.x, at.y - size.cy - spacing, size.cx, size.cy);
      Move(peer.window, at.x, at.y, width, height);
      break;
    }
    case ControlKind::Label: {
      // A label without a size of its own is as large as its text.
      SIZE size{width, height};
      if (control.Width() <= 0 || control.Height() <= 0)
        size = MeasureText(font, ToWide(control.Caption()));
      Move(peer.window, at.x, at.y, size.cx, size.cy);
      break;
    }
    case ControlKind::ComboBox: {
      // The window's height includes the dropped-down list.
      const auto count = static_cast<int>(static_cast<const TComboBox&>(control).Items().size());
      const auto field =
          static_cast<int>(SendMessageW(peer.window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
      const auto row = static_cast<int>(SendMessageW(peer.window, CB_GETITEMHEIGHT, 0, 0));
      const int list = std::clamp(count, 1, kComboDropItems) * std::max(row, 1);
      Move(peer.window, at.x, at.y, width, std::max(height, field + ScaleValue(6, dpi)) + list);
      break;
    }
    case ControlKind::RadioGroup: {
      const auto& group = static_cast<const TRadioGroup&>(control);
      Move(peer.window, at.x, at.y, width, height);
      const auto rects = RadioItemRects(static_cast<int>(peer.items.size()), group.Columns, width,
                                        height, LineHeight(font), dpi);
      for (std::size_t i = 0; i < rects.size() && i < peer.items.size(); ++i)
        Move(peer.items[i], at.x + rects[i].left, at.y + rects[i].top, rects[i].width,
             rects[i].height);
      break;
    }
    default:
      Move(peer.window, at.x, at.y, width, height);
      break;
  }
}

void UpdateCaption(ControlPeer& peer) {
  switch (peer.kind) {
    case ControlKind::LabeledEdit:
      SetWindowTextCp932(peer.label,
                         static_cast<const TLabeledEdit&>(*peer.control).LabelCaption());
      PlaceOne(peer);
      break;
    case ControlKind::Label:
      SetWindowTextCp932(peer.window, peer.control->Caption());
      PlaceOne(peer);
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::Button:
    case ControlKind::GroupBox:
      SetWindowTextCp932(peer.window, peer.control->Caption());
      break;
    default:
      break;
  }
}

}  // namespace

ControlKind KindOf(const TControl& control) {
  const TControl* c = &control;
  if (dynamic_cast<const TLabeledEdit*>(c)) return ControlKind::LabeledEdit;
  if (dynamic_cast<const TMemo*>(c)) return ControlKind::Memo;
  if (dynamic_cast<const TCustomEdit*>(c)) return ControlKind::Edit;
  if (dynamic_cast<const TCheckBox*>(c)) return ControlKind::CheckBox;
  if (dynamic_cast<const TRadioGroup*>(c)) return ControlKind::RadioGroup;
  if (dynamic_cast<const TComboBox*>(c)) return ControlKind::ComboBox;
  if (dynamic_cast<const TButton*>(c)) return ControlKind::Button;
  if (dynamic_cast<const TLabel*>(c)) return ControlKind::Label;
  if (dynamic_cast<const TGroupBox*>(c)) return ControlKind::GroupBox;
  if (dynamic_cast<const TImage*>(c)) return ControlKind::Image;
  return ExtraKindOf(control);
}

HWND CreateControlWindows(ControlPeer& peer, HWND previous) {
  if (!peer.form || !peer.form->window) return previous;
  const TControl& control = *peer.control;
  const std::wstring caption = ToWide(control.Caption());
  switch (peer.kind) {
    case ControlKind::Windowless:
      return previous;
    case ControlKind::LabeledEdit:
      peer.label = MakeWindow(peer, 0, L"STATIC",
                              ToWide(static_cast<const TLabeledEdit&>(control).LabelCaption()),
                              SS_LEFT | WS_GROUP);
      [[fallthrough]];
    case ControlKind::Edit:
    case ControlKind::Memo:
      peer.window =
          MakeWindow(peer, WS_EX_CLIENTEDGE, L"EDIT", ToWide(EditOf(peer).Text()), EditStyle(peer));
      if (peer.window) ApplyMaxLength(peer);
      break;
    case ControlKind::CheckBox:
      peer.window = MakeWindow(peer, 0, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_GROUP);
      SendMessageW(peer.window, BM_SETCHECK,
                   static_cast<const TCheckBox&>(control).Checked() ? BST_CHECKED : BST_UNCHECKED,
                   0);
      break;
    case ControlKind::RadioGroup:
      peer.window = MakeWindow(peer, 0, L"BUTTON", caption, BS_GROUPBOX | WS_GROUP);
      CreateRadioItems(peer);
      break;
    case ControlKind::ComboBox:
      peer.window = MakeWindow(peer, 0, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP);
      if (peer.window) FillCombo(peer);
      break;
    case ControlKind::Button: {
      const bool isDefault = static_cast<const TButton&>(control).Default;
      peer.window = MakeWindow(peer, 0, L"BUTTON", caption,
                               (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_GROUP);
      break;
    }
    case ControlKind::Label:
      peer.window = MakeWindow(peer, 0, L"STATIC", caption, SS_LEFT | WS_GROUP);
      break;
    case ControlKind::GroupBox:
      // A check box on its top edge, a caption of its own, lies above it: the frame line
      // must not be drawn through it.
      peer.window =
          MakeWindow(peer, 0, L"BUTTON", caption, BS_GROUPBOX | WS_GROUP | WS_CLIPSIBLINGS);
      break;
    case ControlKind::Image:
      peer.window = CreateImageWindow(peer);  // handles its own mouse, takes no keys
      break;
    case ControlKind::PageControl:
    case ControlKind::DrawGrid:
    case ControlKind::Panel:
    case ControlKind::IconImage:
      peer.window = CreateExtraControlWindow(peer);
      break;
  }
  // Labels and group boxes take no input; the other windows report keys and focus.
  if (peer.window && peer.kind != ControlKind::Label && peer.kind != ControlKind::GroupBox &&
      peer.kind != ControlKind::RadioGroup && peer.kind != ControlKind::Image)
    AttachControlEvents(peer, peer.window);
  ApplyTabStops(peer);
  PlaceOne(peer);
  ApplyState(peer);
  if (LiesBeneath(peer.kind) && peer.window) {
    SetWindowPos(peer.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return previous;
  }
  return ChainAfter(peer.Windows(), previous);
}

void DestroyControlWindows(ControlPeer& peer) {
  for (HWND window : peer.Windows()) DestroyWindow(window);
  peer.window = nullptr;
  peer.label = nullptr;
  peer.items.clear();
}

void UpdateControlWindows(ControlPeer& peer, TProperty what) {
  if (!peer.form || !peer.form->window) return;
  switch (what) {
    case TProperty::Bounds:
      PlaceControl(peer);
      break;
    case TProperty::Caption:
      UpdateCaption(peer);
      break;
    case TProperty::Text:
      if (IsEditKind(peer.kind)) SetEditText(peer);
      break;
    case TProperty::Enabled:
    case TProperty::Visible:
      ForSubtree(peer, [](ControlPeer& p) { ApplyState(p); });
      break;
    case TProperty::Checked:
      if (peer.kind == ControlKind::CheckBox)
        SendMessageW(
            peer.window, BM_SETCHECK,
            static_cast<const TCheckBox&>(*peer.control).Checked() ? BST_CHECKED : BST_UNCHECKED,
            0);
      break;
    case TProperty::Items:
      if (peer.kind == ControlKind::ComboBox) {
        FillCombo(peer);
        PlaceOne(peer);
      } else if (peer.kind == ControlKind::RadioGroup) {
        DestroyRadioItems(peer);
        CreateRadioItems(peer);
        ApplyTabStops(peer);
        PlaceOne(peer);
        ApplyState(peer);
        std::vector<HWND> items;
        for (HWND item : peer.items)
          if (item) items.push_back(item);
        ChainAfter(items, peer.window);
      }
      break;
    case TProperty::ItemIndex:
      if (peer.kind == ControlKind::ComboBox) {
        ++peer.echo;
        SendMessageW(peer.window, CB_SETCURSEL,
                     static_cast<WPARAM>(static_cast<const TComboBox&>(*peer.control).ItemIndex()),
                     0);
        --peer.echo;
      } else if (peer.kind == ControlKind::RadioGroup) {
        CheckRadioItems(peer);
        ApplyTabStops(peer);
      }
      break;
    case TProperty::ReadOnly:
      if (IsEditKind(peer.kind))
        SendMessageW(peer.window, EM_SETREADONLY, EditOf(peer).ReadOnly() ? TRUE : FALSE, 0);
      break;
    case TProperty::MaxLength:
      if (IsEditKind(peer.kind)) ApplyMaxLength(peer);
      break;
    case TProperty::Font:
      ApplyFont(peer);
      break;
    case TProperty::Other:
      ApplyTabStops(peer);
      if (peer.kind == ControlKind::Memo)
        SetStyleBit(peer.window, ES_WANTRETURN,
                    static_cast<const TMemo&>(*peer.control).WantReturns);
      if (peer.kind == ControlKind::RadioGroup) PlaceOne(peer);
      break;
  }
  UpdateExtraControl(peer, what);
}

void PlaceControl(ControlPeer& peer) {
  ForSubtree(peer, [](ControlPeer& p) { PlaceOne(p); });
}

void ApplyTabStops(ControlPeer& peer) {
  const HWND focus = peer.FocusWindow();
  const bool tabStop = peer.control->TabStop;
  for (HWND window : peer.Windows()) SetStyleBit(window, WS_TABSTOP, tabStop && window == focus);
}

void ApplyFont(ControlPeer& peer) {
  if (!peer.form) return;
  const auto font = reinterpret_cast<WPARAM>(peer.form->font.font);
  for (HWND window : peer.Windows()) SendMessageW(window, WM_SETFONT, font, TRUE);
  PlaceOne(peer);
}

}  // namespace win32tk
