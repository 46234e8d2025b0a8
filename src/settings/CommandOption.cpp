#include "settings/CommandOption.h"

CCommandOption::CCommandOption(TApplication& app, std::filesystem::path settingsPath)
    : CGridOption(app, std::move(settingsPath), "Command") {}

void CCommandOption::Initialize() {
  Clear();  // so that entry 0 is the one taken from the controls
  FromControls();
  StoreEntry(-1);
  DefaultEntry = entries_.front();
  Clear();
}

void CCommandOption::LoadEntry(int index) {
  const CCommandItem& entry =
      InRange(entries_, index) ? entries_[static_cast<std::size_t>(index)] : DefaultEntry;
  PutText("Name", entry.Name);
  PutText("WindowTitle", entry.WindowTitle);
  PutText("HotKey", entry.HotKey);
  PutText("Program", entry.Program);
}

void CCommandOption::StoreEntry(int index) {
  const bool append = index < 0;
  if (append ? Count() >= kMaxListEntries : !InRange(entries_, index)) return;
  // Neighbouring entries often hold the same texts (a load repeats the entry before for
  // every key the file lacks); the new entry shares their buffers then.
  const CCommandItem& like = !append            ? entries_[static_cast<std::size_t>(index)]
                             : entries_.empty() ? DefaultEntry
                                                : entries_.back();
  // A reload of an unchanged file takes the texts of the entries kept at the last load
  // instead of making each one again.
  const std::size_t at = append ? entries_.size() : static_cast<std::size_t>(index);
  const CCommandItem* same = at < kept_.size() ? &kept_[at] : nullptr;
  CCommandItem entry;
  entry.Name = TakeText("Name", like.Name, same ? &same->Name : nullptr, DefaultEntry.Name);
  entry.WindowTitle = TakeText("WindowTitle", like.WindowTitle, same ? &same->WindowTitle : nullptr,
                               DefaultEntry.WindowTitle);
  entry.HotKey =
      TakeText("HotKey", like.HotKey, same ? &same->HotKey : nullptr, DefaultEntry.HotKey);
  entry.Reserved = DefaultEntry.Reserved;
  entry.Program =
      TakeText("Program", like.Program, same ? &same->Program : nullptr, DefaultEntry.Program);
  if (append)
    entries_.push_back(std::move(entry));
  else
    entries_[static_cast<std::size_t>(index)] = std::move(entry);
}
