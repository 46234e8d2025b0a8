#pragma once
// The window of an image: it shows the image's bitmap and reports the mouse over it.
#include "toolkit/win32/Peers.h"

namespace win32tk {

// Creates the image's window on its form's window (hidden, no size yet) and returns it.
HWND CreateImageWindow(ControlPeer& peer);

}  // namespace win32tk
