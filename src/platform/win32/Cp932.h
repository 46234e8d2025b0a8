#pragma once
// Conversions at the Windows boundary. The program's text is code page 932 whatever the
// system's ANSI code page is, so every A-style text is converted explicitly.
#include <string>

std::wstring Cp932ToWide(const std::string& text);
std::string WideToCp932(const std::wstring& text);
