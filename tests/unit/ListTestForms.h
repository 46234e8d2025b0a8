#pragma once
// Entry dialogs for the list tests: the command and watching dialogs' bound controls,
// named and bound as in the real dialogs, with their design-time values.
#include "settings/Binding.h"
#include "settings/CommandOption.h"
#include "settings/WatchingOption.h"
#include "toolkit/Forms.h"

namespace list_test {

struct CommandTestDialog {
  CommandTestDialog(TApplication& app, CCommandOption& list) : Form(app, "CommandDlg") {
    Name = Create<TEdit>(&Form, "EditName");
    WindowTitle = Create<TMemo>(&Form, "MemoWindowTitle");
    HotKey = Create<TLabeledEdit>(&Form, "LabeledEditHotKey");
    Program = Create<TLabeledEdit>(&Form, "LabeledEditProgram");
    Ok = Create<TButton>(&Form, "OKBtn");
    Ok->SetParent(&Form);
    Ok->ModalResult = mrOk;
    Cancel = Create<TButton>(&Form, "CancelBtn");
    Cancel->SetParent(&Form);
    Cancel->ModalResult = mrCancel;
    Bind(list, Name, "Command");
    Bind(list, WindowTitle, "Command");
    Bind(list, HotKey, "Command");
    Bind(list, Program, "Command");
    list.EntryDialog = &Form;
    list.EntryOkButton = Ok;
    list.Initialize();
  }

  TForm Form;
  TEdit* Name;
  TMemo* WindowTitle;
  TLabeledEdit* HotKey;
  TLabeledEdit* Program;
  TButton* Ok;
  TButton* Cancel;
};

struct WatchingTestDialog {
  WatchingTestDialog(TApplication& app, CWatchingOption& list) : Form(app, "WatchingDlg") {
    auto edit = [this](const char* name, const char* text) {
      auto* control = Create<TLabeledEdit>(&Form, name);
      control->SetText(text);
      return control;
    };
    Name = Create<TEdit>(&Form, "EditName");
    WindowTitle = Create<TEdit>(&Form, "EditWindowTitle");
    Translucent = Create<TCheckBox>(&Form, "CheckBoxTranslucent");
    TranslucentAlpha = edit("LabeledEditTranslucentAlpha", "200");
    Position = Create<TCheckBox>(&Form, "CheckBoxPosition");
    PositionLeft = edit("LabeledEditPositionLeft", "0");
    PositionTop = edit("LabeledEditPositionTop", "0");
    Frame = Create<TCheckBox>(&Form, "CheckBoxFrame");
    FramePosition = edit("LabeledEditFramePosition", "1");
    Ok = Create<TButton>(&Form, "OKBtn");
    Ok->SetParent(&Form);
    Ok->ModalResult = mrOk;
    Bind(list, Name, "Watching");
    Bind(list, WindowTitle, "Watching");
    Bind(list, Translucent, "Watching");
    BindInt(list, TranslucentAlpha, "Watching");
    Bind(list, Position, "Watching");
    BindInt(list, PositionLeft, "Watching");
    BindInt(list, PositionTop, "Watching");
    Bind(list, Frame, "Watching");
    BindInt(list, FramePosition, "Watching");
    list.EntryDialog = &Form;
    list.EntryOkButton = Ok;
    list.Initialize();
  }

  TForm Form;
  TEdit* Name;
  TEdit* WindowTitle;
  TCheckBox* Translucent;
  TLabeledEdit* TranslucentAlpha;
  TCheckBox* Position;
  TLabeledEdit* PositionLeft;
  TLabeledEdit* PositionTop;
  TCheckBox* Frame;
  TLabeledEdit* FramePosition;
  TButton* Ok;
};

// Expected texts, typed independently of the product's (code page 932 bytes).
namespace expected {
extern const char* const AddCaption;
extern const char* const EditCaption;
extern const char* const DialogAlreadyShown;
}  // namespace expected

}  // namespace list_test
