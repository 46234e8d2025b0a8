#include "commands/CommandDlg.h"

#include "commands/CommandDlgTexts.h"
#include "commands/HotKeyCapture.h"
#include "settings/Binding.h"
#include "settings/BlankText.h"
#include "settings/CommandOption.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Layout.h"

namespace {
constexpr const char* kSection = "Command";
}

TCommandDlg::TCommandDlg(TApplication& app, Desktop& desktop, CCommandOption& commands)
    : TForm(app, "CommandDlg"), desktop_(desktop), commands_(commands) {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
  SetCaption(texts::command::Caption);
  SetClientSize(513, 334);
  CreateControls();
  FormCreate();
}

void TCommandDlg::CreateControls() {
  namespace t = texts::command;
  GroupBox3 = Place<TGroupBox>(this, this, "GroupBox3", 8, 8, 497, 52);
  GroupBox3->SetCaption(t::GroupName);
  EditName = Place<TEdit>(this, GroupBox3, "EditName", 10, 20, 477, 21);
  EditName->SetMaxLength(256);

  GroupBox2 = Place<TGroupBox>(this, this, "GroupBox2", 8, 66, 497, 134);
  GroupBox2->SetCaption(t::GroupWindowTitles);
  MemoWindowTitle = Place<TMemo>(this, GroupBox2, "MemoWindowTitle", 10, 20, 477, 104);
  MemoWindowTitle->SetMaxLength(1000);

  GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 8, 206, 497, 90);
  GroupBox1->SetCaption(t::GroupStart);
  LabeledEditHotKey = Place<TLabeledEdit>(this, GroupBox1, "LabeledEditHotKey", 10, 34, 180, 21);
  LabeledEditHotKey->SetLabelCaption(t::HotKey);
  MakeHotKeyCaptureField(desktop_, *LabeledEditHotKey);
  CheckBoxExecute = Place<TCheckBox>(this, GroupBox1, "CheckBoxExecute", 200, 34, 16, 21);
  CheckBoxExecute->SetVisible(false);
  CheckBoxExecute->SetEnabled(false);
  CheckBoxExecute->TabStop = false;
  LabeledEditProgram = Place<TLabeledEdit>(this, GroupBox1, "LabeledEditProgram", 230, 34, 225, 21);
  LabeledEditProgram->SetLabelCaption(t::Program);
  LabeledEditProgram->SetMaxLength(1000);
  ButtonCommand = Place<TButton>(this, GroupBox1, "ButtonCommand", 460, 33, 27, 23);
  ButtonCommand->SetCaption(t::Browse);

  OKBtn = Place<TButton>(this, this, "OKBtn", 342, 302, 78, 25);
  OKBtn->SetCaption(t::Add);
  OKBtn->Default = true;
  OKBtn->ModalResult = mrOk;
  CancelBtn = Place<TButton>(this, this, "CancelBtn", 427, 302, 78, 25);
  CancelBtn->SetCaption(t::Cancel);
  CancelBtn->Cancel = true;
  CancelBtn->ModalResult = mrCancel;
  OpenDialog1 = Create<TOpenDialog>(this, "OpenDialog1");
  OpenDialog1->Filter = t::ExecutableFilter;
  ButtonCommand->OnClick = [this](TComponent&) { ButtonCommandClick(); };
  OnCloseQuery = [this](TComponent&, bool& canClose) { FormCloseQuery(canClose); };
}

void TCommandDlg::ButtonCommandClick() {
  if (!OpenDialog1->Execute()) return;
  // Unquoted, "C:\Program Files\x.exe" would start C:\Program.exe if that exists.
  std::string path = OpenDialog1->FileName;
  if (path.find(' ') != std::string::npos) path = "\"" + path + "\"";
  LabeledEditProgram->SetText(path);
}

void TCommandDlg::FormCloseQuery(bool& canClose) {
  if (ModalResult() != mrOk) return;
  CCommandOption& commands = commands_;
  commands.FromControls();
  if (IsBlankText(commands["Name"].TextValue())) {
    ShowErrorMessage(*Application(), texts::command::NameEmpty);
    canClose = false;
  }
}

void TCommandDlg::FormCreate() {
  CCommandOption& commands = commands_;
  Bind(commands, EditName, kSection);
  Bind(commands, MemoWindowTitle, kSection);
  Bind(commands, LabeledEditHotKey, kSection);
  Bind(commands, LabeledEditProgram, kSection);
  commands.EntryDialog = this;
  commands.EntryOkButton = OKBtn;
  // The fields' design values become the defaults of a new command.
  commands.Initialize();
}
