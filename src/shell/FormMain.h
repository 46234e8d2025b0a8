#pragma once
// The hidden main form: never shown; closing it ends the message loop.
#include "toolkit/Forms.h"

class Program;

class TFormMain : public TForm {
 public:
  explicit TFormMain(Program& program);
  std::string ClassName() const override { return "TFormMain"; }
};
