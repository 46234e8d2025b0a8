#pragma once
// Byte-level facts about code page 932 text, so that no reader of it (the INI reader, the
// window texts of the platform, the window patterns) splits a double-byte character or
// folds the case of a trail byte.
#include <string>
#include <string_view>

// First byte of a double-byte character.
inline bool IsShiftJisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The text with ASCII letters in lower case; trail bytes of double-byte characters, which
// can look like ASCII letters, are left alone. Used to compare names without case.
std::string FoldShiftJisCase(std::string_view text);

// The longest prefix of `text` of at most `limit` bytes that does not end inside a
// double-byte character.
std::string_view CutShiftJis(std::string_view text, std::size_t limit);
