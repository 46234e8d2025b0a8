// The version resource through the W functions: VerQueryValueW gives the strings exactly,
// whatever the ANSI code page; they are converted to code page 932 here.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cwchar>

#include "platform/win32/Cp932.h"
#include "platform/win32/Win32Desktop.h"

unsigned Win32Desktop::GetFileVersionInfoSizeW(const std::filesystem::path& path) {
  DWORD ignored = 0;
  return ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
}

bool Win32Desktop::GetFileVersionInfoW(const std::filesystem::path& path, unsigned size,
                                       std::vector<std::uint8_t>& block) {
  block.assign(size, 0);
  return ::GetFileVersionInfoW(path.c_str(), 0, size, block.data()) != FALSE;
}

bool Win32Desktop::VerQueryValueA(const std::vector<std::uint8_t>& block,
                                  const std::string& subBlock, std::string& value) {
  if (block.empty()) return false;
  void* data = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), Cp932ToWide(subBlock).c_str(), &data, &length) || !data)
    return false;
  // Strings count characters, other values bytes.
  static const std::string kStrings = "\\stringfileinfo\\";
  const bool isString =
      subBlock.size() >= kStrings.size() &&
      std::equal(kStrings.begin(), kStrings.end(), subBlock.begin(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  if (isString) {
    const auto* text = static_cast<const wchar_t*>(data);
    value = WideToCp932(std::wstring(text, wcsnlen(text, length)));
  } else {
    const auto* bytes = static_cast<const char*>(data);
    value.assign(bytes, length);
  }
  return true;
}
