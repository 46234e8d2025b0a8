#pragma once
// The settings framework's own texts, as code page 932 bytes.
#include <string>

namespace texts::settings {
// "<field> is out of range", for the four number fields of the options dialog.
extern const char* const TranslucentAlphaOutOfRange;
extern const char* const VirtualDesktopCountOutOfRange;
extern const char* const InitialFrameOutOfRange;
extern const char* const MiniWidthOutOfRange;
// "<number of virtual screens> is out of range: the monitors as they are allow at most
// <largest>."
std::string VirtualDesktopCountTooLarge(int largest);
// "The settings file <path> could not be written." (path in code page 932)
std::string WriteFailed(const std::string& path);
}  // namespace texts::settings
