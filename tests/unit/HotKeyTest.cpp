#include <gtest/gtest.h>

#include "commands/HotKey.h"
#include "commands/HotKeyCapture.h"
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

TEST_F(HotKeyTest, SharedNamesParseToTheLowestCode) {
  EXPECT_EQ(Text(0x4065), "Ctrl+5");
  EXPECT_EQ(Value("Ctrl+5"), 0x4035);
  // The layout names the keypad's divide key and the slash key alike.
  EXPECT_EQ(Text(0xBF), "/");
  EXPECT_EQ(Value("/"), 0x6F);
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
