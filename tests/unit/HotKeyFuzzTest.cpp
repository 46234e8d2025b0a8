// Arbitrary bytes as hot-key texts. A settings file edited by hand can hold anything, and
// TextToHotKey must take it: the result is no hot key, or a key that has a name, with
// modifiers that the text really names, and it must survive formatting and parsing again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "commands/HotKey.h"
#include "platform/sim/SimDesktop.h"

namespace {

using namespace std::string_view_literals;

constexpr std::array kPrefixes = {"Shift+"sv, "shift+"sv, "SHIFT+"sv, "Ctrl+"sv, "cTRL+"sv,
                                  "^"sv,      "Alt+"sv,   "aLt+"sv,   "Shift"sv, "Ctrl"sv,
                                  "+"sv,      "Alt +"sv,  " Ctrl+"sv, "Win+"sv,  "^^"sv};
constexpr std::array kNames = {
    "Home"sv,  "home"sv,  "F5"sv,    "f13"sv, "F24"sv,   "F25"sv, "F0"sv,        "A"sv,
    "z"sv,     "5"sv,     "BkSp"sv,  "tab"sv, "Enter"sv, "esc"sv, "Space"sv,     "PgUp"sv,
    "pgdn"sv,  "End"sv,   "Ins"sv,   "DEL"sv, "Left"sv,  "Up"sv,  "Right"sv,     "Down"sv,
    "/"sv,     "Num *"sv, "num +"sv, ";"sv,   "\\"sv,    "`"sv,   "Caps Lock"sv, "Pause"sv,
    "Shift"sv, "Ctrl"sv,  "Alt"sv,   ""sv,    "Homer"sv, "Hom"sv, "F"sv,         "+"sv};
// Shift-JIS pieces: ソ and 表 (trail byte "\"), ～, あ, a lone lead byte, half-width カ, and
// control bytes including NUL.
constexpr std::array kJunk = {"\x83\x5C"sv, "\x95\x5C"sv, "\x81\x60"sv, "\x82\xA0"sv,
                              "\x81"sv,     "\xB6"sv,     "\0"sv,       "\0A"sv,
                              "\r\n"sv,     "\t"sv,       " "sv,        "\x7F"sv};

struct HotKeyFuzzTest : ::testing::Test {
  SimDesktop desktop;
  std::mt19937 random{20240611};

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  template <std::size_t N>
  std::string_view Pick(const std::array<std::string_view, N>& pieces) {
    return pieces[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

  std::string RandomBytes(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text.push_back(static_cast<char>(Below(256)));
    return text;
  }

  // Modifier prefixes for the bits of `modifiers`, each in a random spelling, in random order
  // and sometimes repeated.
  std::string Prefixes(std::uint16_t modifiers) {
    std::string text;
    for (int rounds = 1 + Below(3); rounds > 0; --rounds) {
      std::array<std::string_view, 3> parts{};
      int count = 0;
      if (modifiers & kHotKeyShift) parts[count++] = Below(2) ? "Shift+" : "sHIFT+";
      if (modifiers & kHotKeyCtrl)
        parts[count++] = Below(3) == 0 ? "^" : Below(2) ? "Ctrl+" : "ctrl+";
      if (modifiers & kHotKeyAlt) parts[count++] = Below(2) ? "Alt+" : "ALT+";
      std::shuffle(parts.begin(), parts.begin() + count, random);
      for (int i = 0; i < count; ++i) text += parts[static_cast<std::size_t>(i)];
    }
    return text;
  }

  std::uint16_t RandomModifiers() { return static_cast<std::uint16_t>(Below(8) << 13); }

  // A hot key as a person might write it: any code that has a name, with modifiers.
  std::string WellFormed(std::uint16_t& value) {
    for (;;) {
      const auto code = static_cast<std::uint16_t>(0x08 + Below(0x100 - 0x08));
      std::string name = KeyName(desktop, code);
      if (name.empty()) continue;
      value = static_cast<std::uint16_t>(code | RandomModifiers());
      if (Below(2))
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return Prefixes(value) + name;
    }
  }

  // Mostly short texts; one in ten is long (many prefixes, or a few thousand raw bytes).
  std::string RandomText() {
    const int kind = Below(20);
    if (kind < 4) return RandomBytes(Below(40));
    if (kind < 9) {
      std::string text;
      for (int pieces = Below(9); pieces > 0; --pieces) {
        const int which = Below(3);
        text += which == 0 ? Pick(kPrefixes) : which == 1 ? Pick(kNames) : Pick(kJunk);
      }
      return text;
    }
    std::uint16_t value = 0;
    if (kind < 13) return WellFormed(value);
    if (kind < 18) {
      // A well-formed text with one byte changed, inserted or removed.
      std::string text = WellFormed(value);
      const auto at = static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1));
      const int edit = Below(3);
      if (edit == 0 && at < text.size())
        text[at] = static_cast<char>(Below(256));
      else if (edit == 1)
        text.insert(at, 1, static_cast<char>(Below(256)));
      else if (at < text.size())
        text.erase(at, 1);
      return text;
    }
    if (kind == 18) {
      std::string text;
      for (int n = 50 + Below(250); n > 0; --n) text += Pick(kPrefixes);
      return text + std::string(Below(2) ? Pick(kNames) : Pick(kJunk));
    }
    return RandomBytes(256 + Below(1024));
  }

