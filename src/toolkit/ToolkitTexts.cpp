#include "toolkit/ToolkitTexts.h"

namespace texts {
std::string NotAnInteger(const std::string& text) {
  return "'" + text + "' は整数ではありません";
}
const char* const ErrorCaption = "エラー";
}  // namespace texts
