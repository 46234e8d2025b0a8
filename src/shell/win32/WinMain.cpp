// The entry point of tarnwick.exe: the real Desktop and the real toolkit backend.
// clang-format off
#include "toolkit/win32/Win32Backend.h"  // first: it orders the portable and Windows headers
// clang-format on
#include "platform/win32/Win32Desktop.h"
#include "shell/EntryPoint.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Win32Desktop desktop;
  auto backend = CreateWin32Backend(instance);
  return RunProgram(desktop, *backend);
}
