#pragma once
// The windows that stand for each kind of control, and bringing them in step with the
// object when its state changes.
#include "toolkit/win32/Peers.h"

namespace win32tk {

ControlKind KindOf(const TControl& control);

// Creates the control's windows on its form's window and puts them in the tab order right
// after `previous` (first when null). Returns the control's last window, or `previous`
// when it has none.
HWND CreateControlWindows(ControlPeer& peer, HWND previous);
void DestroyControlWindows(ControlPeer& peer);

// The object's `what` changed. Bounds, visibility and the enabled state carry over to the
// controls placed inside this one.
void UpdateControlWindows(ControlPeer& peer, TProperty what);

// Position and size from the object (and those of the controls inside it).
void PlaceControl(ControlPeer& peer);
// WS_TABSTOP from TabStop; in a radio group only the chosen button is a tab stop.
void ApplyTabStops(ControlPeer& peer);
// The form's font on every window of the control.
void ApplyFont(ControlPeer& peer);

}  // namespace win32tk
