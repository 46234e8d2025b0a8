#include "settings/IniValues.h"

#include <cstdint>

#include "text/ShiftJis.h"

namespace {

std::string_view StripEnclosingQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ProfileText(std::string_view stored) {
  std::string_view text = StripEnclosingQuotes(stored);
  if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  return std::string(CutShiftJis(text, kProfileTextLimit));
}

bool ParseProfileInteger(std::string_view stored, int& value) {
  std::string text = ProfileText(stored);
  std::string_view digits = TrimBlanks(text);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  std::uint32_t magnitude = 0;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    if (digits.size() > 8) return false;
    for (char c : digits) {
      int d = HexDigit(c);
      if (d < 0) return false;
      magnitude = magnitude * 16 + static_cast<std::uint32_t>(d);
    }
  } else {
    if (digits.empty()) return false;
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    std::uint64_t decimal = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return false;
      decimal = decimal * 10 + static_cast<std::uint64_t>(c - '0');
      if (decimal > limit) return false;
    }
    magnitude = static_cast<std::uint32_t>(decimal);
  }
  // Two's complement: "0xFFFFFFFF" is -1, as the profile functions give it.
  std::uint32_t bits = negative ? 0U - magnitude : magnitude;
  value = static_cast<int>(bits);
  return true;
}
