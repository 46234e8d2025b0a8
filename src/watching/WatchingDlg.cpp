#include "watching/WatchingDlg.h"

#include "settings/Binding.h"
#include "settings/BlankText.h"
#include "settings/WatchingOption.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Layout.h"
#include "toolkit/SysUtils.h"
#include "watching/WatchingDlgTexts.h"

namespace {
constexpr const char* kSection = "Watching";
}

TWatchingDlg::TWatchingDlg(TApplication& app, CWatchingOption& rules, CIniFileOption& settingsFile,
                           TKeyPressEvent digitsOnly)
    : TForm(app, "WatchingDlg"),
      rules_(rules),
      settingsFile_(settingsFile),
      digitsOnly_(std::move(digitsOnly)) {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
  SetCaption(texts::watching::Caption);
  SetClientSize(321, 325);
  CreateControls();
  FormCreate();
}

void TWatchingDlg::CreateControls() {
  namespace t = texts::watching;
  GroupBox3 = Place<TGroupBox>(this, this, "GroupBox3", 8, 8, 305, 48);
  GroupBox3->SetCaption(t::GroupName);
  EditName = Place<TEdit>(this, GroupBox3, "EditName", 10, 18, 285, 21);
  EditName->SetMaxLength(1000);
  GroupBox2 = Place<TGroupBox>(this, this, "GroupBox2", 8, 60, 305, 48);
  GroupBox2->SetCaption(t::GroupWindowTitle);
  EditWindowTitle = Place<TEdit>(this, GroupBox2, "EditWindowTitle", 10, 18, 285, 21);
  EditWindowTitle->SetMaxLength(256);

  auto digits = [this](TLabeledEdit* edit, const char* label, const char* text) {
    edit->SetLabelCaption(label);
    edit->SetText(text);
    edit->SetMaxLength(256);
    edit->OnKeyPress = digitsOnly_;
  };
  auto click = [this](TComponent&) { CheckBoxClick(); };

  // Each check box sits on the top edge of its group box, like a caption.
  CheckBoxTranslucent = Place<TCheckBox>(this, this, "CheckBoxTranslucent", 16, 112, 90, 17);
  CheckBoxTranslucent->SetCaption(t::Translucent);
  CheckBoxTranslucent->OnClick = click;
  GroupBoxTranslucent = Place<TGroupBox>(this, this, "GroupBoxTranslucent", 8, 119, 305, 54);
  LabeledEditTranslucentAlpha =
      Place<TLabeledEdit>(this, GroupBoxTranslucent, "LabeledEditTranslucentAlpha", 10, 26, 60, 21);
  digits(LabeledEditTranslucentAlpha, t::Alpha, "200");
  Label1 = Place<TLabel>(this, GroupBoxTranslucent, "Label1", 78, 30, 0, 0);
  Label1->SetCaption(t::AlphaRange);

  CheckBoxPosition = Place<TCheckBox>(this, this, "CheckBoxPosition", 16, 177, 100, 17);
  CheckBoxPosition->SetCaption(t::Position);
  CheckBoxPosition->OnClick = click;
  GroupBoxPosition = Place<TGroupBox>(this, this, "GroupBoxPosition", 8, 184, 305, 54);
  LabeledEditPositionLeft =
      Place<TLabeledEdit>(this, GroupBoxPosition, "LabeledEditPositionLeft", 10, 26, 60, 21);
  digits(LabeledEditPositionLeft, t::Left, "0");
  LabeledEditPositionTop =
      Place<TLabeledEdit>(this, GroupBoxPosition, "LabeledEditPositionTop", 90, 26, 60, 21);
  digits(LabeledEditPositionTop, t::Top, "0");

  CheckBoxFrame = Place<TCheckBox>(this, this, "CheckBoxFrame", 16, 242, 120, 17);
  CheckBoxFrame->SetCaption(t::Frame);
  CheckBoxFrame->OnClick = click;
  GroupBoxFrame = Place<TGroupBox>(this, this, "GroupBoxFrame", 8, 249, 305, 40);
  LabeledEditFramePosition =
      Place<TLabeledEdit>(this, GroupBoxFrame, "LabeledEditFramePosition", 50, 12, 60, 21);
  digits(LabeledEditFramePosition, t::FramePosition, "1");
  // The group is one line high: the label goes beside the edit.
  LabeledEditFramePosition->LabelPosition = TLabelPosition::Left;
  Label3 = Place<TLabel>(this, GroupBoxFrame, "Label3", 118, 16, 0, 0);
  Label3->SetCaption(t::FrameRange);

  OKBtn = Place<TButton>(this, this, "OKBtn", 152, 295, 78, 25);
  OKBtn->SetCaption(t::Add);
  OKBtn->Default = true;
  OKBtn->ModalResult = mrOk;
  CancelBtn = Place<TButton>(this, this, "CancelBtn", 235, 295, 78, 25);
  CancelBtn->SetCaption(t::Cancel);
  CancelBtn->Cancel = true;
  CancelBtn->ModalResult = mrCancel;
  OnCloseQuery = [this](TComponent&, bool& canClose) { FormCloseQuery(canClose); };
}

