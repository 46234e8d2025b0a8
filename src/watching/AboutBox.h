#pragma once
// The version box.
#include "toolkit/Forms.h"

class Program;

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(Program& program);
  std::string ClassName() const override { return "TAboutBox"; }
};
