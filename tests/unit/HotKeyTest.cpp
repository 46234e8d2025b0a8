#include <gtest/gtest.h>

#include <set>

#include "commands/HotKey.h"
#include "commands/HotKeyCapture.h"
#include "commands/HotKeyRegistration.h"
#include "platform/sim/SimDesktop.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

struct HotKeyTest : ::testing::Test {
  SimDesktop desktop;
  std::string Text(std::uint16_t value) { return HotKeyToText(desktop, value); }
  std::uint16_t Value(const std::string& text) { return TextToHotKey(desktop, text); }
};

TEST_F(HotKeyTest, FormatsModifiersInFixedOrderAndParsesThemInAnyOrderAndCase) {
  EXPECT_EQ(Text(0xE024), "Shift+Ctrl+Alt+Home");
  EXPECT_EQ(Value("Shift+Ctrl+Alt+Home"), 0xE024);
  EXPECT_EQ(HotKeyModifiers(0xE024), 7u);
  EXPECT_EQ(Value("alt+ctrl+home"), 0xC024);
  EXPECT_EQ(Text(0xC024), "Ctrl+Alt+Home");
  EXPECT_EQ(Value("^A"), 0x4041);
  EXPECT_EQ(Value("ctrl+ctrl+SHIFT+f5"), 0x6074) << "repeated prefixes are harmless";
  EXPECT_EQ(HotKeyModifiers(0x8041), 1u);
}

TEST_F(HotKeyTest, NamesOfTheFixedTableAndFunctionKeys) {
  EXPECT_EQ(Value("F13"), 0x7C);
  EXPECT_EQ(Text(0x2087), "Shift+F24");
  EXPECT_EQ(Text(0x08), "BkSp");
  EXPECT_EQ(Text(0x2E), "Del");
  EXPECT_EQ(Text(0x100 | 0x24), "Home") << "only the low 8 bits select the name";
}

TEST_F(HotKeyTest, TextsWithoutAKeyAreNoHotKey) {
  EXPECT_EQ(Value(""), 0);
  EXPECT_EQ(Value("Ctrl+"), 0);
  EXPECT_EQ(Value("Shift+Ctrl+Alt+"), 0);
  EXPECT_EQ(Value("Ctrl+NoSuchKey"), 0);
  EXPECT_EQ(Value("Ctrl+A+"), 0);
  EXPECT_EQ(Text(0x4007), "") << "a code without a name formats as nothing, prefixes too";
}

TEST_F(HotKeyTest, StoredTextsKeepTheirKeyAndSharedNamesReadAsTheMainKeyboardKey) {
  struct Case {
    const char* text;
    std::uint16_t value;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"Ctrl+5", 0x4035},            // also the keypad's 5 until it had a name of its own
           {"Ctrl+/", 0x40BF},            // the keypad's divide key had the same name
           {"Ctrl+Num /", 0x406F},        //
           {"Ctrl+Keypad 5", 0x4065},     //
           {"Ctrl+Num 5", 0x400C},        // the keypad's 5 with Num Lock off
           {"Ctrl+Alt+\\", 0xC0DC},       //
           {"alt+ctrl+num del", 0xC06E},  // the layout's names compare without case
           {"Shift+pause", 0x2013},       // Num Lock shares its scan code
           {"Shift+Num Lock", 0x2090},    //
           {"^^", 0},                     // "^" alone is Ctrl, not a key
       })
    EXPECT_EQ(Value(c.text), c.value) << c.text;
  // Wine gives the divide key no extended scan code and leaves the Windows keys unnamed.
  desktop.KeyboardLayout[0x6F] = {0x35, "/"};
  desktop.KeyboardLayout[0x5B].second = "";
  EXPECT_EQ(Text(0x406F), "Ctrl+Keypad /");
  EXPECT_EQ(Value("Ctrl+/"), 0x40BF);
  EXPECT_EQ(Text(0x405B), "Ctrl+Key (5B)");
}

TEST_F(HotKeyTest, EveryProducedTextParsesBackToAKeyOfTheSameText) {
  for (unsigned code = 0x08; code <= 0xFF; ++code) {
    for (std::uint16_t modifiers : {0, 0x2000, 0x4000, 0x8000, 0xE000}) {
      auto value = static_cast<std::uint16_t>(code | modifiers);
      std::string text = Text(value);
      if (text.empty()) continue;
      std::uint16_t parsed = Value(text);
      EXPECT_EQ(parsed & 0xE000, modifiers) << text;
      EXPECT_EQ(Text(parsed), text) << "code " << code;
    }
  }
}

