#include "platform/win32/Responsive.h"

namespace {
// Long enough for a busy but healthy program, short enough that a switch of frames with
// a hung window in it still completes at once for the user.
constexpr UINT kAnswerTimeoutMs = 100;
}  // namespace

bool WindowAnswers(HWND window) {
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs,
                             &result) != 0;
}
