#include "settings/WatchingOption.h"

#include <algorithm>

#include "settings/Option.h"

CWatchingOption::CWatchingOption(TApplication& app, std::filesystem::path settingsPath)
    : CGridOption(app, std::move(settingsPath), "Watching") {}

void CWatchingOption::Initialize() {
  Clear();  // so that entry 0 is the one taken from the controls
  FromControls();
  StoreEntry(-1);
  DefaultEntry = entries_.front();
  Clear();
}

void CWatchingOption::LoadEntry(int index) {
  const CWatchingItem& entry =
      InRange(entries_, index) ? entries_[static_cast<std::size_t>(index)] : DefaultEntry;
  PutText("Name", entry.Name);
  PutText("WindowTitle", entry.WindowTitle);
  PutInt("Translucent", entry.Translucent);
  PutInt("TranslucentAlpha", entry.TranslucentAlpha);
  PutInt("Position", entry.Position);
  PutInt("PositionLeft", entry.PositionLeft);
  PutInt("PositionTop", entry.PositionTop);
  PutInt("Frame", entry.Frame);
  PutInt("FramePosition", entry.FramePosition);
}

void CWatchingOption::StoreEntry(int index) {
  const bool append = index < 0;
  if (append ? Count() >= kMaxListEntries : !InRange(entries_, index)) return;
  // Neighbouring entries often hold the same texts; the new entry shares their buffers.
  const CWatchingItem& like = !append            ? entries_[static_cast<std::size_t>(index)]
                              : entries_.empty() ? DefaultEntry
                                                 : entries_.back();
  const CWatchingItem& d = DefaultEntry;
  // A reload of an unchanged file takes the texts of the rules kept at the last load.
  const std::size_t at = append ? entries_.size() : static_cast<std::size_t>(index);
  const CWatchingItem* same = at < kept_.size() ? &kept_[at] : nullptr;
  CWatchingItem entry;
  entry.Name = TakeText("Name", like.Name, same ? &same->Name : nullptr, d.Name);
  entry.WindowTitle =
      TakeText("WindowTitle", like.WindowTitle, same ? &same->WindowTitle : nullptr, d.WindowTitle);
  entry.Translucent = TakeInt("Translucent", d.Translucent);
  // A hand-edited file may hold any number; a rule takes the nearest one its dialog would
  // accept, so that an alpha of 0 or 256 never makes a window invisible yet clickable.
  entry.TranslucentAlpha = std::clamp(TakeInt("TranslucentAlpha", d.TranslucentAlpha),
                                      kTranslucentAlphaRange.Low, kTranslucentAlphaRange.High);
  entry.Position = TakeInt("Position", d.Position);
  entry.PositionLeft = TakeInt("PositionLeft", d.PositionLeft);
  entry.PositionTop = TakeInt("PositionTop", d.PositionTop);
  entry.Frame = TakeInt("Frame", d.Frame);
  entry.FramePosition = std::clamp(TakeInt("FramePosition", d.FramePosition),
                                   kVirtualDesktopCountRange.Low, kVirtualDesktopCountRange.High);
  if (append)
    entries_.push_back(std::move(entry));
  else
    entries_[static_cast<std::size_t>(index)] = std::move(entry);
}
