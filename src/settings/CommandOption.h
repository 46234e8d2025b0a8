#pragma once
// The command list: section "Command", bound to the command dialog's EditName,
// MemoWindowTitle, LabeledEditHotKey and LabeledEditProgram.
#include <vector>

#include "settings/GridOption.h"

class CCommandOption : public CGridOption {
 public:
  struct CCommandItem {
    CEntryText Name;
    CEntryText WindowTitle;  // window patterns, one per line (CR LF)
    CEntryText HotKey;       // hot-key text; empty for none
    int Reserved = 0;        // bound to no control and never stored
    CEntryText Program;      // command line started when no window matches
  };

  CCommandOption(TApplication& app, std::filesystem::path settingsPath);

  bool ValidateLoaded() override { return true; }
  bool ValidateInput() override { return true; }
  // At the end of the dialog's creation handler, after binding: the controls' design-time
  // values become DefaultEntry; the list is left empty and the file is not read.
  void Initialize() override;

  void Clear() override { entries_.clear(); }
  int Count() const override { return static_cast<int>(entries_.size()); }
  void RemoveEntry(int index) override { EraseEntry(entries_, index); }
  void MoveEntryUp(int index) override { SwapEntries(entries_, index, index - 1); }
  void MoveEntryDown(int index) override { SwapEntries(entries_, index, index + 1); }
  void LoadEntry(int index) override;
  void StoreEntry(int index) override;

  // Read-only access for the grid and the hot-key registration; the index must be valid.
  const CCommandItem& Entry(int index) const {
    return entries_.at(static_cast<std::size_t>(index));
  }

  // What a new command starts with.
  CCommandItem DefaultEntry;

 private:
  void KeepEntries() override { kept_ = entries_; }
  void RestoreKeptEntries() override { entries_ = kept_; }

  std::vector<CCommandItem> entries_;
  std::vector<CCommandItem> kept_;
};
