#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/ValueEncoding.h"

namespace {

TEST(SettingsEncodingTest, EncodesBackslashesThenLineBreaks) {
  EXPECT_EQ(EncodeMemoText("a\r\nb"), "a\\nb");
  EXPECT_EQ(EncodeMemoText("C:\\new"), "C:\\\\new");
  EXPECT_EQ(EncodeMemoText("end\\\r\nnext"), "end\\\\\\nnext");
  EXPECT_EQ(EncodeMemoText(""), "");
}

TEST(SettingsEncodingTest, DecodesInTheThreeStepOrder) {
  EXPECT_EQ(DecodeMemoText("a\\nb"), "a\r\nb");
  EXPECT_EQ(DecodeMemoText("C:\\\\new"), "C:\\new");
  EXPECT_EQ(DecodeMemoText("\\\\\\n"), "\\\r\n");
  // Text not made by the encoder: a lone backslash stays, "\%" reads as one backslash.
  EXPECT_EQ(DecodeMemoText("50\\% \\t"), "50\\ \\t");
}

TEST(SettingsEncodingTest, EveryCrLfTextSurvivesARoundTrip) {
  const std::string texts[] = {
      "notepad\r\n@Notepad",
      "a backslash-n: \\n stays",
      "ends in a backslash\\\r\nbefore a break",
      "\\",
      "\\\\n\\\\\\n\r\n\r\n",
      "\\%",
      settings_test::expected::JapaneseMemoText,
  };
  for (const std::string& text : texts) {
    std::string encoded = EncodeMemoText(text);
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_EQ(DecodeMemoText(encoded), text) << text;
  }
}

TEST(SettingsEncodingTest, LoneCrAndLfAreStoredAsCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  EXPECT_EQ(DecodeMemoText(EncodeMemoText("one\ntwo\rthree")), "one\r\ntwo\r\nthree");
  EXPECT_EQ(EncodeMemoText("x\r"), "x\\n");
}

}  // namespace
