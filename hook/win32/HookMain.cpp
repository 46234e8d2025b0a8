// Placeholder until the hook library lands.
#include <windows.h>

extern "C" BOOL StartHook(HWND, int) { return FALSE; }
extern "C" BOOL EndHook() { return FALSE; }
