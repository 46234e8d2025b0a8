#include "SettingsTestSupport.h"

#include <fstream>
#include <random>
#include <sstream>

#include "settings/Binding.h"

namespace settings_test {

ScratchDir::ScratchDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  auto base = std::filesystem::temp_directory_path();
  do {
    dir_ = base / ("tw-settings-" + std::to_string(random()));
  } while (!std::filesystem::create_directory(dir_));
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool PathExists(const std::string& path) {
  return std::filesystem::exists(path);
}

OptionTestForm::OptionTestForm(TApplication& app)
    : Form(app, "OptionDlg"), Pager(app, "FormVirtualDesktop") {
  auto edit = [this](const char* name, const char* text) {
    auto* control = Create<TLabeledEdit>(&Form, name);
    control->SetText(text);
    return control;
  };
  HotKeyTranslucent = edit("LabeledEditHotKeyTranslucent", "Shift+Ctrl+Alt+Home");
  TranslucentAlpha = edit("LabeledEditTranslucentAlpha", "200");
  HotKeyGetInfo = edit("LabeledEditHotKeyGetInfo", "Shift+Ctrl+Alt+End");
  SnappingKey = Create<TComboBox>(&Form, "ComboBoxSnappingKey");
  SnappingKey->SetItems({"none", "SHIFT", "CTRL", "ALT"});
  SnappingKey->SetItemIndex(0);
  VirtualDesktop = Create<TRadioGroup>(&Form, "RadioGroupVirtualDesktop");
  VirtualDesktop->SetItems({"none", "column", "row"});
  VirtualDesktop->SetItemIndex(1);
  Count = edit("LabeledEditVirtualDesktopCount", "4");
  InitialFrame = edit("LabeledEditVirtualDesktopInitialFrame", "1");
  MiniWidth = edit("LabeledEditVirtualDesktopMiniWidth", "16");
  Inactive = Create<TRadioGroup>(&Form, "RadioGroupVirtualDesktopInactive");
  Inactive->SetItems({"nothing", "shrink", "transparent"});
  Inactive->SetItemIndex(0);
  HotKeyUp = edit("LabeledEditVirtualDesktopHotKeyUp", "Shift+Ctrl+Alt+Up");
  HotKeyDown = edit("LabeledEditVirtualDesktopHotKeyDown", "Shift+Ctrl+Alt+Down");
  HotKeyLeft = edit("LabeledEditVirtualDesktopHotKeyLeft", "Shift+Ctrl+Alt+Left");
  HotKeyRight = edit("LabeledEditVirtualDesktopHotKeyRight", "Shift+Ctrl+Alt+Right");
  MoveActiveFrame = Create<TCheckBox>(&Form, "CheckBoxVirtualDesktopMoveActiveFrame");
  SaveSize = Create<TMenuItem>(&Form, "MenuItemVirtualDesktopSaveSize");
  Fixed = Create<TMenuItem>(&Form, "MenuItemVirtualDesktopFixed");
}

void OptionTestForm::BindTo(COption& options) {
  Bind(options, HotKeyTranslucent, "Option");
  BindInt(options, TranslucentAlpha, "Option");
  Bind(options, HotKeyGetInfo, "Option");
  BindInt(options, SnappingKey, "Option");
  Bind(options, VirtualDesktop, "Option");
  BindInt(options, Count, "VirtualDesktop");
  BindInt(options, InitialFrame, "VirtualDesktop");
  BindInt(options, MiniWidth, "VirtualDesktop");
  Bind(options, Inactive, "VirtualDesktop");
  Bind(options, HotKeyUp, "VirtualDesktop");
  Bind(options, HotKeyDown, "VirtualDesktop");
  Bind(options, HotKeyLeft, "VirtualDesktop");
  Bind(options, HotKeyRight, "VirtualDesktop");
  Bind(options, MoveActiveFrame, "VirtualDesktop");
  Bind(options, Fixed, "VirtualDesktop");
  options.MenuItemVirtualDesktopSaveSize = SaveSize;
  options.MenuItemVirtualDesktopFixed = Fixed;
  options.FormVirtualDesktop = &Pager;
}

}  // namespace settings_test
