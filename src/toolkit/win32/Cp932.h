#pragma once
// Text at the Windows boundary. The objects hold code page 932 bytes; windows are driven
// through the W functions only, so Japanese shows correctly whatever the system code page.
#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/win32/WinApi.h"

namespace win32tk {

std::wstring ToWide(std::string_view cp932);
std::string ToCp932(std::wstring_view text);

// Length of `text` once encoded in code page 932, in bytes.
std::size_t Cp932Length(std::wstring_view text);
// How many UTF-16 units of `text`, from its start and ending on a character boundary,
// fit into `maxBytes` bytes of code page 932.
std::size_t Cp932Fit(std::wstring_view text, std::size_t maxBytes);

std::wstring WindowTextW(HWND window);
void SetWindowTextCp932(HWND window, const std::string& text);

}  // namespace win32tk
