#pragma once
// The general options: sections "Option" and "VirtualDesktop", bound to the options
// dialog.
#include <functional>
#include <string>

#include "settings/IniFileOption.h"

class TForm;
class TMenuItem;

class COption : public CIniFileOption {
 public:
  COption(TApplication& app, std::string settingsPath);

  // Lowers a number of virtual screens the monitors cannot hold to the largest they can.
  bool ValidateLoaded() override;
  // The four number fields, in order: translucency 1..255, number of virtual screens
  // 1..10 and no more than the monitors allow for the strip being entered, initial
  // position 1..(the number being entered), width when shrunk 8..64. The first failure
  // shows its message and returns false; no stored value changes.
  bool ValidateInput() override;
  // Loads the command list, then the watching list; greys out the virtual-screen
  // controls while virtual screens are not used.
  void AfterLoad() override;
  // Saves the command list, then the watching list, into the file still open.
  void AfterSave() override;
  // Shows the pager and its two menu items while virtual screens are used; otherwise
  // hides the items and closes the pager.
  void Apply() override;

  // Collaborators, set by the options dialog after binding; a null one is skipped.
  CIniFileOption* CommandSettings = nullptr;
  CIniFileOption* WatchingSettings = nullptr;
  TMenuItem* MenuItemVirtualDesktopSaveSize = nullptr;
  TMenuItem* MenuItemVirtualDesktopFixed = nullptr;
  TForm* FormVirtualDesktop = nullptr;
  // The most virtual screens the monitors allow for a "VirtualDesktop" strip; empty: no
  // limit beyond the dialog's range.
  std::function<int(int strip)> LargestFrameCount;

 private:
  // Reads the bound control of `key` as FromControls would, into a copy of the item, and
  // tests low <= value <= high. Shows the conversion's or the range's message and returns
  // false on failure. An item that is not bound passes.
  bool CheckRange(const std::string& key, int low, int high, const char* message, int& entered);
  int StoredInt(const std::string& key) const;
  // The value of `key` as its control holds it, or as stored when it cannot be read.
  int EnteredInt(const std::string& key);
  // `count` is within what the monitors allow, or the message saying so is shown.
  bool CheckLargestCount(int count);
};
