#include <gtest/gtest.h>

#include "shell/WindowPattern.h"

namespace {

// "ソフト" in code page 932: the trail byte of "ソ" (0x83 0x5C) is a backslash, the
// trail byte of "フ" (0x83 0x74) is "t".
const std::string kSofuto = "\x83\x5c\x83\x74\x83\x67";

TEST(WindowPattern, ClassPatternMatchesOnlyTheExactClassName) {
  EXPECT_TRUE(MatchesWindowPattern("@Notepad", "anything", "Notepad"));
  EXPECT_FALSE(MatchesWindowPattern("@Notepad", "anything", "notepad"));
  EXPECT_FALSE(MatchesWindowPattern("@Note", "anything", "Notepad"));
  EXPECT_FALSE(MatchesWindowPattern("@Notepad", "Notepad", "Edit"));
  EXPECT_TRUE(MatchesWindowPattern("@", "title", "")) << "'@' alone names the empty class";
}

TEST(WindowPattern, TitlePatternIsACaseSensitiveSubstringUsedUntrimmed) {
  EXPECT_TRUE(MatchesWindowPattern("Memo", "Untitled - Memo pad", "X"));
  EXPECT_FALSE(MatchesWindowPattern("memo", "Untitled - Memo pad", "X"));
  EXPECT_TRUE(MatchesWindowPattern(" Memo", "Untitled - Memo pad", "X"));
  EXPECT_FALSE(MatchesWindowPattern(" Memo", "Memo pad", "X"));
  EXPECT_FALSE(MatchesWindowPattern("", "anything", "X"));
}

TEST(WindowPattern, TitleMatchNeverStartsOnATrailByte) {
  EXPECT_FALSE(MatchesWindowPattern("\\", kSofuto, "X")) << "the backslash inside ソ";
  EXPECT_FALSE(MatchesWindowPattern("t", kSofuto, "X")) << "the t inside フ";
  EXPECT_TRUE(MatchesWindowPattern("\x83\x74", kSofuto, "X")) << "フ itself";
  EXPECT_TRUE(MatchesWindowPattern("t", kSofuto + "t", "X")) << "a real t after it";
  // A trail byte that equals a lead byte must not shift the boundaries that follow.
  const std::string hyou = "\x95\x5c";  // 表
  EXPECT_TRUE(MatchesWindowPattern("\\x", hyou + "\\x", "X"));
  EXPECT_FALSE(MatchesWindowPattern("\\", hyou, "X"));
}

TEST(WindowPattern, TruncatedDoubleByteAtTheEndIsHarmless) {
  EXPECT_FALSE(ContainsAtCharacterBoundary("a\x83", "\x83\x74"));
  EXPECT_TRUE(ContainsAtCharacterBoundary("a\x83", "a"));
}

}  // namespace
