#pragma once
// Collecting the top-level windows the program works with into a list.
#include "general/Window.h"

class Desktop;

// Size of the buffers titles and class names are read into: at most 258 bytes each.
constexpr int kWindowTextBufferSize = 259;

// Empties `list`, then appends every qualifying top-level window in enumeration order.
void EnumerateWindows(Desktop& desktop, CWindowList& list);

// The enumeration callback: appends `window` unless it is disabled, invisible, gone, the
// desktop ("Progman") or the task bar ("Shell_TrayWnd"). Always returns true, so the
// enumeration runs to the end.
bool CollectWindow(Desktop& desktop, WindowHandle window, CWindowList& list);
