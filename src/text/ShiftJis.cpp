#include "text/ShiftJis.h"

std::string FoldShiftJisCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(folded[i]);
    if (IsShiftJisLeadByte(c)) {
      ++i;  // the trail byte is part of the character, not a letter
    } else if (c >= 'A' && c <= 'Z') {
      folded[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return folded;
}

std::string_view CutShiftJis(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = 0;
  while (end < limit) {
    std::size_t width = IsShiftJisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}
