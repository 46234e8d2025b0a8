#include "general/ForceForeground.h"

void ForceForeground(Desktop& desktop, WindowHandle window) {
  unsigned foregroundThread = desktop.GetWindowThreadProcessId(desktop.GetForegroundWindow());
  unsigned targetThread = desktop.GetWindowThreadProcessId(window);
  desktop.AttachThreadInput(targetThread, foregroundThread, true);

  unsigned oldTimeout = 0;
  desktop.GetForegroundLockTimeout(oldTimeout);
  // Session only: the changed time-out is neither stored in the profile nor broadcast.
  desktop.SetForegroundLockTimeout(0);
  desktop.SetForegroundWindow(window);
  desktop.SetForegroundLockTimeout(oldTimeout);

  desktop.AttachThreadInput(targetThread, foregroundThread, false);
  // Wine leaves no foreground window once the input is detached again; its lock does not
  // refuse a plain request, so one more brings the window to the front there too.
  if (desktop.GetForegroundWindow() != window) desktop.SetForegroundWindow(window);
}
