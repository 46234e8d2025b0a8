#pragma once
// Conversions at the Windows boundary. The program's text is code page 932 whatever the
// system's ANSI code page is, so every A-style text is converted explicitly.
#include <string>
#include <string_view>

std::wstring Cp932ToWide(std::string_view text);
std::string WideToCp932(std::wstring_view text);
