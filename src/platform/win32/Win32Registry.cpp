// The current user's Run key, through the W functions: the command line there holds the
// program's path with every character.
#include <windows.h>

#include <cwchar>

#include "platform/win32/Cp932.h"
#include "platform/win32/Win32Desktop.h"

namespace {
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
}

bool Win32Desktop::RegGetRunValue(const std::string& name, std::filesystem::path& commandLine) {
  const std::wstring valueName = Cp932ToWide(name);
  // The value's text as it is stored; another program may have written it expandable.
  constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  DWORD size = 0;
  if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, valueName.c_str(), kFlags, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
    return false;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, valueName.c_str(), kFlags, nullptr, text.data(),
                     &size) != ERROR_SUCCESS)
    return false;
  // The size counts the terminating zero.
  text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
  commandLine = std::move(text);
  return true;
}

bool Win32Desktop::RegSetRunValue(const std::string& name,
                                  const std::filesystem::path& commandLine) {
  const std::wstring& text = commandLine.native();
  return ::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, Cp932ToWide(name).c_str(), REG_SZ,
                           text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) ==
         ERROR_SUCCESS;
}

bool Win32Desktop::RegDeleteRunValue(const std::string& name) {
  const LSTATUS status =
      ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, Cp932ToWide(name).c_str());
  // Nothing to delete is as good as deleted.
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
