#pragma once
// The watching-rule dialog: edits one rule of the watching list.
#include "toolkit/Forms.h"

class Program;

class TWatchingDlg : public TForm {
 public:
  explicit TWatchingDlg(Program& program);
  std::string ClassName() const override { return "TWatchingDlg"; }
};
