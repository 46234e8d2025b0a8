#pragma once
// The dialogs' test for an empty field: nothing left once every character of code 0x20 or
// less is removed from both ends. A double-byte space is not blank.
#include <string_view>

inline bool IsBlankText(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > 0x20) return false;
  return true;
}
