#include "shell/OptionDlg.h"

#include <algorithm>

#include "commands/HotKeyRegistration.h"
#include "desktop/FormVirtualDesktop.h"
#include "general/ForceForeground.h"
#include "settings/Binding.h"
#include "shell/OptionDlgTexts.h"
#include "shell/Program.h"

namespace {
constexpr const char* kOption = "Option";
constexpr const char* kVirtualDesktop = "VirtualDesktop";
}  // namespace

TOptionDlg::TOptionDlg(Program& program)
    : TForm(program.Application, "OptionDlg"), program_(program) {
  BorderStyle = TBorderStyle::Dialog;
  FormStyle = TFormStyle::StayOnTop;
  Position = TPosition::ScreenCenter;
  SetClientSize(362, 264);
  Font = TFont{texts::option::FontName, 12};
  SetCaption(texts::option::Caption);
  CreateControls();
  FormCreate();
  // Start-up stays pending until IdleStart has run.
  program_.Application.OnIdle = [this](bool& done) { IdleStart(done); };
}

void TOptionDlg::FormCreate() {
  const TVersionInfo& version = program_.VersionInfo;
  SetCaption(version.ProductName + " " + version.FileVersion);

  COption& settings = program_.OptionSettings;
  Bind(settings, LabeledEditHotKeyTranslucent, kOption);
  BindInt(settings, LabeledEditTranslucentAlpha, kOption);
  Bind(settings, LabeledEditHotKeyGetInfo, kOption);
  BindInt(settings, ComboBoxSnappingKey, kOption);
  Bind(settings, RadioGroupVirtualDesktop, kOption);
  BindInt(settings, LabeledEditVirtualDesktopCount, kVirtualDesktop);
  BindInt(settings, LabeledEditVirtualDesktopInitialFrame, kVirtualDesktop);
  BindInt(settings, LabeledEditVirtualDesktopMiniWidth, kVirtualDesktop);
  Bind(settings, RadioGroupVirtualDesktopInactive, kVirtualDesktop);
  Bind(settings, LabeledEditVirtualDesktopHotKeyUp, kVirtualDesktop);
  Bind(settings, LabeledEditVirtualDesktopHotKeyDown, kVirtualDesktop);
  Bind(settings, LabeledEditVirtualDesktopHotKeyLeft, kVirtualDesktop);
  Bind(settings, LabeledEditVirtualDesktopHotKeyRight, kVirtualDesktop);
  Bind(settings, CheckBoxVirtualDesktopMoveActiveFrame, kVirtualDesktop);
  Bind(settings, MenuItemVirtualDesktopFixed, kVirtualDesktop);
  settings.MenuItemVirtualDesktopSaveSize = MenuItemVirtualDesktopSaveSize;
  settings.MenuItemVirtualDesktopFixed = MenuItemVirtualDesktopFixed;
}

void TOptionDlg::FormCloseQuery(TComponent&, bool& canClose) {
  if (ModalResult() != mrOk) return;
  canClose = program_.OptionSettings.Save();
}

void TOptionDlg::EditAllowOnlyDigit(TComponent&, char16_t& key) {
  if (!((key >= u'0' && key <= u'9') || key == 8)) key = 0;
}

void TOptionDlg::RadioGroupVirtualDesktopClick(TComponent&) {
  program_.OptionSettings.Section(kVirtualDesktop)
      .EnableControls(RadioGroupVirtualDesktop->ItemIndex() != 0);
}

void TOptionDlg::IdleStart(bool& done) {
  COption& settings = program_.OptionSettings;
  settings.Initialize();
  // The file's value is not range-checked; any value up to 1 means the first frame, and
  // the lowest int has no predecessor. The pager took the window list when it was shown.
  program_.FormVirtualDesktop->StartAtFrameReachingParked(
      std::max(settings["VirtualDesktopInitialFrame"].IntValue(), 1) - 1);
  RegisterAllHotKeys(program_.Platform, settings, program_.CommandSettings, Handle());
  program_.Platform.StartHook(Handle(), settings["SnappingKey"].IntValue());
  ForceForeground(program_.Platform, program_.Application.Handle());
  program_.Application.OnIdle = nullptr;
  done = true;
}
