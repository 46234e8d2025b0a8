#include "settings/CustomOption.h"

#include "settings/OptionTransfer.h"

CCustomOption::~CCustomOption() {
  sections_.clear();
  clear();
}

void CCustomOption::ToControls() {
  for (auto& [key, item] : *this) ValueToControl(item);
}

void CCustomOption::FromControls() {
  for (auto& [key, item] : *this) ControlToValue(item);
}

void CCustomOption::Initialize() {
  FromControls();
  Load();
}

COptionSection& CCustomOption::Section(const std::string& name) {
  return sections_[name];
}
