#pragma once
// C++ exceptions must not unwind through Windows' own frames (window procedures, the
// dialog manager, the message loop of a message box). Every call from a window procedure
// into the program's handlers goes through Guarded, which shows the exception in the
// application's exception box instead.
#include <utility>

class TApplication;

namespace win32tk {

// Shows the exception being handled; call only inside a catch block.
void ReportCurrentException(TApplication* app) noexcept;

template <class Action>
void Guarded(TApplication* app, Action&& action) noexcept {
  try {
    std::forward<Action>(action)();
  } catch (...) {
    ReportCurrentException(app);
  }
}

}  // namespace win32tk
