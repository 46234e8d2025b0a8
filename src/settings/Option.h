#pragma once
// The general options: sections "Option" and "VirtualDesktop", bound to the options
// dialog.
#include <functional>
#include <string>

#include "settings/IniFileOption.h"

class TForm;
class TMenuItem;

// The ranges of the numbers the options dialog accepts. The initial position runs from 1
// to the number of virtual screens.
struct CIntRange {
  int Low;
  int High;
};
constexpr CIntRange kTranslucentAlphaRange{1, 255};
constexpr CIntRange kVirtualDesktopCountRange{1, 10};
constexpr CIntRange kMiniWidthRange{8, 64};

class COption : public CIniFileOption {
 public:
  COption(TApplication& app, std::filesystem::path settingsPath);

  // A file edited by hand may hold any number: each of the four below is brought to the
  // nearest value ValidateInput would accept (ten thousand screens would have the pager
  // draw ten thousand cells, an alpha of 0 an invisible window that still takes clicks).
  // The number of virtual screens is also brought within what the monitors allow. The file
  // is left as it is. Always true.
  bool ValidateLoaded() override;
  // The four number fields, in order: translucency, number of virtual screens, initial
  // position (up to the number being entered), width when shrunk; the ranges above, and
  // no more screens than the monitors allow for the strip being entered. The first failure shows
  // its message and returns false; no stored value changes.
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
  // tests that the value lies within `range`. Shows the conversion's or the range's
  // message and returns false on failure. An item that is not bound passes.
  bool CheckRange(const std::string& key, CIntRange range, const char* message, int& entered);
  int StoredInt(const std::string& key) const;
  // Brings the stored value into the range and returns it; `range.High` for an item that
  // does not exist.
  int ClampStored(const std::string& key, CIntRange range);
  // The value of `key` as its control holds it, or as stored when it cannot be read.
  int EnteredInt(const std::string& key);
  // `count` is within what the monitors allow, or the message saying so is shown.
  bool CheckLargestCount(int count);
};
