#pragma once
// The page control, the owner-drawn grid, the panel and the icon image: their windows and
// how they follow their objects. ControlWindows hands these kinds over to here.
#include "toolkit/win32/Peers.h"

namespace win32tk {

// The kind of one of these controls; Windowless for any other control.
ControlKind ExtraKindOf(const TControl& control);
HWND CreateExtraControlWindow(ControlPeer& peer);
// Controls whose window lies beneath the controls placed on them, which are its sibling
// windows on the form: it goes to the bottom of the Z-order and is the last tab stop.
bool LiesBeneath(ControlKind kind);
// After the common handling of a change (bounds, state, font).
void UpdateExtraControl(ControlPeer& peer, TProperty what);
// WM_NOTIFY from a control on the form; true when it was one of these.
bool ExtraControlNotify(FormPeer& form, const NMHDR& header);

// The pieces (one file each).
HWND CreatePageControlWindow(ControlPeer& peer);
void UpdatePageControl(ControlPeer& peer, TProperty what);
bool PageControlNotify(ControlPeer& peer, const NMHDR& header);
HWND CreateDrawGridWindow(ControlPeer& peer);
void UpdateDrawGrid(ControlPeer& peer, TProperty what);
HWND CreatePanelWindow(ControlPeer& peer);
HWND CreateIconImageWindow(ControlPeer& peer);

// A child window of the control's form with the next control id, the peer as its user
// data and the form's font.
HWND MakeChildWindow(ControlPeer& peer, DWORD exStyle, const wchar_t* windowClass, DWORD style);

}  // namespace win32tk
