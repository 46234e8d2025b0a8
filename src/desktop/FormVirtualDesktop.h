#pragma once
// The pager: a small always-on-top tool window showing the virtual screens.
#include "toolkit/Forms.h"

class Program;

class TFormVirtualDesktop : public TForm {
 public:
  explicit TFormVirtualDesktop(Program& program);
  std::string ClassName() const override { return "TFormVirtualDesktop"; }

  // Index of the virtual screen now on the real screen.
  int CurrentFrame = 0;
};