// Every key of both layouts, captured in a field with modifiers held, registers as exactly
// that key: keys the layout names alike, the keypad's plus and digits, the keys that only
// the Japanese keyboard has, its "^" key.
TEST_F(HotKeyTest, EveryCapturedKeyOfTheUsAndJapaneseLayoutsRegistersAsItself) {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "CommandDlg"};
  auto* field = Create<TLabeledEdit>(&form, "LabeledEditHotKey");
  MakeHotKeyCaptureField(desktop, *field);
  constexpr WindowHandle kWindow = 0x20010;
  const std::pair<TShiftState, unsigned> kHeld[] = {
      {ssCtrl | ssAlt, 0x11}, {ssShift | ssCtrl, 0x10}, {ssShift | ssCtrl | ssAlt, 0x12}};
  for (auto layout : {SimUsKeyboardLayout(), SimJapaneseKeyboardLayout()}) {
    desktop.KeyboardLayout = layout;
    std::set<unsigned> keys;
    for (const auto& [code, key] : layout) keys.insert(code);
    for (unsigned code = 0x08; code <= 0xFF; ++code)
      if (!KeyName(desktop, code).empty()) keys.insert(code);
    for (unsigned code : {0x10u, 0x11u, 0x12u}) keys.erase(code);  // captured as modifiers
    int id = 0;
    for (unsigned code : keys) {
      const auto [shift, modifierKey] = kHeld[id % 3];
      std::uint16_t key = static_cast<std::uint16_t>(modifierKey);
      field->OnKeyDown(*field, key, shift);
      key = static_cast<std::uint16_t>(code);
      field->OnKeyDown(*field, key, shift);
      field->OnKeyUp(*field, key, shift);
      key = static_cast<std::uint16_t>(modifierKey);
      field->OnKeyUp(*field, key, 0);
      const std::string text = field->Text();
      RegisterOneHotKey(desktop, kWindow, id, text);
      const unsigned modifiers =
          (shift & ssShift ? 4u : 0u) | (shift & ssCtrl ? 2u : 0u) | (shift & ssAlt ? 1u : 0u);
      const SimHotKey* held = desktop.System->HotKeyFor(modifiers, code);
      EXPECT_TRUE(held && held->Id == id)
          << "key 0x" << std::hex << code << " captured as \"" << text << "\"";
      ++id;
    }
    EXPECT_GT(id, 100);
    desktop.System->HotKeys.clear();
  }
}

// The layout is asked for its names once, and again only after it changed.
TEST(HotKeyNames, AreAskedOfTheLayoutOnceUntilItChanges) {
  struct CountingDesktop : SimDesktop {
    int Questions = 0;
    unsigned MapVirtualKeyA(unsigned code, unsigned mapType) override {
      ++Questions;
      return SimDesktop::MapVirtualKeyA(code, mapType);
    }
    std::string GetKeyNameTextA(long lParam) override {
      ++Questions;
      return SimDesktop::GetKeyNameTextA(lParam);
    }
  } desktop;
  EXPECT_EQ(TextToHotKey(desktop, "Ctrl+Alt+\\"), 0xC0DC);
  EXPECT_GT(desktop.Questions, 0);
  desktop.Questions = 0;
  EXPECT_EQ(HotKeyToText(desktop, 0xC0DC), "Ctrl+Alt+\\");
  EXPECT_EQ(TextToHotKey(desktop, "alt+ctrl+num del"), 0xC06E);
  EXPECT_EQ(TextToHotKey(desktop, "Ctrl+NoSuchKey"), 0);
  EXPECT_EQ(desktop.Questions, 0);
  desktop.KeyboardLayout[0xDC].second = "Yen";
  EXPECT_EQ(TextToHotKey(desktop, "ctrl+yen"), 0x40DC);
  EXPECT_EQ(HotKeyToText(desktop, 0x40DC), "Ctrl+Yen");
  EXPECT_GT(desktop.Questions, 0);
}

struct CaptureFieldTest : HotKeyTest {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "OptionDlg"};
  TLabeledEdit* field = Create<TLabeledEdit>(&form, "LabeledEditHotKeyTranslucent");
  CaptureFieldTest() {
    MakeHotKeyCaptureField(desktop, *field);
    field->SetText("Shift+Ctrl+Alt+Home");
  }
  void Down(std::uint16_t key, TShiftState shift) { field->OnKeyDown(*field, key, shift); }
  void Up(std::uint16_t key, TShiftState shift) { field->OnKeyUp(*field, key, shift); }
};

TEST_F(CaptureFieldTest, PlainKeysAndTypedCharactersLeaveTheFieldAlone) {
  Down('A', 0);
  Up('A', 0);
  field->TypeChar(u'x');
  EXPECT_EQ(field->Text(), "Shift+Ctrl+Alt+Home");
  EXPECT_TRUE(field->ReadOnly());
}

TEST_F(CaptureFieldTest, ModifiersAloneShowWhileHeldAndClearWhenReleased) {
  Down(0x11, ssCtrl);
  EXPECT_EQ(field->Text(), "Ctrl+");
  Down(0x10, ssCtrl | ssShift);
  EXPECT_EQ(field->Text(), "Shift+Ctrl+");
  Up(0x10, ssCtrl);
  EXPECT_EQ(field->Text(), "");
}

TEST_F(CaptureFieldTest, CompletedCombinationStaysAfterRelease) {
  Down(0x11, ssCtrl);
  Down(0x10, ssCtrl | ssShift);
  Down(0x74, ssCtrl | ssShift);
  EXPECT_EQ(field->Text(), "Shift+Ctrl+F5");
  Up(0x74, ssCtrl | ssShift);
  Up(0x10, ssCtrl);
  Up(0x11, 0);
  EXPECT_EQ(field->Text(), "Shift+Ctrl+F5");
}

}  // namespace
