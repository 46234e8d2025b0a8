// The last thing the program does when it crashes: the handler brings the windows parked
// on other virtual screens back, so a crash never strands them off the screen.
#include <windows.h>

#include <atomic>
#include <exception>

#include "platform/win32/Win32Desktop.h"

namespace {
std::function<void()> g_handler;
std::atomic<bool> g_ran{false};
std::terminate_handler g_previousTerminate = nullptr;

void RunOnce() {
  // A crash inside the handler itself must not loop back into it.
  if (g_ran.exchange(true) || !g_handler) return;
  try {
    g_handler();
  } catch (...) {
  }
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS*) {
  RunOnce();
  return EXCEPTION_CONTINUE_SEARCH;
}

void OnTerminate() {
  RunOnce();
  if (g_previousTerminate) g_previousTerminate();
  std::abort();
}
}  // namespace

void Win32Desktop::SetUnhandledExceptionFilter(std::function<void()> handler) {
  g_handler = std::move(handler);
  g_ran = false;
  if (g_handler) {
    ::SetUnhandledExceptionFilter(OnUnhandledException);
    g_previousTerminate = std::set_terminate(OnTerminate);
  } else {
    ::SetUnhandledExceptionFilter(nullptr);
  }
}
