#pragma once
// A list of entries edited in a grid (the commands, the watching rules). Its bound items
// are not settings of their own but the buffer for one entry: entries are copied between
// the list and the items, and the items to and from the entry dialog's controls. The
// whole list lives in one section of the settings file as "Count" and, per entry, every
// item's INI key followed by the entry's index in decimal (Name0, ..., Name10).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/EntryText.h"
#include "settings/IniFileOption.h"

class TButton;
class TForm;

// A command's hot key is registered under its index, and the six global hot keys take the
// ids from 0xBFFA up; no list holds more entries than that, whatever its file claims.
constexpr int kMaxListEntries = 0xBFFA;

class CGridOption : public CIniFileOption {
 public:
  CGridOption(TApplication& app, std::filesystem::path settingsPath, std::string sectionName);

  // Replaces the list with the file's entries: "Count" of them, at most kMaxListEntries
  // (none for a missing, negative or unreadable count). A key the file lacks takes the
  // value of the entry before; for the first entry, the value of a new entry. A file that
  // is absent or cannot be read holds no list: the entries of the last load or save come
  // back instead (edits since then are dropped, as a load from the file drops them).
  bool Load() override;
  // Writes "Count" and every entry. Keys of entries beyond the count stay in the file
  // unread. Leaves the items holding the last entry. False only when the file could not
  // be written (reported in an error box).
  bool Save() override;

  // Whether one more entry fits; a full list says so in an error box.
  bool HasRoom() const;

  // The list operations, in their fixed order. Indexes count from 0; an index out of
  // range makes RemoveEntry, MoveEntryUp, MoveEntryDown and StoreEntry do nothing.
  virtual void Clear() = 0;
  virtual int Count() const = 0;
  // Shows the entry (or, for -1, a new one) in EntryDialog; OK stores it back, or appends
  // it. Returns whether the dialog's entry was stored.
  virtual bool EditEntry(int index);
  virtual void RemoveEntry(int index) = 0;
  // Swap the entry with the one before / after it.
  virtual void MoveEntryUp(int index) = 0;
  virtual void MoveEntryDown(int index) = 0;
  // The entry's fields into the items; an index out of range gives DefaultEntry's.
  virtual void LoadEntry(int index) = 0;
  // The items' values into the entry, or into a new last entry for an index below 0
  // (unless the list is full).
  virtual void StoreEntry(int index) = 0;

  const std::string& SectionName() const { return sectionName_; }

  // Set by the entry dialog's creation handler, after it has bound its controls: the
  // dialog EditEntry shows, its OK button (captioned "add" or "edit"), and an optional
  // hook run after the entry reached the controls and before the dialog is shown.
  TForm* EntryDialog = nullptr;
  TButton* EntryOkButton = nullptr;
  std::function<void()> BeforeEdit;

 protected:
  // The entries as the file held them at the last load or save, kept for a load that
  // finds no file.
  virtual void KeepEntries() = 0;
  virtual void RestoreKeptEntries() = 0;

  // Entry fields to and from the bound items. A key that is not bound is passed over on
  // the way in and gives `fallback` on the way out. A text taken shares the buffer of
  // `like` or `same` when either holds it.
  void PutText(const std::string& key, const std::string& value);
  void PutInt(const std::string& key, int value);
  CEntryText TakeText(const std::string& key, const CEntryText& like, const CEntryText* same,
                      const CEntryText& fallback) const;
  int TakeInt(const std::string& key, int fallback) const;

  template <class TEntry>
  static bool InRange(const std::vector<TEntry>& entries, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < entries.size();
  }
  template <class TEntry>
  static void EraseEntry(std::vector<TEntry>& entries, int index) {
    if (InRange(entries, index)) entries.erase(entries.begin() + index);
  }
  template <class TEntry>
  static void SwapEntries(std::vector<TEntry>& entries, int first, int second) {
    if (InRange(entries, first) && InRange(entries, second))
      std::swap(entries[static_cast<std::size_t>(first)],
                entries[static_cast<std::size_t>(second)]);
  }

 private:
  const COptionItem* BoundItem(const std::string& key) const;

  std::string sectionName_;
};
