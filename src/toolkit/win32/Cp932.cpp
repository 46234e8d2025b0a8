#include "toolkit/win32/Cp932.h"

#include "platform/win32/Cp932.h"

namespace win32tk {

namespace {
constexpr UINT kCodePage = 932;

bool IsHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}
}  // namespace

std::wstring ToWide(std::string_view cp932) {
  return Cp932ToWide(cp932);
}

std::string ToCp932(std::wstring_view text) {
  return WideToCp932(text);
}

std::size_t Cp932Length(std::wstring_view text) {
  if (text.empty()) return 0;
  const int length = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  return length > 0 ? static_cast<std::size_t>(length) : 0;
}

std::size_t Cp932Fit(std::wstring_view text, std::size_t maxBytes) {
  std::size_t bytes = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    // A surrogate pair is one character; code page 932 has no such characters, so the
    // pair becomes one replacement byte.
    const std::size_t units =
        (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ? 2 : 1;
    const std::size_t charBytes = Cp932Length(text.substr(i, units));
    if (bytes + charBytes > maxBytes) break;
    bytes += charBytes;
    i += units;
  }
  return i;
}

std::wstring WindowTextW(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void SetWindowTextCp932(HWND window, const std::string& text) {
  SetWindowTextW(window, ToWide(text).c_str());
}

}  // namespace win32tk
