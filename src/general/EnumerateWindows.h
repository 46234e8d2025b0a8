#pragma once
// Collecting the top-level windows the program works with into a list.
#include <set>
#include <vector>

#include "general/Window.h"

class Desktop;

// Size of the buffers titles and class names are read into: at most 258 bytes each.
constexpr int kWindowTextBufferSize = 259;

// Empties `list`, then appends every qualifying top-level window in enumeration order.
void EnumerateWindows(Desktop& desktop, CWindowList& list);

// Whether the entries of a list need their titles: only a command's search reads them.
enum class ListedTitles { Read, Skipped };

// The same list in one pass over the system's windows, each also asked whether it is
// cloaked: those that are go into `cloaked` (emptied first). With `ListedTitles::Skipped`
// every title is left empty. `scratch` keeps its buffers from one call to the next.
void EnumerateWindows(Desktop& desktop, CWindowList& list, std::set<WindowHandle>& cloaked,
                      std::vector<TListedWindow>& scratch, ListedTitles titles);

// The enumeration callback: appends `window` unless it is disabled, invisible, gone, the
// desktop ("Progman") or the task bar ("Shell_TrayWnd"). Always returns true, so the
// enumeration runs to the end.
bool CollectWindow(Desktop& desktop, WindowHandle window, CWindowList& list);
