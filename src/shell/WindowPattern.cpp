#include "shell/WindowPattern.h"

#include "text/ShiftJis.h"

bool ContainsAtCharacterBoundary(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  for (size_t i = 0; i + part.size() <= text.size();) {
    if (text.compare(i, part.size(), part) == 0) return true;
    // A lead byte and its trail byte are one character: never start inside it.
    i += IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return false;
}

bool MatchesWindowPattern(std::string_view pattern, std::string_view title,
                          std::string_view className) {
  if (pattern.empty()) return false;
  if (IsClassPattern(pattern)) return className == pattern.substr(1);
  return ContainsAtCharacterBoundary(title, pattern);
}
