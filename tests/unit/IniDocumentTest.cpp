#include <gtest/gtest.h>

#include <random>
#include <string>

#include "settings/IniDocument.h"
#include "settings/IniValues.h"

namespace {

std::string Value(const CIniDocument& doc, const char* section, const char* key) {
  auto found = doc.Find(section, key);
  return found ? std::string(*found) : std::string("<absent>");
}

TEST(IniDocumentTest, NamesMatchWithoutCaseAndValuesAreTrimmed) {
  CIniDocument doc(
      "[option]\r\n"
      "  translucentALPHA  =   128  \r\n"
      "\tHotKeyTranslucent=\t\"  Shift+Ctrl+Alt+Home \"\r\n"
      "[VIRTUALDESKTOP]\r\n"
      "count=6\r\n");
  EXPECT_EQ(Value(doc, "Option", "TranslucentAlpha"), "128");
  EXPECT_EQ(Value(doc, "Option", "HotKeyTranslucent"), "\"  Shift+Ctrl+Alt+Home \"");
  EXPECT_EQ(Value(doc, "VirtualDesktop", "Count"), "6");
  EXPECT_EQ(Value(doc, "VirtualDesktop", "TranslucentAlpha"), "<absent>");
  EXPECT_EQ(Value(doc, "Missing", "Count"), "<absent>");
}

TEST(IniDocumentTest, CommentsHeadersWithoutBracketAndLinesWithoutEqualsAreNoKeys) {
  CIniDocument doc(
      "Count=1\r\n"  // before any section: belongs to none
      "[Option]\r\n"
      ";TranslucentAlpha=1\r\n"
      "  ; SnappingKey=2\r\n"
      "[Broken\r\n"  // no closing bracket: not a header, so the section goes on
      "VirtualDesktop\r\n"
      "=5\r\n"
      "SnappingKey=3\r\n");
  EXPECT_EQ(Value(doc, "Option", "TranslucentAlpha"), "<absent>");
  EXPECT_EQ(Value(doc, "Option", "SnappingKey"), "3");
  EXPECT_EQ(Value(doc, "Option", "VirtualDesktop"), "<absent>");
  EXPECT_EQ(Value(doc, "Option", "Count"), "<absent>");
  EXPECT_EQ(Value(doc, "Broken", "SnappingKey"), "<absent>");
}

TEST(IniDocumentTest, FirstOfDuplicateSectionsAndKeysCountsAndIsTheOneOverwritten) {
  CIniDocument doc("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
  EXPECT_EQ(Value(doc, "A", "k"), "1");
  EXPECT_EQ(Value(doc, "A", "j"), "<absent>");
  doc.Set("a", "K", "9");
  EXPECT_EQ(doc.Serialize(), "[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
}

// Lists read their keys in the order of the file; any other order, and the later of
// duplicates lying next in line, must find the same lines.
TEST(IniDocumentTest, LookupsInAnyOrderFindTheFirstOfDuplicates) {
  CIniDocument doc("[s]\r\nb=1\r\na=x\r\nB=2\r\nc=3\r\n");
  const char* const lookups[][2] = {{"a", "x"}, {"b", "1"}, {"A", "x"},       {"B", "1"},
                                    {"c", "3"}, {"b", "1"}, {"d", "<absent>"}};
  for (const auto& [key, value] : lookups) EXPECT_EQ(Value(doc, "s", key), value) << key;
  doc.Set("s", "A", "y");
  EXPECT_EQ(Value(doc, "s", "b"), "1");
  doc.Set("s", "B", "5");
  EXPECT_EQ(doc.Serialize(), "[s]\r\nb=5\r\na=y\r\nB=2\r\nc=3\r\n");

  // Keys added one by one outgrow the index many times over; read back from the end.
  for (int i = 0; i < 1000; ++i) doc.Set("s", "k" + std::to_string(i), std::to_string(i * 7));
  for (int i = 999; i >= 0; --i)
    ASSERT_EQ(Value(doc, "s", ("K" + std::to_string(i)).c_str()), std::to_string(i * 7)) << i;
  CIniDocument reread(doc.Serialize());
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(Value(reread, "S", ("k" + std::to_string(i)).c_str()), std::to_string(i * 7)) << i;
  EXPECT_EQ(Value(reread, "s", "b"), "5");
}

TEST(IniDocumentTest, DoubleByteCharactersAreNeitherCaseFoldedNorSplit) {
  // 0x83 0x41 and 0x83 0x61 are two different characters whose trail bytes look like
  // 'A' and 'a'; 0x83 0x5D has the trail byte ']'.
  CIniDocument doc("[x\x83\x5D]\r\n\x83\x41=1\r\n");
  EXPECT_EQ(Value(doc, "x\x83\x5D", "\x83\x41"), "1");
  EXPECT_EQ(Value(doc, "x\x83\x5D", "\x83\x61"), "<absent>");
}

TEST(IniDocumentTest, UnknownContentIsKeptByteForByteAndWritesLandInPlace) {
  const std::string original =
      "; written by hand\n"
      "[Option]\r\n"
      "TranslucentAlpha = 128   ; kept as typed\r\n"
      "Unknown=\"keep me\"\n"
      "\r\n"
      "[Other]\r"
      "x=1\r\n"
      "garbage line without equals\r\n";
  CIniDocument doc(original);
  EXPECT_EQ(doc.Serialize(), original);

  doc.Set("OPTION", "translucentalpha", "200");  // overwritten in place, spelling kept
  doc.Set("Option", "SnappingKey", "1");         // appended after the section's last line
  doc.Set("Watching", "Count", "0");             // a new section at the end
  EXPECT_EQ(doc.Serialize(),
            "; written by hand\n"
            "[Option]\r\n"
            "TranslucentAlpha=200\r\n"
            "Unknown=\"keep me\"\n"
            "SnappingKey=1\r\n"
            "\r\n"
            "[Other]\r"
            "x=1\r\n"
            "garbage line without equals\r\n"
            "\r\n"
            "[Watching]\r\n"
            "Count=0\r\n");
}

TEST(IniDocumentTest, WritesIntoEmptyOrUnterminatedFiles) {
  CIniDocument empty;
  empty.Set("Option", "A", "1");
  empty.Set("VirtualDesktop", "Count", "4");
  empty.Set("Option", "B", "2");
  EXPECT_EQ(empty.Serialize(), "[Option]\r\nA=1\r\nB=2\r\n\r\n[VirtualDesktop]\r\nCount=4\r\n");

  CIniDocument unterminated("[Option]\r\nA=1");
  unterminated.Set("Option", "B", "2");
  EXPECT_EQ(unterminated.Serialize(), "[Option]\r\nA=1\r\nB=2\r\n");
}

TEST(IniDocumentTest, AWrittenValueNeverSplitsItsLine) {
  CIniDocument doc;
  doc.Set("Watching", "WindowTitle0", "\"a\r\nCount=99\nb\r\"");
  doc.Set("Watching", "Count", "1");
  CIniDocument reread(doc.Serialize());
  EXPECT_EQ(Value(reread, "Watching", "Count"), "1");
  EXPECT_EQ(Value(reread, "Watching", "WindowTitle0"), "\"a  Count=99 b \"");
}

TEST(IniDocumentTest, ReadsAfterWritesMatchReadsAfterReloading) {
  CIniDocument doc;
  doc.Set("S", "k", "  padded  ");
  EXPECT_EQ(Value(doc, "S", "k"), "padded");
  EXPECT_EQ(Value(CIniDocument(doc.Serialize()), "S", "k"), "padded");
  doc.Set("S", "k", "second");  // a line written twice
  EXPECT_EQ(Value(doc, "S", "k"), "second");
  EXPECT_EQ(doc.Serialize(), "[S]\r\nk=second\r\n");
}

TEST(IniValuesTest, TextLosesOnePairOfQuotesAndIsCutAt2047Bytes) {
  EXPECT_EQ(ProfileText("\" a \""), " a ");
  EXPECT_EQ(ProfileText("\"\"x\"\""), "\"x\"");
  EXPECT_EQ(ProfileText("\""), "\"");
  EXPECT_EQ(ProfileText("\"open"), "\"open");
  EXPECT_EQ(ProfileText("'single'"), "'single'");
  EXPECT_EQ(ProfileText(std::string_view("ab\0cd", 5)), "ab");

  EXPECT_EQ(ProfileText(std::string(3000, 'x')).size(), kProfileTextLimit);
  EXPECT_EQ(ProfileText("\"" + std::string(2047, 'x') + "\""), std::string(2047, 'x'));
  // A double-byte character across the limit is dropped whole.
  std::string text = std::string(2046, 'x') + "\x95\x5C" + "yy";
  EXPECT_EQ(ProfileText(text), std::string(2046, 'x'));
}

TEST(IniValuesTest, IntegersAreDecimalOrHexAndAnythingElseIsNoInteger) {
  struct Case {
    const char* stored;
    bool parses;
    int value;
  };
  const Case cases[] = {
      {"128", true, 128},
      {"-5", true, -5},
      {"+7", true, 7},
      {"0x1F", true, 31},
      {"0XfF", true, 255},
      {"-0x10", true, -16},
      {"0xFFFFFFFF", true, -1},
      {"\"6\"", true, 6},
      {"\" 6 \"", true, 6},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},
      {"0x100000000", false, 0},
      {"", false, 0},
      {"abc", false, 0},
      {"12abc", false, 0},
      {"0x", false, 0},
      {"0xG", false, 0},
      {"1 2", false, 0},
      {"-", false, 0},
  };
  for (const Case& c : cases) {
    int value = 12345;
    EXPECT_EQ(ParseProfileInteger(c.stored, value), c.parses) << c.stored;
    EXPECT_EQ(value, c.parses ? c.value : 12345) << c.stored;
  }
}

TEST(IniDocumentTest, LineEndsOfEveryKindAndStrayBytesAreRead) {
  static const char bytes[] = "\xEF\xBB\xBF[Option]\rA=1\nB=2\r\n\x1A\r\nC=\"x\0y\"\r\n";
  CIniDocument doc(std::string(bytes, sizeof bytes - 1));
  EXPECT_EQ(Value(doc, "Option", "A"), "1");
  EXPECT_EQ(Value(doc, "Option", "B"), "2");
  EXPECT_EQ(ProfileText(*doc.Find("Option", "C")), "x");
}

TEST(IniDocumentTest, HugeInputsAreHandledInOnePass) {
  const std::size_t tenMegabytes = 10u << 20;
  std::string longLine = "[Option]\r\nA=" + std::string(tenMegabytes, 'v') + "\r\nB=2";
  CIniDocument one(longLine);
  EXPECT_EQ(one.Find("Option", "A")->size(), tenMegabytes);
  EXPECT_EQ(Value(one, "Option", "B"), "2");
  EXPECT_EQ(ProfileText(*one.Find("Option", "A")).size(), kProfileTextLimit);

  std::string manyLines = "[Option]\n" + std::string(tenMegabytes, '\n') + "A=1\n";
  CIniDocument many(manyLines);
  many.Set("Option", "B", "2");
  EXPECT_EQ(Value(many, "Option", "A"), "1");
  std::string written = many.Serialize();
  EXPECT_EQ(written.size(), manyLines.size() + 5);
  EXPECT_EQ(Value(CIniDocument(written), "Option", "B"), "2");
}

// Random bytes drawn mostly from the characters the parser cares about. Whatever the
// input, an untouched image writes back the same bytes, a written key reads back, and
// other keys keep their values.
TEST(IniDocumentTest, RandomInputNeverBreaksTheImage) {
  std::mt19937 random(20240611);
  const std::string alphabet = std::string("[]=;\"\r\n \t\x1A\x81\x5C\x83kKsS01", 20);
  auto randomText = [&](std::size_t maxLength) {
    std::string text(random() % (maxLength + 1), '\0');
    for (char& c : text)
      c = random() % 4 == 0 ? static_cast<char>(random() % 256)
                            : alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string input = randomText(200);
    CIniDocument doc(input);
    ASSERT_EQ(doc.Serialize(), input);

    const std::string section = round % 2 ? "s" : "K";
    const std::string other = round % 3 ? "k" : "S1";
    auto before = doc.Find("s", other);
    std::string otherValue = before ? std::string(*before) : "<absent>";
    std::string value = randomText(20);
    doc.Set(section, "key", value);
    CIniDocument reread(doc.Serialize());
    auto mine = reread.Find(section, "key");
    ASSERT_TRUE(mine.has_value());
    ASSERT_EQ(std::string(*mine), std::string(*doc.Find(section, "key")));
    auto after = reread.Find("s", other);
    ASSERT_EQ(after ? std::string(*after) : "<absent>", otherValue) << round;
  }
}

// One document read again and again, as the settings file reuses the last image's memory,
// must behave as a fresh one: nothing of the files before it is found or written.
TEST(IniDocumentTest, ADocumentReadAgainIsTheNewFileAlone) {
  std::mt19937 random(20261210);
  const char* const lines[] = {"[s]", "[K]", "[S1]", "k=1", "K=2", "key=3", "j=4", "", ";c"};
  CIniDocument reused;
  for (int round = 0; round < 2000; ++round) {
    std::string input;
    for (std::size_t n = random() % 12; n > 0; --n) input.append(lines[random() % 9]) += "\r\n";
    reused.Read(input);
    CIniDocument fresh(input);
    ASSERT_EQ(reused.Serialize(), input);
    for (const char* section : {"s", "K", "S1", "new"}) {
      for (const char* key : {"k", "key", "j", "x"}) {
        auto mine = reused.Find(section, key), theirs = fresh.Find(section, key);
        ASSERT_EQ(mine.has_value(), theirs.has_value()) << round << section << key;
        if (mine) {
          ASSERT_EQ(*mine, *theirs);
        }
      }
    }
    // Sections and keys the program adds, also to sections the file before had.
    for (const char* section : {"new", "K", "S1"}) {
      reused.Set(section, "x", section);
      fresh.Set(section, "x", section);
      reused.Set(section, "k", "5");
      fresh.Set(section, "k", "5");
    }
    ASSERT_EQ(reused.Serialize(), fresh.Serialize()) << round;
    ASSERT_EQ(std::string(*reused.Find("new", "x")), "new");
  }
}

}  // namespace
