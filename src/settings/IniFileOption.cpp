#include "settings/IniFileOption.h"

#include <utility>
#include <vector>

#include "platform/File.h"
#include "settings/ItemStorage.h"
#include "settings/OptionKeys.h"
#include "settings/SettingsTexts.h"
#include "toolkit/Dialogs.h"

namespace {

// The values of every bound item, to put back when a save could not be written: what is
// in memory then matches the file, so a Cancel after the failure leaves the program as
// it was.
class ValueSnapshot {
 public:
  explicit ValueSnapshot(const CCustomOption& settings) {
    for (const auto& [key, item] : settings)
      if (item.Body) values_.emplace_back(item.Body, *item.Body);
  }
  void Restore() const {
    for (const auto& [body, value] : values_) {
      body->IntValue = value.IntValue;
      body->TextValue = value.TextValue;
    }
  }

 private:
  std::vector<
      std::pair<std::shared_ptr<COptionItem::COptionItemBody>, COptionItem::COptionItemBody>>
      values_;
};

}  // namespace

CIniFileOption::CIniFileOption(TApplication& app, std::filesystem::path settingsPath)
    : app_(app), settingsPath_(std::move(settingsPath)) {}

CIniFileOption::~CIniFileOption() = default;

CIniFileOption::CIniFileScope::CIniFileScope(CIniFileOption& owner) : owner_(owner) {
  owner_.iniFile_ = std::make_unique<CIniFile>(owner_.settingsPath_);
}

CIniFileOption::CIniFileScope::~CIniFileScope() {
  if (!closed_) owner_.iniFile_.reset();
}

bool CIniFileOption::CIniFileScope::Close() {
  closed_ = true;
  bool written = owner_.iniFile_->Close();
  owner_.iniFile_.reset();
  if (!written)
    ShowErrorMessage(owner_.app_, texts::settings::WriteFailed(PathText(owner_.settingsPath_)));
  return written;
}

bool CIniFileOption::Load() {
  {
    CIniFileScope scope(*this);
    if (scope.File().Existed()) fileSeen_ = true;
    for (auto& [key, item] : *this)
      ReadItemValue(scope.File(), item.Section, IniKeyOf(item.Key, item.Section), item);
    AfterLoad();
    scope.Close();
  }
  if (!ValidateLoaded()) return false;
  ToControls();
  Apply();
  return true;
}

bool CIniFileOption::Save() {
  if (!ValidateInput()) return false;
  ValueSnapshot before(*this);
  try {
    FromControls();
    CIniFileScope scope(*this);
    for (const auto& [key, item] : *this)
      WriteItemValue(scope.File(), item.Section, IniKeyOf(item.Key, item.Section), item);
    AfterSave();
    if (!scope.Close()) {
      before.Restore();
      return false;
    }
  } catch (...) {
    before.Restore();
    throw;
  }
  fileSeen_ = true;
  Apply();
  return true;
}

bool CIniFileOption::WriteStored() {
  CIniFileScope scope(*this);
  for (const auto& [key, item] : *this)
    WriteItemValue(scope.File(), item.Section, IniKeyOf(item.Key, item.Section), item);
  AfterSave();
  if (!scope.Close()) return false;
  fileSeen_ = true;
  return true;
}

bool CIniFileOption::RewriteIfDeleted() {
  if (!fileSeen_ || FileExists(settingsPath_)) return true;
  return WriteStored();
}
