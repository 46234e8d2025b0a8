#pragma once
// The general options: sections "Option" and "VirtualDesktop", bound to the options
// dialog.
#include <string>

#include "settings/IniFileOption.h"

class TForm;
class TMenuItem;

class COption : public CIniFileOption {
 public:
  COption(TApplication& app, std::string settingsPath);

  bool ValidateLoaded() override;
  // The four number fields, in order: translucency 1..255, number of virtual screens
  // 1..10, initial position 1..(the number being entered), width when shrunk 8..64. The
  // first failure shows its message and returns false; no stored value changes.
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

 private:
  // Reads the bound control of `key` as FromControls would, into a copy of the item, and
  // tests low <= value <= high. Shows the conversion's or the range's message and returns
  // false on failure. An item that is not bound passes.
  bool CheckRange(const std::string& key, int low, int high, const char* message, int& entered);
  int StoredInt(const std::string& key) const;
};
