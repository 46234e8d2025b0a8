#include "settings/ValueEncoding.h"

namespace {

// Replaces every occurrence, left to right without overlap, case-sensitively.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(text, pos, hit - pos).append(to);
  }
  out.append(text, pos);
  return out;
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string EncodeMemoText(std::string_view text) {
  // One pass does both steps: a line break holds no backslash, so the order of the two
  // replacements cannot matter.
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r' || c == '\n') {
      out += "\\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string DecodeMemoText(std::string_view stored) {
  std::string text = ReplaceAll(stored, "\\\\", "\\%");
  text = ReplaceAll(text, "\\n", "\r\n");
  return ReplaceAll(text, "\\%", "\\");
}
