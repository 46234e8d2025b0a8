#pragma once
// The version box: the program's icon, product name, version and legal notice.
#include <string>

#include "toolkit/Forms.h"
#include "toolkit/Panels.h"

// The program's own version strings, read once at start.
struct TVersionInfo {
  std::string ProductName;
  std::string FileVersion;  // without its last "." part
  std::string LegalCopyright;
};

class TAboutBox : public TForm {
 public:
  // `info` is read before the box is made and does not change while the program runs.
  TAboutBox(TApplication& app, const TVersionInfo& info);
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

  const TVersionInfo& info_;
};
