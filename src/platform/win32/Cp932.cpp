#include "platform/win32/Cp932.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage = 932;
}

std::wstring Cp932ToWide(const std::string& text) {
  if (text.empty()) return {};
  int length =
      MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string WideToCp932(const std::wstring& text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                      length, nullptr, nullptr);
  return bytes;
}
