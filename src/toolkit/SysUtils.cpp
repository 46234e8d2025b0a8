#include "toolkit/SysUtils.h"

#include <charconv>
#include <climits>

#include "toolkit/ToolkitTexts.h"

bool TryStrToInt(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  long long parsed = 0;
  auto [end, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || end != last || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

int StrToInt(const std::string& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(texts::NotAnInteger(text));
  return value;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}
