#include "shell/OptionDlg.h"

#include "commands/HotKeyCapture.h"
#include "commands/HotKeyRegistration.h"
#include "desktop/FormVirtualDesktop.h"
#include "general/ForceForeground.h"
#include "settings/Binding.h"
#include "settings/SettingsFile.h"
#include "shell/FormMain.h"
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

TLabeledEdit* TOptionDlg::AddLabeledEdit(const char* name, const char* label, const char* text,
                                         bool digitsOnly) {
  auto* edit = Create<TLabeledEdit>(this, name);
  edit->SetParent(this);
  edit->SetLabelCaption(label);
  edit->SetText(text);
  if (digitsOnly) {
    edit->OnKeyPress = EditAllowOnlyDigit;
  } else {
    MakeHotKeyCaptureField(program_.Platform, *edit);
    edit->AutoSelect = false;
  }
  return edit;
}

TMenuItem* TOptionDlg::AddMenuItem(const char* name, const char* caption) {
  auto* item = Create<TMenuItem>(this, name);
  item->SetCaption(caption);
  PopupMenuContext->Items.push_back(item);
  return item;
}

void TOptionDlg::CreateControls() {
  namespace t = texts::option;
  LabeledEditHotKeyTranslucent = AddLabeledEdit("LabeledEditHotKeyTranslucent",
                                                t::HotKeyTranslucent, "Shift+Ctrl+Alt+Home", false);
  LabeledEditTranslucentAlpha =
      AddLabeledEdit("LabeledEditTranslucentAlpha", t::TranslucentAlpha, "200", true);
  LabeledEditHotKeyGetInfo =
      AddLabeledEdit("LabeledEditHotKeyGetInfo", t::HotKeyGetInfo, "Shift+Ctrl+Alt+End", false);
  ComboBoxSnappingKey = Create<TComboBox>(this, "ComboBoxSnappingKey");
  ComboBoxSnappingKey->SetParent(this);
  ComboBoxSnappingKey->SetItems({std::begin(t::SnappingKeyItems), std::end(t::SnappingKeyItems)});
  ComboBoxSnappingKey->SetItemIndex(0);

  RadioGroupVirtualDesktop = Create<TRadioGroup>(this, "RadioGroupVirtualDesktop");
  RadioGroupVirtualDesktop->SetParent(this);
  RadioGroupVirtualDesktop->SetCaption(t::RadioVirtualDesktop);
  RadioGroupVirtualDesktop->Columns = 3;
  RadioGroupVirtualDesktop->SetItems(
      {std::begin(t::VirtualDesktopItems), std::end(t::VirtualDesktopItems)});
  RadioGroupVirtualDesktop->SetItemIndex(1);
  LabeledEditVirtualDesktopCount =
      AddLabeledEdit("LabeledEditVirtualDesktopCount", t::VirtualDesktopCount, "4", true);
  LabeledEditVirtualDesktopInitialFrame = AddLabeledEdit("LabeledEditVirtualDesktopInitialFrame",
                                                         t::VirtualDesktopInitialFrame, "1", true);
  LabeledEditVirtualDesktopMiniWidth =
      AddLabeledEdit("LabeledEditVirtualDesktopMiniWidth", t::VirtualDesktopMiniWidth, "16", true);
  RadioGroupVirtualDesktopInactive = Create<TRadioGroup>(this, "RadioGroupVirtualDesktopInactive");
  RadioGroupVirtualDesktopInactive->SetParent(this);
  RadioGroupVirtualDesktopInactive->SetCaption(t::RadioInactive);
  RadioGroupVirtualDesktopInactive->Columns = 3;
  RadioGroupVirtualDesktopInactive->SetItems(
      {std::begin(t::InactiveItems), std::end(t::InactiveItems)});
  RadioGroupVirtualDesktopInactive->SetItemIndex(0);

  LabeledEditVirtualDesktopHotKeyUp =
      AddLabeledEdit("LabeledEditVirtualDesktopHotKeyUp", t::HotKeyUp, "Shift+Ctrl+Alt+Up", false);
  LabeledEditVirtualDesktopHotKeyDown = AddLabeledEdit("LabeledEditVirtualDesktopHotKeyDown",
                                                       t::HotKeyDown, "Shift+Ctrl+Alt+Down", false);
  LabeledEditVirtualDesktopHotKeyLeft = AddLabeledEdit("LabeledEditVirtualDesktopHotKeyLeft",
                                                       t::HotKeyLeft, "Shift+Ctrl+Alt+Left", false);
  LabeledEditVirtualDesktopHotKeyRight = AddLabeledEdit(
      "LabeledEditVirtualDesktopHotKeyRight", t::HotKeyRight, "Shift+Ctrl+Alt+Right", false);
  CheckBoxVirtualDesktopMoveActiveFrame =
      Create<TCheckBox>(this, "CheckBoxVirtualDesktopMoveActiveFrame");
  CheckBoxVirtualDesktopMoveActiveFrame->SetParent(this);
  CheckBoxVirtualDesktopMoveActiveFrame->SetCaption(t::MoveActiveFrame);

  OKBtn = Create<TButton>(this, "OKBtn");
  OKBtn->SetParent(this);
  OKBtn->SetCaption(t::Ok);
  OKBtn->Default = true;
  OKBtn->ModalResult = mrOk;
  CancelBtn = Create<TButton>(this, "CancelBtn");
  CancelBtn->SetParent(this);
  CancelBtn->SetCaption(t::Cancel);
  CancelBtn->Cancel = true;
  CancelBtn->ModalResult = mrCancel;

  PopupMenuContext = Create<TPopupMenu>(this, "PopupMenuContext");
  MenuItemOption = AddMenuItem("MenuItemOption", t::MenuOption);
  MenuItemVirtualDesktopSaveSize = AddMenuItem("MenuItemVirtualDesktopSaveSize", t::MenuSaveSize);
  MenuItemVirtualDesktopFixed = AddMenuItem("MenuItemVirtualDesktopFixed", t::MenuFixed);
  MenuItemVirtualDesktopFixed->AutoCheck = true;
  MenuItemVirtualDesktopFixed->OnClick = [this](TComponent& sender) {
    MenuItemVirtualDesktopFixedClick(sender);
  };
  MenuItemAbout = AddMenuItem("MenuItemAbout", t::MenuAbout);
  MenuItemExit = AddMenuItem("MenuItemExit", t::MenuExit);
  MenuItemExit->OnClick = [this](TComponent& sender) { MenuItemExitClick(sender); };
  OnCloseQuery = [this](TComponent& sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

void TOptionDlg::FormCreate() {
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
  // Fewer virtual screens may have left the current one beyond the last.
  if (canClose) program_.FormVirtualDesktop->ClampCurrentFrame();
}

void TOptionDlg::MenuItemVirtualDesktopFixedClick(TComponent&) {
  // The item has toggled its check mark already; the choice is stored at once, without
  // the options dialog.
  bool fixed = MenuItemVirtualDesktopFixed->Checked();
  program_.OptionSettings["VirtualDesktopFixed"].SetIntValue(fixed ? 1 : 0);
  WriteVirtualDesktopFixed(program_.SettingsPath, fixed);
}

void TOptionDlg::EditAllowOnlyDigit(TComponent&, char16_t& key) {
  if (!((key >= u'0' && key <= u'9') || key == 8)) key = 0;
}

void TOptionDlg::IdleStart(bool& done) {
  COption& settings = program_.OptionSettings;
  settings.Initialize();
  program_.FormVirtualDesktop->StartAtFrame(settings["VirtualDesktopInitialFrame"].IntValue() - 1);
  RegisterAllHotKeys(program_.Platform, settings, program_.CommandSettings, Handle());
  program_.Platform.StartHook(Handle(), settings["SnappingKey"].IntValue());
  ForceForeground(program_.Platform, program_.Application.Handle());
  program_.Application.OnIdle = nullptr;
  done = true;
}

void TOptionDlg::MenuItemExitClick(TComponent&) {
  program_.FormVirtualDesktop->RestoreAllWindows();
  UnregisterAllHotKeys(program_.Platform, program_.CommandSettings, Handle());
  program_.Platform.EndHook();
  program_.FormMain->Close();
}