bool TWatchingDlg::CheckInput() {
  namespace t = texts::watching;
  CWatchingOption& rules = rules_;
  const char* failure = nullptr;
  try {
    rules.FromControls();
  } catch (const EConvertError& e) {
    ShowErrorMessage(*Application(), e.Message());
    return false;
  }
  int alpha = rules["TranslucentAlpha"].IntValue();
  int frame = rules["FramePosition"].IntValue();
  if (IsBlankText(rules["Name"].TextValue()))
    failure = t::NameEmpty;
  else if (IsBlankText(rules["WindowTitle"].TextValue()))
    failure = t::WindowTitleEmpty;
  else if (alpha < 1 || alpha > 255)
    failure = t::AlphaOutOfRange;
  else if (frame < 1 || frame > 10)
    failure = t::FrameOutOfRange;
  if (!failure) return true;
  ShowErrorMessage(*Application(), failure);
  return false;
}

void TWatchingDlg::FormCloseQuery(bool& canClose) {
  if (ModalResult() != mrOk) return;
  if (!CheckInput()) {
    canClose = false;
    return;
  }
  if (Modal()) return;  // the list's EditEntry stores the rule
  CWatchingOption& rules = rules_;
  // A full list says so; the rule stays in the dialog.
  if (!rules.HasRoom()) {
    canClose = false;
    return;
  }
  int before = rules.Count();
  rules.StoreEntry(-1);
  // A file deleted meanwhile is written again in full, this rule with it, rather than
  // replaced by one holding the rules alone.
  if (settingsFile_.RewriteIfDeleted() && rules.Save()) return;
  // The file could not be written (the error box said so): take the rule back out, so
  // that pressing OK again does not add it twice, and keep the dialog open.
  if (rules.Count() > before) rules.RemoveEntry(rules.Count() - 1);
  canClose = false;
}

void TWatchingDlg::CheckBoxClick() {
  auto follow = [](TCheckBox* box, TGroupBox* group) {
    bool enabled = box->Checked();
    group->SetEnabled(enabled);
    for (TControl* child : group->Children()) child->SetEnabled(enabled);
  };
  follow(CheckBoxTranslucent, GroupBoxTranslucent);
  follow(CheckBoxPosition, GroupBoxPosition);
  follow(CheckBoxFrame, GroupBoxFrame);
}

void TWatchingDlg::FormCreate() {
  CWatchingOption& rules = rules_;
  Bind(rules, EditName, kSection);
  Bind(rules, EditWindowTitle, kSection);
  Bind(rules, CheckBoxTranslucent, kSection);
  BindInt(rules, LabeledEditTranslucentAlpha, kSection);
  Bind(rules, CheckBoxPosition, kSection);
  BindInt(rules, LabeledEditPositionLeft, kSection);
  BindInt(rules, LabeledEditPositionTop, kSection);
  Bind(rules, CheckBoxFrame, kSection);
  BindInt(rules, LabeledEditFramePosition, kSection);
  rules.EntryDialog = this;
  rules.EntryOkButton = OKBtn;
  rules.BeforeEdit = [this] { CheckBoxClick(); };
  // The fields' design values become the defaults of a new rule.
  rules.Initialize();
}
