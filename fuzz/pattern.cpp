// Window patterns against titles and class names in code page 932. A title pattern may
// match only where a character of the title starts (never on the trail byte of a
// double-byte character, which can look like "\" or a letter), and must find every such
// occurrence. Input: pattern, NUL, title, NUL, class name (missing parts are empty).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "shell/WindowPattern.h"

namespace {

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Offsets where a character of `text` starts. A lead byte at the very end is a character
// of its own.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size();
       i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1)
    starts.push_back(i);
  return starts;
}

// Every character start tried, one by one.
bool ReferenceContains(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  for (std::size_t start : CharacterStarts(text))
    if (text.substr(start, part.size()) == part) return true;
  return false;
}

bool ReferenceMatches(std::string_view pattern, std::string_view title,
                      std::string_view className) {
  if (pattern.empty()) return false;
  if (pattern.front() == '@') return className == pattern.substr(1);
  return ReferenceContains(title, pattern);
}

std::string_view TakeField(std::string_view& rest) {
  const std::size_t end = rest.find('\0');
  const std::string_view field = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return field;
}

void Report(std::string_view pattern, std::string_view title, std::string_view className) {
  fuzz::PrintEscaped("pattern", pattern);
  fuzz::PrintEscaped("title", title);
  fuzz::PrintEscaped("class name", className);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view pattern = TakeField(rest);
  const std::string_view title = TakeField(rest);
  const std::string_view className = TakeField(rest);

  const bool contains = ContainsAtCharacterBoundary(title, pattern);
  const bool matches = MatchesWindowPattern(pattern, title, className);
  if (contains != ReferenceContains(title, pattern) ||
      matches != ReferenceMatches(pattern, title, className))
    Report(pattern, title, className);
  FUZZ_CHECK(contains == ReferenceContains(title, pattern));
  FUZZ_CHECK(matches == ReferenceMatches(pattern, title, className));

  // A piece of the title that begins where a character begins is found in it, as a pattern
  // line copied from the title would be.
  const std::vector<std::size_t> starts = CharacterStarts(title);
  if (!starts.empty()) {
    const std::size_t from = starts[static_cast<std::size_t>(pattern.size()) % starts.size()];
    const std::string_view piece = title.substr(from, className.size() + 1);
    FUZZ_CHECK(ContainsAtCharacterBoundary(title, piece));
    if (piece.front() != '@') FUZZ_CHECK(MatchesWindowPattern(piece, title, className));
  }
  // The whole title, and "@" with the class name, always match.
  if (!title.empty() && title.front() != '@')
    FUZZ_CHECK(MatchesWindowPattern(title, title, className));
  FUZZ_CHECK(MatchesWindowPattern("@" + std::string(className), title, className));
  return 0;
}
