#pragma once
// A form's top-level window: its styles, geometry and messages.
#include "toolkit/win32/Peers.h"

namespace win32tk {

// Window procedure of the form class.
LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the form's window, hidden, owned by `owner`, and sets peer.window; the window
// takes the DPI of the monitor it lands on.
HWND CreateFormWindow(FormPeer& peer, HWND owner, HINSTANCE instance);
// The window shows at `dpi` now: the form takes it and the suggested rectangle (see
// TForm::ChangeScale); a scaled form's font and controls follow.
void ApplyFormScale(FormPeer& peer, int dpi, const RECT& suggested);

// Styles from BorderStyle, BorderIcons and FormStyle, applied to the existing window.
void ApplyFormStyle(FormPeer& peer);
// Position and size from the object: the client size when that was set, else the outer
// rectangle.
void ApplyFormBounds(FormPeer& peer);
void CentreOnScreen(FormPeer& peer);
// Tells the dialog manager which button Enter presses.
void SyncDefaultButton(FormPeer& peer);
// Gives the focus to the form's ActiveControl, or to the first control in the tab order,
// or to the form itself when it has no control to take it. `entering` goes through the
// dialog manager, so that an edit entered this way selects its text; a form that is only
// activated again leaves the selection alone.
void FocusActiveControl(FormPeer& peer, bool entering);

}  // namespace win32tk
