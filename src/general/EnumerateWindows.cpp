#include "general/EnumerateWindows.h"

#include "platform/Desktop.h"

bool CollectWindow(Desktop& desktop, WindowHandle window, CWindowList& list) {
  // A disabled window is an owner waiting for its modal dialog; the dialog is collected.
  long style = desktop.GetWindowLongA(window, win::GwlStyle);
  if ((style & win::WsDisabled) || !(style & win::WsVisible)) return true;

  CWindow entry;
  entry.Handle = window;
  desktop.GetWindowRect(window, entry.Bounds);
  entry.Title = desktop.GetWindowTextA(window, kWindowTextBufferSize);
  entry.ClassName = desktop.GetClassNameA(window, kWindowTextBufferSize);
  // Only a window that has gone has no class name; it would be listed at (0, 0, 0, 0).
  if (entry.ClassName.empty()) return true;
  // Exact and case-sensitive: a program's own "progman" class is an ordinary window.
  if (entry.ClassName == "Progman" || entry.ClassName == "Shell_TrayWnd") return true;
  list.push_back(std::move(entry));
  return true;
}

void EnumerateWindows(Desktop& desktop, CWindowList& list) {
  list.clear();
  desktop.EnumWindows(
      [&desktop, &list](WindowHandle window) { return CollectWindow(desktop, window, list); });
}
