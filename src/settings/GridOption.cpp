#include "settings/GridOption.h"

#include <algorithm>

#include "settings/ItemStorage.h"
#include "settings/ListTexts.h"
#include "settings/OptionKeys.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"

namespace {

constexpr const char* kCountKey = "Count";

// One bound item with its INI key, worked out once per load or save rather than once per
// entry.
struct ListKey {
  COptionItem* item;
  std::string iniKey;
};

std::vector<ListKey> ListKeysOf(CCustomOption& list, const std::string& section) {
  std::vector<ListKey> keys;
  for (auto& [key, item] : list)
    if (item.Body) keys.push_back({&item, IniKeyOf(item.Key, section)});
  return keys;
}

}  // namespace

CGridOption::CGridOption(TApplication& app, std::filesystem::path settingsPath,
                         std::string sectionName)
    : CIniFileOption(app, std::move(settingsPath)), sectionName_(std::move(sectionName)) {}

bool CGridOption::Load() {
  CIniFileScope scope(*this);
  CIniFile& file = scope.File();
  if (!file.Existed()) {
    // A file deleted while the program runs, or one it may not read, is not an empty list.
    RestoreKeptEntries();
    scope.Close();
    return true;
  }
  Clear();
  const int count = std::clamp(file.ReadInteger(sectionName_, kCountKey, 0), 0, kMaxListEntries);
  // Entry 0 inherits from a new entry, not from whatever entry the items held last (the
  // watching rules are loaded into them every time a window appears).
  LoadEntry(-1);
  const std::vector<ListKey> keys = ListKeysOf(*this, sectionName_);
  std::string indexed;
  for (int i = 0; i < count; ++i) {
    const std::string suffix = std::to_string(i);
    for (const ListKey& key : keys) {
      indexed.assign(key.iniKey).append(suffix);
      ReadItemValue(file, sectionName_, indexed, *key.item);
    }
    StoreEntry(-1);
  }
  KeepEntries();
  scope.Close();
  return true;
}

bool CGridOption::Save() {
  CIniFileScope scope(*this);
  CIniFile& file = scope.File();
  const int count = Count();
  file.WriteInteger(sectionName_, kCountKey, count);
  const std::vector<ListKey> keys = ListKeysOf(*this, sectionName_);
  std::string indexed;
  for (int i = 0; i < count; ++i) {
    LoadEntry(i);
    const std::string suffix = std::to_string(i);
    for (const ListKey& key : keys) {
      indexed.assign(key.iniKey).append(suffix);
      WriteItemValue(file, sectionName_, indexed, *key.item);
    }
  }
  if (!scope.Close()) return false;
  KeepEntries();
  return true;
}

bool CGridOption::HasRoom() const {
  if (Count() < kMaxListEntries) return true;
  ShowErrorMessage(Application(), texts::lists::ListFull(kMaxListEntries));
  return false;
}

bool CGridOption::EditEntry(int index) {
  if (!EntryDialog || index >= Count()) return false;
  // The watching dialog may be on screen already (opened by the get-info hot key). Refuse
  // before its fields are overwritten, so the rule being entered there is not lost.
  if (EntryDialog->Visible()) {
    ShowErrorMessage(Application(), texts::lists::DialogAlreadyShown);
    return false;
  }
  // Nothing is typed that could not be kept.
  if (index < 0 && !HasRoom()) return false;
  LoadEntry(index);
  ToControls();
  if (BeforeEdit) BeforeEdit();
  if (EntryOkButton)
    EntryOkButton->SetCaption(index < 0 ? texts::lists::AddCaption : texts::lists::EditCaption);
  if (EntryDialog->ShowModal() != mrOk) return false;
  FromControls();
  const int before = Count();
  StoreEntry(index);
  return index >= 0 || Count() != before;
}

const COptionItem* CGridOption::BoundItem(const std::string& key) const {
  auto found = find(key);
  return found != end() && found->second.Body ? &found->second : nullptr;
}

void CGridOption::PutText(const std::string& key, const std::string& value) {
  if (const COptionItem* item = BoundItem(key)) item->Body->TextValue = value;
}

void CGridOption::PutInt(const std::string& key, int value) {
  if (const COptionItem* item = BoundItem(key)) item->Body->IntValue = value;
}

CEntryText CGridOption::TakeText(const std::string& key, const CEntryText& like,
                                 const CEntryText* same, const CEntryText& fallback) const {
  const COptionItem* item = BoundItem(key);
  return item ? CEntryText::SharedWith(like, same, item->TextValue()) : fallback;
}

int CGridOption::TakeInt(const std::string& key, int fallback) const {
  const COptionItem* item = BoundItem(key);
  return item ? item->IntValue() : fallback;
}
