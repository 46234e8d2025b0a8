#pragma once
// The watching rules: section "Watching", bound to the watching dialog's EditName,
// EditWindowTitle, CheckBoxTranslucent, LabeledEditTranslucentAlpha, CheckBoxPosition,
// LabeledEditPositionLeft, LabeledEditPositionTop, CheckBoxFrame and
// LabeledEditFramePosition.
#include <vector>

#include "settings/GridOption.h"

class CWatchingOption : public CGridOption {
 public:
  struct CWatchingItem {
    CEntryText Name;
    CEntryText WindowTitle;  // one window pattern
    int Translucent = 0;     // 0 or 1
    int TranslucentAlpha = 0;
    int Position = 0;  // 0 or 1
    int PositionLeft = 0;
    int PositionTop = 0;
    int Frame = 0;          // 0 or 1
    int FramePosition = 0;  // the frame, counted from 1
  };

  CWatchingOption(TApplication& app, std::filesystem::path settingsPath);

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

  // Read-only access for the grid; the index must be valid.
  const CWatchingItem& Entry(int index) const {
    return entries_.at(static_cast<std::size_t>(index));
  }

  // What a new rule starts with.
  CWatchingItem DefaultEntry;

 private:
  void KeepEntries() override { kept_ = entries_; }
  void RestoreKeptEntries() override { entries_ = kept_; }

  std::vector<CWatchingItem> entries_;
  std::vector<CWatchingItem> kept_;
};
