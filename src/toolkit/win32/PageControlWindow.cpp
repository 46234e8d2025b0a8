// The page control as a tab control. Its pages have no windows: the controls on them are
// windows of the form, shown and hidden with their page, and lie above the tab control.
#include "toolkit/ComCtrls.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/ExtraControls.h"
#include "toolkit/win32/Guard.h"

namespace win32tk {

namespace {

TPageControl& PagesOf(ControlPeer& peer) {
  return static_cast<TPageControl&>(*peer.control);
}

void FillTabs(ControlPeer& peer) {
  TPageControl& pages = PagesOf(peer);
  ++peer.echo;
  SendMessageW(peer.window, TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (TTabSheet* sheet : pages.Pages()) {
    std::wstring caption = ToWide(sheet->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(peer.window, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                 reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(peer.window, TCM_SETCURSEL, static_cast<WPARAM>(pages.ActivePageIndex()), 0);
  --peer.echo;
}

}  // namespace

HWND CreatePageControlWindow(ControlPeer& peer) {
  // The pages' controls are its siblings above it: it must not paint over them.
  HWND window = MakeChildWindow(peer, 0, WC_TABCONTROLW, WS_CLIPSIBLINGS | WS_GROUP);
  if (window) {
    peer.window = window;
    // Narrow padding, so that a row of tabs with long Japanese captions fits.
    const int padding = ScaleValue(3, LayoutPixelsPerInch(*peer.form->form));
    SendMessageW(window, TCM_SETPADDING, 0, MAKELPARAM(padding, padding));
    FillTabs(peer);
  }
  return window;
}

void UpdatePageControl(ControlPeer& peer, TProperty what) {
  if (!peer.window) return;
  if (what == TProperty::Items) {
    FillTabs(peer);
  } else if (what == TProperty::ItemIndex) {
    ++peer.echo;
    SendMessageW(peer.window, TCM_SETCURSEL, static_cast<WPARAM>(PagesOf(peer).ActivePageIndex()),
                 0);
    --peer.echo;
    // The page that went leaves holes that the tab control and the form would each fill
    // in their own way: the whole page area is drawn again, beneath and above.
    RECT area;
    GetWindowRect(peer.window, &area);
    MapWindowPoints(nullptr, GetParent(peer.window), reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(GetParent(peer.window), &area, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

bool PageControlNotify(ControlPeer& peer, const NMHDR& header) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  if (peer.echo > 0) return true;
  const auto index = static_cast<int>(SendMessageW(peer.window, TCM_GETCURSEL, 0, 0));
  TPageControl& pages = PagesOf(peer);
  Guarded(peer.form ? peer.form->form->Application() : nullptr, [&] { pages.SelectPage(index); });
  return true;
}

}  // namespace win32tk
