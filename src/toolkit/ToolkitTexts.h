#pragma once
// The toolkit's own texts, as code page 932 bytes.
#include <string>

namespace texts {
// "'<text>' is not an integer"
std::string NotAnInteger(const std::string& text);
// Caption of the error message box.
extern const char* const ErrorCaption;
}  // namespace texts
