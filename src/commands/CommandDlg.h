#pragma once
// The command dialog: edits one entry of the command list.
#include "toolkit/Forms.h"

class Program;

class TCommandDlg : public TForm {
 public:
  explicit TCommandDlg(Program& program);
  std::string ClassName() const override { return "TCommandDlg"; }
};
