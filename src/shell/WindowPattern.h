#pragma once
// The window pattern shared by commands and watching rules: "@" and a class name matches
// that exact class name; any other text matches a title that contains it, byte for byte,
// starting only where a character of the code page 932 text starts.
#include <string>
#include <string_view>

// Whether `text` contains `part` at a character boundary. An empty part is contained.
bool ContainsAtCharacterBoundary(std::string_view text, std::string_view part);
// Whether the pattern (used unchanged, not trimmed) matches a window with this title and
// class name. An empty pattern matches nothing.
bool MatchesWindowPattern(std::string_view pattern, std::string_view title,
                          std::string_view className);
// Whether the pattern names a class ("@...") rather than a piece of a title.
inline bool IsClassPattern(std::string_view pattern) {
  return !pattern.empty() && pattern.front() == '@';
}
