#pragma once
// The watching-rule dialog: edits one rule of the watching list.
#include "toolkit/Forms.h"

class CIniFileOption;
class CWatchingOption;

class TWatchingDlg : public TForm {
 public:
  // `rules` is the list the dialog's fields are bound to; `settingsFile` owns the whole
  // settings file, written again in full when a rule is saved after the file was deleted;
  // `digitsOnly` filters the keys typed into the number fields.
  TWatchingDlg(TApplication& app, CWatchingOption& rules, CIniFileOption& settingsFile,
               TKeyPressEvent digitsOnly);
  std::string ClassName() const override { return "TWatchingDlg"; }

  // Each check box enables its group box and everything in it.
  void CheckBoxClick();

  TGroupBox* GroupBox3;
  TEdit* EditName;
  TGroupBox* GroupBox2;
  TEdit* EditWindowTitle;
  TCheckBox* CheckBoxTranslucent;
  TGroupBox* GroupBoxTranslucent;
  TLabeledEdit* LabeledEditTranslucentAlpha;
  TLabel* Label1;
  TCheckBox* CheckBoxPosition;
  TGroupBox* GroupBoxPosition;
  TLabeledEdit* LabeledEditPositionLeft;
  TLabeledEdit* LabeledEditPositionTop;
  TCheckBox* CheckBoxFrame;
  TGroupBox* GroupBoxFrame;
  TLabeledEdit* LabeledEditFramePosition;
  TLabel* Label3;
  TButton* OKBtn;
  TButton* CancelBtn;

 private:
  void CreateControls();
  void FormCreate();
  // Only OK confirms: the fields are checked in order, and in the modeless use the rule
  // is appended and the list saved at once.
  void FormCloseQuery(bool& canClose);
  bool CheckInput();

  CWatchingOption& rules_;
  CIniFileOption& settingsFile_;
  TKeyPressEvent digitsOnly_;
};
