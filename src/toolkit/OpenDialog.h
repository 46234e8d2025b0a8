#pragma once
// The file-open dialog.
#include <string>

#include "toolkit/Component.h"

class TOpenDialog : public TComponent {
 public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TOpenDialog"; }
  // Pairs of description and pattern separated by "|", e.g. "Programs (*.exe)|*.exe".
  std::string Filter;
  // The chosen file's full path after Execute returned true.
  std::string FileName;
  // Runs the dialog modally; true when the user chose a file.
  bool Execute();
};
