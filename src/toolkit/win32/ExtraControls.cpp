#include "toolkit/win32/ExtraControls.h"

#include "toolkit/ComCtrls.h"
#include "toolkit/Grids.h"
#include "toolkit/Panels.h"

namespace win32tk {

ControlKind ExtraKindOf(const TControl& control) {
  const TControl* c = &control;
  if (dynamic_cast<const TPageControl*>(c)) return ControlKind::PageControl;
  if (dynamic_cast<const TDrawGrid*>(c)) return ControlKind::DrawGrid;
  if (dynamic_cast<const TPanel*>(c)) return ControlKind::Panel;
  if (dynamic_cast<const TIconImage*>(c)) return ControlKind::IconImage;
  return ControlKind::Windowless;
}

HWND CreateExtraControlWindow(ControlPeer& peer) {
  switch (peer.kind) {
    case ControlKind::PageControl:
      return CreatePageControlWindow(peer);
    case ControlKind::DrawGrid:
      return CreateDrawGridWindow(peer);
    case ControlKind::Panel:
      return CreatePanelWindow(peer);
    case ControlKind::IconImage:
      return CreateIconImageWindow(peer);
    default:
      return nullptr;
  }
}

bool LiesBeneath(ControlKind kind) {
  return kind == ControlKind::PageControl || kind == ControlKind::Panel;
}

void UpdateExtraControl(ControlPeer& peer, TProperty what) {
  switch (peer.kind) {
    case ControlKind::PageControl:
      UpdatePageControl(peer, what);
      break;
    case ControlKind::DrawGrid:
      UpdateDrawGrid(peer, what);
      break;
    case ControlKind::Windowless:
      // A tab sheet's caption is its tab's text.
      if (what == TProperty::Caption)
        if (auto* sheet = dynamic_cast<TTabSheet*>(peer.control); sheet && sheet->PageControl())
          if (ControlPeer* pages = ControlPeerOf(*sheet->PageControl()))
            UpdatePageControl(*pages, TProperty::Items);
      break;
    case ControlKind::Panel:
    case ControlKind::IconImage:
      if (peer.window && what == TProperty::Other) InvalidateRect(peer.window, nullptr, TRUE);
      break;
    default:
      break;
  }
}

bool ExtraControlNotify(FormPeer& form, const NMHDR& header) {
  ControlPeer* peer = ControlPeerOfWindow(header.hwndFrom);
  if (!peer || peer->form != &form || peer->window != header.hwndFrom) return false;
  if (peer->kind == ControlKind::PageControl) return PageControlNotify(*peer, header);
  return false;
}

HWND MakeChildWindow(ControlPeer& peer, DWORD exStyle, const wchar_t* windowClass, DWORD style) {
  FormPeer& form = *peer.form;
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form.window, GWLP_HINSTANCE));
  // Ids as the other controls take them: clear of IDOK and IDCANCEL.
  if (form.nextId > 0xFFF0) form.nextId = 100;
  const int id = form.nextId++;
  HWND window =
      CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | style, 0, 0, 0, 0, form.window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!window) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&peer));
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(form.font.font), FALSE);
  return window;
}

}  // namespace win32tk
