#pragma once
// The command dialog: edits one entry of the command list.
#include "toolkit/Forms.h"
#include "toolkit/OpenDialog.h"

class CCommandOption;
class Desktop;

class TCommandDlg : public TForm {
 public:
  // `commands` is the list the dialog's fields are bound to; `desktop` names the keys
  // the hot-key field captures.
  TCommandDlg(TApplication& app, Desktop& desktop, CCommandOption& commands);
  std::string ClassName() const override { return "TCommandDlg"; }

  TGroupBox* GroupBox3;
  TEdit* EditName;
  TGroupBox* GroupBox2;
  TMemo* MemoWindowTitle;
  TGroupBox* GroupBox1;
  TLabeledEdit* LabeledEditHotKey;
  TCheckBox* CheckBoxExecute;
  TLabeledEdit* LabeledEditProgram;
  TButton* ButtonCommand;
  TButton* OKBtn;
  TButton* CancelBtn;
  TOpenDialog* OpenDialog1;

  // Puts the chosen program into the command line, quoted when its path holds a space.
  void ButtonCommandClick();

 private:
  void FormCloseQuery(bool& canClose);
  void CreateControls();
  void FormCreate();

  Desktop& desktop_;
  CCommandOption& commands_;
};
