#pragma once
// The version box: the program's icon, product name, version and legal notice.
#include "toolkit/Forms.h"
#include "toolkit/Panels.h"

class Program;

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(Program& program);
  std::string ClassName() const override { return "TAboutBox"; }

  TPanel* Panel1;
  TIconImage* ProgramIcon;
  TLabel* ProductName;
  TLabel* Version;
  TLabel* Copyright;
  TButton* OKButton;

 private:
  void CreateControls();
  // The labels from the version record, once: it does not change while the program runs.
  void FormCreate();

  Program& program_;
};
