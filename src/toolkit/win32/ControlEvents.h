#pragma once
// What the user does to a control window, reported back to its object: notifications
// arriving at the form as WM_COMMAND, and the keyboard and focus through a subclass of
// each interactive control window.
#include "toolkit/win32/Peers.h"

namespace win32tk {

// Subclasses an interactive window of the control: key events, focus tracking, the byte
// limit of edits.
void AttachControlEvents(ControlPeer& peer, HWND window);

// A WM_COMMAND notification `code` from `from`, one of the peer's windows. The object may
// be gone when this returns.
void ControlCommand(ControlPeer& peer, HWND from, WORD code);

// The modifier keys held for the key message being processed.
TShiftState CurrentShiftState();

// The application of the control's form, for the exception box (null while it has none).
TApplication* AppOf(const ControlPeer& peer);

// The pointer position of a mouse message, in client pixels (negative when captured).
inline int MouseX(LPARAM lParam) {
  return static_cast<short>(LOWORD(lParam));
}
inline int MouseY(LPARAM lParam) {
  return static_cast<short>(HIWORD(lParam));
}

}  // namespace win32tk
