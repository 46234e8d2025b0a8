#include "shell/WindowPattern.h"

#include "text/ShiftJis.h"

bool ContainsAtCharacterBoundary(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  // The byte search runs ahead; the characters are walked only up to each place it finds,
  // since a lead byte and its trail byte are one character and a match never starts inside.
  size_t character = 0;
  for (size_t found = text.find(part); found != std::string_view::npos;
       found = text.find(part, found + 1)) {
    while (character < found)
      character += IsShiftJisLeadByte(static_cast<unsigned char>(text[character])) ? 2 : 1;
    if (character == found) return true;
  }
  return false;
}

bool MatchesWindowPattern(std::string_view pattern, std::string_view title,
                          std::string_view className) {
  if (pattern.empty()) return false;
  if (IsClassPattern(pattern)) return className == pattern.substr(1);
  return ContainsAtCharacterBoundary(title, pattern);
}
