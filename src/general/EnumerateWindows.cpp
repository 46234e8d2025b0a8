#include "general/EnumerateWindows.h"

#include <string_view>

#include "platform/Desktop.h"

namespace {
// The desktop and the task bar, which never move. Exact and case-sensitive: a program's own
// "progman" class is an ordinary window.
bool IsShell(std::string_view className) {
  // As views: the lengths are compared first, and most names differ in length.
  return className == "Progman" || className == "Shell_TrayWnd";
}
}  // namespace

bool CollectWindow(Desktop& desktop, WindowHandle window, CWindowList& list) {
  // A disabled window is an owner waiting for its modal dialog; the dialog is collected.
  long style = desktop.GetWindowLongA(window, win::GwlStyle);
  if ((style & win::WsDisabled) || !(style & win::WsVisible)) return true;

  CWindow entry;
  entry.Handle = window;
  entry.Style = style;
  desktop.GetWindowRect(window, entry.Bounds);
  entry.Title = desktop.GetWindowTextA(window, kWindowTextBufferSize);
  entry.ClassName = desktop.GetClassNameA(window, kWindowTextBufferSize);
  // Only a window that has gone has no class name; it would be listed at (0, 0, 0, 0).
  if (entry.ClassName.empty()) return true;
  if (IsShell(entry.ClassName)) return true;
  list.push_back(std::move(entry));
  return true;
}

void EnumerateWindows(Desktop& desktop, CWindowList& list, std::set<WindowHandle>& cloaked,
                      std::vector<TListedWindow>& scratch, ListedTitles titles) {
  // A disabled window is an owner waiting for its modal dialog; the dialog is collected.
  desktop.ListWindows(win::WsVisible, win::WsDisabled,
                      titles == ListedTitles::Read ? kWindowTextBufferSize : 0,
                      kWindowTextBufferSize, scratch);
  cloaked.clear();
  // The texts are swapped, not copied, so both lists keep their buffers for the next call.
  list.resize(scratch.size());
  size_t listed = 0;
  for (TListedWindow& window : scratch) {
    // Only a window that has gone has no class name.
    if (window.ClassName.empty() || IsShell(window.ClassName)) continue;
    if (window.Cloaked) cloaked.insert(window.Handle);
    CWindow& entry = list[listed++];
    entry.Handle = window.Handle;
    entry.Bounds = window.Bounds;
    entry.Style = window.Style;
    entry.Title.swap(window.Title);
    entry.ClassName.swap(window.ClassName);
  }
  list.resize(listed);
}

void EnumerateWindows(Desktop& desktop, CWindowList& list) {
  list.clear();
  desktop.EnumWindows(
      [&desktop, &list](WindowHandle window) { return CollectWindow(desktop, window, list); });
}
