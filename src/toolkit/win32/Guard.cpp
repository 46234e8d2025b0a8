#include "toolkit/win32/Guard.h"

#include <string>

#include "toolkit/Forms.h"
#include "toolkit/SysUtils.h"

namespace win32tk {

void ReportCurrentException(TApplication* app) noexcept {
  // Only the framework's own exceptions carry a message for the user.
  std::string message;
  try {
    throw;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (...) {
  }
  // A handler that throws while its box is up (say, on every repaint) would otherwise
  // stack boxes without end; the first one is enough.
  static bool showing = false;
  if (!app || showing) return;
  showing = true;
  try {
    app->ShowException(message);
  } catch (...) {
  }
  showing = false;
}

}  // namespace win32tk