  static bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    text.remove_prefix(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(text[i])) !=
          std::tolower(static_cast<unsigned char>(suffix[i])))
        return false;
    return true;
  }

  static std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }

  static std::string SwapCase(std::string text) {
    for (char& c : text) {
      const auto u = static_cast<unsigned char>(c);
      if (std::islower(u))
        c = static_cast<char>(std::toupper(u));
      else if (std::isupper(u))
        c = static_cast<char>(std::tolower(u));
    }
    return text;
  }

  // What holds for the value of any text.
  void CheckValue(const std::string& text, std::uint16_t value) {
    SCOPED_TRACE(::testing::PrintToString(text.substr(0, 80)));
    if (value == 0) return;
    const unsigned code = value & kHotKeyCodeMask;
    ASSERT_NE(code, 0u) << "modifiers without a key must be no hot key";
    ASSERT_LE(code, 0xFFu);
    const std::string name = KeyName(desktop, code);
    ASSERT_FALSE(name.empty()) << "code " << code << " has no name";
    EXPECT_EQ(TextToHotKey(desktop, HotKeyToText(desktop, value)), value);
    // The key is the one the text ends with; what stands before it is the modifiers, and
    // exactly those it names are set.
    ASSERT_TRUE(EndsWithIgnoringCase(text, name)) << name;
    const std::string head = Lower(text.substr(0, text.size() - name.size()));
    EXPECT_EQ((value & kHotKeyShift) != 0, head.find("shift+") != std::string::npos);
    EXPECT_EQ((value & kHotKeyCtrl) != 0,
              head.find("ctrl+") != std::string::npos || head.find('^') != std::string::npos);
    EXPECT_EQ((value & kHotKeyAlt) != 0, head.find("alt+") != std::string::npos);
  }
};

TEST_F(HotKeyFuzzTest, ArbitraryTextsGiveNoHotKeyOrANamedKeyThatRoundTrips) {
  int named = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string text = RandomText();
    const std::uint16_t value = TextToHotKey(desktop, text);
    CheckValue(text, value);
    if (value != 0) ++named;
    // One more prefix adds its bit to a hot key and leaves no hot key as none; case does
    // not matter anywhere. One of the three per text keeps the run short.
    switch (Below(3)) {
      case 0:
        EXPECT_EQ(TextToHotKey(desktop, "shift+" + text), value ? value | kHotKeyShift : 0);
        break;
      case 1:
        EXPECT_EQ(TextToHotKey(desktop, "ALT+" + text), value ? value | kHotKeyAlt : 0);
        break;
      default:
        EXPECT_EQ(TextToHotKey(desktop, SwapCase(text)), value);
    }
    if (HasFailure()) {
      ADD_FAILURE() << "input " << i << ": " << ::testing::PrintToString(text.substr(0, 80));
      return;
    }
  }
  // The generator must reach both outcomes, or the checks above prove little.
  EXPECT_GT(named, 500);
  EXPECT_LT(named, 2500);
}

TEST_F(HotKeyFuzzTest, WrittenHotKeysParseToTheirKeyAndModifiersWhateverTheSpelling) {
  for (int i = 0; i < 1000; ++i) {
    std::uint16_t written = 0;
    const std::string text = WellFormed(written);
    const std::uint16_t value = TextToHotKey(desktop, text);
    CheckValue(text, value);
    EXPECT_EQ(value & 0xE000, written & 0xE000) << text;
    // A name shared by several keys gives one of them; the formatted text is the same.
    EXPECT_EQ(HotKeyToText(desktop, value), HotKeyToText(desktop, written)) << text;
    if (HasFailure()) return;
  }
}

}  // namespace
