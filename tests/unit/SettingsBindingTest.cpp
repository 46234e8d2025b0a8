#include <gtest/gtest.h>

#include "settings/Binding.h"
#include "settings/CustomOption.h"
#include "settings/OptionKeys.h"
#include "settings/OptionTransfer.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/SysUtils.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

// Load and Save are not what these tests are about.
class PlainOption : public CCustomOption {
 public:
  bool ValidateLoaded() override { return true; }
  bool ValidateInput() override { return true; }
  bool Load() override { return true; }
  bool Save() override { return true; }
};

struct SettingsBindingTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "Dlg"};
  PlainOption settings;
};

TEST_F(SettingsBindingTest, KeysDropTheClassWordAndIniKeysTheSectionName) {
  EXPECT_EQ(ItemKeyOf(*Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopCount")),
            "VirtualDesktopCount");
  EXPECT_EQ(ItemKeyOf(*Create<TComboBox>(&form, "ComboBoxSnappingKey")), "SnappingKey");
  EXPECT_EQ(ItemKeyOf(*Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed")),
            "VirtualDesktopFixed");
  EXPECT_EQ(ItemKeyOf(*Create<TMemo>(&form, "MemoWindowTitle")), "WindowTitle");
  EXPECT_EQ(ItemKeyOf(*Create<TEdit>(&form, "Ed")), "");

  EXPECT_EQ(IniKeyOf("VirtualDesktopCount", "VirtualDesktop"), "Count");
  EXPECT_EQ(IniKeyOf("VirtualDesktop", "Option"), "VirtualDesktop");
  EXPECT_EQ(IniKeyOf("TranslucentAlpha", "Option"), "TranslucentAlpha");
  EXPECT_EQ(IniKeyOf("NameVirtualDesktop", "VirtualDesktop"), "NameVirtualDesktop");
  EXPECT_EQ(IniKeyOf("VirtualDesktop", "VirtualDesktop"), "VirtualDesktop");
}

TEST_F(SettingsBindingTest, BindPicksTheKindFromTheControlClass) {
  Bind(settings, Create<TCheckBox>(&form, "CheckBoxFrame"), "Watching");
  Bind(settings, Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed"), "VirtualDesktop");
  Bind(settings, Create<TRadioGroup>(&form, "RadioGroupVirtualDesktop"), "Option");
  Bind(settings, Create<TMemo>(&form, "MemoWindowTitle"), "Command");
  Bind(settings, Create<TEdit>(&form, "EditName"), "Command");
  Bind(settings, Create<TComboBox>(&form, "ComboBoxSnappingKey"), "Option");
  Bind(settings, Create<TLabeledEdit>(&form, "LabeledEditProgram"), "Command");
  Bind(settings, Create<TButton>(&form, "ButtonOk"), "Option");  // not a bindable control
  BindInt(settings, Create<TLabeledEdit>(&form, "LabeledEditTranslucentAlpha"), "Option");

  std::map<std::string, CItemKind> kinds;
  for (const auto& [key, item] : settings) kinds[key] = item.Kind;
  const std::map<std::string, CItemKind> expected = {
      {"Frame", CItemKind::Int},          {"VirtualDesktopFixed", CItemKind::Int},
      {"VirtualDesktop", CItemKind::Int}, {"WindowTitle", CItemKind::Text},
      {"Name", CItemKind::Text},          {"SnappingKey", CItemKind::Text},
      {"Program", CItemKind::Text},       {"TranslucentAlpha", CItemKind::Int},
  };
  EXPECT_EQ(kinds, expected);
}

TEST_F(SettingsBindingTest, ItemAndSectionCopiesShareOneBodyAndFirstBindingWins) {
  auto* count = Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopCount");
  auto* other = Create<TEdit>(&form, "EditVirtualDesktopCount");
  BindInt(settings, count, "VirtualDesktop");
  BindText(settings, other, "Option");  // same key: ignored

  ASSERT_EQ(settings.size(), 1u);
  ASSERT_EQ(settings.Sections().size(), 1u);
  COptionItem& item = settings["VirtualDesktopCount"];
  COptionItem& inSection = settings.Section("VirtualDesktop").at("Count");
  EXPECT_EQ(item.Control(), count);
  EXPECT_EQ(item.Key, "VirtualDesktopCount");
  item.SetIntValue(6);
  EXPECT_EQ(inSection.IntValue(), 6);
  EXPECT_EQ(count->Text(), "");  // values do not touch controls
}

TEST_F(SettingsBindingTest, UnknownKeyLookupGivesAnInertItemThatBindingLaterFills) {
  COptionItem& unknown = settings["Nothing"];
  unknown.SetIntValue(5);
  unknown.SetTextValue("x");
  EXPECT_EQ(unknown.IntValue(), 0);
  EXPECT_EQ(unknown.TextValue(), "");
  settings.ToControls();  // passes over it
  settings.FromControls();

  auto* edit = Create<TEdit>(&form, "EditNothing");
  Bind(settings, edit, "Watching");
  settings["Nothing"].SetTextValue("bound");
  settings.ToControls();
  EXPECT_EQ(edit->Text(), "bound");
}

TEST_F(SettingsBindingTest, TransferFollowsTheControlAndKind) {
  auto* check = Create<TCheckBox>(&form, "CheckBoxPosition");
  auto* menu = Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed");
  auto* radio = Create<TRadioGroup>(&form, "RadioGroupVirtualDesktopInactive");
  radio->SetItems({"a", "b", "c"});
  auto* memo = Create<TMemo>(&form, "MemoWindowTitle");
  auto* number = Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopCount");
  auto* choice = Create<TComboBox>(&form, "ComboBoxSnappingKey");
  choice->SetItems({"none", "SHIFT", "CTRL", "ALT"});
  auto* textCombo = Create<TComboBox>(&form, "ComboBoxKeyName");
  textCombo->SetItems({"none", "SHIFT", "CTRL", "ALT"});
  auto* text = Create<TEdit>(&form, "EditName");
  Bind(settings, check, "S");
  Bind(settings, menu, "S");
  Bind(settings, radio, "S");
  BindInt(settings, memo, "S");  // a memo carries text whatever its kind
  BindInt(settings, number, "S");
  BindInt(settings, choice, "S");
  Bind(settings, textCombo, "S");
  Bind(settings, text, "S");

  settings["Position"].SetIntValue(7);
  settings["VirtualDesktopFixed"].SetIntValue(-1);
  settings["VirtualDesktopInactive"].SetIntValue(2);
  settings["WindowTitle"].SetTextValue("a\r\nb");
  settings["VirtualDesktopCount"].SetIntValue(-6);
  settings["SnappingKey"].SetIntValue(3);
  settings["KeyName"].SetTextValue("CTRL");
  settings["Name"].SetTextValue(" spaced ");
  settings.ToControls();
  EXPECT_TRUE(check->Checked());
  EXPECT_TRUE(menu->Checked());
  EXPECT_EQ(radio->ItemIndex(), 2);
  EXPECT_EQ(memo->Text(), "a\r\nb");
  EXPECT_EQ(number->Text(), "-6");
  EXPECT_EQ(choice->ItemIndex(), 3);
  EXPECT_EQ(textCombo->ItemIndex(), 2);
  EXPECT_EQ(text->Text(), " spaced ");

  check->SetChecked(false);
  menu->SetChecked(true);
  radio->SetItemIndex(-1);
  number->SetText("+12");
  choice->SetItemIndex(1);
  textCombo->SetItemIndex(3);
  settings.FromControls();
  EXPECT_EQ(settings["Position"].IntValue(), 0);
  EXPECT_EQ(settings["VirtualDesktopFixed"].IntValue(), 1);
  EXPECT_EQ(settings["VirtualDesktopInactive"].IntValue(), -1);
  EXPECT_EQ(settings["VirtualDesktopCount"].IntValue(), 12);
  EXPECT_EQ(settings["SnappingKey"].IntValue(), 1);
  EXPECT_EQ(settings["KeyName"].TextValue(), "ALT");
  EXPECT_EQ(settings["Name"].TextValue(), " spaced ");
}

TEST_F(SettingsBindingTest, NumberEditWithoutANumberFailsTheConversionAndKeepsItsValue) {
  auto* number = Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopMiniWidth");
  BindInt(settings, number, "VirtualDesktop");
  COptionItem& item = settings["VirtualDesktopMiniWidth"];
  item.SetIntValue(16);
  for (const char* text : {"", "1x", "99999999999"}) {
    number->SetText(text);
    EXPECT_THROW(ControlToValue(item), EConvertError) << text;
    EXPECT_EQ(item.IntValue(), 16);
  }
}

TEST_F(SettingsBindingTest, EnableControlsLeavesMenuItemsAlone) {
  auto* count = Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopCount");
  auto* follow = Create<TCheckBox>(&form, "CheckBoxVirtualDesktopMoveActiveFrame");
  auto* fixed = Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed");
  auto* alpha = Create<TLabeledEdit>(&form, "LabeledEditTranslucentAlpha");
  BindInt(settings, count, "VirtualDesktop");
  Bind(settings, follow, "VirtualDesktop");
  Bind(settings, fixed, "VirtualDesktop");
  BindInt(settings, alpha, "Option");

  settings.Section("VirtualDesktop").EnableControls(false);
  EXPECT_FALSE(count->Enabled());
  EXPECT_FALSE(follow->Enabled());
  EXPECT_TRUE(fixed->Enabled());
  EXPECT_TRUE(alpha->Enabled());
  settings.Section("VirtualDesktop").EnableControls(true);
  EXPECT_TRUE(count->Enabled());
}

}  // namespace
